#pragma once

#include <QWidget>

/// Enters one trade, shows its value while typing, and sends it as a Trade report.
class TfrmAddTrade : public QWidget {
    Q_OBJECT

public:
    /// A window of its own, kept above \p owner; created hidden.
    explicit TfrmAddTrade(QWidget* owner);
};

extern TfrmAddTrade* frmAddTrade;
