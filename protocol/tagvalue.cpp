#include "protocol/tagvalue.h"

namespace talvenor {

namespace {

constexpr auto npos = std::u16string::npos;

bool isBlank(char16_t c)
{
    return c <= u' ';
}

// The first occurrence counts only when it starts a field; otherwise the first one behind a SOH.
std::size_t findFieldStart(std::u16string_view prefix, std::u16string_view text)
{
    std::size_t pos = text.find(prefix);
    if (pos == npos || pos == 0 || text[pos - 1] == SOH)
        return pos;
    do
        pos = text.find(prefix, pos + 1);
    while (pos != npos && text[pos - 1] != SOH);
    return pos;
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
    const std::size_t end = strValue.find(SOH, start);
    if (end == npos)
        return {};

    const std::size_t valueStart = start + strMsgType.size();
    std::u16string value;
    if (end > valueStart)
        value = trimBlanks(std::u16string_view(strValue).substr(valueStart, end - valueStart));
    strValue.erase(start, end - start + 1);
    return value;
}

} // namespace talvenor
