#include "protocol/session.h"
#include "ui/addtrade.h"
#include "ui/login.h"
#include "ui/mainwindow.h"
#include "ui/serverlink.h"
#include "ui/startup.h"
#include "uitestsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <optional>

// Start-up, the layout of the main and login windows, and how the run ends.
class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpShowsLoginAboveMainWindow();
    void layout_data();
    void layout();
    void tabOrder_data();
    void tabOrder();
    void everyControlUsesTheFormFont();
    void windowsAreCentredOnTheScreen();
    void tradesGridShowsOnlyItsHeader();
    void passwordIsShownAsStars();
    void enterAndEscDoNothingOnTheLoginWindow_data();
    void enterAndEscDoNothingOnTheLoginWindow();
    void closingTheLoginWindowOnlyHidesIt();
    void runEnds_data();
    void runEnds();

private:
    [[nodiscard]] static QWidget* window(const QString& name);

    std::optional<MessageRecorder> m_recorder;
};

void StartupTest::init()
{
    m_recorder.emplace();
    startUp();
    QVERIFY(QTest::qWaitForWindowExposed(frmMain));
    QVERIFY(QTest::qWaitForWindowExposed(frmLogin));
}

void StartupTest::cleanup()
{
    shutDown();
    m_recorder.reset();
    talvenor::username.clear();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{});
}

QWidget* StartupTest::window(const QString& name)
{
    return name == QLatin1String("frmMain") ? static_cast<QWidget*>(frmMain) : frmLogin;
}

void StartupTest::startUpShowsLoginAboveMainWindow()
{
    QVERIFY(frmMain->isWindow());
    QVERIFY(frmMain->isVisible());
    QCOMPARE(frmLogin->parentWidget(), frmMain);
    QVERIFY(frmLogin->isWindow());
    QVERIFY(frmLogin->isVisible());
    QCOMPARE(frmLogin->windowModality(), Qt::NonModal);
    QVERIFY(frmMain->isEnabled());
    QCOMPARE(frmAddTrade->parentWidget(), frmMain);
    QVERIFY(!frmAddTrade->isVisible());
    QCOMPARE(frmMain->clientPort().remoteHost(), QStringLiteral("127.0.0.1"));
}

void StartupTest::layout_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("position");
    // An empty size leaves the size to the caption, as for labels.
    QTest::addColumn<QSize>("size");

    auto row = [](const char* windowName, const char* member, const char* caption, QPoint position, QSize size) {
        QTest::addRow("%s.%s", windowName, member) << QString::fromLatin1(windowName) << QString::fromLatin1(member)
                                                   << QString::fromLatin1(caption) << position << size;
    };
    row("frmMain", "", "Talvenor", {}, {707, 470});
    row("frmMain", "TradesGrid", "", {-1, 56}, {710, 417});
    row("frmMain", "btnViewTrader", "View Traders", {624, 25}, {75, 25});
    row("frmMain", "btnAddTrade", "Add Trade", {4, 25}, {75, 25});
    row("frmMain", "btnEditTrade", "Edit Trade", {82, 25}, {75, 25});
    row("frmLogin", "", "Login", {}, {300, 144});
    row("frmLogin", "UserIDLbl", "USER ID:", {35, 25}, {});
    row("frmLogin", "PasswordLbl", "PASSWORD:", {35, 51}, {});
    row("frmLogin", "Shape1", "", {10, 88}, {272, 1});
    row("frmLogin", "edtUsername", "", {125, 22}, {126, 19});
    row("frmLogin", "edtPassword", "", {125, 48}, {126, 19});
    row("frmLogin", "btnOk", "OK", {202, 97}, {80, 22});
    row("frmLogin", "btnCancel", "Cancel", {115, 97}, {80, 22});
}

void StartupTest::layout()
{
    QFETCH(QString, windowName);
    QFETCH(QString, member);
    QFETCH(QString, caption);
    QFETCH(QPoint, position);
    QFETCH(QSize, size);

    QWidget* form = window(windowName);
    if (member.isEmpty()) {
        QCOMPARE(form->windowTitle(), caption);
        QCOMPARE(form->size(), size);
        return;
    }
    auto* widget = form->findChild<QWidget*>(member);
    QVERIFY(widget);
    QCOMPARE(widget->pos(), position);
    if (size.isValid())
        QCOMPARE(widget->size(), size);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        QCOMPARE(edit->text(), caption);
}

void StartupTest::tabOrder_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("main window") << QStringLiteral("frmMain")
                                 << QStringList{"TradesGrid", "btnViewTrader", "btnAddTrade", "btnEditTrade"};
    QTest::newRow("login window") << QStringLiteral("frmLogin")
                                  << QStringList{"edtUsername", "edtPassword", "btnOk", "btnCancel"};
}

void StartupTest::tabOrder()
{
    QFETCH(QString, windowName);
    QFETCH(QStringList, order);

    // The chain Tab follows: every widget that takes focus by Tab, from the first one round.
    QWidget* first = window(windowName)->findChild<QWidget*>(order.first());
    QStringList chain{first->objectName()};
    for (QWidget* next = first->nextInFocusChain(); next != first; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(window(windowName)))
            chain.append(next->objectName());
    }
    QCOMPARE(chain, order);
}

