#include <QSignalSpy>
#include <QtTest>

#include "converter.h"
#include "log_capture.h"
#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"
#include "types.h"

namespace py = pybind11;

// tavell.simulator seen from Qt: Python writes reach the global object's
// setters and signals, and a request sent with a QVariant reaches the stand-in
// controller with the code as a SimuEnum member and the value of its kind.
class TstSimulatorBinding : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;

    static void resetSimulator()
    {
        g_simulator.setSimTicksPerMinuteMin(1);
        g_simulator.setSimTicksPerMinuteMax(10000);
        g_simulator.setSimTicksPerMinute(10000);
        g_simulator.setSimAutoFlow(true);
        g_simulator.setSimAIn0(0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
        env->exec("import tavell.simulator as sim");
    }

    void cleanupTestCase() { env.reset(); }

    void cleanup() { resetSimulator(); }

    void attributeIsTheGlobalObject()
    {
        QCOMPARE(env->eval("sim.Simulator").cast<Simulator *>(), &g_simulator);
        g_simulator.setSimAIn0(17);
        QCOMPARE(env->eval("sim.Simulator.a_in_0").cast<int>(), 17);
    }

    void pythonWritesGoThroughTheSetters()
    {
        QSignalSpy ticks(&g_simulator, &Simulator::simTicksPerMinuteChanged);
        QSignalSpy autoFlow(&g_simulator, &Simulator::simAutoFlowChanged);
        LogCapture log;

        // Clamped to the bound it already holds: stored again and announced.
        env->exec("sim.Simulator.ticks_per_minute = 20000");
        QCOMPARE(g_simulator.simTicksPerMinute(), 10000);
        QCOMPARE(ticks.count(), 1);
        QCOMPARE(log.matching(QStringLiteral("[Simulator WERT ZU GROß] 20000 wird zu 10000 geändert.")).size(), 1);

        env->exec("sim.Simulator.ticks_per_minute = 10000");
        QCOMPARE(ticks.count(), 1);

        env->exec("sim.Simulator.auto_flow = False");
        env->exec("sim.Simulator.auto_flow = False");
        QCOMPARE(g_simulator.simAutoFlow(), false);
        QCOMPARE(autoFlow.count(), 1);

        // A refused argument leaves the object untouched.
        env->exec(R"(
try:
    sim.Simulator.ticks_per_minute = "5"
    refused = False
except TypeError:
    refused = True
)");
        QVERIFY(env->globals["refused"].cast<bool>());
        QCOMPARE(ticks.count(), 1);
        QCOMPARE(g_simulator.simTicksPerMinute(), 10000);
    }

    // What the worker does with a request of the simulator window: the code
    // through the enumeration's caster, the value through castQt2Py.
    void variantRequestReachesTheStandIn_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("recorded");

        QTest::newRow("int stays int") << int(Simulator::SimTicksPerMinute) << QVariant(42)
                                       << "simulator_value_from_cpp(<SimuEnum.TicksPerMinute: 1>, 42)";
        QTest::newRow("whole double") << int(Simulator::SimTicksPerMinute) << QVariant(600.0)
                                      << "simulator_value_from_cpp(<SimuEnum.TicksPerMinute: 1>, 600.0)";
        QTest::newRow("bool") << int(Simulator::SimAutoFlow) << QVariant(false)
                              << "simulator_value_from_cpp(<SimuEnum.AutoFlow: 0>, False)";
        QTest::newRow("analogue input above bound") << int(Simulator::SimAIn0) << QVariant(250)
                                                    << "simulator_value_from_cpp(<SimuEnum.AIn0: 5>, 250)";
    }

    void variantRequestReachesTheStandIn()
    {
        QFETCH(int, code);
        QFETCH(QVariant, value);
        QFETCH(QString, recorded);

        py::object entryPoint = py::module_::import("controller").attr("simulator_value_from_cpp");
        QMetaObject::Connection connection = connect(
            &g_simulator, &Simulator::toPy, this, [&](Simulator::SimEnum key, const QVariant &v) {
                entryPoint(py::cast(key), castQt2Py(v));
            });
        LogCapture log;
        QSignalSpy ticks(&g_simulator, &Simulator::simTicksPerMinuteChanged);

        Q_EMIT g_simulator.toPy(Simulator::SimEnum(code), value);
        disconnect(connection);

        const QStringList lines = log.matching(QStringLiteral("[Py] controller: simulator_value_from_cpp("));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].endsWith(QStringLiteral("[Py] controller: ") + recorded), qPrintable(lines[0]));

        switch (code) {
        case Simulator::SimTicksPerMinute:
            QCOMPARE(g_simulator.simTicksPerMinute(), value.toInt());
            QCOMPARE(ticks.count(), 1);
            break;
        case Simulator::SimAutoFlow:
            QCOMPARE(g_simulator.simAutoFlow(), false);
            break;
        case Simulator::SimAIn0:
            QCOMPARE(g_simulator.simAIn0(), 100);
            QCOMPARE(log.matching(QStringLiteral("[Simulator WERT ZU GROß] 250 wird zu 100 geändert.")).size(), 1);
            break;
        }
    }
};

QTEST_GUILESS_MAIN(TstSimulatorBinding)
#include "tst_simulator_binding.moc"
