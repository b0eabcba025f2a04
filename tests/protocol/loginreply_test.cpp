#include "protocol/loginreply.h"

#include "protocol/conversionerror.h"
#include "protocol/utf8.h"
#include "rowname.h"
#include "tests/wiretext.h"

#include <gtest/gtest.h>

#include <vector>

namespace talvenor {
namespace {

using test::wire;
using Actions = std::vector<std::string>;

// Writes down every action in the order it was asked for.
class RecordingActions : public LoginReplyActions {
public:
    void closeLoginWindow() override { m_actions.emplace_back("close login window"); }
    void hideRestrictedButtons() override { m_actions.emplace_back("hide restricted buttons"); }
    void showMessage(std::u16string_view text) override { m_actions.push_back("show '" + toUtf8(text) + "'"); }
    void closeLink() override { m_actions.emplace_back("close link"); }

    [[nodiscard]] const Actions& actions() const { return m_actions; }

private:
    Actions m_actions;
};

void receive(std::u16string_view received, LoginReplyActions& actions)
{
    handleReceivedMessage(wire(received), actions);
}

struct ReplyRow {
    const char* name;
    std::u16string_view received;
    Actions expected;
};

class LoginReply : public testing::TestWithParam<ReplyRow> { };

TEST_P(LoginReply, actsInOrder)
{
    RecordingActions actions;
    receive(GetParam().received, actions);
    EXPECT_EQ(actions.actions(), GetParam().expected);
}

const Actions accepted = {"close login window", "close link"};
const Actions acceptedRestricted = {"close login window", "hide restricted buttons", "close link"};

const ReplyRow replyRows[] = {
    {"ok_trader_type_0", u"35=LR|58=OK|9001=0|", accepted},
    {"ok_restricted_trader", u"35=LR|58=OK|9001=1|", acceptedRestricted},
    {"ok_trader_type_2", u"35=LR|58=OK|9001=2|", accepted},
    {"ok_negative_trader_type", u"35=LR|58=OK|9001=-1|", accepted},
    {"ok_with_blanks", u"35=LR|58= OK |9001= 1 |", acceptedRestricted},
    {"refused", u"35=LR|58=Invalid password|9001=0|", {"show 'Invalid password'", "close link"}},
    {"refused_restricted_keeps_buttons", u"35=LR|58=Invalid password|9001=1|",
        {"show 'Invalid password'", "close link"}},
    {"ok_in_lower_case_is_a_refusal", u"35=LR|58=ok|9001=0|", {"show 'ok'", "close link"}},
    {"empty_text_box", u"35=LR|58=|9001=0|", {"show ''", "close link"}},
    {"missing_text_box", u"35=LR|9001=0|", {"show ''", "close link"}},
    {"non_ascii_refusal", u"35=LR|58=Zugang verweigert: Ä|9001=0|", {"show 'Zugang verweigert: Ä'", "close link"}},
    {"type_not_first", u"58=OK|35=LR|9001=1|", acceptedRestricted},
    {"trader_type_first", u"9001=1|58=OK|35=LR|", acceptedRestricted},
    {"two_replies_first_counts", u"35=LR|58=OK|9001=1|35=LR|58=No|9001=0|", acceptedRestricted},
    {"other_type_ignored", u"35=8|58=OK|9001=1|", {}},
    {"type_case_sensitive", u"35=lr|58=OK|9001=1|", {}},
    {"type_missing", u"58=OK|9001=1|", {}},
    {"type_unterminated", u"58=OK|9001=1|35=LR", {}},
};

INSTANTIATE_TEST_SUITE_P(Rows, LoginReply, testing::ValuesIn(replyRows), test::rowName<ReplyRow>);

struct BadTraderTypeRow {
    const char* name;
    std::u16string_view received;
    const char* message;
};

class LoginReplyBadTraderType : public testing::TestWithParam<BadTraderTypeRow> { };

TEST_P(LoginReplyBadTraderType, failsBeforeAnyAction)
{
    RecordingActions actions;
    try {
        receive(GetParam().received, actions);
        FAIL() << "no ConversionError";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
    EXPECT_EQ(actions.actions(), Actions{});
}

const BadTraderTypeRow badTraderTypeRows[] = {
    {"missing", u"35=LR|58=OK|", "'' is not a valid integer value"},
    {"missing_with_refusal", u"35=LR|58=Invalid password|", "'' is not a valid integer value"},
    {"unterminated", u"35=LR|58=OK|9001=1", "'' is not a valid integer value"},
    {"empty", u"35=LR|58=OK|9001=|", "'' is not a valid integer value"},
    {"blank", u"35=LR|58=OK|9001=  |", "'' is not a valid integer value"},
    {"letters", u"35=LR|58=OK|9001=abc|", "'abc' is not a valid integer value"},
    {"decimal", u"35=LR|58=OK|9001=1.0|", "'1.0' is not a valid integer value"},
    {"out_of_range", u"35=LR|58=OK|9001=2147483648|", "'2147483648' is not a valid integer value"},
    {"non_ascii", u"35=LR|58=OK|9001=Ä|", "'Ä' is not a valid integer value"},
};

INSTANTIATE_TEST_SUITE_P(
    Rows, LoginReplyBadTraderType, testing::ValuesIn(badTraderTypeRows), test::rowName<BadTraderTypeRow>);

} // namespace
} // namespace talvenor
