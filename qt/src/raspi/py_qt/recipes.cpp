#include <pybind11/pybind11.h>

#include "recipes.h"

#include <QMetaEnum>

#include <mutex>

#include "binding_helpers.h"
#include "locked.h"
#include "log.h"
#include "state_objects.h"
#include "types.h"
#include "values.h"

namespace py = pybind11;

Recipe::Recipe(QObject *parent) : QObject(parent) {}

template <typename T>
void Recipe::store(T &field, const T &value, void (Recipe::*changed)())
{
    setLocked(m_lock, field, value, this, changed);
}

template <typename T>
void Recipe::storeSlots(std::array<T, kSlots> &field, const std::array<T, kSlots> &values, void (Recipe::*changed)())
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    field = values;
    notifyChanged(this, changed);
}

template <typename List, typename T>
bool Recipe::storeList(std::array<T, kSlots> &field, const List &values, const char *what,
                       void (Recipe::*changed)())
{
    if (values.size() != kSlots) {
        logCriticalPrintf("[Recipe] %s braucht genau %d Werte, nicht %d; das Rezept bleibt unverändert.", what,
                          kSlots, int(values.size()));
        return false;
    }
    std::array<T, kSlots> copy;
    std::copy(values.begin(), values.end(), copy.begin());
    storeSlots(field, copy, changed);
    return true;
}

namespace {

QVector<int> toList(const Recipe::IntSlots &values) { return QVector<int>(values.begin(), values.end()); }

QStringList toList(const Recipe::TextSlots &values) { return QStringList(values.begin(), values.end()); }

} // namespace

QString Recipe::name() const { return getLocked(m_lock, m_name); }
QString Recipe::commentWasser() const { return getLocked(m_lock, m_commentWasser); }
QString Recipe::commentMalz() const { return getLocked(m_lock, m_commentMalz); }
QString Recipe::commentGeneral() const { return getLocked(m_lock, m_commentGeneral); }
int Recipe::maischHg() const { return getLocked(m_lock, m_maischHg); }
int Recipe::maischTemp() const { return getLocked(m_lock, m_maischTemp); }
int Recipe::maischFillTemp() const { return getLocked(m_lock, m_maischFillTemp); }
int Recipe::rasteN() const { return getLocked(m_lock, m_rasteN); }
int Recipe::lauternTemp() const { return getLocked(m_lock, m_lauternTemp); }
int Recipe::lauternTime() const { return getLocked(m_lock, m_lauternTime); }
int Recipe::lauternNgLiters() const { return getLocked(m_lock, m_lauternNgLiters); }
int Recipe::lauternNgCount() const { return getLocked(m_lock, m_lauternNgCount); }
int Recipe::cookingTime() const { return getLocked(m_lock, m_cookingTime); }
int Recipe::cookingEvaporationRate() const { return getLocked(m_lock, m_cookingEvaporationRate); }
int Recipe::cookingPowerPercentage() const { return getLocked(m_lock, m_cookingPowerPercentage); }
bool Recipe::cookingUsePowerPercentage() const { return getLocked(m_lock, m_cookingUsePowerPercentage); }
int Recipe::hopfenN() const { return getLocked(m_lock, m_hopfenN); }
bool Recipe::hopfenVorderwurze() const { return getLocked(m_lock, m_hopfenVorderwurze); }
bool Recipe::hopfenWhirlpool() const { return getLocked(m_lock, m_hopfenWhirlpool); }
bool Recipe::stammwurzeDoPfannevollMessung() const { return getLocked(m_lock, m_stammwurzeDoPfannevollMessung); }
bool Recipe::stammwurzeShowPfannevollWarning() const { return getLocked(m_lock, m_stammwurzeShowPfannevollWarning); }
int Recipe::metaVersion() const { return getLocked(m_lock, m_metaVersion); }
QString Recipe::filePath() const { return getLocked(m_lock, m_filePath); }

