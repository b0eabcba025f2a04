#include "ui/mainwindow.h"

#include "protocol/messages.h"
#include "ui/addtrade.h"
#include "ui/guarded.h"
#include "ui/login.h"
#include "ui/lookandfeel.h"
#include "ui/messagedisplay.h"
#include "ui/serverlink.h"
#include "ui/tradesgrid.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>

TfrmMain* frmMain = nullptr;

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 25, 75, 25);
    return button;
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setUpForm(this, QStringLiteral("Talvenor"), 707, 470);

    TradesGrid = new QTableWidget(this);
    TradesGrid->setObjectName(QStringLiteral("TradesGrid"));
    TradesGrid->setGeometry(-1, 56, 710, 417);
    btnViewTrader = makeButton(this, "btnViewTrader", QStringLiteral("View Traders"), 624);
    btnAddTrade = makeButton(this, "btnAddTrade", QStringLiteral("Add Trade"), 4);
    btnEditTrade = makeButton(this, "btnEditTrade", QStringLiteral("Edit Trade"), 82);

    ClientPort = new ServerLink(this);
    ClientPort->setObjectName(QStringLiteral("ClientPort"));
    ClientPort->setRemoteHost(QStringLiteral(TALVENOR_SERVER_HOST));
    ClientPort->setRemotePort(TALVENOR_SERVER_PORT);

    setTabOrder(TradesGrid, btnViewTrader);
    setTabOrder(btnViewTrader, btnAddTrade);
    setTabOrder(btnAddTrade, btnEditTrade);

    connect(btnAddTrade, &QPushButton::clicked, this, [this] { guarded([this] { btnAddTradeClick(); }); });
    connect(ClientPort, &ServerLink::dataIn, this,
        [this](const QString& text) { guarded([&] { ClientPortDataIn(text); }); });

    FormCreate();
}

void TfrmMain::FormCreate()
{
    setUpTradesGrid(TradesGrid);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the run, even with the login window still open.
    event->accept();
    QCoreApplication::quit();
}

void TfrmMain::btnAddTradeClick()
{
    frmAddTrade->show();
    frmAddTrade->raise();
    frmAddTrade->activateWindow();
}

void TfrmMain::InitializeConnection(const QString& Username, const QString& Password)
{
    ClientPort->setConnected(true);
    ClientPort->Send(
        QString::fromStdU16String(talvenor::composeLogonRequest(Username.toStdU16String(), Password.toStdU16String())));
}

void TfrmMain::ClientPortDataIn(const QString& Text)
{
    ProcessData(Text);
}

void TfrmMain::ProcessData(const QString& Text)
{
    talvenor::handleReceivedMessage(Text.toStdU16String(), *this);
}

void TfrmMain::closeLoginWindow()
{
    frmLogin->close();
}

void TfrmMain::hideRestrictedButtons()
{
    btnViewTrader->hide();
    btnEditTrade->hide();
}

void TfrmMain::showMessage(std::u16string_view text)
{
    MessageDisplay::showMessage(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

void TfrmMain::closeLink()
{
    ClientPort->setConnected(false);
}
