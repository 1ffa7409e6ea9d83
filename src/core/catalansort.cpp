#include "core/catalansort.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <vector>

const QCollator& catalanCollator() {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Catalan, QLocale::Spain)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator;
}

int catalanCompare(const QString& a, const QString& b) {
    const int order = catalanCollator().compare(a, b);
    return order != 0 ? order : a.compare(b);
}

bool catalanLess(const QString& a, const QString& b) {
    return catalanCompare(a, b) < 0;
}

void sortCatalan(QStringList& words) {
    if (words.size() < 2) return;
    // Sort keys once per word: far cheaper than collating every pair of a long list.
    const QCollator& collator = catalanCollator();
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keyed;
    keyed.reserve(size_t(words.size()));
    for (qsizetype i = 0; i < words.size(); ++i)
        keyed.emplace_back(collator.sortKey(words[i]), i);
    std::sort(keyed.begin(), keyed.end(), [&words](const auto& x, const auto& y) {
        const int order = x.first.compare(y.first);
        return order != 0 ? order < 0 : words[x.second].compare(words[y.second]) < 0;
    });
    QStringList sorted;
    sorted.reserve(words.size());
    for (const auto& k : keyed)
        sorted << words[k.second];
    words = std::move(sorted);
}
