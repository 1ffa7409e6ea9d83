#pragma once
#include "worksheets/sheet.h"

#include <optional>
#include <span>

// Sheets of twelve rows of two exercises on two numbers each: sums, differences, products with
// the first factor held to a table, exact quotients (a01 to a08).
std::span<const SheetGenerator> twoNumberGenerators();

// a " + " b " =   ______", with the kind's sign (+, -, x or :).
QString shownExercise(int a, QChar sign, int b);
// c " +  ________ = " result: the second number is the one to find.
QString hiddenExercise(int c, QChar sign, int result);

// The row a kind makes of the numbers a, b, c and d; nothing for a kind of another family.
std::optional<LineRow> twoNumberRow(const QString& kind, int a, int b, int c, int d);
