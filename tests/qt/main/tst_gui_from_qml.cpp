#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

#include "bridge_raspi.h"
#include "startup.h"
#include "state_objects.h"
#include "test_app.h"

// The screens reach Gui only through what start-up registers: its enumerations
// by name, its properties and its signals called as functions.
class TstGuiFromQml : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<Bridge> m_bridge;
    // A registered singleton instance serves one engine only.
    QScopedPointer<QQmlEngine> m_engine;

    QObject *create(const QByteArray &qml)
    {
        QQmlComponent component(m_engine.data());
        component.setData(qml, QUrl());
        QObject *object = component.create();
        if (!object)
            qWarning() << component.errorString();
        return object;
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        useSilentController();
        m_bridge.reset(new Bridge(QStringList{QString::fromLatin1(kPyInterpreter)}, false));
        registerQmlTypes(*m_bridge);
        m_engine.reset(new QQmlEngine);
    }

    void cleanupTestCase()
    {
        m_engine.reset();
        m_bridge.reset();
    }

    void enumerationsRegisteredByName()
    {
        QCOMPARE(QMetaType::type("ColorEnum"), qMetaTypeId<Gui::ColorEnum>());
        QCOMPARE(QMetaType::type("PageEnum"), qMetaTypeId<Gui::PageEnum>());
        QCOMPARE(QMetaType::type("PopupEnum"), qMetaTypeId<Gui::PopupEnum>());
        QCOMPARE(QMetaType::type("SchemaEnum"), qMetaTypeId<Gui::SchemaEnum>());
    }

    void screensCallSignalsAndInvokables()
    {
        QSignalSpy changedPage(&g_gui, &Gui::changedPage);
        QSignalSpy toPy(&g_gui, &Gui::toPy);
        QSignalSpy toPyQVar(&g_gui, &Gui::_toPyQVar);
        QSignalSpy message(&g_gui, &Gui::message);

        QScopedPointer<QObject> object(create(R"(import QtQml 2.15
import tavell.gui 1.0
QtObject {
    property int page: Gui.page
    property int scale: Gui.scaleFactor
    property bool canSetPage: typeof Gui.setPage === "function"
    property bool canSetControls: typeof Gui.setControlsEnabled === "function"
    Component.onCompleted: {
        Gui.changedPage(Gui.Recipes)
        Gui.toPy(Gui.DialogData, {"id": 4, "accepted": true})
        Gui.message("Titel", "Text", "info")
        Gui.deleteWarnings()
    }
}
)"));
        QVERIFY(object);

        QCOMPARE(object->property("page").toInt(), int(g_gui.page()));
        QCOMPARE(object->property("scale").toInt(), 2);
        QVERIFY(!object->property("canSetPage").toBool());
        QVERIFY(!object->property("canSetControls").toBool());

        QCOMPARE(changedPage.count(), 1);
        QCOMPARE(changedPage.at(0).at(0).value<Gui::PageEnum>(), Gui::Recipes);

        QCOMPARE(toPy.count(), 1);
        QCOMPARE(toPy.at(0).at(0).value<Gui::GuiValueEnum>(), Gui::DialogData);
        const QJSValue value = toPy.at(0).at(1).value<QJSValue>();
        QCOMPARE(value.property(QStringLiteral("id")).toInt(), 4);
        QVERIFY(value.property(QStringLiteral("accepted")).toBool());

        QCOMPARE(message.count(), 1);
        QCOMPARE(message.at(0), (QList<QVariant>{"Titel", "Text", "info", 0}));

        QCOMPARE(toPyQVar.count(), 1);
        QCOMPARE(toPyQVar.at(0).at(0).userType(), qMetaTypeId<Gui::GuiValueEnum>());
        QCOMPARE(toPyQVar.at(0).at(0).value<Gui::GuiValueEnum>(), Gui::DeleteWarnings);
        QVERIFY(!toPyQVar.at(0).at(1).isValid());
    }

    void screensFollowPageChanges()
    {
        QScopedPointer<QObject> object(
            create("import QtQml 2.15\nimport tavell.gui 1.0\nQtObject { property int page: Gui.page }\n"));
        QVERIFY(object);

        g_gui.setPage(Gui::Settings);
        QCOMPARE(object->property("page").toInt(), int(Gui::Settings));
        g_gui.setPage(Gui::Auto1);
        QCOMPARE(object->property("page").toInt(), int(Gui::Auto1));
    }
};

QTEST_MAIN(TstGuiFromQml)
#include "tst_gui_from_qml.moc"
