#include <QMetaEnum>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include "state_objects.h"

#include <climits>
#include <memory>

namespace {

SensorEnum code(int value) { return static_cast<SensorEnum>(value); }

} // namespace

class TstSensor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codeTable()
    {
        const QMetaEnum meta = QMetaEnum::fromType<SensorEnum>();
        const char *const keys[] = {"Start", "Stop", "Flow", "PThreshold", "Ls1", "Ls2", "AIn1", "AIn2",
                                    "SensorEnumCount"};
        QCOMPARE(meta.keyCount(), 9);
        for (int value = 0; value < 9; ++value) {
            QCOMPARE(meta.key(value), keys[value]);
            QCOMPARE(meta.value(value), value);
        }
        QVERIFY(!meta.isFlag());
    }

    void inputs_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("name");

        QTest::newRow("start") << 0 << QByteArray("start") << QStringLiteral("start");
        QTest::newRow("stop") << 1 << QByteArray("stop") << QStringLiteral("stop");
        QTest::newRow("flow") << 2 << QByteArray("flow") << QStringLiteral("flow");
        QTest::newRow("pThreshold") << 3 << QByteArray("pThreshold") << QStringLiteral("pThreshold");
        QTest::newRow("ls1") << 4 << QByteArray("ls1") << QStringLiteral("ls1");
        QTest::newRow("ls2") << 5 << QByteArray("ls2") << QStringLiteral("ls2");
    }

    void inputs()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, property);
        QFETCH(QString, name);

        Sensor sensor;
        DIn *in = sensor.allDins()[index];
        QCOMPARE(sensor.property(property.constData()).value<DIn *>(), in);
        QCOMPARE(in->name(), name);
        QCOMPARE(int(in->code()), index);
        QCOMPARE(in->group(), &sensor);
        QCOMPARE(in->parent(), nullptr);
        QCOMPARE(in->state(), false);
        QCOMPARE(in->num(), -1);
        QCOMPARE(sensor.dinFromEnum(in->code()), in);
        QCOMPARE(sensor.ainFromEnum(in->code()), nullptr);
    }

    void analogueInputs()
    {
        Sensor sensor;
        AIn *first = sensor.aIn1();
        AIn *second = sensor.aIn2();
        QCOMPARE(sensor.property("aIn1").value<AIn *>(), first);
        QCOMPARE(sensor.property("aIn2").value<AIn *>(), second);
        QCOMPARE(first->name(), QStringLiteral("A-In-1"));
        QCOMPARE(second->name(), QStringLiteral("A-In-2"));
        QCOMPARE(int(first->code()), 6);
        QCOMPARE(int(second->code()), 7);
        QCOMPARE(first->num(), 0);
        QCOMPARE(second->num(), 1);
        QCOMPARE(first->value(), 0.0);
        QCOMPARE(sensor.hasKesselDruck(), false);
        QCOMPARE(sensor.kesselDruck(), 0.0f);

        QCOMPARE(sensor.ainFromEnum(Sensor::AIn1), first);
        QCOMPARE(sensor.ainFromEnum(Sensor::AIn2), second);
        QCOMPARE(sensor.dinFromEnum(Sensor::AIn1), nullptr);
        QCOMPARE(sensor.dinFromEnum(Sensor::AIn2), nullptr);
        QCOMPARE(sensor.ainFromEnum(Sensor::Ls2), nullptr);
    }

    void lookupOutsideTheCodesGivesNothing()
    {
        Sensor sensor;
        for (int value : {-1, 8, 9, 100, INT_MIN, INT_MAX}) {
            QCOMPARE(sensor.dinFromEnum(code(value)), nullptr);
            QCOMPARE(sensor.ainFromEnum(code(value)), nullptr);
        }
    }

    void settersEmitOncePerChange()
    {
        Sensor sensor;
        DIn *in = sensor.flow();
        QSignalSpy state(in, &DIn::stateChanged);
        QSignalSpy inNum(in, &DIn::numChanged);
        QSignalSpy inName(in, &DIn::nameChanged);
        in->setState(false);
        in->setNum(-1);
        in->setName(QStringLiteral("flow"));
        in->setState(true);
        in->setState(true);
        in->setNum(3);
        in->setNum(3);
        in->setName(QStringLiteral("Durchfluss"));
        in->setName(QStringLiteral("Durchfluss"));
        QCOMPARE(state.count(), 1);
        QCOMPARE(inNum.count(), 1);
        QCOMPARE(inName.count(), 1);
        QCOMPARE(in->state(), true);
        QCOMPARE(in->num(), 3);
        QCOMPARE(in->name(), QStringLiteral("Durchfluss"));

        AIn *ain = sensor.aIn2();
        QSignalSpy value(ain, &AIn::valueChanged);
        QSignalSpy ainNum(ain, &AIn::numChanged);
        ain->setValue(0.0);
        ain->setNum(1);
        ain->setValue(2.5);
        ain->setValue(2.5);
        ain->setValue(2.5000001);
        QCOMPARE(value.count(), 2);
        QCOMPARE(ainNum.count(), 0);
        QCOMPARE(ain->value(), 2.5000001);

        QSignalSpy has(&sensor, &Sensor::hasKesselDruckChanged);
        QSignalSpy druck(&sensor, &Sensor::kesselDruckChanged);
        sensor.setHasKesselDruck(false);
        sensor.setKesselDruck(0.0f);
        QCOMPARE(has.count() + druck.count(), 0);
        sensor.setHasKesselDruck(true);
        sensor.setHasKesselDruck(true);
        sensor.setKesselDruck(1.25f);
        sensor.setKesselDruck(1.25f);
        QCOMPARE(has.count(), 1);
        QCOMPARE(druck.count(), 1);
        QCOMPARE(sensor.property("hasKesselDruck").toBool(), true);
        QCOMPARE(sensor.property("kesselDruck").toFloat(), 1.25f);
    }

    void requestStateChangeCarriesCodeAndValue()
    {
        Sensor sensor;
        QSignalSpy spy(&sensor, &Sensor::requestStateChange);
        Q_EMIT sensor.requestStateChange(Sensor::PThreshold, QJSValue(true));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].value<SensorEnum>(), Sensor::PThreshold);
        QCOMPARE(spy[0][1].value<QJSValue>().toBool(), true);
        QCOMPARE(sensor.pThreshold()->state(), false);
    }

    void globalObjectIsBuiltBeforeMain()
    {
        QCOMPARE(g_sensor.aIn2()->num(), 1);
        QCOMPARE(g_sensor.ls2()->group(), &g_sensor);
        QCOMPARE(g_sensor.allDins()[3], g_sensor.pThreshold());
    }

    void workerWritesWhileGuiReads()
    {
        Sensor sensor;
        constexpr int kRounds = 300;
        int druckChanges = 0;
        int valueChanges = 0;
        float druckSeen = -1;
        double valueSeen = -1;
        connect(&sensor, &Sensor::kesselDruckChanged, this, [&] {
            ++druckChanges;
            druckSeen = sensor.kesselDruck();
        });
        connect(sensor.aIn1(), &AIn::valueChanged, this, [&] {
            ++valueChanges;
            valueSeen = sensor.aIn1()->value();
        });

        std::unique_ptr<QThread> worker(QThread::create([&sensor] {
            for (int round = 1; round <= kRounds; ++round) {
                sensor.setKesselDruck(float(round) / 4);
                sensor.setHasKesselDruck(round % 2 == 1);
                sensor.aIn1()->setValue(round * 0.5);
                for (DIn *in : sensor.allDins()) {
                    in->setState(round % 2 == 1);
                    in->setNum(round);
                    in->setName(QStringLiteral("Eingang %1").arg(round));
                }
            }
        }));
        worker->start();
        // Checked after the worker has ended, so a failure never leaves it running.
        bool readsSane = true;
        while (!worker->isFinished()) {
            readsSane &= sensor.property("kesselDruck").toFloat() >= 0.0f;
            sensor.property("hasKesselDruck");
            readsSane &= sensor.aIn1()->property("value").toDouble() >= 0.0;
            for (DIn *in : sensor.allDins()) {
                readsSane &= !in->property("name").toString().isEmpty();
                in->property("state");
                readsSane &= in->property("num").toInt() >= -1;
            }
            QCoreApplication::processEvents();
        }
        QVERIFY(worker->wait(10000));
        QCoreApplication::processEvents();
        QVERIFY(readsSane);
        // Writes in a burst share a notice; the last one read the last value.
        QVERIFY(druckChanges >= 1 && druckChanges <= kRounds);
        QVERIFY(valueChanges >= 1 && valueChanges <= kRounds);
        QCOMPARE(druckSeen, float(kRounds) / 4);
        QCOMPARE(valueSeen, kRounds * 0.5);
        QCOMPARE(sensor.kesselDruck(), float(kRounds) / 4);
        QCOMPARE(sensor.hasKesselDruck(), false);
        QCOMPARE(sensor.ls1()->name(), QStringLiteral("Eingang %1").arg(kRounds));
    }
};

QTEST_GUILESS_MAIN(TstSensor)
#include "tst_sensor.moc"
