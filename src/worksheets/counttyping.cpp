#include "worksheets/counttyping.h"
#include "core/cp1252.h"
#include "core/numericvalue.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {
enum Key {
    Backspace = 8,
    Enter = 13,
    Shift = 16,
    CapsLock = 20,
    Space = 32,
    End = 35,
    Home = 36,
    Up = 38,
    Delete = 46,
    Grave = 186,
    Acute = 222,
    Period = 190,
};

QChar characterOf(int code) {
    const QString c = fromCp1252(QByteArray(1, char(code & 0xFF)));
    return c.isEmpty() ? QChar() : c[0];
}

// The keys whose meaning follows the typing state; "reset" ones write their character at once.
struct Translation {
    int key;
    int plain;
    int shifted;
    bool reset;
};
constexpr Translation Translations[] = {
    {189, 45, 95, false}, {188, 44, 59, true},  {219, 96, 63, true},  {221, 191, 161, true},
    {191, 231, 0, false}, {187, 42, 43, false}, {226, 62, 60, false}, {220, 170, 186, false},
};

constexpr int ShiftedDigits[] = {61, 33, 168, 35, 36, 37, 38, 47, 40, 41};

int vowelIndex(int k) {
    constexpr int Vowels[] = {65, 69, 73, 79, 85};
    const auto* it = std::find(std::begin(Vowels), std::end(Vowels), k);
    return it == std::end(Vowels) ? -1 : int(it - std::begin(Vowels));
}

void numericAppend(CountKey& key) {
    key.text = countText(numericValue(key.text + characterOf(key.keyCode).toLower()));
}
} // namespace

QString countText(double value) {
    if (!std::isfinite(value) || value == 0) return QStringLiteral("0");
    if (value == std::trunc(value) && std::abs(value) < 1e15) return QString::number(qint64(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

CountKey countKeyDown(CountKey key, ScrollRange range) {
    int& k = key.keyCode;
    if (key.col == 1 || key.row == 1 || key.row == 2) return key;
    if (numericValue(key.text) == 0) key.text.clear();
    if (k == Delete) {
        key.text.clear();
        return key;
    }
    if (key.scrollRow == 2) return key;
    if (k == Period) k = Delete;
    if (k == Backspace) {
        key.text.clear();
        return key;
    }
    if (k == End || k == Home) {
        const int step = k == End ? 1 : -1;
        for (int i = 0; i < 10; ++i)
            key.scrollRow = std::clamp(key.scrollRow + step, range.first, std::max(range.first, range.last));
        return key;
    }
    if (k == Up || k == Enter) return key;
    switch (k) {
    case CapsLock:
        key.typingState = QStringLiteral("1");
        return key;
    case Shift:
        key.typingState = QStringLiteral("2");
        return key;
    case Grave:
        key.typingState = QStringLiteral("3");
        return key;
    case Acute:
        key.typingState = QStringLiteral("4");
        return key;
    default:
        break;
    }

    const double state = numericValue(key.typingState);
    if (state == 1 || state == 2) {
        for (const Translation& t : Translations) {
            if (t.key != k) continue;
            k = state == 1 ? t.plain : t.shifted;
            if (t.reset) {
                key.typingState = QStringLiteral("1");
                numericAppend(key);
                return key;
            }
            break;
        }
    }
    if (state == 2 && k >= 48 && k <= 57) {
        k = ShiftedDigits[k - 48];
        numericAppend(key);
        return key;
    }
    if (k != Space) {
        if (k < 45) return key;
        if (key.typingState == QLatin1String("3") || key.typingState == QLatin1String("4")) {
            if (const int v = vowelIndex(k); v >= 0) {
                constexpr int GraveVowels[] = {224, 232, 236, 242, 249};
                constexpr int AcuteVowels[] = {225, 233, 237, 243, 250};
                k = key.typingState == QLatin1String("3") ? GraveVowels[v] : AcuteVowels[v];
                key.typingState = QStringLiteral("1");
            }
        }
        if (key.typingState == QLatin1String("2")) {
            key.text += characterOf(k).toUpper();
            key.typingState = QStringLiteral("1");
            return key;
        }
    }
    numericAppend(key);
    return key;
}
