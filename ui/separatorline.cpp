#include "ui/separatorline.h"

SeparatorLine::SeparatorLine(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Plain);
    setForegroundRole(QPalette::Mid);
}
