#include "uitestsupport.h"

#include "protocol/session.h"

#include <QTcpSocket>
#include <QTest>

#include <sys/socket.h>

MessageRecorder::MessageRecorder()
{
    m_previous = MessageDisplay::setPresenter([this](MessageDisplay::Kind kind, const QString& text) {
        (kind == MessageDisplay::Kind::Error ? m_errors : m_messages).append(text);
    });
}

MessageRecorder::~MessageRecorder()
{
    MessageDisplay::setPresenter(std::move(m_previous));
}

void MessageRecorder::clear()
{
    m_errors.clear();
    m_messages.clear();
}

PinnedClientState::PinnedClientState()
    : m_savedUsername(talvenor::username), m_savedCounter(talvenor::CtrCross), m_savedClock(talvenor::setUtcClock([] {
          using namespace std::chrono;
          return sys_days{year{2023} / 9 / 25} + hours{12};
      }))
{
    talvenor::username.clear();
    talvenor::CtrCross = 0;
}

PinnedClientState::~PinnedClientState()
{
    talvenor::setUtcClock(std::move(m_savedClock));
    talvenor::CtrCross = m_savedCounter;
    talvenor::username = m_savedUsername;
    QLocale::setDefault(m_savedLocale);
}

LoopbackPeer::LoopbackPeer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackPeer::accept);
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        qFatal("cannot listen on 127.0.0.1: %s", qPrintable(m_server.errorString()));
}

LoopbackPeer::~LoopbackPeer()
{
    // The sockets outlive the list of connections and still signal while they are destroyed.
    for (const Connection& connection : m_connections)
        connection.socket->disconnect(this);
}

void LoopbackPeer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        const std::size_t index = m_connections.size();
        m_connections.push_back({socket, {}, false});
        connect(socket, &QTcpSocket::readyRead, this,
            [this, index] { m_connections[index].received += m_connections[index].socket->readAll(); });
        connect(socket, &QTcpSocket::disconnected, this, [this, index] {
            m_connections[index].received += m_connections[index].socket->readAll();
            m_connections[index].closedByClient = true;
        });
    }
}

void LoopbackPeer::reply(const QByteArray& bytes)
{
    QTcpSocket* socket = m_connections.back().socket;
    socket->write(bytes);
    socket->flush();
}

bool LoopbackPeer::waitForConnections(std::size_t count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_connections.size() >= count; }, timeoutMs);
}

bool LoopbackPeer::waitForClientClose(std::size_t index, int timeoutMs)
{
    return QTest::qWaitFor(
        [&] { return index < m_connections.size() && m_connections[index].closedByClient; }, timeoutMs);
}

bool LoopbackPeer::resetConnection(std::size_t index)
{
    QTcpSocket* socket = m_connections[index].socket;
    socket->disconnect(this);
    // A close that lingers for no time discards what is unsent and sends a reset instead of FIN.
    const linger reset{1, 0};
    if (::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset) != 0)
        return false;
    socket->abort();
    return true;
}

RefusingPort::RefusingPort()
{
    if (!m_socket.bind(QHostAddress::LocalHost, 0))
        qFatal("cannot bind to 127.0.0.1: %s", qPrintable(m_socket.errorString()));
}

void typeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

QByteArray wire(const char* text)
{
    QByteArray bytes(text);
    bytes.replace('|', '\x01');
    return bytes;
}
