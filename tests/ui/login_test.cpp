#include "protocol/session.h"
#include "ui/login.h"
#include "ui/mainwindow.h"
#include "ui/serverlink.h"
#include "ui/startup.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

// The login exchange from the OK press to the handled Login reply, against a real server.
class LoginTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void logonRequestOnTheWire_data();
    void logonRequestOnTheWire();
    void loginReply_data();
    void loginReply();
    void refusedLoginCanBeTriedAgain();
    void serverNotListening();
    void failedReplyLeavesTheProgramWorking();

private:
    void pressOk(const QString& userId, const QString& password);
    // Sends a reply on the newest connection and waits until the main window has handled it.
    void replyAndWait(const QByteArray& reply);
    static void verifyRestrictedButtons(bool visible);

    std::unique_ptr<LoopbackPeer> m_peer;
    std::optional<MessageRecorder> m_recorder;
};

void LoginTest::init()
{
    m_recorder.emplace();
    m_peer = std::make_unique<LoopbackPeer>();
    startUp();
    frmMain->clientPort().setRemotePort(m_peer->port());
    QVERIFY(QTest::qWaitForWindowExposed(frmLogin));
}

void LoginTest::cleanup()
{
    shutDown();
    m_peer.reset();
    m_recorder.reset();
    talvenor::username.clear();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{});
}

void LoginTest::pressOk(const QString& userId, const QString& password)
{
    auto* edtUsername = frmLogin->findChild<QLineEdit*>(QStringLiteral("edtUsername"));
    auto* edtPassword = frmLogin->findChild<QLineEdit*>(QStringLiteral("edtPassword"));
    edtUsername->clear();
    edtPassword->clear();
    typeText(edtUsername, userId);
    typeText(edtPassword, password);
    QTest::mouseClick(frmLogin->findChild<QPushButton*>(QStringLiteral("btnOk")), Qt::LeftButton);
}

void LoginTest::replyAndWait(const QByteArray& reply)
{
    QSignalSpy dataIn(&frmMain->clientPort(), &ServerLink::dataIn);
    m_peer->reply(reply);
    QVERIFY(dataIn.wait());
}

void LoginTest::verifyRestrictedButtons(bool visible)
{
    QCOMPARE(frmMain->findChild<QPushButton*>(QStringLiteral("btnViewTrader"))->isVisible(), visible);
    QCOMPARE(frmMain->findChild<QPushButton*>(QStringLiteral("btnEditTrade"))->isVisible(), visible);
}

void LoginTest::logonRequestOnTheWire_data()
{
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("request");

    QTest::newRow("typed values") << QStringLiteral("u1") << QStringLiteral("secret") << wire("35=A|553=u1|554=secret");
    QTest::newRow("empty fields") << QString() << QString() << wire("35=A|553=|554=");
    QTest::newRow("surrounding blanks kept")
        << QStringLiteral(" u1 ") << QStringLiteral(" p w ") << wire("35=A|553= u1 |554= p w ");
    QTest::newRow("non-ascii as utf-8") << QStringLiteral("Jürgen") << QStringLiteral("pässwörd")
                                        << wire("35=A|553=J\xC3\xBCrgen|554=p\xC3\xA4ssw\xC3\xB6rd");
}

void LoginTest::logonRequestOnTheWire()
{
    QFETCH(QString, userId);
    QFETCH(QString, password);
    QFETCH(QByteArray, request);

    pressOk(userId, password);

    QCOMPARE(talvenor::username, userId.toStdU16String());
    QVERIFY(m_peer->waitForConnections(1));
    QTRY_COMPARE(m_peer->connections()[0].received, request);
    QCOMPARE(m_recorder->errors(), QStringList{});
    QVERIFY(frmMain->clientPort().connected());
}

