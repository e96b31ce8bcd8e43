#include <QJSValue>
#include <QSignalSpy>
#include <QtTest>

#include "converter.h"
#include "log_capture.h"
#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"

#include <memory>

namespace py = pybind11;

// tavell.sensor seen from the C++ side: writes through Python reach the
// global inputs with one notify signal per real change, and the stand-in
// controller stores a requested input.
class TstSensorBinding : public QObject
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

    // What the worker does with requestStateChange: the code as the bound
    // member and the screen's value converted, handed to the entry point.
    bool request(SensorEnum code, const QJSValue &value)
    {
        try {
            env->globals["controller"].attr("sensor_value_from_cpp")(py::cast(code), castQt2Py(value));
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
from tavell.sensor import Sensor, SensorEnum as E

_ins = [(i, i.name) for i in Sensor.all_dins]
_analogue = [(a, a.name, a.num) for a in (Sensor.ain1, Sensor.ain2)]

def _reset():
    for i, name in _ins:
        i.name, i.state, i.num = name, False, -1
    for a, name, num in _analogue:
        a.name, a.value, a.num = name, 0.0, num
    Sensor.has_kessel_druck, Sensor.kessel_druck = False, 0.0
)"),
                 qPrintable(pyError));
    }

    void init() { QVERIFY2(run("_reset()"), qPrintable(pyError)); }

    void cleanupTestCase()
    {
        QVERIFY2(run("_reset()"), qPrintable(pyError));
        env.reset();
        QCOMPARE(g_sensor.ls2()->name(), QStringLiteral("ls2"));
        QCOMPARE(g_sensor.aIn2()->num(), 1);
    }

    void pythonWritesEmitOncePerChange()
    {
        DIn *in = g_sensor.pThreshold();
        QSignalSpy state(in, &DIn::stateChanged);
        QSignalSpy num(in, &DIn::numChanged);
        QSignalSpy name(in, &DIn::nameChanged);
        QVERIFY2(run("i = Sensor.p_threshold\n"
                     "i.state, i.num, i.name = False, -1, 'pThreshold'\n"
                     "for _ in range(2):\n"
                     "    i.state, i.num, i.name = True, 3, 'Druckschalter \\u00fc'"),
                 qPrintable(pyError));
        QCOMPARE(state.count(), 1);
        QCOMPARE(num.count(), 1);
        QCOMPARE(name.count(), 1);
        QCOMPARE(in->state(), true);
        QCOMPARE(in->num(), 3);
        QCOMPARE(in->name(), QStringLiteral("Druckschalter ü"));
        QVERIFY2(run("Sensor.all_dins[3].state = False\nassert Sensor.din_from_enum(E.PThreshold).state is False"),
                 qPrintable(pyError));
        QCOMPARE(in->state(), false);
        QCOMPARE(state.count(), 2);

        AIn *ain = g_sensor.aIn2();
        QSignalSpy value(ain, &AIn::valueChanged);
        QSignalSpy ainNum(ain, &AIn::numChanged);
        QVERIFY2(run("a = Sensor.ain_from_enum(E.AIn2)\n"
                     "a.value, a.num = 0.0, 1\n"
                     "for _ in range(2):\n"
                     "    a.value = 2.5\n"
                     "Sensor.ain2.value = 2.5000001"),
                 qPrintable(pyError));
        QCOMPARE(value.count(), 2);
        QCOMPARE(ainNum.count(), 0);
        QCOMPARE(ain->value(), 2.5000001);
    }

    void kettlePressureEmitsOncePerChange()
    {
        QSignalSpy has(&g_sensor, &Sensor::hasKesselDruckChanged);
        QSignalSpy druck(&g_sensor, &Sensor::kesselDruckChanged);
        QVERIFY2(run("Sensor.has_kessel_druck, Sensor.kessel_druck = False, 0.0"), qPrintable(pyError));
        QCOMPARE(has.count() + druck.count(), 0);
        QVERIFY2(run("for _ in range(2):\n"
                     "    Sensor.has_kessel_druck, Sensor.kessel_druck = True, 1.25"),
                 qPrintable(pyError));
        QCOMPARE(has.count(), 1);
        QCOMPARE(druck.count(), 1);
        QCOMPARE(g_sensor.hasKesselDruck(), true);
        QCOMPARE(g_sensor.kesselDruck(), 1.25f);
    }

    void standInStoresTheRequestedInput()
    {
        LogCapture log;
        DIn *in = g_sensor.flow();
        QSignalSpy state(in, &DIn::stateChanged);

        QVERIFY2(request(Sensor::Flow, QJSValue(true)), qPrintable(pyError));
        QCOMPARE(in->state(), true);
        QCOMPARE(state.count(), 1);
        QCOMPARE(log.matching(QStringLiteral("[Py] controller: sensor_value_from_cpp(<SensorEnum.Flow: 2>, True)"))
                     .size(),
                 1);
        QVERIFY2(request(Sensor::Flow, QJSValue(true)), qPrintable(pyError));
        QCOMPARE(state.count(), 1);
        QVERIFY2(request(Sensor::Flow, QJSValue(false)), qPrintable(pyError));
        QCOMPARE(in->state(), false);
        QCOMPARE(state.count(), 2);

        // Only the addressed input changes; analogue and unknown codes change nothing.
        QVERIFY2(request(Sensor::Ls1, QJSValue(true)), qPrintable(pyError));
        QCOMPARE(g_sensor.ls1()->state(), true);
        QVERIFY2(request(Sensor::AIn1, QJSValue(true)), qPrintable(pyError));
        QVERIFY2(request(static_cast<SensorEnum>(100), QJSValue(true)), qPrintable(pyError));
        QCOMPARE(g_sensor.aIn1()->value(), 0.0);
        int on = 0;
        for (const DIn *din : g_sensor.allDins())
            on += din->state();
        QCOMPARE(on, 1);
    }
};

QTEST_GUILESS_MAIN(TstSensorBinding)
#include "tst_sensor_binding.moc"
