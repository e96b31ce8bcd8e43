#include <pybind11/embed.h>

#include <QElapsedTimer>
#include <QJSEngine>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <functional>

#include "bridge_raspi.h"
#include "log_capture.h"
#include "pybridge_worker.h"
#include "state_objects.h"
#include "test_app.h"

namespace py = pybind11;

namespace {

QMutex answerMutex;
QString answer;
std::atomic<int> emitsOnGuiThread{0};
std::atomic<int> emitsOffGuiThread{0};

QString storedAnswer()
{
    QMutexLocker locker(&answerMutex);
    return answer;
}

} // namespace

// What the scenario controller reaches from Python besides tavell.
PYBIND11_EMBEDDED_MODULE(forwarding_probe, m)
{
    // Module-local, so that it stands beside the values' own binding: the
    // blocking value signals need a bound enumeration to reach Python.
    py::enum_<Values::ValuesEnum>(m, "ValuesEnum", py::module_local())
        .value("HeatingSetpoint", Values::HeatingSetpoint)
        .value("TicksPerLiter", Values::TicksPerLiter);

    m.def("store_answer", [](const std::string &text) {
        QMutexLocker locker(&answerMutex);
        answer = QString::fromStdString(text);
    });
    m.def("emit_action", [](int code) {
        const bool onGui = QThread::currentThread() == QCoreApplication::instance()->thread();
        ++(onGui ? emitsOnGuiThread : emitsOffGuiThread);
        Q_EMIT g_action.toPy(ActionEnum(code));
    });
}

// Operator actions on their way to the controller's entry points. Each test
// starts its own interpreter with a scenario controller chosen through
// PYTHONPATH, which the interpreter reads again at every start.
class TstPyWorkerForwarding : public QObject
{
    Q_OBJECT

private:
    static void useController(const char *scenario)
    {
        qputenv("PYTHONPATH", qgetenv("TAVELL_SOURCE_DIR") + "/tests/py/controllers/" + scenario);
    }

    static QStringList pyArgs() { return {QStringLiteral("/opt/tavell/brew/py/venv/bin/python3.9")}; }

    // Returns once the worker has handled everything queued to it so far
    // (start-up included: it runs before the thread's event loop).
    static bool flushWorker()
    {
        PyWorker *const worker = _pyWorker.load(std::memory_order_acquire);
        return worker && QMetaObject::invokeMethod(worker, [] {}, Qt::BlockingQueuedConnection);
    }

