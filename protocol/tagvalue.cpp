#include "protocol/tagvalue.h"

namespace talvenor {

namespace {

constexpr auto npos = std::u16string::npos;

bool isBlank(char16_t c)
{
    return c <= u' ';
}

// The first field start (the text's start or right behind a SOH) at which the prefix stands; this
// is the first occurrence if that starts a field, otherwise the first one behind a SOH.
std::size_t findFieldStart(std::u16string_view prefix, std::u16string_view text)
{
    std::size_t start = 0;
    while (!text.substr(start).starts_with(prefix)) {
        start = text.find(SOH, start);
        if (start == npos)
            return npos;
        ++start;
    }
    return start;
}

} // namespace

std::u16string_view trimBlanks(std::u16string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::u16string GetFIXTagValue(std::u16string_view strMsgType, std::u16string& strValue)
{
    const std::size_t start = findFieldStart(strMsgType, strValue);
    if (start == npos)
        return {};
    // A tag prefix holds no SOH, so the SOH that ends the field lies behind it.
    const std::size_t valueStart = start + strMsgType.size();
    const std::size_t end = strValue.find(SOH, valueStart);
    if (end == npos)
        return {};

    std::u16string value(trimBlanks(std::u16string_view(strValue).substr(valueStart, end - valueStart)));
    strValue.erase(start, end - start + 1);
    return value;
}

} // namespace talvenor
