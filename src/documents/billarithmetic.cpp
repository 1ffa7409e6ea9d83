#include "documents/billarithmetic.h"
#include "core/numericvalue.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

namespace bill {
namespace {

// Exponents are held within this bound: far beyond any amount a double can hold, and small
// enough that adding two of them never overflows.
constexpr qint64 ExponentLimit = 1'000'000'000'000;
// The most digits a sum is worked out with; only texts with exponents far apart come near it.
constexpr qint64 MaxSumDigits = 1'000'000;
// More integer digits than this is beyond a double whatever the digits are (DBL_MAX has 309).
constexpr qint64 MaxOrder = 310;
constexpr int Decimals = 4;

Decimal normalised(bool negative, std::string digits, qint64 exponent) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {};
    digits.erase(0, first);
    const auto last = digits.find_last_not_of('0');
    exponent += qint64(digits.size() - 1 - last);
    digits.resize(last + 1);
    return {negative, std::move(digits), std::clamp(exponent, -2 * ExponentLimit, 2 * ExponentLimit)};
}

// Digits of a magnitude plus one in its last place.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

constexpr std::uint64_t LimbBase = 1'000'000'000;

// Little-endian limbs of nine digits each.
std::vector<std::uint64_t> toLimbs(const std::string& digits) {
    std::vector<std::uint64_t> limbs;
    for (qint64 end = qint64(digits.size()); end > 0; end -= 9) {
        const qint64 begin = std::max<qint64>(0, end - 9);
        std::uint64_t limb = 0;
        for (qint64 i = begin; i < end; ++i)
            limb = limb * 10 + std::uint64_t(digits[size_t(i)] - '0');
        limbs.push_back(limb);
    }
    return limbs;
}

std::string fromLimbs(const std::vector<std::uint64_t>& limbs) {
    std::string digits;
    for (auto it = limbs.rbegin(); it != limbs.rend(); ++it) {
        std::string part = std::to_string(*it);
        if (!digits.empty()) part.insert(0, 9 - part.size(), '0');
        digits += part;
    }
    return digits;
}

// Compares magnitudes of equal length or not, without leading zeros.
int compareMagnitudes(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::string addMagnitudes(const std::string& a, const std::string& b) {
    std::string out;
    int carry = 0;
    for (size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int d = carry;
        if (i < a.size()) d += a[a.size() - 1 - i] - '0';
        if (i < b.size()) d += b[b.size() - 1 - i] - '0';
        out.push_back(char('0' + d % 10));
        carry = d / 10;
    }
    std::reverse(out.begin(), out.end());
    return out;
}

// a - b for a >= b.
std::string subtractMagnitudes(const std::string& a, const std::string& b) {
    std::string out;
    int borrow = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        int d = (a[a.size() - 1 - i] - '0') - borrow;
        if (i < b.size()) d -= b[b.size() - 1 - i] - '0';
        borrow = d < 0;
        out.push_back(char('0' + (d + 10) % 10));
    }
    std::reverse(out.begin(), out.end());
    return out;
}

QString withPoint(QString text, const QString& separator) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (separator != QLatin1String(".") && separator != QLatin1String(","))
        text.replace(separator, QStringLiteral("."));
    return text;
}

} // namespace

Decimal readNumber(const QString& text) {
    const std::string number = numericText(text).toStdString();
    if (number.empty()) return {};
    size_t i = 0;
    bool negative = false;
    if (number[i] == '+' || number[i] == '-') negative = number[i++] == '-';
    std::string digits;
    qint64 fraction = 0;
    bool point = false;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            point = true;
            continue;
        }
        digits.push_back(number[i]);
        if (point) ++fraction;
    }
    qint64 exponent = 0;
    if (i < number.size()) {
        bool negativeExponent = false;
        ++i;
        if (number[i] == '+' || number[i] == '-') negativeExponent = number[i++] == '-';
        for (; i < number.size(); ++i)
            exponent = std::min(ExponentLimit, exponent * 10 + (number[i] - '0'));
        if (negativeExponent) exponent = -exponent;
    }
    return normalised(negative, std::move(digits), exponent - fraction);
}

Decimal readPrice(const QString& text, const QLocale& locale) {
    return readNumber(withPoint(text, locale.decimalPoint()));
}

