// The Add Trade window driven as the user drives it: keys typed into its fields, its buttons
// clicked, and the Trade report read back by a real server on the loopback interface.

#include "uitestsupport.h"

#include "protocol/clientorderid.h"
#include "protocol/session.h"
#include "ui/addtrade.h"
#include "ui/login.h"
#include "ui/mainwindow.h"
#include "ui/serverlink.h"
#include "ui/startup.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

namespace {

// The value of tag 11 in a Trade report.
QByteArray clientOrderId(const QByteArray& report)
{
    const qsizetype start = report.lastIndexOf("\x01"
                                               "11=");
    return start < 0 ? QByteArray() : report.mid(start + 4);
}

} // namespace

class AddTradeTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createdHiddenAtStartUp();
    void opensWithZeroInTheUsersLocale_data();
    void opensWithZeroInTheUsersLocale();
    void accessKeysMoveFocus_data();
    void accessKeysMoveFocus();
    void tabOrder();
    void stockIsUpperCase();

    void keyFilters_data();
    void keyFilters();
    void editingKeysAndShortcutsPass();
    void pastedTextIsExaminedWhenConverted();
    void inputMethodTextIsFiltered();

    void valueWhileTyping_data();
    void valueWhileTyping();
    void typingErrorsKeepTheValue_data();
    void typingErrorsKeepTheValue();

    void sendsTradeReport_data();
    void sendsTradeReport();
    void sendAfterLoginCarriesTheUserName();
    void twoSendsHaveDifferentIdentifiers();
    void sendTimeConversionErrorsCloseTheLink_data();
    void sendTimeConversionErrorsCloseTheLink();
    void serverNotListening();

    void escapeClosesAndContentsStay();

private:
    [[nodiscard]] bool openWindow(const char* localeName);
    void typeInto(const char* fieldName, const QString& keys);
    [[nodiscard]] bool sendAndReceive(QByteArray& received);
    [[nodiscard]] QPushButton* button(const char* name) const;
    [[nodiscard]] QLineEdit* edit(const char* name) const;
    [[nodiscard]] QString value() const;

    std::unique_ptr<MessageRecorder> m_recorder;
    std::unique_ptr<LoopbackPeer> m_peer;
    std::optional<PinnedClientState> m_state;
};

void AddTradeTest::init()
{
    m_state.emplace();
    m_recorder = std::make_unique<MessageRecorder>();
    m_peer = std::make_unique<LoopbackPeer>();
}

void AddTradeTest::cleanup()
{
    shutDown();
    m_peer.reset();
    m_recorder.reset();
    m_state.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Starts the client under the given locale and opens the Add Trade window from the main window.
bool AddTradeTest::openWindow(const char* localeName)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(localeName)));
    startUp();
    frmMain->clientPort().setRemotePort(m_peer->port());
    QTest::mouseClick(frmMain->findChild<QPushButton*>(QStringLiteral("btnAddTrade")), Qt::LeftButton);
    return QTest::qWaitForWindowActive(frmAddTrade);
}

// Replaces a field's text by typing over it, key by key.
void AddTradeTest::typeInto(const char* fieldName, const QString& keys)
{
    QLineEdit* field = edit(fieldName);
    field->setFocus();
    field->selectAll();
    if (keys.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, keys);
}

// Clicks Send and collects what the server got on the newest connection once the client closed it.
bool AddTradeTest::sendAndReceive(QByteArray& received)
{
    const std::size_t index = m_peer->connections().size();
    QTest::mouseClick(button("btnSend"), Qt::LeftButton);
    if (!m_peer->waitForConnections(index + 1) || !m_peer->waitForClientClose(index))
        return false;
    received = m_peer->connections()[index].received;
    return true;
}

QPushButton* AddTradeTest::button(const char* name) const
{
    return frmAddTrade->findChild<QPushButton*>(QLatin1String(name));
}

