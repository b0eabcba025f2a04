#include "tools/order-server/connection.h"

#include "tools/order-server/orderserver.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

namespace talvenor::orderserver {

Connection::Connection(int descriptor, std::string peer, OrderServer& server)
    : m_descriptor(descriptor), m_peer(std::move(peer)), m_server(server),
      m_lastActivity(std::chrono::steady_clock::now())
{
}

Connection::~Connection()
{
    // The notifier must let go of the descriptor before it is closed and given to another peer.
    m_notifier.reset();
    ::close(m_descriptor);
}

void Connection::readAvailable()
{
    char chunk[16 * 1024];
    for (;;) {
        // Never more than one byte over the limit, whatever a peer sends.
        const std::size_t room = std::min(sizeof chunk, maxBuffered + 1 - m_buffered.size());
        const ssize_t received = ::recv(m_descriptor, chunk, room, MSG_DONTWAIT);
        if (received > 0) {
            m_lastActivity = std::chrono::steady_clock::now();
            m_buffered.append(chunk, static_cast<std::size_t>(received));
            if (m_buffered.size() > maxBuffered)
                return closeFor("closed: more than 64 KiB without a whole message");
            if (!answerWholeLogonRequest())
                return;
        } else if (received == 0) {
            return endOfStream();
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return waitForMoreData();
        } else if (errno != EINTR) {
            return peerReset();
        }
    }
}

bool Connection::answerWholeLogonRequest()
{
    if (!m_boundary.complete(m_buffered))
        return true;
    const std::string reply = m_server.logonRequest(*this, m_buffered);
    m_buffered.clear();
    m_boundary.reset();
    // A reply is tiny next to the socket's send buffer: one that does not fit at once goes to a
    // peer that reads nothing.
    const ssize_t sent = ::send(m_descriptor, reply.data(), reply.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    if (sent == static_cast<ssize_t>(reply.size()))
        return true;
    closeFor(sent < 0 ? "closed: cannot send the Login reply: " + std::string(std::strerror(errno))
                      : std::string("closed: the peer does not take its Login replies"));
    return false;
}

void Connection::waitForMoreData()
{
    if (m_notifier)
        return;
    m_notifier.reset(new QSocketNotifier(m_descriptor, QSocketNotifier::Read));
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { readAvailable(); });
}

void Connection::endOfStream()
{
    finish();
    if (!m_buffered.empty())
        m_server.finalMessage(*this, m_buffered);
}

void Connection::peerReset()
{
    // An aborted stream may have lost its tail on the way: whatever is buffered is not a message.
    if (!m_buffered.empty())
        return closeFor("closed: " + std::string(std::strerror(errno)) + "; its unfinished message was dropped");
    finish();
}

void Connection::closeFor(std::string_view reason)
{
    finish();
    m_server.log(*this, reason);
}

void Connection::finish()
{
    if (m_notifier)
        m_notifier->setEnabled(false);
    m_server.connectionFinished(*this);
}

} // namespace talvenor::orderserver
