#include "textwork/spellinggaps.h"
#include "core/cp1252.h"
#include "core/textinput.h"
#include "textwork/linebreaks.h"

namespace spellinggaps {

Exercise build(const QString& source, const QStringList& pieces, Stretch stretch) {
    return gaprules::scan(toCrLf(source), pieces, stretch == Stretch::Whole ? -1 : StretchLength);
}

QStringList pieces(Family family, const QString& caption) {
    // Character n of the caption, counted from 1, and characters n to m.
    const auto at = [&caption](int n, int m) { return caption.mid(n - 1, m - n + 1); };
    switch (family) {
    case Family::pp:
    case Family::vo:
        return {at(1, 1), at(3, 3)};
    case Family::ppp:
        return {at(3, 4), at(1, 1)};
    case Family::ccc:
        return {at(1, 2)};
    case Family::pppp:
        return {at(4, 5), at(1, 2)};
    case Family::ssi:
        return {at(5, 7), at(1, 3)};
    case Family::Command3:
        return {QStringLiteral("o"),  QStringLiteral(u"ó"), QStringLiteral(u"ò"), QStringLiteral("a"),
                QStringLiteral(u"á"), QStringLiteral(u"à"), QStringLiteral("i"),  QStringLiteral(u"í"),
                QStringLiteral(u"ì"), QStringLiteral("e"),  QStringLiteral(u"é"), QStringLiteral(u"è"),
                QStringLiteral("u"),  QStringLiteral(u"ú"), QStringLiteral(u"ù")};
    case Family::Command9:
        return {};
    }
    return {};
}

QStringList groupPieces(const QStringList& groups) {
    QStringList out;
    for (const QString& group : groups) {
        // Only spaces are trimmed: a group is the learner's own letters.
        const QString letters = withoutEndSpaces(group);
        if (!letters.isEmpty()) out << letters;
    }
    return out;
}

Stretch stretchOf(Family family) {
    return family == Family::pp || family == Family::Command9 ? Stretch::Whole : Stretch::First900;
}

} // namespace spellinggaps
