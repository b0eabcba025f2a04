#include "tools/order-server/tradereportcheck.h"

#include "tests/wiretext.h"

#include <gtest/gtest.h>

namespace talvenor::orderserver {
namespace {

using test::wire;

struct ValidRow {
    const char* name;
    const char16_t* fields;
    Side side;
    std::u16string_view symbol;
    std::int64_t volume;
    double price;
    std::u16string_view username;
    std::u16string_view clientOrderId;
};

class ValidTradeReport : public testing::TestWithParam<ValidRow> { };

TEST_P(ValidTradeReport, givesEveryField)
{
    const ValidRow& row = GetParam();
    const auto checked = checkTradeReport(wire(row.fields));
    ASSERT_TRUE(std::holds_alternative<ReceivedTrade>(checked)) << std::get<TradeRejection>(checked).reason;
    const auto& trade = std::get<ReceivedTrade>(checked);
    EXPECT_EQ(trade.side, row.side);
    EXPECT_EQ(trade.symbol, row.symbol);
    EXPECT_EQ(trade.volume, row.volume);
    EXPECT_EQ(trade.price, row.price);
    EXPECT_EQ(trade.username, row.username);
    EXPECT_EQ(trade.clientOrderId, row.clientOrderId);
}

// The type field has been taken out already; the last field gets its SOH from the server.
const ValidRow validRows[] = {
    {"as_the_client_sends_it", u"54=0|55=ABC|32=100|31=12.5|9003=t1|11=t1008KS001|", Side::Buy, u"ABC", 100, 12.5,
        u"t1", u"t1008KS001"},
    {"sell", u"54=1|55=ABC|32=1|31=1|9003=t1|11=t1008KS001|", Side::Sell, u"ABC", 1, 1.0, u"t1", u"t1008KS001"},
    {"fields_in_another_order", u"11=t1008KS001|31=12.5|9003=t1|32=100|55=ABC|54=1|", Side::Sell, u"ABC", 100, 12.5,
        u"t1", u"t1008KS001"},
    {"empty_user_name", u"54=0|55=ABC|32=100|31=12.5|9003=|11=008KS001|", Side::Buy, u"ABC", 100, 12.5, u"",
        u"008KS001"},
    {"user_name_with_blanks", u"54=0|55=ABC|32=7|31=2|9003= t1 |11= t1 008KS001|", Side::Buy, u"ABC", 7, 2.0, u"t1",
        u"t1 008KS001"},
    {"scientific_price", u"54=0|55=ABC|32=1|31=1E20|9003=t1|11=t1008KS001|", Side::Buy, u"ABC", 1, 1e20, u"t1",
        u"t1008KS001"},
    {"tiny_price", u"54=0|55=ABC|32=1|31=1.5E-6|9003=t1|11=t1008KS001|", Side::Buy, u"ABC", 1, 1.5e-6, u"t1",
        u"t1008KS001"},
    {"largest_volume", u"54=0|55=ABC|32=9223372036854775807|31=1|9003=t1|11=t1008KS001|", Side::Buy, u"ABC",
        9223372036854775807, 1.0, u"t1", u"t1008KS001"},
    {"non_ascii_symbol_and_user", u"54=0|55=\u00C4\u00D6|32=1|31=1|9003=\u65E5\u672C|11=\u65E5\u672C008KS001|",
        Side::Buy, u"\u00C4\u00D6", 1, 1.0, u"\u65E5\u672C", u"\u65E5\u672C008KS001"},
    {"extra_separators", u"54=0|55=ABC|32=1|31=1|9003=t1|11=t1008KS001||", Side::Buy, u"ABC", 1, 1.0, u"t1",
        u"t1008KS001"},
};

INSTANTIATE_TEST_SUITE_P(TradeReport, ValidTradeReport, testing::ValuesIn(validRows),
    [](const auto& row) { return std::string(row.param.name); });

struct InvalidRow {
    const char* name;
    const char16_t* fields;
    const char* reason;
};

class InvalidTradeReport : public testing::TestWithParam<InvalidRow> { };

TEST_P(InvalidTradeReport, givesTheReason)
{
    const InvalidRow& row = GetParam();
    const auto checked = checkTradeReport(wire(row.fields));
    ASSERT_TRUE(std::holds_alternative<TradeRejection>(checked));
    EXPECT_EQ(std::get<TradeRejection>(checked).reason, row.reason);
}

const InvalidRow invalidRows[] = {
    {"no_fields", u"|", "no side (tag 54)"},
    {"side_two", u"54=2|55=ABC|32=1|31=1|9003=t1|11=t1008KS001|", "side \"2\" is not 0 (buy) or 1 (sell)"},
    {"side_word", u"54=BUY|55=ABC|32=1|31=1|9003=t1|11=t1008KS001|", "side \"BUY\" is not 0 (buy) or 1 (sell)"},
    {"no_symbol", u"54=0|32=1|31=1|9003=t1|11=t1008KS001|", "no symbol (tag 55)"},
    {"blank_symbol", u"54=0|55=  |32=1|31=1|9003=t1|11=t1008KS001|", "no symbol (tag 55)"},
    {"no_volume", u"54=0|55=ABC|31=1|9003=t1|11=t1008KS001|", "no volume (tag 32)"},
    {"volume_zero", u"54=0|55=ABC|32=0|31=1|9003=t1|11=t1008KS001|", "volume \"0\" is not a whole number above zero"},
    {"volume_negative", u"54=0|55=ABC|32=-5|31=1|9003=t1|11=t1008KS001|",
        "volume \"-5\" is not a whole number above zero"},
    {"volume_with_decimals", u"54=0|55=ABC|32=1.5|31=1|9003=t1|11=t1008KS001|",
        "volume \"1.5\" is not a whole number above zero"},
    {"volume_beyond_64_bits", u"54=0|55=ABC|32=9223372036854775808|31=1|9003=t1|11=t1008KS001|",
        "volume \"9223372036854775808\" is not a whole number above zero"},
    {"volume_empty", u"54=0|55=ABC|32=|31=1|9003=t1|11=t1008KS001|", "volume \"\" is not a whole number above zero"},
    {"no_price", u"54=0|55=ABC|32=1|9003=t1|11=t1008KS001|", "no price (tag 31)"},
    {"price_zero", u"54=0|55=ABC|32=1|31=0|9003=t1|11=t1008KS001|", "price \"0\" is not a finite number above zero"},
    {"price_negative", u"54=0|55=ABC|32=1|31=-1.5|9003=t1|11=t1008KS001|",
        "price \"-1.5\" is not a finite number above zero"},
    {"price_nan", u"54=0|55=ABC|32=1|31=NAN|9003=t1|11=t1008KS001|", "price \"NAN\" is not a finite number above zero"},
    {"price_infinite", u"54=0|55=ABC|32=1|31=INF|9003=t1|11=t1008KS001|",
        "price \"INF\" is not a finite number above zero"},
    {"price_overflows", u"54=0|55=ABC|32=1|31=1E400|9003=t1|11=t1008KS001|",
        "price \"1E400\" is not a finite number above zero"},
    {"price_comma_decimal", u"54=0|55=ABC|32=1|31=12,5|9003=t1|11=t1008KS001|",
        "price \"12,5\" is not a finite number above zero"},
    {"price_two_points", u"54=0|55=ABC|32=1|31=1.2.3|9003=t1|11=t1008KS001|",
        "price \"1.2.3\" is not a finite number above zero"},
    {"price_arabic_indic_digits", u"54=0|55=ABC|32=1|31=\u0661|9003=t1|11=t1008KS001|",
        "price \"\u0661\" is not a finite number above zero"},
    {"no_user_name", u"54=0|55=ABC|32=1|31=1|11=t1008KS001|", "no user name (tag 9003)"},
    {"no_identifier", u"54=0|55=ABC|32=1|31=1|9003=t1|", "no client order identifier (tag 11)"},
    {"empty_identifier", u"54=0|55=ABC|32=1|31=1|9003=t1|11=|", "no client order identifier (tag 11)"},
    {"identifier_cut_short", u"54=0|55=ABC|32=1|31=1|9003=t1|11=t1008KS00|",
        "client order identifier \"t1008KS00\" is not the user name followed by eight identifier characters"},
    {"identifier_of_another_user", u"54=0|55=ABC|32=1|31=1|9003=t1|11=t2008KS001|",
        "client order identifier \"t2008KS001\" is not the user name followed by eight identifier characters"},
    {"identifier_character_beyond_v", u"54=0|55=ABC|32=1|31=1|9003=t1|11=t1008KS00W|",
        "client order identifier \"t1008KS00W\" is not the user name followed by eight identifier characters"},
    {"identifier_in_lower_case", u"54=0|55=ABC|32=1|31=1|9003=t1|11=t1008ks001|",
        "client order identifier \"t1008ks001\" is not the user name followed by eight identifier characters"},
    {"foreign_field_value_not_quoted", u"54=0|55=ABC|32=1|31=1|9003=t1|11=t1008KS001|554=s3cret|",
        "unexpected field \"554\""},
    {"field_twice", u"54=0|55=ABC|32=1|31=1|9003=t1|11=t1008KS001|54=1|", "unexpected field \"54\""},
    {"text_without_tag", u"54=0|55=ABC|32=1|31=1|9003=t1|11=t1008KS001|junk|more=1|", "unexpected field \"junk\""},
};

INSTANTIATE_TEST_SUITE_P(TradeReport, InvalidTradeReport, testing::ValuesIn(invalidRows),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace talvenor::orderserver
