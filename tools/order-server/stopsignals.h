#pragma once

#include <QObject>

class QSocketNotifier;

namespace talvenor::orderserver {

/// \brief Turns SIGINT and SIGTERM into a signal of the event loop, so the server stops between
/// two events and never inside one.
///
/// The handler only writes the signal's number to a socket pair (the self-pipe trick); the
/// event loop reads it and emits received(). One instance at most.
class StopSignals : public QObject {
    Q_OBJECT

public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

signals:
    /// \param name "SIGINT" or "SIGTERM"
    void received(const QString& name);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace talvenor::orderserver
