#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <vector>

#include "values.h"
#include "values_setters.h"

namespace {

using Row = QPair<const char *, QVariant>;

const QString kNotInitialised = QStringLiteral("Controller noch nicht initialisiert");

QVariant i(int v) { return QVariant(v); }
QVariant b(bool v) { return QVariant(v); }
QVariant f(float v) { return QVariant(v); }
QVariant s(const QString &v) { return QVariant(v); }

// The notifying properties in meta-object order with their initial values.
const std::vector<Row> &initialValues()
{
    static const std::vector<Row> rows{
        {"statusA", s(kNotInitialised)}, {"statusB", s(kNotInitialised)}, {"cpuTemp", QVariant::fromValue(nullptr)},
        {"upgradeIgnoreVersions", QVariantMap()}, {"unknownW1SensorsValues", QVariantMap()},
        {"w1", QVariant::fromValue(StringMap())},
        {"heatZoneTempMax", i(200)}, {"heatingSetpoint", i(78)}, {"heatingActive", b(false)},
        {"heatZone1Enabled", b(true)}, {"heatZone2Enabled", b(true)}, {"heatZone3Enabled", b(true)},
        {"heatZone4Enabled", b(true)}, {"tempKesselModel", QVariant::fromValue(QVector<QString>())},
        {"tempKesselSensorKey", s(QString())}, {"heatZoneCount", i(-1)}, {"tempKessel", f(0.0f)},
        {"tempZone1", f(0.0f)}, {"tempZone2", f(0.0f)}, {"tempZone3", f(0.0f)}, {"tempZone4", f(0.0f)},
        {"heatingBSetpoint", i(78)}, {"heatingBActive", b(false)}, {"heatZoneB1Enabled", b(true)},
        {"heatZoneB2Enabled", b(true)}, {"heatZoneB3Enabled", b(true)}, {"heatZoneB4Enabled", b(true)},
        {"tempKesselBModel", QVariant::fromValue(QVector<QString>())}, {"tempKesselBSensorKey", s(QString())},
        {"heatZoneCountB", i(-1)}, {"tempKesselB", f(0.0f)}, {"tempZoneB1", f(0.0f)}, {"tempZoneB2", f(0.0f)},
        {"tempZoneB3", f(0.0f)}, {"tempZoneB4", f(0.0f)},
        {"cookingStartTempMin", i(90)}, {"cookingStartTempMax", i(99)}, {"cookingStartTemp", i(98)},
        {"kondensatorStartTempMin", i(90)}, {"kondensatorStartTempMax", i(99)}, {"kondensatorStartTemp", i(97)},
        {"autoKondensator", b(true)}, {"autoKondBtnEnabled", b(false)}, {"whirlpoolEnabled", b(true)},
        {"whirlpoolSecondsMin", i(5)}, {"whirlpoolSecondsMax", i(60)}, {"whirlpoolSeconds", i(20)},
        {"whirlpoolMinFreqMin", i(10)}, {"whirlpoolMinFreqMax", i(70)}, {"whirlpoolMinFreq", i(30)},
        {"stammwuerzeMin", i(0)}, {"stammwuerzeMax", i(1000)}, {"hauptgussMin", i(1)}, {"hauptgussMax", i(250)},
        {"hauptgussTempMin", i(1)}, {"maischTempMin", i(1)}, {"maischTempMax", i(75)}, {"rastTempMin", i(1)},
        {"rastTempMax", i(90)}, {"rastTimeMin", i(1)}, {"rastTimeMax", i(100)}, {"rastCountMax", i(5)},
        {"nachgussLiterMin", i(1)}, {"nachgussLiterMax", i(50)}, {"nachgussCountMin", i(1)},
        {"nachgussCountMax", i(10)}, {"hopfenCountMax", i(5)}, {"cookingTimeMin", i(30)}, {"cookingTimeMax", i(120)},
        {"cookingPowerPercentageMin", i(10)}, {"cookingPowerPercentageMax", i(80)}, {"evaporationRateMin", i(1)},
        {"evaporationRateMax", i(40)},
        {"fuFreqSpRw1Min", i(1)}, {"fuFreqSpRw1Max", i(50)}, {"fuFreqSpRw1", i(25)}, {"fuFreqSpPump1Min", i(1)},
        {"fuFreqSpPump1Max", i(50)}, {"fuFreqSpPump1", i(25)}, {"fuFreqSpPumpLautern", i(25)}, {"fuRw1Ok", b(false)},
        {"fuPump1Ok", b(false)},
        {"fuFreqSpRw2Min", i(1)}, {"fuFreqSpRw2Max", i(50)}, {"fuFreqSpRw2", i(25)}, {"fuFreqSpPump2Min", i(1)},
        {"fuFreqSpPump2Max", i(50)}, {"fuFreqSpPump2", i(25)}, {"fuRw2Ok", b(false)}, {"fuPump2Ok", b(false)},
        {"fillrate", f(0.0f)}, {"filled", f(0.0f)}, {"ticks", i(0)}, {"ticksPerLiterMin", f(0.1f)},
        {"ticksPerLiterMax", f(1000.0f)}, {"ticksPerLiter", f(210.0f)}, {"filledHg", f(0.0f)}, {"filledNg", f(0.0f)},
        {"remotePumpControlActive", b(false)},
    };
    return rows;
}

const QStringList kWithDefault{
    "heatZoneTempMax", "heatingSetpoint", "heatingActive", "heatZone1Enabled", "heatZone2Enabled",
    "heatZone3Enabled", "heatZone4Enabled", "heatZoneCount", "heatingBSetpoint", "heatingBActive",
    "heatZoneB1Enabled", "heatZoneB2Enabled", "heatZoneB3Enabled", "heatZoneB4Enabled", "heatZoneCountB",
    "cookingStartTemp", "kondensatorStartTemp", "autoKondensator", "autoKondBtnEnabled", "whirlpoolEnabled",
    "whirlpoolSeconds", "whirlpoolMinFreq", "hauptgussTempMin", "rastCountMax", "hopfenCountMax",
    "fuFreqSpRw1", "fuFreqSpPump1", "fuFreqSpPumpLautern", "fuRw1Ok", "fuPump1Ok",
    "fuFreqSpRw2", "fuFreqSpPump2", "fuRw2Ok", "fuPump2Ok", "fillrate",
    "filled", "ticks", "ticksPerLiter", "filledHg", "filledNg",
    "remotePumpControlActive"};

// Equality including the variant's type (a float reading is not a double).
bool sameVariant(const QVariant &a, const QVariant &b)
{
    if (a.userType() != b.userType())
        return false;
    if (a.userType() == qMetaTypeId<StringMap>())
        return a.value<StringMap>() == b.value<StringMap>();
    if (a.userType() == qMetaTypeId<QVector<QString>>())
        return a.value<QVector<QString>>() == b.value<QVector<QString>>();
    return a == b;
}

QByteArray describe(const QVariant &v)
{
    QString text;
    QDebug(&text) << v;
    return text.toUtf8();
}

QVariant read(const Values &values, const char *name)
{
    const int index = values.metaObject()->indexOfProperty(name);
    return index < 0 ? QVariant() : values.metaObject()->property(index).read(&values);
}

// A value that differs from the current one and lies within the property's
// bounds, if it has any.
QVariant otherValue(const Values &values, const QMetaProperty &property)
{
    const QByteArray name = property.name();
    const QVariant current = property.read(&values);
    const QVariant min = read(values, name + "Min");
    const QVariant max = read(values, name + "Max");
    switch (current.userType()) {
    case QMetaType::Int:
        if (min.isValid())
            return current.toInt() == min.toInt() ? max.toInt() : min.toInt();
        return current.toInt() + 7;
    case QMetaType::Float:
        if (name.startsWith("temp"))
            return QVariant(QStringLiteral("Fühler %1 defekt").arg(QString::fromLatin1(name)));
        if (min.isValid())
            return QVariant((min.toFloat() + max.toFloat()) / 2);
        return QVariant(current.toFloat() + 1.5f);
    case QMetaType::Bool:
        return !current.toBool();
    case QMetaType::QString:
        return current.toString() + QStringLiteral("ä");
    case QMetaType::QVariantMap: {
        QVariantMap map = current.toMap();
        map.insert(QStringLiteral("k"), QVariantList{1, QStringLiteral("x")});
        return map;
    }
    case QMetaType::Nullptr:
        return QVariant(42.5);
    default:
        break;
    }
    if (current.userType() == qMetaTypeId<StringMap>()) {
        StringMap map = current.value<StringMap>();
        map.insert(QStringLiteral("28-0001"), QStringLiteral("Kessel"));
        return QVariant::fromValue(map);
    }
    if (current.userType() == qMetaTypeId<QVector<QString>>()) {
        QVector<QString> list = current.value<QVector<QString>>();
        list << QStringLiteral("28-0001");
        return QVariant::fromValue(list);
    }
    return QVariant();
}

} // namespace

