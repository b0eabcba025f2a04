#include "tools/order-server/accounts.h"
#include "tools/order-server/console.h"
#include "tools/order-server/journal.h"
#include "tools/order-server/logtext.h"
#include "tools/order-server/orderserver.h"
#include "tools/order-server/serveroptions.h"
#include "tools/order-server/stopsignals.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <exception>
#include <optional>

using namespace talvenor::orderserver;

namespace {

QString addressText(const QHostAddress& address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QStringLiteral("[%1]").arg(address.toString())
        : address.toString();
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

std::string accountsText(const ServerOptions& options, const Accounts& accounts)
{
    if (options.accountsFile)
        return std::to_string(accounts.all().size()) + " from " + *options.accountsFile;
    std::string text = "the demonstration accounts";
    const char* separator = " ";
    for (const Account& account : accounts.all()) {
        text += separator + quotedForLog(account.userId) + " (trader type " + std::to_string(account.traderType) + ')';
        separator = ", ";
    }
    return text;
}

int startUpFailure(const char* what)
{
    std::fprintf(stderr, "talvenor-order-server: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // The plain poll() event dispatcher costs less per connection than the GLib one.
    qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("talvenor-order-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALVENOR_VERSION));
    // A console that nobody reads any more must not end the server.
    std::signal(SIGPIPE, SIG_IGN);

    ServerOptions options;
    try {
        options = parseServerOptions(QCoreApplication::arguments());
    } catch (const OptionsError& error) {
        std::fprintf(stderr, "talvenor-order-server: %s (see --help)\n", error.what());
        return 2;
    }

    std::optional<Accounts> accounts;
    std::optional<Journal> journal;
    try {
        accounts = options.accountsFile ? Accounts::load(*options.accountsFile) : Accounts::demo();
        journal.emplace(options.journalFile, options.fsync);
    } catch (const std::exception& error) {
        return startUpFailure(error.what());
    }

    Console console;
    const std::string accountsLine = "accounts: " + accountsText(options, *accounts);
    OrderServer server(MessageHandler(std::move(*accounts)), *journal, console, options.idleTimeout);
    if (!server.listen(options.address, options.port)) {
        const QString failure = QStringLiteral("cannot listen on %1: %2")
                                    .arg(addressText(options.address, options.port), server.errorString());
        return startUpFailure(qPrintable(failure));
    }

    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &server, [&server](const QString& name) {
        server.stop(name.toStdString());
        QCoreApplication::exit(0);
    });
    QObject::connect(&server, &OrderServer::failed, &server, [](const QString& reason) {
        std::fprintf(stderr, "talvenor-order-server: %s\n", qPrintable(reason));
        QCoreApplication::exit(1);
    });

    console.line("talvenor-order-server listening on " + addressText(server.address(), server.port()).toStdString());
    console.line(accountsLine);
    console.line(
        "journal: " + journal->path() + (options.fsync ? ", each record made durable before it is acknowledged" : ""));
    console.flush();
    return QCoreApplication::exec();
}
