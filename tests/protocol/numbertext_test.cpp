#include "protocol/numbertext.h"

#include "protocol/conversionerror.h"

#include "rowname.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace talvenor {
namespace {

struct PriceRow {
    const char* name;
    double price;
    std::u16string_view expected;
};

class FormatPrice : public testing::TestWithParam<PriceRow> { };

TEST_P(FormatPrice, writesGeneralNumberForm)
{
    EXPECT_EQ(formatPrice(GetParam().price), GetParam().expected);
}

using doubleLimits = std::numeric_limits<double>;

const PriceRow priceRows[] = {
    {"trailing_zero_dropped", 12.50, u"12.5"},
    {"whole_number", 100.0, u"100"},
    {"zero", 0.0, u"0"},
    {"negative_zero", -0.0, u"0"},
    {"negative", -12.5, u"-12.5"},
    {"below_one", 0.25, u"0.25"},
    {"sum_rounded_to_15_digits", 0.1 + 0.2, u"0.3"},
    {"rounded_to_15_significant_digits", 123456789.123456789, u"123456789.123457"},
    {"fifteen_digit_integer_stays_fixed", 999999999999999.0, u"999999999999999"},
    {"fifteen_digits_with_fraction", 12345678901234.5, u"12345678901234.5"},
    {"rounding_up_to_sixteen_digits", 999999999999999.9, u"1E15"},
    {"sixteen_digit_integer", 1e15, u"1E15"},
    {"large_round", 1e20, u"1E20"},
    {"large_with_digits", 123456789012345678.0, u"1.23456789012346E17"},
    {"negative_large", -2.5e20, u"-2.5E20"},
    {"smallest_fixed", 0.00001, u"0.00001"},
    {"below_smallest_fixed", 0.0000099, u"9.9E-6"},
    {"small", 1.5e-6, u"1.5E-6"},
    {"negative_small", -1.5e-6, u"-1.5E-6"},
    {"largest_double", doubleLimits::max(), u"1.79769313486232E308"},
    {"lowest_double", doubleLimits::lowest(), u"-1.79769313486232E308"},
    {"smallest_normal_double", doubleLimits::min(), u"2.2250738585072E-308"},
    {"smallest_subnormal_double", doubleLimits::denorm_min(), u"4.94065645841247E-324"},
};

INSTANTIATE_TEST_SUITE_P(Rows, FormatPrice, testing::ValuesIn(priceRows), test::rowName<PriceRow>);

struct VolumeRow {
    const char* name;
    std::int64_t volume;
    std::u16string_view expected;
};

class FormatVolume : public testing::TestWithParam<VolumeRow> { };

TEST_P(FormatVolume, writesPlainDecimal)
{
    EXPECT_EQ(formatVolume(GetParam().volume), GetParam().expected);
}

const VolumeRow volumeRows[] = {
    {"small", 7, u"7"},
    {"zero", 0, u"0"},
    {"thousands_not_grouped", 1234567, u"1234567"},
    {"negative", -42, u"-42"},
    {"int64_max", std::numeric_limits<std::int64_t>::max(), u"9223372036854775807"},
    {"int64_min", std::numeric_limits<std::int64_t>::min(), u"-9223372036854775808"},
};

INSTANTIATE_TEST_SUITE_P(Rows, FormatVolume, testing::ValuesIn(volumeRows), test::rowName<VolumeRow>);

// An empty expected value means the text must be refused with the conversion message.
template <typename T> struct IntegerRow {
    const char* name;
    std::u16string_view text;
    std::optional<T> expected;
    const char* message = nullptr;
};

template <typename T> void expectRead(const IntegerRow<T>& row)
{
    if (row.expected) {
        EXPECT_EQ(readInteger<T>(row.text), *row.expected);
        return;
    }
    try {
        static_cast<void>(readInteger<T>(row.text));
        FAIL() << "no ConversionError";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), row.message);
    }
}

using Int32Row = IntegerRow<std::int32_t>;
using Int64Row = IntegerRow<std::int64_t>;

class ReadInt32 : public testing::TestWithParam<Int32Row> { };
class ReadInt64 : public testing::TestWithParam<Int64Row> { };

TEST_P(ReadInt32, readsOrRefuses)
{
    expectRead(GetParam());
}

TEST_P(ReadInt64, readsOrRefuses)
{
    expectRead(GetParam());
}

const Int32Row int32Rows[] = {
    {"digits", u"42", 42},
    {"zero", u"0", 0},
    {"leading_zeros", u"007", 7},
    {"minus", u"-7", -7},
    {"plus", u"+7", 7},
    {"minus_zero", u"-0", 0},
    {"max", u"2147483647", 2147483647},
    {"min", u"-2147483648", std::numeric_limits<std::int32_t>::min()},
    {"empty", u"", {}, "'' is not a valid integer value"},
    {"blank", u" ", {}, "' ' is not a valid integer value"},
    {"leading_blank", u" 1", {}, "' 1' is not a valid integer value"},
    {"trailing_letter", u"12a", {}, "'12a' is not a valid integer value"},
    {"decimal_point", u"1.5", {}, "'1.5' is not a valid integer value"},
    {"lone_minus", u"-", {}, "'-' is not a valid integer value"},
    {"lone_plus", u"+", {}, "'+' is not a valid integer value"},
    {"two_signs", u"--1", {}, "'--1' is not a valid integer value"},
    {"max_plus_one", u"2147483648", {}, "'2147483648' is not a valid integer value"},
    {"min_minus_one", u"-2147483649", {}, "'-2147483649' is not a valid integer value"},
    {"far_out_of_range", u"99999999999999999999", {}, "'99999999999999999999' is not a valid integer value"},
    {"non_ascii_digit", u"\u0663", {}, "'\u0663' is not a valid integer value"},
};

const Int64Row int64Rows[] = {
    {"digits", u"42", 42},
    {"minus", u"-7", -7},
    {"beyond_int32", u"2147483648", 2147483648},
    {"max", u"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
    {"min", u"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
    {"empty", u"", {}, "'' is not a valid integer value"},
    {"trailing_letter", u"12a", {}, "'12a' is not a valid integer value"},
    {"decimal_point", u"1.5", {}, "'1.5' is not a valid integer value"},
    {"lone_minus", u"-", {}, "'-' is not a valid integer value"},
    {"max_plus_one", u"9223372036854775808", {}, "'9223372036854775808' is not a valid integer value"},
    {"min_minus_one", u"-9223372036854775809", {}, "'-9223372036854775809' is not a valid integer value"},
};

INSTANTIATE_TEST_SUITE_P(Rows, ReadInt32, testing::ValuesIn(int32Rows), test::rowName<Int32Row>);
INSTANTIATE_TEST_SUITE_P(Rows, ReadInt64, testing::ValuesIn(int64Rows), test::rowName<Int64Row>);

} // namespace
} // namespace talvenor
