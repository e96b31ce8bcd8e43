#include <QAtomicInt>
#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include "gui.h"

class TstGuiLocking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writerThreadAndGuiReader()
    {
        // The worker writes while the screens read; every change reaches the
        // GUI thread queued and the last value written is the one read.
        Gui gui;
        const int rounds = 20000;
        int pageSignals = 0;
        int scrollSignals = 0;
        connect(&gui, &Gui::pageChanged, this, [&] { ++pageSignals; });
        connect(&gui, &Gui::indicateScrollableChanged, this, [&] { ++scrollSignals; });

        QScopedPointer<QThread> writer(QThread::create([&] {
            for (int i = 1; i <= rounds; ++i) {
                gui.setPage(static_cast<Gui::PageEnum>(i % Gui::PageEnumCount));
                gui.setIndicateScrollable(i % 2 == 1);
                gui.setControlsEnabled(i == rounds);
            }
            gui.setPage(Gui::UpdatesShell);
        }));
        writer->start();

        int reads = 0;
        bool inRange = true;
        while (!writer->isFinished()) {
            const int page = gui.page();
            inRange = inRange && page >= 0 && page < Gui::PageEnumCount;
            gui.indicateScrollable();
            gui.controlsEnabled();
            ++reads;
        }
        QVERIFY(writer->wait(10000));
        QVERIFY(inRange);
        QVERIFY(reads > 0);

        QCOMPARE(gui.page(), Gui::UpdatesShell);
        QVERIFY(!gui.indicateScrollable());
        QVERIFY(gui.controlsEnabled());

        // Each round changes the page and the flag; the closing page is
        // (rounds % 7 == 1, Auto2) a change too.
        QTRY_COMPARE(pageSignals, rounds + 1);
        QTRY_COMPARE(scrollSignals, rounds);
    }

    void changeSignalIsEmittedUnderTheLock()
    {
        // A reader on the GUI thread waits until the writer's change signal has
        // been handled, so it never sees a value whose signal is still under way.
        Gui gui;
        QSemaphore entered;
        QAtomicInt handlerDone(0);
        connect(
            &gui, &Gui::controlsEnabledChanged, &gui,
            [&] {
                entered.release();
                QThread::msleep(300);
                handlerDone.storeRelease(1);
            },
            Qt::DirectConnection);

        QScopedPointer<QThread> writer(QThread::create([&] { gui.setControlsEnabled(true); }));
        writer->start();
        const bool handlerRunning = entered.tryAcquire(1, 10000);
        const bool enabled = gui.controlsEnabled();
        const int doneWhenRead = handlerDone.loadAcquire();
        QVERIFY(writer->wait(10000));
        QVERIFY(handlerRunning);
        QVERIFY(enabled);
        QCOMPARE(doneWhenRead, 1);
    }

    void handlersMayReenterOnTheWritingThread()
    {
        // A direct handler reading or writing the object on the thread that
        // holds the lock takes it again instead of deadlocking.
        Gui gui;
        Gui::PageEnum seen = Gui::Auto1;
        connect(
            &gui, &Gui::pageChanged, &gui,
            [&] {
                seen = gui.page();
                gui.setIndicateScrollable(true);
            },
            Qt::DirectConnection);

        QScopedPointer<QThread> writer(QThread::create([&] { gui.setPage(Gui::Report); }));
        writer->start();
        QVERIFY(writer->wait(10000));
        QCOMPARE(seen, Gui::Report);
        QVERIFY(gui.indicateScrollable());
    }
};

QTEST_GUILESS_MAIN(TstGuiLocking)
#include "tst_gui_locking.moc"
