#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace talvenor {

/// Side of a trade as it travels in tag 54: the position of the choice in the side list.
enum class Side : std::uint8_t { Buy = 0, Sell = 1 };

/// The values one Trade report carries.
struct TradeReport {
    Side side = Side::Buy;
    std::u16string_view stock;
    std::int64_t volume = 0;
    double price = 0.0;
    std::u16string_view username;
    /// The whole tag 11 value: the user name followed by the eight identifier characters.
    std::u16string_view clientOrderId;
};

/// \brief Composes the Logon request (type "A"): the two texts go out as typed.
/// \return the message text, fields separated by SOH and no SOH after the last one
[[nodiscard]] std::u16string composeLogonRequest(std::u16string_view userId, std::u16string_view password);

/// \brief Composes the Trade report (type "8") with the volume and price in their wire forms.
/// \return the message text, fields separated by SOH and no SOH after the last one
[[nodiscard]] std::u16string composeTradeReport(const TradeReport& report);

} // namespace talvenor
