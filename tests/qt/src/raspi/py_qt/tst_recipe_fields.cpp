#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <thread>
#include <vector>

#include "log_capture.h"
#include "state_objects.h"

namespace {

using Row = QPair<const char *, QVariant>;
using Setter = std::function<void(Recipe &, const QVariant &)>;

QVariant ints(const QVector<int> &v) { return QVariant::fromValue(v); }

// The notifying properties in meta-object order with their initial values.
const std::vector<Row> &initialValues()
{
    static const std::vector<Row> rows{
        {"name", QString()},
        {"commentWasser", QString()},
        {"commentMalz", QString()},
        {"commentGeneral", QString()},
        {"maischHg", 210},
        {"maischTemp", 59},
        {"maischFillTemp", 59},
        {"rasteN", 2},
        {"rasteTemps", ints({63, 65, 68, 70, 73})},
        {"rasteTimes", ints({20, 20, 20, 20, 20})},
        {"lauternTemp", 78},
        {"lauternTime", 20},
        {"lauternNgLiters", 20},
        {"lauternNgCount", 5},
        {"cookingTime", 60},
        {"cookingEvaporationRate", 3},
        {"cookingPowerPercentage", 33},
        {"cookingUsePowerPercentage", false},
        {"hopfenN", 5},
        {"hopfenVorderwurze", false},
        {"hopfenWhirlpool", false},
        {"hopfenTimers", ints({40, 30, 20, 10, 5})},
        {"hopfenComments", QStringList{"", "", "", "", ""}},
        {"stammwurzeDoPfannevollMessung", true},
        {"stammwurzeShowPfannevollWarning", true},
        {"metaVersion", 1},
        {"filePath", QString()},
    };
    return rows;
}

const QStringList kWithDefault{
    "maischHg", "maischTemp", "maischFillTemp", "rasteN", "lauternTemp", "lauternTime", "lauternNgLiters",
    "lauternNgCount", "cookingTime", "cookingEvaporationRate", "cookingPowerPercentage",
    "cookingUsePowerPercentage", "hopfenN", "hopfenVorderwurze", "hopfenWhirlpool",
    "stammwurzeDoPfannevollMessung", "stammwurzeShowPfannevollWarning", "metaVersion"};

const QStringList kArrays{"rasteTemps", "rasteTimes", "hopfenTimers", "hopfenComments"};

// The order in which takeOther copies.
const QStringList kCopyOrder{
    "name", "commentWasser", "commentMalz", "commentGeneral", "maischHg", "maischTemp", "maischFillTemp",
    "rasteN", "rasteTemps", "rasteTimes", "lauternTemp", "lauternTime", "lauternNgLiters",
    "lauternNgCount", "cookingTime", "cookingEvaporationRate", "cookingPowerPercentage",
    "cookingUsePowerPercentage", "hopfenN", "hopfenVorderwurze", "hopfenWhirlpool", "hopfenTimers",
    "hopfenComments", "stammwurzeDoPfannevollMessung", "stammwurzeShowPfannevollWarning", "metaVersion",
    "filePath"};

template <typename T>
Setter setter(void (Recipe::*set)(T))
{
    return [set](Recipe &r, const QVariant &v) { (r.*set)(qvariant_cast<std::decay_t<T>>(v)); };
}

Setter slotsSetter(void (Recipe::*set)(const Recipe::IntSlots &))
{
    return [set](Recipe &r, const QVariant &v) {
        const QVector<int> list = v.value<QVector<int>>();
        Recipe::IntSlots slots{};
        std::copy(list.begin(), list.end(), slots.begin());
        (r.*set)(slots);
    };
}

const QHash<QString, Setter> &setters()
{
    static const QHash<QString, Setter> table{
        {"name", setter(&Recipe::setName)},
        {"commentWasser", setter(&Recipe::setCommentWasser)},
        {"commentMalz", setter(&Recipe::setCommentMalz)},
        {"commentGeneral", setter(&Recipe::setCommentGeneral)},
        {"maischHg", setter(&Recipe::setMaischHg)},
        {"maischTemp", setter(&Recipe::setMaischTemp)},
        {"maischFillTemp", setter(&Recipe::setMaischFillTemp)},
        {"rasteN", setter(&Recipe::setRasteN)},
        {"lauternTemp", setter(&Recipe::setLauternTemp)},
        {"lauternTime", setter(&Recipe::setLauternTime)},
        {"lauternNgLiters", setter(&Recipe::setLauternNgLiters)},
        {"lauternNgCount", setter(&Recipe::setLauternNgCount)},
        {"cookingTime", setter(&Recipe::setCookingTime)},
        {"cookingEvaporationRate", setter(&Recipe::setCookingEvaporationRate)},
        {"cookingPowerPercentage", setter(&Recipe::setCookingPowerPercentage)},
        {"cookingUsePowerPercentage", setter(&Recipe::setCookingUsePowerPercentage)},
        {"hopfenN", setter(&Recipe::setHopfenN)},
        {"hopfenVorderwurze", setter(&Recipe::setHopfenVorderwurze)},
        {"hopfenWhirlpool", setter(&Recipe::setHopfenWhirlpool)},
        {"stammwurzeDoPfannevollMessung", setter(&Recipe::setStammwurzeDoPfannevollMessung)},
        {"stammwurzeShowPfannevollWarning", setter(&Recipe::setStammwurzeShowPfannevollWarning)},
        {"metaVersion", setter(&Recipe::setMetaVersion)},
        {"filePath", setter(&Recipe::setFilePath)},
        {"rasteTemps", slotsSetter(&Recipe::setRasteTemps)},
        {"rasteTimes", slotsSetter(&Recipe::setRasteTimes)},
        {"hopfenTimers", slotsSetter(&Recipe::setHopfenTimers)},
        {"hopfenComments",
         [](Recipe &r, const QVariant &v) {
             const QStringList list = v.toStringList();
             Recipe::TextSlots slots;
             std::copy(list.begin(), list.end(), slots.begin());
             r.setHopfenComments(slots);
         }},
    };
    return table;
}

QVariant read(const QObject &o, const char *name) { return o.property(name); }

// A value of the same type that differs from value.
QVariant otherValue(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Int:
        return value.toInt() + 7;
    case QMetaType::Bool:
        return !value.toBool();
    case QMetaType::QString:
        return value.toString() + QStringLiteral("Weißbier");
    case QMetaType::QStringList: {
        QStringList list = value.toStringList();
        list[2] += QStringLiteral("Cascade");
        return list;
    }
    default:
        break;
    }
    QVector<int> list = value.value<QVector<int>>();
    for (int &v : list)
        v += 3;
    return QVariant::fromValue(list);
}

