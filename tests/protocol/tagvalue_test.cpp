#include "protocol/tagvalue.h"

#include "rowname.h"
#include "tests/wiretext.h"

#include <gtest/gtest.h>

namespace talvenor {
namespace {

using test::wire;

struct TagValueRow {
    const char* name;
    std::u16string_view prefix;
    std::u16string_view message;
    std::u16string_view value;
    std::u16string_view remaining;
};

class GetFIXTagValueTable : public testing::TestWithParam<TagValueRow> { };

TEST_P(GetFIXTagValueTable, returnsValueAndRemovesOnlyThatField)
{
    const TagValueRow& row = GetParam();
    std::u16string message = wire(row.message);

    EXPECT_EQ(GetFIXTagValue(row.prefix, message), row.value);
    EXPECT_EQ(message, wire(row.remaining));
}

// "|" stands for SOH in message and remaining text.
const TagValueRow tagValueRows[] = {
    {"field_at_start", u"35=", u"35=LR|58=OK|9001=1|", u"LR", u"58=OK|9001=1|"},
    {"field_in_the_middle", u"58=", u"35=LR|58=OK|9001=1|", u"OK", u"35=LR|9001=1|"},
    {"last_field", u"9001=", u"35=LR|58=OK|9001=1|", u"1", u"35=LR|58=OK|"},
    {"field_behind_leading_soh", u"35=", u"|35=LR|", u"LR", u"|"},
    {"prefix_only_inside_another_tag", u"5=", u"35=LR|58=OK|", u"", u"35=LR|58=OK|"},
    {"prefix_inside_longer_tag_then_at_field_start", u"35=", u"9035=X|35=LR|", u"LR", u"9035=X|"},
    {"prefix_inside_value_then_at_field_start", u"35=", u"58=35=X|35=LR|", u"LR", u"58=35=X|"},
    {"prefix_only_inside_value", u"58=", u"9001=58=x|", u"", u"9001=58=x|"},
    {"unterminated_last_field", u"9001=", u"35=LR|58=OK|9001=1", u"", u"35=LR|58=OK|9001=1"},
    {"unterminated_only_field", u"58=", u"58=OK", u"", u"58=OK"},
    {"unterminated_empty_value", u"58=", u"35=LR|58=", u"", u"35=LR|58="},
    {"absent_field", u"58=", u"35=LR|9001=0|", u"", u"35=LR|9001=0|"},
    {"empty_message", u"35=", u"", u"", u""},
    {"spaces_trimmed", u"58=", u"58=  OK |", u"OK", u""},
    {"control_characters_trimmed", u"58=", u"58=\t\x02OK\x1F\r\n|", u"OK", u""},
    {"nul_trimmed", u"58=", std::u16string_view(u"58=\0OK\0|", 8), u"OK", u""},
    {"inner_blanks_kept", u"58=", u"58=Invalid  password|", u"Invalid  password", u""},
    {"code_units_above_space_kept", u"58=", u"58=!OK\x7F|", u"!OK\x7F", u""},
    {"no_break_space_kept", u"58=", u"58=\u00A0OK\u00A0|", u"\u00A0OK\u00A0", u""},
    {"empty_value_removed", u"58=", u"35=LR|58=|9001=0|", u"", u"35=LR|9001=0|"},
    {"blank_value_removed", u"58=", u"35=LR|58=   |9001=0|", u"", u"35=LR|9001=0|"},
    {"value_containing_equals", u"58=", u"58=a=b|", u"a=b", u""},
    {"first_of_two_replies", u"58=", u"35=LR|58=OK|9001=1|35=LR|58=No|9001=0|", u"OK",
        u"35=LR|9001=1|35=LR|58=No|9001=0|"},
    {"non_ascii_value", u"58=", u"58=Grüße 日本|9001=0|", u"Grüße 日本", u"9001=0|"},
    {"surrogate_pair_value", u"58=", u"58=\U0001F600|", u"\U0001F600", u""},
    {"non_ascii_around_field", u"58=", u"55=Ä|58=x|55=Ö|", u"x", u"55=Ä|55=Ö|"},
};

INSTANTIATE_TEST_SUITE_P(Rows, GetFIXTagValueTable, testing::ValuesIn(tagValueRows), test::rowName<TagValueRow>);

TEST(GetFIXTagValue, samePrefixTwiceIsReadInTurn)
{
    std::u16string message = wire(u"58=first|35=LR|58=second|");

    EXPECT_EQ(GetFIXTagValue(u"58=", message), u"first");
    EXPECT_EQ(message, wire(u"35=LR|58=second|"));
    EXPECT_EQ(GetFIXTagValue(u"58=", message), u"second");
    EXPECT_EQ(message, wire(u"35=LR|"));
    EXPECT_EQ(GetFIXTagValue(u"58=", message), u"");
    EXPECT_EQ(message, wire(u"35=LR|"));
}

} // namespace
} // namespace talvenor
