#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <functional>
#include <future>
#include <limits>
#include <memory>
#include <thread>
#include <type_traits>
#include <vector>

#include "auto.h"
#include "state_objects.h"

// Python compares the codes with ints; that needs plain enumerations.
static_assert(std::is_convertible_v<Auto::AutoEnum, int>);
static_assert(std::is_convertible_v<Auto::StepsEnum, int>);

namespace {

template <typename Obj>
struct Row
{
    const char *name;
    QVariant initial;
    std::function<void(Obj &, const QVariant &)> set;
};

template <typename Obj, typename T>
std::function<void(Obj &, const QVariant &)> setter(void (Obj::*set)(T))
{
    return [set](Obj &obj, const QVariant &value) { (obj.*set)(qvariant_cast<std::decay_t<T>>(value)); };
}

#define AUTO_ROW(name, Name, initial) Row<Auto>{#name, QVariant(initial), setter(&Auto::set##Name)}
#define RD_ROW(name, Name, initial) Row<RecoveryData>{#name, QVariant(initial), setter(&RecoveryData::set##Name)}

// The notifying properties of Auto in their declared order.
const std::vector<Row<Auto>> &autoRows()
{
    static const std::vector<Row<Auto>> rows{
        AUTO_ROW(activeA, ActiveA, false),
        AUTO_ROW(activeB, ActiveB, false),
        AUTO_ROW(stepA, StepA, -1),
        AUTO_ROW(stepB, StepB, -1),
        AUTO_ROW(stepBOffset, StepBOffset, 4),
        AUTO_ROW(handEnabled, HandEnabled, true),
        AUTO_ROW(useLauterPumpFreq, UseLauterPumpFreq, false),
        AUTO_ROW(manualHeatingAEnabled, ManualHeatingAEnabled, false),
        AUTO_ROW(manualHeatingBEnabled, ManualHeatingBEnabled, false),
        AUTO_ROW(waitForAckn, WaitForAckn, false),
        AUTO_ROW(skipRastEnabled, SkipRastEnabled, false),
        AUTO_ROW(statusRasten, StatusRasten, QString()),
        AUTO_ROW(statusHeating, StatusHeating, QString()),
        AUTO_ROW(ertFilling, ErtFilling, 0),
        AUTO_ROW(fillingActive, FillingActive, false),
        AUTO_ROW(abmaischenActive, AbmaischenActive, false),
        AUTO_ROW(hgActive, HgActive, false),
        AUTO_ROW(hgFinished, HgFinished, false),
        AUTO_ROW(ertHeating, ErtHeating, -1),
        AUTO_ROW(ngActive, NgActive, false),
        AUTO_ROW(ngFinished, NgFinished, false),
        AUTO_ROW(ngStep, NgStep, 0),
        AUTO_ROW(ngLitersStep, NgLitersStep, 0.0f),
        AUTO_ROW(ngLitersTotal, NgLitersTotal, 0.0f),
        AUTO_ROW(trubwurzeActive, TrubwurzeActive, false),
        AUTO_ROW(lauternActive, LauternActive, false),
        AUTO_ROW(lauterruheFinished, LauterruheFinished, false),
        AUTO_ROW(stammwurzeHeating, StammwurzeHeating, 120),
        AUTO_ROW(stammwurzeCooking, StammwurzeCooking, 120),
        AUTO_ROW(stammwurzeHeatingTime, StammwurzeHeatingTime, 0),
        AUTO_ROW(stammwurzeCookingTime, StammwurzeCookingTime, 0),
        AUTO_ROW(enableAutoWhirlpoolBtn, EnableAutoWhirlpoolBtn, 0),
        AUTO_ROW(recoveryCount, RecoveryCount, 0),
        AUTO_ROW(fuFreqSpRw1, FuFreqSpRw1, 0),
        AUTO_ROW(fuFreqSpPump1, FuFreqSpPump1, 0),
        AUTO_ROW(fuFreqSpPumpLautern, FuFreqSpPumpLautern, 0),
        AUTO_ROW(fuFreqSpRw2, FuFreqSpRw2, 0),
        AUTO_ROW(fuFreqSpPump2, FuFreqSpPump2, 0),
    };
    return rows;
}

const std::vector<Row<RecoveryData>> &recoveryRows()
{
    static const std::vector<Row<RecoveryData>> rows{
        RD_ROW(recipeName, RecipeName, QString()),
        RD_ROW(stepStr, StepStr, QString()),
        RD_ROW(step, Step, -1),
        RD_ROW(waterTreatedTime, WaterTreatedTime, -1),
        RD_ROW(hauptguss, Hauptguss, 0.0f),
        RD_ROW(nachguss, Nachguss, 0.0f),
        RD_ROW(rastStartStep, RastStartStep, 0),
        RD_ROW(rastElapsed, RastElapsed, 0),
        RD_ROW(lauterruheElapsed, LauterruheElapsed, 0),
        RD_ROW(trubwurzeActive, TrubwurzeActive, false),
        RD_ROW(lauternActive, LauternActive, false),
        RD_ROW(cookingElapsed, CookingElapsed, 0),
        RD_ROW(hopfenLastChecked, HopfenLastChecked, 0),
    };
    return rows;
}

// The ...Default companions and their values.
const QVector<QPair<const char *, QVariant>> kDefaults{
    {"stepA", -1},           {"stepB", -1},
    {"stepBOffset", 4},      {"handEnabled", true},
    {"stammwurzeHeating", 120}, {"stammwurzeCooking", 120},
};

QVariant read(const QObject &obj, const char *name)
{
    const QMetaObject *mo = obj.metaObject();
    const int index = mo->indexOfProperty(name);
    return index < 0 ? QVariant() : mo->property(index).read(&obj);
}

QVariant otherValue(const QVariant &current)
{
    switch (current.userType()) {
    case QMetaType::Int:
        return current.toInt() + 7;
    case QMetaType::Float:
        return QVariant(current.toFloat() + 1.5f);
    case QMetaType::Bool:
        return !current.toBool();
    case QMetaType::QString:
        return current.toString() + QStringLiteral("Würze");
    default:
        return QVariant();
    }
}

// One spy per notifying property, keyed like the rows.
template <typename Obj>
std::vector<std::unique_ptr<QSignalSpy>> spyAll(Obj &obj, const std::vector<Row<Obj>> &rows)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject *mo = obj.metaObject();
    for (const Row<Obj> &row : rows) {
        const QMetaMethod notify = mo->property(mo->indexOfProperty(row.name)).notifySignal();
        spies.push_back(std::make_unique<QSignalSpy>(&obj, notify));
    }
    return spies;
}

