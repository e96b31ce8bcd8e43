#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

#include "log_capture.h"
#include "values.h"
#include "values_setters.h"

namespace {

const QString kTooSmall = QStringLiteral("[Values WERT ZU KLEIN]");
const QString kTooBig = QStringLiteral("[Values WERT ZU GROß]");

QVariant read(const Values &values, const QString &name)
{
    const QMetaObject *mo = values.metaObject();
    return mo->property(mo->indexOfProperty(name.toLatin1())).read(&values);
}

void write(Values &values, const QString &name, const QVariant &value) { valuesSetters()[name](values, value); }

QSignalSpy *spyOn(Values &values, const QString &name)
{
    const QMetaObject *mo = values.metaObject();
    return new QSignalSpy(&values, mo->property(mo->indexOfProperty(name.toLatin1())).notifySignal());
}

QStringList clampLines(const LogCapture &log) { return log.matching(QStringLiteral("[Values WERT")); }

struct Limited
{
    const char *name;
    int min;
    int max;
};

} // namespace

class TstValuesClamping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clamps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("request");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QString>("logText"); // empty: no line
        QTest::addColumn<int>("emits");

        const Limited ints[] = {{"cookingStartTemp", 90, 99},  {"kondensatorStartTemp", 90, 99},
                                {"whirlpoolSeconds", 5, 60},   {"whirlpoolMinFreq", 10, 70},
                                {"fuFreqSpRw1", 1, 50},        {"fuFreqSpPump1", 1, 50},
                                {"fuFreqSpRw2", 1, 50},        {"fuFreqSpPump2", 1, 50}};
        for (const Limited &l : ints) {
            const int mid = (l.min + l.max) / 2;
            auto row = [&](const char *what) -> QTestData & { return QTest::addRow("%s %s", l.name, what) << QString::fromLatin1(l.name); };
            auto msg = [](const QString &tag, int from, int to) {
                return QStringLiteral("%1 %2 wird zu %3 geändert.").arg(tag).arg(from).arg(to);
            };
            row("below") << QVariant(mid) << QVariant(l.min - 1) << QVariant(l.min) << msg(kTooSmall, l.min - 1, l.min) << 1;
            row("far below") << QVariant(mid) << QVariant(-1000) << QVariant(l.min) << msg(kTooSmall, -1000, l.min) << 1;
            row("above") << QVariant(mid) << QVariant(l.max + 1) << QVariant(l.max) << msg(kTooBig, l.max + 1, l.max) << 1;
            row("at lower bound") << QVariant(mid) << QVariant(l.min) << QVariant(l.min) << QString() << 1;
            row("at upper bound") << QVariant(mid) << QVariant(l.max) << QVariant(l.max) << QString() << 1;
            row("inside") << QVariant(mid) << QVariant(mid + 1) << QVariant(mid + 1) << QString() << 1;
            row("equal to stored") << QVariant(mid) << QVariant(mid) << QVariant(mid) << QString() << 0;
            // The request differs from the stored value, so the clamped value
            // is stored and signalled even though it equals the stored one.
            row("clamped to stored min") << QVariant(l.min) << QVariant(l.min - 10) << QVariant(l.min)
                                         << msg(kTooSmall, l.min - 10, l.min) << 1;
            row("clamped to stored max") << QVariant(l.max) << QVariant(l.max + 1) << QVariant(l.max)
                                         << msg(kTooBig, l.max + 1, l.max) << 1;
        }

        const QString t = QStringLiteral("ticksPerLiter");
        auto row = [&](const char *what) -> QTestData & { return QTest::addRow("ticksPerLiter %s", what) << t; };
        const float inf = std::numeric_limits<float>::infinity();
        row("below single-precision min") << QVariant(210.0f) << QVariant(0.05f) << QVariant(0.1f)
                                          << kTooSmall + QStringLiteral(" 0.05 wird zu 0.1 geändert.") << 1;
        row("zero") << QVariant(210.0f) << QVariant(0.0f) << QVariant(0.1f)
                    << kTooSmall + QStringLiteral(" 0 wird zu 0.1 geändert.") << 1;
        row("above") << QVariant(210.0f) << QVariant(1000.5f) << QVariant(1000.0f)
                     << kTooBig + QStringLiteral(" 1000.5 wird zu 1000 geändert.") << 1;
        row("minus infinity") << QVariant(210.0f) << QVariant(-inf) << QVariant(0.1f)
                              << kTooSmall + QStringLiteral(" -inf wird zu 0.1 geändert.") << 1;
        row("at min") << QVariant(210.0f) << QVariant(0.1f) << QVariant(0.1f) << QString() << 1;
        row("inside") << QVariant(210.0f) << QVariant(180.25f) << QVariant(180.25f) << QString() << 1;
        row("equal to stored") << QVariant(210.0f) << QVariant(210.0f) << QVariant(210.0f) << QString() << 0;
        row("clamped to stored max") << QVariant(1000.0f) << QVariant(5000.0f) << QVariant(1000.0f)
                                     << kTooBig + QStringLiteral(" 5000 wird zu 1000 geändert.") << 1;
        row("not a number") << QVariant(210.0f) << QVariant(std::nanf("")) << QVariant(210.0f)
                            << QStringLiteral("[Values WERT UNGÜLTIG] nan wird verworfen.") << 0;
    }

    void clamps()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, request);
        QFETCH(QVariant, expected);
        QFETCH(QString, logText);
        QFETCH(int, emits);

        Values values;
        write(values, name, stored);
        QCOMPARE(read(values, name), stored);

        LogCapture log;
        QScopedPointer<QSignalSpy> changed(spyOn(values, name));
        write(values, name, request);

        QCOMPARE(read(values, name), expected);
        QCOMPARE(changed->count(), emits);
        const QStringList lines = clampLines(log);
        if (logText.isEmpty()) {
            QVERIFY2(lines.isEmpty(), qPrintable(lines.join('\n')));
        } else {
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines[0].startsWith(QLatin1String("[CRIT ]")), qPrintable(lines[0]));
            QVERIFY2(lines[0].endsWith(QLatin1Char(' ') + logText), qPrintable(lines[0]));
        }
    }

    void repeatedRequestLogsAndEmitsEachTime()
    {
        Values values;
        LogCapture log;
        QSignalSpy changed(&values, &Values::cookingStartTempChanged);
        int seen = 0;
        connect(&values, &Values::cookingStartTempChanged, this, [&] { seen = values.cookingStartTemp(); });

        values.setCookingStartTemp(100);
        values.setCookingStartTemp(100);
        QCOMPARE(values.cookingStartTemp(), 99);
        QCOMPARE(seen, 99);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(log.matching(QStringLiteral("[Values WERT ZU GROß] 100 wird zu 99 geändert.")).size(), 2);

        values.setCookingStartTemp(99);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(clampLines(log).size(), 2);
    }

    void boundsAreWrittenLaterWithoutReclamping()
    {
        Values values;
        LogCapture log;
        QSignalSpy changed(&values, &Values::whirlpoolSecondsChanged);
        QSignalSpy maxChanged(&values, &Values::whirlpoolSecondsMaxChanged);

        values.setWhirlpoolSecondsMax(15);
        values.setWhirlpoolSecondsMax(15);
        QCOMPARE(maxChanged.count(), 1);
        QCOMPARE(values.whirlpoolSeconds(), 20); // above the new bound, left alone
        QCOMPARE(changed.count(), 0);

        values.setWhirlpoolSeconds(20); // only the request is compared
        QCOMPARE(changed.count(), 0);
        QVERIFY(clampLines(log).isEmpty());

        values.setWhirlpoolSeconds(30);
        QCOMPARE(values.whirlpoolSeconds(), 15);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(log.matching(QStringLiteral("[Values WERT ZU GROß] 30 wird zu 15 geändert.")).size(), 1);

        values.setWhirlpoolSecondsMin(40); // no check that min stays below max
        values.setWhirlpoolSeconds(10);
        QCOMPARE(values.whirlpoolSeconds(), 40);
        QCOMPARE(log.matching(QStringLiteral("[Values WERT ZU KLEIN] 10 wird zu 40 geändert.")).size(), 1);
    }

    void singlePrecisionBounds()
    {
        Values values;
        QCOMPARE(values.ticksPerLiterMin(), 0.1f);
        QVERIFY(double(values.ticksPerLiterMin()) != 0.1);
        QCOMPARE(read(values, QStringLiteral("ticksPerLiterMin")).userType(), int(QMetaType::Float));

        values.setTicksPerLiterMin(2.5f);
        values.setTicksPerLiter(1.0f);
        QCOMPARE(values.ticksPerLiter(), 2.5f);
    }

    void unboundedDriveSetPointIsStoredAsGiven()
    {
        Values values;
        LogCapture log;
        QSignalSpy changed(&values, &Values::fuFreqSpPumpLauternChanged);
        values.setFuFreqSpPumpLautern(500);
        values.setFuFreqSpPumpLautern(-3);
        QCOMPARE(values.fuFreqSpPumpLautern(), -3);
        QCOMPARE(changed.count(), 2);
        QVERIFY(clampLines(log).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstValuesClamping)
#include "tst_values_clamping.moc"
