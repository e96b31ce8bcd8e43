#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <atomic>

#include "log_capture.h"
#include "values.h"

namespace {

const char *const kWarningA = "getEnabledHeatZones() wurde gerufen, obwohl heat_zone_count (%1) wurde noch nicht gesetzt "
                              "wurde. Es wird eine Liste mit 4 Werten zurückgegeben.";
const char *const kWarningB = "getEnabledHeatZonesB() wurde gerufen, obwohl heat_zone_count_b (%1) wurde noch nicht "
                              "gesetzt wurde. Es wird eine Liste mit 4 Werten zurückgegeben.";

QString zoneName(bool lineB, int zone)
{
    return lineB ? QStringLiteral("heatZoneB%1Enabled").arg(zone) : QStringLiteral("heatZone%1Enabled").arg(zone);
}

QVector<bool> flagsOf(const Values &values, bool lineB)
{
    QVector<bool> flags;
    for (int zone = 1; zone <= 4; ++zone)
        flags << values.property(zoneName(lineB, zone).toLatin1()).toBool();
    return flags;
}

// Change signals of the line's zone flags and toPyQVar, in emission order.
class ZoneRecorder : public QObject
{
public:
    ZoneRecorder(Values &values, bool lineB)
    {
        using Signal = void (Values::*)();
        const Signal lineA[] = {&Values::heatZone1EnabledChanged, &Values::heatZone2EnabledChanged,
                                &Values::heatZone3EnabledChanged, &Values::heatZone4EnabledChanged};
        const Signal lineBSignals[] = {&Values::heatZoneB1EnabledChanged, &Values::heatZoneB2EnabledChanged,
                                       &Values::heatZoneB3EnabledChanged, &Values::heatZoneB4EnabledChanged};
        for (int zone = 1; zone <= 4; ++zone) {
            const QString name = zoneName(lineB, zone);
            // The flag is already stored when its signal comes.
            connect(&values, (lineB ? lineBSignals : lineA)[zone - 1], this, [this, &values, name] {
                events << QStringLiteral("%1=%2").arg(name).arg(values.property(name.toLatin1()).toBool());
            });
        }
        connect(&values, &Values::toPyQVar, this, [this](ValuesEnum key, const QVariant &value) {
            events << QStringLiteral("toPyQVar %1 %2 %3").arg(int(key)).arg(value.typeName()).arg(value.toBool());
        });
    }

    QStringList events;
};

} // namespace

