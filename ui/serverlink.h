#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringDecoder>

#include <chrono>
#include <stdexcept>
#include <string>

class QTcpSocket;

/// A failure to open the link to the order server or to send on it; what() is the user's text.
class LinkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// \brief The client's TCP link to the order server, opened around one exchange.
///
/// Setting it connected opens a fresh connection before returning (a stale one is closed
/// first, so its late reply is never read as the new exchange's); Send() returns once the
/// whole text has been written as UTF-8. Received data is announced on the UI thread by
/// dataIn(), once per piece that arrives.
class ServerLink : public QObject {
    Q_OBJECT

public:
    /// Longest time the window may freeze while connecting or writing.
    static constexpr std::chrono::milliseconds maxWait{5000};

    explicit ServerLink(QObject* parent = nullptr);
    ~ServerLink() override;

    void setRemoteHost(const QString& host) { m_remoteHost = host; }
    [[nodiscard]] QString remoteHost() const { return m_remoteHost; }
    void setRemotePort(quint16 port) { m_remotePort = port; }
    [[nodiscard]] quint16 remotePort() const { return m_remotePort; }

    [[nodiscard]] bool connected() const;
    /// Opens (true) or closes (false) the connection; closing is safe inside a dataIn() handler.
    /// \throws LinkError naming the host and port when the connection cannot be opened
    void setConnected(bool connected);

    /// \throws LinkError when the link is closed, breaks while writing, or the text cannot be written
    /// in time
    void Send(const QString& text);

signals:
    void dataIn(const QString& text);

private:
    void open();
    void close();
    void readAvailable();
    [[nodiscard]] std::string failureText(const QString& action, const QString& reason) const;

    QString m_remoteHost;
    quint16 m_remotePort = 0;
    QPointer<QTcpSocket> m_socket;
    // Keeps a character split across two reads whole.
    QStringDecoder m_decoder;
};