template <typename Obj>
void checkInitialValues(const Obj &obj, const std::vector<Row<Obj>> &rows)
{
    for (const Row<Obj> &row : rows) {
        const QVariant value = read(obj, row.name);
        QVERIFY2(value.userType() == row.initial.userType(), row.name);
        QVERIFY2(value == row.initial, row.name);
    }
}

// Every setter stores its value and emits its own signal once, and nothing
// else; the same value again emits nothing.
template <typename Obj>
void checkSettersEmitOnce(Obj &obj, const std::vector<Row<Obj>> &rows)
{
    auto spies = spyAll(obj, rows);
    for (size_t r = 0; r < rows.size(); ++r) {
        const Row<Obj> &row = rows[r];
        const QVariant value = otherValue(read(obj, row.name));
        QVERIFY2(value.isValid(), row.name);

        row.set(obj, value);
        QVERIFY2(read(obj, row.name) == value, row.name);
        row.set(obj, value);
        for (size_t s = 0; s < spies.size(); ++s)
            QVERIFY2(spies[s]->count() == (s <= r ? 1 : 0), (QByteArray(row.name) + " / " + rows[s].name).constData());
    }
}

// Runs fn on another thread; true if it finished within ms.
bool finishesWithin(int ms, std::function<void()> fn)
{
    auto done = std::async(std::launch::async, std::move(fn));
    const bool finished = done.wait_for(std::chrono::milliseconds(ms)) == std::future_status::ready;
    done.wait();
    return finished;
}

} // namespace