QVector<int> Recipe::rasteTemps() const { return toList(rasteTempsArray()); }
QVector<int> Recipe::rasteTimes() const { return toList(rasteTimesArray()); }
QVector<int> Recipe::hopfenTimers() const { return toList(hopfenTimersArray()); }
QStringList Recipe::hopfenComments() const { return toList(hopfenCommentsArray()); }

Recipe::IntSlots Recipe::rasteTempsArray() const { return getLocked(m_lock, m_rasteTemps); }
Recipe::IntSlots Recipe::rasteTimesArray() const { return getLocked(m_lock, m_rasteTimes); }
Recipe::IntSlots Recipe::hopfenTimersArray() const { return getLocked(m_lock, m_hopfenTimers); }
Recipe::TextSlots Recipe::hopfenCommentsArray() const { return getLocked(m_lock, m_hopfenComments); }

bool Recipe::shouldWaterBeTreated() const { return !commentWasser().isEmpty(); }

void Recipe::setName(const QString &value) { store(m_name, value, &Recipe::nameChanged); }
void Recipe::setCommentWasser(const QString &value) { store(m_commentWasser, value, &Recipe::commentWasserChanged); }
void Recipe::setCommentMalz(const QString &value) { store(m_commentMalz, value, &Recipe::commentMalzChanged); }
void Recipe::setCommentGeneral(const QString &value)
{
    store(m_commentGeneral, value, &Recipe::commentGeneralChanged);
}
void Recipe::setMaischHg(int value) { store(m_maischHg, value, &Recipe::maischHgChanged); }
void Recipe::setMaischTemp(int value) { store(m_maischTemp, value, &Recipe::maischTempChanged); }
void Recipe::setMaischFillTemp(int value) { store(m_maischFillTemp, value, &Recipe::maischFillTempChanged); }
void Recipe::setRasteN(int value) { store(m_rasteN, value, &Recipe::rasteNChanged); }
void Recipe::setLauternTemp(int value) { store(m_lauternTemp, value, &Recipe::lauternTempChanged); }
void Recipe::setLauternTime(int value) { store(m_lauternTime, value, &Recipe::lauternTimeChanged); }
void Recipe::setLauternNgLiters(int value) { store(m_lauternNgLiters, value, &Recipe::lauternNgLitersChanged); }
void Recipe::setLauternNgCount(int value) { store(m_lauternNgCount, value, &Recipe::lauternNgCountChanged); }
void Recipe::setCookingTime(int value) { store(m_cookingTime, value, &Recipe::cookingTimeChanged); }
void Recipe::setCookingEvaporationRate(int value)
{
    store(m_cookingEvaporationRate, value, &Recipe::cookingEvaporationRateChanged);
}
void Recipe::setCookingPowerPercentage(int value)
{
    store(m_cookingPowerPercentage, value, &Recipe::cookingPowerPercentageChanged);
}
void Recipe::setCookingUsePowerPercentage(bool value)
{
    store(m_cookingUsePowerPercentage, value, &Recipe::cookingUsePowerPercentageChanged);
}
void Recipe::setHopfenN(int value) { store(m_hopfenN, value, &Recipe::hopfenNChanged); }
void Recipe::setHopfenVorderwurze(bool value) { store(m_hopfenVorderwurze, value, &Recipe::hopfenVorderwurzeChanged); }
void Recipe::setHopfenWhirlpool(bool value) { store(m_hopfenWhirlpool, value, &Recipe::hopfenWhirlpoolChanged); }
void Recipe::setStammwurzeDoPfannevollMessung(bool value)
{
    store(m_stammwurzeDoPfannevollMessung, value, &Recipe::stammwurzeDoPfannevollMessungChanged);
}
void Recipe::setStammwurzeShowPfannevollWarning(bool value)
{
    store(m_stammwurzeShowPfannevollWarning, value, &Recipe::stammwurzeShowPfannevollWarningChanged);
}
void Recipe::setMetaVersion(int value) { store(m_metaVersion, value, &Recipe::metaVersionChanged); }
void Recipe::setFilePath(const QString &value) { store(m_filePath, value, &Recipe::filePathChanged); }

