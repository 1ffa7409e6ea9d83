#include "core/fonts.h"

#include <QFont>
#include <QString>
#include <algorithm>

void installFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // The handwriting font the windows offer: Breip (Debian fonts-breip) has every Catalan letter.
    QFont::insertSubstitution(QStringLiteral("Zahareña"), QStringLiteral("Breip"));
    // The spelling window's presets and font icons.
    QFont::insertSubstitution(QStringLiteral("Cuagat"), QStringLiteral("Breip"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
}

QFont designFont(const char* family, double points, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

std::optional<double> steppedPointSize(double size, double step, double smallest) {
    const double next = size + step;
    if (!(next >= smallest && next <= LargestPointSize)) return std::nullopt;
    return next;
}

double boundedPointSize(double size, double step, double smallest) {
    return std::clamp(size + step, smallest, LargestPointSize);
}
