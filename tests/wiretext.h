#pragma once

#include <string>
#include <string_view>

namespace talvenor::test {

/// Message text written with "|" where the wire has SOH, so that tables stay readable.
template <typename Char> std::basic_string<Char> wire(std::basic_string_view<Char> readable)
{
    std::basic_string<Char> text(readable);
    for (Char& c : text) {
        if (c == Char('|'))
            c = Char(1);
    }
    return text;
}

inline std::string wire(const char* readable)
{
    return wire(std::string_view(readable));
}

inline std::u16string wire(const char16_t* readable)
{
    return wire(std::u16string_view(readable));
}

} // namespace talvenor::test