class TstValuesHeatZones : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void flagListFollowsZoneCount_data()
    {
        QTest::addColumn<bool>("lineB");
        QTest::addColumn<int>("count");
        QTest::addColumn<QVector<bool>>("expected");
        QTest::addColumn<bool>("warns");

        const QVector<bool> four{true, false, true, false};
        const QVector<bool> three{true, false, true};
        for (bool lineB : {false, true}) {
            const char *line = lineB ? "B" : "A";
            QTest::addRow("%s unset", line) << lineB << -1 << four << true;
            QTest::addRow("%s negative", line) << lineB << -5 << four << true;
            QTest::addRow("%s no zones", line) << lineB << 0 << four << false;
            QTest::addRow("%s one", line) << lineB << 1 << four << true;
            QTest::addRow("%s two", line) << lineB << 2 << four << true;
            QTest::addRow("%s three", line) << lineB << 3 << three << false;
            QTest::addRow("%s four", line) << lineB << 4 << four << false;
            QTest::addRow("%s seven", line) << lineB << 7 << four << false;
        }
    }

    void flagListFollowsZoneCount()
    {
        QFETCH(bool, lineB);
        QFETCH(int, count);
        QFETCH(QVector<bool>, expected);
        QFETCH(bool, warns);

        Values values;
        if (lineB) {
            values.setHeatZoneB2Enabled(false);
            values.setHeatZoneB4Enabled(false);
            values.setHeatZoneCountB(count);
        } else {
            values.setHeatZone2Enabled(false);
            values.setHeatZone4Enabled(false);
            values.setHeatZoneCount(count);
        }

        LogCapture log;
        const QVector<bool> flags = lineB ? values.getEnabledHeatZonesB() : values.getEnabledHeatZones();
        QCOMPARE(flags, expected);

        const QString warning = QString::fromUtf8(lineB ? kWarningB : kWarningA).arg(count);
        const QStringList lines = log.matching(QStringLiteral("wurde gerufen, obwohl"));
        if (warns) {
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines[0].startsWith(QLatin1String("[WARN ]")), qPrintable(lines[0]));
            QVERIFY2(lines[0].endsWith(QLatin1Char(' ') + warning), qPrintable(lines[0]));
        } else {
            QVERIFY2(lines.isEmpty(), qPrintable(lines.join('\n')));
        }
    }

    void flagListSetterReportsChanges_data()
    {
        QTest::addColumn<bool>("lineB");
        QTest::addColumn<QVector<bool>>("list");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QVector<bool>>("after");

        for (bool lineB : {false, true}) {
            const char *line = lineB ? "B" : "A";
            const int base = lineB ? 4 : 0;
            auto changed = [&](int zone, bool on) { return QStringLiteral("%1=%2").arg(zoneName(lineB, zone)).arg(on); };
            auto sent = [&](int zone, bool on) {
                return QStringLiteral("toPyQVar %1 bool %2").arg(base + zone - 1).arg(on);
            };
            // The fifth element is ignored; only zone 2 changes.
            QTest::addRow("%s five elements", line)
                << lineB << QVector<bool>{true, false, true, true, false}
                << QStringList{changed(2, false), sent(2, false)} << QVector<bool>{true, false, true, true};
            // A shorter list touches only its own zones, in order.
            QTest::addRow("%s three elements", line)
                << lineB << QVector<bool>{false, false, true}
                << QStringList{changed(1, false), sent(1, false), changed(2, false), sent(2, false)}
                << QVector<bool>{false, false, true, true};
            QTest::addRow("%s empty", line) << lineB << QVector<bool>{} << QStringList{}
                                            << QVector<bool>{true, true, true, true};
            QTest::addRow("%s unchanged", line) << lineB << QVector<bool>{true, true, true, true} << QStringList{}
                                                << QVector<bool>{true, true, true, true};
            QTest::addRow("%s last zone", line)
                << lineB << QVector<bool>{true, true, true, false}
                << QStringList{changed(4, false), sent(4, false)} << QVector<bool>{true, true, true, false};
        }
    }

    void flagListSetterReportsChanges()
    {
        QFETCH(bool, lineB);
        QFETCH(QVector<bool>, list);
        QFETCH(QStringList, events);
        QFETCH(QVector<bool>, after);

        Values values;
        ZoneRecorder recorder(values, lineB);
        QSignalSpy otherLine(&values, lineB ? &Values::heatZone1EnabledChanged : &Values::heatZoneB1EnabledChanged);
        if (lineB)
            values.setEnabledHeatZonesB(list);
        else
            values.setEnabledHeatZones(list);

        QCOMPARE(recorder.events, events);
        QCOMPARE(flagsOf(values, lineB), after);
        QCOMPARE(flagsOf(values, !lineB), (QVector<bool>{true, true, true, true}));
        QVERIFY(otherLine.isEmpty());

        // Back to true reports again, with the true value.
        recorder.events.clear();
        if (lineB)
            values.setEnabledHeatZonesB({true, true, true, true});
        else
            values.setEnabledHeatZones({true, true, true, true});
        QCOMPARE(recorder.events.size(), 2 * after.count(false));
        for (const QString &event : qAsConst(recorder.events))
            QVERIFY2(event.endsWith(QLatin1String("1")), qPrintable(event));
    }

    void indexedZoneTemperature_data()
    {
        QTest::addColumn<bool>("lineB");
        QTest::addColumn<int>("idx");
        for (bool lineB : {false, true})
            for (int idx = -1; idx <= 4; ++idx)
                QTest::addRow("%s %d", lineB ? "B" : "A", idx) << lineB << idx;
    }

    void indexedZoneTemperature()
    {
        QFETCH(bool, lineB);
        QFETCH(int, idx);

        Values values;
        const QString prefix = lineB ? QStringLiteral("tempZoneB") : QStringLiteral("tempZone");
        QVector<QSharedPointer<QSignalSpy>> spies;
        const QMetaObject *mo = values.metaObject();
        for (int zone = 1; zone <= 4; ++zone)
            spies << QSharedPointer<QSignalSpy>::create(
                &values, mo->property(mo->indexOfProperty((prefix + QString::number(zone)).toLatin1())).notifySignal());
        QSignalSpy kessel(&values, lineB ? &Values::tempKesselBChanged : &Values::tempKesselChanged);

        LogCapture log;
        auto set = [&](const TemperatureOrError &value) {
            if (lineB)
                values.setTempOrErrZoneBIndexed(idx, value);
            else
                values.setTempOrErrZoneIndexed(idx, value);
        };
        set(TemperatureOrError(55.0f));
        set(TemperatureOrError(55.0f));
        set(TemperatureOrError(QStringLiteral("Fühlerbruch")));

        for (int zone = 1; zone <= 4; ++zone) {
            const QVariant value = values.property((prefix + QString::number(zone)).toLatin1());
            if (zone == idx + 1) {
                QCOMPARE(value, QVariant(QStringLiteral("Fühlerbruch")));
                QCOMPARE(spies[zone - 1]->count(), 2);
            } else {
                QCOMPARE(value, QVariant(0.0f));
                QCOMPARE(spies[zone - 1]->count(), 0);
            }
        }
        QVERIFY(kessel.isEmpty());

        const QString tag = lineB ? QStringLiteral("[setTempOrErrZoneBIndexed] ungültiger Index: ")
                                  : QStringLiteral("[setTempOrErrZoneIndexed] ungültiger Index: ");
        const QStringList lines = log.matching(QStringLiteral("ungültiger Index"));
        if (idx >= 0 && idx <= 3) {
            QVERIFY(lines.isEmpty());
        } else {
            QCOMPARE(lines.size(), 3);
            QVERIFY(lines[0].startsWith(QLatin1String("[CRIT ]")));
            QVERIFY2(lines[0].endsWith(tag + QStringLiteral("%1 - Wert: QVariant(float, 55)").arg(idx)),
                     qPrintable(lines[0]));
            QVERIFY2(lines[2].endsWith(tag + QStringLiteral("%1 - Wert: QVariant(QString, \"Fühlerbruch\")").arg(idx)),
                     qPrintable(lines[2]));
        }
    }

    void isSpecialFollowsLineBZoneCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("special");
        QTest::newRow("unset") << -1 << false;
        QTest::newRow("none") << 0 << false;
        QTest::newRow("two") << 2 << false;
        QTest::newRow("three") << 3 << true;
        QTest::newRow("four") << 4 << true;
    }

    void isSpecialFollowsLineBZoneCount()
    {
        QFETCH(int, count);
        QFETCH(bool, special);

        // Written by the controller on another thread: the new layout is seen
        // at once by that thread's next read...
        Values values;
        isSpecial = !special;
        bool seenByWriter = !special;
        QScopedPointer<QThread> writer(QThread::create([&] {
            values.setHeatZoneCountB(count == -1 ? 5 : count);
            values.setHeatZoneCountB(count);
            seenByWriter = isSpecial;
        }));
        writer->start();
        QVERIFY(writer->wait(5000));
        QCOMPARE(seenByWriter, special);
        QCOMPARE(bool(isSpecial), special);

        // ...and the GUI thread's events after the write leave it as it is.
        QCoreApplication::processEvents();
        QCOMPARE(bool(isSpecial), special);

        // The count of line A plays no part.
        values.setHeatZoneCount(4);
        QCoreApplication::processEvents();
        QCOMPARE(bool(isSpecial), special);
    }

    void isSpecialNeverLagsBehindTheCount()
    {
        // The controller switches the layout back and forth and reads the flag
        // (as Recipes.x does) right after each write, while the GUI thread
        // runs its events.
        Values values;
        values.setHeatZoneCountB(0);
        std::atomic<bool> done{false};
        std::atomic<int> wrong{0};
        QScopedPointer<QThread> writer(QThread::create([&] {
            for (int i = 1; i <= 20000; ++i) {
                const int count = i % 2 ? 3 : 0;
                values.setHeatZoneCountB(count);
                if (isSpecial != (count > 2))
                    ++wrong;
            }
            done = true;
        }));
        writer->start();
        while (!done)
            QCoreApplication::processEvents();
        QVERIFY(writer->wait(5000));
        QCoreApplication::processEvents();
        QCOMPARE(wrong.load(), 0);
        QCOMPARE(bool(isSpecial), false);
    }

    void isSpecialOnGuiThreadIsDirect()
    {
        Values values;
        QSignalSpy changed(&values, &Values::heatZoneCountBChanged);
        bool seenInSignal = false;
        connect(&values, &Values::heatZoneCountBChanged, this, [&] { seenInSignal = isSpecial; });
        values.setHeatZoneCountB(3);
        QVERIFY(isSpecial);
        QVERIFY(seenInSignal);
        values.setHeatZoneCountB(3);
        QCOMPARE(changed.count(), 1);
        values.setHeatZoneCountB(2);
        QVERIFY(!isSpecial);
        QCOMPARE(changed.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TstValuesHeatZones)
#include "tst_values_heat_zones.moc"
