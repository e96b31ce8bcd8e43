#include <QJSValue>
#include <QQmlExpression>
#include <QSignalSpy>
#include <QtTest>

#include "qml_registered.h"
#include "state_objects.h"

namespace {

const char *const kQml = R"(import QtQml 2.15
import tavell.values 1.0
QtObject {
    property var temp: Values.tempKessel
    property var cpu: Values.cpuTemp
    property var model: Values.tempKesselBModel
    property int zonesB: Values.heatZoneCountB
    property int setpointDefault: Values.heatingSetpointDefault
    property real ticksMin: Values.ticksPerLiterMin
    property int zone2: Values.HeatZone2Enabled
    property int kesselB: Values.TempKesselB
    function send(value) { Values.toPy(Values.HeatingSetpoint, value) }
}
)";

} // namespace

// The screens' view of Values, registered as the program registers it.
class TstValuesQml : public QObject
{
    Q_OBJECT

private:
    RegisteredQml m_qml;
    std::unique_ptr<QObject> m_root;

    QVariant eval(const QString &expression)
    {
        QQmlExpression e(m_qml.engine->rootContext(), m_root.get(), expression);
        const QVariant result = e.evaluate();
        if (e.hasError())
            qWarning() << e.error().toString();
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_qml.start();
        QString error;
        m_root = m_qml.create(kQml, &error);
        QVERIFY2(m_root, qPrintable(error));
    }

    void cleanupTestCase()
    {
        m_root.reset();
        m_qml.stop();
    }

    void metatypeIsRegisteredByName()
    {
        QCOMPARE(QMetaType::type("ValuesEnum"), qMetaTypeId<Values::ValuesEnum>());
        QVERIFY(QMetaType::type("StringMap") != QMetaType::UnknownType);
    }

    void readsInitialValuesAndEnum()
    {
        QCOMPARE(eval(QStringLiteral("temp === 0")).toBool(), true);
        QCOMPARE(eval(QStringLiteral("cpu === null")).toBool(), true);
        QCOMPARE(eval(QStringLiteral("model.length")).toInt(), 0);
        QCOMPARE(m_root->property("zonesB").toInt(), -1);
        QCOMPARE(m_root->property("setpointDefault").toInt(), 78);
        QCOMPARE(m_root->property("ticksMin").toDouble(), double(0.1f));
        QCOMPARE(m_root->property("zone2").toInt(), 1);
        QCOMPARE(m_root->property("kesselB").toInt(), 33);
    }

    void bindingsFollowWrites()
    {
        g_values.setTempKessel(TemperatureOrError(QStringLiteral("Fühlerfehler")));
        QCOMPARE(eval(QStringLiteral("temp")).toString(), QStringLiteral("Fühlerfehler"));
        g_values.setTempKessel(TemperatureOrError(63.5f));
        QCOMPARE(eval(QStringLiteral("temp === 63.5")).toBool(), true);
        g_values.setCpuTemp(QVariant(51.0));
        QCOMPARE(eval(QStringLiteral("cpu")).toDouble(), 51.0);
        g_values.setTempKesselBModel({QStringLiteral("28-a"), QStringLiteral("28-b")});
        QCOMPARE(eval(QStringLiteral("model.length === 2 && model[1] === '28-b'")).toBool(), true);
        g_values.setHeatZoneCountB(3);
        QCOMPARE(m_root->property("zonesB").toInt(), 3);
    }

    void screenRequestCarriesCodeAndScriptValue()
    {
        QSignalSpy toPy(&g_values, &Values::toPy);
        QVERIFY(QMetaObject::invokeMethod(m_root.get(), "send", Q_ARG(QVariant, QVariant(3))));
        QCOMPARE(toPy.count(), 1);
        QCOMPARE(toPy[0][0].value<ValuesEnum>(), Values::HeatingSetpoint);
        const QJSValue value = toPy[0][1].value<QJSValue>();
        QVERIFY(value.isNumber());
        QCOMPARE(value.toNumber(), 3.0);
    }
};

QTEST_GUILESS_MAIN(TstValuesQml)
#include "tst_values_qml.moc"