QLineEdit* AddTradeTest::edit(const char* name) const
{
    return frmAddTrade->findChild<QLineEdit*>(QLatin1String(name));
}

QString AddTradeTest::value() const
{
    return frmAddTrade->findChild<QLabel*>(QStringLiteral("ValLabel"))->text();
}

void AddTradeTest::createdHiddenAtStartUp()
{
    startUp();
    QVERIFY(frmAddTrade);
    QVERIFY(!frmAddTrade->isVisible());
    QCOMPARE(frmAddTrade->parentWidget(), frmMain);
    QVERIFY(frmAddTrade->isWindow());
    QCOMPARE(frmAddTrade->windowTitle(), QStringLiteral("Add Trade"));

    QPushButton* btnAddTrade = frmMain->findChild<QPushButton*>(QStringLiteral("btnAddTrade"));
    QTest::mouseClick(btnAddTrade, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(frmAddTrade));
    QCOMPARE(frmAddTrade->windowModality(), Qt::NonModal);

    // A second click brings the same window forward instead of making another.
    QTest::mouseClick(btnAddTrade, Qt::LeftButton);
    QCOMPARE(frmMain->findChildren<TfrmAddTrade*>().size(), 1);
    QVERIFY(QTest::qWaitForWindowActive(frmAddTrade));
}

void AddTradeTest::opensWithZeroInTheUsersLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("zero");

    QTest::newRow("en_US") << "en_US"
                           << "0.00";
    QTest::newRow("de_DE") << "de_DE"
                           << "0,00";
}

void AddTradeTest::opensWithZeroInTheUsersLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, zero);
    QVERIFY(openWindow(qPrintable(locale)));

    auto* cmbSide = frmAddTrade->findChild<QComboBox*>(QStringLiteral("cmbSide"));
    QCOMPARE(cmbSide->currentText(), QStringLiteral("BUY"));
    QCOMPARE(cmbSide->count(), 2);
    QCOMPARE(cmbSide->itemText(1), QStringLiteral("SELL"));
    QCOMPARE(edit("edtSymbol")->text(), QString());
    QCOMPARE(edit("edtQuantity")->text(), QString());
    QCOMPARE(edit("edtPrice")->text(), zero);
    QCOMPARE(value(), zero);
    QVERIFY(m_recorder->errors().isEmpty());
}

void AddTradeTest::accessKeysMoveFocus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("field");

    QTest::newRow("Alt+S side") << int(Qt::Key_S) << "cmbSide";
    QTest::newRow("Alt+T stock") << int(Qt::Key_T) << "edtSymbol";
    QTest::newRow("Alt+V volume") << int(Qt::Key_V) << "edtQuantity";
    QTest::newRow("Alt+P price") << int(Qt::Key_P) << "edtPrice";
}

void AddTradeTest::accessKeysMoveFocus()
{
    QFETCH(int, key);
    QFETCH(QString, field);
    QVERIFY(openWindow("en_US"));
    button("btnSend")->setFocus();

    QTest::keyClick(frmAddTrade, Qt::Key(key), Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), field);
}

void AddTradeTest::tabOrder()
{
    QVERIFY(openWindow("en_US"));
    button("btnClose")->setFocus();

    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"btnSend", "edtSymbol", "cmbSide", "edtQuantity", "edtPrice", "btnClose"}));
}

