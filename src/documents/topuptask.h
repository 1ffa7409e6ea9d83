#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// A phone top-up task: the number, the amount in euros and the operator, each as the text the
// user has to enter.
struct TopUpTask {
    QString number;
    QString amount;
    QString operatorName;
    friend bool operator==(const TopUpTask&, const TopUpTask&) = default;
};

namespace topup {
// The operators, by index: the draw and the operator buttons share them.
inline const std::array<QString, 4> Operators{QStringLiteral("XARXES"), QStringLiteral("ANTENES"),
                                              QStringLiteral("ONES"), QStringLiteral("TELEFONS")};
// What the amount buttons add, by index; their captions add the euro sign.
constexpr std::array<int, 4> ButtonAmounts{10, 20, 50, 100};

// After this many rejected draws a value is taken straight from the allowed ones.
constexpr int MaxRejectedDraws = 1000;
constexpr double LowestNumber = 99999999;

// Draws a task from a source of fractions in [0, 1): the number (drawn again while below
// 99999999), then the amount (drawn again until it is a multiple of 10, 0 to 190), then the
// operator. Both loops end after MaxRejectedDraws rejections.
TopUpTask drawTask(const std::function<double()>& rnd);

// The instruction line that states the task.
QString instructionLine(const TopUpTask& task);

// The amount box after an amount button: the numeric value of its text plus the amount, written
// as a plain number ("25" and 100 give "125").
QString addAmount(const QString& box, int amount);

// An entry is right when the three texts equal the task's exactly: case counts, nothing is trimmed.
bool isRightEntry(const TopUpTask& task, const QString& number, const QString& amount,
                  const QString& operatorName);
} // namespace topup
