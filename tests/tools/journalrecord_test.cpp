#include "tools/order-server/journalrecord.h"

#include <gtest/gtest.h>

namespace talvenor::orderserver {
namespace {

struct RecordRow {
    const char* name;
    ReceivedTrade trade;
    const char* record;
};

class JournalRecord : public testing::TestWithParam<RecordRow> { };

TEST_P(JournalRecord, isOneJsonLineWithEveryField)
{
    const RecordRow& row = GetParam();
    EXPECT_EQ(journalRecord("2023-09-25T08:00:01.250Z", "127.0.0.1:40312", row.trade), row.record);
}

const RecordRow recordRows[] = {
    {"as_the_client_sends_it", {Side::Buy, u"ABC", 100, 12.5, u"t1", u"t1008KS001"},
        R"({"received":"2023-09-25T08:00:01.250Z","peer":"127.0.0.1:40312","side":0,"symbol":"ABC","volume":100,)"
        R"("price":12.5,"username":"t1","clientOrderId":"t1008KS001"})"
        "\n"},
    {"sell_with_large_numbers", {Side::Sell, u"X", 9223372036854775807, 1e20, u"", u"008KS001"},
        R"({"received":"2023-09-25T08:00:01.250Z","peer":"127.0.0.1:40312","side":1,"symbol":"X",)"
        R"("volume":9223372036854775807,"price":1e+20,"username":"","clientOrderId":"008KS001"})"
        "\n"},
    {"price_keeps_every_digit", {Side::Buy, u"X", 1, 0.1 + 0.2, u"u", u"u008KS001"},
        R"({"received":"2023-09-25T08:00:01.250Z","peer":"127.0.0.1:40312","side":0,"symbol":"X","volume":1,)"
        R"("price":0.30000000000000004,"username":"u","clientOrderId":"u008KS001"})"
        "\n"},
    {"texts_escaped", {Side::Buy, u"A\"B\\C", 1, 1.5e-6, u"tab\there\nnl\x01soh\x7f", u"x008KS001"},
        R"({"received":"2023-09-25T08:00:01.250Z","peer":"127.0.0.1:40312","side":0,"symbol":"A\"B\\C","volume":1,)"
        R"("price":1.5e-06,"username":"tab\there\nnl\u0001soh)"
        "\x7f"
        R"(","clientOrderId":"x008KS001"})"
        "\n"},
    {"non_ascii_as_utf8", {Side::Buy, u"\u00C4\U0001F600", 1, 2, u"\u65E5", u"\u65E5008KS001"},
        R"({"received":"2023-09-25T08:00:01.250Z","peer":"127.0.0.1:40312","side":0,"symbol":")"
        "\xC3\x84\xF0\x9F\x98\x80"
        R"(","volume":1,"price":2,"username":")"
        "\xE6\x97\xA5"
        R"(","clientOrderId":")"
        "\xE6\x97\xA5"
        R"(008KS001"})"
        "\n"},
};

INSTANTIATE_TEST_SUITE_P(
    Journal, JournalRecord, testing::ValuesIn(recordRows), [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace talvenor::orderserver
