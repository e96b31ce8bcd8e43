#include <QThread>
#include <QtTest>

#include <memory>
#include <new>

#include "values.h"

// A controller writing values faster than the screens read them: the changes
// it makes from its own thread wait for the GUI thread as one notice per
// property at most, and the screens never miss the last value.
class TstChangeCoalescing : public QObject
{
    Q_OBJECT

private:
    // Counts a property's change signals and what each one read.
    struct Watch
    {
        int count = 0;
        float filled = -1;
        QVariant kessel;
    };

    static void watch(Values &values, Watch &seen, QObject *context)
    {
        connect(&values, &Values::filledChanged, context, [&] {
            ++seen.count;
            seen.filled = values.filled();
        });
        connect(&values, &Values::tempKesselChanged, context, [&] {
            ++seen.count;
            seen.kessel = values.tempKessel();
        });
    }

    static void writeFromAnotherThread(const std::function<void()> &writes)
    {
        std::unique_ptr<QThread> writer(QThread::create(writes));
        writer->start();
        QVERIFY(writer->wait(30000));
    }

private Q_SLOTS:
    void burstFromAnotherThreadIsOneNoticePerProperty()
    {
        Values values;
        Watch seen;
        watch(values, seen, this);
        constexpr int kWrites = 100000;
        writeFromAnotherThread([&] {
            for (int i = 1; i <= kWrites; ++i) {
                values.setFilled(float(i));
                values.setTempKessel(TemperatureOrError(float(i) / 2));
            }
        });
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(seen.count, 2);
        QCOMPARE(seen.filled, float(kWrites));
        QCOMPARE(seen.kessel, QVariant(float(kWrites) / 2));

        // A write after the screens have read the value is announced anew.
        writeFromAnotherThread([&] { values.setFilled(1.5f); });
        QTRY_COMPARE(seen.count, 3);
        QCOMPARE(seen.filled, 1.5f);
        // An equal value is no change.
        writeFromAnotherThread([&] { values.setFilled(1.5f); });
        QCoreApplication::processEvents();
        QCOMPARE(seen.count, 3);
    }

    void writeOnTheObjectsThreadIsAnnouncedAtOnce()
    {
        Values values;
        Watch seen;
        watch(values, seen, this);
        values.setFilled(2.5f);
        values.setFilled(3.5f);
        QCOMPARE(seen.count, 2);
        QCOMPARE(seen.filled, 3.5f);
    }

    void noticeOfAnObjectGoneDoesNotSilenceItsSuccessor()
    {
        // An object destroyed while its notice waits takes the notice with
        // it; another object at the same place is announced as usual.
        alignas(Values) unsigned char place[sizeof(Values)];
        Values *values = new (place) Values;
        writeFromAnotherThread([&] { values->setFilled(7.0f); });
        values->~Values();

        values = new (place) Values;
        Watch seen;
        watch(*values, seen, this);
        writeFromAnotherThread([&] { values->setFilled(8.0f); });
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.filled, 8.0f);
        values->~Values();
    }
};

QTEST_GUILESS_MAIN(TstChangeCoalescing)
#include "tst_change_coalescing.moc"
