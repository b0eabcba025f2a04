#pragma once

#include "inflightwindow.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include <sys/types.h>

/// \brief The order server binary, started for one measurement on 127.0.0.1 with a free port.
///
/// Its console is read by a thread of its own, so that a full pipe never holds the server up;
/// each trade line there tells the window that one more report is done.
class BenchServer {
public:
    /// \throws std::runtime_error when the server does not start listening
    BenchServer(const std::string& binary, const std::string& journal, bool fsync, InFlightWindow& window);
    ~BenchServer();
    BenchServer(const BenchServer&) = delete;
    BenchServer& operator=(const BenchServer&) = delete;

    [[nodiscard]] std::uint16_t port() const { return m_port; }

    /// \brief Stops the server with SIGTERM.
    /// \return true when it stopped cleanly (exit code 0)
    bool stop();

    /// Processor time the server used (user and system), known once it has stopped.
    [[nodiscard]] std::chrono::microseconds cpuTime() const { return m_cpuTime; }

private:
    pid_t m_pid = -1;
    int m_output = -1;
    std::uint16_t m_port = 0;
    std::thread m_drain;
    std::chrono::microseconds m_cpuTime{0};
};
