#include "tools/order-server/timestamp.h"

#include <gtest/gtest.h>

namespace talvenor::orderserver {
namespace {

using namespace std::chrono;

struct TimestampRow {
    const char* name;
    sys_time<microseconds> time;
    const char* text;
};

class UtcTimestamp : public testing::TestWithParam<TimestampRow> { };

TEST_P(UtcTimestamp, isIso8601WithMilliseconds)
{
    EXPECT_EQ(utcTimestamp(GetParam().time), GetParam().text);
}

const TimestampRow timestampRows[] = {
    {"epoch", sys_days(1970y / January / 1), "1970-01-01T00:00:00.000Z"},
    {"leap_day_just_before_midnight", sys_days(2024y / February / 29) + 23h + 59min + 59s + 999999us,
        "2024-02-29T23:59:59.999Z"},
    {"milliseconds_cut_not_rounded", sys_days(2023y / September / 25) + 8h + 1s + 250900us, "2023-09-25T08:00:01.250Z"},
};

INSTANTIATE_TEST_SUITE_P(Timestamp, UtcTimestamp, testing::ValuesIn(timestampRows),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace talvenor::orderserver
