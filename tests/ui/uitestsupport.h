#pragma once

#include "protocol/clientorderid.h"
#include "ui/messagedisplay.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

class QWidget;

#include <cstdint>
#include <string>
#include <vector>

/// Records what the program would show in modal boxes, for as long as it lives.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    [[nodiscard]] const QStringList& errors() const { return m_errors; }
    [[nodiscard]] const QStringList& messages() const { return m_messages; }
    void clear();

private:
    QStringList m_errors;
    QStringList m_messages;
    MessageDisplay::Presenter m_previous;
};

/// Pins what a run of the client reads from the process for one test: an empty user name, the
/// identifier counter at 0 and the clock on 2023-09-25 12:00 UTC (identifiers start with 008KS).
/// Puts them back, and the default locale too, when it goes.
class PinnedClientState {
public:
    PinnedClientState();
    ~PinnedClientState();
    PinnedClientState(const PinnedClientState&) = delete;
    PinnedClientState& operator=(const PinnedClientState&) = delete;

private:
    QLocale m_savedLocale;
    std::u16string m_savedUsername;
    std::int32_t m_savedCounter;
    talvenor::UtcClock m_savedClock;
};

/// A real order-server stand-in on 127.0.0.1 with a free port: it keeps every accepted
/// connection, the bytes each one sent, and whether the client has closed it.
class LoopbackPeer : public QObject {
    Q_OBJECT

public:
    struct Connection {
        QTcpSocket* socket = nullptr;
        QByteArray received;
        bool closedByClient = false;
    };

    LoopbackPeer();
    ~LoopbackPeer() override;
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    [[nodiscard]] quint16 port() const { return m_server.serverPort(); }

    [[nodiscard]] const std::vector<Connection>& connections() const { return m_connections; }
    /// Sends raw bytes to the client on the newest connection.
    void reply(const QByteArray& bytes);
    /// Waits (processing events) until \p count connections have been accepted.
    [[nodiscard]] bool waitForConnections(std::size_t count, int timeoutMs = 5000);
    /// Waits until the client has closed connection \p index.
    [[nodiscard]] bool waitForClientClose(std::size_t index, int timeoutMs = 5000);
    /// Drops connection \p index with a reset, as a server that crashed would; false if the
    /// socket would not take the option that turns its close into a reset.
    [[nodiscard]] bool resetConnection(std::size_t index);

private:
    void accept();

    QTcpServer m_server;
    std::vector<Connection> m_connections;
};

/// A port on 127.0.0.1 that refuses connections, as with no server running: bound but never
/// listening, so no other process can take it while this lives.
class RefusingPort {
public:
    RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    [[nodiscard]] quint16 port() const { return m_socket.localPort(); }

private:
    QTcpSocket m_socket;
};

/// Types \p text into \p widget one key press per character, non-ASCII characters included.
void typeText(QWidget* widget, const QString& text);

/// Turns "|" into SOH, so that messages in tests read like the examples.
[[nodiscard]] QByteArray wire(const char* text);
