#include <pybind11/embed.h>

#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <vector>

#include "converter.h"
#include "log_capture.h"
#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"
#include "types.h"

namespace py = pybind11;

namespace {

// The Qt property a Python property of ValuesClass stands for: the camel-case
// form of its name, with the zone flags spelt heatZone.
QByteArray qtName(const QString &pyName)
{
    QString name;
    bool upper = false;
    for (const QChar c : pyName) {
        if (c == QLatin1Char('_')) {
            upper = true;
            continue;
        }
        name += upper ? c.toUpper() : c;
        upper = false;
    }
    name.replace(QStringLiteral("heatzone"), QStringLiteral("heatZone"));
    return name.toLatin1();
}

QVariant readProperty(const char *name)
{
    const QMetaObject *mo = g_values.metaObject();
    const int index = mo->indexOfProperty(name);
    return index < 0 ? QVariant() : mo->property(index).read(&g_values);
}

// A different value of the same kind, within the property's bounds, with the
// Python object that stands for it.
std::pair<QVariant, py::object> otherValue(const QMetaProperty &property)
{
    const QByteArray name = property.name();
    const QVariant current = property.read(&g_values);
    const QVariant min = readProperty(name + "Min");
    const QVariant max = readProperty(name + "Max");
    switch (current.userType()) {
    case QMetaType::Int: {
        int value = current.toInt() + 3;
        if (min.isValid() && max.isValid() && value > max.toInt())
            value = min.toInt();
        return {value, py::int_(value)};
    }
    case QMetaType::Float: {
        const float value = current.toFloat() + 1.5f;
        return {value, py::float_(double(value))};
    }
    case QMetaType::Bool:
        return {!current.toBool(), py::bool_(!current.toBool())};
    case QMetaType::QString: {
        const QString value = current.toString() + QStringLiteral("ü");
        return {value, castQt2Py(value)};
    }
    case QMetaType::QVariantMap: {
        const QVariantMap value{{QStringLiteral("k"), QVariantList{1, QStringLiteral("x")}}};
        return {value, castQt2Py(value)};
    }
    case QMetaType::Nullptr:
        return {42.5, py::float_(42.5)};
    default:
        break;
    }
    if (current.userType() == qMetaTypeId<StringMap>()) {
        const StringMap value{{QStringLiteral("28-0001"), QStringLiteral("kessel")}};
        return {QVariant::fromValue(value), castQt2Py(value)};
    }
    if (current.userType() == qMetaTypeId<QVector<QString>>()) {
        const QVector<QString> value{QStringLiteral("kessel"), QStringLiteral("kesselB")};
        return {QVariant::fromValue(value), castQt2Py(value)};
    }
    return {};
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.userType() == qMetaTypeId<StringMap>())
        return a.value<StringMap>() == b.value<StringMap>();
    if (a.userType() == qMetaTypeId<QVector<QString>>())
        return a.value<QVector<QString>>() == b.value<QVector<QString>>();
    return a == b;
}

// One spy per change signal of Values, to see that a write emits exactly its own.
class ChangeSpies
{
public:
    ChangeSpies()
    {
        const QMetaObject *mo = g_values.metaObject();
        for (int p = mo->propertyOffset(); p < mo->propertyCount(); ++p) {
            const QMetaProperty property = mo->property(p);
            if (property.hasNotifySignal())
                m_spies.emplace_back(property.name(),
                                     std::make_unique<QSignalSpy>(&g_values, property.notifySignal()));
        }
    }

    // "name=count" for every signal emitted since the last call.
    QStringList takeEmitted()
    {
        QStringList emitted;
        for (auto &spy : m_spies) {
            if (!spy.second->isEmpty())
                emitted << QStringLiteral("%1=%2").arg(QString::fromLatin1(spy.first)).arg(spy.second->count());
            spy.second->clear();
        }
        return emitted;
    }

private:
    std::vector<std::pair<QByteArray, std::unique_ptr<QSignalSpy>>> m_spies;
};

} // namespace

