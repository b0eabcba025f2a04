#include "protocol/clientorderid.h"

#include <utility>

namespace talvenor {

std::int32_t CtrCross = 0;

namespace {

constexpr std::int32_t counterModulus = 32768;
constexpr std::size_t idLength = 8;
constexpr unsigned bitsPerDigit = 5;
constexpr std::uint32_t digitMask = (1u << bitsPerDigit) - 1;

UtcClock& utcClock()
{
    static UtcClock clock;
    return clock;
}

std::chrono::system_clock::time_point now()
{
    const UtcClock& clock = utcClock();
    return clock ? clock() : std::chrono::system_clock::now();
}

// (Y mod 100) x 372 + M x 31 + D: every date of a century has a number of its own.
std::uint32_t dayNumber(std::chrono::year_month_day date)
{
    const auto yearOfCentury = static_cast<std::uint32_t>(static_cast<int>(date.year()) % 100);
    return yearOfCentury * 372 + static_cast<unsigned>(date.month()) * 31 + static_cast<unsigned>(date.day());
}

} // namespace

UtcClock setUtcClock(UtcClock clock)
{
    return std::exchange(utcClock(), std::move(clock));
}

std::u16string generateUniqueId()
{
    CtrCross = (CtrCross + 1) % counterModulus;

    // system_clock counts UTC, so the date taken from it is the UTC date whatever the time zone.
    const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(now())};
    std::uint32_t dwordbuffer
        = dayNumber(today) * static_cast<std::uint32_t>(counterModulus) + static_cast<std::uint32_t>(CtrCross);

    std::u16string GeneratedClOrdID(idLength, u' ');
    for (std::size_t i = 0; i < idLength; ++i) {
        const std::uint32_t lowbitbuffer = dwordbuffer & digitMask;
        GeneratedClOrdID[idLength - 1 - i] = lookuptable[lowbitbuffer];
        dwordbuffer >>= bitsPerDigit;
    }
    return GeneratedClOrdID;
}

} // namespace talvenor
