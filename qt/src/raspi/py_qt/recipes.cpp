#include "recipes.h"

#include <mutex>

#include "locked.h"
#include "log.h"
#include "state_objects.h"
#include "values.h"

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
    Q_EMIT(this->*changed)();
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
