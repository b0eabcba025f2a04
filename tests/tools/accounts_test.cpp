#include "tools/order-server/accounts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace talvenor::orderserver {
namespace {

struct GoodFileRow {
    const char* name;
    std::string_view text;
    std::vector<Account> accounts;
};

class GoodAccountsFile : public testing::TestWithParam<GoodFileRow> { };

TEST_P(GoodAccountsFile, givesEveryAccountInOrder)
{
    const GoodFileRow& row = GetParam();
    EXPECT_EQ(Accounts::parse(row.text, "accounts.txt").all(), row.accounts);
}

const GoodFileRow goodFiles[] = {
    {"one_line_without_newline", "alice:pw:0", {{u"alice", u"pw", 0}}},
    {"two_lines", "alice:pw:0\nbob:secret:1\n", {{u"alice", u"pw", 0}, {u"bob", u"secret", 1}}},
    {"comments_and_empty_lines", "# traders\n\n  \nalice:pw:0 # the normal one\n#bob:x:1\n", {{u"alice", u"pw", 0}}},
    {"crlf_line_ends", "alice:pw:0\r\nbob:pw:1\r\n", {{u"alice", u"pw", 0}, {u"bob", u"pw", 1}}},
    {"blanks_around_parts_dropped", "  alice : pw :  1 ", {{u"alice", u"pw", 1}}},
    {"password_holds_colons", "alice:a:b:c:2", {{u"alice", u"a:b:c", 2}}},
    {"empty_password", "alice::0", {{u"alice", u"", 0}}},
    {"non_ascii_user_id", "j\xC3\xBCrgen:pw:0", {{u"j\u00FCrgen", u"pw", 0}}},
    {"negative_trader_type", "alice:pw:-3", {{u"alice", u"pw", -3}}},
};

INSTANTIATE_TEST_SUITE_P(Accounts, GoodAccountsFile, testing::ValuesIn(goodFiles),
    [](const auto& row) { return std::string(row.param.name); });

struct BadFileRow {
    const char* name;
    std::string_view text;
    const char* error;
};

class BadAccountsFile : public testing::TestWithParam<BadFileRow> { };

TEST_P(BadAccountsFile, namesFileLineAndFaultButNoPassword)
{
    const BadFileRow& row = GetParam();
    try {
        (void)Accounts::parse(row.text, "accounts.txt");
        FAIL() << "accepted";
    } catch (const AccountsError& error) {
        EXPECT_STREQ(error.what(), row.error);
        EXPECT_EQ(std::string(error.what()).find("s3cret"), std::string::npos);
    }
}

const BadFileRow badFiles[] = {
    {"no_colon", "# c\nalice s3cret 0\n", "accounts.txt:2: expected user:password:tradertype"},
    {"one_colon", "alice:s3cret\n", "accounts.txt:1: expected user:password:tradertype"},
    {"empty_user_id", "ok:pw:0\n:s3cret:0\n", "accounts.txt:2: the user id is empty"},
    {"trader_type_not_a_number", "alice:s3cret:x\n", "accounts.txt:1: the trader type is not a whole number"},
    {"password_piece_as_trader_type", "alice:s3c:s3cret\n", "accounts.txt:1: the trader type is not a whole number"},
    {"empty_trader_type", "alice:s3cret:\n", "accounts.txt:1: the trader type is not a whole number"},
    {"trader_type_too_large", "alice:s3cret:2147483648\n", "accounts.txt:1: the trader type is not a whole number"},
    {"user_id_twice", "alice:pw:0\nbob:pw:1\nalice:s3cret:1\n",
        "accounts.txt:3: user id \"alice\" is already on line 1"},
    {"invalid_utf8", "alice:pw:0\nbob:s3cret\xFF:0\n", "accounts.txt:2: not valid UTF-8"},
    {"only_comments", "# nobody\n\n", "accounts.txt: no accounts"},
};

INSTANTIATE_TEST_SUITE_P(Accounts, BadAccountsFile, testing::ValuesIn(badFiles),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Accounts, demoHasOneNormalAndOneRestrictedTrader)
{
    const Accounts demo = Accounts::demo();
    const std::vector<Account> expected = {{u"trader", u"trader1", 0}, {u"restricted", u"restricted1", 1}};
    EXPECT_EQ(demo.all(), expected);
}

TEST(Accounts, findComparesUserIdsExactly)
{
    const Accounts accounts = Accounts::parse("Alice:pw:0\n", "a");
    ASSERT_NE(accounts.find(u"Alice"), nullptr);
    EXPECT_EQ(accounts.find(u"Alice")->password, u"pw");
    EXPECT_EQ(accounts.find(u"alice"), nullptr);
    EXPECT_EQ(accounts.find(u"Alic"), nullptr);
}

TEST(Accounts, unreadableFileIsNamed)
{
    try {
        (void)Accounts::load("/nonexistent/accounts.txt");
        FAIL() << "loaded";
    } catch (const AccountsError& error) {
        EXPECT_STREQ(error.what(), "cannot read /nonexistent/accounts.txt: No such file or directory");
    }
}

} // namespace
} // namespace talvenor::orderserver
