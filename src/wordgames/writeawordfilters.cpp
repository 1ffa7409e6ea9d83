#include "wordgames/writeawordfilters.h"
#include "core/textinput.h"

#include <array>

namespace {
// Positions a filter looks at: matches past them are not counted.
constexpr int LetterPositions = 16;
constexpr int AccentPositions = 20;
constexpr int ShortWord = 5;

const QString SmallAccentedVowels = QStringLiteral("áàéèíìóòúù");

QString at(const QString& word, int j) { // character j counting from 1; empty past the end
    return j >= 1 && j <= word.size() ? QString(word[j - 1]) : QString();
}

void select(const WordFilter& filter, const QString& w, QStringList& out) {
    switch (filter.test) {
    case WordTest::None:
        out << w;
        return;
    case WordTest::Cluster:
        for (int j = 1; j <= LetterPositions; ++j)
            if (at(w, j) + at(w, j + 1) == filter.first) out << w;
        return;
    case WordTest::TwoLetter:
        for (int j = 1; j <= LetterPositions; ++j) {
            if (at(w, j) == filter.first) out << w;
            if (at(w, j) == filter.second) out << w;
        }
        return;
    case WordTest::Unaccented: {
        bool accented = false;
        for (int j = 1; j <= AccentPositions && j <= w.size(); ++j)
            accented = accented || SmallAccentedVowels.contains(w[j - 1]);
        const QString trimmed = withoutEndSpaces(w);
        if (!accented && trimmed.size() <= ShortWord) out << trimmed;
        return;
    }
    }
}

WordFilter item(const char* control, const char* caption, const char* submenu, WordTest test,
                const char* first = "", const char* second = "", bool asStored = false) {
    return {control, QString::fromUtf8(caption), submenu,
            test,    QString::fromUtf8(first),   QString::fromUtf8(second),
            asStored};
}
} // namespace

std::span<const WordFilter> wordFilters() {
    static const std::array<WordFilter, 15> all{
        item("CAPS", "CAP", "", WordTest::None),
        item("SENSESSS", "SENSE ACCENT", "", WordTest::Unaccented),
        item("INICI", "V-B", "LLETRES", WordTest::TwoLetter, "v", "b", true),
        item("MEDI", "C-S", "LLETRES", WordTest::TwoLetter, "c", "s"),
        item("TOT", "Z-C", "LLETRES", WordTest::TwoLetter, "z", "c"),
        item("CQ", "C-Q", "LLETRES", WordTest::TwoLetter, "C", "Q"),
        item("GJ", "G-J", "LLETRES", WordTest::TwoLetter, "j", "g"),
        item("BR", "BR-> BRISA", "MORFEMES", WordTest::Cluster, "br"),
        item("TR", "TR-> TRES", "MORFEMES", WordTest::Cluster, "tr", "", true),
        item("DR", "DR->DRAMA", "MORFEMES", WordTest::Cluster, "dr"),
        item("BL", "BL->BLUSA", "MORFEMES", WordTest::Cluster, "bl"),
        item("PL", "PL->PLUMA", "MORFEMES", WordTest::Cluster, "pl"),
        item("GRASA", "GR->GRASA", "MORFEMES", WordTest::Cluster, "gr"),
        item("CL", "CL->CLARA", "MORFEMES", WordTest::Cluster, "cl"),
        item("GR", "CR->CRAN", "MORFEMES", WordTest::Cluster, "cr", "", true),
    };
    return all;
}

const WordFilter* wordFilter(const QString& control) {
    for (const WordFilter& f : wordFilters())
        if (control == QLatin1String(f.control)) return &f;
    return nullptr;
}

QStringList filterWords(const WordFilter& filter, const QStringList& pool) {
    QStringList out;
    for (const QString& w : pool)
        select(filter, w, out);
    return out;
}
