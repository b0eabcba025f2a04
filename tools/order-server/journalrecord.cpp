#include "tools/order-server/journalrecord.h"

#include "tools/order-server/logtext.h"

#include <array>
#include <charconv>

namespace talvenor::orderserver {

namespace {

template <typename Number> void appendNumber(std::string& out, Number number)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    out.append(buffer.data(), result.ptr);
}

void appendAscii(std::string& out, std::string_view text)
{
    out += '"';
    out += text;
    out += '"';
}

} // namespace

std::string journalRecord(std::string_view receivedAt, std::string_view peer, const ReceivedTrade& trade)
{
    std::string record;
    record.reserve(160 + trade.symbol.size() + trade.username.size() + trade.clientOrderId.size());
    record += "{\"received\":";
    appendAscii(record, receivedAt);
    record += ",\"peer\":";
    appendAscii(record, peer);
    record += ",\"side\":";
    record += trade.side == Side::Sell ? '1' : '0';
    record += ",\"symbol\":";
    appendJsonString(record, trade.symbol);
    record += ",\"volume\":";
    appendNumber(record, trade.volume);
    record += ",\"price\":";
    appendNumber(record, trade.price);
    record += ",\"username\":";
    appendJsonString(record, trade.username);
    record += ",\"clientOrderId\":";
    appendJsonString(record, trade.clientOrderId);
    record += "}\n";
    return record;
}

} // namespace talvenor::orderserver