class TstValuesBinding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        m_env.reset(new PyTestEnv);
        m_env->exec("import tavell.values as tv\nV = tv.Values");
        m_values = m_env->eval("V");
    }

    void cleanupTestCase()
    {
        m_values = py::object();
        m_env.reset();
    }

    // Every Python property with a setter writes its own Qt property, emits
    // its own change signal once and reads back what it wrote; writing the
    // same value again emits nothing.
    void everyPythonWriteEmitsItsOwnSignal()
    {
        const QVector<QString> names = m_env->eval(
            "[n for n, m in vars(tv.ValuesClass).items() if isinstance(m, property) and m.fset]")
                                      .cast<QVector<QString>>();
        QVERIFY(names.size() > 90);
        const QMetaObject *mo = g_values.metaObject();
        QSet<QByteArray> covered;
        ChangeSpies spies;
        for (const QString &pyName : names) {
            if (pyName.startsWith(QLatin1String("enabled_heat_zones")))
                continue;
            const QByteArray name = qtName(pyName);
            const int index = mo->indexOfProperty(name);
            QVERIFY2(index >= 0, qPrintable(pyName));
            const QMetaProperty property = mo->property(index);
            QVERIFY2(property.hasNotifySignal(), name);
            covered.insert(name);

            const auto [expected, object] = otherValue(property);
            QVERIFY2(expected.isValid(), name);
            py::setattr(m_values, pyName.toUtf8().constData(), object);
            QVERIFY2(sameValue(property.read(&g_values), expected), name);
            QCOMPARE(spies.takeEmitted(), QStringList{QString::fromLatin1(name) + QStringLiteral("=1")});
            QVERIFY2(py::getattr(m_values, pyName.toUtf8().constData()).equal(object), name);

            py::setattr(m_values, pyName.toUtf8().constData(), object);
            QCOMPARE(spies.takeEmitted(), QStringList());
        }
        // Only the two fixed counts have no Python writer.
        for (int p = mo->propertyOffset(); p < mo->propertyCount(); ++p) {
            const QByteArray name = mo->property(p).name();
            if (mo->property(p).hasNotifySignal() && !covered.contains(name))
                QVERIFY2(name == "rastCountMax" || name == "hopfenCountMax", name);
        }
    }

    void clampedPythonWriteEmitsEvenWhenTheStoredValueStays()
    {
        g_values.setCookingStartTempMin(90);
        g_values.setCookingStartTempMax(99);
        g_values.setFuFreqSpRw2Min(1);
        g_values.setFuFreqSpRw2(25);
        g_values.setCookingStartTemp(99);
        QSignalSpy spy(&g_values, &Values::cookingStartTempChanged);
        LogCapture log;
        m_env->exec("V.cooking_start_temp = 100");
        QCOMPARE(g_values.cookingStartTemp(), 99);
        QCOMPARE(spy.count(), 1);
        m_env->exec("V.set_fu_freq_sp_rw2(0)");
        QCOMPARE(g_values.fuFreqSpRw2(), 1);
        QCOMPARE(log.matching(QStringLiteral("[Values WERT ZU GROß] 100 wird zu 99 geändert.")).size(), 1);
        QCOMPARE(log.matching(QStringLiteral("[Values WERT ZU KLEIN] 0 wird zu 1 geändert.")).size(), 1);
    }

    void refusedPythonWriteEmitsNothing()
    {
        ChangeSpies spies;
        const int before = g_values.whirlpoolSeconds();
        m_env->exec(R"(
for value in (25.0, 2 ** 31, "25"):
    try:
        V.whirlpool_seconds = value
    except TypeError:
        pass
    else:
        raise AssertionError(value)
)");
        QCOMPARE(g_values.whirlpoolSeconds(), before);
        QCOMPARE(spies.takeEmitted(), QStringList());
    }

    void zoneListFromPythonReportsEachChangeToTheController()
    {
        g_values.setEnabledHeatZones({true, true, true, true});
        g_values.setEnabledHeatZonesB({true, true, true, true});
        ChangeSpies spies;
        QSignalSpy toController(&g_values, &Values::toPyQVar);

        m_env->exec("V.enabled_heat_zones = [True, False, True, True, False]");
        QCOMPARE(spies.takeEmitted(), QStringList{QStringLiteral("heatZone2Enabled=1")});
        QCOMPARE(toController.count(), 1);
        QCOMPARE(toController.at(0).at(0).value<ValuesEnum>(), Values::HeatZone2Enabled);
        QCOMPARE(toController.at(0).at(1), QVariant(false));

        m_env->exec("V.enabled_heat_zones_b = [False, True, True, False]");
        QCOMPARE(spies.takeEmitted(), (QStringList{QStringLiteral("heatZoneB1Enabled=1"),
                                                   QStringLiteral("heatZoneB4Enabled=1")}));
        QCOMPARE(toController.count(), 3);
        QCOMPARE(toController.at(1).at(0).value<ValuesEnum>(), Values::HeatZoneB1Enabled);
        QCOMPARE(toController.at(2).at(0).value<ValuesEnum>(), Values::HeatZoneB4Enabled);
        QCOMPARE(toController.at(2).at(1), QVariant(false));

        // A single flag written as a property is not reported back.
        m_env->exec("V.heatzone_3_enabled = False");
        QCOMPARE(toController.count(), 3);
    }

    void indexedZoneTemperatureFromPython()
    {
        g_values.setTempZoneB2(TemperatureOrError(0.0f));
        QSignalSpy spy(&g_values, &Values::tempZoneB2Changed);
        m_env->exec("V.set_temp_or_err_zone_b_indexed(1, 'Fühler fehlt')");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(g_values.tempZoneB2(), QVariant(QStringLiteral("Fühler fehlt")));
        m_env->exec("V.set_temp_or_err_zone_b_indexed(1, 70)");
        QCOMPARE(g_values.tempZoneB2(), QVariant(70.0f));
        QCOMPARE(g_values.tempZoneB2().userType(), int(QMetaType::Float));
        m_env->exec("V.set_temp_or_err_zone_b_indexed(4, 70.5)");
        QCOMPARE(spy.count(), 2);
    }

    // The controller's next read after setting the count already sees the
    // new plant layout, before the GUI thread has run any event.
    void zoneCountBFromPythonUpdatesIsSpecialAtOnce()
    {
        m_env->exec("V.heat_zone_count_b = 3");
        QVERIFY(isSpecial);
        m_env->exec("V.heat_zone_count_b = 2");
        QVERIFY(!isSpecial);
        m_env->exec("V.heat_zone_count_b = -1");
        QVERIFY(!isSpecial);
    }

    void enumMembersCastFromQt()
    {
        QCOMPARE(py::str(py::cast(Values::TempKesselB).attr("name")).cast<std::string>(), std::string("TempKesselB"));
        QVERIFY(py::cast(Values::TicksPerLiter).equal(m_env->eval("tv.ValueEnum.ticks_per_liter")));
    }

private:
    std::unique_ptr<PyTestEnv> m_env;
    py::object m_values;
};

QTEST_GUILESS_MAIN(TstValuesBinding)
#include "tst_values_binding.moc"
