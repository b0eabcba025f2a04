#include "protocol/messages.h"

#include "rowname.h"
#include "tests/wiretext.h"

#include <gtest/gtest.h>

#include <limits>

namespace talvenor {
namespace {

using test::wire;

struct LogonRow {
    const char* name;
    std::u16string_view userId;
    std::u16string_view password;
    std::u16string_view expected;
};

class ComposeLogonRequest : public testing::TestWithParam<LogonRow> { };

TEST_P(ComposeLogonRequest, sendsTheTextsAsTyped)
{
    const LogonRow& row = GetParam();
    EXPECT_EQ(composeLogonRequest(row.userId, row.password), wire(row.expected));
}

const LogonRow logonRows[] = {
    {"user_u1", u"u1", u"secret", u"35=A|553=u1|554=secret"},
    {"empty_user_and_password", u"", u"", u"35=A|553=|554="},
    {"blanks_kept", u" u1 ", u" p w ", u"35=A|553= u1 |554= p w "},
    {"non_ascii", u"Jürgen", u"пароль", u"35=A|553=Jürgen|554=пароль"},
};

INSTANTIATE_TEST_SUITE_P(Rows, ComposeLogonRequest, testing::ValuesIn(logonRows), test::rowName<LogonRow>);

struct TradeRow {
    const char* name;
    TradeReport report;
    std::u16string_view expected;
};

class ComposeTradeReport : public testing::TestWithParam<TradeRow> { };

TEST_P(ComposeTradeReport, writesTheFieldsInOrder)
{
    const TradeRow& row = GetParam();
    EXPECT_EQ(composeTradeReport(row.report), wire(row.expected));
}

const TradeRow tradeRows[] = {
    {"buy_example", {Side::Buy, u"ABC", 100, 12.50, u"t1", u"t1008KS001"},
        u"35=8|54=0|55=ABC|32=100|31=12.5|9003=t1|11=t1008KS001"},
    {"sell", {Side::Sell, u"XYZ", 5, 0.25, u"bob", u"bob008KS002"},
        u"35=8|54=1|55=XYZ|32=5|31=0.25|9003=bob|11=bob008KS002"},
    {"empty_user_name", {Side::Buy, u"ABC", 100, 12.5, u"", u"008KS001"},
        u"35=8|54=0|55=ABC|32=100|31=12.5|9003=|11=008KS001"},
    {"large_numbers", {Side::Sell, u"ABC", std::numeric_limits<std::int64_t>::max(), 1e20, u"t1", u"t1008KS003"},
        u"35=8|54=1|55=ABC|32=9223372036854775807|31=1E20|9003=t1|11=t1008KS003"},
};

INSTANTIATE_TEST_SUITE_P(Rows, ComposeTradeReport, testing::ValuesIn(tradeRows), test::rowName<TradeRow>);

} // namespace
} // namespace talvenor
