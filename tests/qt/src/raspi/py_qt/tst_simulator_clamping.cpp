#include <QMetaProperty>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "log_capture.h"
#include "simulator.h"
#include "simulator_setters.h"
#include "test_app.h"

namespace {

// The message text of every critical line, without level tag and times.
QStringList criticalTexts(const LogCapture &log)
{
    static const QRegularExpression crit(QStringLiteral(R"(^\[CRIT \]\[[^\]]*\]\[\d+:\d+:\d+\] (.*)$)"));
    QStringList texts;
    for (const QString &line : log.lines()) {
        const QRegularExpressionMatch m = crit.match(line);
        if (m.hasMatch())
            texts << m.captured(1);
    }
    return texts;
}

QVariant read(const Simulator &sim, const QString &name)
{
    const QMetaObject &mo = Simulator::staticMetaObject;
    return mo.property(mo.indexOfProperty(name.toLatin1())).read(&sim);
}

void write(Simulator &sim, const QString &name, const QVariant &value) { simulatorSetters()[name](sim, value); }

// One spy per change signal, in property order.
struct AllSignals
{
    explicit AllSignals(Simulator &sim)
    {
        const QMetaObject &mo = Simulator::staticMetaObject;
        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            if (!mo.property(p).hasNotifySignal())
                continue;
            names << QString::fromLatin1(mo.property(p).name());
            spies.emplace_back(new QSignalSpy(&sim, mo.property(p).notifySignal()));
        }
    }
    // Names of the properties that signalled, with repeats.
    QStringList fired() const
    {
        QStringList list;
        for (size_t k = 0; k < spies.size(); ++k)
            for (int n = 0; n < spies[k]->count(); ++n)
                list << names[int(k)];
        return list;
    }
    QStringList names;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

QStringList repeated(const QString &text, int times)
{
    QStringList list;
    for (int n = 0; n < times; ++n)
        list << text;
    return list;
}

} // namespace