void AddTradeTest::stockIsUpperCase()
{
    QVERIFY(openWindow("en_US"));
    typeInto("edtSymbol", QStringLiteral("ab"));
    QApplication::clipboard()->setText(QStringLiteral("c.d"));
    QTest::keyClick(edit("edtSymbol"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit("edtSymbol")->text(), QStringLiteral("ABC.D"));
}

void AddTradeTest::keyFilters_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("admitted");

    struct Row {
        const char* locale;
        const char* field;
        const char* key;
        bool admitted;
    };
    const Row rows[] = {
        {"en_US", "edtQuantity", "7", true},
        {"en_US", "edtQuantity", "0", true},
        {"en_US", "edtQuantity", ".", false},
        {"en_US", "edtQuantity", "-", false},
        {"en_US", "edtQuantity", "a", false},
        {"en_US", "edtQuantity", " ", false},
        {"de_DE", "edtQuantity", ",", false},
        {"en_US", "edtPrice", "9", true},
        {"en_US", "edtPrice", ".", true},
        {"en_US", "edtPrice", ",", false},
        {"en_US", "edtPrice", "e", false},
        {"en_US", "edtPrice", "+", false},
        {"de_DE", "edtPrice", ",", true},
        {"de_DE", "edtPrice", ".", false},
        {"fr_FR", "edtPrice", ",", true},
        {"de_CH", "edtPrice", ".", true},
    };
    for (const Row& row : rows)
        QTest::addRow("%s %s '%s'", row.locale, row.field, row.key)
            << row.locale << row.field << row.key << row.admitted;
}

void AddTradeTest::keyFilters()
{
    QFETCH(QString, locale);
    QFETCH(QString, field);
    QFETCH(QString, key);
    QFETCH(bool, admitted);
    QVERIFY(openWindow(qPrintable(locale)));
    QLineEdit* edit = this->edit(qPrintable(field));
    edit->setText(QStringLiteral("1"));
    edit->setFocus();
    edit->end(false);

    QTest::keyClicks(edit, key);
    QCOMPARE(edit->text(), admitted ? "1" + key : QStringLiteral("1"));
}

void AddTradeTest::editingKeysAndShortcutsPass()
{
    QVERIFY(openWindow("en_US"));
    typeInto("edtQuantity", QStringLiteral("123"));
    QLineEdit* edtQuantity = edit("edtQuantity");

    QTest::keyClick(edtQuantity, Qt::Key_Left);
    QTest::keyClick(edtQuantity, Qt::Key_Backspace);
    QCOMPARE(edtQuantity->text(), QStringLiteral("13"));
    QTest::keyClick(edtQuantity, Qt::Key_Delete);
    QCOMPARE(edtQuantity->text(), QStringLiteral("1"));

    QApplication::clipboard()->setText(QStringLiteral("45"));
    QTest::keyClick(edtQuantity, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edtQuantity->text(), QStringLiteral("145"));
    QVERIFY(m_recorder->errors().isEmpty());
}

void AddTradeTest::pastedTextIsExaminedWhenConverted()
{
    QVERIFY(openWindow("en_US"));
    typeInto("edtQuantity", QStringLiteral("5"));
    typeInto("edtPrice", QStringLiteral("2"));
    QCOMPARE(value(), QStringLiteral("10.00"));

    QApplication::clipboard()->setText(QStringLiteral("1,5"));
    edit("edtPrice")->selectAll();
    QTest::keyClick(edit("edtPrice"), Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(edit("edtPrice")->text(), QStringLiteral("1,5"));
    QCOMPARE(m_recorder->errors(), QStringList{"'1,5' is not a valid floating point value"});
    QCOMPARE(value(), QStringLiteral("10.00"));
}

void AddTradeTest::inputMethodTextIsFiltered()
{
    QVERIFY(openWindow("en_US"));
    QLineEdit* edtQuantity = edit("edtQuantity");
    edtQuantity->setFocus();

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("4x2"));
    QApplication::sendEvent(edtQuantity, &commit);
    QCOMPARE(edtQuantity->text(), QStringLiteral("42"));
}

