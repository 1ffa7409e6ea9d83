#pragma once
#include <QString>

class Printer;
class Random;

// One sheet of a print run: the generator reseeded from the clock, so every sheet differs, the
// sheet drawn and printed as one job. False when the kind can't make a sheet with that size code
// or the job fails; then nothing reaches the printer.
bool printRunSheet(Printer& printer, Random& random, const QString& generator, double sizeCode,
                   const QString& fontName, const QString& title);

// The largest count a row may ask for: a print queue takes no more copies at once.
constexpr double LargestSheetCount = 9999;
