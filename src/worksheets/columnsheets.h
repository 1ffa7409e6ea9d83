#pragma once
#include "worksheets/sheet.h"

#include <span>

// Sums, differences and products written in columns: colsum, colsum2, colsub, colsub2, mm1, mm2,
// colmulto2, colmulto5, colmulto9, colmul, mm3 and mm4.
std::span<const SheetGenerator> columnGenerators();
