#pragma once

#include "protocol/messages.h"

#include <cstdint>
#include <string>
#include <variant>

namespace talvenor::orderserver {

/// The fields of a valid Trade report, values trimmed as the protocol reads them.
struct ReceivedTrade {
    Side side = Side::Buy;
    std::u16string symbol;
    std::int64_t volume = 0;
    double price = 0.0;
    /// Tag 9003, the client's user name; may be empty.
    std::u16string username;
    /// Tag 11, the user name followed by eight identifier characters.
    std::u16string clientOrderId;
};

/// Why a Trade report was refused, for the console.
struct TradeRejection {
    std::string reason;
};

/// \brief Checks the fields of a Trade report whose type field has been taken out already.
///
/// A valid report holds exactly these fields, in any order: 54 side "0" or "1", 55 a non-empty
/// symbol, 32 a whole volume above zero, 31 a finite price above zero (digits, "." and an
/// optional exponent), 9003 the user name (may be empty) and 11 the client order identifier,
/// which must be the user name followed by eight identifier characters ("0"-"9", "A"-"V"). The
/// last check also catches a report cut short inside its identifier, since the end of the
/// stream is all that ends a report.
/// \param fields the remaining fields, each ending with SOH
[[nodiscard]] std::variant<ReceivedTrade, TradeRejection> checkTradeReport(std::u16string fields);

} // namespace talvenor::orderserver