class TstValuesProperties : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaObjectLayout()
    {
        const QMetaObject &mo = Values::staticMetaObject;
        const int offset = mo.propertyOffset();
        QCOMPARE(mo.propertyCount() - offset, 140);

        QStringList notifying;
        QStringList constant;
        for (int p = offset; p < mo.propertyCount(); ++p) {
            const QMetaProperty property = mo.property(p);
            QVERIFY2(!property.isWritable(), property.name());
            QVERIFY2(property.hasNotifySignal() != property.isConstant(), property.name());
            if (property.isConstant()) {
                constant << QString::fromLatin1(property.name());
                // A companion follows its value directly.
                const QString base = constant.last().chopped(int(qstrlen("Default")));
                QVERIFY2(constant.last().endsWith(QLatin1String("Default")), property.name());
                QCOMPARE(QString::fromLatin1(mo.property(p - 1).name()), base);
            } else {
                notifying << QString::fromLatin1(property.name());
            }
        }
        QStringList expectedOrder;
        for (const Row &row : initialValues())
            expectedOrder << QString::fromLatin1(row.first);
        QCOMPARE(notifying, expectedOrder);
        QStringList expectedConstant;
        for (const QString &name : kWithDefault)
            expectedConstant << name + QStringLiteral("Default");
        QCOMPARE(constant, expectedConstant);

        // Signals 0..98 are the change signals in property order, then the
        // two signals to the controller and the slot.
        const int methods = mo.methodOffset();
        QCOMPARE(mo.methodCount() - methods, 102);
        for (int n = 0; n < notifying.size(); ++n) {
            const QMetaMethod signal = mo.method(methods + n);
            QCOMPARE(signal.methodType(), QMetaMethod::Signal);
            QCOMPARE(QString::fromLatin1(signal.methodSignature()), notifying[n] + QStringLiteral("Changed()"));
            QCOMPARE(mo.property(mo.indexOfProperty(notifying[n].toLatin1())).notifySignalIndex(), methods + n);
        }
        QCOMPARE(mo.method(methods + 99).methodSignature(), QByteArray("toPyQVar(Values::ValuesEnum,QVariant)"));
        QCOMPARE(mo.method(methods + 100).methodSignature(), QByteArray("toPy(Values::ValuesEnum,QJSValue)"));
        QCOMPARE(mo.method(methods + 101).methodSignature(), QByteArray("_setIsSpecial()"));
        QCOMPARE(mo.method(methods + 101).methodType(), QMetaMethod::Slot);
    }

    void initialValuesAndDefaults()
    {
        Values values;
        for (const Row &row : initialValues()) {
            const QVariant actual = read(values, row.first);
            QVERIFY2(sameVariant(actual, row.second),
                     QByteArray(row.first) + ": " + describe(actual) + " != " + describe(row.second));
        }
        // Every companion holds its property's initial value, with the same type.
        const QMetaObject &mo = Values::staticMetaObject;
        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            const QMetaProperty property = mo.property(p);
            if (!property.isConstant())
                continue;
            const QByteArray base = QByteArray(property.name()).chopped(int(qstrlen("Default")));
            QVERIFY2(sameVariant(property.read(&values), read(values, base)), property.name());
        }
    }

    void everySetterIsListed()
    {
        const QMetaObject &mo = Values::staticMetaObject;
        QStringList expected;
        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            const QString name = QString::fromLatin1(mo.property(p).name());
            // The recipe's rest and hop counts are fixed.
            if (mo.property(p).hasNotifySignal() && name != QLatin1String("rastCountMax")
                && name != QLatin1String("hopfenCountMax"))
                expected << name;
        }
        QStringList listed = valuesSetters().keys();
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);
    }

    // Each setter changes its own property only, emits its own signal once,
    // and nothing when given the stored value again; companions stay as they are.
    void everySetterEmitsOnceOnChange_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names = valuesSetters().keys();
        names.sort();
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }

    void everySetterEmitsOnceOnChange()
    {
        QFETCH(QString, name);
        Values values;
        const QMetaObject &mo = Values::staticMetaObject;
        const QMetaProperty property = mo.property(mo.indexOfProperty(name.toLatin1()));

        QVector<QVariant> before;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            before << mo.property(p).read(&values);
            spies.emplace_back(mo.property(p).hasNotifySignal()
                                   ? new QSignalSpy(&values, mo.property(p).notifySignal())
                                   : nullptr);
        }
        QSignalSpy toPy(&values, &Values::toPy);
        QSignalSpy toPyQVar(&values, &Values::toPyQVar);

        const QVariant next = otherValue(values, property);
        QVERIFY2(next.isValid(), "no other value for this type");
        const ValuesSetter &set = valuesSetters()[name];
        set(values, next);

        const QVariant stored = property.read(&values);
        QVERIFY2(sameVariant(stored, next), describe(stored).constData());

        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            const QMetaProperty other = mo.property(p);
            const int k = p - mo.propertyOffset();
            if (other.propertyIndex() == property.propertyIndex()) {
                QCOMPARE(spies[size_t(k)]->count(), 1);
                continue;
            }
            QVERIFY2(sameVariant(other.read(&values), before[k]), other.name());
            if (spies[size_t(k)])
                QVERIFY2(spies[size_t(k)]->isEmpty(), other.name());
        }

        set(values, next);
        QCOMPARE(spies[size_t(property.propertyIndex() - mo.propertyOffset())]->count(), 1);
        QVERIFY(toPy.isEmpty());
        QVERIFY(toPyQVar.isEmpty());
    }

    void changeSignalSeesNewValue()
    {
        // Emitted after the store, with the lock held: a direct receiver can
        // read back the value on the same thread.
        Values values;
        QString seen;
        connect(&values, &Values::statusAChanged, this, [&] { seen = values.statusA(); });
        values.setStatusA(QStringLiteral("Maischen läuft"));
        QCOMPARE(seen, QStringLiteral("Maischen läuft"));
    }

    void temperatureEquality()
    {
        Values values;
        QSignalSpy changed(&values, &Values::tempKesselChanged);
        values.setTempKessel(TemperatureOrError(20.0f));
        values.setTempKessel(TemperatureOrError(QStringLiteral("Sensorfehler")));
        values.setTempKessel(TemperatureOrError(QStringLiteral("Sensorfehler")));
        values.setTempKessel(TemperatureOrError(QStringLiteral("20")));
        values.setTempKessel(TemperatureOrError(20.0f));
        values.setTempKessel(TemperatureOrError(20.0f));
        QCOMPARE(changed.count(), 4);
        QCOMPARE(values.tempKessel(), QVariant(20.0f));

        QVERIFY(TemperatureOrError() == TemperatureOrError(0.0f));
        QVERIFY(TemperatureOrError(QString()) != TemperatureOrError(0.0f));
        QVERIFY(TemperatureOrError(QStringLiteral("1")) != TemperatureOrError(1.0f));
    }

    void cpuTempIsNullOrNumber()
    {
        Values values;
        QVERIFY(values.cpuTemp().isNull());
        QCOMPARE(values.cpuTemp().userType(), int(QMetaType::Nullptr));
        QSignalSpy changed(&values, &Values::cpuTempChanged);
        values.setCpuTemp(QVariant::fromValue(nullptr));
        QCOMPARE(changed.count(), 0);
        values.setCpuTemp(QVariant(48.3));
        values.setCpuTemp(QVariant(48.3));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(values.cpuTemp().toDouble(), 48.3);
        values.setCpuTemp(QVariant::fromValue(nullptr));
        QCOMPARE(changed.count(), 2);
        QVERIFY(values.cpuTemp().isNull());
    }

    void valuesEnumCodes()
    {
        const QStringList keys{
            "HeatZone1Enabled", "HeatZone2Enabled", "HeatZone3Enabled", "HeatZone4Enabled",
            "HeatZoneB1Enabled", "HeatZoneB2Enabled", "HeatZoneB3Enabled", "HeatZoneB4Enabled",
            "HeatingSetpoint", "HeatingBSetpoint", "CookingStartTemp", "KondensatorStartTemp",
            "TicksPerLiter", "WhirlpoolEnabled", "WhirlpoolSeconds", "WhirlpoolMinFreq",
            "FuFreqSpRw1", "FuFreqSpPump1", "FuFreqSpRw2", "FuFreqSpPump2",
            "FuFreqSpPumpLautern", "TempKesselSensorKey", "TempKesselBSensorKey", "AutoKondensator",
            "TempZone1", "TempZone2", "TempZone3", "TempZone4",
            "TempZoneB1", "TempZoneB2", "TempZoneB3", "TempZoneB4",
            "TempKessel", "TempKesselB", "ValuesEnumCount"};
        const QMetaEnum e = QMetaEnum::fromType<Values::ValuesEnum>();
        QCOMPARE(QByteArray(e.name()), QByteArray("ValuesEnum"));
        QVERIFY(!e.isFlag());
        QCOMPARE(e.keyCount(), keys.size());
        for (int k = 0; k < e.keyCount(); ++k) {
            QCOMPARE(QString::fromLatin1(e.key(k)), keys[k]);
            QCOMPARE(e.value(k), k);
        }
        QCOMPARE(int(Values::ValuesEnumCount), 34);
    }
};

QTEST_GUILESS_MAIN(TstValuesProperties)
#include "tst_values_properties.moc"
