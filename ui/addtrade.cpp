#include "ui/addtrade.h"

TfrmAddTrade* frmAddTrade = nullptr;

TfrmAddTrade::TfrmAddTrade(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
}