void Recipe::setRasteTemps(const IntSlots &values) { storeSlots(m_rasteTemps, values, &Recipe::rasteTempsChanged); }
void Recipe::setRasteTimes(const IntSlots &values) { storeSlots(m_rasteTimes, values, &Recipe::rasteTimesChanged); }
void Recipe::setHopfenTimers(const IntSlots &values)
{
    storeSlots(m_hopfenTimers, values, &Recipe::hopfenTimersChanged);
}
void Recipe::setHopfenComments(const TextSlots &values)
{
    storeSlots(m_hopfenComments, values, &Recipe::hopfenCommentsChanged);
}

bool Recipe::setRasteTempsFromList(const QVector<int> &values)
{
    return storeList(m_rasteTemps, values, "raste_temps", &Recipe::rasteTempsChanged);
}
bool Recipe::setRasteTimesFromList(const QVector<int> &values)
{
    return storeList(m_rasteTimes, values, "raste_times", &Recipe::rasteTimesChanged);
}
bool Recipe::setHopfenTimersFromList(const QVector<int> &values)
{
    return storeList(m_hopfenTimers, values, "hopfen_timers", &Recipe::hopfenTimersChanged);
}
bool Recipe::setHopfenCommentsFromList(const QStringList &values)
{
    return storeList(m_hopfenComments, values, "hopfen_comments", &Recipe::hopfenCommentsChanged);
}

void Recipe::takeOther(const Recipe &other)
{
    // std::scoped_lock orders the two locks, so two copies in opposite
    // directions cannot deadlock; taking one's own lock twice is fine.
    std::scoped_lock guard(m_lock, other.m_lock);
    setName(other.m_name);
    setCommentWasser(other.m_commentWasser);
    setCommentMalz(other.m_commentMalz);
    setCommentGeneral(other.m_commentGeneral);
    setMaischHg(other.m_maischHg);
    setMaischTemp(other.m_maischTemp);
    setMaischFillTemp(other.m_maischFillTemp);
    setRasteN(other.m_rasteN);
    setRasteTemps(other.m_rasteTemps);
    setRasteTimes(other.m_rasteTimes);
    setLauternTemp(other.m_lauternTemp);
    setLauternTime(other.m_lauternTime);
    setLauternNgLiters(other.m_lauternNgLiters);
    setLauternNgCount(other.m_lauternNgCount);
    setCookingTime(other.m_cookingTime);
    setCookingEvaporationRate(other.m_cookingEvaporationRate);
    setCookingPowerPercentage(other.m_cookingPowerPercentage);
    setCookingUsePowerPercentage(other.m_cookingUsePowerPercentage);
    setHopfenN(other.m_hopfenN);
    setHopfenVorderwurze(other.m_hopfenVorderwurze);
    setHopfenWhirlpool(other.m_hopfenWhirlpool);
    setHopfenTimers(other.m_hopfenTimers);
    setHopfenComments(other.m_hopfenComments);
    setStammwurzeDoPfannevollMessung(other.m_stammwurzeDoPfannevollMessung);
    setStammwurzeShowPfannevollWarning(other.m_stammwurzeShowPfannevollWarning);
    setMetaVersion(other.m_metaVersion);
    setFilePath(other.m_filePath);
}

void Recipe::toggleShowPfannevollWarning()
{
    Q_EMIT g_recipes.toPyQVar(Recipes::ToggleShowPfannevollWarningForRecipe, QVariant(name()));
}

Recipes::Recipes()
    : m_autoA(this), m_autoB(this), m_current(this), m_default(this), m_autoXIsB(isSpecial)
{
}

Recipe *Recipes::autoX() { return isSpecial ? &m_autoB : &m_autoA; }

QVector<QString> Recipes::names() const { return getLocked(m_lock, m_names); }

void Recipes::setNames(const QVector<QString> &value) { setLocked(m_lock, m_names, value, this, &Recipes::namesChanged); }

void Recipes::_updateAutoX()
{
    const bool isB = isSpecial;
    if (isB == m_autoXIsB)
        return;
    m_autoXIsB = isB;
    Q_EMIT autoXChanged();
}

