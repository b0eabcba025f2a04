#include "ui/startup.h"

#include "ui/addtrade.h"
#include "ui/login.h"
#include "ui/mainwindow.h"

void startUp()
{
    frmMain = new TfrmMain;
    frmLogin = new TfrmLogin(frmMain);
    frmAddTrade = new TfrmAddTrade(frmMain);
    frmLogin->show();
    frmMain->show();
}

void shutDown()
{
    // The two other windows are owned by the main window and go with it.
    delete frmMain;
    frmMain = nullptr;
    frmLogin = nullptr;
    frmAddTrade = nullptr;
}
