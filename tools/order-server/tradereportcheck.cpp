#include "tools/order-server/tradereportcheck.h"

#include "protocol/clientorderid.h"
#include "protocol/conversionerror.h"
#include "protocol/numbertext.h"
#include "protocol/tagvalue.h"
#include "tools/order-server/logtext.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace talvenor::orderserver {

namespace {

constexpr std::size_t identifierLength = 8;

// GetFIXTagValue gives the empty text both for an absent field and for an empty value; only an
// absent field leaves the message unchanged.
std::optional<std::u16string> takeField(std::u16string_view prefix, std::u16string& fields)
{
    const std::size_t before = fields.size();
    std::u16string value = GetFIXTagValue(prefix, fields);
    if (fields.size() == before)
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> readVolume(std::u16string_view text)
{
    try {
        const auto volume = readInteger<std::int64_t>(text);
        return volume > 0 ? std::optional(volume) : std::nullopt;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::optional<double> readPrice(std::u16string_view text)
{
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F)
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    double price = 0.0;
    const char* end = ascii.data() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.data(), end, price);
    if (error != std::errc() || stop != end || !std::isfinite(price) || price <= 0.0)
        return std::nullopt;
    return price;
}

bool isIdentifierCharacter(char16_t c)
{
    return lookuptable.substr(0, 32).find(c) != std::u16string_view::npos;
}

bool isUsernameWithIdentifier(std::u16string_view clientOrderId, std::u16string_view username)
{
    if (clientOrderId.size() < identifierLength)
        return false;
    const std::u16string_view identifier = clientOrderId.substr(clientOrderId.size() - identifierLength);
    for (char16_t c : identifier) {
        if (!isIdentifierCharacter(c))
            return false;
    }
    // The protocol trims both values, so blanks around the user name are compared away.
    return trimBlanks(clientOrderId.substr(0, clientOrderId.size() - identifierLength)) == username;
}

TradeRejection missing(const char* what)
{
    return {std::string("no ") + what};
}

TradeRejection badValue(const char* what, std::u16string_view value, const char* expected)
{
    return {std::string(what) + ' ' + quotedForLog(value) + " is not " + expected};
}

} // namespace

std::variant<ReceivedTrade, TradeRejection> checkTradeReport(std::u16string fields)
{
    const std::optional<std::u16string> side = takeField(u"54=", fields);
    const std::optional<std::u16string> symbol = takeField(u"55=", fields);
    const std::optional<std::u16string> volumeText = takeField(u"32=", fields);
    const std::optional<std::u16string> priceText = takeField(u"31=", fields);
    std::optional<std::u16string> username = takeField(u"9003=", fields);
    std::optional<std::u16string> clientOrderId = takeField(u"11=", fields);

    if (!side)
        return missing("side (tag 54)");
    if (*side != u"0" && *side != u"1")
        return badValue("side", *side, "0 (buy) or 1 (sell)");
    if (!symbol || symbol->empty())
        return missing("symbol (tag 55)");
    if (!volumeText)
        return missing("volume (tag 32)");
    const std::optional<std::int64_t> volume = readVolume(*volumeText);
    if (!volume)
        return badValue("volume", *volumeText, "a whole number above zero");
    if (!priceText)
        return missing("price (tag 31)");
    const std::optional<double> price = readPrice(*priceText);
    if (!price)
        return badValue("price", *priceText, "a finite number above zero");
    if (!username)
        return missing("user name (tag 9003)");
    if (!clientOrderId || clientOrderId->empty())
        return missing("client order identifier (tag 11)");
    if (!isUsernameWithIdentifier(*clientOrderId, *username))
        return badValue(
            "client order identifier", *clientOrderId, "the user name followed by eight identifier characters");
    if (const std::u16string_view rest = trimBlanks(fields); !rest.empty()) {
        // Only the tag is quoted: the value of a field that does not belong here is nobody's business.
        return TradeRejection{"unexpected field " + quotedForLog(rest.substr(0, rest.find_first_of(u"=\x01")))};
    }

    return ReceivedTrade{*side == u"1" ? Side::Sell : Side::Buy, *symbol, *volume, *price, std::move(*username),
        std::move(*clientOrderId)};
}

} // namespace talvenor::orderserver
