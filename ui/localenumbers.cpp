#include "ui/localenumbers.h"

#include "protocol/conversionerror.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace LocaleNumbers {

namespace {

constexpr int minDecimals = 2;
constexpr int maxDecimals = 7;

struct Rounded {
    double value = 0.0;
    int decimals = minDecimals;
};

// Rounds to the last decimal the pattern shows and counts the decimals it then needs. Any value
// within half a unit of the seventh decimal of a shorter form rounds to that form as well, so
// formatting with fewer decimals gives the same digits.
Rounded roundForDisplay(double value)
{
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), std::fabs(value), std::chars_format::fixed, maxDecimals);
    const std::string_view digits(buffer.data(), result.ptr);

    if (digits.find_first_not_of("0.") == std::string_view::npos)
        return {0.0, minDecimals};

    const std::string_view fraction = digits.substr(digits.size() - maxDecimals);
    int decimals = maxDecimals;
    while (decimals > minDecimals && fraction[static_cast<std::size_t>(decimals - 1)] == '0')
        --decimals;
    return {value, decimals};
}

} // namespace

double readFloat(const QString& text)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // The locale also reads "inf" and "nan", which no price or volume can be.
    if (!ok || !std::isfinite(value))
        throw talvenor::ConversionError::invalidFloat(text.toStdU16String());
    return value;
}

QString formatValue(double value)
{
    QLocale locale;
    // Grouping is part of the pattern, even where the locale leaves it out by default (C).
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    if (!std::isfinite(value))
        return locale.toString(value);
    const Rounded rounded = roundForDisplay(value);
    return locale.toString(rounded.value, 'f', rounded.decimals);
}

QString decimalSeparator()
{
    return QLocale().decimalPoint();
}

} // namespace LocaleNumbers
