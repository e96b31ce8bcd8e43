#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QThread>
#include <QtTest>

#include <memory>

#include "shell.h"

namespace {

QVector<ChangelogEntry> makeList(Shell &shell, const QStringList &names)
{
    QVector<ChangelogEntry> list;
    for (const QString &name : names) {
        ChangelogEntry e(&shell);
        e.setName(name);
        e.setUrgencyStr(QStringLiteral("high"));
        e.setChanges({name + QStringLiteral("-1"), name + QStringLiteral("-2")});
        list.append(e);
    }
    return list;
}

using Copies = QVector<QPointer<ChangelogEntry>>;

Copies handOut(QQmlListProperty<ChangelogEntry> list)
{
    Copies copies;
    for (int i = 0; i < list.count(&list); ++i)
        copies << list.at(&list, i);
    return copies;
}

bool allGone(const Copies &copies)
{
    return std::all_of(copies.begin(), copies.end(), [](const QPointer<ChangelogEntry> &p) { return p.isNull(); });
}

// A changelog view the way the screens build one: a Repeater over the list
// whose delegates mix the entry with a value of their own (the theme).
const char *const kView = R"(
import QtQuick 2.15
Item {
    id: root
    property bool dark: false
    Repeater {
        id: rep
        model: shell.changelogs
        delegate: Item {
            property QtObject entry: modelData
            property string label: (root.dark ? "D:" : "L:") + modelData.name + " " + modelData.color
                                   + " " + modelData.changes.length
        }
    }
    function labels() {
        var r = [];
        for (var i = 0; i < rep.count; ++i)
            r.push(rep.itemAt(i).label);
        return r;
    }
    function entries() {
        var r = [];
        for (var i = 0; i < rep.count; ++i)
            r.push(rep.itemAt(i).entry);
        return r;
    }
}
)";

} // namespace

