#include "tradesender.h"

#include <atomic>
#include <mutex>
#include <string_view>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Every connection the senders close waits in TIME_WAIT for a minute. Piled up on one source
// address, tens of thousands of them make the kernel's search for a free port the slowest part
// of connecting; so reports come from 127.0.0.1 to 127.0.0.254 in turn, all of them loopback.
sockaddr_in sourceAddress(std::size_t index)
{
    sockaddr_in source{};
    source.sin_family = AF_INET;
    source.sin_addr.s_addr = htonl(INADDR_LOOPBACK + static_cast<in_addr_t>(index % 254));
    return source;
}

bool sendOne(const sockaddr_in& source, const sockaddr_in& address, std::string_view report)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // The port is chosen at connect(), for the whole address pair, not at bind().
    const int noPortYet = 1;
    bool sent = ::setsockopt(fd, IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, &noPortYet, sizeof noPortYet) == 0
        && ::bind(fd, reinterpret_cast<const sockaddr*>(&source), sizeof source) == 0
        && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    while (sent && !report.empty()) {
        const ssize_t written = ::send(fd, report.data(), report.size(), MSG_NOSIGNAL);
        sent = written > 0;
        if (sent)
            report.remove_prefix(static_cast<std::size_t>(written));
    }
    ::close(fd);
    return sent;
}

} // namespace

std::string benchTradeReport(std::size_t index)
{
    static constexpr char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
    std::string identifier(8, '0');
    for (std::size_t i = 8, rest = index; i-- > 0; rest /= 32)
        identifier[i] = digits[rest % 32];
    return "35=8\x01"
           "54="
        + std::to_string(index % 2) + "\x01" + "55=BENCH\x01" + "32=" + std::to_string(index + 1) + "\x01"
        + "31=12.5\x01" + "9003=bench\x01" + "11=bench" + identifier;
}

SendResult sendTradeReports(std::uint16_t port, std::size_t count, std::size_t senders, InFlightWindow& window)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);

    std::atomic<std::size_t> next{0};
    std::mutex merge;
    SendResult result;
    result.latencies.reserve(count);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < senders; ++t) {
        threads.emplace_back([&] {
            std::vector<std::chrono::nanoseconds> latencies;
            std::size_t failures = 0;
            for (std::size_t index = next++; index < count; index = next++) {
                const std::string report = benchTradeReport(index);
                const sockaddr_in source = sourceAddress(index);
                if (!window.waitForRoom(index)) {
                    failures += 1;
                    continue;
                }
                const auto start = std::chrono::steady_clock::now();
                if (sendOne(source, address, report)) {
                    latencies.push_back(std::chrono::steady_clock::now() - start);
                } else {
                    ++failures;
                    window.finished(1);
                }
            }
            const std::lock_guard lock(merge);
            result.latencies.insert(result.latencies.end(), latencies.begin(), latencies.end());
            result.failures += failures;
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    return result;
}
