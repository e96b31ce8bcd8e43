#include <QSignalSpy>
#include <QtTest>

#include "log_capture.h"
#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace py = pybind11;

namespace {

// Counts the notify signals of every output and drive of the global group.
struct NotifyCounter
{
    NotifyCounter()
    {
        for (DOut *out : g_actuator.allDouts()) {
            spies.emplace_back(new QSignalSpy(out, &DOut::stateChanged));
            spies.emplace_back(new QSignalSpy(out, &DOut::blockedChanged));
            spies.emplace_back(new QSignalSpy(out, &DOut::numChanged));
            spies.emplace_back(new QSignalSpy(out, &DOut::nameChanged));
        }
        for (Fu *fu : g_actuator.allFus()) {
            spies.emplace_back(new QSignalSpy(fu, &Fu::dirChanged));
            spies.emplace_back(new QSignalSpy(fu, &Fu::blockedForwardChanged));
            spies.emplace_back(new QSignalSpy(fu, &Fu::blockedBackwardChanged));
            spies.emplace_back(new QSignalSpy(fu, &Fu::nameChanged));
        }
    }
    int total() const
    {
        int n = 0;
        for (const auto &spy : spies)
            n += spy->count();
        return n;
    }
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

int blockedCount()
{
    int n = 0;
    for (const DOut *out : g_actuator.allDouts())
        n += out->blocked();
    for (const Fu *fu : g_actuator.allFus())
        n += fu->blockedForward() + fu->blockedBackward();
    return n;
}

} // namespace

// tavell.actuator seen from the C++ side: writes through Python reach the
// global outputs with one notify signal per real change, a toggle's code
// reaches the stand-in controller as the bound member and its answer reaches
// the output, and Python never owns an output.
class TstActuatorBinding : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;
    QString pyError;

    bool run(const char *statements)
    {
        try {
            env->exec(statements);
            return true;
        } catch (py::error_already_set &e) {
            pyError = QString::fromUtf8(e.what());
            return false;
        }
    }

