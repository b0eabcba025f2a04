#pragma once

#include <string>
#include <string_view>

namespace talvenor {

/// \brief Encodes 16-bit text as UTF-8; a lone surrogate becomes U+FFFD.
[[nodiscard]] std::string toUtf8(std::u16string_view text);

} // namespace talvenor
