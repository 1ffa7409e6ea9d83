#pragma once
#include <QFont>

// Maps the font names the windows are designed with to the free fonts that stand in for them.
void installFontSubstitutions();

// A font as a window's design names it: the family at a size in points, bold or not.
QFont designFont(const char* family, double points, bool bold = false);