// Python binding

namespace {

// One of the four fixed arrays as Python passes it: a sequence of exactly
// five elements. pybind11 would take any sequence, so a str would become one
// comment per character and a bytes one number per byte; both are refused.
template <typename T>
struct FiveSlots
{
    std::array<T, Recipe::kSlots> values;
};

// The recipe names from Python; a str or bytes is refused for the same reason.
struct NameList
{
    QVector<QString> values;
};

bool isText(py::handle src)
{
    return PyUnicode_Check(src.ptr()) || PyBytes_Check(src.ptr()) || PyByteArray_Check(src.ptr());
}

} // namespace

namespace pybind11 {
namespace detail {

// A wrong length, text, or an element that does not convert fails the load,
// so Python gets a TypeError and the setter never runs.
template <typename T>
struct type_caster<FiveSlots<T>>
{
    using Element = make_caster<T>;
    PYBIND11_TYPE_CASTER(FiveSlots<T>, const_name("Annotated[List[") + Element::name + const_name("], FixedSize(")
                                           + const_name<size_t(Recipe::kSlots)>() + const_name(")]"));

    bool load(handle src, bool convert)
    {
        if (!src || isText(src) || !isinstance<sequence>(src))
            return false;
        const auto items = reinterpret_borrow<sequence>(src);
        if (items.size() != size_t(Recipe::kSlots))
            return false;
        for (size_t n = 0; n < size_t(Recipe::kSlots); ++n) {
            const object item = items[n];
            Element element;
            if (!element.load(item, convert))
                return false;
            value.values[n] = cast_op<T &&>(std::move(element));
        }
        return true;
    }

    static handle cast(const FiveSlots<T> &src, return_value_policy policy, handle parent)
    {
        list result(Recipe::kSlots);
        for (size_t n = 0; n < size_t(Recipe::kSlots); ++n) {
            object item = reinterpret_steal<object>(Element::cast(src.values[n], policy, parent));
            if (!item)
                return handle();
            PyList_SET_ITEM(result.ptr(), ssize_t(n), item.release().ptr());
        }
        return result.release();
    }
};

template <>
struct type_caster<NameList>
{
    using Names = make_caster<QVector<QString>>;
    PYBIND11_TYPE_CASTER(NameList, Names::name);

    bool load(handle src, bool convert)
    {
        if (!src || isText(src))
            return false;
        Names names;
        if (!names.load(src, convert))
            return false;
        value.values = cast_op<QVector<QString> &&>(std::move(names));
        return true;
    }
};

} // namespace detail
} // namespace pybind11

namespace {

template <typename T>
void bindSlots(py::class_<Recipe> &cls, const char *name, std::array<T, Recipe::kSlots> (Recipe::*get)() const,
               void (Recipe::*set)(const std::array<T, Recipe::kSlots> &))
{
    cls.def_property(
        name, [get](const Recipe &recipe) { return FiveSlots<T>{(recipe.*get)()}; },
        [set](Recipe &recipe, const FiveSlots<T> &slots) { (recipe.*set)(slots.values); });
}

} // namespace

