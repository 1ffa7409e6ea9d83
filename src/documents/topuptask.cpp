#include "documents/topuptask.h"
#include "core/numericvalue.h"
#include "core/random.h"

#include <QLocale>
#include <cmath>

namespace topup {
namespace {
// A whole number as its digits; other values in the shortest form that reads back.
QString plainNumber(double value) {
    if (!std::isfinite(value)) return QStringLiteral("0");
    if (value == std::trunc(value) && std::abs(value) < 1e15) return QString::number(qint64(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
} // namespace

TopUpTask drawTask(const std::function<double()>& rnd) {
    TopUpTask task;

    double number = double(wholeBelow(rnd(), 1000000000));
    for (int rejected = 1; number < LowestNumber; ++rejected) {
        if (rejected == MaxRejectedDraws) {
            number = LowestNumber + double(wholeBelow(rnd(), 900000001));
            break;
        }
        number = double(wholeBelow(rnd(), 1000000000));
    }
    task.number = plainNumber(number);

    int amount = int(wholeBelow(rnd(), 200));
    for (int rejected = 1; amount % 10 != 0; ++rejected) {
        if (rejected == MaxRejectedDraws) {
            amount = 10 * int(wholeBelow(rnd(), 20));
            break;
        }
        amount = int(wholeBelow(rnd(), 200));
    }
    task.amount = QString::number(amount);

    task.operatorName = Operators[size_t(wholeBelow(rnd(), std::int64_t(Operators.size())))];
    return task;
}

QString instructionLine(const TopUpTask& task) {
    return QStringLiteral("ENTRAR ") + task.amount + QStringLiteral("€ ") + QStringLiteral("AL TELÈFON: ") +
           task.number + QStringLiteral(" DE L'OPERADORA: ") + task.operatorName;
}

QString addAmount(const QString& box, int amount) {
    return plainNumber(numericValue(box) + amount);
}

bool isRightEntry(const TopUpTask& task, const QString& number, const QString& amount,
                  const QString& operatorName) {
    return number == task.number && amount == task.amount && operatorName == task.operatorName;
}
} // namespace topup
