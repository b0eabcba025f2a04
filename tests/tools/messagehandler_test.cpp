#include "tools/order-server/messagehandler.h"

#include "tests/wiretext.h"

#include <gtest/gtest.h>

namespace talvenor::orderserver {
namespace {

using test::wire;

MessageHandler handler()
{
    return MessageHandler(Accounts::parse("alice:s3cret:0\nbob:b0b-pass:1\n", "accounts.txt"));
}

struct LogonRow {
    const char* name;
    const char* request;
    const char* reply;
    const char* logText;
};

class LogonRequest : public testing::TestWithParam<LogonRow> { };

TEST_P(LogonRequest, isAnsweredAndLoggedWithoutThePassword)
{
    const LogonRow& row = GetParam();
    const Outcome outcome = handler().logonRequest(wire(row.request));
    EXPECT_EQ(outcome.reply, wire(row.reply));
    EXPECT_EQ(outcome.logText, row.logText);
    EXPECT_FALSE(outcome.trade);
    for (const char* password : {"s3cret", "b0b-pass", "wrong-pw"})
        EXPECT_EQ(outcome.logText.find(password), std::string::npos) << password;
}

// Requests as the client sends them: no SOH behind the password.
const LogonRow logonRows[] = {
    {"normal_trader", "35=A|553=alice|554=s3cret", "35=LR|58=OK|9001=0|", "login accepted: \"alice\", trader type 0"},
    {"restricted_trader", "35=A|553=bob|554=b0b-pass", "35=LR|58=OK|9001=1|", "login accepted: \"bob\", trader type 1"},
    {"password_ended_by_soh", "35=A|553=alice|554=s3cret|", "35=LR|58=OK|9001=0|",
        "login accepted: \"alice\", trader type 0"},
    {"fields_in_another_order", "35=A|554=s3cret|553=alice", "35=LR|58=OK|9001=0|",
        "login accepted: \"alice\", trader type 0"},
    {"blanks_around_user_id", "35=A|553= alice |554=s3cret", "35=LR|58=OK|9001=0|",
        "login accepted: \"alice\", trader type 0"},
    {"wrong_password", "35=A|553=alice|554=wrong-pw", "35=LR|58=Unknown user id or wrong password|9001=0|",
        "login refused: wrong password for \"alice\""},
    {"password_of_another_user", "35=A|553=alice|554=b0b-pass", "35=LR|58=Unknown user id or wrong password|9001=0|",
        "login refused: wrong password for \"alice\""},
    {"empty_password", "35=A|553=alice|554=", "35=LR|58=Unknown user id or wrong password|9001=0|",
        "login refused: wrong password for \"alice\""},
    {"password_cut_by_a_split_write", "35=A|553=alice|554=s3c", "35=LR|58=Unknown user id or wrong password|9001=0|",
        "login refused: wrong password for \"alice\""},
    {"unknown_user", "35=A|553=mallory|554=wrong-pw", "35=LR|58=Unknown user id or wrong password|9001=0|",
        "login refused: unknown user id \"mallory\""},
    {"user_id_in_other_case", "35=A|553=Alice|554=s3cret", "35=LR|58=Unknown user id or wrong password|9001=0|",
        "login refused: unknown user id \"Alice\""},
    {"empty_user_id", "35=A|553=|554=", "35=LR|58=Unknown user id or wrong password|9001=0|",
        "login refused: unknown user id \"\""},
    {"user_id_with_control_characters", "35=A|553=al\nice|554=s3cret",
        "35=LR|58=Unknown user id or wrong password|9001=0|", "login refused: unknown user id \"al\\nice\""},
    {"invalid_utf8_not_answered", "35=A|553=alice|554=s3cret\xC3", "", "Logon request ignored: not valid UTF-8"},
};

INSTANTIATE_TEST_SUITE_P(MessageHandler, LogonRequest, testing::ValuesIn(logonRows),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MessageHandler, validTradeReportIsKeptAndLogged)
{
    const Outcome outcome = handler().finalMessage(wire("35=8|54=1|55=ABC|32=100|31=12.5|9003=t1|11=t1008KS001"));
    ASSERT_TRUE(outcome.trade);
    EXPECT_EQ(outcome.trade->side, Side::Sell);
    EXPECT_EQ(outcome.trade->clientOrderId, u"t1008KS001");
    EXPECT_EQ(outcome.logText, "trade \"t1008KS001\": SELL 100 \"ABC\" at 12.5 for user \"t1\"");
    EXPECT_TRUE(outcome.reply.empty());
}

struct IgnoredRow {
    const char* name;
    const char* message;
    const char* logText;
};

class IgnoredFinalMessage : public testing::TestWithParam<IgnoredRow> { };

TEST_P(IgnoredFinalMessage, isLoggedWithTheReasonOnly)
{
    const IgnoredRow& row = GetParam();
    const Outcome outcome = handler().finalMessage(wire(row.message));
    EXPECT_FALSE(outcome.trade);
    EXPECT_TRUE(outcome.reply.empty());
    EXPECT_EQ(outcome.logText, row.logText);
}

const IgnoredRow ignoredRows[] = {
    {"invalid_trade_report", "35=8|54=0|55=ABC|32=0|31=1|9003=t1|11=t1008KS001",
        "Trade report rejected: volume \"0\" is not a whole number above zero"},
    {"trade_report_cut_short", "35=8|54=0|55=ABC|32=100|31=12.5|9003=t1|11=t1008K",
        "Trade report rejected: client order identifier \"t1008K\" is not the user name followed by eight identifier "
        "characters"},
    {"invalid_utf8", "35=8|54=0|55=\xFF\xFE|32=1|31=1|9003=t1|11=t1008KS001", "message ignored: not valid UTF-8"},
    {"garbage",
        "\x7F"
        "ELF\x02\x01\x01",
        "message ignored: no message type (tag 35)"},
    {"unknown_type", "35=D|55=ABC", "message ignored: unknown message type \"D\""},
    {"logon_request_at_end_of_stream", "35=A|553=alice",
        "Logon request not answered: the peer had closed the connection"},
};

INSTANTIATE_TEST_SUITE_P(MessageHandler, IgnoredFinalMessage, testing::ValuesIn(ignoredRows),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace talvenor::orderserver
