#include "ui/lookandfeel.h"

#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QWidget>

QFont formFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

void setUpForm(QWidget* form, const QString& caption, int width, int height)
{
    form->setWindowTitle(caption);
    form->setFont(formFont());
    form->setBackgroundRole(QPalette::Button);
    form->setAutoFillBackground(true);
    form->resize(width, height);
    // The client area is centred on the screen's work area; the frame goes round it.
    if (const QScreen* screen = form->screen())
        form->setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form->size(), screen->availableGeometry()));
}

void makeFlat(QLineEdit* edit)
{
    edit->setFrame(false);
    // An edit that hides its text shows a "*" for each character. The edit reads that character
    // only when its style changes, so it belongs in this one style sheet.
    edit->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(dark); background: palette(base); "
                                       "lineedit-password-character: 42; }"));
}
