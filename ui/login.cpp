#include "ui/login.h"

#include "protocol/session.h"
#include "ui/guarded.h"
#include "ui/lookandfeel.h"
#include "ui/mainwindow.h"
#include "ui/separatorline.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmLogin* frmLogin = nullptr;

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    return label;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, int left, int top)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(left, top, 126, 19);
    makeFlat(edit);
    return edit;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, top, 80, 22);
    // Enter and Esc do nothing special in this window.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmLogin::TfrmLogin(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmLogin"));
    setUpForm(this, QStringLiteral("Login"), 300, 144);

    UserIDLbl = makeLabel(this, "UserIDLbl", QStringLiteral("USER ID:"), 35, 25);
    PasswordLbl = makeLabel(this, "PasswordLbl", QStringLiteral("PASSWORD:"), 35, 51);
    Shape1 = new SeparatorLine(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(10, 88, 272, 1);
    edtUsername = makeEdit(this, "edtUsername", 125, 22);
    edtPassword = makeEdit(this, "edtPassword", 125, 48);
    edtPassword->setEchoMode(QLineEdit::Password);
    btnOk = makeButton(this, "btnOk", QStringLiteral("OK"), 202, 97);
    btnCancel = makeButton(this, "btnCancel", QStringLiteral("Cancel"), 115, 97);

    setTabOrder(edtUsername, edtPassword);
    setTabOrder(edtPassword, btnOk);
    setTabOrder(btnOk, btnCancel);

    connect(btnOk, &QPushButton::clicked, this, [this] { guarded([this] { btnOkClick(); }); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { guarded([this] { btnCancelClick(); }); });
}

void TfrmLogin::btnOkClick()
{
    talvenor::username = edtUsername->text().toStdU16String();
    frmMain->InitializeConnection(edtUsername->text(), edtPassword->text());
}

void TfrmLogin::btnCancelClick()
{
    close();
    frmMain->close();
}
