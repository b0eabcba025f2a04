#include "benchserver.h"

#include <csignal>
#include <stdexcept>
#include <string_view>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string readFirstLine(int fd)
{
    std::string line;
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

} // namespace

BenchServer::BenchServer(const std::string& binary, const std::string& journal, bool fsync, InFlightWindow& window)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        throw std::runtime_error("cannot create a pipe");
    std::vector<std::string> arguments = {binary, "--listen", "127.0.0.1:0", "--journal", journal};
    if (fsync)
        arguments.emplace_back("--fsync");

    m_pid = ::fork();
    if (m_pid == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execv(binary.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    m_output = pipeEnds[0];
    if (m_pid < 0)
        throw std::runtime_error("cannot start " + binary);

    const std::string first = readFirstLine(m_output);
    const std::size_t colon = first.rfind(':');
    if (first.find("listening on") == std::string::npos || colon == std::string::npos) {
        stop();
        throw std::runtime_error("the server did not start: " + first);
    }
    m_port = static_cast<std::uint16_t>(std::stoi(first.substr(colon + 1)));
    m_drain = std::thread([fd = m_output, &window] {
        char buffer[65536];
        std::string line;
        ssize_t count = 0;
        while ((count = ::read(fd, buffer, sizeof buffer)) > 0) {
            std::size_t trades = 0;
            for (const char c : std::string_view(buffer, static_cast<std::size_t>(count))) {
                if (c != '\n') {
                    line += c;
                    continue;
                }
                trades += line.find(" trade \"") != std::string::npos ? 1 : 0;
                line.clear();
            }
            window.finished(trades);
        }
    });
}

BenchServer::~BenchServer()
{
    stop();
}

bool BenchServer::stop()
{
    if (m_pid <= 0)
        return false;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    rusage usage{};
    ::wait4(m_pid, &status, 0, &usage);
    m_cpuTime = std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    m_pid = -1;
    if (m_drain.joinable())
        m_drain.join();
    ::close(m_output);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