void Recipes::prepareModule(py::module_ &m)
{
    // Same keys as the Qt enumeration, in its order; the count is not bound.
    py::enum_<RecipesAction> actions(m, "RecipeActionEnum");
    const QMetaEnum keys = QMetaEnum::fromType<RecipesAction>();
    for (int k = 0; k < keys.keyCount(); ++k) {
        if (keys.value(k) != EnumCount)
            actions.value(keys.key(k), RecipesAction(keys.value(k)));
    }
    TAVELL_ASSERT_ENUM_ENTRIES(actions, EnumCount);

    // Made in Python, a recipe belongs to Python (the default holder deletes
    // it); the group's recipes are handed out by reference only.
    py::class_<Recipe> recipe(m, "RecipeClass");
    recipe.def(py::init<>())
        .def("take_other", &Recipe::takeOther, py::arg("other").none(false))
        .def_property("name", &Recipe::name, &Recipe::setName)
        .def_property("comment_wasser", &Recipe::commentWasser, &Recipe::setCommentWasser)
        .def_property("comment_malz", &Recipe::commentMalz, &Recipe::setCommentMalz)
        .def_property("comment_general", &Recipe::commentGeneral, &Recipe::setCommentGeneral)
        .def_property("file_path", &Recipe::filePath, &Recipe::setFilePath)
        .def_property("maisch_hg", &Recipe::maischHg, &Recipe::setMaischHg)
        .def_property("maisch_temp", &Recipe::maischTemp, &Recipe::setMaischTemp)
        .def_property("maisch_fill_temp", &Recipe::maischFillTemp, &Recipe::setMaischFillTemp)
        .def_property("raste_n", &Recipe::rasteN, &Recipe::setRasteN)
        .def_property("lautern_temp", &Recipe::lauternTemp, &Recipe::setLauternTemp)
        .def_property("lautern_time", &Recipe::lauternTime, &Recipe::setLauternTime)
        .def_property("lautern_ng_liters", &Recipe::lauternNgLiters, &Recipe::setLauternNgLiters)
        .def_property("lautern_ng_count", &Recipe::lauternNgCount, &Recipe::setLauternNgCount)
        .def_property("cooking_time", &Recipe::cookingTime, &Recipe::setCookingTime)
        .def_property("cooking_evaporation_rate", &Recipe::cookingEvaporationRate,
                      &Recipe::setCookingEvaporationRate)
        .def_property("cooking_power_percentage", &Recipe::cookingPowerPercentage,
                      &Recipe::setCookingPowerPercentage)
        .def_property("hopfen_n", &Recipe::hopfenN, &Recipe::setHopfenN)
        .def_property("meta_version", &Recipe::metaVersion, &Recipe::setMetaVersion)
        .def_property("cooking_use_power_percentage", &Recipe::cookingUsePowerPercentage,
                      &Recipe::setCookingUsePowerPercentage)
        .def_property("hopfen_vorderwurze", &Recipe::hopfenVorderwurze, &Recipe::setHopfenVorderwurze)
        .def_property("hopfen_whirlpool", &Recipe::hopfenWhirlpool, &Recipe::setHopfenWhirlpool)
        .def_property("stammwurze_do_pfannevoll_messung", &Recipe::stammwurzeDoPfannevollMessung,
                      &Recipe::setStammwurzeDoPfannevollMessung)
        .def_property("stammwurze_show_pfannevoll_warning", &Recipe::stammwurzeShowPfannevollWarning,
                      &Recipe::setStammwurzeShowPfannevollWarning);
    bindSlots(recipe, "raste_temps", &Recipe::rasteTempsArray, &Recipe::setRasteTemps);
    bindSlots(recipe, "raste_times", &Recipe::rasteTimesArray, &Recipe::setRasteTimes);
    bindSlots(recipe, "hopfen_timers", &Recipe::hopfenTimersArray, &Recipe::setHopfenTimers);
    bindSlots(recipe, "hopfen_comments", &Recipe::hopfenCommentsArray, &Recipe::setHopfenComments);
    recipe.def_property_readonly("should_water_be_treated", &Recipe::shouldWaterBeTreated);

    // The group is static: no constructor, and Python never deletes it.
    py::class_<Recipes, std::unique_ptr<Recipes, py::nodelete>> group(m, "_RecipesGroupClass");
    const auto byReference = py::return_value_policy::reference;
    group.def_property_readonly("a", &Recipes::autoA, byReference)
        .def_property_readonly("b", &Recipes::autoB, byReference)
        .def_property_readonly("current", &Recipes::current, byReference)
        .def_property_readonly("x", &Recipes::autoX, byReference)
        .def_property_readonly("default", &Recipes::defaultRecipe, byReference)
        .def_property("names", &Recipes::names, [](Recipes &recipes, const NameList &names) {
            recipes.setNames(names.values);
        });

    m.attr("Recipes") = py::cast(&g_recipes, byReference);
}
