#include "ui/uppercasevalidator.h"

UpperCaseValidator::UpperCaseValidator(QObject* parent) : QValidator(parent) { }

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const
{
    // Some capitals are longer than their small letters ("ß" gives "SS"): the cursor stays behind
    // the same character.
    pos = static_cast<int>(input.left(pos).toUpper().size());
    input = input.toUpper();
    return Acceptable;
}
