#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace talvenor {

/// Sequence counter of the run, always from 0 to 32767; advanced by every generateUniqueId().
extern std::int32_t CtrCross;

/// Digits of the identifier; only the first 32 can be chosen, since each digit holds five bits.
inline constexpr std::u16string_view lookuptable = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

/// Where generateUniqueId() reads the current time; an empty function means the system clock.
using UtcClock = std::function<std::chrono::system_clock::time_point()>;

/// \brief Replaces the clock of generateUniqueId(); tests pin the time with it.
/// \return the clock it replaced
UtcClock setUtcClock(UtcClock clock);

/// \brief Makes the eight characters that follow the user name in a client order identifier.
///
/// Advances CtrCross first (wrapping at 32768), then writes the UTC date's day number in five
/// base-32 digits followed by the counter in three.
[[nodiscard]] std::u16string generateUniqueId();

} // namespace talvenor