class TstSimulatorClamping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initTestApp(); }

    // A request is limited to the bounds with a logged correction; a clamped
    // value is announced even when it equals the stored one; a request equal
    // to the stored value does nothing at all.
    void clamps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("preset"); // written first, if valid
        QTest::addColumn<QVariant>("request");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("logText"); // empty: no line
        QTest::addColumn<int>("signals");

        const QVariant none;
        const QString kl = QStringLiteral("[Simulator WERT ZU KLEIN] %1 wird zu %2 geändert.");
        const QString gr = QStringLiteral("[Simulator WERT ZU GROß] %1 wird zu %2 geändert.");

        QTest::newRow("ticks below") << "simTicksPerMinute" << none << QVariant(0) << QVariant(1)
                                     << kl.arg("0", "1") << 1;
        QTest::newRow("ticks above, clamped equals stored")
            << "simTicksPerMinute" << none << QVariant(20000) << QVariant(10000) << gr.arg("20000", "10000") << 1;
        QTest::newRow("ticks equal") << "simTicksPerMinute" << none << QVariant(10000) << QVariant(10000) << QString()
                                     << 0;
        QTest::newRow("ticks within") << "simTicksPerMinute" << none << QVariant(600) << QVariant(600) << QString()
                                      << 1;
        QTest::newRow("ticks below again, clamped equals stored")
            << "simTicksPerMinute" << QVariant(1) << QVariant(0) << QVariant(1) << kl.arg("0", "1") << 1;

        QTest::newRow("degrees below") << "simDegreesPerMinute" << none << QVariant(0.05f) << QVariant(0.1f)
                                       << kl.arg("0.05", "0.1") << 1;
        QTest::newRow("degrees above") << "simDegreesPerMinute" << none << QVariant(75.5f) << QVariant(50.0f)
                                       << gr.arg("75.5", "50") << 1;
        QTest::newRow("degrees infinite") << "simDegreesPerMinute" << none
                                          << QVariant(std::numeric_limits<float>::infinity()) << QVariant(50.0f)
                                          << gr.arg("inf", "50") << 1;
        QTest::newRow("degrees equal") << "simDegreesPerMinute" << none << QVariant(10.0f) << QVariant(10.0f)
                                       << QString() << 0;
        QTest::newRow("degrees within") << "simDegreesPerMinute" << none << QVariant(2.25f) << QVariant(2.25f)
                                        << QString() << 1;
        QTest::newRow("degrees on lower bound") << "simDegreesPerMinute" << none << QVariant(0.1f) << QVariant(0.1f)
                                                << QString() << 1;

        QTest::newRow("a_in_0 below, clamped equals stored")
            << "simAIn0" << none << QVariant(-1) << QVariant(0) << kl.arg("-1", "0") << 1;
        QTest::newRow("a_in_0 above") << "simAIn0" << none << QVariant(101) << QVariant(100) << gr.arg("101", "100")
                                      << 1;
        QTest::newRow("a_in_0 equal") << "simAIn0" << none << QVariant(0) << QVariant(0) << QString() << 0;
        QTest::newRow("a_in_0 on upper bound") << "simAIn0" << none << QVariant(100) << QVariant(100) << QString()
                                               << 1;

        QTest::newRow("a_in_1 below") << "simAIn1" << QVariant(40) << QVariant(-20) << QVariant(0)
                                      << kl.arg("-20", "0") << 1;
        QTest::newRow("a_in_1 above") << "simAIn1" << none << QVariant(250) << QVariant(100) << gr.arg("250", "100")
                                      << 1;
        QTest::newRow("a_in_1 above again, clamped equals stored")
            << "simAIn1" << QVariant(100) << QVariant(1000) << QVariant(100) << gr.arg("1000", "100") << 1;
        QTest::newRow("a_in_1 equal") << "simAIn1" << QVariant(42) << QVariant(42) << QVariant(42) << QString() << 0;
    }

    void clamps()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, preset);
        QFETCH(QVariant, request);
        QFETCH(QVariant, stored);
        QFETCH(QString, logText);
        QFETCH(int, signals);

        Simulator sim;
        if (preset.isValid())
            write(sim, name, preset);
        LogCapture log;
        AllSignals spies(sim);

        write(sim, name, request);

        const QVariant actual = read(sim, name);
        QCOMPARE(actual.userType(), stored.userType());
        QCOMPARE(actual, stored);
        QCOMPARE(criticalTexts(log), logText.isEmpty() ? QStringList() : QStringList{logText});
        QCOMPARE(log.lines().size(), logText.isEmpty() ? 0 : 1);
        QCOMPARE(spies.fired(), repeated(name, signals));
    }

    // The same request out of bounds, again and again: each one is logged and
    // announced, the value stays on the bound.
    void repeatedRequestLogsAndEmitsEachTime_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("request");
        QTest::addColumn<QVariant>("bound");
        QTest::addColumn<QString>("logText");

        QTest::newRow("ticks") << "simTicksPerMinute" << QVariant(0) << QVariant(1)
                               << "[Simulator WERT ZU KLEIN] 0 wird zu 1 geändert.";
        QTest::newRow("degrees") << "simDegreesPerMinute" << QVariant(99.0f) << QVariant(50.0f)
                                 << "[Simulator WERT ZU GROß] 99 wird zu 50 geändert.";
        QTest::newRow("a_in_0") << "simAIn0" << QVariant(-3) << QVariant(0)
                                << "[Simulator WERT ZU KLEIN] -3 wird zu 0 geändert.";
        QTest::newRow("a_in_1") << "simAIn1" << QVariant(101) << QVariant(100)
                                << "[Simulator WERT ZU GROß] 101 wird zu 100 geändert.";
    }

    void repeatedRequestLogsAndEmitsEachTime()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, request);
        QFETCH(QVariant, bound);
        QFETCH(QString, logText);

        Simulator sim;
        LogCapture log;
        AllSignals spies(sim);
        for (int n = 0; n < 3; ++n)
            write(sim, name, request);
        QCOMPARE(read(sim, name), bound);
        QCOMPARE(criticalTexts(log), repeated(logText, 3));
        QCOMPARE(spies.fired(), repeated(name, 3));

        // Writing the bound itself is a request equal to the stored value.
        write(sim, name, bound);
        QCOMPARE(criticalTexts(log).size(), 3);
        QCOMPARE(spies.fired().size(), 3);
    }

    void boundsChangeDoesNotReclamp()
    {
        Simulator sim;
        sim.setSimAIn0(80);
        AllSignals spies(sim);
        LogCapture log;

        sim.setSimAIn0Max(50);
        QCOMPARE(sim.simAIn0Max(), 50);
        QCOMPARE(sim.simAIn0(), 80);
        QCOMPARE(spies.fired(), QStringList{QStringLiteral("simAIn0Max")});
        QVERIFY(log.lines().isEmpty());

        // The stored value is not a request; an equal request does nothing,
        // any other is held to the new bound.
        sim.setSimAIn0(80);
        QCOMPARE(spies.fired().size(), 1);
        sim.setSimAIn0(79);
        QCOMPARE(sim.simAIn0(), 50);
        QCOMPARE(criticalTexts(log), QStringList{QStringLiteral("[Simulator WERT ZU GROß] 79 wird zu 50 geändert.")});
    }

    void clampingFollowsCurrentBounds()
    {
        Simulator sim;
        LogCapture log;
        sim.setSimTicksPerMinuteMin(100);
        sim.setSimTicksPerMinuteMax(200);
        sim.setSimTicksPerMinute(99);
        QCOMPARE(sim.simTicksPerMinute(), 100);
        sim.setSimTicksPerMinute(201);
        QCOMPARE(sim.simTicksPerMinute(), 200);

        sim.setSimDegreesPerMinuteMin(1.5f);
        sim.setSimDegreesPerMinuteMax(2.5f);
        sim.setSimDegreesPerMinute(1.0f);
        QCOMPARE(sim.simDegreesPerMinute(), 1.5f);

        sim.setSimAIn1Min(10);
        sim.setSimAIn1(5);
        QCOMPARE(sim.simAIn1(), 10);

        QCOMPARE(criticalTexts(log), (QStringList{
                                         QStringLiteral("[Simulator WERT ZU KLEIN] 99 wird zu 100 geändert."),
                                         QStringLiteral("[Simulator WERT ZU GROß] 201 wird zu 200 geändert."),
                                         QStringLiteral("[Simulator WERT ZU KLEIN] 1 wird zu 1.5 geändert."),
                                         QStringLiteral("[Simulator WERT ZU KLEIN] 5 wird zu 10 geändert."),
                                     }));
        // The defaults stay where they were.
        QCOMPARE(sim.simTicksPerMinuteDefault(), 10000);
        QCOMPARE(sim.simDegreesPerMinuteDefault(), 10.0f);
        QCOMPARE(sim.simAIn1Default(), 0);
    }

    void notANumberIsRefused()
    {
        // NaN lies between no bounds and compares unequal to itself; storing
        // it would leave the heating rate undefined.
        Simulator sim;
        LogCapture log;
        QSignalSpy changed(&sim, &Simulator::simDegreesPerMinuteChanged);
        sim.setSimDegreesPerMinute(std::nanf(""));
        sim.setSimDegreesPerMinute(std::nanf(""));
        QCOMPARE(sim.simDegreesPerMinute(), 10.0f);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(log.matching(QStringLiteral("[Simulator WERT UNGÜLTIG]")).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TstSimulatorClamping)
#include "tst_simulator_clamping.moc"
