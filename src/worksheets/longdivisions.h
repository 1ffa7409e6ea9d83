#pragma once
#include "worksheets/sheet.h"

#include <span>

// Exact divisions in the written form: longdiv, its divisor sized by the size code (1 or 2).
std::span<const SheetGenerator> longDivisionGenerators();
