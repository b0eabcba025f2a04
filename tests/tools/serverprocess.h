#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>

/// \brief The real order server, started on 127.0.0.1 with a free port and a journal in a folder
/// of its own that goes with it.
class ServerProcess {
public:
    /// \param options added to the command line; without "--journal" the journal goes in folder()
    explicit ServerProcess(QStringList options = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    /// \brief Starts the server and reads the port from its first line.
    /// \return false when it does not come up listening; console() and errors() say why
    [[nodiscard]] bool start();

    [[nodiscard]] quint16 port() const { return m_port; }
    /// A folder for the test's own files (accounts files), removed with the server.
    [[nodiscard]] QString folder() const { return m_folder.path(); }
    [[nodiscard]] QString journalPath() const;

    /// Everything the server has written to standard output so far.
    [[nodiscard]] QString console();
    /// Everything the server has written to standard error so far.
    [[nodiscard]] QString errors();
    [[nodiscard]] bool waitForConsole(const QString& text, int timeoutMs = 5000);

    /// The journal's lines, each read as a JSON object (an empty object for a line that is not one).
    [[nodiscard]] QList<QJsonObject> journal() const;
    [[nodiscard]] bool waitForJournal(qsizetype records, int timeoutMs = 5000);

    /// \brief Stops the server with \p signal and waits for it.
    /// \return its exit code, or -1 when it did not exit of its own accord
    [[nodiscard]] int stop(int signal = SIGTERM);
    /// Waits for the server to exit by itself; the exit code, or -1.
    [[nodiscard]] int waitForExit(int timeoutMs = 5000);

    [[nodiscard]] QProcess& process() { return m_process; }

private:
    void readOutput();

    QTemporaryDir m_folder;
    QStringList m_options;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_console;
    QString m_errors;
};

/// \brief Sends \p bytes on a new connection to 127.0.0.1:\p port and waits for the server's reply.
/// \return the reply, or nothing when none came within five seconds
[[nodiscard]] QByteArray exchange(quint16 port, const QByteArray& bytes);

/// \brief Sends \p bytes on a new connection and closes it, as the client sends a Trade report.
/// \return false when the bytes could not be sent
[[nodiscard]] bool sendAndClose(quint16 port, const QByteArray& bytes);

/// Turns "|" into SOH, so that messages in tests read like the examples.
[[nodiscard]] QByteArray wireBytes(const char* text);
