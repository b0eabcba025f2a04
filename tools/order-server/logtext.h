#pragma once

#include <string>
#include <string_view>

namespace talvenor::orderserver {

/// \brief Appends \p text as a JSON string: in double quotes, UTF-8, with quotes, backslashes and
/// control characters escaped.
void appendJsonString(std::string& out, std::u16string_view text);

/// \brief A text from a peer made safe for one console line: quoted and escaped like a JSON
/// string, and cut after 64 characters.
[[nodiscard]] std::string quotedForLog(std::u16string_view text);

} // namespace talvenor::orderserver
