#include "ui/serverlink.h"
#include "uitestsupport.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

// The link against a real server on 127.0.0.1: what reaches the wire, what is announced, and
// the failures a user sees.
class ServerLinkTest : public QObject {
    Q_OBJECT

private slots:
    void sendWritesTheWholeTextAsUtf8_data();
    void sendWritesTheWholeTextAsUtf8();
    void reconnectingDropsTheStaleConnectionAndItsReply();
    void disconnectingInsideTheDataHandlerIsSafe();
    void dataArrivingWhileSendingIsAnnouncedAfterSendReturns();
    void characterSplitAcrossTwoReadsIsDecodedWhole();
    void failedConnectNamesHostAndPort();
    void sendOnClosedLinkFails_data();
    void sendOnClosedLinkFails();
    void sendToAServerThatResetTheConnectionFails();

private:
    enum Closing { NeverOpened, ClosedByClient, ClosedByServer };

    static void openTo(ServerLink& link, const LoopbackPeer& peer);
};

void ServerLinkTest::openTo(ServerLink& link, const LoopbackPeer& peer)
{
    link.setRemoteHost(QStringLiteral("127.0.0.1"));
    link.setRemotePort(peer.port());
    link.setConnected(true);
}

void ServerLinkTest::sendWritesTheWholeTextAsUtf8_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii with SOH") << QStringLiteral("35=A\x01"
                                                      "553=u1\x01"
                                                      "554=pw");
    QTest::newRow("non-ascii") << QStringLiteral("553=Grüße 日本 \U0001F600");
    QTest::newRow("64 KiB") << QString(64 * 1024, QLatin1Char(u'x'));
}

void ServerLinkTest::sendWritesTheWholeTextAsUtf8()
{
    QFETCH(QString, text);
    LoopbackPeer peer;
    ServerLink link;
    openTo(link, peer);

    link.Send(text);
    QVERIFY(link.connected());
    QVERIFY(peer.waitForConnections(1));
    QTRY_COMPARE(peer.connections()[0].received.size(), text.toUtf8().size());
    QCOMPARE(peer.connections()[0].received, text.toUtf8());
}

void ServerLinkTest::reconnectingDropsTheStaleConnectionAndItsReply()
{
    LoopbackPeer peer;
    ServerLink link;
    QSignalSpy dataIn(&link, &ServerLink::dataIn);
    openTo(link, peer);
    QVERIFY(peer.waitForConnections(1));

    // The stale reply is already on its way when the link is opened again.
    peer.reply("stale");
    link.setConnected(true);

    QVERIFY(peer.waitForConnections(2));
    QVERIFY(peer.waitForClientClose(0));
    peer.reply("fresh");
    QVERIFY(dataIn.wait());
    QCOMPARE(dataIn.size(), 1);
    QCOMPARE(dataIn.at(0).at(0).toString(), QStringLiteral("fresh"));
    QVERIFY(link.connected());
}

void ServerLinkTest::disconnectingInsideTheDataHandlerIsSafe()
{
    LoopbackPeer peer;
    ServerLink link;
    QStringList received;
    connect(&link, &ServerLink::dataIn, &link, [&](const QString& text) {
        received.append(text);
        link.setConnected(false);
    });
    openTo(link, peer);
    QVERIFY(peer.waitForConnections(1));

    peer.reply("reply");

    QVERIFY(peer.waitForClientClose(0));
    QCOMPARE(received, QStringList{QStringLiteral("reply")});
    QVERIFY(!link.connected());
}

void ServerLinkTest::dataArrivingWhileSendingIsAnnouncedAfterSendReturns()
{
    // A server that answers before it has read the request: the answer is waiting in the
    // client's receive buffer when Send() starts writing.
    LoopbackPeer peer;
    ServerLink link;
    bool sending = false;
    bool announcedWhileSending = false;
    QStringList received;
    connect(&link, &ServerLink::dataIn, &link, [&](const QString& text) {
        announcedWhileSending = announcedWhileSending || sending;
        received.append(text);
        link.setConnected(false);
    });
    openTo(link, peer);
    QVERIFY(peer.waitForConnections(1));
    peer.reply("early answer");

    sending = true;
    link.Send(QStringLiteral("35=A"));
    sending = false;

    QTRY_COMPARE(received, QStringList{QStringLiteral("early answer")});
    QVERIFY(!announcedWhileSending);
    QVERIFY(!link.connected());
}

