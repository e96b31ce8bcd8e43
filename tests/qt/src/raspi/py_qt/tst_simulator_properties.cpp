#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <memory>
#include <type_traits>
#include <vector>

#include "simulator.h"
#include "simulator_setters.h"

namespace {

struct Row
{
    const char *name;
    QVariant initial;
    bool hasDefault;
};

QVariant i(int v) { return QVariant(v); }
QVariant b(bool v) { return QVariant(v); }
QVariant f(float v) { return QVariant(v); }

// The notifying properties in meta-object order, with their initial values
// and whether a constant companion follows.
const std::vector<Row> &rows()
{
    static const std::vector<Row> table{
        {"simAutoFlow", b(true), true},
        {"simTicksPerMinuteMin", i(1), false},
        {"simTicksPerMinuteMax", i(10000), false},
        {"simTicksPerMinute", i(10000), true},
        {"simAutoHeating", b(true), true},
        {"simDegreesPerMinuteMin", f(0.1f), false},
        {"simDegreesPerMinuteMax", f(50.0f), false},
        {"simDegreesPerMinute", f(10.0f), true},
        {"simAIn0Min", i(0), false},
        {"simAIn0Max", i(100), false},
        {"simAIn0", i(0), true},
        {"simAIn1Min", i(0), false},
        {"simAIn1Max", i(100), false},
        {"simAIn1", i(0), true},
        {"simScaleFactor", f(0.5f), true},
    };
    return table;
}

QByteArray describe(const QVariant &v)
{
    QString text;
    QDebug(&text) << v;
    return text.toUtf8();
}

QVariant read(const Simulator &sim, const char *name)
{
    const int index = sim.metaObject()->indexOfProperty(name);
    return index < 0 ? QVariant() : sim.metaObject()->property(index).read(&sim);
}

// A value different from the current one and inside the property's bounds.
QVariant otherValue(const Simulator &sim, const QMetaProperty &property)
{
    const QByteArray name = property.name();
    const QVariant current = property.read(&sim);
    const QVariant min = read(sim, name + "Min");
    const QVariant max = read(sim, name + "Max");
    switch (current.userType()) {
    case QMetaType::Bool:
        return !current.toBool();
    case QMetaType::Int:
        if (min.isValid())
            return (min.toInt() + max.toInt()) / 2;
        return current.toInt() + 7;
    case QMetaType::Float:
        if (min.isValid())
            return QVariant((min.toFloat() + max.toFloat()) / 3);
        return QVariant(current.toFloat() + 0.25f);
    default:
        return QVariant();
    }
}

} // namespace

