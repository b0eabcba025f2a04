#include "ui/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The name titles the message boxes; a display name would also be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Talvenor"));
    // Lets the desktop (a Wayland compositor in particular) match the windows to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.talvenor.Talvenor"));
    startUp();
    const int status = QApplication::exec();
    shutDown();
    return status;
}
