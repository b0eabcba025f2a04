#include "ui/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Talvenor"));
    startUp();
    const int status = QApplication::exec();
    shutDown();
    return status;
}
