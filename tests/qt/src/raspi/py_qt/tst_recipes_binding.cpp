#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"

namespace py = pybind11;

namespace {

// Records the names of a recipe's change signals in the order they arrive.
class SignalLog : public QObject
{
    Q_OBJECT
public:
    explicit SignalLog(Recipe *recipe)
    {
        const QMetaObject &mo = Recipe::staticMetaObject;
        const QMetaMethod hit = staticMetaObject.method(staticMetaObject.indexOfSlot("hit()"));
        for (int m = mo.methodOffset(); m < mo.methodCount(); ++m)
            if (mo.method(m).methodType() == QMetaMethod::Signal)
                connect(recipe, mo.method(m), this, hit);
    }
    QStringList names;
public Q_SLOTS:
    void hit()
    {
        const QByteArray signal = sender()->metaObject()->method(senderSignalIndex()).name();
        names << QString::fromLatin1(signal.chopped(int(qstrlen("Changed"))));
    }
};

} // namespace

// What the controller's writes through tavell.recipes do on the Qt side:
// which change signals they emit, which objects they reach, and who owns the
// recipes Python makes.
class TstRecipesBinding : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;

    // Runs statements that must raise a TypeError.
    bool raisesTypeError(const char *statements)
    {
        try {
            env->exec(statements);
        } catch (py::error_already_set &e) {
            return e.matches(PyExc_TypeError);
        }
        return false;
    }

    Recipe *recipeOf(const char *expression) { return env->eval(expression).cast<Recipe *>(); }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
        env->exec("import gc\nfrom tavell.recipes import Recipes, RecipeClass");
    }

    void cleanupTestCase()
    {
        // Left to the interpreter's end, as the controller's store is.
        env->exec("import sys\nsys.kept_recipe = RecipeClass()\nsys.kept_recipe.name = 'Rest'");
        QPointer<Recipe> left = recipeOf("sys.kept_recipe");
        env.reset();
        QVERIFY(!left);
    }

    void cleanup()
    {
        QVERIFY(!PyErr_Occurred());
        const Recipe fresh;
        for (Recipe *recipe : {g_recipes.autoA(), g_recipes.autoB(), g_recipes.current()})
            recipe->takeOther(fresh);
        g_recipes.setNames({});
        g_values.setHeatZoneCountB(-1);
        QCoreApplication::processEvents();
    }

    void groupHandsOutTheStaticObjects()
    {
        QCOMPARE(env->eval("Recipes").cast<Recipes *>(), &g_recipes);
        QCOMPARE(recipeOf("Recipes.a"), g_recipes.autoA());
        QCOMPARE(recipeOf("Recipes.b"), g_recipes.autoB());
        QCOMPARE(recipeOf("Recipes.current"), g_recipes.current());
        QCOMPARE(recipeOf("Recipes.default"), g_recipes.defaultRecipe());

        // Dropping every Python reference must leave them alive.
        QPointer<Recipe> a = g_recipes.autoA();
        QPointer<Recipe> fallback = g_recipes.defaultRecipe();
        env->exec("held = [Recipes.a, Recipes.default, Recipes.x]\ndel held\ngc.collect()");
        QVERIFY(a);
        QVERIFY(fallback);
        env->exec("Recipes.a.maisch_hg = 150");
        QCOMPARE(g_recipes.autoA()->maischHg(), 150);
    }

    void scalarWritesEmitOnChangeOnly()
    {
        Recipe *current = g_recipes.current();
        SignalLog log(current);
        env->exec("r = Recipes.current\n"
                  "r.maisch_hg = 180\nr.maisch_hg = 180\n"
                  "r.name = 'Märzen'\nr.name = 'Märzen'\n"
                  "r.hopfen_whirlpool = True\nr.hopfen_whirlpool = True\n"
                  "r.maisch_hg = 210\n"
                  "del r");
        QCOMPARE(log.names, (QStringList{"maischHg", "name", "hopfenWhirlpool", "maischHg"}));
        QCOMPARE(current->maischHg(), 210);
        QCOMPARE(current->name(), QStringLiteral("Märzen"));
        QVERIFY(current->hopfenWhirlpool());
    }

    void arrayWritesAlwaysEmit()
    {
        Recipe *current = g_recipes.current();
        SignalLog log(current);
        env->exec("r = Recipes.current\n"
                  "r.hopfen_timers = [40, 30, 20, 10, 5]\n"
                  "r.hopfen_timers = (40, 30, 20, 10, 5)\n"
                  "r.raste_temps = r.raste_temps\n"
                  "r.raste_times = [1, 2, 3, 4, 5]\n"
                  "r.hopfen_comments = ['', '', '', '', '']\n"
                  "del r");
        QCOMPARE(log.names,
                 (QStringList{"hopfenTimers", "hopfenTimers", "rasteTemps", "rasteTimes", "hopfenComments"}));
        QCOMPARE(current->rasteTimes(), (QVector<int>{1, 2, 3, 4, 5}));
    }

    void refusedArraysEmitNothing()
    {
        Recipe *current = g_recipes.current();
        SignalLog log(current);
        QVERIFY(raisesTypeError("Recipes.current.raste_temps = [1, 2, 3, 4]"));
        QVERIFY(raisesTypeError("Recipes.current.hopfen_timers = [1, 2, 'drei', 4, 5]"));
        QVERIFY(raisesTypeError("Recipes.current.raste_times = b'\\x01\\x02\\x03\\x04\\x05'"));
        QVERIFY(raisesTypeError("Recipes.current.hopfen_comments = 'Saaz!'"));
        QVERIFY(raisesTypeError("Recipes.current.maisch_hg = 2 ** 31"));
        QVERIFY(log.names.isEmpty());
        QCOMPARE(current->rasteTemps(), (QVector<int>{63, 65, 68, 70, 73}));
        QCOMPARE(current->hopfenComments(), (QStringList{"", "", "", "", ""}));
        QCOMPARE(current->maischHg(), 210);
    }

    void takeOtherFromPythonEmitsChangedFieldsAndArrays()
    {
        env->exec("src = RecipeClass()\n"
                  "src.name = 'Pils'\n"
                  "src.lautern_ng_count = 6\n"
                  "src.stammwurze_show_pfannevoll_warning = False\n"
                  "src.file_path = '/rezepte/pils.json'");
        Recipe *current = g_recipes.current();
        SignalLog log(current);
        env->exec("Recipes.current.take_other(src)");
        // In the copying order: the changed scalars once each, every array.
        QCOMPARE(log.names, (QStringList{"name", "rasteTemps", "rasteTimes", "lauternNgCount", "hopfenTimers",
                                         "hopfenComments", "stammwurzeShowPfannevollWarning", "filePath"}));
        QCOMPARE(current->lauternNgCount(), 6);
        QCOMPARE(current->filePath(), QStringLiteral("/rezepte/pils.json"));

        log.names.clear();
        env->exec("Recipes.current.take_other(Recipes.current)");
        QCOMPARE(log.names, (QStringList{"rasteTemps", "rasteTimes", "hopfenTimers", "hopfenComments"}));
        env->exec("del src");
    }

    void namesWrittenFromPython()
    {
        QSignalSpy changed(&g_recipes, &Recipes::namesChanged);
        env->exec("n = ['Pils', 'Weißbier']\nRecipes.names = n\nRecipes.names = ['Pils', 'Weißbier']");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(g_recipes.names(), (QVector<QString>{"Pils", "Weißbier"}));

        // The stored list is a copy of the one Python passed.
        env->exec("n.append('Bock')\nn[0] = 'Helles'\ndel n");
        QCOMPARE(g_recipes.names(), (QVector<QString>{"Pils", "Weißbier"}));
        QCOMPARE(changed.count(), 1);

        QVERIFY(raisesTypeError("Recipes.names = 'Pils'"));
        QCOMPARE(g_recipes.names(), (QVector<QString>{"Pils", "Weißbier"}));
        QCOMPARE(changed.count(), 1);
    }

    void pythonMadeRecipeBelongsToPython()
    {
        env->exec("def make():\n"
                  "    r = RecipeClass()\n"
                  "    r.maisch_hg = 99\n"
                  "    r.hopfen_comments = ['Magnum', '', '', '', 'Saaz']\n"
                  "    return r\n"
                  "kept = make()\n"
                  "gc.collect()");
        QPointer<Recipe> kept = recipeOf("kept");
        QVERIFY(kept);
        QCOMPARE(kept->parent(), nullptr);
        QCOMPARE(kept->maischHg(), 99);
        QCOMPARE(kept->hopfenComments(), (QStringList{"Magnum", "", "", "", "Saaz"}));
        for (Recipe *member : {g_recipes.autoA(), g_recipes.autoB(), g_recipes.current(), g_recipes.defaultRecipe()})
            QVERIFY(kept.data() != member);

        // Its writes reach only itself.
        SignalLog log(g_recipes.current());
        QSignalSpy own(kept.data(), &Recipe::maischHgChanged);
        env->exec("kept.maisch_hg = 100");
        QCOMPARE(own.count(), 1);
        QVERIFY(log.names.isEmpty());
        QCOMPARE(g_recipes.current()->maischHg(), 210);

        QSignalSpy destroyed(kept.data(), &QObject::destroyed);
        env->exec("del kept\ngc.collect()");
        QCOMPARE(destroyed.count(), 1);
        QVERIFY(!kept);
    }

    void cookingLineFollowsPlantLayout()
    {
        QSignalSpy changed(&g_recipes, &Recipes::autoXChanged);
        QCOMPARE(recipeOf("Recipes.x"), g_recipes.autoA());
        g_values.setHeatZoneCountB(3);
        QVERIFY(env->eval("Recipes.x is Recipes.b").cast<bool>());
        QCOMPARE(recipeOf("Recipes.x"), g_recipes.autoB());
        QCOMPARE(changed.count(), 1);
        g_values.setHeatZoneCountB(2);
        QVERIFY(env->eval("Recipes.x is Recipes.a").cast<bool>());
        QCOMPARE(changed.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TstRecipesBinding)
#include "tst_recipes_binding.moc"
