#pragma once

#include <QTcpServer>

#include <functional>

namespace talvenor::orderserver {

/// \brief Listens like QTcpServer, but hands over each accepted connection as a bare descriptor.
///
/// A QTcpSocket costs about a dozen system calls to set up and tear down; the server reads its
/// short-lived connections with a fraction of that (see Connection).
class Listener : public QTcpServer {
public:
    using Accept = std::function<void(qintptr descriptor)>;

    explicit Listener(Accept accept) : m_accept(std::move(accept)) { }

protected:
    void incomingConnection(qintptr descriptor) override { m_accept(descriptor); }

private:
    Accept m_accept;
};

} // namespace talvenor::orderserver
