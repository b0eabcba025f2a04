// Runs the client's real start-up sequence and reports, on the file descriptor given as its
// only argument, the moment the login window has been exposed and painted; then it quits.

#include "ui/login.h"
#include "ui/startup.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

#include <unistd.h>

#include <cstdlib>

namespace {

// Lets the first expose of the login window be handled (which paints and flushes it) before
// reporting.
class ShownReporter : public QObject {
public:
    explicit ShownReporter(int fd) : m_fd(fd) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() != QEvent::Expose || !window || !window->isExposed())
            return false;
        window->removeEventFilter(this);
        QCoreApplication::sendEvent(window, event);
        const char shown = 1;
        if (write(m_fd, &shown, 1) != 1)
            std::exit(EXIT_FAILURE);
        QCoreApplication::quit();
        return true;
    }

private:
    int m_fd;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return EXIT_FAILURE;
    ShownReporter reporter(std::atoi(argv[1]));

    QApplication::setApplicationName(QStringLiteral("Talvenor"));
    startUp();
    frmLogin->windowHandle()->installEventFilter(&reporter);
    const int status = QApplication::exec();
    shutDown();
    return status;
}
