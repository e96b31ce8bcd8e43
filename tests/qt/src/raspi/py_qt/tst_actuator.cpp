#include <QMetaEnum>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include "state_objects.h"

#include <climits>
#include <memory>

namespace {

// Keys in value order: the drives' codes sit at 25-32 and 41-48.
const char *const kActuatorKeys[] = {
    "SvSkOut", "SvSkCip", "SvSkIn", "SvFkCip", "SvWuerze", "SvKanal", "LedGn", "LedRd", "LedView",
    "HeatZone1", "HeatZone2", "HeatZone3", "HeatZone4", "HeatZoneB1", "HeatZoneB2", "HeatZoneB3", "HeatZoneB4",
    "MvWaterHot", "MvWaterCold", "MvRecycle", "MvKanal", "MvSkCip", "MvHauptguss", "MvNachguss", "MvKondensator",
    "FuPump1Dir", "FuPump1Forward", "FuPump1Backward", "FuPump1Stop",
    "FuRw1Dir", "FuRw1Forward", "FuRw1Backward", "FuRw1Stop",
    "Spare1", "Spare2", "Spare3", "Spare4", "SvKkCip", "SvKkCooler", "SvKkKanal", "MvKkCip",
    "FuPump2Dir", "FuPump2Forward", "FuPump2Backward", "FuPump2Stop",
    "FuRw2Dir", "FuRw2Forward", "FuRw2Backward", "FuRw2Stop",
};

ActuatorEnum code(int value) { return static_cast<ActuatorEnum>(value); }

bool isOutputCode(int value) { return (value >= 0 && value <= 24) || (value >= 33 && value <= 40); }
bool isDriveCode(int value) { return (value >= 25 && value <= 32) || (value >= 41 && value <= 48); }

// Counts every notify signal of all outputs and drives of one group.
struct NotifyCounter
{
    explicit NotifyCounter(Actuator &actuator)
    {
        for (DOut *out : actuator.allDouts()) {
            spies.emplace_back(new QSignalSpy(out, &DOut::stateChanged));
            spies.emplace_back(new QSignalSpy(out, &DOut::blockedChanged));
            spies.emplace_back(new QSignalSpy(out, &DOut::numChanged));
        }
        for (Fu *fu : actuator.allFus()) {
            spies.emplace_back(new QSignalSpy(fu, &Fu::dirChanged));
            spies.emplace_back(new QSignalSpy(fu, &Fu::blockedForwardChanged));
            spies.emplace_back(new QSignalSpy(fu, &Fu::blockedBackwardChanged));
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

// Blocked flags of all outputs, then forward/backward of each drive.
QVector<bool> blockedFlags(const Actuator &actuator)
{
    QVector<bool> flags;
    for (const DOut *out : actuator.allDouts())
        flags << out->blocked();
    for (const Fu *fu : actuator.allFus())
        flags << fu->blockedForward() << fu->blockedBackward();
    return flags;
}

// The flags expected when exactly the named outputs and directions are blocked.
QVector<bool> expectedFlags(const Actuator &actuator, const Actuator::CodeSet &blocked)
{
    QVector<bool> flags;
    for (const DOut *out : actuator.allDouts())
        flags << (blocked.count(out->code()) > 0);
    for (const Fu *fu : actuator.allFus())
        flags << (blocked.count(fu->forwardCode()) > 0) << (blocked.count(fu->backwardCode()) > 0);
    return flags;
}

} // namespace

class TstActuator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codeTableHasGapsForTheDrives()
    {
        const QMetaEnum meta = QMetaEnum::fromType<ActuatorEnum>();
        QCOMPARE(meta.keyCount(), 50);
        QCOMPARE(int(std::size(kActuatorKeys)), 49);
        for (int value = 0; value < 49; ++value) {
            QCOMPARE(meta.key(value), kActuatorKeys[value]);
            QCOMPARE(meta.value(value), value);
        }
        QCOMPARE(meta.key(49), "ActuatorEnumCount");
        QCOMPARE(int(Actuator::ActuatorEnumCount), 49);
        QVERIFY(!meta.isFlag());

        const QMetaEnum types = QMetaEnum::fromType<DOut::DOutTypeEnum>();
        QCOMPARE(types.keyCount(), 6);
        QCOMPARE(types.keyToValue("TypeMv"), 0);
        QCOMPARE(types.keyToValue("TypeSpare"), 4);
        QCOMPARE(types.keyToValue("DOutTypeEnumCount"), 5);
    }

    void outputs_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<DOut::DOutTypeEnum>("type");

        const struct
        {
            const char *property;
            const char *name;
            int code;
            DOut::DOutTypeEnum type;
        } rows[] = {
            {"svSkOut", "Sv-Sk-Out", 0, DOut::TypeSv},
            {"svSkCip", "Sv-Sk-CIP", 1, DOut::TypeSv},
            {"svSkIn", "Sv-Sk-In", 2, DOut::TypeSv},
            {"svFkCip", "Sv-Fk-CIP", 3, DOut::TypeSv},
            {"svWuerze", "Sv-Würze", 4, DOut::TypeSv},
            {"svKanal", "Sv-Kanal", 5, DOut::TypeSv},
            {"ledGn", "LED-gn", 6, DOut::TypeLed},
            {"ledRd", "LED-rd", 7, DOut::TypeLed},
            {"ledView", "LED-Sg", 8, DOut::TypeLed},
            {"heatZone1", "Zone-1", 9, DOut::TypeHeating},
            {"heatZone2", "Zone-2", 10, DOut::TypeHeating},
            {"heatZone3", "Zone-3", 11, DOut::TypeHeating},
            {"heatZone4", "Zone-4", 12, DOut::TypeHeating},
            {"heatZoneB1", "Zone-B1", 13, DOut::TypeHeating},
            {"heatZoneB2", "Zone-B2", 14, DOut::TypeHeating},
            {"heatZoneB3", "Zone-B3", 15, DOut::TypeHeating},
            {"heatZoneB4", "Zone-B4", 16, DOut::TypeHeating},
            {"mvWaterHot", "W-warm", 17, DOut::TypeMv},
            {"mvWaterCold", "W-kalt", 18, DOut::TypeMv},
            {"mvRecycle", "Mv-Recycle", 19, DOut::TypeMv},
            {"mvKanal", "Mv-Kanal", 20, DOut::TypeMv},
            {"mvSkCip", "Mv-Sk-CIP", 21, DOut::TypeMv},
            {"mvHauptguss", "Mv-Hg", 22, DOut::TypeMv},
            {"mvNachguss", "Mv-Ng", 23, DOut::TypeMv},
            {"mvKondensator", "Mv-Kond", 24, DOut::TypeMv},
            {"spare1", "Spare-1", 33, DOut::TypeSpare},
            {"spare2", "Spare-2", 34, DOut::TypeSpare},
            {"spare3", "Spare-3", 35, DOut::TypeSpare},
            {"spare4", "Spare-4", 36, DOut::TypeSpare},
            {"svKkCip", "Sv-Kk-CIP", 37, DOut::TypeSv},
            {"svKkCooler", "Sv-Kk-Kühler", 38, DOut::TypeSv},
            {"svKkKanal", "Sv-Kk-Kanal", 39, DOut::TypeSv},
            {"mvKkCip", "Mv-Kk-CIP", 40, DOut::TypeMv},
        };
        QCOMPARE(int(std::size(rows)), Actuator::kDOutCount);
        int index = 0;
        for (const auto &row : rows) {
            QTest::newRow(row.property) << index << QByteArray(row.property) << QString::fromUtf8(row.name)
                                        << row.code << row.type;
            ++index;
        }
    }