void StartupTest::everyControlUsesTheFormFont()
{
    for (QWidget* form : {static_cast<QWidget*>(frmMain), static_cast<QWidget*>(frmLogin)}) {
        QCOMPARE(form->font().families().value(0), QStringLiteral("Tahoma"));
        QCOMPARE(form->font().pointSize(), 8);
        // Where Tahoma is absent the face put in its place is a sans-serif one.
        QVERIFY(!QFontInfo(form->font()).fixedPitch());
        for (const auto* control : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!control->isWindow())
                QVERIFY2(control->font().pointSize() == 8, qPrintable(control->objectName()));
        }
    }
}

void StartupTest::windowsAreCentredOnTheScreen()
{
    for (QWidget* form : {static_cast<QWidget*>(frmMain), static_cast<QWidget*>(frmLogin)}) {
        const QPoint offset = form->geometry().center() - form->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(form->objectName()));
    }
}

void StartupTest::tradesGridShowsOnlyItsHeader()
{
    auto* grid = frmMain->findChild<QTableWidget*>(QStringLiteral("TradesGrid"));
    const QStringList headers{QString(), QStringLiteral("TRADE ID"), QStringLiteral("DATE"), QStringLiteral("SIDE"),
        QStringLiteral("SYMBOL"), QStringLiteral("VOLUME"), QStringLiteral("PRICE"), QStringLiteral("VALUE"),
        QStringLiteral("TRADER")};

    QCOMPARE(grid->columnCount(), headers.size());
    for (int column = 0; column < grid->columnCount(); ++column) {
        QCOMPARE(grid->horizontalHeaderItem(column)->text(), headers[column]);
        QCOMPARE(grid->columnWidth(column), column == 0 ? 0 : 86);
    }
    QVERIFY(grid->isColumnHidden(0));
    QCOMPARE(grid->horizontalHeader()->height(), 22);
    QCOMPARE(grid->rowCount(), 19);
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            QVERIFY(!grid->item(row, column));
    QVERIFY(grid->horizontalScrollBar()->isVisible());
    QVERIFY(grid->verticalScrollBar()->isVisible());
}

void StartupTest::passwordIsShownAsStars()
{
    auto* edtPassword = frmLogin->findChild<QLineEdit*>(QStringLiteral("edtPassword"));
    QTest::keyClicks(edtPassword, QStringLiteral("pw 1"));

    QCOMPARE(edtPassword->text(), QStringLiteral("pw 1"));
    QCOMPARE(edtPassword->displayText(), QStringLiteral("****"));
}

void StartupTest::enterAndEscDoNothingOnTheLoginWindow_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");

    for (const char* focus : {"edtUsername", "edtPassword", "btnOk", "btnCancel"}) {
        QTest::addRow("Return in %s", focus) << QString::fromLatin1(focus) << int(Qt::Key_Return);
        QTest::addRow("Enter in %s", focus) << QString::fromLatin1(focus) << int(Qt::Key_Enter);
        QTest::addRow("Esc in %s", focus) << QString::fromLatin1(focus) << int(Qt::Key_Escape);
    }
}

void StartupTest::enterAndEscDoNothingOnTheLoginWindow()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    // OK would try this port and report that nobody listens.
    frmMain->clientPort().setRemotePort(1);
    QTest::keyClicks(frmLogin->findChild<QLineEdit*>(QStringLiteral("edtUsername")), QStringLiteral("u1"));

    QTest::keyClick(frmLogin->findChild<QWidget*>(focus), Qt::Key(key));

    QCOMPARE(talvenor::username, u"");
    QCOMPARE(m_recorder->errors(), QStringList{});
    QVERIFY(frmLogin->isVisible());
    QVERIFY(frmMain->isVisible());
}

void StartupTest::closingTheLoginWindowOnlyHidesIt()
{
    const QPointer<QWidget> login = frmLogin;

    QVERIFY(frmLogin->close());

    QVERIFY(login);
    QVERIFY(!frmLogin->isVisible());
    QVERIFY(frmMain->isVisible());
    QCOMPARE(talvenor::username, u"");
}

void StartupTest::runEnds_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("Cancel on the login window") << QStringLiteral("cancel");
    QTest::newRow("Cancel while a login is pending") << QStringLiteral("cancel pending");
    QTest::newRow("closing the main window") << QStringLiteral("close main");
    QTest::newRow("closing the main window after the login window") << QStringLiteral("close login, then main");
}

void StartupTest::runEnds()
{
    QFETCH(QString, how);
    LoopbackPeer peer;
    frmMain->clientPort().setRemotePort(peer.port());
    auto* btnCancel = frmLogin->findChild<QAbstractButton*>(QStringLiteral("btnCancel"));
    auto* btnOk = frmLogin->findChild<QAbstractButton*>(QStringLiteral("btnOk"));

    QTimer::singleShot(0, frmMain, [&] {
        if (how == QLatin1String("cancel")) {
            QTest::mouseClick(btnCancel, Qt::LeftButton);
        } else if (how == QLatin1String("cancel pending")) {
            QTest::mouseClick(btnOk, Qt::LeftButton);
            QTest::mouseClick(btnCancel, Qt::LeftButton);
        } else if (how == QLatin1String("close main")) {
            frmMain->close();
        } else {
            frmLogin->close();
            frmMain->close();
        }
    });
    // Only reached when nothing ends the run.
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timeout.start(5000);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!frmLogin->isVisible());
    QVERIFY(!frmMain->isVisible());
    QCOMPARE(m_recorder->errors(), QStringList{});
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
