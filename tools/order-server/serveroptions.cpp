#include "tools/order-server/serveroptions.h"

#include <QCommandLineParser>

namespace talvenor::orderserver {

namespace {

[[noreturn]] void reject(const QString& what)
{
    throw OptionsError(what.toStdString());
}

void readListenAddress(const QString& text, ServerOptions& options)
{
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon < 0)
        reject(QStringLiteral("--listen wants HOST:PORT, not \"%1\"").arg(text));
    QString host = text.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    bool isNumber = false;
    const uint port = text.mid(colon + 1).toUInt(&isNumber);
    if (!isNumber || port > 65535)
        reject(QStringLiteral("--listen: \"%1\" is not a port number (0 to 65535)").arg(text.mid(colon + 1)));

    const QHostAddress address
        = host == QLatin1String("localhost") ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(host);
    if (address.isNull())
        reject(QStringLiteral("--listen: \"%1\" is not an IP address").arg(host));
    options.address = address;
    options.port = static_cast<quint16>(port);
}

} // namespace

ServerOptions parseServerOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Order server for the Talvenor client: answers Logon requests and journals Trade reports."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption listen(QStringLiteral("listen"),
        QStringLiteral("Address and port to listen on (default 127.0.0.1:9002); port 0 picks a free one."),
        QStringLiteral("HOST:PORT"), QStringLiteral("127.0.0.1:9002"));
    const QCommandLineOption accounts(QStringLiteral("accounts"),
        QStringLiteral("Accounts, one user:password:tradertype a line (default: the demonstration accounts)."),
        QStringLiteral("FILE"));
    const QCommandLineOption journal(QStringLiteral("journal"),
        QStringLiteral("Journal of the valid Trade reports, JSON Lines (default trades.jsonl)."),
        QStringLiteral("FILE"), QStringLiteral("trades.jsonl"));
    const QCommandLineOption fsync(
        QStringLiteral("fsync"), QStringLiteral("Make each journal record durable before it is acknowledged."));
    const QCommandLineOption idleTimeout(QStringLiteral("idle-timeout"),
        QStringLiteral("Close connections idle for this long (default 60)."), QStringLiteral("SECONDS"),
        QStringLiteral("60"));
    parser.addOptions({listen, accounts, journal, fsync, idleTimeout});

    if (!parser.parse(arguments))
        reject(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        reject(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst()));

    ServerOptions options;
    readListenAddress(parser.value(listen), options);
    if (parser.isSet(accounts))
        options.accountsFile = parser.value(accounts).toStdString();
    options.journalFile = parser.value(journal).toStdString();
    if (options.journalFile.empty())
        reject(QStringLiteral("--journal needs a file name"));
    options.fsync = parser.isSet(fsync);
    bool isNumber = false;
    const uint seconds = parser.value(idleTimeout).toUInt(&isNumber);
    if (!isNumber || seconds == 0)
        reject(QStringLiteral("--idle-timeout wants a whole number of seconds above zero, not \"%1\"")
                   .arg(parser.value(idleTimeout)));
    options.idleTimeout = std::chrono::seconds(seconds);
    return options;
}

} // namespace talvenor::orderserver
