#include <QMetaEnum>
#include <QSignalSpy>
#include <QtTest>

#include "gui.h"

namespace {

QStringList keysOf(const QMetaEnum &e)
{
    QStringList keys;
    for (int i = 0; i < e.keyCount(); ++i)
        keys << QString::fromLatin1(e.key(i));
    return keys;
}

} // namespace

class TstGuiState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshObject()
    {
        Gui gui;
        QCOMPARE(gui.page(), Gui::Auto1);
        QCOMPARE(gui.title(), QString());
        QVERIFY(!gui.fullscreen());
        QVERIFY(!gui.indicateScrollable());
        QVERIFY(!gui.controlsEnabled());
        QCOMPARE(gui.scaleFactor(), 2);

        // What the screens see through the meta-object.
        QCOMPARE(gui.property("page").toInt(), 0);
        QCOMPARE(gui.property("scaleFactor"), QVariant(2));
        QCOMPARE(gui.property("controlsEnabled"), QVariant(false));
        QVERIFY(gui.metaObject()->property(gui.metaObject()->indexOfProperty("scaleFactor")).isConstant());
    }

    void metaObjectLayout()
    {
        const QMetaObject *mo = &Gui::staticMetaObject;
        QStringList signalList;
        QStringList others;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod m = mo->method(i);
            (m.methodType() == QMetaMethod::Signal ? signalList : others) << QString::fromLatin1(m.methodSignature());
        }
        const QStringList expectedSignals{
            "pageChanged()",
            "indicateScrollableChanged()",
            "controlsEnabledChanged()",
            "changedPage(PageEnum)",
            "changeSchema(SchemaEnum)",
            "closeDialog(int,bool)",
            "closeCurrentDialog(bool)",
            "toastNotify(QString,QVariant,ColorEnum,int)",
            "toastWarn(QString,int)",
            "setWarningsDialogData(int,QString,QString,QString)",
            "setPicoStdout(QString)",
            "setPicoStderr(QString)",
            "setPicoReturnValue(int)",
            "showPoweroffDialog()",
            "requestPopup(PopupEnum,int)",
            "message(QString,QString,QString,int)",
            "message(QString,QString,QString)",
            "question(QString,QString,QVariant)",
            "titleChanged()",
            "fullscreenChanged(bool)",
            "toPy(GuiValueEnum,QJSValue)",
            "_toPyQVar(GuiValueEnum,QVariant)",
        };
        QCOMPARE(signalList, expectedSignals);
        // Only these are reachable from QML besides the signals.
        QCOMPARE(others, (QStringList{"setTitle(QString)", "setFullscreen(bool)", "deleteWarnings()"}));

        struct Prop
        {
            const char *name;
            const char *notify;
            bool writable;
        };
        const Prop props[] = {
            {"title", "titleChanged()", true},
            {"fullscreen", "fullscreenChanged(bool)", true},
            {"scaleFactor", "", false},
            {"page", "pageChanged()", false},
            {"indicateScrollable", "indicateScrollableChanged()", false},
            {"controlsEnabled", "controlsEnabledChanged()", false},
        };
        QCOMPARE(mo->propertyCount() - mo->propertyOffset(), int(std::size(props)));
        for (int i = 0; i < int(std::size(props)); ++i) {
            const QMetaProperty p = mo->property(mo->propertyOffset() + i);
            QCOMPARE(p.name(), props[i].name);
            QCOMPARE(p.notifySignal().methodSignature(), QByteArray(props[i].notify));
            QCOMPARE(p.isWritable(), props[i].writable);
        }
        QVERIFY(mo->property(mo->indexOfProperty("page")).isEnumType());
    }

    void lockedSettersCompareBeforeStore()
    {
        Gui gui;
        QSignalSpy page(&gui, &Gui::pageChanged);
        QSignalSpy scroll(&gui, &Gui::indicateScrollableChanged);
        QSignalSpy controls(&gui, &Gui::controlsEnabledChanged);

        gui.setPage(Gui::Auto1);
        gui.setIndicateScrollable(false);
        gui.setControlsEnabled(false);
        QCOMPARE(page.count() + scroll.count() + controls.count(), 0);

        gui.setPage(Gui::Recipes);
        gui.setPage(Gui::Recipes);
        QCOMPARE(page.count(), 1);
        QCOMPARE(gui.page(), Gui::Recipes);
        gui.setPage(Gui::Auto1);
        QCOMPARE(page.count(), 2);
        QCOMPARE(gui.page(), Gui::Auto1);

        gui.setIndicateScrollable(true);
        gui.setIndicateScrollable(true);
        QCOMPARE(scroll.count(), 1);
        QVERIFY(gui.indicateScrollable());

        gui.setControlsEnabled(true);
        gui.setControlsEnabled(true);
        QCOMPARE(controls.count(), 1);
        QVERIFY(gui.controlsEnabled());

        // Each setter touches only its own field.
        QCOMPARE(page.count(), 2);
        QCOMPARE(scroll.count(), 1);
    }

    void unlockedSettersCompareBeforeStore()
    {
        Gui gui;
        QSignalSpy title(&gui, &Gui::titleChanged);
        QSignalSpy full(&gui, &Gui::fullscreenChanged);

        gui.setTitle(QString());
        gui.setFullscreen(false);
        QCOMPARE(title.count(), 0);
        QCOMPARE(full.count(), 0);

        gui.setTitle(QStringLiteral("Tavell Brauanlage"));
        gui.setTitle(QStringLiteral("Tavell Brauanlage"));
        QCOMPARE(title.count(), 1);
        QCOMPARE(gui.title(), QStringLiteral("Tavell Brauanlage"));

        gui.setFullscreen(true);
        gui.setFullscreen(true);
        QCOMPARE(full.count(), 1);
        QCOMPARE(full.at(0).at(0), QVariant(true));

        gui.setFullscreen(false);
        QCOMPARE(full.count(), 2);
        QCOMPARE(full.at(1).at(0), QVariant(false));
        QVERIFY(!gui.fullscreen());
    }

    void screensWriteOnlyTitleAndFullscreen()
    {
        Gui gui;
        QSignalSpy full(&gui, &Gui::fullscreenChanged);
        QVERIFY(gui.setProperty("fullscreen", true));
        QVERIFY(gui.fullscreen());
        QCOMPARE(full.count(), 1);

        QSignalSpy page(&gui, &Gui::pageChanged);
        QVERIFY(!gui.setProperty("page", int(Gui::Settings)));
        QVERIFY(!gui.setProperty("controlsEnabled", true));
        QVERIFY(!gui.setProperty("indicateScrollable", true));
        QCOMPARE(gui.page(), Gui::Auto1);
        QVERIFY(!gui.controlsEnabled());
        QCOMPARE(page.count(), 0);
    }

    void deleteWarningsSendsNone()
    {
        Gui gui;
        QSignalSpy spy(&gui, &Gui::_toPyQVar);
        QSignalSpy js(&gui, &Gui::toPy);

        gui.deleteWarnings();
        QVERIFY(QMetaObject::invokeMethod(&gui, "deleteWarnings"));

        QCOMPARE(spy.count(), 2);
        for (const QList<QVariant> &args : qAsConst(spy)) {
            QCOMPARE(args.at(0).userType(), qMetaTypeId<Gui::GuiValueEnum>());
            QCOMPARE(args.at(0).value<Gui::GuiValueEnum>(), Gui::DeleteWarnings);
            QVERIFY(!args.at(1).isValid());
        }
        QCOMPARE(js.count(), 0);
    }

    void messageIdDefaultsToZero()
    {
        Gui gui;
        QSignalSpy spy(&gui, &Gui::message);

        Q_EMIT gui.message(QStringLiteral("T"), QStringLiteral("x"), QStringLiteral("info"));
        // The three-argument form as QML and queued callers reach it.
        QVERIFY(QMetaObject::invokeMethod(&gui, "message", Q_ARG(QString, QStringLiteral("T2")),
                                          Q_ARG(QString, QStringLiteral("y")),
                                          Q_ARG(QString, QStringLiteral("warning"))));
        Q_EMIT gui.message(QStringLiteral("T3"), QStringLiteral("z"), QStringLiteral("error"), 7);

        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0), (QList<QVariant>{"T", "x", "info", 0}));
        QCOMPARE(spy.at(1), (QList<QVariant>{"T2", "y", "warning", 0}));
        QCOMPARE(spy.at(2), (QList<QVariant>{"T3", "z", "error", 7}));
    }

    void enumTables_data()
    {
        QTest::addColumn<QStringList>("keys");

        QTest::newRow("PageEnum") << QStringList{"Auto1",    "Auto2",   "Report",       "Recipes",
                                                 "Settings", "Updates", "UpdatesShell", "PageEnumCount"};
        QTest::newRow("SchemaEnum") << QStringList{"Auto1X1", "Auto1X2", "Auto2X1", "Auto2X2", "SchemaEnumCount"};
        QTest::newRow("IconEnum") << QStringList{"IconSaved", "IconSmiley", "IconInfo", "IconEnumCount"};
        QTest::newRow("ColorEnum") << QStringList{"ColorTransparent", "ColorGreen", "ColorEnumCount"};
        QTest::newRow("PopupEnum") << QStringList{"PopupFullen", "PopupRecovery", "PopupEnumCount"};
        QTest::newRow("GuiValueEnum")
            << QStringList{"DeleteWarnings", "FlashPico", "PopupOpened", "DialogData", "GuiValueEnumCount"};
    }

    void enumTables()
    {
        QFETCH(QStringList, keys);

        const int index = Gui::staticMetaObject.indexOfEnumerator(QTest::currentDataTag());
        QVERIFY(index >= 0);
        const QMetaEnum metaEnum = Gui::staticMetaObject.enumerator(index);
        QCOMPARE(QString::fromLatin1(metaEnum.scope()), QStringLiteral("Gui"));
        QVERIFY(!metaEnum.isFlag());
        QCOMPARE(keysOf(metaEnum), keys);
        for (int i = 0; i < metaEnum.keyCount(); ++i)
            QCOMPARE(metaEnum.value(i), i);
        // The sentinel counts the members before it.
        QCOMPARE(metaEnum.keyToValue(qPrintable(keys.last())), keys.size() - 1);
    }

    void enumsPrintWithTheirClass()
    {
        // The forwarding log lines rely on this form.
        QString text;
        QDebug(&text).nospace() << Gui::UpdatesShell << ' ' << Gui::DialogData << ' ' << Gui::ColorGreen;
        QCOMPARE(text, QStringLiteral("Gui::UpdatesShell Gui::DialogData Gui::ColorGreen"));
    }

    void toastIcons_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QVariant>("url");
        QTest::newRow("saved")
            << int(Gui::IconSaved) << QVariant(QStringLiteral("qrc:/img/save.svg"));
        QTest::newRow("smiley")
            << int(Gui::IconSmiley) << QVariant(QStringLiteral("qrc:/img/emoji-smile.svg"));
        QTest::newRow("info")
            << int(Gui::IconInfo) << QVariant(QStringLiteral("qrc:/img/info-circle.svg"));
        QTest::newRow("sentinel")
            << int(Gui::IconEnumCount) << QVariant();
    }

    void toastIcons()
    {
        QFETCH(int, icon);
        QFETCH(QVariant, url);
        const QVariant mapped = Gui::toastIconUrl(static_cast<Gui::IconEnum>(icon));
        QCOMPARE(mapped.isValid(), url.isValid());
        QCOMPARE(mapped, url);
    }
};

QTEST_GUILESS_MAIN(TstGuiState)
#include "tst_gui_state.moc"
