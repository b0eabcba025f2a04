#pragma once

#include <cstddef>
#include <string_view>

namespace talvenor::orderserver {

/// \brief Decides when the bytes buffered on a connection hold a whole Logon request.
///
/// The protocol has no framing, and the client sends a Logon request without a SOH after the
/// password and then waits for the reply. So a Logon request is taken as complete as soon as
/// the buffered bytes start with the field "35=A" and hold a "553=" and a "554=" field: all that
/// has arrived by then is the request, the last field running to the end of the data. A peer
/// that splits its writes inside the last field gets the answer for the part that had arrived.
/// Buffered bytes that start otherwise are one message that ends with the stream.
class LogonBoundary {
public:
    /// \param buffered everything received since the last message; only the part not seen by the
    ///        previous call is searched, so a peer that trickles bytes costs no repeated scans
    [[nodiscard]] bool complete(std::string_view buffered);

    /// Starts over for the next message.
    void reset() { *this = LogonBoundary(); }

private:
    std::size_t m_searched = 0;
    bool m_hasUserId = false;
    bool m_hasPassword = false;
};

} // namespace talvenor::orderserver
