#include "worksheets/sheetdispatch.h"
#include "worksheets/columnsheets.h"
#include "worksheets/longdivisions.h"
#include "worksheets/structuresheets.h"
#include "worksheets/threenumbersheets.h"
#include "worksheets/twonumbersheets.h"

#include <QLoggingCategory>
#include <cmath>
#include <span>

Q_LOGGING_CATEGORY(lcSheets, "taudrin.worksheets")

namespace {
// One line per family of sheets.
using Family = std::span<const SheetGenerator> (*)();
constexpr Family Families[] = {
    twoNumberGenerators,
    threeNumberGenerators,
    structureGenerators,
    columnGenerators,
    longDivisionGenerators,
};
} // namespace

bool SheetGenerator::takes(double sizeCode) const {
    if (!readsSizeCode()) return true;
    if (!(sizeCode >= 0 && sizeCode < 32) || sizeCode != std::floor(sizeCode)) return false;
    return (sizeCodes >> int(sizeCode)) & 1u;
}

QList<const SheetGenerator*> sheetGenerators() {
    QList<const SheetGenerator*> all;
    for (Family family : Families)
        for (const SheetGenerator& generator : family())
            all.append(&generator);
    return all;
}

const SheetGenerator* findSheetGenerator(const QString& name) {
    for (const SheetGenerator* generator : sheetGenerators())
        if (name == QLatin1String(generator->name)) return generator;
    return nullptr;
}

std::optional<Sheet> generateSheet(const QString& name, double sizeCode, Random& random, qint64 drawBudget) {
    const SheetGenerator* generator = findSheetGenerator(name);
    if (!generator) {
        qCWarning(lcSheets) << "no sheet kind" << name;
        return std::nullopt;
    }
    if (!generator->takes(sizeCode)) {
        qCWarning(lcSheets) << "sheet kind" << name << "takes no size code" << sizeCode;
        return std::nullopt;
    }
    Draws draws(random, drawBudget);
    try {
        return generator->generate(generator->readsSizeCode() ? int(sizeCode) : 0, draws);
    } catch (const DrawLimitReached&) {
        qCWarning(lcSheets) << "sheet kind" << name << "used up its draws";
        return std::nullopt;
    }
}
