#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <map>
#include <memory>
#include <string>

#include "converter.h"
#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"

namespace py = pybind11;

namespace {

// snake_case to camelCase: "manual_heating_a_enabled" -> "manualHeatingAEnabled".
QByteArray camel(const std::string &snake)
{
    QByteArray result;
    bool upper = false;
    for (char c : snake) {
        if (c == '_') {
            upper = true;
            continue;
        }
        result += upper ? char(toupper(c)) : c;
        upper = false;
    }
    return result;
}

// One spy per notifying property of obj, keyed by property name.
std::map<QByteArray, std::unique_ptr<QSignalSpy>> spyAll(QObject *obj)
{
    std::map<QByteArray, std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject *mo = obj->metaObject();
    for (int p = mo->propertyOffset(); p < mo->propertyCount(); ++p) {
        const QMetaProperty property = mo->property(p);
        if (property.hasNotifySignal())
            spies[property.name()] = std::make_unique<QSignalSpy>(obj, property.notifySignal());
    }
    return spies;
}

// "name: count" for every property whose signal fired, in name order.
QStringList fired(const std::map<QByteArray, std::unique_ptr<QSignalSpy>> &spies)
{
    QStringList result;
    for (const auto &entry : spies)
        if (entry.second->count())
            result << QStringLiteral("%1: %2").arg(QString::fromLatin1(entry.first)).arg(entry.second->count());
    return result;
}

void clearAll(std::map<QByteArray, std::unique_ptr<QSignalSpy>> &spies)
{
    for (auto &entry : spies)
        entry.second->clear();
}

} // namespace