class TstSimulatorProperties : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaObjectLayout()
    {
        const QMetaObject &mo = Simulator::staticMetaObject;
        QCOMPARE(QByteArray(mo.superClass()->className()), QByteArray("QObject"));

        QStringList expected;
        for (const Row &row : rows()) {
            expected << QString::fromLatin1(row.name);
            if (row.hasDefault)
                expected << QString::fromLatin1(row.name) + QStringLiteral("Default");
        }
        QStringList actual;
        QStringList notifying;
        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            const QMetaProperty property = mo.property(p);
            actual << QString::fromLatin1(property.name());
            QVERIFY2(!property.isWritable(), property.name());
            const bool isDefault = actual.last().endsWith(QLatin1String("Default"));
            QCOMPARE(property.isConstant(), isDefault);
            QCOMPARE(property.hasNotifySignal(), !isDefault);
            if (!isDefault)
                notifying << actual.last();
        }
        QCOMPARE(actual, expected);
        QCOMPARE(actual.size(), 22);

        // The 15 change signals in property order, then toPy; nothing else.
        const int methods = mo.methodOffset();
        QCOMPARE(mo.methodCount() - methods, 16);
        for (int n = 0; n < notifying.size(); ++n) {
            const QMetaMethod signal = mo.method(methods + n);
            QCOMPARE(signal.methodType(), QMetaMethod::Signal);
            QCOMPARE(QString::fromLatin1(signal.methodSignature()), notifying[n] + QStringLiteral("Changed()"));
            QCOMPARE(mo.property(mo.indexOfProperty(notifying[n].toLatin1())).notifySignalIndex(), methods + n);
        }
        const QMetaMethod toPy = mo.method(methods + 15);
        QCOMPARE(toPy.methodType(), QMetaMethod::Signal);
        QCOMPARE(toPy.methodSignature(), QByteArray("toPy(Simulator::SimEnum,QVariant)"));
    }

    void initialValuesAndDefaults()
    {
        Simulator sim;
        for (const Row &row : rows()) {
            const QVariant actual = read(sim, row.name);
            QVERIFY2(actual.userType() == row.initial.userType() && actual == row.initial,
                     QByteArray(row.name) + ": " + describe(actual) + " != " + describe(row.initial));
            if (!row.hasDefault)
                continue;
            const QVariant companion = read(sim, QByteArray(row.name) + "Default");
            QVERIFY2(companion.userType() == row.initial.userType() && companion == row.initial, row.name);
        }
    }

    void singlePrecision()
    {
        // Rates and scale are single-precision floats, to the screens and to
        // Python alike: the lower heating bound widens to the double nearest
        // to 0.1f, not to 0.1.
        const QMetaObject &mo = Simulator::staticMetaObject;
        for (const char *name : {"simDegreesPerMinuteMin", "simDegreesPerMinuteMax", "simDegreesPerMinute",
                                 "simDegreesPerMinuteDefault", "simScaleFactor", "simScaleFactorDefault"})
            QCOMPARE(mo.property(mo.indexOfProperty(name)).userType(), int(QMetaType::Float));

        Simulator sim;
        static_assert(std::is_same_v<decltype(sim.simDegreesPerMinuteMin()), float>);
        static_assert(std::is_same_v<decltype(sim.simScaleFactorDefault()), float>);
        QCOMPARE(double(sim.simDegreesPerMinuteMin()), 0.10000000149011612);
        QVERIFY(double(sim.simDegreesPerMinuteMin()) != 0.1);

        // A rate written with more digits than a float holds reads back rounded.
        sim.setSimDegreesPerMinute(float(1.0 / 3.0));
        QCOMPARE(double(sim.simDegreesPerMinute()), double(float(1.0 / 3.0)));
        QVERIFY(double(sim.simDegreesPerMinute()) != 1.0 / 3.0);
    }

    void everyNotifyingPropertyHasASetter()
    {
        QStringList listed = simulatorSetters().keys();
        QStringList expected;
        for (const Row &row : rows())
            expected << QString::fromLatin1(row.name);
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);
    }

    // Each setter changes its own property only, emits its own signal once,
    // and nothing when given the stored value again.
    void setterEmitsOncePerChange_data()
    {
        QTest::addColumn<QString>("name");
        for (const Row &row : rows())
            QTest::newRow(row.name) << QString::fromLatin1(row.name);
    }

    void setterEmitsOncePerChange()
    {
        QFETCH(QString, name);
        Simulator sim;
        const QMetaObject &mo = Simulator::staticMetaObject;
        const QMetaProperty property = mo.property(mo.indexOfProperty(name.toLatin1()));

        QVector<QVariant> before;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            before << mo.property(p).read(&sim);
            spies.emplace_back(mo.property(p).hasNotifySignal() ? new QSignalSpy(&sim, mo.property(p).notifySignal())
                                                                : nullptr);
        }
        QSignalSpy toPy(&sim, &Simulator::toPy);

        const QVariant next = otherValue(sim, property);
        QVERIFY(next.isValid());
        const SimulatorSetter &set = simulatorSetters()[name];
        set(sim, next);
        QCOMPARE(property.read(&sim), next);
        QCOMPARE(property.read(&sim).userType(), next.userType());

        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            const int k = p - mo.propertyOffset();
            if (p == property.propertyIndex()) {
                QCOMPARE(spies[size_t(k)]->count(), 1);
                continue;
            }
            QVERIFY2(mo.property(p).read(&sim) == before[k], mo.property(p).name());
            if (spies[size_t(k)])
                QVERIFY2(spies[size_t(k)]->isEmpty(), mo.property(p).name());
        }

        set(sim, next);
        set(sim, next);
        QCOMPARE(spies[size_t(property.propertyIndex() - mo.propertyOffset())]->count(), 1);
        QVERIFY(toPy.isEmpty());
    }

    void simEnumTable()
    {
        static_assert(std::is_same_v<SimulatorEnum, Simulator::SimEnum>);
        const QMetaEnum e = QMetaEnum::fromType<Simulator::SimEnum>();
        QCOMPARE(QByteArray(e.name()), QByteArray("SimEnum"));
        QCOMPARE(QByteArray(e.scope()), QByteArray("Simulator"));
        QVERIFY(!e.isFlag());
        QVERIFY(!e.isScoped());
        const QStringList keys{"SimAutoFlow", "SimTicksPerMinute", "SimAutoHeating", "SimDegreesPerMinute",
                               "SimScaleFactor", "SimAIn0", "SimAIn1", "SimEnumCount"};
        QCOMPARE(e.keyCount(), keys.size());
        for (int k = 0; k < e.keyCount(); ++k) {
            QCOMPARE(QString::fromLatin1(e.key(k)), keys[k]);
            QCOMPARE(e.value(k), k);
        }
        QCOMPARE(int(Simulator::SimEnumCount), 7);
    }

    void toPyCarriesCodeAndValueOnly()
    {
        // The window's request goes to the controller; the object itself
        // stays as it is until the controller writes back.
        Simulator sim;
        QSignalSpy toPy(&sim, &Simulator::toPy);
        QSignalSpy ticks(&sim, &Simulator::simTicksPerMinuteChanged);
        QSignalSpy flow(&sim, &Simulator::simAutoFlowChanged);
        Q_EMIT sim.toPy(Simulator::SimTicksPerMinute, QVariant(250));
        Q_EMIT sim.toPy(Simulator::SimAutoFlow, QVariant(false));
        QCOMPARE(toPy.count(), 2);
        QCOMPARE(toPy[0][0].value<Simulator::SimEnum>(), Simulator::SimTicksPerMinute);
        QCOMPARE(toPy[0][1].value<QVariant>(), QVariant(250));
        QCOMPARE(toPy[1][0].value<Simulator::SimEnum>(), Simulator::SimAutoFlow);
        QCOMPARE(toPy[1][1].value<QVariant>(), QVariant(false));
        QCOMPARE(sim.simTicksPerMinute(), 10000);
        QVERIFY(sim.simAutoFlow());
        QVERIFY(ticks.isEmpty());
        QVERIFY(flow.isEmpty());
    }

    void writerThreadReadsBackInsideItsSignal()
    {
        // The controller writes from the worker thread. Its writes are
        // announced on the object's own thread, to direct receivers too,
        // which see the final (clamped) value.
        Simulator sim;
        int seenDirect = -1;
        int seenInGui = -1;
        QThread *directReceiverThread = nullptr;
        QThread *guiReceiverThread = nullptr;
        connect(
            &sim, &Simulator::simAIn1Changed, &sim,
            [&] {
                directReceiverThread = QThread::currentThread();
                seenDirect = sim.simAIn1();
            },
            Qt::DirectConnection);
        connect(&sim, &Simulator::simAIn1Changed, this, [&] {
            guiReceiverThread = QThread::currentThread();
            seenInGui = sim.simAIn1();
        });

        std::unique_ptr<QThread> writer(QThread::create([&] {
            sim.setSimAIn1(33);
            sim.setSimAIn1(500);
        }));
        writer->start();
        QVERIFY(writer->wait(10000));
        QTRY_COMPARE(seenDirect, 100);
        QTRY_COMPARE(seenInGui, 100);
        QCOMPARE(directReceiverThread, QThread::currentThread());
        QCOMPARE(guiReceiverThread, QThread::currentThread());
    }
};

QTEST_GUILESS_MAIN(TstSimulatorProperties)
#include "tst_simulator_properties.moc"
