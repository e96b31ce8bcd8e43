#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include "shell.h"

namespace {

const QColor kRed(QStringLiteral("#ff0000"));
const QColor kGreen(QStringLiteral("#00ff00"));
const QColor kBlue(QStringLiteral("#0000ff"));
const QColor kGrey(QStringLiteral("#808080"));

void colourShell(Shell &shell)
{
    shell.setColorUrgencyLow(kGreen);
    shell.setColorUrgencyMedium(kBlue);
    shell.setColorUrgencyHigh(kRed);
    shell.setColorUrgencyOther(kGrey);
}

ChangelogEntry entry(Shell &shell, const QString &name, const QString &urgency = QStringLiteral("low"),
                     const StringVector &changes = {})
{
    ChangelogEntry e(&shell);
    e.setName(name);
    e.setDate(QStringLiteral("2024-03-05"));
    e.setDistribution(QStringLiteral("bookworm"));
    e.setVersion(QStringLiteral("1.0"));
    e.setUrgencyStr(urgency);
    e.setChanges(changes);
    return e;
}

template <typename T, typename Setter, typename Getter>
void checkSetter(Shell &shell, Setter setter, void (Shell::*changed)(), Getter getter, const T &value,
                 const T &equalValue)
{
    QSignalSpy spy(&shell, changed);
    (shell.*setter)(value);
    QCOMPARE(spy.count(), 1);
    QCOMPARE((shell.*getter)(), value);
    (shell.*setter)(equalValue);
    QCOMPARE(spy.count(), 1);
}

} // namespace

class TstShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshShell()
    {
        Shell shell;
        for (const QColor &c : {shell.colorUrgencyLow(), shell.colorUrgencyMedium(), shell.colorUrgencyHigh(),
                                shell.colorUrgencyOther()}) {
            QVERIFY(!c.isValid());
            QCOMPARE(c.name(), QStringLiteral("#000000"));
        }
        QVERIFY(!shell.testingRepoEnabled());
        QVERIFY(!shell.locked());
        QVERIFY(shell.installed().isEmpty());
        QVERIFY(shell.changelogEntries().isEmpty());
        QVERIFY(shell.upgradables().isEmpty());
        QCOMPARE(int(Shell::ToggleTesting), 6);
        QCOMPARE(int(Shell::ShellActionEnumCount), 7);
    }

    void settersEmitOncePerChange()
    {
        Shell shell;
        checkSetter(shell, &Shell::setColorUrgencyLow, &Shell::colorUrgencyLowChanged, &Shell::colorUrgencyLow,
                    QColor(QStringLiteral("red")), kRed);
        checkSetter(shell, &Shell::setColorUrgencyMedium, &Shell::colorUrgencyMediumChanged,
                    &Shell::colorUrgencyMedium, kBlue, QColor(Qt::blue));
        checkSetter(shell, &Shell::setColorUrgencyHigh, &Shell::colorUrgencyHighChanged, &Shell::colorUrgencyHigh,
                    kRed, kRed);
        checkSetter(shell, &Shell::setColorUrgencyOther, &Shell::colorUrgencyOtherChanged, &Shell::colorUrgencyOther,
                    kGrey, kGrey);
        checkSetter(shell, &Shell::setTestingRepoEnabled, &Shell::testingRepoEnabledChanged,
                    &Shell::testingRepoEnabled, true, true);
        checkSetter(shell, &Shell::setLocked, &Shell::lockedChanged, &Shell::locked, true, true);
        const QVector<QVariantMap> rows{{{"name", "a"}, {"version", "1"}}, {{"name", "b"}, {"version", "2"}}};
        checkSetter(shell, &Shell::setInstalled, &Shell::installedChanged, &Shell::installed, rows,
                    QVector<QVariantMap>(rows));
        checkSetter(shell, &Shell::setUpgradables, &Shell::upgradablesChanged, &Shell::upgradables, rows,
                    QVector<QVariantMap>(rows));

        // Another order of the same rows is a change.
        QSignalSpy spy(&shell, &Shell::upgradablesChanged);
        shell.setUpgradables({rows[1], rows[0]});
        QCOMPARE(spy.count(), 1);

        // An unknown name is an invalid colour, equal to another invalid one.
        Shell fresh;
        QSignalSpy colourSpy(&fresh, &Shell::colorUrgencyOtherChanged);
        fresh.setColorUrgencyOther(QColor(QStringLiteral("keine-farbe")));
        QCOMPARE(colourSpy.count(), 0);
    }

    void changelogsStoredByFullContent()
    {
        Shell shell;
        const QVector<ChangelogEntry> list{entry(shell, "a", "low", {"x"}), entry(shell, "b", "high", {"y"})};
        QSignalSpy spy(&shell, &Shell::changelogsChanged);
        shell.setChangelogs(list);
        QCOMPARE(spy.count(), 1);

        // The same entries again: nothing stored, nothing emitted.
        shell.setChangelogs(list);
        QCOMPARE(spy.count(), 1);

        // Only the changes differ (the entries are equal to Python): the
        // updated change texts are stored and emitted.
        shell.setChangelogs({entry(shell, "a", "low", {"other"}), entry(shell, "b", "high", {"y"})});
        QCOMPARE(spy.count(), 2);
        QCOMPARE(shell.changelogEntries().at(0).changes(), StringVector{"other"});

        // One text differs in one entry: stored, emitted once.
        shell.setChangelogs({entry(shell, "a", "low"), entry(shell, "b", "medium")});
        QCOMPARE(spy.count(), 3);
        QCOMPARE(shell.changelogEntries().at(1).urgencyStr(), QStringLiteral("medium"));

        // Another length.
        shell.setChangelogs({entry(shell, "a", "low")});
        QCOMPARE(spy.count(), 4);
        QCOMPARE(shell.changelogEntries().size(), 1);
    }

    void storedListIsAValueOfItsOwn()
    {
        Shell shell;
        QVector<ChangelogEntry> list{entry(shell, "a"), entry(shell, "b")};
        shell.setChangelogs(list);
        list[0].setName(QStringLiteral("geändert"));
        list.append(entry(shell, "c"));
        QCOMPARE(shell.changelogEntries().size(), 2);
        QCOMPARE(shell.changelogEntries().at(0).name(), QStringLiteral("a"));

        QVector<ChangelogEntry> read = shell.changelogEntries();
        read[1].setName(QStringLiteral("auch geändert"));
        QCOMPARE(shell.changelogEntries().at(1).name(), QStringLiteral("b"));
    }

    void entryColourFromUrgency_data()
    {
        QTest::addColumn<QString>("urgency");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("low") << "low" << kGreen;
        QTest::newRow("medium") << "medium" << kBlue;
        QTest::newRow("high") << "high" << kRed;
        QTest::newRow("Low is another word") << "Low" << kGrey;
        QTest::newRow("HIGH is another word") << "HIGH" << kGrey;
        QTest::newRow("trailing blank") << "high " << kGrey;
        QTest::newRow("emergency") << "emergency" << kGrey;
    }

    void entryColourFromUrgency()
    {
        QFETCH(QString, urgency);
        QFETCH(QColor, colour);
        Shell shell;
        colourShell(shell);
        ChangelogEntry e(&shell);
        QSignalSpy spy(&e, &ChangelogEntry::colorChanged);
        e.setUrgencyStr(urgency);
        QCOMPARE(e.color(), colour);
        QCOMPARE(spy.count(), 1);
    }

    void entryColourIsTakenNotFollowed()
    {
        Shell shell;
        colourShell(shell);
        ChangelogEntry before = entry(shell, "a", "high");
        QCOMPARE(before.color(), kRed);

        shell.setColorUrgencyHigh(kBlue);
        QCOMPARE(before.color(), kRed);
        QCOMPARE(entry(shell, "b", "high").color(), kBlue);

        // The empty urgency takes the "other" colour once that is set.
        ChangelogEntry blank(&shell);
        QVERIFY(!blank.color().isValid());
        blank._setColor();
        QCOMPARE(blank.color(), kGrey);

        // Without a Shell there is no colour, and no crash.
        ChangelogEntry orphan(nullptr);
        orphan.setUrgencyStr(QStringLiteral("high"));
        QVERIFY(!orphan.color().isValid());
    }

    void copyAndAssignmentRecomputeColour()
    {
        Shell shell;
        colourShell(shell);
        ChangelogEntry original = entry(shell, "a", "high", {"x", "y"});
        shell.setColorUrgencyHigh(kBlue);

        const ChangelogEntry copy(original);
        QCOMPARE(copy.color(), kBlue);
        QCOMPARE(original.color(), kRed);
        QCOMPARE(copy.name(), QStringLiteral("a"));
        QCOMPARE(copy.changes(), (StringVector{"x", "y"}));
        QCOMPARE(copy.shell(), &shell);

        // The assigned-to entry takes the other's Shell and computes its colour from it.
        Shell otherShell;
        otherShell.setColorUrgencyHigh(kGreen);
        ChangelogEntry target(&otherShell);
        target = original;
        QCOMPARE(target.shell(), &shell);
        QCOMPARE(target.color(), kBlue);
        QCOMPARE(target.changes(), (StringVector{"x", "y"}));
        QVERIFY(target == original);

        // Its own urgency connection survives the assignment.
        target.setUrgencyStr(QStringLiteral("low"));
        QCOMPARE(target.color(), kGreen);

        // Assigning into a list position, as Python's item assignment does.
        QVector<ChangelogEntry> list{entry(otherShell, "p", "low"), entry(otherShell, "q", "low")};
        list[1] = original;
        QVERIFY(list[1] == original);
        QCOMPARE(list[1].color(), kBlue);
    }

    void equalityIgnoresChanges_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("equal");
        QTest::newRow("only changes differ") << -1 << true;
        QTest::newRow("name") << 0 << false;
        QTest::newRow("date") << 1 << false;
        QTest::newRow("distribution") << 2 << false;
        QTest::newRow("version") << 3 << false;
        QTest::newRow("urgency") << 4 << false;
    }

    void equalityIgnoresChanges()
    {
        QFETCH(int, field);
        QFETCH(bool, equal);
        Shell shell, otherShell;
        const ChangelogEntry a = entry(shell, "a", "low", {"x"});
        ChangelogEntry b = entry(otherShell, "a", "low", {"y", "z"});
        const QString other = QStringLiteral("anders");
        switch (field) {
        case 0: b.setName(other); break;
        case 1: b.setDate(other); break;
        case 2: b.setDistribution(other); break;
        case 3: b.setVersion(other); break;
        case 4: b.setUrgencyStr(other); break;
        }
        QCOMPARE(a == b, equal);
        QCOMPARE(b == a, equal);
        QCOMPARE(a != b, !equal);
    }

    void textForm()
    {
        Shell shell;
        ChangelogEntry e(&shell);
        e.setName(QStringLiteral("a"));
        e.setDate(QStringLiteral("b"));
        e.setDistribution(QStringLiteral("c"));
        e.setVersion(QStringLiteral("d"));
        e.setUrgencyStr(QStringLiteral("low"));
        e.setChanges({QStringLiteral("x"), QStringLiteral("y")});
        QCOMPARE(e.toString(), QStringLiteral("name=a, date=b, distribution=c, version=d, urgency=low, changes=[x, y]"));
        QCOMPARE(e.repr(),
                 QStringLiteral("ChangelogEntry(name=a, date=b, distribution=c, version=d, urgency=low, changes=[x, y])"));

        // Values are put in once: place markers inside them stay.
        e.setName(QStringLiteral("%2 und %5"));
        e.setDate(QStringLiteral("%1"));
        e.setChanges({});
        QCOMPARE(e.toString(),
                 QStringLiteral("name=%2 und %5, date=%1, distribution=c, version=d, urgency=low, changes=[]"));

        QString text;
        QDebug(&text).nospace() << e;
        QCOMPARE(text, e.repr());

        shell.setChangelogs({e, entry(shell, "n")});
        text.clear();
        QDebug(&text).nospace() << shell;
        QCOMPARE(text, QStringLiteral("Shell([") + e.repr() + QStringLiteral(", ")
                           + shell.changelogEntries().at(1).repr() + QStringLiteral("])"));
    }

    void vectorIndices()
    {
        QCOMPARE(changelogVectorIndex(-1, 3, true), std::optional<int>(2));
        QCOMPARE(changelogVectorIndex(-3, 3, true), std::optional<int>(0));
        QCOMPARE(changelogVectorIndex(2, 3, true), std::optional<int>(2));
        QVERIFY(!changelogVectorIndex(-4, 3, true));
        QVERIFY(!changelogVectorIndex(3, 3, true));
        QVERIFY(!changelogVectorIndex(0, 0, true));
        QVERIFY(!changelogVectorIndex(-1, 0, true));
        QVERIFY(!changelogVectorIndex(-1, 3, false)); // at() counts nothing from the end
        QVERIFY(!changelogVectorIndex(qint64(1) << 40, 3, true));

        QCOMPARE(changelogVectorIndexError(5, 3),
                 QStringLiteral("Ungültiger Index 5. Gültige Indices sind 0...2 (-1...-3).\n"));
        QCOMPARE(changelogVectorIndexError(-4, 3),
                 QStringLiteral("Ungültiger Index -4. Gültige Indices sind 0...2 (-1...-3).\n"));
        QCOMPARE(changelogVectorIndexError(0, 0), QStringLiteral("Ungültiger Index 0. Der Vector ist leer.\n"));
    }

    // Console output from the worker thread reaches the screens in call
    // order; a flood of it leaves the event loop running in between.
    void consoleOutputQueuedInOrder()
    {
        Shell shell;
        QStringList received;
        connect(&shell, &Shell::appendStdout, &shell, [&](const QString &t) { received << "out:" + t; });
        connect(&shell, &Shell::appendStderr, &shell, [&](const QString &t) { received << "err:" + t; });
        QThread *worker = QThread::create([&] {
            shell.queueOutput(QStringLiteral("Paketlisten werden gelesen…"), false);
            shell.queueOutput(QStringLiteral("E: Fehler"), true);
            shell.queueOutput(QStringLiteral("Fertig"), false);
        });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QVERIFY(received.isEmpty());
        QTRY_COMPARE(received, (QStringList{"out:Paketlisten werden gelesen…", "err:E: Fehler", "out:Fertig"}));

        // Each line costs the screens a little: 2,000 of them take 2 s.
        received.clear();
        disconnect(&shell, &Shell::appendStdout, nullptr, nullptr);
        connect(&shell, &Shell::appendStdout, &shell, [&](const QString &t) {
            received << t;
            QThread::usleep(1000);
        });
        const int lines = 2000;
        QThread *flood = QThread::create([&] {
            for (int i = 0; i < lines; ++i)
                shell.queueOutput(QString::number(i), false);
        });
        flood->start();
        QVERIFY(flood->wait(5000));
        delete flood;
        QElapsedTimer longest;
        qint64 longestGap = 0;
        QTimer beat;
        longest.start();
        connect(&beat, &QTimer::timeout, &shell, [&] { longestGap = std::max(longestGap, longest.restart()); });
        beat.start(1);
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), lines, 20000 * TAVELL_TIMEOUT_SCALE);
        QCOMPARE(received.first(), QStringLiteral("0"));
        QCOMPARE(received.last(), QString::number(lines - 1));
        longestGap = std::max(longestGap, longest.elapsed());
        QVERIFY2(longestGap < 500, qPrintable(QString::number(longestGap)));
        // From the GUI thread itself a line is there at once.
        received.clear();
        shell.queueOutput(QStringLiteral("sofort"), false);
        QCOMPARE(received, QStringList{"sofort"});
    }
};

QTEST_GUILESS_MAIN(TstShell)
#include "tst_shell.moc"
