#include "tools/order-server/utf8decoding.h"

#include <gtest/gtest.h>

namespace talvenor::orderserver {
namespace {

struct DecodingRow {
    const char* name;
    std::string_view bytes;
    std::optional<std::u16string> text;
};

class DecodeUtf8 : public testing::TestWithParam<DecodingRow> { };

TEST_P(DecodeUtf8, acceptsOnlyWellFormedUtf8)
{
    EXPECT_EQ(decodeUtf8(GetParam().bytes), GetParam().text);
}

const DecodingRow decodingRows[] = {
    {"empty", "", u""},
    {"ascii_with_soh", "35=A\x01", u"35=A\x01"},
    {"two_byte", "\xC3\xA4", u"\u00E4"},
    {"three_byte", "\xE6\x97\xA5", u"\u65E5"},
    {"four_byte_to_surrogate_pair", "\xF0\x9F\x98\x80", u"\U0001F600"},
    {"largest_code_point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
    {"nul_kept", std::string_view("a\0b", 3), std::u16string(u"a\0b", 3)},
    {"byte_order_mark_kept",
        "\xEF\xBB\xBF"
        "35=8",
        u"\uFEFF35=8"},
    {"stray_continuation", "a\x80", std::nullopt},
    {"overlong_two_byte", "\xC0\x80", std::nullopt},
    {"overlong_three_byte", "\xE0\x80\xAF", std::nullopt},
    {"overlong_four_byte", "\xF0\x8F\xBF\xBF", std::nullopt},
    {"encoded_surrogate", "\xED\xA0\x80", std::nullopt},
    {"beyond_largest_code_point", "\xF4\x90\x80\x80", std::nullopt},
    {"five_byte_lead", "\xF8\x88\x80\x80\x80", std::nullopt},
    {"cut_at_the_end", "abc\xE2\x82", std::nullopt},
    {"lead_followed_by_ascii",
        "\xC3"
        "A",
        std::nullopt},
    {"latin1_text",
        "Gr\xFC\xDF"
        "e",
        std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(
    Utf8, DecodeUtf8, testing::ValuesIn(decodingRows), [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace talvenor::orderserver