void AddTradeTest::valueWhileTyping_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("volume");
    // Empty: the price as the window opens.
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("value");

    QTest::newRow("en_US 1000 x 12.5") << "en_US"
                                       << "1000"
                                       << "12.5"
                                       << "12,500.00";
    QTest::newRow("de_DE 1000 x 12,5") << "de_DE"
                                       << "1000"
                                       << "12,5"
                                       << "12.500,00";
    QTest::newRow("en_US 1 x 0.123456789") << "en_US"
                                           << "1"
                                           << "0.123456789"
                                           << "0.1234568";
    QTest::newRow("de_DE 1 x 0,123456789") << "de_DE"
                                           << "1"
                                           << "0,123456789"
                                           << "0,1234568";
    QTest::newRow("en_US 3 x 0.5") << "en_US"
                                   << "3"
                                   << "0.5"
                                   << "1.50";
    QTest::newRow("de_DE 3 x 0,5") << "de_DE"
                                   << "3"
                                   << "0,5"
                                   << "1,50";
    QTest::newRow("en_US 1234567 x 1.001") << "en_US"
                                           << "1234567"
                                           << "1.001"
                                           << "1,235,801.567";
    QTest::newRow("en_US first digit x opening price") << "en_US"
                                                       << "7"
                                                       << ""
                                                       << "0.00";
    QTest::newRow("de_DE first digit x opening price") << "de_DE"
                                                       << "7"
                                                       << ""
                                                       << "0,00";
}

void AddTradeTest::valueWhileTyping()
{
    QFETCH(QString, locale);
    QFETCH(QString, volume);
    QFETCH(QString, price);
    QFETCH(QString, value);
    QVERIFY(openWindow(qPrintable(locale)));

    typeInto("edtQuantity", volume);
    if (!price.isEmpty())
        typeInto("edtPrice", price);

    QCOMPARE(this->value(), value);
    QCOMPARE(m_recorder->errors(), QStringList());
}

void AddTradeTest::typingErrorsKeepTheValue_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("value");

    QTest::newRow("en_US volume emptied by Backspace") << "en_US"
                                                       << "edtQuantity"
                                                       << "\b"
                                                       << "'' is not a valid floating point value"
                                                       << "10.00";
    QTest::newRow("de_DE volume emptied by Backspace") << "de_DE"
                                                       << "edtQuantity"
                                                       << "\b"
                                                       << "'' is not a valid floating point value"
                                                       << "10,00";
    QTest::newRow("en_US price 2.2.3") << "en_US"
                                       << "edtPrice"
                                       << ".2.3"
                                       << "'2.2.3' is not a valid floating point value"
                                       << "11.00";
    QTest::newRow("de_DE price 2,2,3") << "de_DE"
                                       << "edtPrice"
                                       << ",2,3"
                                       << "'2,2,3' is not a valid floating point value"
                                       << "11,00";
}

void AddTradeTest::typingErrorsKeepTheValue()
{
    QFETCH(QString, locale);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, error);
    QFETCH(QString, value);
    QVERIFY(openWindow(qPrintable(locale)));
    typeInto("edtQuantity", QStringLiteral("5"));
    typeInto("edtPrice", QStringLiteral("2"));
    QCOMPARE(m_recorder->errors(), QStringList());

    QLineEdit* edit = this->edit(qPrintable(field));
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, keys);

    QVERIFY(!m_recorder->errors().isEmpty());
    QCOMPARE(m_recorder->errors().last(), error);
    QCOMPARE(this->value(), value);
}

