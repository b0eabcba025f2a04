#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace talvenor::orderserver {

/// \brief Decodes UTF-8 strictly, as received from a peer.
///
/// Overlong forms, encoded surrogates, code points above U+10FFFF, stray continuation bytes
/// and sequences cut at the end are all refused; a byte order mark is kept as a character.
/// \return the text in 16-bit units, or nothing when the bytes are not valid UTF-8
[[nodiscard]] std::optional<std::u16string> decodeUtf8(std::string_view bytes);

} // namespace talvenor::orderserver
