#pragma once
#include "worksheets/sheet.h"

#include <optional>
#include <span>

// Line sheets beyond one operation on two numbers: sums of three numbers (A10), a sum and a
// subtraction (a11), and a product beside the same product as a repeated sum (A12, a15).
std::span<const SheetGenerator> threeNumberGenerators();

// The row a kind makes of its numbers: six for A10 and a11, one for A12 and a15; nothing for a
// kind of another family or a wrong count of numbers.
std::optional<LineRow> threeNumberRow(const QString& kind, const QList<int>& numbers);