    static int indexOf(const QStringList &lines, const QString &text)
    {
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].contains(text))
                return i;
        return -1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        QVERIFY(powerCommandsAreStandIns());
    }

    void guiReadyReachesControllerAfterInit()
    {
        useController("forwarding");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        // Sent while init still runs: it waits in the worker's queue.
        Q_EMIT bridge.pyAction(Action::GuiReady);
        QVERIFY(log.waitFor(QStringLiteral("forwarding: leave action_from_cpp(<ActionEnum.GuiReady: 0>)")));

        const QStringList lines = log.lines();
        const int init = indexOf(lines, QStringLiteral("forwarding: init(True, False)"));
        const int ready = indexOf(lines, QStringLiteral("forwarding: enter action_from_cpp(<ActionEnum.GuiReady: 0>)"));
        QVERIFY(init >= 0);
        QVERIFY2(ready > init, qPrintable(lines.join('\n')));
        // The code is the member of tavell.action.ActionEnum, not an int.
        QVERIFY2(lines[ready].endsWith(QStringLiteral("depth=1 bound=True")), qPrintable(lines[ready]));
        QCOMPARE(log.matching(QStringLiteral("action_from_cpp(<ActionEnum.GuiReady")).size(), 2);

        // Both senders of pyAction give one call per emission.
        log.clear();
        Q_EMIT bridge.pyAction(Action::ResetValves);
        Q_EMIT g_action.toPy(Action::HeatingB);
        QVERIFY(flushWorker());
        QCOMPARE(log.matching(QStringLiteral("enter action_from_cpp(")).size(), 2);
        QCOMPARE(log.matching(QStringLiteral("enter action_from_cpp(<ActionEnum.ResetValves: 2>) depth=1 bound=True")).size(), 1);
        QCOMPARE(log.matching(QStringLiteral("enter action_from_cpp(<ActionEnum.HeatingB: 10>) depth=1 bound=True")).size(), 1);
        QVERIFY(log.matching(QStringLiteral("[CRIT ]")).isEmpty());
    }

    void blockingSignalReturnsAfterControllerAnswered()
    {
        useController("forwarding");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        QVERIFY(flushWorker());
        QVERIFY(!log.matching(QStringLiteral("Interpreter mit Modul 'controller' initialisiert")).isEmpty());

        // A number from QML: the controller sleeps before it answers, and the
        // GUI thread only goes on once the answer is stored.
        QElapsedTimer timer;
        timer.start();
        Q_EMIT g_values.toPy(Values::HeatingSetpoint, QJSValue(3));
        QCOMPARE(storedAnswer(), QStringLiteral("<ValuesEnum.HeatingSetpoint: 8> 3.0 float"));
        QVERIFY(timer.elapsed() >= 250);

        // The same code sent by the program as a QVariant int is queued: the
        // sender goes on at once and the int stays an int.
        Q_EMIT g_values.toPyQVar(Values::HeatingSetpoint, QVariant(3));
        QCOMPARE(storedAnswer(), QStringLiteral("<ValuesEnum.HeatingSetpoint: 8> 3.0 float"));
        QTRY_COMPARE(storedAnswer(), QStringLiteral("<ValuesEnum.HeatingSetpoint: 8> 3 int"));

        // A text from the screen arrives as a str.
        Q_EMIT g_values.toPy(Values::TicksPerLiter, QJSValue(QStringLiteral("Würze")));
        QCOMPARE(storedAnswer(), QStringLiteral("<ValuesEnum.TicksPerLiter: 12> 'Würze' str"));
        QVERIFY(log.matching(QStringLiteral("[CRIT ]")).isEmpty());
    }

    void signalFromWorkerThreadRunsDirectly()
    {
        useController("forwarding");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        QVERIFY(flushWorker());
        log.clear();
        emitsOnGuiThread = 0;
        emitsOffGuiThread = 0;

        // The controller's ResetFlows emits Action.toPy(HeatingA) inside its
        // own call: the nested action runs at once, under the lock already held.
        Q_EMIT g_action.toPy(Action::ResetFlows);
        QVERIFY(log.waitFor(QStringLiteral("forwarding: leave action_from_cpp(<ActionEnum.ResetFlows: 3>) depth=1")));
        const QStringList calls = log.matching(QStringLiteral("forwarding: "));
        QCOMPARE(calls.size(), 4);
        QVERIFY(calls[0].endsWith(QStringLiteral("enter action_from_cpp(<ActionEnum.ResetFlows: 3>) depth=1 bound=True")));
        QVERIFY(calls[1].endsWith(QStringLiteral("enter action_from_cpp(<ActionEnum.HeatingA: 9>) depth=2 bound=True")));
        QVERIFY(calls[2].endsWith(QStringLiteral("leave action_from_cpp(<ActionEnum.HeatingA: 9>) depth=2")));
        QVERIFY(calls[3].endsWith(QStringLiteral("leave action_from_cpp(<ActionEnum.ResetFlows: 3>) depth=1")));
        QCOMPARE(emitsOffGuiThread.load(), 1);
        QCOMPARE(emitsOnGuiThread.load(), 0);

        // Nothing of the nested call is left queued behind it.
        QVERIFY(flushWorker());
        QCOMPARE(log.matching(QStringLiteral("forwarding: ")).size(), 4);
    }

    void raisingEntryPointLeavesWorkerRunning()
    {
        useController("forwarding");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        QSignalSpy errors(&bridge, &BridgeBase::exception);
        QVERIFY(flushWorker());
        log.clear();

        Q_EMIT g_action.toPy(Action::InitFuRw1);
        Q_EMIT bridge.pyAction(Action::HeatingB);
        QVERIFY(log.waitFor(QStringLiteral("forwarding: leave action_from_cpp(<ActionEnum.HeatingB: 10>)")));
        QVERIFY(!log.matching(QStringLiteral("forwarding: leave action_from_cpp(<ActionEnum.InitFuRw1: 4>)")).isEmpty());

        QTRY_COMPARE(errors.size(), 1);
        const QVariantMap record = errors[0][0].toMap();
        QCOMPARE(record.value("type").toString(), QStringLiteral("ValueError"));
        const QString text = record.value("text").toString();
        QVERIFY2(text.startsWith(QStringLiteral("Aktion abgelehnt\nZeile ")), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral(" in pybridge_worker.cpp")), qPrintable(text));
        QCOMPARE(record.value("withTraceback").toBool(), true);
        const QVariantMap raisedAt = record.value("trace").toList().last().toMap();
        QCOMPARE(raisedAt.value("func").toString(), QStringLiteral("action_from_cpp"));
        QCOMPARE(raisedAt.value("file").toString(), QStringLiteral("controller.py"));

        const QStringList critical = log.matching(QStringLiteral("[CRIT ]"));
        QCOMPARE(critical.size(), 1);
        QVERIFY2(critical[0].contains(QStringLiteral("py::error_already_set")), qPrintable(critical[0]));
        QVERIFY2(critical[0].contains(QStringLiteral("Function: void PyWorker::pyAction(ActionEnum))")),
                 qPrintable(critical[0]));

        // The slot let go of the interpreter lock on its way out.
        {
            py::gil_scoped_acquire gil;
            QVERIFY(Py_IsInitialized());
        }
        QCOMPARE(errors.size(), 1);
    }

    void unboundEnumerationIsReported()
    {
        useController("forwarding");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        QSignalSpy errors(&bridge, &BridgeBase::exception);
        QVERIFY(flushWorker());
        const bool bound = log.matching(QStringLiteral("forwarding: simulator enum bound=True")).size() == 1;
        QVERIFY(bound || log.matching(QStringLiteral("forwarding: simulator enum bound=False")).size() == 1);

        Q_EMIT g_simulator.toPy(Simulator::SimAutoFlow, QVariant(true));
        Q_EMIT g_action.toPy(Action::AutoHand);
        QVERIFY(log.waitFor(QStringLiteral("forwarding: leave action_from_cpp(<ActionEnum.AutoHand: 8>)")));
        if (bound) {
            QCOMPARE(log.matching(QStringLiteral("forwarding: simulator_value_from_cpp(")).size(), 1);
            QCOMPARE(errors.size(), 0);
        } else {
            // Without its binding the code cannot be made a Python object:
            // the operator sees the error and the controller is not called.
            QTRY_COMPARE(errors.size(), 1);
            const QVariantMap record = errors[0][0].toMap();
            QCOMPARE(record.value("type").toString(), QStringLiteral("TypeError"));
            QVERIFY2(record.value("text").toString().startsWith(QStringLiteral("Unregistered type : Simulator::SimEnum")),
                     qPrintable(record.value("text").toString()));
            QVERIFY(log.matching(QStringLiteral("forwarding: simulator_value_from_cpp(")).isEmpty());
            const QStringList critical = log.matching(QStringLiteral("[CRIT ]"));
            QCOMPARE(critical.size(), 1);
            QVERIFY(critical[0].contains(QStringLiteral("py::error_already_set")));
        }
    }

    void notFoundLinePerAction()
    {
        useController("init_raises");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        QVERIFY(flushWorker());
        QCOMPARE(g_gui.controlsEnabled(), false);
        QSignalSpy errors(&bridge, &BridgeBase::exception);

        QJSEngine engine;
        QJSValue login = engine.newArray(2);
        login.setProperty(0, QStringLiteral("Brauerei-WLAN"));
        login.setProperty(1, QStringLiteral("hopfen&malz-42"));

        // Every connected signal once, and the two slots without a signal
        // through the meta-object: one line each, naming its own entry point.
        // The blocking ones are handled when the emission returns; the others
        // wait in the queue of the worker, which is kept busy meanwhile.
        const struct
        {
            bool blocking;
            std::function<void()> send;
            const char *item;
            const char *function;
        } rows[] = {
            {false, [&] { Q_EMIT bridge.pyAction(Action::GuiReady); },
             "action_from_cpp() nicht gefunden -  pyAction ( Action::GuiReady ).", "pyAction(ActionEnum)"},
            {false, [] { Q_EMIT g_action.toPy(Action::HeatingA); },
             "action_from_cpp() nicht gefunden -  pyAction ( Action::HeatingA ).", "pyAction(ActionEnum)"},
            {false, [] { g_actuator.ledGn()->toggle(); },
             "actuator_toggle_from_cpp() nicht gefunden -  pyActuatorToggle ( detail::_ActuatorGroupBase::LedGn ).",
             "pyActuatorToggle(detail::_ActuatorGroupBase::ActuatorEnum)"},
            {true, [] { Q_EMIT g_auto.toPy(Auto::NextStep, QJSValue(7)); },
             "auto_value_from_cpp() nicht gefunden -  pyAutoValueQJs ( Auto::NextStep , \"7\" ).",
             "pyAutoValueQJs(Auto::AutoEnum, const QJSValue&)"},
            {false, [] { Q_EMIT g_auto.toPyQVar(Auto::FuFreqSpPump2, QVariant(30)); },
             "auto_value_from_cpp() nicht gefunden -  pyAutoValueQVar ( Auto::FuFreqSpPump2 , QVariant(int, 30) ).",
             "pyAutoValueQVar(Auto::AutoEnum, const QVariant&)"},
            {false, [] { Q_EMIT g_gui.changedPage(Gui::Recipes); },
             "set_page_from_cpp() nicht gefunden -  pySetPage ( Gui::Recipes ).", "pySetPage(PageEnum)"},
            {true, [] { Q_EMIT g_gui.toPy(Gui::PopupOpened, QJSValue(true)); },
             "gui_value_from_cpp() nicht gefunden -  pyGuiValueQJs ( Gui::PopupOpened , \"true\" ).",
             "pyGuiValueQJs(GuiValueEnum, const QJSValue&)"},
            {false, [] { g_gui.deleteWarnings(); },
             "gui_value_from_cpp() nicht gefunden -  pyGuiValueQVar ( Gui::DeleteWarnings , QVariant(Invalid) ).",
             "pyGuiValueQVar(GuiValueEnum, const QVariant&)"},
            {true, [] { Q_EMIT g_recipes.toPy(Recipes::RenameRecipe, QJSValue(QStringLiteral("Märzen"))); },
             "recipe_action_from_cpp() nicht gefunden -  pyRecipeValueQJs ( Recipes::RenameRecipe , \"Märzen\" ).",
             "pyRecipeValueQJs(RecipesAction, const QJSValue&)"},
            {false, [] { Q_EMIT g_recipes.toPyQVar(Recipes::ToggleShowPfannevollWarningForRecipe, QVariant(QStringLiteral("Pils"))); },
             "recipe_action_from_cpp() nicht gefunden -  pyRecipeValueQVar ( Recipes::ToggleShowPfannevollWarningForRecipe "
             ", QVariant(QString, \"Pils\") ).",
             "pyRecipeValueQVar(RecipesAction, const QVariant&)"},
            {true, [] { Q_EMIT g_sensor.requestStateChange(Sensor::PThreshold, QJSValue(true)); },
             "sensor_value_from_cpp() nicht gefunden -  pySensorValueQJs ( detail::_SensorGroupBase::PThreshold , \"true\" ).",
             "pySensorValueQJs(SensorEnum, const QJSValue&)"},
            {false, [] {
                 QVERIFY(QMetaObject::invokeMethod(_pyWorker.load(), "pySensorValueQVar", Qt::QueuedConnection,
                                                   Q_ARG(SensorEnum, Sensor::Ls1), Q_ARG(QVariant, QVariant(1.5))));
             },
             "sensor_value_from_cpp() nicht gefunden -  pySensorValueQVar ( detail::_SensorGroupBase::Ls1 , "
             "QVariant(double, 1.5) ).",
             "pySensorValueQVar(SensorEnum, const QVariant&)"},
            {true, [] { Q_EMIT g_shell.toPy(Shell::Changelog, QJSValue(QStringLiteral("tavell-brew"))); },
             "shell_action_from_cpp() nicht gefunden -  pyShellValueQJs ( Shell::Changelog , \"tavell-brew\" ).",
             "pyShellValueQJs(ShellAction, const QJSValue&)"},
            {false, [] {
                 QVERIFY(QMetaObject::invokeMethod(_pyWorker.load(), "pySimulatorValueQJs", Qt::QueuedConnection,
                                                   Q_ARG(SimulatorEnum, Simulator::SimScaleFactor),
                                                   Q_ARG(QJSValue, QJSValue(2.5))));
             },
             "simulator_value_from_cpp() nicht gefunden -  pySimulatorValueQJs ( Simulator::SimScaleFactor , \"2.5\" ).",
             "pySimulatorValueQJs(SimulatorEnum, const QJSValue&)"},
            {false, [] { Q_EMIT g_simulator.toPy(Simulator::SimAIn0, QVariant(512)); },
             "simulator_value_from_cpp() nicht gefunden -  pySimulatorValueQVar ( Simulator::SimAIn0 , QVariant(int, 512) ).",
             "pySimulatorValueQVar(SimulatorEnum, const QVariant&)"},
            {false, [] { Q_EMIT g_values.toPyQVar(Values::HeatZone2Enabled, QVariant(false)); },
             "value_from_cpp() nicht gefunden -  pyValueQVar ( Values::HeatZone2Enabled , QVariant(bool, false) ).",
             "pyValueQVar(Values::ValuesEnum, const QVariant&)"},
            {true, [] { Q_EMIT g_values.toPy(Values::HeatingSetpoint, QJSValue(3)); },
             "value_from_cpp() nicht gefunden -  pyValueQJs ( Values::HeatingSetpoint , \"3\" ).",
             "pyValueQJs(Values::ValuesEnum, const QJSValue&)"},
            // The password never reaches the log.
            {true, [&] { Q_EMIT g_wifi.toPy(Wifi::Connect, login); },
             "wifi_action_from_cpp() nicht gefunden -  pyWifiValue ( Wifi::Connect , <verborgen> ).",
             "pyWifiValue(WifiAction, const QJSValue&)"},
        };

        // Outlives the worker's wait on it, whatever happens here.
        static QSemaphore busy;
        QStringList all;
        for (const auto &row : rows) {
            log.clear();
            {
                if (!row.blocking)
                    QMetaObject::invokeMethod(_pyWorker.load(), [] { busy.acquire(); }, Qt::QueuedConnection);
                // Frees the worker even when the check fails.
                const auto unblock = qScopeGuard([&row] {
                    if (!row.blocking)
                        busy.release();
                });
                row.send();
                QCOMPARE(log.lines().size(), row.blocking ? 1 : 0);
            }
            QVERIFY(flushWorker());
            const QStringList lines = log.lines();
            all += lines;
            QVERIFY2(lines.size() == 1, qPrintable(QString::fromUtf8(row.function) + ": " + lines.join('\n')));
            QVERIFY2(lines[0].startsWith(QStringLiteral("[CRIT ][")), qPrintable(lines[0]));
            QVERIFY2(lines[0].contains(QStringLiteral("] Python-Funktion ") + QString::fromUtf8(row.item) +
                                       QStringLiteral(" (File: ")),
                     qPrintable(lines[0]));
            QVERIFY2(lines[0].endsWith(QStringLiteral("Function: void PyWorker::") + QString::fromUtf8(row.function) +
                                       QStringLiteral(")")),
                     qPrintable(lines[0]));
        }
        QCOMPARE(all.size(), int(std::size(rows)));
        QCOMPARE(all.filter(QStringLiteral("hopfen&malz-42")).size(), 0);
        QCOMPARE(all.filter(QStringLiteral("Brauerei-WLAN")).size(), 0);
        QCOMPARE(errors.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TstPyWorkerForwarding)
#include "tst_pyworker_forwarding.moc"
