#include "protocol/messages.h"

#include "protocol/numbertext.h"
#include "protocol/tagvalue.h"

#include <initializer_list>

namespace talvenor {

namespace {

struct Field {
    std::u16string_view tagPrefix;
    std::u16string_view value;
};

// Fields in the given order, SOH between them and none after the last.
std::u16string joinFields(std::initializer_list<Field> fields)
{
    std::size_t size = fields.size() - 1;
    for (const Field& field : fields)
        size += field.tagPrefix.size() + field.value.size();

    std::u16string text;
    text.reserve(size);
    for (const Field& field : fields) {
        if (&field != fields.begin())
            text += SOH;
        text += field.tagPrefix;
        text += field.value;
    }
    return text;
}

} // namespace

std::u16string composeLogonRequest(std::u16string_view userId, std::u16string_view password)
{
    return joinFields({{u"35=", u"A"}, {u"553=", userId}, {u"554=", password}});
}

std::u16string composeTradeReport(const TradeReport& report)
{
    const std::u16string volume = formatVolume(report.volume);
    const std::u16string price = formatPrice(report.price);
    return joinFields({{u"35=", u"8"}, {u"54=", report.side == Side::Sell ? u"1" : u"0"}, {u"55=", report.stock},
        {u"32=", volume}, {u"31=", price}, {u"9003=", report.username}, {u"11=", report.clientOrderId}});
}

} // namespace talvenor
