#include "core/cp1252.h"
#include "core/textinput.h"

#include <QList>
#include <QRegularExpression>
#include <array>

namespace {
// Bytes 0x80 to 0x9F, where code page 1252 differs from Latin-1. The five bytes it leaves
// undefined map to the control characters of the same number, so they survive a round trip.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeOne(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (size_t i = 0; i < High.size(); ++i)
        if (High[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}
} // namespace

QByteArray toCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    // Composed first: "a" and a combining grave are the one byte of "à", not "a?".
    for (char32_t u : toNfc(text).toUcs4()) {
        // The Catalan ŀ and Ŀ, which the code page lacks, are the l· and L· that it holds.
        if (u == 0x0140 || u == 0x013F) {
            out.append(u == 0x0140 ? 'l' : 'L');
            out.append('\xB7');
            continue;
        }
        out.append(encodeOne(u));
    }
    return out;
}

QString fromCp1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        out.append(u >= 0x80 && u < 0xA0 ? QChar(High[u - 0x80]) : QChar(u));
    }
    return out;
}

QString toCrLf(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n|\u2028|\u2029"));
    QString out = text;
    return out.replace(breaks, QStringLiteral("\r\n"));
}

int cp1252Length(const QString& text) {
    return int(toCp1252(toCrLf(text)).size());
}

QString fitCp1252(const QString& text, int capacity) {
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const bool pair = i + 1 < text.size() &&
                          ((text.at(i) == QLatin1Char('\r') && text.at(i + 1) == QLatin1Char('\n')) ||
                           (text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate()));
        const qsizetype step = pair ? 2 : 1;
        // Each piece costs what it is stored as: a break two, ŀ two, a character the code page
        // lacks its one "?".
        const int cost = cp1252Length(text.mid(i, step));
        if (used + cost > capacity) break;
        used += cost;
        i += step;
    }
    return text.left(i);
}
