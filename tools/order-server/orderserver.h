#pragma once

#include "tools/order-server/listener.h"
#include "tools/order-server/messagehandler.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace talvenor::orderserver {

class Connection;
class Console;
class Journal;

/// \brief The order server: accepts connections, answers Logon requests and journals Trade reports.
///
/// Everything runs on one thread, driven by the event loop; a connection costs no thread.
/// Each valid Trade report is appended to the journal when it arrives; at the end of each pass
/// of the event loop the journal is made durable (when asked for) and only then are the console
/// lines written, so a trade shown on the console is already in the journal.
class OrderServer : public QObject {
    Q_OBJECT

public:
    OrderServer(MessageHandler handler, Journal& journal, Console& console, std::chrono::seconds idleTimeout);
    ~OrderServer() override;

    /// \return false when the address cannot be listened on; errorString() says why
    [[nodiscard]] bool listen(const QHostAddress& address, quint16 port);
    [[nodiscard]] QString errorString() const { return m_listener.errorString(); }
    [[nodiscard]] QHostAddress address() const { return m_listener.serverAddress(); }
    [[nodiscard]] quint16 port() const { return m_listener.serverPort(); }

    /// \brief Stops accepting, closes every connection (dropping unfinished messages) and leaves the
    /// journal complete and durable.
    void stop(std::string_view why);

    /// Answers a whole Logon request; returns the reply for the connection to send.
    [[nodiscard]] std::string logonRequest(Connection& connection, std::string_view bytes);
    /// Handles the message that ended with the connection's stream.
    void finalMessage(Connection& connection, std::string_view bytes);
    /// \brief Forgets a connection that has closed; it is deleted at the end of the pass, since it
    /// may still be on the stack (or the server may be stopping inside one of its messages).
    void connectionFinished(Connection& connection);
    /// Writes a console line about a connection.
    void log(const Connection& connection, std::string_view text);

signals:
    /// The server cannot go on (the journal cannot be written); it has stopped already.
    void failed(const QString& reason);

private:
    void accept(qintptr descriptor);
    /// Descriptors held by connections, open or finished but not yet deleted.
    [[nodiscard]] std::size_t descriptorsInUse() const { return m_connections.size() + m_finished.size(); }
    void closeIdleConnections();
    void scheduleEndOfPass();
    void endOfPass();
    void logServerLine(std::string_view text);
    void logLine(std::string_view time, std::string_view peer, std::string_view text);
    /// Stops the server at once when the journal fails: no trade may be taken that cannot be kept.
    void fail(const std::exception& error);
    void closeEverything();

    MessageHandler m_handler;
    Journal& m_journal;
    Console& m_console;
    std::chrono::seconds m_idleTimeout;
    Listener m_listener;
    std::unordered_map<Connection*, std::unique_ptr<Connection>> m_connections;
    std::vector<std::unique_ptr<Connection>> m_finished;
    QTimer m_idleSweep;
    QTimer m_endOfPass;
    QTimer m_acceptRetry;
    std::size_t m_connectionLimit;
    bool m_atConnectionLimit = false;
};

} // namespace talvenor::orderserver
