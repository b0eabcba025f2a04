#include "ui/lookandfeel.h"

#include <QLineEdit>
#include <QPalette>
#include <QScreen>
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
    if (const QScreen* screen = form->screen())
        form->move(screen->availableGeometry().center() - form->rect().center());
}

void makeFlat(QLineEdit* edit)
{
    edit->setFrame(false);
    edit->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(dark); background: palette(base); }"));
}