class TstAutoState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaObjectLayout()
    {
        const QMetaObject &mo = Auto::staticMetaObject;
        const int offset = mo.propertyOffset();
        QCOMPARE(mo.propertyCount() - offset, 47);

        QStringList names;
        for (int p = offset; p < mo.propertyCount(); ++p) {
            const QMetaProperty property = mo.property(p);
            QVERIFY2(!property.isWritable(), property.name());
            names << QString::fromLatin1(property.name());
        }
        QStringList expected{"recoveryDataA", "recoveryDataB", "recoveryDataX"};
        for (const Row<Auto> &row : autoRows()) {
            expected << QString::fromLatin1(row.name);
            for (const auto &def : kDefaults)
                if (qstrcmp(def.first, row.name) == 0)
                    expected << QString::fromLatin1(row.name) + QStringLiteral("Default");
        }
        QCOMPARE(names, expected);

        // Lines A and B have fixed snapshots; X follows the plant layout.
        QVERIFY(mo.property(offset).isConstant());
        QVERIFY(mo.property(offset + 1).isConstant());
        QVERIFY(!mo.property(offset + 2).isConstant());
        QCOMPARE(mo.property(offset + 2).notifySignal().name(), QByteArray("recoveryDataXChanged"));

        // The change signals first, in property order, then the requests.
        const int methods = mo.methodOffset();
        const auto &rows = autoRows();
        for (size_t n = 0; n < rows.size(); ++n) {
            const QMetaProperty property = mo.property(mo.indexOfProperty(rows[n].name));
            QVERIFY2(!property.isConstant(), rows[n].name);
            QCOMPARE(property.notifySignalIndex(), methods + int(n));
            QCOMPARE(property.notifySignal().methodSignature(), QByteArray(rows[n].name) + "Changed()");
        }
        const QList<QByteArray> requests{"toPy(Auto::AutoEnum,QJSValue)", "toPyQVar(Auto::AutoEnum,QVariant)",
                                         "auto1PopupPrepare()", "auto2PopupPrepare()", "recoveryDataXChanged()"};
        for (int n = 0; n < requests.size(); ++n) {
            const QMetaMethod signal = mo.method(methods + int(rows.size()) + n);
            QCOMPARE(signal.methodType(), QMetaMethod::Signal);
            QCOMPARE(signal.methodSignature(), requests[n]);
        }

        const QMetaObject &rd = RecoveryData::staticMetaObject;
        QCOMPARE(rd.propertyCount() - rd.propertyOffset(), 13);
        for (size_t n = 0; n < recoveryRows().size(); ++n) {
            const QMetaProperty property = rd.property(rd.propertyOffset() + int(n));
            QCOMPARE(property.name(), recoveryRows()[n].name);
            QVERIFY(!property.isWritable());
            QCOMPARE(property.notifySignalIndex(), rd.methodOffset() + int(n));
        }
    }

    void freshObject()
    {
        Auto a;
        checkInitialValues(a, autoRows());
        QVERIFY(!a.isActive());
        QCOMPARE(a.stepA(), int(Auto::StepInactive));
        QCOMPARE(a.stepBOffset(), int(Auto::StepLautern));
        checkInitialValues(*a.recoveryDataA(), recoveryRows());
        checkInitialValues(*a.recoveryDataB(), recoveryRows());
        QVERIFY(a.recoveryDataA() != a.recoveryDataB());
        QCOMPARE(a.recoveryDataA()->parent(), nullptr);
    }

    void defaultsMatchInitialValuesAndNeverChange()
    {
        Auto a;
        for (const auto &def : kDefaults) {
            const QByteArray companion = QByteArray(def.first) + "Default";
            const QMetaProperty property = a.metaObject()->property(a.metaObject()->indexOfProperty(companion));
            QVERIFY2(property.isConstant(), companion.constData());
            QCOMPARE(read(a, companion), def.second);
            QCOMPARE(read(a, def.first), def.second);
        }
        for (const Row<Auto> &row : autoRows())
            row.set(a, otherValue(row.initial));
        for (const auto &def : kDefaults) {
            const QByteArray companion = QByteArray(def.first) + "Default";
            QVERIFY(read(a, def.first) != def.second);
            QCOMPARE(read(a, companion), def.second);
        }
    }

    void settersEmitOncePerChange()
    {
        Auto a;
        checkSettersEmitOnce(a, autoRows());
        RecoveryData rd;
        checkSettersEmitOnce(rd, recoveryRows());
    }

    void valuesAreStoredUnchecked()
    {
        Auto a;
        QSignalSpy step(&a, &Auto::stepAChanged);
        a.setStepA(99);
        QCOMPARE(a.stepA(), 99);
        a.setFuFreqSpRw2(-5);
        QCOMPARE(a.fuFreqSpRw2(), -5);
        a.setStepA(Auto::StepKochen);
        QCOMPARE(a.stepA(), 6);
        QCOMPARE(step.count(), 2);
    }

    void floatComparison()
    {
        Auto a;
        QSignalSpy spy(&a, &Auto::ngLitersStepChanged);
        a.setNgLitersStep(0.0f);
        QCOMPARE(spy.count(), 0);
        a.setNgLitersStep(0.1f);
        a.setNgLitersStep(0.1f);
        QCOMPARE(spy.count(), 1);
        // NaN never equals the stored value.
        a.setNgLitersStep(std::numeric_limits<float>::quiet_NaN());
        a.setNgLitersStep(std::numeric_limits<float>::quiet_NaN());
        QCOMPARE(spy.count(), 3);
        QVERIFY(std::isnan(a.ngLitersStep()));
    }

    void isActive_data()
    {
        QTest::addColumn<bool>("a");
        QTest::addColumn<bool>("b");
        QTest::addColumn<bool>("active");
        QTest::newRow("none") << false << false << false;
        QTest::newRow("line A") << true << false << true;
        QTest::newRow("line B") << false << true << true;
        QTest::newRow("both") << true << true << true;
    }

    void isActive()
    {
        QFETCH(bool, a);
        QFETCH(bool, b);
        QFETCH(bool, active);
        Auto object;
        object.setActiveA(a);
        object.setActiveB(b);
        QCOMPARE(object.isActive(), active);
        object.setActiveA(false);
        object.setActiveB(false);
        QVERIFY(!object.isActive());
    }

    void isActiveWaitsForTheLock()
    {
        // A writer holds the lock while it signals; isActive on another
        // thread waits for it rather than read a half-written pair.
        Auto a;
        std::future<bool> reader;
        bool readerWaited = false;
        connect(&a, &Auto::activeBChanged, this, [&] {
            reader = std::async(std::launch::async, [&] { return a.isActive(); });
            readerWaited = reader.wait_for(std::chrono::milliseconds(100)) == std::future_status::timeout;
        }, Qt::DirectConnection);
        a.setActiveB(true);
        QVERIFY(readerWaited);
        QVERIFY(reader.get());
    }

    void recoveryResetOfFreshSnapshotEmitsNothing()
    {
        RecoveryData rd;
        auto spies = spyAll(rd, recoveryRows());
        rd.reset();
        for (const auto &spy : spies)
            QCOMPARE(spy->count(), 0);
    }

    void recoveryResetEmitsOnlyForChangedFields()
    {
        RecoveryData rd;
        rd.setLauternActive(true);
        auto spies = spyAll(rd, recoveryRows());
        rd.reset();
        for (size_t s = 0; s < spies.size(); ++s)
            QCOMPARE(spies[s]->count(), qstrcmp(recoveryRows()[s].name, "lauternActive") == 0 ? 1 : 0);
        QVERIFY(!rd.lauternActive());
    }

    void recoveryResetRestoresEverything()
    {
        RecoveryData rd;
        for (const auto &row : recoveryRows())
            row.set(rd, otherValue(row.initial));
        auto spies = spyAll(rd, recoveryRows());
        rd.reset();
        checkInitialValues(rd, recoveryRows());
        for (const auto &spy : spies)
            QCOMPARE(spy->count(), 1);
    }

    void recoveryResetIsSeenWhole()
    {
        // A reader on another thread that sees the first field of a reset
        // already reset must see the last one reset as well: the reset holds
        // the snapshot's lock throughout. Repeated, since the reader has to
        // meet the reset in the middle.
        RecoveryData rd;
        std::atomic<int> round{0};
        std::atomic<int> checked{0};
        std::atomic<int> mixed{0};
        std::thread reader([&] {
            for (int r = 1; r <= 500; ++r) {
                while (round.load() < r)
                    std::this_thread::yield();
                while (!rd.recipeName().isEmpty()) {
                }
                if (rd.hopfenLastChecked() != 0)
                    ++mixed;
                checked = r;
            }
        });
        for (int r = 1; r <= 500; ++r) {
            rd.setHopfenLastChecked(77);
            rd.setRecipeName(QStringLiteral("Märzen"));
            round = r;
            rd.reset();
            while (checked.load() < r)
                std::this_thread::yield();
        }
        reader.join();
        QCOMPARE(mixed.load(), 0);
    }

    void snapshotsHaveTheirOwnLocks()
    {
        // While Auto's lock is held (inside one of its change signals) the
        // snapshots stay writable from another thread, and each snapshot's
        // lock leaves Auto and the other snapshot free.
        Auto a;
        bool snapshotFree = false;
        bool autoBlocked = false;
        std::future<int> autoReader;
        connect(&a, &Auto::stepAChanged, this, [&] {
            snapshotFree = finishesWithin(2000, [&] { a.recoveryDataA()->setStep(3); });
            autoReader = std::async(std::launch::async, [&] { return a.stepA(); });
            autoBlocked = autoReader.wait_for(std::chrono::milliseconds(100)) == std::future_status::timeout;
        }, Qt::DirectConnection);
        a.setStepA(2);
        QVERIFY(snapshotFree);
        QVERIFY(autoBlocked);
        QCOMPARE(autoReader.get(), 2);
        QCOMPARE(a.recoveryDataA()->step(), 3);

        bool othersFree = false;
        connect(a.recoveryDataA(), &RecoveryData::stepChanged, this, [&] {
            othersFree = finishesWithin(2000, [&] {
                a.setActiveA(true);
                a.recoveryDataB()->setStep(5);
            });
        }, Qt::DirectConnection);
        a.recoveryDataA()->setStep(4);
        QVERIFY(othersFree);
        QVERIFY(a.activeA());
        QCOMPARE(a.recoveryDataB()->step(), 5);
    }

    void enumerationTables()
    {
        const QMetaEnum steps = QMetaEnum::fromType<Auto::StepsEnum>();
        const QVector<QPair<const char *, int>> stepRows{
            {"StepUnknown", -2}, {"StepInactive", -1},   {"StepFuellen", 0}, {"StepEinmaischen", 1},
            {"StepRasten", 2},   {"StepAbmaischen", 3},  {"StepLautern", 4}, {"StepHeizen", 5},
            {"StepKochen", 6},   {"StepNotRequired", 7}, {"StepsEnumCount", 8}};
        QCOMPARE(steps.keyCount(), stepRows.size());
        for (int k = 0; k < stepRows.size(); ++k) {
            QCOMPARE(steps.key(k), stepRows[k].first);
            QCOMPARE(steps.value(k), stepRows[k].second);
        }
        QVERIFY(!steps.isScoped());

        const QMetaEnum codes = QMetaEnum::fromType<Auto::AutoEnum>();
        const QStringList codeKeys{"Start", "StopA", "StopB", "NextStep", "HandEnabled", "BeginLauterRuhe",
                                   "ToggleHg", "ToggleNg", "ToggleWaterTreated", "ToggleLautern",
                                   "ToggleTrubwurze", "ToggleManualFilling", "NgLitersSetpointTmp",
                                   "SetHopfengabe", "FinishAckn", "MiscEventA", "MiscEventB",
                                   "SetStammwurzeHeating", "SetStammwurzeCooking", "FuFreqSpRw1",
                                   "FuFreqSpPump1", "FuFreqSpRw2", "FuFreqSpPump2", "AutoEnumCount"};
        QCOMPARE(codes.keyCount(), codeKeys.size());
        for (int k = 0; k < codeKeys.size(); ++k) {
            QCOMPARE(QString::fromLatin1(codes.key(k)), codeKeys[k]);
            QCOMPARE(codes.value(k), k);
        }
        QCOMPARE(int(Auto::AutoEnumCount), 23);
        QVERIFY(!codes.isScoped());
    }

    void requestSignals()
    {
        Auto a;
        QSignalSpy toPy(&a, &Auto::toPy);
        QSignalSpy toPyQVar(&a, &Auto::toPyQVar);
        QSignalSpy popupA(&a, &Auto::auto1PopupPrepare);
        QSignalSpy popupB(&a, &Auto::auto2PopupPrepare);

        Q_EMIT a.toPy(Auto::SetStammwurzeHeating, QJSValue(125));
        Q_EMIT a.toPyQVar(Auto::FuFreqSpPump2, QVariant(30));
        Q_EMIT a.auto2PopupPrepare();

        QCOMPARE(toPy.count(), 1);
        QCOMPARE(toPy[0][0].value<Auto::AutoEnum>(), Auto::SetStammwurzeHeating);
        QCOMPARE(toPy[0][1].value<QJSValue>().toInt(), 125);
        QCOMPARE(toPyQVar.count(), 1);
        QCOMPARE(toPyQVar[0][0].value<Auto::AutoEnum>(), Auto::FuFreqSpPump2);
        QCOMPARE(toPyQVar[0][1].value<QVariant>(), QVariant(30));
        QCOMPARE(popupA.count(), 0);
        QCOMPARE(popupB.count(), 1);
    }

    void recoveryDataXFollowsPlantLayout()
    {
        // The global objects are linked: line B cooks once it has more than
        // two heating zones.
        QVERIFY(!isSpecial);
        QCOMPARE(g_auto.recoveryDataX(), g_auto.recoveryDataA());
        QCOMPARE(read(g_auto, "recoveryDataX").value<RecoveryData *>(), g_auto.recoveryDataA());
        QSignalSpy spy(&g_auto, &Auto::recoveryDataXChanged);

        g_values.setHeatZoneCountB(2);
        QCOMPARE(spy.count(), 0);
        g_values.setHeatZoneCountB(3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(g_auto.recoveryDataX(), g_auto.recoveryDataB());
        QCOMPARE(read(g_auto, "recoveryDataX").value<RecoveryData *>(), g_auto.recoveryDataB());
        g_values.setHeatZoneCountB(4);
        QCOMPARE(spy.count(), 1);

        // Written from another thread (as the controller does): announced in
        // the GUI thread once the queued call runs.
        std::thread([] { g_values.setHeatZoneCountB(1); }).join();
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(g_auto.recoveryDataX(), g_auto.recoveryDataA());

        g_values.setHeatZoneCountB(-1);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TstAutoState)
#include "tst_auto_state.moc"