    void outputs()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, property);
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(DOut::DOutTypeEnum, type);

        Actuator actuator;
        DOut *out = actuator.allDouts()[index];
        QCOMPARE(actuator.property(property.constData()).value<DOut *>(), out);
        QCOMPARE(out->name(), name);
        QCOMPARE(out->property("name").toString(), name);
        QCOMPARE(int(out->code()), code);
        QCOMPARE(out->type(), type);
        QCOMPARE(out->group(), &actuator);
        QCOMPARE(out->parent(), nullptr);
        QCOMPARE(out->state(), false);
        QCOMPARE(out->blocked(), false);
        QCOMPARE(out->num(), -1);
        QCOMPARE(actuator.doutFromEnum(out->code()), out);
        QCOMPARE(actuator.fuFromEnum(out->code()), nullptr);
    }

    void drives_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("dirCode");

        QTest::newRow("pump 1") << 0 << QByteArray("fuPump1") << QStringLiteral("Pumpe 1") << 25;
        QTest::newRow("stirrer 1") << 1 << QByteArray("fuRw1") << QStringLiteral("Rührwerk 1") << 29;
        QTest::newRow("pump 2") << 2 << QByteArray("fuPump2") << QStringLiteral("Pumpe 2") << 41;
        QTest::newRow("stirrer 2") << 3 << QByteArray("fuRw2") << QStringLiteral("Rührwerk 2") << 45;
    }

    void drives()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, property);
        QFETCH(QString, name);
        QFETCH(int, dirCode);

        Actuator actuator;
        Fu *fu = actuator.allFus()[index];
        QCOMPARE(actuator.property(property.constData()).value<Fu *>(), fu);
        QCOMPARE(fu->name(), name);
        QCOMPARE(int(fu->code()), dirCode + 1);
        QCOMPARE(int(fu->forwardCode()), dirCode + 1);
        QCOMPARE(int(fu->backwardCode()), dirCode + 2);
        QCOMPARE(int(fu->stopCode()), dirCode + 3);
        QCOMPARE(fu->group(), &actuator);
        QCOMPARE(fu->parent(), nullptr);
        QCOMPARE(fu->dir(), 0);
        QCOMPARE(fu->blockedForward(), false);
        QCOMPARE(fu->blockedBackward(), false);
        for (int c = dirCode; c < dirCode + 4; ++c) {
            QCOMPARE(actuator.fuFromEnum(code(c)), fu);
            QCOMPARE(actuator.doutFromEnum(code(c)), nullptr);
        }
    }

    void everyCodeNamesExactlyOneObject()
    {
        Actuator actuator;
        QSet<QObject *> seen;
        for (int value = 0; value < Actuator::ActuatorEnumCount; ++value) {
            DOut *out = actuator.doutFromEnum(code(value));
            Fu *fu = actuator.fuFromEnum(code(value));
            QCOMPARE(out != nullptr, isOutputCode(value));
            QCOMPARE(fu != nullptr, isDriveCode(value));
            if (out) {
                QCOMPARE(int(out->code()), value);
                QVERIFY(!seen.contains(out));
                seen.insert(out);
            }
            if (fu)
                seen.insert(fu);
        }
        QCOMPARE(seen.size(), Actuator::kDOutCount + Actuator::kFuCount);
    }

    void lookupOutsideTheCodesGivesNothing_data()
    {
        QTest::addColumn<int>("value");
        for (int value : {-1, 49, 50, 63, 64, 100, 1000, INT_MIN, INT_MAX})
            QTest::newRow(QByteArray::number(value).constData()) << value;
    }

    void lookupOutsideTheCodesGivesNothing()
    {
        QFETCH(int, value);
        Actuator actuator;
        QCOMPARE(actuator.doutFromEnum(code(value)), nullptr);
        QCOMPARE(actuator.fuFromEnum(code(value)), nullptr);
        actuator.addBlocked(code(value));
        actuator.removeBlocked(code(value));
        QCOMPARE(blockedFlags(actuator), expectedFlags(actuator, {}));
    }

    void toggleAsksWithoutChangingState()
    {
        Actuator actuator;
        DOut *out = actuator.svKanal();
        out->setState(true);
        out->setBlocked(true);
        QSignalSpy toggles(&actuator, &Actuator::_toggle);
        QSignalSpy stateSpy(out, &DOut::stateChanged);

        out->toggle();
        out->toggle();
        QCOMPARE(toggles.count(), 2);
        QCOMPARE(toggles[0][0].value<ActuatorEnum>(), Actuator::SvKanal);
        QCOMPARE(toggles[1][0].value<ActuatorEnum>(), Actuator::SvKanal);
        QCOMPARE(out->state(), true);
        QCOMPARE(stateSpy.count(), 0);

        actuator.svKkCooler()->toggle();
        QCOMPARE(toggles.last()[0].value<ActuatorEnum>(), Actuator::SvKkCooler);

        // Toggling through QML's meta-call path.
        QVERIFY(QMetaObject::invokeMethod(actuator.ledView(), "toggle"));
        QCOMPARE(toggles.last()[0].value<ActuatorEnum>(), Actuator::LedView);
    }

    void driveRequestsCarryTheirCodes()
    {
        Actuator actuator;
        Fu *fu = actuator.fuPump2();
        fu->setDir(1);
        fu->setBlockedForward(true);
        fu->setBlockedBackward(true);
        QSignalSpy toggles(&actuator, &Actuator::_toggle);
        QSignalSpy dirSpy(fu, &Fu::dirChanged);

        fu->toggleForward();
        fu->toggleBackward();
        fu->stop();
        QVERIFY(QMetaObject::invokeMethod(actuator.fuRw1(), "stop"));
        QCOMPARE(toggles.count(), 4);
        QCOMPARE(toggles[0][0].value<ActuatorEnum>(), Actuator::FuPump2Forward);
        QCOMPARE(toggles[1][0].value<ActuatorEnum>(), Actuator::FuPump2Backward);
        QCOMPARE(toggles[2][0].value<ActuatorEnum>(), Actuator::FuPump2Stop);
        QCOMPARE(toggles[3][0].value<ActuatorEnum>(), Actuator::FuRw1Stop);
        QCOMPARE(fu->dir(), 1);
        QCOMPARE(dirSpy.count(), 0);
    }

    void settersEmitOncePerChange()
    {
        Actuator actuator;
        DOut *out = actuator.mvKanal();
        QSignalSpy state(out, &DOut::stateChanged);
        QSignalSpy blocked(out, &DOut::blockedChanged);
        QSignalSpy num(out, &DOut::numChanged);
        QSignalSpy name(out, &DOut::nameChanged);

        out->setState(false);
        out->setBlocked(false);
        out->setNum(-1);
        out->setName(QStringLiteral("Mv-Kanal"));
        QCOMPARE(state.count() + blocked.count() + num.count() + name.count(), 0);

        out->setState(true);
        out->setState(true);
        out->setBlocked(true);
        out->setBlocked(true);
        out->setNum(7);
        out->setNum(7);
        out->setName(QStringLiteral("Kanal"));
        out->setName(QStringLiteral("Kanal"));
        QCOMPARE(state.count(), 1);
        QCOMPARE(blocked.count(), 1);
        QCOMPARE(num.count(), 1);
        QCOMPARE(name.count(), 1);
        QCOMPARE(out->state(), true);
        QCOMPARE(out->blocked(), true);
        QCOMPARE(out->num(), 7);
        QCOMPARE(out->name(), QStringLiteral("Kanal"));

        out->setState(false);
        QCOMPARE(state.count(), 2);
        QCOMPARE(out->state(), false);

        Fu *fu = actuator.fuRw2();
        QSignalSpy dir(fu, &Fu::dirChanged);
        QSignalSpy forward(fu, &Fu::blockedForwardChanged);
        QSignalSpy backward(fu, &Fu::blockedBackwardChanged);
        fu->setDir(0);
        fu->setDir(-1);
        fu->setDir(-1);
        fu->setDir(1);
        fu->setBlockedForward(true);
        fu->setBlockedForward(true);
        fu->setBlockedBackward(false);
        QCOMPARE(dir.count(), 2);
        QCOMPARE(fu->dir(), 1);
        QCOMPARE(forward.count(), 1);
        QCOMPARE(backward.count(), 0);
        QCOMPARE(fu->blockedForward(), true);
        QCOMPARE(fu->blockedBackward(), false);
    }

    void blockAllExceptOf_data()
    {
        QTest::addColumn<QVector<int>>("listed");
        QTest::addColumn<QVector<int>>("free"); // what stays unblocked

        QTest::newRow("empty set blocks everything") << QVector<int>{} << QVector<int>{};
        QTest::newRow("forward only frees forward")
            << QVector<int>{Actuator::FuPump1Forward} << QVector<int>{Actuator::FuPump1Forward};
        QTest::newRow("stop and direction free nothing")
            << QVector<int>{Actuator::FuPump1Stop, Actuator::FuPump1Dir, Actuator::FuRw2Stop} << QVector<int>{};
        QTest::newRow("outputs across the gap")
            << QVector<int>{Actuator::SvKanal, Actuator::Spare1, Actuator::MvKkCip, Actuator::FuRw2Backward}
            << QVector<int>{Actuator::SvKanal, Actuator::Spare1, Actuator::MvKkCip, Actuator::FuRw2Backward};
        QTest::newRow("codes naming nothing are ignored")
            << QVector<int>{100, -1, Actuator::LedView} << QVector<int>{Actuator::LedView};
    }

    void blockAllExceptOf()
    {
        QFETCH(QVector<int>, listed);
        QFETCH(QVector<int>, free);
        Actuator::CodeSet codes;
        for (int c : listed)
            codes.insert(code(c));
        Actuator::CodeSet freeCodes;
        for (int c : free)
            freeCodes.insert(code(c));

        Actuator actuator;
        for (DOut *out : actuator.allDouts())
            out->setState(true);
        for (Fu *fu : actuator.allFus())
            fu->setDir(-1);
        NotifyCounter counter(actuator);

        actuator.blockAllExceptOf(codes);
        QVector<bool> flags = blockedFlags(actuator);
        for (bool &flag : flags)
            flag = !flag;
        QCOMPARE(flags, expectedFlags(actuator, freeCodes));
        const int emitted = counter.total();
        QCOMPARE(emitted, blockedFlags(actuator).count(true));

        // The same call again changes nothing and emits nothing.
        actuator.blockAllExceptOf(codes);
        QCOMPARE(counter.total(), emitted);

        // The opposite walk blocks exactly what was free.
        actuator.unblockAllExceptOf(codes);
        QCOMPARE(blockedFlags(actuator), expectedFlags(actuator, freeCodes));

        // Blocking never touches state or direction.
        for (DOut *out : actuator.allDouts())
            QCOMPARE(out->state(), true);
        for (Fu *fu : actuator.allFus())
            QCOMPARE(fu->dir(), -1);
    }

    void addAndRemoveBlockedByCode()
    {
        Actuator actuator;
        NotifyCounter counter(actuator);
        const ActuatorEnum codes[] = {Actuator::SvKanal, Actuator::FuRw2Backward, Actuator::FuRw2Stop,
                                      Actuator::FuRw2Dir, code(100)};
        for (ActuatorEnum c : codes)
            actuator.addBlocked(c);
        QCOMPARE(blockedFlags(actuator), expectedFlags(actuator, {Actuator::SvKanal, Actuator::FuRw2Backward}));
        QCOMPARE(counter.total(), 2);

        for (ActuatorEnum c : codes)
            actuator.addBlocked(c);
        QCOMPARE(counter.total(), 2);

        actuator.addBlocked(Actuator::FuPump1Forward);
        actuator.addBlocked(Actuator::HeatZoneB4);
        QCOMPARE(blockedFlags(actuator),
                 expectedFlags(actuator, {Actuator::SvKanal, Actuator::FuRw2Backward, Actuator::FuPump1Forward,
                                          Actuator::HeatZoneB4}));

        actuator.removeBlocked(Actuator::FuRw2Stop);
        actuator.removeBlocked(Actuator::FuRw2Dir);
        actuator.removeBlocked(Actuator::FuRw2Forward);
        actuator.removeBlocked(Actuator::SvKanal);
        QCOMPARE(blockedFlags(actuator),
                 expectedFlags(actuator, {Actuator::FuRw2Backward, Actuator::FuPump1Forward, Actuator::HeatZoneB4}));
        actuator.removeBlocked(Actuator::FuRw2Backward);
        QCOMPARE(actuator.fuRw2()->blockedBackward(), false);
        QCOMPARE(actuator.fuPump1()->blockedBackward(), false);
        QCOMPARE(actuator.fuPump1()->blockedForward(), true);
    }

    void globalObjectIsBuiltBeforeMain()
    {
        QCOMPARE(g_actuator.svKkCooler()->name(), QStringLiteral("Sv-Kk-Kühler"));
        QCOMPARE(g_actuator.fuRw2()->group(), &g_actuator);
        QCOMPARE(g_actuator.allDouts()[32], g_actuator.mvKkCip());
        QCOMPARE(g_actuator.thread(), QThread::currentThread());
    }

    // A worker writes every field while this thread reads them; the change
    // signals arrive queued, at most one per real change (a burst shares
    // one), and the last writes win, also in what the last signal read.
    void workerWritesWhileGuiReads()
    {
        Actuator actuator;
        constexpr int kRounds = 200;
        int stateChanges = 0;
        int nameChanges = 0;
        int dirChanges = 0;
        QHash<DOut *, QString> namesSeen;
        QHash<Fu *, int> dirsSeen;
        for (DOut *out : actuator.allDouts()) {
            connect(out, &DOut::stateChanged, this, [&] { ++stateChanges; });
            connect(out, &DOut::nameChanged, this, [&, out] {
                ++nameChanges;
                namesSeen[out] = out->name();
            });
        }
        for (Fu *fu : actuator.allFus()) {
            connect(fu, &Fu::dirChanged, this, [&, fu] {
                ++dirChanges;
                dirsSeen[fu] = fu->dir();
            });
        }

        std::unique_ptr<QThread> worker(QThread::create([&actuator] {
            for (int round = 1; round <= kRounds; ++round) {
                for (DOut *out : actuator.allDouts()) {
                    out->setState(round % 2 == 1);
                    out->setBlocked(round % 3 == 0);
                    out->setNum(round);
                    out->setName(QStringLiteral("Ausgang %1").arg(round));
                }
                for (Fu *fu : actuator.allFus())
                    fu->setDir(round % 2 == 1 ? 1 : -1);
                actuator.blockAllExceptOf({Actuator::FuPump1Forward});
            }
        }));
        worker->start();
        // Checked after the worker has ended, so a failure never leaves it running.
        bool readsSane = true;
        while (!worker->isFinished()) {
            for (DOut *out : actuator.allDouts()) {
                readsSane &= out->property("num").toInt() >= -1;
                readsSane &= !out->property("name").toString().isEmpty();
                out->property("state");
                out->property("blocked");
            }
            for (Fu *fu : actuator.allFus())
                readsSane &= qAbs(fu->property("dir").toInt()) <= 1;
            QCoreApplication::processEvents();
        }
        QVERIFY(worker->wait(10000));
        QCoreApplication::processEvents();
        QVERIFY(readsSane);

        QVERIFY(stateChanges >= 1 && stateChanges <= kRounds * Actuator::kDOutCount);
        QVERIFY(nameChanges >= Actuator::kDOutCount && nameChanges <= kRounds * Actuator::kDOutCount);
        QVERIFY(dirChanges >= Actuator::kFuCount && dirChanges <= kRounds * Actuator::kFuCount);
        for (DOut *out : actuator.allDouts()) {
            QCOMPARE(out->state(), false);
            QCOMPARE(out->num(), kRounds);
            QCOMPARE(out->name(), QStringLiteral("Ausgang %1").arg(kRounds));
            QCOMPARE(namesSeen.value(out), QStringLiteral("Ausgang %1").arg(kRounds));
        }
        for (Fu *fu : actuator.allFus())
            QCOMPARE(dirsSeen.value(fu), -1);
        QCOMPARE(actuator.fuPump1()->blockedForward(), false);
        QCOMPARE(actuator.fuPump1()->blockedBackward(), true);
    }
};

QTEST_GUILESS_MAIN(TstActuator)
#include "tst_actuator.moc"
