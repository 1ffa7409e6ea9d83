#include "textwork/playerrules.h"
#include "textwork/gapexercise.h"

namespace playerrules {

Blanked blankKeys(const QString& text, const QStringList& keys) {
    Blanked out{text, 0};
    QString& t = out.gapped;
    for (int k = 0; k < BlankedKeys && k < keys.size(); ++k) {
        const QString& key = keys[k];
        const qsizetype length = key.size();
        if (length == 0) continue;
        const qsizetype end = t.size();
        for (qsizetype i = 0; i + length <= end; ++i) {
            if (QStringView(t).mid(i, length) != key) continue;
            t.replace(i, length, QString(length, QLatin1Char('_')));
            out.blanks += int(length);
        }
    }
    return out;
}

bool keyAccepted(const QStringList& keys, QChar typed) {
    const bool filtering = keys.size() > 4 && !keys[4].isEmpty() && keys[4][0].unicode() > 32;
    if (!filtering || typed == QChar(8)) return true;
    for (int k = 0; k < BlankedKeys && k < keys.size(); ++k)
        if (keys[k].contains(typed)) return true;
    return false;
}

LayoutPlaces layoutPlaces(Layout layout) {
    const QRect away(0, -1000, 0, 0);
    switch (layout) {
    case Layout::GappedOnly:
        return {QRect(45, 45, 11700, 9100), away, std::nullopt};
    case Layout::FullTextOnly:
        return {away, QRect(45, 45, 11700, 9100), 30};
    case Layout::Stacked:
        return {QRect(45, 45, 11800, 6800), QRect(45, 6900, 11800, 2200), 20};
    case Layout::SideBySide:
        return {QRect(45, 45, 6015, 9100), QRect(6120, 45, 5700, 9100), 15};
    }
    return {};
}

QStringList exerciseTitles(const QString& programFolder) {
    QStringList titles;
    titles.reserve(gapexercise::LastNumber);
    for (int n = 1; n <= gapexercise::LastNumber; ++n) {
        const std::optional<GapExercise> read =
            readGapExercise(numberedGapExercisePath(programFolder, n), gapexercise::FieldLength);
        titles << (read ? read->title : QString(gapexercise::FieldLength, QLatin1Char(' ')));
    }
    return titles;
}

} // namespace playerrules
