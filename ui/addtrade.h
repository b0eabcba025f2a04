#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SeparatorLine;

/// \brief Enters one trade, shows its value while typing, and sends it as a Trade report.
///
/// The Trade report goes out over the main window's link, opened for the send and closed
/// afterwards whatever happens; no reply is read. The fields keep their contents between
/// openings and after a send.
class TfrmAddTrade : public QWidget {
    Q_OBJECT

public:
    /// A window of its own, kept above \p owner; created hidden.
    explicit TfrmAddTrade(QWidget* owner);

private:
    void btnCloseClick();
    void btnSendClick();
    void edtQuantityChange();
    void edtPriceChange();
    void edtQuantityKeyPress(QChar& Key);
    void edtPriceKeyPress(QChar& Key);
    void ComputeViaFormula();

    QLabel* lblSymbol;
    QLabel* lblQuantity;
    QLabel* lblPrice;
    SeparatorLine* DownLine;
    QLabel* lblSide;
    QLabel* ValLabel;
    QLabel* lblValue;
    QPushButton* btnClose;
    QPushButton* btnSend;
    QLineEdit* edtSymbol;
    QComboBox* cmbSide;
    QLineEdit* edtQuantity;
    QLineEdit* edtPrice;
};

extern TfrmAddTrade* frmAddTrade;
