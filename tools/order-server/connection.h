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
    /// Never to be called from inside the connection's own handlers: the server deletes finished
    /// connections at the end of a pass of the event loop.
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    /// The peer's address and port, for the journal and the console.
    [[nodiscard]] const std::string& peer() const { return m_peer; }
    [[nodiscard]] std::chrono::steady_clock::time_point lastActivity() const { return m_lastActivity; }

    /// \brief Reads whatever has arrived and acts on it; the connection may have finished then.
    void readAvailable();

    /// \brief Closes the connection from this side and tells the server why; an unfinished message
    /// is dropped.
    void closeFor(std::string_view reason);

private:
    void endOfStream();
    /// Reads no more and hands the connection back to the server, which deletes it later.
    void finish();
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
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace talvenor::orderserver
