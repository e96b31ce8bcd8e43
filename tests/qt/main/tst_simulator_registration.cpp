#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "bridge_raspi.h"
#include "startup.h"
#include "state_objects.h"
#include "test_app.h"

// The simulator window reaches the parameters as a QML singleton and sends
// its requests through toPy; the codes arrive under the registered name.
class TstSimulatorRegistration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initTestApp();
        useSilentController(); }

    void singletonAndMetatype()
    {
        Bridge bridge(QStringList{QString::fromLatin1(kPyInterpreter)}, false);
        registerQmlTypes(bridge);

        QCOMPARE(QMetaType::type("SimEnum"), qMetaTypeId<Simulator::SimEnum>());

        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
import QtQml 2.15
import tavell.simulator 1.0
QtObject {
    property QtObject object: Simulator
    property int ticks: Simulator.simTicksPerMinute
    property real degreesMin: Simulator.simDegreesPerMinuteMin
    property int code: Simulator.SimAIn1
    function request() { Simulator.toPy(Simulator.SimAIn0, 42) }
}
)",
                          QUrl(QStringLiteral("qrc:/test/Registration.qml")));
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));

        QCOMPARE(root->property("object").value<QObject *>(), &g_simulator);
        QCOMPARE(root->property("ticks").toInt(), 10000);
        QCOMPARE(root->property("degreesMin").toDouble(), double(0.1f));
        QCOMPARE(root->property("code").toInt(), int(Simulator::SimAIn1));

        QSignalSpy toPy(&g_simulator, &Simulator::toPy);
        QVERIFY(QMetaObject::invokeMethod(root.get(), "request"));
        QCOMPARE(toPy.count(), 1);
        QCOMPARE(toPy[0][0].value<Simulator::SimEnum>(), Simulator::SimAIn0);
        QCOMPARE(toPy[0][1].value<QVariant>().toInt(), 42);

        // A change from the controller reaches the binding.
        g_simulator.setSimTicksPerMinute(1234);
        QCOMPARE(root->property("ticks").toInt(), 1234);
    }
};

QTEST_GUILESS_MAIN(TstSimulatorRegistration)
#include "tst_simulator_registration.moc"
