#include "textwork/linebreaks.h"
#include "core/cp1252.h"

namespace linebreaks {
namespace {
bool pairAt(const QString& text, qsizetype i) {
    return i + 1 < text.size() && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n');
}
} // namespace

QString toBox(const QString& crlfText) {
    QString out = crlfText;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}

int boxPosition(const QString& crlfText, int position) {
    int box = 0;
    qsizetype i = 0;
    while (i < position && i < crlfText.size()) {
        i += pairAt(crlfText, i) ? 2 : 1;
        ++box;
    }
    return box;
}

int crlfPosition(const QString& crlfText, int boxPosition) {
    qsizetype i = 0;
    for (int box = 0; box < boxPosition && i < crlfText.size(); ++box)
        i += pairAt(crlfText, i) ? 2 : 1;
    return int(i);
}

bool insideBreak(const QString& crlfText, int position) {
    return position > 0 && pairAt(crlfText, position - 1);
}

QByteArray handOffBytes(const QString& text, int length) {
    return toCrLf(text).left(length).leftJustified(length, QLatin1Char(' ')).toUtf8();
}

} // namespace linebreaks
