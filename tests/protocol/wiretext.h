#pragma once

#include "protocol/tagvalue.h"

#include <string>
#include <string_view>

namespace talvenor::test {

/// Message text written with "|" where the wire has SOH, so that tables stay readable.
inline std::u16string wire(std::u16string_view readable)
{
    std::u16string text(readable);
    for (char16_t& c : text)
        if (c == u'|')
            c = SOH;
    return text;
}

} // namespace talvenor::test
