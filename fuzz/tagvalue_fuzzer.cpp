// Checks GetFIXTagValue against the rules for reading one field, not only for crashes.
//
// Input encoding (chosen so that seed files stay readable text):
//   - each byte is one code unit (0x00-0xFE map to U+0000-U+00FE), except
//   - "|" (0x7C) is SOH, like the vertical bar that stands for SOH in examples, and
//   - 0xFF followed by two bytes is the 16-bit code unit they hold, low byte first
//     (a trailing 0xFF with fewer than two bytes behind it is dropped).
// The code units before the first SOH are the tag prefix (so it never holds a SOH); the rest is
// the message. Example: "35=|35=LR|58=OK|" looks up "35=" in "35=LR|58=OK|".

#include "protocol/tagvalue.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using talvenor::SOH;

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

std::u16string decode(const std::uint8_t* data, std::size_t size)
{
    constexpr std::uint8_t escape = 0xFF;
    std::u16string units;
    units.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == escape) {
            if (i + 2 < size)
                units += static_cast<char16_t>(data[i + 1] | (data[i + 2] << 8));
            i += 2;
        } else {
            units += data[i] == '|' ? SOH : static_cast<char16_t>(data[i]);
        }
    }
    return units;
}

bool isBlank(char16_t c)
{
    return c <= u' ';
}

// Written here again rather than borrowed, so that the check does not share a fault with the code.
std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The first field start (position 0 or right behind a SOH) at which the prefix stands.
std::size_t firstFieldWithPrefix(std::u16string_view prefix, std::u16string_view text)
{
    for (std::size_t start = 0; start <= text.size(); ++start) {
        const bool fieldStart = start == 0 || text[start - 1] == SOH;
        if (fieldStart && text.substr(start).starts_with(prefix))
            return start;
    }
    return std::u16string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string input = decode(data, size);
    const std::size_t separator = input.find(SOH);
    const std::u16string prefix = input.substr(0, separator);
    const std::u16string original = separator == std::u16string::npos ? u"" : input.substr(separator + 1);

    std::u16string message = original;
    const std::u16string value = talvenor::GetFIXTagValue(prefix, message);

    // The value never starts or ends with a blank or control character.
    check(value.empty() || (!isBlank(value.front()) && !isBlank(value.back())));

    const std::size_t start = firstFieldWithPrefix(prefix, original);
    const std::size_t end = start == std::u16string::npos ? start : original.find(SOH, start);
    if (end == std::u16string::npos) {
        // Field absent or not terminated: nothing returned, nothing removed.
        check(value.empty());
        check(message == original);
        return 0;
    }

    // Exactly that whole field (prefix, raw value, SOH) is gone, and the value is the raw value trimmed.
    const std::u16string_view raw
        = std::u16string_view(original).substr(start + prefix.size(), end - start - prefix.size());
    check(value == trimmed(raw));
    check(message.size() + (end - start + 1) == original.size());
    check(std::u16string_view(message).substr(0, start) == std::u16string_view(original).substr(0, start));
    check(std::u16string_view(message).substr(start) == std::u16string_view(original).substr(end + 1));
    return 0;
}
