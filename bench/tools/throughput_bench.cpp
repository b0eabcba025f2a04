// Throughput of the order server: N Trade reports, each on a connection of its own as the client
// sends them, from M parallel senders; then the journal is checked to hold every one exactly once.
//
//   order_server_throughput [--reports N] [--senders M] [--window W] [--fsync] [--journal-dir DIR]
//
// At most W reports are in flight (sent but not yet acknowledged on the server's console), see
// InFlightWindow.

#include "benchserver.h"
#include "tradesender.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <unordered_set>

namespace {

struct BenchOptions {
    std::size_t reports = 100000;
    std::size_t senders = 4;
    std::size_t window = 1000;
    bool fsync = false;
    std::filesystem::path journalDir = std::filesystem::temp_directory_path();
};

BenchOptions parseOptions(int argc, char* argv[])
{
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--reports" && hasValue)
            options.reports = std::stoul(argv[++i]);
        else if (option == "--senders" && hasValue)
            options.senders = std::max<std::size_t>(1, std::stoul(argv[++i]));
        else if (option == "--window" && hasValue)
            options.window = std::max<std::size_t>(1, std::stoul(argv[++i]));
        else if (option == "--journal-dir" && hasValue)
            options.journalDir = argv[++i];
        else if (option == "--fsync")
            options.fsync = true;
        else
            throw std::invalid_argument("usage: order_server_throughput [--reports N] [--senders M] [--window W] "
                                        "[--fsync] [--journal-dir DIR]");
    }
    return options;
}

// Counts the journal's lines as they come, reading only what was added since the last look.
class JournalWatcher {
public:
    explicit JournalWatcher(const std::filesystem::path& path) : m_file(path, std::ios::binary) { }

    std::size_t lines()
    {
        m_file.clear();
        char buffer[65536];
        while (m_file.read(buffer, sizeof buffer) || m_file.gcount() > 0)
            m_lines += static_cast<std::size_t>(std::count(buffer, buffer + m_file.gcount(), '\n'));
        return m_lines;
    }

private:
    std::ifstream m_file;
    std::size_t m_lines = 0;
};

std::size_t distinctIdentifiers(const std::filesystem::path& journal)
{
    std::unordered_set<std::string> identifiers;
    std::ifstream file(journal);
    const std::string key = "\"clientOrderId\":\"";
    for (std::string line; std::getline(file, line);) {
        const std::size_t start = line.find(key);
        if (start != std::string::npos)
            identifiers.insert(
                line.substr(start + key.size(), line.find('"', start + key.size()) - start - key.size()));
    }
    return identifiers.size();
}

double microseconds(std::chrono::nanoseconds duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        const BenchOptions options = parseOptions(argc, argv);
        const std::filesystem::path journal
            = options.journalDir / ("order_server_throughput." + std::to_string(::getpid()) + ".jsonl");
        std::filesystem::remove(journal);

        InFlightWindow window(options.window);
        BenchServer server(TALVENOR_ORDER_SERVER, journal.string(), options.fsync, window);
        JournalWatcher watcher(journal);
        const auto start = std::chrono::steady_clock::now();
        SendResult sent = sendTradeReports(server.port(), options.reports, options.senders, window);
        const auto sentAt = std::chrono::steady_clock::now();
        const std::size_t expected = sent.latencies.size();

        // The journal must catch up with what was sent; it gets ten seconds once sending is done.
        auto journaledAt = std::chrono::steady_clock::now();
        std::size_t journaled = watcher.lines();
        while (journaled < expected && std::chrono::steady_clock::now() - sentAt < std::chrono::seconds(10)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            journaled = watcher.lines();
        }
        journaledAt = std::chrono::steady_clock::now();
        const bool stoppedCleanly = server.stop();
        journaled = watcher.lines();
        const std::size_t distinct = distinctIdentifiers(journal);
        std::filesystem::remove(journal);

        std::sort(sent.latencies.begin(), sent.latencies.end());
        const auto percentile = [&](double p) {
            return sent.latencies.empty()
                ? 0.0
                : microseconds(
                    sent.latencies[static_cast<std::size_t>(p * static_cast<double>(sent.latencies.size() - 1))]);
        };
        const double seconds = std::chrono::duration<double>(journaledAt - start).count();

        std::printf("order server throughput: %zu Trade reports, %zu senders, at most %zu in flight, journal %s\n",
            options.reports, options.senders, options.window,
            options.fsync ? "made durable (--fsync)" : "written through (no --fsync)");
        std::printf("  sending took %.2f s; all journaled after %.2f s: %.0f reports/s\n",
            std::chrono::duration<double>(sentAt - start).count(), seconds, static_cast<double>(journaled) / seconds);
        std::printf("  per report (connect, send, close): p50 %.0f us, p99 %.0f us, max %.0f us\n", percentile(0.50),
            percentile(0.99), percentile(1.0));
        std::printf("  server processor time: %.1f us per report\n",
            microseconds(server.cpuTime()) / static_cast<double>(std::max<std::size_t>(journaled, 1)));
        std::printf("  sent %zu, failed to send %zu, journaled %zu, distinct identifiers %zu, server stopped %s\n",
            expected, sent.failures, journaled, distinct, stoppedCleanly ? "cleanly" : "with an error");

        const bool nothingLost = sent.failures == 0 && journaled == options.reports && distinct == options.reports;
        std::printf("  %s\n", nothingLost ? "nothing lost" : "REPORTS LOST OR DUPLICATED");
        return nothingLost && stoppedCleanly ? EXIT_SUCCESS : EXIT_FAILURE;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "order_server_throughput: %s\n", error.what());
        return EXIT_FAILURE;
    }
}
