#include "ui/messagedisplay.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace MessageDisplay {

namespace {

Presenter& currentPresenter()
{
    static Presenter presenter;
    return presenter;
}

void showModalBox(Kind kind, const QString& text)
{
    const QMessageBox::Icon icon = kind == Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void present(Kind kind, const QString& text)
{
    const Presenter& presenter = currentPresenter();
    if (presenter)
        presenter(kind, text);
    else
        showModalBox(kind, text);
}

} // namespace

void showError(const QString& text)
{
    present(Kind::Error, text);
}

void showMessage(const QString& text)
{
    present(Kind::Information, text);
}

Presenter setPresenter(Presenter presenter)
{
    return std::exchange(currentPresenter(), std::move(presenter));
}

} // namespace MessageDisplay