class TstShellChangelogList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qmlRegisterUncreatableType<ChangelogEntry>("tavell.shell", 1, 0, "ChangelogEntry",
                                                   QStringLiteral("ChangelogEntry kann nicht instanziert werden."));
    }

    void countAndAtGiveCopies()
    {
        Shell shell;
        shell.setColorUrgencyHigh(Qt::red);
        shell.setChangelogs(makeList(shell, {"a", "b", "c"}));
        QQmlListProperty<ChangelogEntry> list = shell.changelogs();
        QCOMPARE(list.count(&list), 3);
        QVERIFY(!list.append && !list.clear && !list.replace && !list.removeLast);

        ChangelogEntry *first = list.at(&list, 0);
        QVERIFY(first);
        QCOMPARE(first->name(), QStringLiteral("a"));
        QCOMPARE(first->color(), QColor(Qt::red));
        QCOMPARE(first->changes(), (StringVector{"a-1", "a-2"}));
        QCOMPARE(first->thread(), QThread::currentThread());
        QCOMPARE(list.at(&list, 2)->name(), QStringLiteral("c"));

        // Asked again, the same copy: repeated reads do not pile up objects.
        QCOMPARE(list.at(&list, 0), first);
        QVERIFY(!list.at(&list, 3));
        QVERIFY(!list.at(&list, -1));

        // A copy, not the stored entry: changing it leaves the list alone.
        first->setName(QStringLiteral("x"));
        QCOMPARE(shell.changelogEntries().at(0).name(), QStringLiteral("a"));
    }

    void copiesOutliveTheChangeUntilTheEventLoopRuns()
    {
        Shell shell;
        shell.setChangelogs(makeList(shell, {"a", "b"}));
        const Copies old = handOut(shell.changelogs());
        QCOMPARE(old.size(), 2);

        // Replaced from the worker thread, as the controller does.
        QThread *worker = QThread::create([&] { shell.setChangelogs(makeList(shell, {"c", "d", "e"})); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;

        // Nothing is pulled from under the screens by the replacement itself.
        QVERIFY(!old[0].isNull() && !old[1].isNull());
        QCOMPARE(old[0]->name(), QStringLiteral("a"));

        QTRY_VERIFY(allGone(old));
        const Copies current = handOut(shell.changelogs());
        QCOMPARE(current.size(), 3);
        QCOMPARE(current[0]->name(), QStringLiteral("c"));
    }

    void copiesReleasedWithoutFurtherReads()
    {
        Shell shell;
        shell.setChangelogs(makeList(shell, {"a", "b"}));
        const Copies old = handOut(shell.changelogs());
        shell.setChangelogs({});
        QTRY_VERIFY(allGone(old));
    }

    void equalListKeepsCopies()
    {
        Shell shell;
        shell.setChangelogs(makeList(shell, {"a"}));
        const Copies copies = handOut(shell.changelogs());
        shell.setChangelogs(makeList(shell, {"a"}));
        QTest::qWait(50);
        QVERIFY(!copies[0].isNull());
        QCOMPARE(handOut(shell.changelogs()), copies);
    }

    void copiesGoWithTheShell()
    {
        auto shell = std::make_unique<Shell>();
        shell->setChangelogs(makeList(*shell, {"a", "b"}));
        const Copies copies = handOut(shell->changelogs());
        shell->setChangelogs(makeList(*shell, {"c"}));
        const Copies newer = handOut(shell->changelogs()); // the old ones are now waiting to go
        shell.reset();
        QVERIFY(allGone(copies));
        QVERIFY(allGone(newer));
    }

    void qmlRepeaterOverReplacedList()
    {
        Shell shell;
        shell.setColorUrgencyHigh(QColor(QStringLiteral("#ff0000")));
        shell.setChangelogs(makeList(shell, {"a", "b", "c"}));

        QQmlEngine engine;
        engine.rootContext()->setContextProperty(QStringLiteral("shell"), &shell);
        QQmlComponent component(&engine);
        component.setData(kView, QUrl());
        std::unique_ptr<QObject> view(component.create());
        QVERIFY2(view, qPrintable(component.errorString()));

        auto call = [&](const char *function) {
            QVariant result;
            QMetaObject::invokeMethod(view.get(), function, Q_RETURN_ARG(QVariant, result));
            return result.toList();
        };
        auto labels = [&] {
            QStringList result;
            for (const QVariant &v : call("labels"))
                result << v.toString();
            return result;
        };
        auto entries = [&] {
            Copies result;
            for (const QVariant &v : call("entries"))
                result << qobject_cast<ChangelogEntry *>(v.value<QObject *>());
            return result;
        };

        QCOMPARE(labels(), (QStringList{"L:a #ff0000 2", "L:b #ff0000 2", "L:c #ff0000 2"}));
        const Copies first = entries();
        QCOMPARE(first.size(), 3);
        QVERIFY(!first.contains(nullptr));

        // Garbage collection must not take the copies from the delegates: a
        // theme switch re-reads every entry.
        engine.collectGarbage();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!allGone(first) && !first.contains(nullptr));
        view->setProperty("dark", true);
        QCOMPARE(labels(), (QStringList{"D:a #ff0000 2", "D:b #ff0000 2", "D:c #ff0000 2"}));

        // Replaced from the worker thread: the view follows and the old copies go.
        QThread *worker = QThread::create([&] { shell.setChangelogs(makeList(shell, {"d", "e"})); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QTRY_COMPARE(labels(), (QStringList{"D:d #ff0000 2", "D:e #ff0000 2"}));
        QTRY_VERIFY(allGone(first));
        engine.collectGarbage();
        QTest::qWait(20);
        view->setProperty("dark", false);
        QCOMPARE(labels(), (QStringList{"L:d #ff0000 2", "L:e #ff0000 2"}));

        const Copies second = entries();
        view.reset();
        shell.setChangelogs({});
        QTRY_VERIFY(allGone(second));
    }
};

QTEST_MAIN(TstShellChangelogList)
#include "tst_shell_changelog_list.moc"
