// Operator round trip and controller writes, each against its floor measured
// in the same run. The interpreter runs with the stand-in controller on the
// bridge's worker thread, as in the program.
#include <pybind11/embed.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "actuator.h"
#include "bridge_raspi.h"
#include "pybridge_worker.h"
#include "startup.h"
#include "state_objects.h"

namespace py = pybind11;

namespace {

struct Spread
{
    double median;
    double p99;
};

Spread spreadOf(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return {ns[ns.size() / 2] / 1000.0, ns[std::min(ns.size() - 1, ns.size() * 99 / 100)] / 1000.0};
}

// Runs round trips one after the other: start(next) begins one, and whatever
// it triggers calls next() on the GUI thread when it has come back.
std::vector<qint64> roundTrips(int count, const std::function<void(const std::function<void()> &)> &start)
{
    std::vector<qint64> ns;
    ns.reserve(count);
    QElapsedTimer timer;
    QEventLoop loop;
    std::function<void()> next = [&] {
        ns.push_back(timer.nsecsElapsed());
        if (int(ns.size()) == count) {
            loop.quit();
            return;
        }
        timer.start();
        start(next);
    };
    timer.start();
    start(next);
    loop.exec();
    return ns;
}

// Runs Python on the worker thread, where the controller's interpreter lives.
double onWorker(const char *code)
{
    double result = 0;
    QMetaObject::invokeMethod(
        _pyWorker.load(),
        [&] {
            py::gil_scoped_acquire gil;
            py::dict scope;
            py::exec(code, scope);
            result = scope["result"].cast<double>();
        },
        Qt::BlockingQueuedConnection);
    return result;
}

const char *const kWriteChanging = R"(
import time
from tavell.values import Values
n = 200000
t = time.perf_counter()
for i in range(n):
    Values.heating_setpoint = i & 63
result = n / (time.perf_counter() - t)
)";

const char *const kWriteSame = R"(
import time
from tavell.values import Values
Values.heating_setpoint = 42
n = 200000
t = time.perf_counter()
for i in range(n):
    Values.heating_setpoint = 42
result = n / (time.perf_counter() - t)
)";

const char *const kWriteFloor = R"(
import time
class Plain:
    pass
o = Plain()
n = 200000
t = time.perf_counter()
for i in range(n):
    o.heating_setpoint = i & 63
result = n / (time.perf_counter() - t)
)";

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(100, atoi(argv[1])) : 10000;

    Bridge bridge(QStringList{QString::fromLatin1(kPyInterpreter)}, false);
    // Start-up runs before the worker's event loop: this returns after it.
    PyWorker *const worker = _pyWorker.load();
    if (!QMetaObject::invokeMethod(worker, [] {}, Qt::BlockingQueuedConnection) || !worker->pyModule()) {
        std::fprintf(stderr, "Interpreter mit dem Controller startete nicht\n");
        return 1;
    }

    // Floor: an empty queued call to the worker thread and one back.
    QObject guiSide;
    QObject *workerSide = worker;
    const auto floor = spreadOf(roundTrips(count, [&](const std::function<void()> &next) {
        QMetaObject::invokeMethod(
            workerSide, [&] { QMetaObject::invokeMethod(&guiSide, next, Qt::QueuedConnection); },
            Qt::QueuedConnection);
    }));

    // The operator's toggle through the controller's write and back to the
    // output's change signal, delivered on the GUI thread.
    DOut *out = g_actuator.svSkOut();
    std::function<void()> pending;
    QObject::connect(out, &DOut::stateChanged, &guiSide, [&] {
        if (pending)
            std::exchange(pending, nullptr)();
    });
    const auto toggle = spreadOf(roundTrips(count, [&](const std::function<void()> &next) {
        pending = next;
        out->toggle();
    }));

    std::printf("round trips: %d\n", count);
    std::printf("  floor (empty queued GUI->worker->GUI): median %.1f us, p99 %.1f us\n", floor.median, floor.p99);
    std::printf("  toggle -> controller -> stateChanged:  median %.1f us (x%.1f), p99 %.1f us (x%.1f)\n",
                toggle.median, toggle.median / floor.median, toggle.p99, toggle.p99 / floor.p99);

    const double plain = onWorker(kWriteFloor);
    const double changing = onWorker(kWriteChanging);
    const double same = onWorker(kWriteSame);
    std::printf("controller writes per second:\n");
    std::printf("  floor (attribute of a plain object): %.0f /s\n", plain);
    std::printf("  Values.heating_setpoint, changing:    %.0f /s (x%.3f of floor)\n", changing, changing / plain);
    std::printf("  Values.heating_setpoint, same value:  %.0f /s (x%.3f of floor)\n", same, same / plain);
    return 0;
}