void AddTradeTest::sendsTradeReport_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QByteArray>("report");

    QTest::newRow("en_US BUY abc 007 x 12.50")
        << "en_US"
        << "t1"
        << "BUY"
        << "abc"
        << "007"
        << "12.50" << wire("35=8|54=0|55=ABC|32=7|31=12.5|9003=t1|11=t1008KS001");
    QTest::newRow("en_US SELL XYZ 100 x 0.25")
        << "en_US"
        << "t1"
        << "SELL"
        << "XYZ"
        << "100"
        << "0.25" << wire("35=8|54=1|55=XYZ|32=100|31=0.25|9003=t1|11=t1008KS001");
    QTest::newRow("de_DE BUY abc 100 x 12,50")
        << "de_DE"
        << "t1"
        << "BUY"
        << "abc"
        << "100"
        << "12,50" << wire("35=8|54=0|55=ABC|32=100|31=12.5|9003=t1|11=t1008KS001");
    QTest::newRow("de_DE SELL abc 5 x 100,00")
        << "de_DE"
        << "t1"
        << "SELL"
        << "abc"
        << "5"
        << "100,00" << wire("35=8|54=1|55=ABC|32=5|31=100|9003=t1|11=t1008KS001");
    QTest::newRow("en_US before any login") << "en_US"
                                            << ""
                                            << "BUY"
                                            << "ABC"
                                            << "0100"
                                            << "12.50" << wire("35=8|54=0|55=ABC|32=100|31=12.5|9003=|11=008KS001");
}

void AddTradeTest::sendsTradeReport()
{
    QFETCH(QString, locale);
    QFETCH(QString, user);
    QFETCH(QString, side);
    QFETCH(QString, stock);
    QFETCH(QString, volume);
    QFETCH(QString, price);
    QFETCH(QByteArray, report);
    talvenor::username = user.toStdU16String();
    QVERIFY(openWindow(qPrintable(locale)));

    auto* cmbSide = frmAddTrade->findChild<QComboBox*>(QStringLiteral("cmbSide"));
    cmbSide->setCurrentIndex(cmbSide->findText(side));
    typeInto("edtSymbol", stock);
    typeInto("edtQuantity", volume);
    typeInto("edtPrice", price);
    const QStringList fields{edit("edtSymbol")->text(), edit("edtQuantity")->text(), edit("edtPrice")->text()};

    QByteArray received;
    QVERIFY(sendAndReceive(received));
    QCOMPARE(received, report);
    QCOMPARE(m_recorder->errors(), QStringList());
    QVERIFY(!frmMain->clientPort().connected());

    // The window stays open with its fields as they were.
    QVERIFY(frmAddTrade->isVisible());
    QCOMPARE(cmbSide->currentText(), side);
    QCOMPARE(QStringList({edit("edtSymbol")->text(), edit("edtQuantity")->text(), edit("edtPrice")->text()}), fields);
}

void AddTradeTest::sendAfterLoginCarriesTheUserName()
{
    QVERIFY(openWindow("en_US"));
    QTest::keyClicks(frmLogin->findChild<QLineEdit*>(QStringLiteral("edtUsername")), QStringLiteral("t1"));
    QTest::mouseClick(frmLogin->findChild<QPushButton*>(QStringLiteral("btnOk")), Qt::LeftButton);
    QVERIFY(m_peer->waitForConnections(1));
    m_peer->reply(wire("35=LR|58=OK|9001=0|"));
    QVERIFY(m_peer->waitForClientClose(0));

    typeInto("edtSymbol", QStringLiteral("ABC"));
    typeInto("edtQuantity", QStringLiteral("100"));
    typeInto("edtPrice", QStringLiteral("12.5"));
    QByteArray received;
    QVERIFY(sendAndReceive(received));
    QCOMPARE(received, wire("35=8|54=0|55=ABC|32=100|31=12.5|9003=t1|11=t1008KS001"));
}

void AddTradeTest::twoSendsHaveDifferentIdentifiers()
{
    talvenor::username = u"t1";
    QVERIFY(openWindow("en_US"));
    typeInto("edtSymbol", QStringLiteral("ABC"));
    typeInto("edtQuantity", QStringLiteral("1"));

    QByteArray first;
    QByteArray second;
    QVERIFY(sendAndReceive(first));
    QVERIFY(sendAndReceive(second));
    QCOMPARE(clientOrderId(first), QByteArray("t1008KS001"));
    QCOMPARE(clientOrderId(second), QByteArray("t1008KS002"));
}

