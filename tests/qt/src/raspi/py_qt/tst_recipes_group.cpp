#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include "state_objects.h"

class TstRecipesGroup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        g_values.setHeatZoneCountB(-1);
        QCoreApplication::processEvents();
    }

    void metaObjectLayout()
    {
        const QMetaObject &mo = Recipes::staticMetaObject;
        const QList<QPair<QByteArray, QByteArray>> expected{{"autoA", ""},
                                                            {"autoB", ""},
                                                            {"autoX", "autoXChanged()"},
                                                            {"current", ""},
                                                            {"names", "namesChanged()"}};
        QCOMPARE(mo.propertyCount() - mo.propertyOffset(), expected.size());
        for (int n = 0; n < expected.size(); ++n) {
            const QMetaProperty property = mo.property(mo.propertyOffset() + n);
            QCOMPARE(QByteArray(property.name()), expected[n].first);
            QVERIFY(!property.isWritable());
            QCOMPARE(property.isConstant(), expected[n].second.isEmpty());
            QCOMPARE(property.notifySignal().methodSignature(), expected[n].second);
        }
        const int first = mo.methodOffset();
        QCOMPARE(mo.method(first + 2).methodSignature(), QByteArray("toPy(Recipes::RecipesAction,QJSValue)"));
        QCOMPARE(mo.method(first + 3).methodSignature(), QByteArray("toPyQVar(Recipes::RecipesAction,QVariant)"));
    }

    void fourSeparateRecipesWithInitialValues()
    {
        Recipes recipes;
        const QVector<Recipe *> all{recipes.autoA(), recipes.autoB(), recipes.current(), recipes.defaultRecipe()};
        for (int n = 0; n < all.size(); ++n) {
            QCOMPARE(all[n]->maischHg(), 210);
            QCOMPARE(all[n]->hopfenTimers(), (QVector<int>{40, 30, 20, 10, 5}));
            QCOMPARE(all[n]->parent(), &recipes);
            for (int m = n + 1; m < all.size(); ++m)
                QVERIFY(all[n] != all[m]);
        }
        // The property hands out the member itself, not a copy.
        QCOMPARE(recipes.property("current").value<Recipe *>(), recipes.current());
        recipes.current()->setMaischHg(99);
        QCOMPARE(recipes.property("current").value<Recipe *>()->maischHg(), 99);
        QCOMPARE(recipes.autoA()->maischHg(), 210);
        QVERIFY(recipes.names().isEmpty());
    }

    void namesEmitOnChangeOnly()
    {
        Recipes recipes;
        QSignalSpy changed(&recipes, &Recipes::namesChanged);
        recipes.setNames({});
        QCOMPARE(changed.count(), 0);
        recipes.setNames({"Pils", "Märzen"});
        recipes.setNames({"Pils", "Märzen"});
        QCOMPARE(changed.count(), 1);
        recipes.setNames({"Märzen", "Pils"});
        QCOMPARE(changed.count(), 2);

        QVector<QString> copy = recipes.names();
        copy[0] = QStringLiteral("Weizen");
        QCOMPARE(recipes.names(), (QVector<QString>{"Märzen", "Pils"}));
        QCOMPARE(recipes.property("names").value<QVector<QString>>(), (QVector<QString>{"Märzen", "Pils"}));
    }

    void autoXFollowsIsSpecial()
    {
        QSignalSpy changed(&g_recipes, &Recipes::autoXChanged);
        QCOMPARE(g_recipes.autoX(), g_recipes.autoA());

        g_values.setHeatZoneCountB(2);
        QCOMPARE(g_recipes.autoX(), g_recipes.autoA());
        QCOMPARE(changed.count(), 0);

        g_values.setHeatZoneCountB(3);
        QCOMPARE(g_recipes.autoX(), g_recipes.autoB());
        QCOMPARE(g_recipes.property("autoX").value<Recipe *>(), g_recipes.autoB());
        QCOMPARE(changed.count(), 1);

        g_values.setHeatZoneCountB(4); // still three vessels
        QCOMPARE(changed.count(), 1);

        g_values.setHeatZoneCountB(1);
        QCOMPARE(g_recipes.autoX(), g_recipes.autoA());
        QCOMPARE(changed.count(), 2);
    }

    void autoXChangeArrivesOnGuiThread()
    {
        // The controller writes the layout on the worker thread; the screens
        // must hear of the new cooking line on their own thread.
        QThread *receivedOn = nullptr;
        connect(&g_recipes, &Recipes::autoXChanged, this, [&] { receivedOn = QThread::currentThread(); },
                Qt::DirectConnection);
        QSignalSpy changed(&g_recipes, &Recipes::autoXChanged);
        QThread *worker = QThread::create([] { g_values.setHeatZoneCountB(3); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QVERIFY(changed.wait(5000));
        QCOMPARE(receivedOn, QThread::currentThread());
        QCOMPARE(g_recipes.autoX(), g_recipes.autoB());
        disconnect(&g_recipes, &Recipes::autoXChanged, this, nullptr);
    }

    void recipesActionTable()
    {
        const QStringList keys{
            "NewRecipe", "CopyRecipe", "RenameRecipe", "RemoveRecipe", "SetAuto1Name", "SetAuto2Name",
            "SetCurrentName", "SetCommentWasser", "SetCommentMalz", "SetCommentGeneral", "SetMaischHg",
            "SetMaischTemp", "SetMaischFillTemp", "SetRasteN", "SetRasteTemps", "SetRasteTimes",
            "SetLauternTemp", "SetLauternTime", "SetLauternNgCount", "SetLauternNgLiters", "SetCookingTime",
            "SetCookingEvaporationRate", "SetCookingPowerPercentage", "SetCookingPowerPercentageTmp",
            "SetCookingUsePowerPercentage", "SetHopfenN", "SetHopfenVorderwurze", "SetHopfenWhirlpool",
            "SetHopfenTimers", "SetHopfenComments", "SetStammwurzeDoPfannevollMessung",
            "SetStammwurzeShowPfannevollWarning", "ToggleShowPfannevollWarningForRecipe", "EnumCount"};
        const QMetaEnum e = QMetaEnum::fromType<Recipes::RecipesAction>();
        QCOMPARE(QByteArray(e.name()), QByteArray("RecipesAction"));
        QVERIFY(!e.isFlag());
        QCOMPARE(e.keyCount(), keys.size());
        for (int k = 0; k < e.keyCount(); ++k) {
            QCOMPARE(QString::fromLatin1(e.key(k)), keys[k]);
            QCOMPARE(e.value(k), k);
        }
        QCOMPARE(int(Recipes::EnumCount), 33);
        QCOMPARE(int(Recipes::SetLauternNgCount), 18);
        QCOMPARE(int(Recipes::ToggleShowPfannevollWarningForRecipe), 32);
    }
};

QTEST_GUILESS_MAIN(TstRecipesGroup)
#include "tst_recipes_group.moc"
