#include "tools/order-server/logonboundary.h"

#include "tests/wiretext.h"

#include <gtest/gtest.h>

#include <vector>

namespace talvenor::orderserver {
namespace {

using test::wire;

struct BoundaryRow {
    const char* name;
    std::vector<const char*> pieces;
    /// Number of pieces after which the request is whole; 0 for never.
    std::size_t wholeAfter;
};

class LogonRequestBoundary : public testing::TestWithParam<BoundaryRow> { };

TEST_P(LogonRequestBoundary, isWholeOnceTypeUserIdAndPasswordFieldsHaveArrived)
{
    const BoundaryRow& row = GetParam();
    LogonBoundary boundary;
    std::string buffered;
    std::size_t wholeAfter = 0;
    for (std::size_t i = 0; i < row.pieces.size() && wholeAfter == 0; ++i) {
        buffered += wire(row.pieces[i]);
        if (boundary.complete(buffered))
            wholeAfter = i + 1;
    }
    EXPECT_EQ(wholeAfter, row.wholeAfter);
}

const BoundaryRow boundaryRows[] = {
    {"as_the_client_sends_it", {"35=A|553=u1|554=pw"}, 1},
    {"empty_password", {"35=A|553=|554="}, 1},
    {"password_field_first", {"35=A|554=pw|553=u1"}, 1},
    {"split_before_password_field", {"35=A|553=u1", "|554=pw"}, 2},
    {"split_inside_password_prefix", {"35=A|553=u1|55", "4=pw"}, 2},
    {"split_just_after_soh", {"35=A|553=u1|", "554=pw"}, 2},
    {"split_inside_password", {"35=A|553=u1|554=p", "w"}, 1},
    {"one_byte_at_a_time", {"3", "5", "=", "A", "|", "5", "5", "3", "=", "|", "5", "5", "4", "="}, 14},
    {"type_field_alone", {"35=A"}, 0},
    {"type_field_not_first", {"553=u1|35=A|554=pw"}, 0},
    {"other_type_starting_with_a", {"35=AB|553=u1|554=pw"}, 0},
    {"tags_only_inside_values", {"35=A|58=553=x554=y"}, 0},
    {"password_field_missing", {"35=A|553=u1|5540=x"}, 0},
    {"trade_report", {"35=8|54=0|55=ABC|32=1|31=1|9003=t1|11=t1008KS001"}, 0},
};

INSTANTIATE_TEST_SUITE_P(LogonBoundary, LogonRequestBoundary, testing::ValuesIn(boundaryRows),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LogonBoundary, resetStartsOverForTheNextMessage)
{
    LogonBoundary boundary;
    ASSERT_TRUE(boundary.complete(wire("35=A|553=u1|554=pw")));
    boundary.reset();
    EXPECT_FALSE(boundary.complete(wire("35=A|5")));
    EXPECT_TRUE(boundary.complete(wire("35=A|553=u1|554=")));
}

} // namespace
} // namespace talvenor::orderserver
