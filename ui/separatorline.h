#pragma once

#include <QFrame>

/// A plain horizontal line drawn with a grey pen.
class SeparatorLine : public QFrame {
    Q_OBJECT

public:
    explicit SeparatorLine(QWidget* parent);
};
