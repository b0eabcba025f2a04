#include "serverprocess.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>

#include <sys/types.h>

ServerProcess::ServerProcess(QStringList options) : m_options(std::move(options))
{
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { readOutput(); });
    QObject::connect(&m_process, &QProcess::readyReadStandardError, [this] { readOutput(); });
}

ServerProcess::~ServerProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QString ServerProcess::journalPath() const
{
    const qsizetype journal = m_options.indexOf(QStringLiteral("--journal"));
    return journal >= 0 ? m_options.value(journal + 1) : m_folder.filePath(QStringLiteral("trades.jsonl"));
}

bool ServerProcess::start()
{
    QStringList arguments = {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")};
    if (!m_options.contains(QStringLiteral("--journal")))
        arguments << QStringLiteral("--journal") << journalPath();
    m_process.start(QStringLiteral(TALVENOR_ORDER_SERVER), arguments + m_options);
    if (!m_process.waitForStarted())
        return false;

    static const QRegularExpression listening(
        QStringLiteral("^talvenor-order-server listening on 127\\.0\\.0\\.1:(\\d+)\n"));
    QRegularExpressionMatch match;
    const bool listens = QTest::qWaitFor([&] {
        readOutput();
        match = listening.match(m_console);
        return match.hasMatch() || m_process.state() == QProcess::NotRunning;
    });
    m_port = listens && match.hasMatch() ? match.captured(1).toUShort() : 0;
    return m_port != 0;
}

void ServerProcess::readOutput()
{
    m_console += QString::fromUtf8(m_process.readAllStandardOutput());
    m_errors += QString::fromUtf8(m_process.readAllStandardError());
}

QString ServerProcess::console()
{
    readOutput();
    return m_console;
}

QString ServerProcess::errors()
{
    readOutput();
    return m_errors;
}

bool ServerProcess::waitForConsole(const QString& text, int timeoutMs)
{
    return QTest::qWaitFor([&] { return console().contains(text); }, timeoutMs);
}

QList<QJsonObject> ServerProcess::journal() const
{
    QFile file(journalPath());
    QList<QJsonObject> records;
    if (!file.open(QIODevice::ReadOnly))
        return records;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            records.append(QJsonDocument::fromJson(line).object());
    }
    return records;
}

bool ServerProcess::waitForJournal(qsizetype records, int timeoutMs)
{
    return QTest::qWaitFor([&] { return journal().size() >= records; }, timeoutMs);
}

int ServerProcess::stop(int signal)
{
    ::kill(static_cast<pid_t>(m_process.processId()), signal);
    return waitForExit();
}

int ServerProcess::waitForExit(int timeoutMs)
{
    if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(timeoutMs))
        return -1;
    readOutput();
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

QByteArray exchange(quint16 port, const QByteArray& bytes)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(bytes);
    QByteArray reply;
    const bool answered = QTest::qWaitFor([&] {
        reply += socket.readAll();
        return reply.endsWith('\x01') || socket.state() != QAbstractSocket::ConnectedState;
    });
    return answered ? reply : QByteArray();
}

bool sendAndClose(quint16 port, const QByteArray& bytes)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return false;
    socket.write(bytes);
    const bool sent = socket.waitForBytesWritten(5000) || socket.bytesToWrite() == 0;
    socket.disconnectFromHost();
    return sent;
}

QByteArray wireBytes(const char* text)
{
    QByteArray bytes(text);
    bytes.replace('|', '\x01');
    return bytes;
}
