#pragma once

// Talvenor consists of the main window (here), the login window (login.h), the Add Trade
// window (addtrade.h) and the link to the order server (serverlink.h). The main window owns the
// link: the login window and the Add Trade window send through it, and the main window reads
// what comes back. The rules of the messages live in the protocol module; the main window hands
// them what a Login reply acts on through LoginReplyActions.

#include "protocol/loginreply.h"

#include <QWidget>

class QPushButton;
class QTableWidget;
class ServerLink;

class TfrmMain : public QWidget, private talvenor::LoginReplyActions {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);

    /// The link to the order server, shared by the three windows.
    [[nodiscard]] ServerLink& clientPort() const { return *ClientPort; }

    /// Opens the link and sends the Logon request; the reply arrives later through the link.
    void InitializeConnection(const QString& Username, const QString& Password);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void btnAddTradeClick();
    void ClientPortDataIn(const QString& Text);
    void ProcessData(const QString& Text);

    void closeLoginWindow() override;
    void hideRestrictedButtons() override;
    void showMessage(std::u16string_view text) override;
    void closeLink() override;

    QTableWidget* TradesGrid;
    QPushButton* btnViewTrader;
    QPushButton* btnAddTrade;
    QPushButton* btnEditTrade;
    ServerLink* ClientPort;
};

extern TfrmMain* frmMain;
