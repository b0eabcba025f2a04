#include "ui/serverlink.h"

#include <QTcpSocket>

namespace {

constexpr int waitMs = static_cast<int>(ServerLink::maxWait.count());

QString socketFailure(const QTcpSocket& socket)
{
    switch (socket.error()) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("the connection was refused (is the order server running?)");
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("the host was not found");
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("no answer within %1 seconds").arg(waitMs / 1000);
    case QAbstractSocket::RemoteHostClosedError:
        return QStringLiteral("the server closed the connection");
    default:
        return socket.errorString();
    }
}

} // namespace

ServerLink::ServerLink(QObject* parent) : QObject(parent) { }

ServerLink::~ServerLink()
{
    close();
}

bool ServerLink::connected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void ServerLink::setConnected(bool connected)
{
    close();
    if (connected)
        open();
}

void ServerLink::open()
{
    auto* socket = new QTcpSocket(this);
    m_socket = socket;
    m_decoder = QStringDecoder(QStringDecoder::Utf8);
    // Queued: the socket also signals readyRead from inside waitForBytesWritten(), and a
    // handler that closed the link there would pull the socket out from under Send().
    connect(
        socket, &QTcpSocket::readyRead, this,
        [this, current = QPointer(socket)] {
            if (current && current == m_socket)
                readAvailable();
        },
        Qt::QueuedConnection);

    socket->connectToHost(m_remoteHost, m_remotePort);
    if (!socket->waitForConnected(waitMs)) {
        const QString failure = socketFailure(*socket);
        close();
        throw LinkError(failureText(QStringLiteral("Cannot connect to"), failure));
    }
}

void ServerLink::close()
{
    if (!m_socket)
        return;
    // Deleted later: this may run inside the socket's own readyRead.
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void ServerLink::Send(const QString& text)
{
    if (!connected())
        throw LinkError(failureText(QStringLiteral("Cannot send to"), QStringLiteral("the link is not open")));

    const QByteArray bytes = text.toUtf8();
    m_socket->write(bytes);
    while (m_socket->bytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(waitMs))
            break;
    }
    // A failed write aborts the socket and drops what it had left to write, so an empty buffer
    // alone does not show the text went out. A connected socket with nothing left to write
    // has sent it all, even when the last wait returned false because the buffer was flushed
    // meanwhile.
    if (m_socket->state() != QAbstractSocket::ConnectedState || m_socket->bytesToWrite() > 0)
        throw LinkError(failureText(QStringLiteral("Cannot send to"), socketFailure(*m_socket)));
}

void ServerLink::readAvailable()
{
    const QByteArray bytes = m_socket->readAll();
    const QString text = m_decoder.decode(bytes);
    if (!text.isEmpty())
        emit dataIn(text);
}

std::string ServerLink::failureText(const QString& action, const QString& reason) const
{
    return QStringLiteral("%1 the order server at %2:%3: %4.")
        .arg(action, m_remoteHost, QString::number(m_remotePort), reason)
        .toStdString();
}
