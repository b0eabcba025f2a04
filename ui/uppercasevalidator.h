#pragma once

#include <QValidator>

/// Turns letters into capitals as they are typed or pasted, and accepts any text.
class UpperCaseValidator : public QValidator {
    Q_OBJECT

public:
    explicit UpperCaseValidator(QObject* parent);

    State validate(QString& input, int& pos) const override;
};
