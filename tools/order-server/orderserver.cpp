#include "tools/order-server/orderserver.h"

#include "tools/order-server/connection.h"
#include "tools/order-server/console.h"
#include "tools/order-server/journal.h"
#include "tools/order-server/journalrecord.h"
#include "tools/order-server/timestamp.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace talvenor::orderserver {

namespace {

// A burst of peers can connect faster than the server accepts; once the queue is full the kernel
// drops their SYNs, and each drop costs a peer a second. The kernel caps this at somaxconn.
constexpr int listenBacklog = 4096;
constexpr auto acceptRetryDelay = std::chrono::seconds(1);

// "127.0.0.1:40312" or "[::1]:40312".
std::string peerOf(int descriptor)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    char host[INET6_ADDRSTRLEN] = "?";
    in_port_t port = 0;
    if (::getpeername(descriptor, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        if (address.ss_family == AF_INET) {
            const auto& ipv4 = reinterpret_cast<const sockaddr_in&>(address);
            ::inet_ntop(AF_INET, &ipv4.sin_addr, host, sizeof host);
            port = ntohs(ipv4.sin_port);
        } else if (address.ss_family == AF_INET6) {
            const auto& ipv6 = reinterpret_cast<const sockaddr_in6&>(address);
            ::inet_ntop(AF_INET6, &ipv6.sin6_addr, host, sizeof host);
            return '[' + std::string(host) + "]:" + std::to_string(ntohs(ipv6.sin6_port));
        }
    }
    return std::string(host) + ':' + std::to_string(port);
}

// Descriptors kept free for the journal, the listener, the event loop and the standard streams.
constexpr rlim_t reservedDescriptors = 16;

// Once the process is out of descriptors accept() fails, and Qt retries it at once, for ever: the
// server stops accepting a little before that, and goes on when connections have closed.
std::size_t connectionLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::numeric_limits<std::size_t>::max();
    return static_cast<std::size_t>(
        limit.rlim_cur > 2 * reservedDescriptors ? limit.rlim_cur - reservedDescriptors : limit.rlim_cur / 2);
}

std::chrono::milliseconds idleSweepInterval(std::chrono::seconds idleTimeout)
{
    return std::clamp<std::chrono::milliseconds>(
        idleTimeout / 4, std::chrono::milliseconds(50), std::chrono::milliseconds(1000));
}

} // namespace

OrderServer::OrderServer(MessageHandler handler, Journal& journal, Console& console, std::chrono::seconds idleTimeout)
    : m_handler(std::move(handler)), m_journal(journal), m_console(console), m_idleTimeout(idleTimeout),
      m_listener([this](qintptr descriptor) { accept(descriptor); }), m_connectionLimit(connectionLimit())
{
    m_listener.setListenBacklogSize(listenBacklog);
    // Out of file descriptors, Qt stops accepting for good; try again once some have been freed.
    connect(&m_listener, &QTcpServer::acceptError, this, [this](QAbstractSocket::SocketError) {
        logServerLine("cannot accept connections: " + m_listener.errorString().toStdString() + "; trying again in 1 s");
        m_acceptRetry.start();
    });
    m_acceptRetry.setSingleShot(true);
    m_acceptRetry.setInterval(acceptRetryDelay);
    connect(&m_acceptRetry, &QTimer::timeout, this, [this] {
        if (!m_atConnectionLimit)
            m_listener.resumeAccepting();
    });

    m_idleSweep.setInterval(idleSweepInterval(idleTimeout));
    connect(&m_idleSweep, &QTimer::timeout, this, &OrderServer::closeIdleConnections);
    m_endOfPass.setSingleShot(true);
    m_endOfPass.setInterval(0);
    connect(&m_endOfPass, &QTimer::timeout, this, &OrderServer::endOfPass);
}

OrderServer::~OrderServer() = default;

bool OrderServer::listen(const QHostAddress& address, quint16 port)
{
    if (!m_listener.listen(address, port))
        return false;
    m_idleSweep.start();
    return true;
}

