#include "protocol/numbertext.h"

#include "protocol/conversionerror.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace talvenor {

namespace {

constexpr int significantDigits = 15;
// Decimal exponents outside [smallestFixedExponent, significantDigits) are written in scientific form.
constexpr int smallestFixedExponent = -5;

std::u16string widen(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

// A finite non-zero magnitude rounded to 15 significant digits: the digits without trailing
// zeros, and the decimal exponent of the first one.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits roundToSignificantDigits(double magnitude)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer.data(), result.ptr);
    const std::size_t e = text.find('e');

    DecimalDigits decimal;
    decimal.digits.reserve(significantDigits);
    for (char c : text.substr(0, e))
        if (c != '.')
            decimal.digits += c;
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+')
        exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.exponent);
    return decimal;
}

std::string scientificForm(const DecimalDigits& decimal)
{
    std::string text(1, decimal.digits.front());
    if (decimal.digits.size() > 1) {
        text += '.';
        text.append(decimal.digits, 1);
    }
    text += 'E';
    text += std::to_string(decimal.exponent);
    return text;
}

std::string fixedForm(const DecimalDigits& decimal)
{
    const auto& digits = decimal.digits;
    if (decimal.exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-decimal.exponent - 1), '0') + digits;

    const auto integerDigits = static_cast<std::size_t>(decimal.exponent) + 1;
    if (digits.size() <= integerDigits)
        return digits + std::string(integerDigits - digits.size(), '0');
    return digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
}

} // namespace

std::u16string formatVolume(std::int64_t volume)
{
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), volume);
    return widen(std::string_view(buffer.data(), result.ptr));
}

std::u16string formatPrice(double price)
{
    if (std::isnan(price))
        return u"NAN";
    if (std::isinf(price))
        return price > 0 ? u"INF" : u"-INF";
    if (price == 0.0)
        return u"0";

    const DecimalDigits decimal = roundToSignificantDigits(std::fabs(price));
    const bool scientific = decimal.exponent >= significantDigits || decimal.exponent < smallestFixedExponent;
    const std::string text = scientific ? scientificForm(decimal) : fixedForm(decimal);
    return widen(price < 0 ? "-" + text : text);
}

template <std::signed_integral T> T readInteger(std::u16string_view text)
{
    std::u16string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == u'-';
    if (!digits.empty() && (digits.front() == u'-' || digits.front() == u'+'))
        digits.remove_prefix(1);
    if (digits.empty())
        throw ConversionError::invalidInteger(text);

    // Accumulate towards the sign so that the most negative value is reachable.
    T value = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9')
            throw ConversionError::invalidInteger(text);
        const T digit = static_cast<T>(c - u'0');
        if (negative) {
            if (value < (std::numeric_limits<T>::min() + digit) / 10)
                throw ConversionError::invalidInteger(text);
            value = static_cast<T>(value * 10 - digit);
        } else {
            if (value > (std::numeric_limits<T>::max() - digit) / 10)
                throw ConversionError::invalidInteger(text);
            value = static_cast<T>(value * 10 + digit);
        }
    }
    return value;
}

template std::int32_t readInteger<std::int32_t>(std::u16string_view);
template std::int64_t readInteger<std::int64_t>(std::u16string_view);

} // namespace talvenor