Decimal multiply(const Decimal& a, const Decimal& b) {
    if (a.isZero() || b.isZero()) return {};
    const auto x = toLimbs(a.digits);
    const auto y = toLimbs(b.digits);
    std::vector<std::uint64_t> product(x.size() + y.size(), 0);
    for (size_t i = 0; i < x.size(); ++i) {
        std::uint64_t carry = 0;
        for (size_t j = 0; j < y.size() || carry; ++j) {
            const std::uint64_t current = product[i + j] + carry + (j < y.size() ? x[i] * y[j] : 0);
            product[i + j] = current % LimbBase;
            carry = current / LimbBase;
        }
    }
    return normalised(a.negative != b.negative, fromLimbs(product), a.exponent + b.exponent);
}

std::optional<Decimal> add(const Decimal& a, const Decimal& b) {
    if (a.isZero()) return b;
    if (b.isZero()) return a;
    const qint64 exponent = std::min(a.exponent, b.exponent);
    const qint64 padA = a.exponent - exponent, padB = b.exponent - exponent;
    if (padA + qint64(a.digits.size()) > MaxSumDigits || padB + qint64(b.digits.size()) > MaxSumDigits)
        return std::nullopt;
    const std::string x = a.digits + std::string(size_t(padA), '0');
    const std::string y = b.digits + std::string(size_t(padB), '0');
    if (a.negative == b.negative) return normalised(a.negative, addMagnitudes(x, y), exponent);
    const int order = compareMagnitudes(x, y);
    if (order == 0) return Decimal{};
    return order > 0 ? normalised(a.negative, subtractMagnitudes(x, y), exponent)
                     : normalised(b.negative, subtractMagnitudes(y, x), exponent);
}

std::optional<QString> formatAmount(const Decimal& value, const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    const qint64 length = qint64(value.digits.size());
    if (length + value.exponent > MaxOrder) return std::nullopt;
    // The magnitude in units of the fourth decimal, rounded half away from zero.
    std::string scaled;
    if (value.isZero()) {
        // stays empty
    } else if (value.exponent >= -Decimals) {
        scaled = value.digits + std::string(size_t(value.exponent + Decimals), '0');
    } else {
        const qint64 dropped = -Decimals - value.exponent;
        if (dropped < length) {
            scaled = value.digits.substr(0, size_t(length - dropped));
            if (value.digits[size_t(length - dropped)] >= '5') increment(scaled);
        } else if (dropped == length && value.digits[0] >= '5') {
            scaled = "1";
        }
    }
    const bool negative = value.negative && !scaled.empty();
    if (scaled.size() < size_t(Decimals + 1)) scaled.insert(0, Decimals + 1 - scaled.size(), '0');
    const std::string whole = scaled.substr(0, scaled.size() - Decimals);
    std::string decimals = scaled.substr(scaled.size() - Decimals);
    while (decimals.size() > 2 && decimals.back() == '0')
        decimals.pop_back();
    const std::string sign = negative ? "-" : "";
    const std::string plain = sign + whole + "." + decimals;
    double check = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), check);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) return std::nullopt;
    return QString::fromLatin1(sign + whole) + separator + QString::fromLatin1(decimals);
}

std::optional<RowEntry> enterQuantity(const Sheet& sheet, int row, const QLocale& locale) {
    if (row < 0 || row >= Rows) return std::nullopt;
    const Decimal price = readPrice(sheet.prices[size_t(row)], locale);
    const Decimal quantity = readNumber(sheet.quantities[size_t(row)]);
    const std::optional<QString> lineTotal = formatAmount(multiply(price, quantity), QLocale::c());
    const std::optional<QString> priceText = formatAmount(price, locale);
    if (!lineTotal || !priceText) return std::nullopt;
    RowEntry entry;
    entry.price = *priceText;
    Decimal sum;
    for (int r = 0; r < Rows; ++r) {
        QString text = r == row ? *lineTotal : sheet.lineTotals[size_t(r)];
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        const std::optional<Decimal> next = add(sum, readNumber(text));
        if (!next) return std::nullopt;
        sum = *next;
        entry.lineTotals[size_t(r)] = text;
    }
    const std::optional<QString> total = formatAmount(sum, locale);
    if (!total) return std::nullopt;
    entry.total = *total;
    return entry;
}

} // namespace bill
