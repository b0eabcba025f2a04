#pragma once

#include "tools/order-server/tradereportcheck.h"

#include <string>
#include <string_view>

namespace talvenor::orderserver {

/// \brief One journal line (JSON Lines) for a valid Trade report, newline included.
///
/// Keys in this order: "received" (UTC, ISO 8601 with milliseconds), "peer" (address:port),
/// then every field of the report: "side" (54, 0 buy or 1 sell), "symbol" (55), "volume" (32),
/// "price" (31, the shortest text that reads back as the same number), "username" (9003),
/// "clientOrderId" (11). Texts are JSON strings in UTF-8 with quotes and control characters
/// escaped.
[[nodiscard]] std::string journalRecord(std::string_view receivedAt, std::string_view peer, const ReceivedTrade& trade);

} // namespace talvenor::orderserver
