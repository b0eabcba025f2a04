#include "tools/order-server/logtext.h"

#include <gtest/gtest.h>

namespace talvenor::orderserver {
namespace {

struct QuotedRow {
    const char* name;
    std::u16string text;
    std::string quoted;
};

class QuotedForLog : public testing::TestWithParam<QuotedRow> { };

TEST_P(QuotedForLog, staysOnOneLine)
{
    EXPECT_EQ(quotedForLog(GetParam().text), GetParam().quoted);
}

const QuotedRow quotedRows[] = {
    {"plain", u"alice", "\"alice\""},
    {"line_breaks_escaped", u"a\r\nb", "\"a\\r\\nb\""},
    {"quote_escaped", u"say \"hi\"", "\"say \\\"hi\\\"\""},
    {"sixty_four_kept", std::u16string(64, u'x'), "\"" + std::string(64, 'x') + "\""},
    {"longer_cut", std::u16string(65, u'x'), "\"" + std::string(64, 'x') + "\"..."},
    {"surrogate_pair_not_split", std::u16string(63, u'x') + u"\U0001F600", "\"" + std::string(63, 'x') + "\"..."},
};

INSTANTIATE_TEST_SUITE_P(
    LogText, QuotedForLog, testing::ValuesIn(quotedRows), [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace talvenor::orderserver