bool sameVariant(const QVariant &a, const QVariant &b)
{
    if (a.userType() != b.userType())
        return false;
    if (a.userType() == qMetaTypeId<QVector<int>>())
        return a.value<QVector<int>>() == b.value<QVector<int>>();
    return a == b;
}

QByteArray describe(const QVariant &v)
{
    QString text;
    QDebug(&text) << v;
    return text.toUtf8();
}

// Records the names of the change signals in the order they arrive.
class SignalLog : public QObject
{
    Q_OBJECT
public:
    explicit SignalLog(Recipe &recipe)
    {
        const QMetaObject &mo = Recipe::staticMetaObject;
        const QMetaMethod hit = staticMetaObject.method(staticMetaObject.indexOfSlot("hit()"));
        for (int m = mo.methodOffset(); m < mo.methodCount(); ++m)
            if (mo.method(m).methodType() == QMetaMethod::Signal)
                connect(&recipe, mo.method(m), this, hit);
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

class TstRecipeFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaObjectLayout()
    {
        const QMetaObject &mo = Recipe::staticMetaObject;
        QStringList properties;
        for (int p = mo.propertyOffset(); p < mo.propertyCount(); ++p) {
            const QMetaProperty property = mo.property(p);
            QVERIFY2(!property.isWritable(), property.name());
            QVERIFY2(property.hasNotifySignal() != property.isConstant(), property.name());
            properties << QString::fromLatin1(property.name());
        }
        QStringList expected;
        for (const char *name : {"name", "commentWasser", "commentMalz", "commentGeneral"})
            expected << name;
        for (const QString &name : kWithDefault) {
            expected << name << name + QStringLiteral("Default");
            if (name == QLatin1String("rasteN"))
                expected << "rasteTemps" << "rasteTimes";
            if (name == QLatin1String("hopfenWhirlpool"))
                expected << "hopfenTimers" << "hopfenComments";
        }
        expected << "filePath";
        QCOMPARE(properties, expected);
        for (const QString &name : properties)
            QCOMPARE(mo.property(mo.indexOfProperty(name.toLatin1())).isConstant(), name.endsWith("Default"));

        // Change signals: scalars in field order, arrays last; then the invokable.
        QStringList signalOrder;
        for (const Row &row : initialValues())
            if (!kArrays.contains(QLatin1String(row.first)))
                signalOrder << QString::fromLatin1(row.first);
        signalOrder << kArrays;
        const int first = mo.methodOffset();
        QCOMPARE(mo.methodCount() - first, signalOrder.size() + 1);
        for (int n = 0; n < signalOrder.size(); ++n) {
            const QMetaMethod signal = mo.method(first + n);
            QCOMPARE(signal.methodType(), QMetaMethod::Signal);
            QCOMPARE(QString::fromLatin1(signal.methodSignature()), signalOrder[n] + QStringLiteral("Changed()"));
            QCOMPARE(mo.property(mo.indexOfProperty(signalOrder[n].toLatin1())).notifySignalIndex(), first + n);
        }
        const QMetaMethod toggle = mo.method(first + signalOrder.size());
        QCOMPARE(toggle.methodSignature(), QByteArray("toggleShowPfannevollWarning()"));
        QCOMPARE(toggle.methodType(), QMetaMethod::Method);
        QCOMPARE(toggle.access(), QMetaMethod::Public);
    }

    void initialValuesAndDefaults()
    {
        Recipe recipe;
        for (const Row &row : initialValues()) {
            const QVariant actual = read(recipe, row.first);
            QVERIFY2(sameVariant(actual, row.second),
                     QByteArray(row.first) + ": " + describe(actual) + " != " + describe(row.second));
        }
        for (const QString &name : kWithDefault) {
            const QVariant value = read(recipe, name.toLatin1());
            const QVariant companion = read(recipe, (name + QStringLiteral("Default")).toLatin1());
            QVERIFY2(sameVariant(companion, value), qPrintable(name));
        }
        QCOMPARE(recipe.rasteTempsArray(), (Recipe::IntSlots{63, 65, 68, 70, 73}));
        QCOMPARE(recipe.rasteTimesArray(), (Recipe::IntSlots{20, 20, 20, 20, 20}));
        QCOMPARE(recipe.hopfenTimersArray(), (Recipe::IntSlots{40, 30, 20, 10, 5}));
        QCOMPARE(recipe.hopfenCommentsArray(), Recipe::TextSlots{});
        QVERIFY(!recipe.shouldWaterBeTreated());
    }

    void everySetterIsListed()
    {
        QStringList listed = setters().keys();
        QStringList expected = kCopyOrder;
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);
    }

