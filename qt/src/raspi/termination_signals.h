#pragma once
// SIGTERM and SIGHUP, with which the system stops the program at shutdown,
// end it the way "app quit" on the command socket does: through the main
// window's closing and the normal take-down. The signal handler only writes
// a byte to a socket pair; the GUI thread reads it in its event loop.

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    // Installs the handlers for SIGTERM and SIGHUP (a warning is logged when
    // that fails); destruction gives the signals their default action back.
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    // Emitted in the GUI thread, once for each signal received.
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *notifier = nullptr;
};