void OrderServer::accept(qintptr descriptor)
{
    const int fd = static_cast<int>(descriptor);
    auto connection = std::make_unique<Connection>(fd, peerOf(fd), *this);
    Connection* opened = connection.get();
    m_connections.emplace(opened, std::move(connection));
    if (descriptorsInUse() >= m_connectionLimit) {
        m_listener.pauseAccepting();
        if (!std::exchange(m_atConnectionLimit, true))
            logServerLine("connection limit reached (" + std::to_string(m_connectionLimit)
                + " connections); accepting again once some have closed");
    }
    opened->readAvailable();
}

std::string OrderServer::logonRequest(Connection& connection, std::string_view bytes)
{
    Outcome outcome = m_handler.logonRequest(bytes);
    log(connection, outcome.logText);
    return std::move(outcome.reply);
}

void OrderServer::finalMessage(Connection& connection, std::string_view bytes)
{
    const std::string receivedAt = utcTimestamp(std::chrono::system_clock::now());
    const Outcome outcome = m_handler.finalMessage(bytes);
    if (outcome.trade) {
        try {
            m_journal.append(journalRecord(receivedAt, connection.peer(), *outcome.trade));
        } catch (const JournalError& error) {
            fail(error);
            return;
        }
    }
    logLine(receivedAt, connection.peer(), outcome.logText);
}

void OrderServer::connectionFinished(Connection& connection)
{
    const auto found = m_connections.find(&connection);
    if (found == m_connections.end())
        return;
    m_finished.push_back(std::move(found->second));
    m_connections.erase(found);
    scheduleEndOfPass();
}

void OrderServer::log(const Connection& connection, std::string_view text)
{
    logLine(utcTimestamp(std::chrono::system_clock::now()), connection.peer(), text);
}

void OrderServer::logServerLine(std::string_view text)
{
    logLine(utcTimestamp(std::chrono::system_clock::now()), "-", text);
}

void OrderServer::logLine(std::string_view time, std::string_view peer, std::string_view text)
{
    std::string line;
    line.reserve(time.size() + peer.size() + text.size() + 2);
    line += time;
    line += ' ';
    line += peer;
    line += ' ';
    line += text;
    m_console.line(line);
    scheduleEndOfPass();
}

void OrderServer::scheduleEndOfPass()
{
    if (!m_endOfPass.isActive())
        m_endOfPass.start();
}

void OrderServer::endOfPass()
{
    m_finished.clear();
    if (m_atConnectionLimit && descriptorsInUse() < m_connectionLimit && m_listener.isListening()) {
        m_atConnectionLimit = false;
        m_listener.resumeAccepting();
    }
    try {
        m_journal.sync();
    } catch (const JournalError& error) {
        fail(error);
        return;
    }
    m_console.flush();
}

void OrderServer::closeIdleConnections()
{
    const auto now = std::chrono::steady_clock::now();
    std::vector<Connection*> idle;
    for (const auto& [connection, owned] : m_connections) {
        if (now - connection->lastActivity() >= m_idleTimeout)
            idle.push_back(connection);
    }
    const std::string reason = "closed: idle for " + std::to_string(m_idleTimeout.count()) + " s";
    for (Connection* connection : idle)
        connection->closeFor(reason);
}

void OrderServer::stop(std::string_view why)
{
    closeEverything();
    logServerLine("stopped (" + std::string(why) + "); " + std::to_string(m_journal.appended())
        + " trades journaled in this run");
    m_endOfPass.stop();
    endOfPass();
}

void OrderServer::fail(const std::exception& error)
{
    const std::string reason = error.what();
    closeEverything();
    logServerLine("stopped: " + reason);
    m_endOfPass.stop();
    m_console.flush();
    emit failed(QString::fromStdString(reason));
}

void OrderServer::closeEverything()
{
    m_listener.close();
    m_idleSweep.stop();
    m_acceptRetry.stop();
    std::vector<Connection*> open;
    for (const auto& [connection, owned] : m_connections)
        open.push_back(connection);
    for (Connection* connection : open)
        connection->closeFor("closed: the server is stopping");
}

} // namespace talvenor::orderserver