// The controller's writes through tavell.auto and tavell.hopfentimer reach
// the Qt objects: each property emits its own signal, once per change.
class TstAutoBinding : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;

    // Every read-write property of the bound object (a Python expression)
    // written with a new value emits its own Qt signal once and nothing
    // else; the same value again emits nothing. The bound names must cover
    // exactly the notifying Qt properties less the unbound ones.
    void checkEveryWritableProperty(const char *expression, QObject *obj, const QSet<QByteArray> &unbound)
    {
        env->exec((std::string("target = ") + expression).c_str());
        const py::list names = env->eval(
            "[n for n, p in vars(type(target)).items() if isinstance(p, property) and p.fset is not None]");

        QSet<QByteArray> bound;
        for (const py::handle name : names)
            bound << camel(name.cast<std::string>());
        QSet<QByteArray> notifying;
        const QMetaObject *mo = obj->metaObject();
        for (int p = mo->propertyOffset(); p < mo->propertyCount(); ++p)
            if (mo->property(p).hasNotifySignal() && !unbound.contains(mo->property(p).name()))
                notifying << mo->property(p).name();
        QCOMPARE(bound, notifying);

        auto spies = spyAll(obj);
        for (const py::handle name : names) {
            env->globals["name"] = name;
            const QByteArray property = camel(name.cast<std::string>());
            env->exec("old = getattr(target, name)\n"
                      "new = (not old if isinstance(old, bool) else old + 7 if isinstance(old, int)\n"
                      "       else old + 1.5 if isinstance(old, float) else old + 'ä')\n"
                      "setattr(target, name, new)\n"
                      "stored = getattr(target, name)\n"
                      "setattr(target, name, new)\n");
            QVERIFY2(env->eval("stored == new and type(stored) is type(new)").cast<bool>(), property.constData());
            // The Qt object holds what Python reads back.
            QVERIFY2(castQt2Py(obj->property(property)).equal(env->eval("stored")), property.constData());
            QCOMPARE(fired(spies), QStringList{QString::fromLatin1(property) + QStringLiteral(": 1")});
            env->exec("setattr(target, name, old)");
            QVERIFY2(env->eval("getattr(target, name) == old").cast<bool>(), property.constData());
            clearAll(spies);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
        env->exec("import tavell.auto, tavell.hopfentimer\n"
                  "from tavell.auto import Auto, AutoEnum, StepsEnum\n"
                  "from tavell.hopfentimer import HopfenTimer\n");
    }

    void cleanupTestCase() { env.reset(); }

    void autoWritesEmitTheirOwnSignal()
    {
        // recoveryDataX is a snapshot pointer, not a value.
        checkEveryWritableProperty("Auto", &g_auto, {"recoveryDataX"});
    }

    void snapshotWritesEmitTheirOwnSignal()
    {
        checkEveryWritableProperty("Auto.recovery_data_a", g_auto.recoveryDataA(), {});
        checkEveryWritableProperty("Auto.recovery_data_b", g_auto.recoveryDataB(), {});
    }

    void hopTimerWritesEmitTheirOwnSignal() { checkEveryWritableProperty("HopfenTimer", &g_hopfenTimer, {}); }

    void refusedValueStoresNothing()
    {
        auto spies = spyAll(&g_auto);
        QVERIFY_EXCEPTION_THROWN(env->exec("Auto.step_a = 'vier'"), py::error_already_set);
        QVERIFY_EXCEPTION_THROWN(env->exec("Auto.ert_heating = 2.5"), py::error_already_set);
        QCOMPARE(g_auto.stepA(), -1);
        QCOMPARE(g_auto.ertHeating(), -1);
        QCOMPARE(fired(spies), QStringList());
    }

    void popupPrepareSignals()
    {
        QSignalSpy one(&g_auto, &Auto::auto1PopupPrepare);
        QSignalSpy two(&g_auto, &Auto::auto2PopupPrepare);
        env->exec("Auto.auto_1_popup_prepare()");
        QCOMPARE(one.count(), 1);
        QCOMPARE(two.count(), 0);
        env->exec("Auto.auto_2_popup_prepare(); Auto.auto_2_popup_prepare()");
        QCOMPARE(one.count(), 1);
        QCOMPARE(two.count(), 2);
    }

    void cookingSnapshotFollowsThePlant()
    {
        QSignalSpy changed(&g_auto, &Auto::recoveryDataXChanged);
        QVERIFY(env->eval("Auto.recovery_data_x is Auto.recovery_data_a").cast<bool>());

        g_values.setHeatZoneCountB(3);
        QTRY_VERIFY(isSpecial);
        QTRY_COMPARE(changed.count(), 1);
        QVERIFY(env->eval("Auto.recovery_data_x is Auto.recovery_data_b").cast<bool>());
        // The same object the screens see as line X's snapshot.
        env->exec("Auto.recovery_data_x.step_str = 'Kochen'");
        QCOMPARE(g_auto.recoveryDataB()->stepStr(), QStringLiteral("Kochen"));
        QCOMPARE(g_auto.property("recoveryDataX").value<RecoveryData *>(), g_auto.recoveryDataB());

        g_values.setHeatZoneCountB(2);
        QTRY_VERIFY(!isSpecial);
        QTRY_COMPARE(changed.count(), 2);
        QVERIFY(env->eval("Auto.recovery_data_x is Auto.recovery_data_a").cast<bool>());

        g_values.setHeatZoneCountB(g_values.heatZoneCountBDefault());
        QTest::qWait(10);
        env->exec("Auto.recovery_data_b.reset()");
    }

    // Every Qt key has its Python member (less the sentinel, and for the
    // steps less the "Step" prefix), with the same value.
    void enumerationsCoverTheQtKeys_data()
    {
        QTest::addColumn<QByteArray>("qtName");
        QTest::addColumn<QByteArray>("pyName");
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<int>("entries");
        QTest::newRow("AutoEnum") << QByteArray("AutoEnum") << QByteArray("AutoEnum") << QByteArray() << int(Auto::AutoEnumCount);
        QTest::newRow("StepsEnum") << QByteArray("StepsEnum") << QByteArray("StepsEnum") << QByteArray("Step")
                                   << int(Auto::StepsEnumCount) + 2;
    }

    void enumerationsCoverTheQtKeys()
    {
        QFETCH(QByteArray, qtName);
        QFETCH(QByteArray, pyName);
        QFETCH(QByteArray, prefix);
        QFETCH(int, entries);
        const QMetaEnum keys = Auto::staticMetaObject.enumerator(Auto::staticMetaObject.indexOfEnumerator(qtName));
        QVERIFY(keys.isValid());
        const py::object members = env->eval(("dict((n, int(m)) for n, m in tavell.auto." + pyName +
                                              ".__members__.items())").constData());
        QCOMPARE(int(py::len(members)), keys.keyCount() - 1);
        QCOMPARE(int(py::len(env->eval(("tavell.auto." + pyName + ".__entries").constData()))), entries);
        for (int i = 0; i < keys.keyCount() - 1; ++i) {
            QByteArray key(keys.key(i));
            QVERIFY(key.startsWith(prefix));
            key = key.mid(prefix.size());
            QVERIFY2(members.contains(key.constData()), key.constData());
            QCOMPARE(members[key.constData()].cast<int>(), keys.value(i));
        }
    }
};

QTEST_GUILESS_MAIN(TstAutoBinding)
#include "tst_auto_binding.moc"
