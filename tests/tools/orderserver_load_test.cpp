// Load and faults together: many clients sending Trade reports at the same moment as peers that
// send garbage, invalid UTF-8, floods without a separator, half a message, or nothing at all.
// Every valid trade must be journaled exactly once, nothing else, and the server must still
// answer a Logon request while the silent peers hold their connections.

#include "serverprocess.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int validTrades = 200;

// Client order identifiers as the client makes them: the user name and eight characters 0-9, A-V.
QByteArray identifier(const char* username, int number)
{
    static constexpr char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
    QByteArray id(8, '0');
    for (int i = 7, rest = number; i >= 0; --i, rest /= 32)
        id[i] = digits[rest % 32];
    return username + id;
}

QByteArray tradeReport(const char* username, int number)
{
    return wireBytes("35=8|54=") + QByteArray::number(number % 2) + wireBytes("|55=LOAD|32=")
        + QByteArray::number(number + 1) + wireBytes("|31=") + QByteArray::number(number + 1) + wireBytes(".25|9003=")
        + username + wireBytes("|11=") + identifier(username, number);
}

// One kind of peer: how many there are, what each sends, and whether it closes afterwards.
struct PeerKind {
    const char* name;
    int count;
    std::function<QByteArray(int)> bytes;
    bool closes;
};

} // namespace

class OrderServerLoadTest : public QObject {
    Q_OBJECT

private slots:
    void validTradesSurviveHostilePeers();
};

void OrderServerLoadTest::validTradesSurviveHostilePeers()
{
    ServerProcess server;
    QVERIFY(server.start());

    QRandomGenerator random(20240611);
    const std::vector<PeerKind> kinds = {
        {"valid trade", validTrades, [](int i) { return tradeReport("load", i); }, true},
        {"garbage", 20,
            [&random](int) {
                QByteArray bytes(512 + random.bounded(4096), Qt::Uninitialized);
                for (char& byte : bytes)
                    byte = static_cast<char>(random.bounded(256));
                return bytes;
            },
            true},
        {"invalid utf-8", 20, [](int i) { return tradeReport("utf8", i).replace("LOAD", "LO\xC3\x28"); }, true},
        {"1 MiB without SOH", 5, [](int) { return QByteArray(1024 * 1024, 'A'); }, false},
        {"half a message", 20,
            [](int i) {
                const QByteArray report = tradeReport("half", i);
                return report.left(1 + i * (report.size() - 2) / 19);
            },
            true},
        {"silent", 20, [](int) { return QByteArray(); }, false},
    };

    std::vector<std::unique_ptr<QTcpSocket>> silentPeers;
    std::vector<std::unique_ptr<QTcpSocket>> peers;
    int messagesExpected = 0;
    for (const PeerKind& kind : kinds) {
        for (int i = 0; i < kind.count; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            const QByteArray bytes = kind.bytes(i);
            QTcpSocket* peer = socket.get();
            connect(peer, &QTcpSocket::connected, peer, [peer, bytes, closes = kind.closes] {
                peer->write(bytes);
                if (closes)
                    peer->disconnectFromHost();
            });
            peer->connectToHost(QHostAddress::LocalHost, server.port());
            (bytes.isEmpty() ? silentPeers : peers).push_back(std::move(socket));
            messagesExpected += bytes.isEmpty() ? 0 : 1;
        }
    }

    // Every peer that sends anything leaves one console line: a trade, a reason, or a closing.
    const auto linesAfterStartUp = [&] { return server.console().count(u'\n') - 3; };
    QTRY_COMPARE_WITH_TIMEOUT(linesAfterStartUp(), messagesExpected, 20000);

    const QList<QJsonObject> journal = server.journal();
    QCOMPARE(journal.size(), validTrades);
    QSet<QString> journaled;
    for (const QJsonObject& record : journal)
        journaled.insert(record.value(QStringLiteral("clientOrderId")).toString());
    QSet<QString> sent;
    for (int i = 0; i < validTrades; ++i)
        sent.insert(QString::fromLatin1(identifier("load", i)));
    QCOMPARE(journaled, sent);

    const QString console = server.console();
    QCOMPARE(console.count(QStringLiteral("closed: more than 64 KiB without a whole message")), 5);
    QVERIFY(!console.contains(QStringLiteral("stopped")));
    for (const auto& silent : silentPeers)
        QCOMPARE(silent->state(), QAbstractSocket::ConnectedState);
    QCOMPARE(exchange(server.port(), wireBytes("35=A|553=trader|554=trader1")), wireBytes("35=LR|58=OK|9001=0|"));
    QCOMPARE(server.stop(), 0);
}

QTEST_GUILESS_MAIN(OrderServerLoadTest)
#include "orderserver_load_test.moc"
