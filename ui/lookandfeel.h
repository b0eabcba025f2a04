#pragma once

#include <QFont>

class QLineEdit;
class QWidget;

/// Tahoma 8 points, or the desktop's sans-serif face where Tahoma is absent.
[[nodiscard]] QFont formFont();

/// Gives a top-level window the form font, the button-face background and its client size.
void setUpForm(QWidget* form, const QString& caption, int width, int height);

/// A single-line edit without the 3-D border: one thin line around a plain field.
void makeFlat(QLineEdit* edit);
