#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class SeparatorLine;

/// Asks for a user id and a password and starts the login through the main window.
class TfrmLogin : public QWidget {
    Q_OBJECT

public:
    /// A window of its own, kept above \p owner.
    explicit TfrmLogin(QWidget* owner);

private:
    void btnOkClick();
    void btnCancelClick();

    QLabel* UserIDLbl;
    QLabel* PasswordLbl;
    SeparatorLine* Shape1;
    QLineEdit* edtUsername;
    QLineEdit* edtPassword;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

extern TfrmLogin* frmLogin;
