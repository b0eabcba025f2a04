#include "tools/order-server/messagehandler.h"

#include "protocol/numbertext.h"
#include "protocol/tagvalue.h"
#include "protocol/utf8.h"
#include "tools/order-server/logtext.h"
#include "tools/order-server/utf8decoding.h"

namespace talvenor::orderserver {

namespace {

// The message as text with a SOH behind its last field, so that GetFIXTagValue can read it.
std::optional<std::u16string> readableFields(std::string_view bytes)
{
    std::optional<std::u16string> text = decodeUtf8(bytes);
    if (text && (text->empty() || text->back() != SOH))
        *text += SOH;
    return text;
}

std::string loginReply(std::string_view text, std::int32_t traderType)
{
    std::string reply = "35=LR\x01"
                        "58=";
    reply += text;
    reply += "\x01"
             "9001=";
    reply += std::to_string(traderType);
    reply += '\x01';
    return reply;
}

std::string tradeLogText(const ReceivedTrade& trade)
{
    std::string text = "trade " + quotedForLog(trade.clientOrderId) + ": ";
    text += trade.side == Side::Sell ? "SELL " : "BUY ";
    text += std::to_string(trade.volume) + ' ' + quotedForLog(trade.symbol) + " at " + toUtf8(formatPrice(trade.price));
    text += " for user " + quotedForLog(trade.username);
    return text;
}

} // namespace

MessageHandler::MessageHandler(Accounts accounts) : m_accounts(std::move(accounts)) { }

Outcome MessageHandler::logonRequest(std::string_view bytes) const
{
    std::optional<std::u16string> fields = readableFields(bytes);
    if (!fields)
        return {{}, {}, "Logon request ignored: not valid UTF-8"};

    (void)GetFIXTagValue(u"35=", *fields);
    const std::u16string userId = GetFIXTagValue(u"553=", *fields);
    const Account* account = m_accounts.find(userId);
    if (!account)
        return {loginReply(loginRefusedText, 0), {}, "login refused: unknown user id " + quotedForLog(userId)};
    if (GetFIXTagValue(u"554=", *fields) != account->password)
        return {loginReply(loginRefusedText, 0), {}, "login refused: wrong password for " + quotedForLog(userId)};
    return {loginReply("OK", account->traderType), {},
        "login accepted: " + quotedForLog(userId) + ", trader type " + std::to_string(account->traderType)};
}

Outcome MessageHandler::finalMessage(std::string_view bytes) const
{
    std::optional<std::u16string> fields = readableFields(bytes);
    if (!fields)
        return {{}, {}, "message ignored: not valid UTF-8"};

    const std::u16string type = GetFIXTagValue(u"35=", *fields);
    if (type == u"8") {
        auto checked = checkTradeReport(std::move(*fields));
        if (auto* rejection = std::get_if<TradeRejection>(&checked))
            return {{}, {}, "Trade report rejected: " + rejection->reason};
        auto& trade = std::get<ReceivedTrade>(checked);
        std::string logText = tradeLogText(trade);
        return {{}, std::move(trade), std::move(logText)};
    }
    if (type == u"A")
        return {{}, {}, "Logon request not answered: the peer had closed the connection"};
    if (type.empty())
        return {{}, {}, "message ignored: no message type (tag 35)"};
    return {{}, {}, "message ignored: unknown message type " + quotedForLog(type)};
}

} // namespace talvenor::orderserver
