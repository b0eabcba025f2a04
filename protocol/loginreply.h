#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace talvenor {

/// Trader type of a Login reply that loses the "View Traders" and "Edit Trade" buttons.
inline constexpr std::int32_t restrictedTraderType = 1;

/// What a Login reply acts on; the main window provides it.
class LoginReplyActions {
public:
    virtual ~LoginReplyActions() = default;

    virtual void closeLoginWindow() = 0;
    virtual void hideRestrictedButtons() = 0;
    /// Shows the server's refusal text to the user.
    virtual void showMessage(std::u16string_view text) = 0;
    virtual void closeLink() = 0;

protected:
    LoginReplyActions() = default;
    LoginReplyActions(const LoginReplyActions&) = default;
    LoginReplyActions& operator=(const LoginReplyActions&) = default;
};

/// \brief Handles one received message: takes its type (tag 35) out and hands the rest to FIXParseMsg.
///
/// A message without a terminated type field is ignored.
/// \throws ConversionError as FIXParseMsg does
void handleReceivedMessage(std::u16string message, LoginReplyActions& actions);

/// \brief Handles a received message whose type field has already been taken out of \p MsgStr.
///
/// Only a Login reply ("LR") is handled; every other type is ignored.
/// \throws ConversionError when tag 9001 is missing, unterminated or not an integer; nothing
///         has been acted on then
void FIXParseMsg(std::u16string_view MsgType, std::u16string& MsgStr, LoginReplyActions& actions);

/// \brief Accepts ("OK") or refuses the login, then closes the link.
void FIXProcessLoginReply(std::u16string_view text, std::int32_t ttype, LoginReplyActions& actions);

} // namespace talvenor
