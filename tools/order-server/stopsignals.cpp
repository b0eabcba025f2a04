#include "tools/order-server/stopsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

#include <sys/socket.h>
#include <unistd.h>

namespace talvenor::orderserver {

namespace {

std::array<int, 2> signalPair{-1, -1};

void onSignal(int number)
{
    const int savedErrno = errno;
    const auto byte = static_cast<char>(number);
    // Nothing can be done about a failed write inside a signal handler; the pair is non-blocking.
    [[maybe_unused]] const ssize_t written = ::write(signalPair[0], &byte, 1);
    errno = savedErrno;
}

void handle(int number, void (*handler)(int))
{
    struct sigaction action { };
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(number, &action, nullptr);
}

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPair.data()) != 0)
        throw std::runtime_error("cannot create the socket pair for stop signals");
    m_notifier = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::readSignal);
    handle(SIGINT, onSignal);
    handle(SIGTERM, onSignal);
}

StopSignals::~StopSignals()
{
    handle(SIGINT, SIG_DFL);
    handle(SIGTERM, SIG_DFL);
    ::close(signalPair[0]);
    ::close(signalPair[1]);
    signalPair = {-1, -1};
}

void StopSignals::readSignal()
{
    char byte = 0;
    if (::read(signalPair[1], &byte, 1) != 1)
        return;
    emit received(byte == SIGINT ? QStringLiteral("SIGINT") : QStringLiteral("SIGTERM"));
}

} // namespace talvenor::orderserver
