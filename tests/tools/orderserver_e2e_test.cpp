// The client and the bundled order server together: the real server binary on a free port, the
// client's windows driven in this process as a user drives them.

#include "serverprocess.h"
#include "tests/ui/uitestsupport.h"

#include "protocol/clientorderid.h"
#include "protocol/session.h"
#include "ui/addtrade.h"
#include "ui/login.h"
#include "ui/mainwindow.h"
#include "ui/serverlink.h"
#include "ui/startup.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <memory>
#include <optional>

namespace {

template <typename Widget> Widget* control(QWidget* window, const char* name)
{
    return window->findChild<Widget*>(QLatin1String(name));
}

// Replaces a field's text by typing over it.
void typeInto(QLineEdit* field, const QString& keys)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, keys);
}

} // namespace

class OrderServerEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void demoTradersLogIn_data();
    void demoTradersLogIn();
    void wrongPasswordIsRefusedWithTheServersText();
    void sentTradesAreJournaledExactlyOnce();

private:
    void logIn(const QString& userId, const QString& password);

    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<MessageRecorder> m_recorder;
    std::optional<PinnedClientState> m_state;
};

void OrderServerEndToEndTest::init()
{
    m_state.emplace();
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    m_recorder = std::make_unique<MessageRecorder>();

    m_server = std::make_unique<ServerProcess>();
    QVERIFY2(m_server->start(), qPrintable(m_server->errors()));
    startUp();
    frmMain->clientPort().setRemotePort(m_server->port());
    QVERIFY(QTest::qWaitForWindowExposed(frmLogin));
}

void OrderServerEndToEndTest::cleanup()
{
    shutDown();
    if (m_server) {
        // The password must not show up anywhere the server writes.
        const QString output = m_server->console() + m_server->errors();
        QVERIFY(!output.contains(QStringLiteral("trader1")));
        QVERIFY(!output.contains(QStringLiteral("restricted1")));
        QCOMPARE(m_server->stop(), 0);
    }
    m_server.reset();
    m_recorder.reset();
    m_state.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void OrderServerEndToEndTest::logIn(const QString& userId, const QString& password)
{
    typeInto(control<QLineEdit>(frmLogin, "edtUsername"), userId);
    typeInto(control<QLineEdit>(frmLogin, "edtPassword"), password);
    QTest::mouseClick(control<QPushButton>(frmLogin, "btnOk"), Qt::LeftButton);
}

void OrderServerEndToEndTest::demoTradersLogIn_data()
{
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("restrictedButtonsShown");

    QTest::newRow("normal trader") << QStringLiteral("trader") << QStringLiteral("trader1") << true;
    QTest::newRow("restricted trader") << QStringLiteral("restricted") << QStringLiteral("restricted1") << false;
}

void OrderServerEndToEndTest::demoTradersLogIn()
{
    QFETCH(QString, userId);
    QFETCH(QString, password);
    QFETCH(bool, restrictedButtonsShown);

    logIn(userId, password);

    QTRY_VERIFY(!frmLogin->isVisible());
    QTRY_VERIFY(!frmMain->clientPort().connected());
    QCOMPARE(control<QPushButton>(frmMain, "btnViewTrader")->isVisible(), restrictedButtonsShown);
    QCOMPARE(control<QPushButton>(frmMain, "btnEditTrade")->isVisible(), restrictedButtonsShown);
    QVERIFY(control<QPushButton>(frmMain, "btnAddTrade")->isVisible());
    QVERIFY(m_recorder->messages().isEmpty());
    QVERIFY(m_recorder->errors().isEmpty());
}

void OrderServerEndToEndTest::wrongPasswordIsRefusedWithTheServersText()
{
    logIn(QStringLiteral("trader"), QStringLiteral("restricted1"));

    QTRY_COMPARE(m_recorder->messages(), QStringList{QStringLiteral("Unknown user id or wrong password")});
    QVERIFY(frmLogin->isVisible());
    QVERIFY(control<QPushButton>(frmMain, "btnViewTrader")->isVisible());
    QVERIFY(m_recorder->errors().isEmpty());
    QVERIFY(m_server->waitForConsole(QStringLiteral("login refused: wrong password for \"trader\"")));
}

void OrderServerEndToEndTest::sentTradesAreJournaledExactlyOnce()
{
    logIn(QStringLiteral("trader"), QStringLiteral("trader1"));
    QTRY_VERIFY(!frmLogin->isVisible());
    QTest::mouseClick(control<QPushButton>(frmMain, "btnAddTrade"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(frmAddTrade));

    struct Trade {
        QString side;
        QString symbol;
        QString volume;
        QString price;
    };
    const QList<Trade> trades
        = {{QStringLiteral("BUY"), QStringLiteral("ABC"), QStringLiteral("100"), QStringLiteral("12.50")},
            {QStringLiteral("SELL"), QStringLiteral("xyz"), QStringLiteral("0007"), QStringLiteral("0.125")},
            {QStringLiteral("BUY"), QStringLiteral("ABC"), QStringLiteral("250000"), QStringLiteral("1000")}};
    auto* cmbSide = control<QComboBox>(frmAddTrade, "cmbSide");
    for (const Trade& trade : trades) {
        cmbSide->setCurrentIndex(cmbSide->findText(trade.side));
        typeInto(control<QLineEdit>(frmAddTrade, "edtSymbol"), trade.symbol);
        typeInto(control<QLineEdit>(frmAddTrade, "edtQuantity"), trade.volume);
        typeInto(control<QLineEdit>(frmAddTrade, "edtPrice"), trade.price);
        QTest::mouseClick(control<QPushButton>(frmAddTrade, "btnSend"), Qt::LeftButton);
    }
    QVERIFY(m_recorder->errors().isEmpty());

    QVERIFY(m_server->waitForJournal(trades.size()));
    const QList<QJsonObject> journal = m_server->journal();
    QCOMPARE(journal.size(), trades.size());

    QMap<QString, QJsonObject> byIdentifier;
    for (QJsonObject record : journal) {
        QVERIFY(record.take(QStringLiteral("peer")).toString().startsWith(QStringLiteral("127.0.0.1:")));
        QVERIFY(QDateTime::fromString(record.take(QStringLiteral("received")).toString(), Qt::ISODateWithMs).isValid());
        byIdentifier.insert(record.value(QStringLiteral("clientOrderId")).toString(), record);
    }
    const QMap<QString, QJsonObject> expected = {
        {QStringLiteral("trader008KS001"),
            QJsonObject{{"side", 0}, {"symbol", "ABC"}, {"volume", 100}, {"price", 12.5}, {"username", "trader"},
                {"clientOrderId", "trader008KS001"}}},
        {QStringLiteral("trader008KS002"),
            QJsonObject{{"side", 1}, {"symbol", "XYZ"}, {"volume", 7}, {"price", 0.125}, {"username", "trader"},
                {"clientOrderId", "trader008KS002"}}},
        {QStringLiteral("trader008KS003"),
            QJsonObject{{"side", 0}, {"symbol", "ABC"}, {"volume", 250000}, {"price", 1000}, {"username", "trader"},
                {"clientOrderId", "trader008KS003"}}},
    };
    QCOMPARE(byIdentifier, expected);
}

QTEST_MAIN(OrderServerEndToEndTest)
#include "orderserver_e2e_test.moc"
