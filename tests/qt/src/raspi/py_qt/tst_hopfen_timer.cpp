#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

#include "hopfen_timer.h"
#include "state_objects.h"
#include "qml_registered.h"
#include "test_app.h"

namespace {

const QString kNotStarted = QStringLiteral("Automatik noch nicht gestartet");

struct Row
{
    const char *name;
    QVariant initial;
    QVariant other;
    std::function<void(HopfenTimer &, const QVariant &)> set;
};

#define STR_ROW(name, Name, initial, other)                                                                       \
    Row{#name, QVariant(QString(initial)), QVariant(QString(other)),                                            \
        [](HopfenTimer &h, const QVariant &v) { h.set##Name(v.toString()); }}
#define BOOL_ROW(name, Name)                                                                                      \
    Row{#name, QVariant(false), QVariant(true), [](HopfenTimer &h, const QVariant &v) { h.set##Name(v.toBool()); }}

// The notifying properties in their declared order.
const std::vector<Row> &rows()
{
    static const std::vector<Row> rows{
        STR_ROW(str1, Str1, "", "0:10"),
        STR_ROW(str2, Str2, "", "10:00"),
        STR_ROW(str3, Str3, "", "Whirlpool"),
        STR_ROW(str4, Str4, "", "fällig"),
        STR_ROW(str5, Str5, "", "5:00"),
        STR_ROW(status, Status, kNotStarted, "Nächste Hopfengabe in 4:59"),
        BOOL_ROW(alarm, Alarm),
        BOOL_ROW(success, Success),
        Row{"current", QVariant(0), QVariant(2), [](HopfenTimer &h, const QVariant &v) { h.setCurrent(v.toInt()); }},
        BOOL_ROW(vwDone, VwDone),
        BOOL_ROW(wpDone, WpDone),
    };
    return rows;
}

QVariant read(const QObject &obj, const char *name) { return obj.property(name); }

std::vector<std::unique_ptr<QSignalSpy>> spyAll(HopfenTimer &h)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject *mo = h.metaObject();
    for (const Row &row : rows())
        spies.push_back(std::make_unique<QSignalSpy>(&h, mo->property(mo->indexOfProperty(row.name)).notifySignal()));
    return spies;
}

// Counts per notifying property, in row order.
QVector<int> counts(const std::vector<std::unique_ptr<QSignalSpy>> &spies)
{
    QVector<int> result;
    for (const auto &spy : spies)
        result << spy->count();
    return result;
}

QVector<int> onlyAt(int index)
{
    QVector<int> result(int(rows().size()), 0);
    if (index >= 0)
        result[index] = 1;
    return result;
}

} // namespace

class TstHopfenTimer : public QObject
{
    Q_OBJECT

private:
    RegisteredQml m_qml;

private Q_SLOTS:
    void initTestCase() { initTestApp();
        useSilentController(); }

    void cleanupTestCase()
    {
        m_qml.stop();
    }

    void metaObjectLayout()
    {
        const QMetaObject &mo = HopfenTimer::staticMetaObject;
        QCOMPARE(mo.propertyCount() - mo.propertyOffset(), 12);
        QStringList names;
        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            QVERIFY(!mo.property(p).isWritable());
            names << QString::fromLatin1(mo.property(p).name());
        }
        QCOMPARE(names, (QStringList{"str1", "str2", "str3", "str4", "str5", "status", "statusDefault", "alarm",
                                     "success", "current", "vwDone", "wpDone"}));
        QVERIFY(mo.property(mo.indexOfProperty("statusDefault")).isConstant());
        // Signals 0 to 10 in the order of the properties, nothing else.
        QCOMPARE(mo.methodCount() - mo.methodOffset(), 11);
        for (size_t n = 0; n < rows().size(); ++n) {
            const QMetaProperty property = mo.property(mo.indexOfProperty(rows()[n].name));
            QCOMPARE(property.notifySignalIndex(), mo.methodOffset() + int(n));
            QCOMPARE(property.notifySignal().methodSignature(), QByteArray(rows()[n].name) + "Changed()");
        }
    }

    void freshObject()
    {
        HopfenTimer h;
        for (const Row &row : rows())
            QVERIFY2(read(h, row.name) == row.initial && read(h, row.name).userType() == row.initial.userType(),
                     row.name);
        QCOMPARE(h.statusDefault(), kNotStarted);
    }

    void settersEmitOncePerChange()
    {
        HopfenTimer h;
        auto spies = spyAll(h);
        for (size_t r = 0; r < rows().size(); ++r) {
            const Row &row = rows()[r];
            row.set(h, row.other);
            row.set(h, row.other);
            QCOMPARE(read(h, row.name), row.other);
            QCOMPARE(counts(spies), onlyAt(int(r)));
            row.set(h, row.initial);
            QCOMPARE(read(h, row.name), row.initial);
            QCOMPARE(spies[r]->count(), 2);
            for (auto &spy : spies)
                spy->clear();
        }
        // The constant text stays whatever the headline shows.
        h.setStatus(QStringLiteral("Hopfengabe 2 fällig"));
        QCOMPARE(h.status(), QStringLiteral("Hopfengabe 2 fällig"));
        QCOMPARE(h.statusDefault(), kNotStarted);
    }

    void strIndexedSetsTheTimerText()
    {
        HopfenTimer h;
        auto spies = spyAll(h);
        for (int index = 0; index < 5; ++index) {
            const QString text = QStringLiteral("%1:00").arg(index);
            h.setStrIndexed(index, text);
            h.setStrIndexed(index, text);
            QCOMPARE(read(h, rows()[size_t(index)].name).toString(), text);
            QCOMPARE(counts(spies), onlyAt(index));
            spies[size_t(index)]->clear();
        }
    }

    void screensFollowTheGlobalTimer()
    {
        m_qml.start();
        QString error;
        std::unique_ptr<QObject> object = m_qml.create("import QtQml 2.15\nimport tavell.auto 1.0\n"
                                                       "QtObject {\n"
                                                       "  property string head: HopfenTimer.status\n"
                                                       "  property string fixed: HopfenTimer.statusDefault\n"
                                                       "  property string third: HopfenTimer.str3\n"
                                                       "  property int current: HopfenTimer.current\n"
                                                       "  property bool alarm: HopfenTimer.alarm\n"
                                                       "}",
                                                       &error);
        QVERIFY2(object, qPrintable(error));
        QCOMPARE(object->property("head").toString(), kNotStarted);

        g_hopfenTimer.setStatus(QStringLiteral("Hopfengabe 3 fällig"));
        g_hopfenTimer.setStrIndexed(2, QStringLiteral("0:00"));
        g_hopfenTimer.setCurrent(2);
        g_hopfenTimer.setAlarm(true);
        QCOMPARE(object->property("head").toString(), QStringLiteral("Hopfengabe 3 fällig"));
        QCOMPARE(object->property("fixed").toString(), kNotStarted);
        QCOMPARE(object->property("third").toString(), QStringLiteral("0:00"));
        QCOMPARE(object->property("current").toInt(), 2);
        QCOMPARE(object->property("alarm").toBool(), true);

        g_hopfenTimer.setStatus(kNotStarted);
        g_hopfenTimer.setStrIndexed(2, QString());
        g_hopfenTimer.setCurrent(0);
        g_hopfenTimer.setAlarm(false);
    }
};

QTEST_GUILESS_MAIN(TstHopfenTimer)
#include "tst_hopfen_timer.moc"
