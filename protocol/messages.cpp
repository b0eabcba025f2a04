#include "protocol/messages.h"

#include "protocol/numbertext.h"
#include "protocol/tagvalue.h"

#include <initializer_list>

namespace talvenor {

namespace {

std::u16string joinFields(std::initializer_list<std::u16string_view> parts)
{
    std::size_t size = 0;
    for (auto part : parts)
        size += part.size();
    std::u16string text;
    text.reserve(size);
    for (auto part : parts)
        text += part;
    return text;
}

} // namespace

std::u16string composeLogonRequest(std::u16string_view userId, std::u16string_view password)
{
    return joinFields({u"35=A\x01" u"553=", userId, u"\x01" u"554=", password});
}

std::u16string composeTradeReport(const TradeReport& report)
{
    const std::u16string_view side = report.side == Side::Sell ? u"1" : u"0";
    const std::u16string volume = formatVolume(report.volume);
    const std::u16string price = formatPrice(report.price);
    return joinFields({u"35=8\x01" u"54=", side, u"\x01" u"55=", report.stock, u"\x01" u"32=", volume,
                       u"\x01" u"31=", price, u"\x01" u"9003=", report.username, u"\x01" u"11=",
                       report.clientOrderId});
}

} // namespace talvenor
