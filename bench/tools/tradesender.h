#pragma once

#include "inflightwindow.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// What sending the reports took.
struct SendResult {
    /// Connect, send and close, one entry per report sent.
    std::vector<std::chrono::nanoseconds> latencies;
    /// Reports that could not be sent (connect or send failed).
    std::size_t failures = 0;
};

/// \brief Trade report number \p index as the client composes it, with a client order identifier
/// of its own ("bench" followed by eight identifier characters).
[[nodiscard]] std::string benchTradeReport(std::size_t index);

/// \brief Sends reports 0 to count - 1 to 127.0.0.1:port from \p senders threads, each report on a
/// connection of its own that is closed right after sending, as the client does.
/// Each report waits for room in \p window first.
[[nodiscard]] SendResult sendTradeReports(
    std::uint16_t port, std::size_t count, std::size_t senders, InFlightWindow& window);
