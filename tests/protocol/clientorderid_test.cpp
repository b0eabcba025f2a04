#include "protocol/clientorderid.h"

#include "rowname.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <vector>

namespace talvenor {
namespace {

using namespace std::chrono;

sys_time<milliseconds> utc(year_month_day date, hours h = hours{12}, minutes m = minutes{0})
{
    return sys_days{date} + h + m;
}

// Each test pins the clock and sets the counter; both are put back afterwards.
class GenerateUniqueIdTest : public testing::Test {
protected:
    void SetUp() override { m_savedClock = setUtcClock(nullptr); }

    void TearDown() override
    {
        setUtcClock(std::move(m_savedClock));
        CtrCross = m_savedCounter;
    }

    static void pinClock(system_clock::time_point at)
    {
        setUtcClock([at] { return at; });
    }

private:
    UtcClock m_savedClock;
    std::int32_t m_savedCounter = CtrCross;
};

struct IdRow {
    const char* name;
    sys_time<milliseconds> at;
    std::int32_t counterBefore;
    std::vector<std::u16string> ids;
};

class GenerateUniqueIdTable : public GenerateUniqueIdTest, public testing::WithParamInterface<IdRow> { };

TEST_P(GenerateUniqueIdTable, encodesUtcDateAndCounter)
{
    const IdRow& row = GetParam();
    pinClock(row.at);
    CtrCross = row.counterBefore;

    for (const std::u16string& expected : row.ids) {
        const std::u16string id = generateUniqueId();
        EXPECT_EQ(id.size(), 8u);
        EXPECT_EQ(id, expected);
    }
}

const IdRow idRows[] = {
    {"run_start_2023_09_25", utc(2023y / September / 25), 0, {u"008KS001", u"008KS002"}},
    {"counter_wraps_after_32767", utc(2023y / September / 25), 32766, {u"008KSVVV", u"008KS000", u"008KS001"}},
    {"first_day_of_2000", utc(2000y / January / 1), 0, {u"00010001"}},
    {"last_day_of_2099_last_counter", utc(2099y / December / 31), 32766, {u"014BFVVV"}},
    {"last_millisecond_of_day", utc(2023y / September / 25, hours{23}, minutes{59}) + 59999ms, 0, {u"008KS001"}},
    {"midnight_starts_next_day", utc(2023y / September / 26, hours{0}), 0, {u"008KT001"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, GenerateUniqueIdTable, testing::ValuesIn(idRows), test::rowName<IdRow>);

struct ZoneRow {
    const char* name;
    // POSIX rules, so the test needs no time zone database.
    const char* tz;
    sys_time<minutes> at;
    year_month_day localDate;
};

// Sets TZ for one test and puts the previous value back.
class GenerateUniqueIdInZone : public GenerateUniqueIdTest, public testing::WithParamInterface<ZoneRow> {
protected:
    void SetUp() override
    {
        GenerateUniqueIdTest::SetUp();
        if (const char* tz = std::getenv("TZ"))
            m_savedTz = tz;
        setenv("TZ", GetParam().tz, 1);
        tzset();
    }

    void TearDown() override
    {
        if (m_savedTz)
            setenv("TZ", m_savedTz->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
        GenerateUniqueIdTest::TearDown();
    }

    static year_month_day localDate(system_clock::time_point at)
    {
        const std::time_t t = system_clock::to_time_t(at);
        std::tm local{};
        localtime_r(&t, &local);
        return year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)}
        / day{static_cast<unsigned>(local.tm_mday)};
    }

private:
    std::optional<std::string> m_savedTz;
};

TEST_P(GenerateUniqueIdInZone, usesUtcDateNotLocalDate)
{
    const ZoneRow& row = GetParam();
    pinClock(row.at);
    CtrCross = 0;

    ASSERT_EQ(localDate(row.at), row.localDate) << "the zone must put the local date on another day";
    EXPECT_EQ(generateUniqueId(), u"008KS001");
}

const ZoneRow zoneRows[] = {
    {"new_zealand_already_next_day", "NZST-12NZDT,M9.5.0,M4.1.0/3", sys_days{2023y / September / 25} + 23h + 30min,
        2023y / September / 26},
    {"california_still_previous_day", "PST8PDT,M3.2.0,M11.1.0", sys_days{2023y / September / 25} + 0h + 30min,
        2023y / September / 24},
};

INSTANTIATE_TEST_SUITE_P(Rows, GenerateUniqueIdInZone, testing::ValuesIn(zoneRows), test::rowName<ZoneRow>);

} // namespace
} // namespace talvenor
