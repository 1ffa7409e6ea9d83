#pragma once
#include "worksheets/draws.h"
#include "worksheets/sheet.h"

#include <QList>
#include <optional>

class Random;

// Every kind of sheet the program can make, family after family.
QList<const SheetGenerator*> sheetGenerators();

// The kind of that name (names are matched exactly); null when there is none.
const SheetGenerator* findSheetGenerator(const QString& name);

// One sheet of the named kind, drawn from the generator; the generator is not reseeded, so a
// seeded generator repeats its sheets. Nothing when the kind is unknown, does not take the size
// code, or uses up its draws.
std::optional<Sheet> generateSheet(const QString& generator, double sizeCode, Random& random,
                                   qint64 drawBudget = Draws::DefaultBudget);
