#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

#include "bridge_raspi.h"
#include "startup.h"
#include "state_objects.h"
#include "qml_registered.h"
#include "test_app.h"

#include <memory>

// The outputs and inputs as the screens see them after main's registrations.
// A singleton instance serves one engine only, so all cases share one.
class TstIoQmlRegistration : public QObject
{
    Q_OBJECT

private:
    RegisteredQml m_qml;

    std::unique_ptr<QObject> create(const QByteArray &qml, QString *error = nullptr) { return m_qml.create(qml, error); }

private Q_SLOTS:
    void initTestCase() { m_qml.start(); }

    void cleanupTestCase() { m_qml.stop(); }

    void metatypeNames()
    {
        QCOMPARE(QMetaType::type("ActuatorEnum"), qMetaTypeId<ActuatorEnum>());
        QCOMPARE(QMetaType::type("SensorEnum"), qMetaTypeId<SensorEnum>());
    }

    void uncreatableTypesRefuseWithTheirText_data()
    {
        QTest::addColumn<QByteArray>("module");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("text");

        QTest::newRow("ActuatorBase") << QByteArray("tavell.actuator") << QByteArray("ActuatorBase")
                                      << QStringLiteral("ActuatorBase kann nicht instanziert werden.");
        QTest::newRow("DOut") << QByteArray("tavell.actuator") << QByteArray("DOut")
                              << QStringLiteral("DOut kann nicht instanziert werden.");
        QTest::newRow("Fu") << QByteArray("tavell.actuator") << QByteArray("Fu")
                            << QStringLiteral("Fu kann nicht instanziert werden.");
        QTest::newRow("SensorBase") << QByteArray("tavell.sensor") << QByteArray("SensorBase")
                                    << QStringLiteral("SensorBase kann nicht instanziert werden.");
        QTest::newRow("DIn") << QByteArray("tavell.sensor") << QByteArray("DIn")
                             << QStringLiteral("DIn kann nicht instanziert werden.");
    }

    void uncreatableTypesRefuseWithTheirText()
    {
        QFETCH(QByteArray, module);
        QFETCH(QByteArray, type);
        QFETCH(QString, text);
        QString error;
        const auto object = create("import " + module + " 1.0\n" + type + " {}\n", &error);
        QVERIFY(!object);
        QVERIFY2(error.contains(text), qPrintable(error));
    }

    void analogueInputIsNoQmlType()
    {
        QString error;
        const auto object = create("import tavell.sensor 1.0\nAIn {}\n", &error);
        QVERIFY(!object);
        QVERIFY2(error.contains(QStringLiteral("AIn is not a type")), qPrintable(error));
    }

    void singletonsShowTheGlobalObjects()
    {
        QString error;
        const auto object = create(R"(import QtQml 2.15
import tavell.actuator 1.0
import tavell.sensor 1.0
QtObject {
    property string cooler: Actuator.svKkCooler.name
    property string view: Actuator.ledView.name
    property int kanal: Actuator.SvKanal
    property int rw2Stop: Actuator.FuRw2Stop
    property bool blockedForward: Actuator.fuRw1.blockedForward
    property int pump2Dir: Actuator.fuPump2.dir
    property string ls2: Sensor.ls2.name
    property int flow: Sensor.Flow
    property bool hasDruck: Sensor.hasKesselDruck
}
)",
                                   &error);
        QVERIFY2(object, qPrintable(error));
        QCOMPARE(object->property("cooler").toString(), QStringLiteral("Sv-Kk-Kühler"));
        QCOMPARE(object->property("view").toString(), QStringLiteral("LED-Sg"));
        QCOMPARE(object->property("kanal").toInt(), 5);
        QCOMPARE(object->property("rw2Stop").toInt(), 48);
        QCOMPARE(object->property("blockedForward").toBool(), false);
        QCOMPARE(object->property("pump2Dir").toInt(), 0);
        QCOMPARE(object->property("ls2").toString(), QStringLiteral("ls2"));
        QCOMPARE(object->property("flow").toInt(), 2);

        // Bindings follow the worker's writes.
        g_actuator.fuPump2()->setDir(-1);
        g_sensor.setHasKesselDruck(true);
        QCOMPARE(object->property("pump2Dir").toInt(), -1);
        QCOMPARE(object->property("hasDruck").toBool(), true);
        g_actuator.fuPump2()->setDir(0);
        g_sensor.setHasKesselDruck(false);
    }

    void screensSendRequests()
    {
        QSignalSpy toggles(&g_actuator, &Actuator::_toggle);
        QSignalSpy requests(&g_sensor, &Sensor::requestStateChange);
        QSignalSpy commands(&g_action, &Action::toPy);
        QString error;
        const auto object = create(R"(import QtQml 2.15
import tavell.action 1.0
import tavell.actuator 1.0
import tavell.sensor 1.0
QtObject {
    Component.onCompleted: {
        Actuator.svKanal.toggle()
        Actuator.fuRw1.toggleBackward()
        Actuator.fuPump1.stop()
        Sensor.requestStateChange(Sensor.Flow, true)
        Action_.toPy(Action_.InitFuRw1)
        Action_.toPy(Action_.InitFuRw1)
        Action_.toPy(Action_.ResetValves)
    }
}
)",
                                   &error);
        QVERIFY2(object, qPrintable(error));
        QCOMPARE(toggles.count(), 3);
        QCOMPARE(toggles[0][0].value<ActuatorEnum>(), Actuator::SvKanal);
        QCOMPARE(toggles[1][0].value<ActuatorEnum>(), Actuator::FuRw1Backward);
        QCOMPARE(toggles[2][0].value<ActuatorEnum>(), Actuator::FuPump1Stop);
        QCOMPARE(g_actuator.svKanal()->state(), false);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests[0][0].value<SensorEnum>(), Sensor::Flow);
        QCOMPARE(requests[0][1].value<QJSValue>().toBool(), true);
        QCOMPARE(commands.count(), 3);
        QCOMPARE(commands[0][0].value<ActionEnum>(), Action::InitFuRw1);
        QCOMPARE(commands[1][0].value<ActionEnum>(), Action::InitFuRw1);
        QCOMPARE(commands[2][0].value<ActionEnum>(), Action::ResetValves);
    }
};

QTEST_MAIN(TstIoQmlRegistration)
#include "tst_io_qml_registration.moc"
