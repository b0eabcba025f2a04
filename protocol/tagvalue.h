#pragma once

#include <string>
#include <string_view>

namespace talvenor {

/// Field separator of every message.
inline constexpr char16_t SOH = u'\x01';

/// \brief Removes every code unit up to U+0020 (blanks and control characters) at both ends.
[[nodiscard]] std::u16string_view trimBlanks(std::u16string_view text);

/// \brief Takes one field out of a received message.
///
/// The field is found by its tag prefix (for example "35=") at a field start only: at the
/// start of the text or right behind a SOH, so "35=" never matches inside "9035=".
/// \param strMsgType the tag prefix, tag digits followed by "="
/// \param strValue the message text; the whole field and its terminating SOH are removed from
///        it when a value is returned, and it is left as it was otherwise
/// \return the value trimmed of blanks, or the empty text when the field is absent or has no
///         terminating SOH
[[nodiscard]] std::u16string GetFIXTagValue(std::u16string_view strMsgType, std::u16string& strValue);

} // namespace talvenor
