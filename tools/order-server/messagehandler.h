#pragma once

#include "tools/order-server/accounts.h"
#include "tools/order-server/tradereportcheck.h"

#include <optional>
#include <string>
#include <string_view>

namespace talvenor::orderserver {

/// What the server does about one whole message.
struct Outcome {
    /// Bytes to send back to the peer; empty when nothing is answered.
    std::string reply;
    /// A valid Trade report, to be journaled.
    std::optional<ReceivedTrade> trade;
    /// What happened, for the console. It never holds a password.
    std::string logText;
};

/// \brief Turns the bytes of one message into the server's answer, the trade to keep and a log line.
///
/// Bytes that are not valid UTF-8 are logged and ignored. Fields are read with GetFIXTagValue;
/// since the last field arrives without a SOH, one is put behind it first.
class MessageHandler {
public:
    explicit MessageHandler(Accounts accounts);

    /// \brief Answers a Logon request with a Login reply: "OK" and the account's trader type, or a
    /// refusal text (and trader type 0) for an unknown user id or a wrong password.
    [[nodiscard]] Outcome logonRequest(std::string_view bytes) const;

    /// \brief Handles the message that ended with the stream: a Trade report is checked; anything
    /// else is logged with the reason and ignored.
    [[nodiscard]] Outcome finalMessage(std::string_view bytes) const;

private:
    Accounts m_accounts;
};

/// Text of tag 58 when a login is refused; the same for an unknown user id and a wrong password,
/// so that nobody can probe which user ids exist.
inline constexpr std::string_view loginRefusedText = "Unknown user id or wrong password";

} // namespace talvenor::orderserver
