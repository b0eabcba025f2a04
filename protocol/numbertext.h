#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace talvenor {

/// \brief The wire form of a volume: decimal digits, a "-" for negatives, no leading zeros, no grouping.
[[nodiscard]] std::u16string formatVolume(std::int64_t volume);

/// \brief The wire form of a price, the same whatever the user's locale.
///
/// At most 15 significant digits, "." as the decimal separator, no grouping, trailing zeros
/// dropped (12.50 gives "12.5", 100.00 gives "100"). Scientific form ("1E20", "1.5E-6") when the
/// integer part needs more than 15 digits or a non-zero value is below 0.00001.
[[nodiscard]] std::u16string formatPrice(double price);

/// \brief Reads a decimal integer: an optional sign followed by digits only, within the range of T.
/// \throws ConversionError "'text' is not a valid integer value" for anything else
template <std::signed_integral T> [[nodiscard]] T readInteger(std::u16string_view text);

extern template std::int32_t readInteger<std::int32_t>(std::u16string_view);
extern template std::int64_t readInteger<std::int64_t>(std::u16string_view);

} // namespace talvenor
