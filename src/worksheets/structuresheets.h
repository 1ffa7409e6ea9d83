#pragma once
#include "worksheets/sheet.h"

#include <optional>
#include <span>

// Bracketed two-step exercises, "(a + b) - c": a17, a25, a26, a27, a14, a31 to a34 with addition
// and subtraction, a16 and a18 to a24 with multiplication or division.
std::span<const SheetGenerator> structureGenerators();

// "(", a, the inner sign, b, ")", the outer sign, c and " =   ______", with nothing between:
// the inner sign is " x " for 'x', the outer " x  ".
QString structureExercise(int a, QChar inner, int b, QChar outer, int c);

// The row a kind makes of the numbers: first a, b, c, then second a, b, c; nothing for a kind of
// another family, a wrong count of numbers, or numbers whose answer is not whole.
std::optional<LineRow> structureRow(const QString& kind, const QList<int>& numbers);

// Whether a kind keeps an exercise of these three numbers; false for a kind of another family.
bool structureKeeps(const QString& kind, int a, int b, int c);
