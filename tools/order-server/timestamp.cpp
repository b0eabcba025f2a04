#include "tools/order-server/timestamp.h"

#include <cstdio>

namespace talvenor::orderserver {

std::string utcTimestamp(std::chrono::system_clock::time_point time)
{
    using namespace std::chrono;
    // Every record and console line asks; the calendar part changes only once a second.
    thread_local sys_seconds cachedSecond{};
    thread_local char cached[32] = {};

    const auto milliseconds = floor<std::chrono::milliseconds>(time);
    const auto second = floor<seconds>(milliseconds);
    if (second != cachedSecond || cached[0] == '\0') {
        const auto day = floor<days>(second);
        const year_month_day date(day);
        const hh_mm_ss clock(second - day);
        std::snprintf(cached, sizeof cached, "%04d-%02u-%02uT%02d:%02d:%02d.", static_cast<int>(date.year()),
            static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
            static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count()));
        cachedSecond = second;
    }
    const auto fraction = static_cast<int>((milliseconds - second).count());
    std::string text(cached);
    text += static_cast<char>('0' + fraction / 100);
    text += static_cast<char>('0' + fraction / 10 % 10);
    text += static_cast<char>('0' + fraction % 10);
    text += 'Z';
    return text;
}

} // namespace talvenor::orderserver
