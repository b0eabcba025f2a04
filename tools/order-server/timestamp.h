#pragma once

#include <chrono>
#include <string>

namespace talvenor::orderserver {

/// \brief The UTC time as ISO 8601 with milliseconds, for example "2025-03-07T09:41:05.042Z".
[[nodiscard]] std::string utcTimestamp(std::chrono::system_clock::time_point time);

} // namespace talvenor::orderserver
