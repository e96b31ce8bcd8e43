#include <QThread>
#include <QtTest>

#include "gui.h"

class TstGuiLocking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writerThreadAndGuiReader()
    {
        // The worker writes while the screens read; the changes reach the
        // GUI thread queued, several writes in one notice at most, and the
        // last value written is the one read.
        Gui gui;
        const int rounds = 20000;
        int pageSignals = 0;
        int scrollSignals = 0;
        Gui::PageEnum pageSeen = Gui::Auto1;
        bool scrollSeen = true;
        connect(&gui, &Gui::pageChanged, this, [&] {
            ++pageSignals;
            pageSeen = gui.page();
        });
        connect(&gui, &Gui::indicateScrollableChanged, this, [&] {
            ++scrollSignals;
            scrollSeen = gui.indicateScrollable();
        });

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
        // (rounds % 7 == 1, Auto2) a change too. No more notices than
        // changes, and the last one read the last value.
        QTRY_COMPARE(pageSeen, Gui::UpdatesShell);
        QTRY_COMPARE(scrollSeen, false);
        QCoreApplication::processEvents();
        QVERIFY(pageSignals >= 1 && pageSignals <= rounds + 1);
        QVERIFY(scrollSignals >= 1 && scrollSignals <= rounds);
    }

    void changeFromAnotherThreadIsAnnouncedOnTheObjectsThread()
    {
        // The writer does not wait for the screens: even a direct handler
        // runs on the GUI thread, after the write, and reads the new value.
        Gui gui;
        QThread *handlerThread = nullptr;
        bool enabledSeen = false;
        connect(
            &gui, &Gui::controlsEnabledChanged, &gui,
            [&] {
                handlerThread = QThread::currentThread();
                enabledSeen = gui.controlsEnabled();
            },
            Qt::DirectConnection);

        QScopedPointer<QThread> writer(QThread::create([&] { gui.setControlsEnabled(true); }));
        writer->start();
        QVERIFY(writer->wait(10000));
        QCOMPARE(handlerThread, nullptr);
        QTRY_COMPARE(handlerThread, QThread::currentThread());
        QVERIFY(enabledSeen);
    }

    void handlersMayReenterTheObject()
    {
        // A direct handler reading or writing the object while the setter on
        // the same thread still holds the lock takes it again instead of
        // deadlocking.
        Gui gui;
        Gui::PageEnum seen = Gui::Auto1;
        connect(
            &gui, &Gui::pageChanged, &gui,
            [&] {
                seen = gui.page();
                gui.setIndicateScrollable(true);
            },
            Qt::DirectConnection);

        gui.setPage(Gui::Report);
        QCOMPARE(seen, Gui::Report);
        QVERIFY(gui.indicateScrollable());
    }
};

QTEST_GUILESS_MAIN(TstGuiLocking)
#include "tst_gui_locking.moc"
