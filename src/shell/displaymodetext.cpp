#include "shell/displaymodetext.h"

#include <cmath>

QString displayModeText(const DisplayMode& mode, const QLocale& locale) {
    QString depth;
    if (mode.bitsPerPixel == 16) {
        depth = QStringLiteral("High Color (16 Bit)");
    } else if (mode.bitsPerPixel == 32) {
        depth = QStringLiteral("True Color (32 Bit)");
    } else {
        // The locale's grouping is on by default, as "#,#" asks.
        const int b = mode.bitsPerPixel;
        const QString colours = b >= 0 && b < 64 ? locale.toString(qulonglong(1) << b)
                                                 : locale.toString(std::pow(2.0, b), 'f', 0);
        depth = colours + QStringLiteral(" ssss");
    }
    return QStringLiteral("%1 x %2, ").arg(mode.width).arg(mode.height) + depth;
}

int lastMatchingMode(const QStringList& texts, const QString& target) {
    const QString wanted = target.toUpper();
    int found = -1;
    for (int i = 0; i < texts.size(); ++i)
        if (texts[i].left(ComparedModeLength).toUpper() == wanted) found = i;
    return found;
}