void ServerLinkTest::characterSplitAcrossTwoReadsIsDecodedWhole()
{
    LoopbackPeer peer;
    ServerLink link;
    QSignalSpy dataIn(&link, &ServerLink::dataIn);
    openTo(link, peer);
    QVERIFY(peer.waitForConnections(1));

    // "é" is C3 A9 in UTF-8; the first read ends between the two bytes.
    peer.reply("58=\xC3");
    QVERIFY(dataIn.wait());
    peer.reply("\xA9|");
    QVERIFY(dataIn.wait());

    QCOMPARE(dataIn.size(), 2);
    QCOMPARE(dataIn.at(0).at(0).toString(), QStringLiteral("58="));
    QCOMPARE(dataIn.at(1).at(0).toString(), QStringLiteral("é|"));
}

void ServerLinkTest::failedConnectNamesHostAndPort()
{
    const RefusingPort refusing;
    const quint16 port = refusing.port();
    ServerLink link;
    QSignalSpy dataIn(&link, &ServerLink::dataIn);

    link.setRemoteHost(QStringLiteral("127.0.0.1"));
    link.setRemotePort(port);

    try {
        link.setConnected(true);
        QFAIL("connecting to a port nobody listens on succeeded");
    } catch (const LinkError& error) {
        const QString text = QString::fromUtf8(error.what());
        QVERIFY2(text.contains(QStringLiteral("connect")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("127.0.0.1:%1").arg(port)), qPrintable(text));
    }
    QVERIFY(!link.connected());
    QVERIFY_THROWS_EXCEPTION(LinkError, link.Send(QStringLiteral("35=A")));
}

void ServerLinkTest::sendOnClosedLinkFails_data()
{
    QTest::addColumn<int>("closing");

    QTest::newRow("never opened") << int(NeverOpened);
    QTest::newRow("closed by the client") << int(ClosedByClient);
    QTest::newRow("closed by the server") << int(ClosedByServer);
}

void ServerLinkTest::sendOnClosedLinkFails()
{
    QFETCH(int, closing);
    LoopbackPeer peer;
    ServerLink link;
    link.setRemotePort(peer.port());
    if (closing != NeverOpened) {
        openTo(link, peer);
        QVERIFY(peer.waitForConnections(1));
    }
    if (closing == ClosedByClient)
        link.setConnected(false);
    if (closing == ClosedByServer) {
        peer.connections()[0].socket->disconnectFromHost();
        QTRY_VERIFY(!link.connected());
    }

    try {
        link.Send(QStringLiteral("35=A"));
        QFAIL("sending on a closed link succeeded");
    } catch (const LinkError& error) {
        const QString text = QString::fromUtf8(error.what());
        QVERIFY2(text.contains(QStringLiteral(":%1").arg(peer.port())), qPrintable(text));
    }
}

void ServerLinkTest::sendToAServerThatResetTheConnectionFails()
{
    LoopbackPeer peer;
    ServerLink link;
    openTo(link, peer);
    QVERIFY(peer.waitForConnections(1));

    // The client has not yet noticed the reset (no events run before Send()), so it is the
    // write that fails.
    QVERIFY(peer.resetConnection(0));

    // Larger than the most the kernel buffers for one socket (4 MiB), so some of it is written
    // after the reset arrives even if it arrives late.
    const QString text(8 * 1024 * 1024, QLatin1Char(u'x'));
    try {
        link.Send(text);
        QFAIL("sending to a connection the server reset succeeded");
    } catch (const LinkError& error) {
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(
            message.startsWith(QStringLiteral("Cannot send to the order server at 127.0.0.1:%1: ").arg(peer.port())),
            qPrintable(message));
    }
    QVERIFY(!link.connected());
}

QTEST_GUILESS_MAIN(ServerLinkTest)
#include "serverlink_test.moc"
