#pragma once

#include "tools/order-server/logonboundary.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

class QSocketNotifier;

namespace talvenor::orderserver {

class OrderServer;

/// \brief One peer's connection: gathers its bytes, finds its messages and hands them to the server.
///
/// A Logon request is answered as soon as it is whole (LogonBoundary); anything else is one
/// message that ends with the stream. A peer that sends more than maxBuffered bytes without a
/// whole message, or does not take its reply, is closed.
///
/// The client sends a Trade report and closes at once, so by the time the connection is
/// accepted the whole report and the end of the stream are usually there already: readAvailable()
/// is called straight away and a notifier is only set up when the peer has more to say.
class Connection {
public:
    static constexpr std::size_t maxBuffered = 64 * 1024;

    /// Takes over the connected \p descriptor.
    Connection(int descriptor, std::string peer, OrderServer& server);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    /// The peer's address and port, for the journal and the console.
    [[nodiscard]] const std::string& peer() const { return m_peer; }
    [[nodiscard]] std::chrono::steady_clock::time_point lastActivity() const { return m_lastActivity; }

    /// \brief Reads whatever has arrived and acts on it. The connection may have finished, and
    /// been deleted by the server, when this returns.
    void readAvailable();

    /// \brief Closes the connection from this side and tells the server why; an unfinished message
    /// is dropped. The connection has been deleted when this returns.
    void closeFor(std::string_view reason);

private:
    void endOfStream();
    void peerReset();
    /// False once the connection has finished.
    [[nodiscard]] bool answerWholeLogonRequest();
    void waitForMoreData();

    int m_descriptor;
    std::string m_peer;
    OrderServer& m_server;
    std::string m_buffered;
    LogonBoundary m_boundary;
    std::chrono::steady_clock::time_point m_lastActivity;
    // Deleted later: the connection may finish inside the notifier's own signal.
    std::unique_ptr<QSocketNotifier, void (*)(QSocketNotifier*)> m_notifier;
};

} // namespace talvenor::orderserver
