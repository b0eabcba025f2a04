#pragma once

#include <stdexcept>
#include <string_view>

namespace talvenor {

/// A text that does not read as the number it should be; what() holds the user's message in UTF-8.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    /// "'text' is not a valid integer value"
    [[nodiscard]] static ConversionError invalidInteger(std::u16string_view text);
    /// "'text' is not a valid floating point value"
    [[nodiscard]] static ConversionError invalidFloat(std::u16string_view text);
};

} // namespace talvenor