void LoginTest::loginReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("loginVisible");
    QTest::addColumn<bool>("restrictedVisible");
    QTest::addColumn<bool>("linkClosed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("errors");

    const QStringList none;
    const QStringList invalidEmpty{QStringLiteral("'' is not a valid integer value")};

    QTest::newRow("accepted, trader type 0") << wire("35=LR|58=OK|9001=0|") << false << true << true << none << none;
    QTest::newRow("accepted, trader type 1") << wire("35=LR|58=OK|9001=1|") << false << false << true << none << none;
    QTest::newRow("accepted, trader type 2") << wire("35=LR|58=OK|9001=2|") << false << true << true << none << none;
    QTest::newRow("accepted, fields in another order")
        << wire("58=OK|35=LR|9001=1|") << false << false << true << none << none;
    QTest::newRow("accepted, blanks around values")
        << wire("35= LR |58= OK |9001= 1 |") << false << false << true << none << none;
    QTest::newRow("refused") << wire("35=LR|58=Invalid password|9001=0|") << true << true << true
                             << QStringList{QStringLiteral("Invalid password")} << none;
    QTest::newRow("refused with empty text")
        << wire("35=LR|58=|9001=0|") << true << true << true << QStringList{QString()} << none;
    QTest::newRow("refused, ok in lower case")
        << wire("35=LR|58=ok|9001=1|") << true << true << true << QStringList{QStringLiteral("ok")} << none;
    QTest::newRow("two replies in one read, refusal first")
        << wire("35=LR|58=Invalid password|9001=0|35=LR|58=OK|9001=1|") << true << true << true
        << QStringList{QStringLiteral("Invalid password")} << none;
    QTest::newRow("two replies in one read, acceptance first")
        << wire("35=LR|58=OK|9001=1|35=LR|58=Invalid password|9001=0|") << false << false << true << none << none;
    QTest::newRow("9001 unterminated") << wire("35=LR|58=OK|9001=1") << true << true << false << none << invalidEmpty;
    QTest::newRow("9001 missing") << wire("35=LR|58=OK|") << true << true << false << none << invalidEmpty;
    QTest::newRow("9001 not a number") << wire("35=LR|58=OK|9001=x1|") << true << true << false << none
                                       << QStringList{QStringLiteral("'x1' is not a valid integer value")};
    QTest::newRow("9001 out of range") << wire("35=LR|58=OK|9001=99999999999|") << true << true << false << none
                                       << QStringList{QStringLiteral("'99999999999' is not a valid integer value")};
    QTest::newRow("no tag 35") << wire("58=OK|9001=1|") << true << true << false << none << none;
    QTest::newRow("35 unterminated") << wire("58=OK|9001=1|35=LR") << true << true << false << none << none;
    QTest::newRow("35 only inside another tag")
        << wire("9035=LR|58=OK|9001=1|") << true << true << false << none << none;
    QTest::newRow("another type") << wire("35=8|58=OK|9001=1|") << true << true << false << none << none;
    QTest::newRow("type in lower case") << wire("35=lr|58=OK|9001=1|") << true << true << false << none << none;
    QTest::newRow("not utf-8") << QByteArray("35=LR\x01"
                                             "58=\xFF\xFE\x01"
                                             "9001=0\x01")
                               << true << true << true << QStringList{QStringLiteral(u"\uFFFD\uFFFD")} << none;
}

void LoginTest::loginReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, loginVisible);
    QFETCH(bool, restrictedVisible);
    QFETCH(bool, linkClosed);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, errors);

    pressOk(QStringLiteral("u1"), QStringLiteral("pw"));
    QVERIFY(m_peer->waitForConnections(1));
    replyAndWait(reply);

    QCOMPARE(m_recorder->messages(), messages);
    QCOMPARE(m_recorder->errors(), errors);
    QCOMPARE(frmLogin->isVisible(), loginVisible);
    verifyRestrictedButtons(restrictedVisible);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(frmMain->findChild<QPushButton*>(QStringLiteral("btnAddTrade"))->isVisible());
    QCOMPARE(frmMain->clientPort().connected(), !linkClosed);
    if (linkClosed)
        QVERIFY(m_peer->waitForClientClose(0));
    QVERIFY(frmMain->isVisible());
    QCOMPARE(talvenor::username, u"u1");
}

void LoginTest::refusedLoginCanBeTriedAgain()
{
    pressOk(QStringLiteral("u1"), QStringLiteral("wrong"));
    QVERIFY(m_peer->waitForConnections(1));
    replyAndWait(wire("35=LR|58=Invalid password|9001=0|"));
    QVERIFY(m_peer->waitForClientClose(0));
    QVERIFY(frmLogin->isVisible());

    pressOk(QStringLiteral("u2"), QStringLiteral("right"));
    QVERIFY(m_peer->waitForConnections(2));
    QTRY_COMPARE(m_peer->connections()[1].received, wire("35=A|553=u2|554=right"));
    replyAndWait(wire("35=LR|58=OK|9001=0|"));

    QVERIFY(m_peer->waitForClientClose(1));
    QVERIFY(!frmLogin->isVisible());
    QCOMPARE(m_recorder->messages(), QStringList{QStringLiteral("Invalid password")});
    QCOMPARE(m_recorder->errors(), QStringList{});
    QCOMPARE(talvenor::username, u"u2");
}

void LoginTest::serverNotListening()
{
    const RefusingPort refusing;
    const quint16 port = refusing.port();
    frmMain->clientPort().setRemotePort(port);

    pressOk(QStringLiteral("u1"), QStringLiteral("pw"));

    QCOMPARE(m_recorder->errors().size(), 1);
    QVERIFY2(m_recorder->errors()[0].contains(QStringLiteral("127.0.0.1:%1").arg(port)),
        qPrintable(m_recorder->errors()[0]));
    QCOMPARE(m_recorder->messages(), QStringList{});
    QVERIFY(!frmMain->clientPort().connected());
    QVERIFY(frmLogin->isVisible());
    QCOMPARE(talvenor::username, u"u1");
}

void LoginTest::failedReplyLeavesTheProgramWorking()
{
    pressOk(QStringLiteral("u1"), QStringLiteral("pw"));
    QVERIFY(m_peer->waitForConnections(1));
    replyAndWait(wire("35=LR|58=OK|9001=one|"));
    QCOMPARE(m_recorder->errors(), QStringList{QStringLiteral("'one' is not a valid integer value")});

    // The next OK press drops the connection left open and logs in over a fresh one.
    pressOk(QStringLiteral("u1"), QStringLiteral("pw"));
    QVERIFY(m_peer->waitForConnections(2));
    QVERIFY(m_peer->waitForClientClose(0));
    replyAndWait(wire("35=LR|58=OK|9001=1|"));

    QVERIFY(!frmLogin->isVisible());
    verifyRestrictedButtons(false);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(m_peer->waitForClientClose(1));
    QCOMPARE(m_recorder->errors().size(), 1);
}

QTEST_MAIN(LoginTest)
#include "login_test.moc"
