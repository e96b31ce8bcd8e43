#include <QJSValue>
#include <QSignalSpy>
#include <QtTest>

#include "qml_registered.h"
#include "state_objects.h"

namespace {

const char *const kReader = R"(import QtQml 2.15
import tavell.recipes 1.0
QtObject {
    property QtObject group: Recipes
    property int hg: Recipes.current.maischHg
    property int hgDefault: Recipes.current.maischHgDefault
    property int tempCount: Recipes.current.rasteTemps.length
    property int lastTemp: Recipes.current.rasteTemps[4]
    property int firstTimer: Recipes.current.hopfenTimers[0]
    property var comments: Recipes.current.hopfenComments
    property int nameCount: Recipes.names.length
    property string secondName: Recipes.names.length > 1 ? Recipes.names[1] : ""
    property string cookingName: Recipes.autoX.name
    function askForNew(name) { Recipes.toPy(Recipes.NewRecipe, name) }
    function toggleCurrent() { Recipes.current.toggleShowPfannevollWarning() }
}
)";

} // namespace

class TstRecipesQml : public QObject
{
    Q_OBJECT

private:
    RegisteredQml m_qml;

    std::unique_ptr<QObject> create(const QByteArray &source)
    {
        QString error;
        std::unique_ptr<QObject> object = m_qml.create(source, &error);
        if (!object)
            qWarning() << error;
        return object;
    }

private Q_SLOTS:
    void initTestCase() { m_qml.start(); }
    void cleanupTestCase() { m_qml.stop(); }

    void actionCodeIsKnownByName()
    {
        QCOMPARE(QMetaType::type("RecipesAction"), qMetaTypeId<Recipes::RecipesAction>());
    }

    void recipeCannotBeCreated()
    {
        QQmlComponent component(m_qml.engine.get());
        component.setData("import tavell.recipes 1.0\nRecipe {}\n", QUrl(QStringLiteral("qrc:/create.qml")));
        QVERIFY(component.isError());
        QVERIFY2(component.errorString().contains(QStringLiteral("Recipe kann nicht instanziert werden.")),
                 qPrintable(component.errorString()));
    }

    void screensReadTheGroup()
    {
        g_recipes.current()->setName(QStringLiteral("Pils"));
        g_recipes.autoA()->setName(QStringLiteral("Helles"));
        g_recipes.autoB()->setName(QStringLiteral("Dunkel"));
        std::unique_ptr<QObject> reader = create(kReader);
        QVERIFY(reader);
        QCOMPARE(reader->property("group").value<QObject *>(), &g_recipes);
        QCOMPARE(reader->property("hg").toInt(), 210);
        QCOMPARE(reader->property("hgDefault").toInt(), 210);
        QCOMPARE(reader->property("tempCount").toInt(), 5);
        QCOMPARE(reader->property("lastTemp").toInt(), 73);
        QCOMPARE(reader->property("firstTimer").toInt(), 40);
        QCOMPARE(reader->property("comments").toStringList(), (QStringList{"", "", "", "", ""}));

        g_recipes.current()->setMaischHg(185);
        g_recipes.current()->setHopfenComments({"Magnum", "", "", "", "Saaz"});
        g_recipes.current()->setRasteTemps({50, 55, 62, 72, 76});
        g_recipes.setNames({"Pils", "Helles"});
        QCOMPARE(reader->property("hg").toInt(), 185);
        QCOMPARE(reader->property("hgDefault").toInt(), 210);
        QCOMPARE(reader->property("lastTemp").toInt(), 76);
        QCOMPARE(reader->property("comments").toStringList(), (QStringList{"Magnum", "", "", "", "Saaz"}));
        QCOMPARE(reader->property("nameCount").toInt(), 2);
        QCOMPARE(reader->property("secondName").toString(), QStringLiteral("Helles"));

        // A binding on the cooking line's recipe follows a three-vessel plant.
        QCOMPARE(reader->property("cookingName").toString(), QStringLiteral("Helles"));
        g_values.setHeatZoneCountB(3);
        QCOMPARE(reader->property("cookingName").toString(), QStringLiteral("Dunkel"));
        g_values.setHeatZoneCountB(2);
        QCOMPARE(reader->property("cookingName").toString(), QStringLiteral("Helles"));
    }

    void screensSendRequests()
    {
        std::unique_ptr<QObject> reader = create(kReader);
        QVERIFY(reader);
        QSignalSpy toPy(&g_recipes, &Recipes::toPy);
        QSignalSpy toPyQVar(&g_recipes, &Recipes::toPyQVar);

        QVERIFY(QMetaObject::invokeMethod(reader.get(), "askForNew", Q_ARG(QVariant, QStringLiteral("Weizen"))));
        QCOMPARE(toPy.count(), 1);
        QCOMPARE(toPy[0][0].value<Recipes::RecipesAction>(), Recipes::NewRecipe);
        QCOMPARE(toPy[0][1].value<QJSValue>().toString(), QStringLiteral("Weizen"));

        g_recipes.current()->setName(QStringLiteral("Pils"));
        QVERIFY(QMetaObject::invokeMethod(reader.get(), "toggleCurrent"));
        QCOMPARE(toPyQVar.count(), 1);
        QCOMPARE(toPyQVar[0][0].value<Recipes::RecipesAction>(), Recipes::ToggleShowPfannevollWarningForRecipe);
        QCOMPARE(toPyQVar[0][1].value<QVariant>().toString(), QStringLiteral("Pils"));
        QCOMPARE(toPy.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TstRecipesQml)
#include "tst_recipes_qml.moc"