void AddTradeTest::sendTimeConversionErrorsCloseTheLink_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("error");

    QTest::newRow("en_US empty volume") << "en_US"
                                        << ""
                                        << "12.5"
                                        << "'' is not a valid integer value";
    QTest::newRow("en_US volume beyond 64 bits") << "en_US"
                                                 << "9223372036854775808"
                                                 << "12.5"
                                                 << "'9223372036854775808' is not a valid integer value";
    QTest::newRow("en_US pasted volume 1.5") << "en_US"
                                             << "1.5"
                                             << "12.5"
                                             << "'1.5' is not a valid integer value";
    QTest::newRow("en_US price 1.2.3") << "en_US"
                                       << "100"
                                       << "1.2.3"
                                       << "'1.2.3' is not a valid floating point value";
    QTest::newRow("de_DE pasted price 12.5") << "de_DE"
                                             << "100"
                                             << "12.5"
                                             << "'12.5' is not a valid floating point value";
}

void AddTradeTest::sendTimeConversionErrorsCloseTheLink()
{
    QFETCH(QString, locale);
    QFETCH(QString, volume);
    QFETCH(QString, price);
    QFETCH(QString, error);
    QVERIFY(openWindow(qPrintable(locale)));
    edit("edtSymbol")->setText(QStringLiteral("ABC"));
    edit("edtQuantity")->setText(volume);
    edit("edtPrice")->setText(price);
    m_recorder->clear();

    QTest::mouseClick(button("btnSend"), Qt::LeftButton);

    QCOMPARE(m_recorder->errors(), QStringList{error});
    QVERIFY(m_peer->waitForConnections(1));
    QVERIFY(m_peer->waitForClientClose(0));
    QCOMPARE(m_peer->connections()[0].received, QByteArray());
    QVERIFY(!frmMain->clientPort().connected());
    // No identifier was taken for a report that was never composed.
    QCOMPARE(talvenor::CtrCross, 0);
}

void AddTradeTest::serverNotListening()
{
    QVERIFY(openWindow("en_US"));
    typeInto("edtSymbol", QStringLiteral("ABC"));
    typeInto("edtQuantity", QStringLiteral("100"));
    const RefusingPort refusing;
    const quint16 port = refusing.port();
    frmMain->clientPort().setRemotePort(port);

    QTest::mouseClick(button("btnSend"), Qt::LeftButton);

    QCOMPARE(m_recorder->errors().size(), 1);
    QVERIFY(m_recorder->errors().first().contains(QString::number(port)));
    QCOMPARE(talvenor::CtrCross, 0);
    QVERIFY(m_peer->connections().empty());
    QVERIFY(!frmMain->clientPort().connected());
    QVERIFY(frmAddTrade->isVisible());
}

void AddTradeTest::escapeClosesAndContentsStay()
{
    QVERIFY(openWindow("en_US"));
    auto* cmbSide = frmAddTrade->findChild<QComboBox*>(QStringLiteral("cmbSide"));
    cmbSide->setCurrentIndex(1);
    typeInto("edtSymbol", QStringLiteral("ABC"));
    typeInto("edtQuantity", QStringLiteral("1000"));
    typeInto("edtPrice", QStringLiteral("12.5"));

    QTest::keyClick(edit("edtPrice"), Qt::Key_Escape);
    QVERIFY(!frmAddTrade->isVisible());

    QTest::mouseClick(frmMain->findChild<QPushButton*>(QStringLiteral("btnAddTrade")), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(frmAddTrade));
    QCOMPARE(cmbSide->currentText(), QStringLiteral("SELL"));
    QCOMPARE(edit("edtSymbol")->text(), QStringLiteral("ABC"));
    QCOMPARE(edit("edtQuantity")->text(), QStringLiteral("1000"));
    QCOMPARE(edit("edtPrice")->text(), QStringLiteral("12.5"));
    QCOMPARE(value(), QStringLiteral("12,500.00"));
}

QTEST_MAIN(AddTradeTest)
#include "addtrade_test.moc"