    // What the worker does with a toggle: the code as the bound member,
    // handed to the controller's entry point.
    bool deliver(const QSignalSpy &toggles)
    {
        try {
            for (const QList<QVariant> &args : toggles)
                env->globals["controller"].attr("actuator_toggle_from_cpp")(py::cast(args[0].value<ActuatorEnum>()));
            return true;
        } catch (py::error_already_set &e) {
            pyError = QString::fromUtf8(e.what());
            return false;
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
        QVERIFY2(run(R"(
import controller
from tavell.actuator import Actuator, ActuatorEnum as E

def _fus():
    return [Actuator.fu_pump_1, Actuator.fu_pump_2, Actuator.fu_rw_1, Actuator.fu_rw_2]

_outs = [(o, o.name) for o in Actuator.all_douts]
_drives = [(f, f.name) for f in _fus()]

def _reset():
    for o, name in _outs:
        o.name, o.state, o.blocked, o.num = name, False, False, -1
    for f, name in _drives:
        f.name, f.dir, f.blocked_forward, f.blocked_backward = name, 0, False, False
)"),
                 qPrintable(pyError));
    }

    void init() { QVERIFY2(run("_reset()"), qPrintable(pyError)); }

    void cleanupTestCase()
    {
        QVERIFY2(run("_reset()"), qPrintable(pyError));
        env.reset();
        // The interpreter is gone; the outputs it referred to are not.
        QCOMPARE(g_actuator.svKkCooler()->name(), QStringLiteral("Sv-Kk-Kühler"));
        QCOMPARE(g_actuator.fuRw2()->name(), QStringLiteral("Rührwerk 2"));
        QSignalSpy toggles(&g_actuator, &Actuator::_toggle);
        g_actuator.mvKkCip()->toggle();
        QCOMPARE(toggles.count(), 1);
    }

    void pythonWritesEmitOncePerChange()
    {
        DOut *out = g_actuator.svKanal();
        QSignalSpy state(out, &DOut::stateChanged);
        QSignalSpy blocked(out, &DOut::blockedChanged);
        QSignalSpy num(out, &DOut::numChanged);
        QSignalSpy name(out, &DOut::nameChanged);

        QVERIFY2(run("o = Actuator.sv_kanal\n"
                     "o.state, o.blocked, o.num, o.name = False, False, -1, 'Sv-Kanal'"),
                 qPrintable(pyError));
        QCOMPARE(state.count() + blocked.count() + num.count() + name.count(), 0);

        QVERIFY2(run("for _ in range(2):\n"
                     "    o.state, o.blocked, o.num, o.name = True, True, 7, 'Kanal ü'"),
                 qPrintable(pyError));
        QCOMPARE(state.count(), 1);
        QCOMPARE(blocked.count(), 1);
        QCOMPARE(num.count(), 1);
        QCOMPARE(name.count(), 1);
        QCOMPARE(out->state(), true);
        QCOMPARE(out->blocked(), true);
        QCOMPARE(out->num(), 7);
        QCOMPARE(out->name(), QStringLiteral("Kanal ü"));

        // Written through the list and the lookup, seen in the same output.
        QVERIFY2(run("Actuator.all_douts[5].num = 8\nActuator.dout_from_enum(E.SvKanal).state = False"),
                 qPrintable(pyError));
        QCOMPARE(out->num(), 8);
        QCOMPARE(out->state(), false);
        QCOMPARE(num.count(), 2);
        QCOMPARE(state.count(), 2);

        Fu *fu = g_actuator.fuRw1();
        QSignalSpy dir(fu, &Fu::dirChanged);
        QSignalSpy forward(fu, &Fu::blockedForwardChanged);
        QSignalSpy backward(fu, &Fu::blockedBackwardChanged);
        QVERIFY2(run("f = Actuator.fu_rw_1\n"
                     "f.dir, f.blocked_backward = 0, False\n"
                     "for _ in range(2):\n"
                     "    f.dir, f.blocked_forward = -1, True\n"
                     "Actuator.fu_from_enum(E.FuRw1Dir).dir = 1"),
                 qPrintable(pyError));
        QCOMPARE(dir.count(), 2);
        QCOMPARE(fu->dir(), 1);
        QCOMPARE(forward.count(), 1);
        QCOMPARE(fu->blockedForward(), true);
        QCOMPARE(backward.count(), 0);
    }

    void blockingEmitsOnlyRealChanges()
    {
        NotifyCounter counter;
        QVERIFY2(run("Actuator.add_blocked([E.SvKanal, E.FuRw2Backward, E.FuRw2Stop])"), qPrintable(pyError));
        QCOMPARE(counter.total(), 2);
        QCOMPARE(g_actuator.svKanal()->blocked(), true);
        QCOMPARE(g_actuator.fuRw2()->blockedBackward(), true);
        QCOMPARE(blockedCount(), 2);
        QVERIFY2(run("Actuator.add_blocked([E.SvKanal, E.FuRw2Backward, E.FuRw2Stop])"), qPrintable(pyError));
        QCOMPARE(counter.total(), 2);

        // Everything: 33 outputs and both directions of four drives.
        QVERIFY2(run("Actuator.block_all_except_of(set())"), qPrintable(pyError));
        QCOMPARE(blockedCount(), 41);
        QCOMPARE(counter.total(), 41);
        QVERIFY2(run("Actuator.block_all_except_of(frozenset())"), qPrintable(pyError));
        QCOMPARE(counter.total(), 41);

        QVERIFY2(run("Actuator.unblock_all_except_of({E.FuPump1Forward, E.FuPump1Stop, E.LedView})"),
                 qPrintable(pyError));
        QCOMPARE(blockedCount(), 2);
        QCOMPARE(g_actuator.fuPump1()->blockedForward(), true);
        QCOMPARE(g_actuator.ledView()->blocked(), true);
        QCOMPARE(counter.total(), 41 + 39);

        // A refused set changes nothing.
        QVERIFY2(run("try:\n"
                     "    Actuator.block_all_except_of({E.LedGn, 5})\n"
                     "    raise AssertionError('accepted')\n"
                     "except TypeError:\n"
                     "    pass"),
                 qPrintable(pyError));
        QCOMPARE(counter.total(), 41 + 39);
    }

    void toggleReachesTheStandInController()
    {
        LogCapture log;
        DOut *out = g_actuator.svKanal();
        QSignalSpy toggles(&g_actuator, &Actuator::_toggle);
        QSignalSpy state(out, &DOut::stateChanged);

        out->toggle();
        QCOMPARE(toggles.count(), 1);
        QCOMPARE(out->state(), false);
        QVERIFY2(deliver(toggles), qPrintable(pyError));
        QCOMPARE(out->state(), true);
        QCOMPARE(state.count(), 1);
        QCOMPARE(log.matching(QStringLiteral("[Py] controller: actuator_toggle_from_cpp(<ActuatorEnum.SvKanal: 5>)"))
                     .size(),
                 1);

        // Blocked: the request is still sent, the controller refuses it.
        toggles.clear();
        QVERIFY2(run("Actuator.add_blocked([E.SvKanal])"), qPrintable(pyError));
        out->toggle();
        QCOMPARE(toggles.count(), 1);
        QVERIFY2(deliver(toggles), qPrintable(pyError));
        QCOMPARE(out->state(), true);
        QCOMPARE(state.count(), 1);

        // An output past the drives' codes.
        toggles.clear();
        g_actuator.svKkCooler()->toggle();
        QVERIFY2(deliver(toggles), qPrintable(pyError));
        QCOMPARE(g_actuator.svKkCooler()->state(), true);
    }

    void driveRequestsReachTheStandInController()
    {
        LogCapture log;
        Fu *fu = g_actuator.fuPump2();
        QSignalSpy toggles(&g_actuator, &Actuator::_toggle);
        QSignalSpy dir(fu, &Fu::dirChanged);

        fu->toggleForward();
        QCOMPARE(fu->dir(), 0);
        QVERIFY2(deliver(toggles), qPrintable(pyError));
        QCOMPARE(fu->dir(), 1);
        QVERIFY(!log.matching(QStringLiteral("actuator_toggle_from_cpp(<ActuatorEnum.FuPump2Forward: 42>)")).isEmpty());

        toggles.clear();
        QVERIFY2(run("Actuator.add_blocked([E.FuPump2Backward])"), qPrintable(pyError));
        fu->toggleBackward();
        QCOMPARE(toggles.count(), 1);
        QVERIFY2(deliver(toggles), qPrintable(pyError));
        QCOMPARE(fu->dir(), 1);

        toggles.clear();
        fu->stop();
        QVERIFY2(deliver(toggles), qPrintable(pyError));
        QCOMPARE(fu->dir(), 0);
        QCOMPARE(dir.count(), 2);

        // A direction code asks for nothing.
        QVERIFY2(run("controller.actuator_toggle_from_cpp(E.FuPump2Dir)"), qPrintable(pyError));
        QCOMPARE(dir.count(), 2);
        // Neither does a code that names nothing.
        QVERIFY2(run("controller.actuator_toggle_from_cpp(E(100))"), qPrintable(pyError));
    }

    // The controller's thread writes through the binding while this thread
    // reads as the screens do; change notices arrive queued, at most one per
    // change, and the last one reads the last value.
    void pythonWritesWhileGuiReads()
    {
        static constexpr int kRounds = 100;
        QVERIFY2(run(R"(
def _writer(rounds):
    for r in range(1, rounds + 1):
        for o in Actuator.all_douts:
            o.state = r % 2 == 1
            o.num = r
            o.name = f"Ausgang {r}"
        for f in _fus():
            f.dir = 1 if r % 2 else -1
        Actuator.block_all_except_of({E.FuPump1Forward} if r % 2 else set())
)"),
                 qPrintable(pyError));
        int stateChanges = 0;
        int dirChanges = 0;
        QHash<DOut *, bool> statesSeen;
        QHash<Fu *, int> dirsSeen;
        for (DOut *out : g_actuator.allDouts())
            connect(out, &DOut::stateChanged, this, [&, out] {
                ++stateChanges;
                statesSeen[out] = out->state();
            });
        for (Fu *fu : g_actuator.allFus())
            connect(fu, &Fu::dirChanged, this, [&, fu] {
                ++dirChanges;
                dirsSeen[fu] = fu->dir();
            });

        // A standard thread: its join is visible to ThreadSanitizer.
        QString failure;
        std::atomic<bool> done{false};
        bool readsSane = true;
        {
            py::gil_scoped_release release;
            std::thread writer([this, &failure, &done] {
                {
                    py::gil_scoped_acquire gil;
                    try {
                        env->globals["_writer"](kRounds);
                    } catch (py::error_already_set &e) {
                        failure = QString::fromUtf8(e.what());
                    }
                }
                done = true;
            });
            while (!done) {
                for (DOut *out : g_actuator.allDouts()) {
                    readsSane &= out->property("num").toInt() >= -1;
                    readsSane &= !out->property("name").toString().isEmpty();
                    out->property("state");
                    out->property("blocked");
                }
                for (Fu *fu : g_actuator.allFus()) {
                    readsSane &= qAbs(fu->property("dir").toInt()) <= 1;
                    fu->property("blockedForward");
                }
                QCoreApplication::processEvents();
            }
            writer.join();
        }
        QCoreApplication::processEvents();
        for (DOut *out : g_actuator.allDouts())
            disconnect(out, nullptr, this, nullptr);
        for (Fu *fu : g_actuator.allFus())
            disconnect(fu, nullptr, this, nullptr);

        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(readsSane);
        QVERIFY(stateChanges >= Actuator::kDOutCount && stateChanges <= kRounds * Actuator::kDOutCount);
        QVERIFY(dirChanges >= Actuator::kFuCount && dirChanges <= kRounds * Actuator::kFuCount);
        for (DOut *out : g_actuator.allDouts())
            QCOMPARE(statesSeen.value(out, true), false);
        for (Fu *fu : g_actuator.allFus())
            QCOMPARE(dirsSeen.value(fu), -1);
        QCOMPARE(g_actuator.svSkOut()->name(), QStringLiteral("Ausgang %1").arg(kRounds));
        QCOMPARE(g_actuator.mvKkCip()->num(), kRounds);
        QCOMPARE(blockedCount(), 41);
    }
};

QTEST_GUILESS_MAIN(TstActuatorBinding)
#include "tst_actuator_binding.moc"