    // A scalar setter stores its own field only, emits once on a change and
    // nothing for the stored value; an array setter emits every time.
    void settersEmit_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : kCopyOrder)
            QTest::newRow(qPrintable(name)) << name;
    }

    void settersEmit()
    {
        QFETCH(QString, name);
        const bool isArray = kArrays.contains(name);
        Recipe recipe;
        SignalLog log(recipe);
        const QVariant before = read(recipe, name.toLatin1());
        const Setter &set = setters()[name];

        set(recipe, before);
        QCOMPARE(log.names, isArray ? QStringList{name} : QStringList{});

        const QVariant next = otherValue(before);
        set(recipe, next);
        set(recipe, next);
        QVERIFY2(sameVariant(read(recipe, name.toLatin1()), next), describe(read(recipe, name.toLatin1())));
        QCOMPARE(log.names, isArray ? (QStringList{name, name, name}) : QStringList{name});

        Recipe untouched;
        for (const Row &row : initialValues())
            if (QLatin1String(row.first) != name)
                QVERIFY2(sameVariant(read(recipe, row.first), read(untouched, row.first)), row.first);
        for (const QString &base : kWithDefault)
            QCOMPARE(read(recipe, (base + QStringLiteral("Default")).toLatin1()),
                     read(untouched, (base + QStringLiteral("Default")).toLatin1()));
    }

    void listSettersRefuseWrongLength()
    {
        Recipe recipe;
        SignalLog log(recipe);
        LogCapture capture;
        QVERIFY(!recipe.setRasteTempsFromList({50, 60, 70, 80}));
        QVERIFY(!recipe.setRasteTimesFromList({1, 2, 3, 4, 5, 6}));
        QVERIFY(!recipe.setHopfenTimersFromList({}));
        QVERIFY(!recipe.setHopfenCommentsFromList({"a", "b", "c", "d"}));
        QVERIFY(log.names.isEmpty());
        QCOMPARE(recipe.rasteTemps(), (QVector<int>{63, 65, 68, 70, 73}));
        QCOMPARE(recipe.rasteTimes(), (QVector<int>{20, 20, 20, 20, 20}));
        QCOMPARE(recipe.hopfenTimers(), (QVector<int>{40, 30, 20, 10, 5}));
        QCOMPARE(recipe.hopfenComments(), (QStringList{"", "", "", "", ""}));
        QCOMPARE(capture.matching(QStringLiteral("raste_temps braucht genau 5 Werte, nicht 4")).size(), 1);
        QCOMPARE(capture.matching(QStringLiteral("raste_times braucht genau 5 Werte, nicht 6")).size(), 1);
        QVERIFY(capture.matching(QStringLiteral("[Recipe]"))[0].startsWith(QStringLiteral("[CRIT ]")));

        QVERIFY(recipe.setRasteTempsFromList({50, 60, 70, 80, 90}));
        QVERIFY(recipe.setHopfenCommentsFromList({"Magnum", "", "Tettnanger", "", "Cascade"}));
        QCOMPARE(recipe.rasteTempsArray(), (Recipe::IntSlots{50, 60, 70, 80, 90}));
        QCOMPARE(recipe.hopfenComments(), (QStringList{"Magnum", "", "Tettnanger", "", "Cascade"}));
        QCOMPARE(log.names, (QStringList{"rasteTemps", "hopfenComments"}));
    }

    void takeOtherCopiesEveryFieldInOrder()
    {
        Recipe source;
        for (const QString &name : kCopyOrder)
            setters()[name](source, otherValue(read(source, name.toLatin1())));

        Recipe target;
        SignalLog log(target);
        target.takeOther(source);
        QCOMPARE(log.names, kCopyOrder);
        for (const Row &row : initialValues())
            QVERIFY2(sameVariant(read(target, row.first), read(source, row.first)), row.first);
        QVERIFY(target.shouldWaterBeTreated());

        // Nothing left to copy: only the arrays signal.
        log.names.clear();
        target.takeOther(source);
        QCOMPARE(log.names, kArrays);
    }

    void takeOtherSignalsOnlyChangedScalars()
    {
        Recipe source;
        source.setMaischHg(150);
        source.setFilePath(QStringLiteral("/rezepte/pils.json"));
        Recipe target;
        target.setCookingTime(90); // differs from source's initial value
        SignalLog log(target);
        target.takeOther(source);
        QCOMPARE(log.names, (QStringList{"maischHg", "rasteTemps", "rasteTimes", "cookingTime", "hopfenTimers",
                                         "hopfenComments", "filePath"}));
        QCOMPARE(target.cookingTime(), 60);

        log.names.clear();
        target.takeOther(target);
        QCOMPARE(log.names, kArrays);
    }

    void takeOtherBothWaysConcurrently()
    {
        // Each thread copies one recipe into the other; both locks are held
        // by one copy at a time, so the two never wait on each other forever.
        Recipe a;
        Recipe b;
        a.setName(QStringLiteral("A"));
        b.setName(QStringLiteral("B"));
        std::thread one([&] {
            for (int n = 0; n < 2000; ++n)
                a.takeOther(b);
        });
        std::thread two([&] {
            for (int n = 0; n < 2000; ++n)
                b.takeOther(a);
        });
        one.join();
        two.join();
        QCOMPARE(a.name(), b.name());
    }

    void shouldWaterBeTreated()
    {
        Recipe recipe;
        recipe.setCommentWasser(QStringLiteral(" "));
        QVERIFY(recipe.shouldWaterBeTreated());
        recipe.setCommentWasser(QString());
        QVERIFY(!recipe.shouldWaterBeTreated());
    }

    void toggleShowPfannevollWarningAsksTheController()
    {
        QSignalSpy toPyQVar(&g_recipes, &Recipes::toPyQVar);
        QSignalSpy toPy(&g_recipes, &Recipes::toPy);

        Recipe recipe;
        recipe.setName(QStringLiteral("Märzen"));
        SignalLog log(recipe);
        QVERIFY(QMetaObject::invokeMethod(&recipe, "toggleShowPfannevollWarning"));
        QCOMPARE(toPyQVar.count(), 1);
        QCOMPARE(toPyQVar[0][0].value<Recipes::RecipesAction>(), Recipes::ToggleShowPfannevollWarningForRecipe);
        QCOMPARE(int(toPyQVar[0][0].value<Recipes::RecipesAction>()), 32);
        QCOMPARE(toPyQVar[0][1].value<QVariant>().userType(), int(QMetaType::QString));
        QCOMPARE(toPyQVar[0][1].value<QVariant>().toString(), QStringLiteral("Märzen"));
        QVERIFY(recipe.stammwurzeShowPfannevollWarning());
        QVERIFY(log.names.isEmpty());

        // A recipe of the group asks the same way, with its own name.
        g_recipes.autoB()->setName(QStringLiteral("Bock"));
        g_recipes.autoB()->toggleShowPfannevollWarning();
        QCOMPARE(toPyQVar.count(), 2);
        QCOMPARE(toPyQVar[1][1].value<QVariant>().toString(), QStringLiteral("Bock"));
        QVERIFY(toPy.isEmpty());
        g_recipes.autoB()->setName(QString());
    }
};

QTEST_GUILESS_MAIN(TstRecipeFields)
#include "tst_recipe_fields.moc"
