#include "tools/order-server/logtext.h"

#include "protocol/utf8.h"

namespace talvenor::orderserver {

namespace {

constexpr std::size_t longestLoggedText = 64;

void appendEscaped(std::string& out, char c)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    switch (c) {
    case '"':
        out += "\\\"";
        break;
    case '\\':
        out += "\\\\";
        break;
    case '\b':
        out += "\\b";
        break;
    case '\f':
        out += "\\f";
        break;
    case '\n':
        out += "\\n";
        break;
    case '\r':
        out += "\\r";
        break;
    case '\t':
        out += "\\t";
        break;
    default:
        if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00";
            out += hexDigits[(c >> 4) & 0xF];
            out += hexDigits[c & 0xF];
        } else {
            out += c;
        }
    }
}

} // namespace

void appendJsonString(std::string& out, std::u16string_view text)
{
    out += '"';
    for (char c : toUtf8(text))
        appendEscaped(out, c);
    out += '"';
}

std::string quotedForLog(std::u16string_view text)
{
    std::string out;
    if (text.size() <= longestLoggedText) {
        appendJsonString(out, text);
        return out;
    }
    std::size_t cut = longestLoggedText;
    // Never split a surrogate pair.
    if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF)
        --cut;
    appendJsonString(out, text.substr(0, cut));
    out += "...";
    return out;
}

} // namespace talvenor::orderserver
