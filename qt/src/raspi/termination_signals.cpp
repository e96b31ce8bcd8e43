#include "termination_signals.h"

#include "log.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] written by the handler, [1] read in the event loop.
int s_pair[2] = {-1, -1};

void onSignal(int signalNumber)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(s_pair[0], &byte, 1);
    errno = saved;
}

const int kSignals[] = {SIGTERM, SIGHUP};

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (s_pair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_pair) != 0) {
        logWarning() << "SIGTERM/SIGHUP: kein Socket-Paar, die Signale beenden das Programm sofort";
        return;
    }
    notifier = new QSocketNotifier(s_pair[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals) {
        if (::sigaction(signalNumber, &action, nullptr) != 0)
            logWarning() << "Signal" << signalNumber << "konnte nicht abgefangen werden";
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier)
        return;
    // From here on the signals end the program at once again.
    for (const int signalNumber : kSignals)
        ::signal(signalNumber, SIG_DFL);
    delete notifier;
    ::close(s_pair[0]);
    ::close(s_pair[1]);
    s_pair[0] = s_pair[1] = -1;
}

void TerminationSignals::readSignal()
{
    unsigned char byte = 0;
    if (::read(s_pair[1], &byte, 1) != 1)
        return;
    logInfo() << "Signal" << int(byte) << "empfangen, das Programm wird beendet";
    Q_EMIT terminationRequested(int(byte));
}
