// Click-to-wire latency of the Add Trade window: from the click on Send to the moment a server on
// the loopback interface holds the whole Trade report. Prints the median and the 99th percentile,
// and the same for the click alone (connecting, writing and closing), to tell the client's own
// time from the time the server takes to be woken and read.
//
//     clicktowire_bench [sends]      (default 5000; runs headless unless QT_QPA_PLATFORM says otherwise)

#include "ui/addtrade.h"
#include "ui/mainwindow.h"
#include "ui/messagedisplay.h"
#include "ui/serverlink.h"
#include "ui/startup.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int warmUpSends = 200;

// A server on 127.0.0.1 with a free port, on a thread of its own: it takes one connection after
// another, reads each to its end, and notes when the last byte of each came in.
class ArrivalRecorder {
public:
    struct Report {
        Clock::time_point lastByte;
        std::size_t size = 0;
    };

    ArrivalRecorder() : m_listener(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
            || ::listen(m_listener, 16) != 0)
            throw std::runtime_error("cannot listen on 127.0.0.1");
        socklen_t length = sizeof address;
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { run(); });
    }

    ~ArrivalRecorder()
    {
        // Wakes the blocked accept().
        ::shutdown(m_listener, SHUT_RDWR);
        m_thread.join();
        ::close(m_listener);
    }

    ArrivalRecorder(const ArrivalRecorder&) = delete;
    ArrivalRecorder& operator=(const ArrivalRecorder&) = delete;

    [[nodiscard]] quint16 port() const { return m_port; }

    /// Waits until \p count reports have been read to their end and returns the last one.
    [[nodiscard]] Report waitForReports(std::size_t count)
    {
        std::unique_lock lock(m_mutex);
        m_arrived.wait(lock, [&] { return m_reports.size() >= count; });
        return m_reports[count - 1];
    }

private:
    void run()
    {
        std::vector<char> buffer(4096);
        for (;;) {
            const int connection = ::accept(m_listener, nullptr, nullptr);
            if (connection < 0)
                return;
            Report report;
            for (;;) {
                const ssize_t read = ::recv(connection, buffer.data(), buffer.size(), 0);
                if (read <= 0)
                    break;
                report.lastByte = Clock::now();
                report.size += static_cast<std::size_t>(read);
            }
            ::close(connection);
            {
                const std::lock_guard lock(m_mutex);
                m_reports.push_back(report);
            }
            m_arrived.notify_one();
        }
    }

    int m_listener;
    quint16 m_port = 0;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<Report> m_reports;
};

double microseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

double percentile(const std::vector<double>& sorted, double fraction)
{
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[index];
}

void printFigures(const char* what, std::vector<double> figures)
{
    std::sort(figures.begin(), figures.end());
    std::printf("  %-14s p50 %8.1f us   p99 %8.1f us   max %8.1f us\n", what, percentile(figures, 0.50),
        percentile(figures, 0.99), figures.back());
}

void fill(const char* field, const QString& text)
{
    frmAddTrade->findChild<QLineEdit*>(QLatin1String(field))->setText(text);
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int sends = argc > 1 ? std::atoi(argv[1]) : 5000;
    if (sends < 1) {
        std::fprintf(stderr, "usage: clicktowire_bench [sends]\n");
        return 2;
    }

    int errors = 0;
    MessageDisplay::setPresenter([&errors](MessageDisplay::Kind, const QString& text) {
        ++errors;
        std::fprintf(stderr, "error shown: %s\n", qPrintable(text));
    });

    ArrivalRecorder server;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    startUp();
    frmMain->clientPort().setRemotePort(server.port());
    frmAddTrade->show();
    fill("edtSymbol", QStringLiteral("ABC"));
    fill("edtQuantity", QStringLiteral("1000"));
    fill("edtPrice", QStringLiteral("12.5"));
    auto* btnSend = frmAddTrade->findChild<QPushButton*>(QStringLiteral("btnSend"));

    std::vector<double> latencies;
    std::vector<double> clickTimes;
    latencies.reserve(static_cast<std::size_t>(sends));
    clickTimes.reserve(static_cast<std::size_t>(sends));
    std::size_t reportSize = 0;
    for (int i = 0; i < warmUpSends + sends; ++i) {
        // The previous send's socket is freed here, outside the measured span.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        const Clock::time_point clicked = Clock::now();
        QTest::mouseClick(btnSend, Qt::LeftButton);
        const Clock::time_point handled = Clock::now();
        const ArrivalRecorder::Report report = server.waitForReports(static_cast<std::size_t>(i) + 1);
        if (reportSize == 0)
            reportSize = report.size;
        if (errors > 0 || report.size != reportSize) {
            std::fprintf(stderr, "send %d: a report went missing or arrived incomplete\n", i);
            return 1;
        }
        if (i >= warmUpSends) {
            latencies.push_back(microseconds(report.lastByte - clicked));
            clickTimes.push_back(microseconds(handled - clicked));
        }
    }
    shutDown();

    std::printf("%d sends of a %zu-byte Trade report to 127.0.0.1\n", sends, reportSize);
    printFigures("click-to-wire", latencies);
    printFigures("click handled", clickTimes);
    return 0;
}
