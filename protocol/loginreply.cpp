#include "protocol/loginreply.h"

#include "protocol/numbertext.h"
#include "protocol/tagvalue.h"

namespace talvenor {

using namespace std::string_view_literals;

void handleReceivedMessage(std::u16string message, LoginReplyActions& actions)
{
    const std::u16string type = GetFIXTagValue(u"35="sv, message);
    if (!type.empty())
        FIXParseMsg(type, message, actions);
}

void FIXParseMsg(std::u16string_view MsgType, std::u16string& MsgStr, LoginReplyActions& actions)
{
    if (MsgType != u"LR"sv)
        return;
    const std::u16string text = GetFIXTagValue(u"58="sv, MsgStr);
    const auto tradertype = readInteger<std::int32_t>(GetFIXTagValue(u"9001="sv, MsgStr));
    FIXProcessLoginReply(text, tradertype, actions);
}

void FIXProcessLoginReply(std::u16string_view text, std::int32_t ttype, LoginReplyActions& actions)
{
    if (text == u"OK"sv) {
        actions.closeLoginWindow();
        if (ttype == restrictedTraderType)
            actions.hideRestrictedButtons();
    } else {
        actions.showMessage(text);
    }
    actions.closeLink();
}

} // namespace talvenor
