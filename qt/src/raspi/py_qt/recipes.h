#pragma once
// Recipes. Written by the worker thread (the controller, through the Python
// binding); read by the screens on the GUI thread. Each Recipe and the group
// have their own recursive lock: getters and setters take it, and change
// signals reach the GUI thread as queued notices (change_notice.h). The
// ...Default companions never change and are read without the lock.
// Recipes lives in the GUI thread; _updateAutoX runs there, queued after the
// worker changed the plant layout in Values. A Recipe that Python creates
// (RecipeClass()) has no parent, belongs to Python and is created and deleted
// on the interpreter's thread; the group's four recipes never pass to Python.

#include <QJSValue>
#include <QObject>
#include <QRecursiveMutex>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <array>

namespace pybind11 { class module_; }

class Recipe : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name NOTIFY nameChanged)
    Q_PROPERTY(QString commentWasser READ commentWasser NOTIFY commentWasserChanged)
    Q_PROPERTY(QString commentMalz READ commentMalz NOTIFY commentMalzChanged)
    Q_PROPERTY(QString commentGeneral READ commentGeneral NOTIFY commentGeneralChanged)
    Q_PROPERTY(int maischHg READ maischHg NOTIFY maischHgChanged)
    Q_PROPERTY(int maischHgDefault READ maischHgDefault CONSTANT)
    Q_PROPERTY(int maischTemp READ maischTemp NOTIFY maischTempChanged)
    Q_PROPERTY(int maischTempDefault READ maischTempDefault CONSTANT)
    Q_PROPERTY(int maischFillTemp READ maischFillTemp NOTIFY maischFillTempChanged)
    Q_PROPERTY(int maischFillTempDefault READ maischFillTempDefault CONSTANT)
    Q_PROPERTY(int rasteN READ rasteN NOTIFY rasteNChanged)
    Q_PROPERTY(int rasteNDefault READ rasteNDefault CONSTANT)
    Q_PROPERTY(QVector<int> rasteTemps READ rasteTemps NOTIFY rasteTempsChanged)
    Q_PROPERTY(QVector<int> rasteTimes READ rasteTimes NOTIFY rasteTimesChanged)
    Q_PROPERTY(int lauternTemp READ lauternTemp NOTIFY lauternTempChanged)
    Q_PROPERTY(int lauternTempDefault READ lauternTempDefault CONSTANT)
    Q_PROPERTY(int lauternTime READ lauternTime NOTIFY lauternTimeChanged)
    Q_PROPERTY(int lauternTimeDefault READ lauternTimeDefault CONSTANT)
    Q_PROPERTY(int lauternNgLiters READ lauternNgLiters NOTIFY lauternNgLitersChanged)
    Q_PROPERTY(int lauternNgLitersDefault READ lauternNgLitersDefault CONSTANT)
    Q_PROPERTY(int lauternNgCount READ lauternNgCount NOTIFY lauternNgCountChanged)
    Q_PROPERTY(int lauternNgCountDefault READ lauternNgCountDefault CONSTANT)
    Q_PROPERTY(int cookingTime READ cookingTime NOTIFY cookingTimeChanged)
    Q_PROPERTY(int cookingTimeDefault READ cookingTimeDefault CONSTANT)
    Q_PROPERTY(int cookingEvaporationRate READ cookingEvaporationRate NOTIFY cookingEvaporationRateChanged)
    Q_PROPERTY(int cookingEvaporationRateDefault READ cookingEvaporationRateDefault CONSTANT)
    Q_PROPERTY(int cookingPowerPercentage READ cookingPowerPercentage NOTIFY cookingPowerPercentageChanged)
    Q_PROPERTY(int cookingPowerPercentageDefault READ cookingPowerPercentageDefault CONSTANT)
    Q_PROPERTY(bool cookingUsePowerPercentage READ cookingUsePowerPercentage NOTIFY cookingUsePowerPercentageChanged)
    Q_PROPERTY(bool cookingUsePowerPercentageDefault READ cookingUsePowerPercentageDefault CONSTANT)
    Q_PROPERTY(int hopfenN READ hopfenN NOTIFY hopfenNChanged)
    Q_PROPERTY(int hopfenNDefault READ hopfenNDefault CONSTANT)
    Q_PROPERTY(bool hopfenVorderwurze READ hopfenVorderwurze NOTIFY hopfenVorderwurzeChanged)
    Q_PROPERTY(bool hopfenVorderwurzeDefault READ hopfenVorderwurzeDefault CONSTANT)
    Q_PROPERTY(bool hopfenWhirlpool READ hopfenWhirlpool NOTIFY hopfenWhirlpoolChanged)
    Q_PROPERTY(bool hopfenWhirlpoolDefault READ hopfenWhirlpoolDefault CONSTANT)
    Q_PROPERTY(QVector<int> hopfenTimers READ hopfenTimers NOTIFY hopfenTimersChanged)
    Q_PROPERTY(QStringList hopfenComments READ hopfenComments NOTIFY hopfenCommentsChanged)
    Q_PROPERTY(bool stammwurzeDoPfannevollMessung READ stammwurzeDoPfannevollMessung
                   NOTIFY stammwurzeDoPfannevollMessungChanged)
    Q_PROPERTY(bool stammwurzeDoPfannevollMessungDefault READ stammwurzeDoPfannevollMessungDefault CONSTANT)
    Q_PROPERTY(bool stammwurzeShowPfannevollWarning READ stammwurzeShowPfannevollWarning
                   NOTIFY stammwurzeShowPfannevollWarningChanged)
    Q_PROPERTY(bool stammwurzeShowPfannevollWarningDefault READ stammwurzeShowPfannevollWarningDefault CONSTANT)
    Q_PROPERTY(int metaVersion READ metaVersion NOTIFY metaVersionChanged)
    Q_PROPERTY(int metaVersionDefault READ metaVersionDefault CONSTANT)
    Q_PROPERTY(QString filePath READ filePath NOTIFY filePathChanged)

public:
    // Rests and hop additions have a fixed number of places; rasteN and
    // hopfenN tell how many of them are in use.
    static constexpr int kSlots = 5;
    using IntSlots = std::array<int, kSlots>;
    using TextSlots = std::array<QString, kSlots>;

    explicit Recipe(QObject *parent = nullptr);

    QString name() const;
    QString commentWasser() const;
    QString commentMalz() const;
    QString commentGeneral() const;
    int maischHg() const;
    int maischHgDefault() const { return m_maischHgDefault; }
    int maischTemp() const;
    int maischTempDefault() const { return m_maischTempDefault; }
    int maischFillTemp() const;
    int maischFillTempDefault() const { return m_maischFillTempDefault; }
    int rasteN() const;
    int rasteNDefault() const { return m_rasteNDefault; }
    int lauternTemp() const;
    int lauternTempDefault() const { return m_lauternTempDefault; }
    int lauternTime() const;
    int lauternTimeDefault() const { return m_lauternTimeDefault; }
    int lauternNgLiters() const;
    int lauternNgLitersDefault() const { return m_lauternNgLitersDefault; }
    int lauternNgCount() const;
    int lauternNgCountDefault() const { return m_lauternNgCountDefault; }
    int cookingTime() const;
    int cookingTimeDefault() const { return m_cookingTimeDefault; }
    int cookingEvaporationRate() const;
    int cookingEvaporationRateDefault() const { return m_cookingEvaporationRateDefault; }
    int cookingPowerPercentage() const;
    int cookingPowerPercentageDefault() const { return m_cookingPowerPercentageDefault; }
    bool cookingUsePowerPercentage() const;
    bool cookingUsePowerPercentageDefault() const { return m_cookingUsePowerPercentageDefault; }
    int hopfenN() const;
    int hopfenNDefault() const { return m_hopfenNDefault; }
    bool hopfenVorderwurze() const;
    bool hopfenVorderwurzeDefault() const { return m_hopfenVorderwurzeDefault; }
    bool hopfenWhirlpool() const;
    bool hopfenWhirlpoolDefault() const { return m_hopfenWhirlpoolDefault; }
    bool stammwurzeDoPfannevollMessung() const;
    bool stammwurzeDoPfannevollMessungDefault() const { return m_stammwurzeDoPfannevollMessungDefault; }
    bool stammwurzeShowPfannevollWarning() const;
    bool stammwurzeShowPfannevollWarningDefault() const { return m_stammwurzeShowPfannevollWarningDefault; }
    int metaVersion() const;
    int metaVersionDefault() const { return m_metaVersionDefault; }
    QString filePath() const;

    // The arrays as the screens read them: a fresh list of five per call.
    QVector<int> rasteTemps() const;
    QVector<int> rasteTimes() const;
    QVector<int> hopfenTimers() const;
    QStringList hopfenComments() const;

    // The same as fixed arrays, for the binding.
    IntSlots rasteTempsArray() const;
    IntSlots rasteTimesArray() const;
    IntSlots hopfenTimersArray() const;
    TextSlots hopfenCommentsArray() const;

    // True once there is a note on the brewing water.
    bool shouldWaterBeTreated() const;

    void setName(const QString &value);
    void setCommentWasser(const QString &value);
    void setCommentMalz(const QString &value);
    void setCommentGeneral(const QString &value);
    void setMaischHg(int value);
    void setMaischTemp(int value);
    void setMaischFillTemp(int value);
    void setRasteN(int value);
    void setLauternTemp(int value);
    void setLauternTime(int value);
    void setLauternNgLiters(int value);
    void setLauternNgCount(int value);
    void setCookingTime(int value);
    void setCookingEvaporationRate(int value);
    void setCookingPowerPercentage(int value);
    void setCookingUsePowerPercentage(bool value);
    void setHopfenN(int value);
    void setHopfenVorderwurze(bool value);
    void setHopfenWhirlpool(bool value);
    void setStammwurzeDoPfannevollMessung(bool value);
    void setStammwurzeShowPfannevollWarning(bool value);
    void setMetaVersion(int value);
    void setFilePath(const QString &value);

    // Array setters store all five places and always emit, also when
    // nothing changed.
    void setRasteTemps(const IntSlots &values);
    void setRasteTimes(const IntSlots &values);
    void setHopfenTimers(const IntSlots &values);
    void setHopfenComments(const TextSlots &values);

    // The same from a list: anything but exactly five elements is logged and
    // refused, the recipe stays as it is and nothing is emitted.
    bool setRasteTempsFromList(const QVector<int> &values);
    bool setRasteTimesFromList(const QVector<int> &values);
    bool setHopfenTimersFromList(const QVector<int> &values);
    bool setHopfenCommentsFromList(const QStringList &values);

    // Copies every field of other through the setters, so only the changed
    // values signal (and every array does). Both recipes stay locked
    // throughout, so the copy is never a mix of two states of other.
    void takeOther(const Recipe &other);

Q_SIGNALS:
    void nameChanged();
    void commentWasserChanged();
    void commentMalzChanged();
    void commentGeneralChanged();
    void maischHgChanged();
    void maischTempChanged();
    void maischFillTempChanged();
    void rasteNChanged();
    void lauternTempChanged();
    void lauternTimeChanged();
    void lauternNgLitersChanged();
    void lauternNgCountChanged();
    void cookingTimeChanged();
    void cookingEvaporationRateChanged();
    void cookingPowerPercentageChanged();
    void cookingUsePowerPercentageChanged();
    void hopfenNChanged();
    void hopfenVorderwurzeChanged();
    void hopfenWhirlpoolChanged();
    void stammwurzeDoPfannevollMessungChanged();
    void stammwurzeShowPfannevollWarningChanged();
    void metaVersionChanged();
    void filePathChanged();
    void rasteTempsChanged();
    void rasteTimesChanged();
    void hopfenTimersChanged();
    void hopfenCommentsChanged();

public:
    // Asks the controller (through Recipes.toPyQVar) to flip the warning of
    // the recipe of this name; changes nothing here.
    Q_INVOKABLE void toggleShowPfannevollWarning();

private:
    template <typename T>
    void store(T &field, const T &value, void (Recipe::*changed)());
    template <typename T>
    void storeSlots(std::array<T, kSlots> &field, const std::array<T, kSlots> &values, void (Recipe::*changed)());
    template <typename List, typename T>
    bool storeList(std::array<T, kSlots> &field, const List &values, const char *what, void (Recipe::*changed)());

    mutable QRecursiveMutex m_lock;
    QString m_name;
    QString m_commentWasser;
    QString m_commentMalz;
    QString m_commentGeneral;
    int m_maischHg = 210;
    const int m_maischHgDefault = 210;
    int m_maischTemp = 59;
    const int m_maischTempDefault = 59;
    int m_maischFillTemp = 59;
    const int m_maischFillTempDefault = 59;
    int m_rasteN = 2;
    const int m_rasteNDefault = 2;
    int m_lauternTemp = 78;
    const int m_lauternTempDefault = 78;
    int m_lauternTime = 20;
    const int m_lauternTimeDefault = 20;
    int m_lauternNgLiters = 20;
    const int m_lauternNgLitersDefault = 20;
    int m_lauternNgCount = 5;
    const int m_lauternNgCountDefault = 5;
    int m_cookingTime = 60;
    const int m_cookingTimeDefault = 60;
    int m_cookingEvaporationRate = 3;
    const int m_cookingEvaporationRateDefault = 3;
    int m_cookingPowerPercentage = 33;
    const int m_cookingPowerPercentageDefault = 33;
    bool m_cookingUsePowerPercentage = false;
    const bool m_cookingUsePowerPercentageDefault = false;
    int m_hopfenN = 5;
    const int m_hopfenNDefault = 5;
    bool m_hopfenVorderwurze = false;
    const bool m_hopfenVorderwurzeDefault = false;
    bool m_hopfenWhirlpool = false;
    const bool m_hopfenWhirlpoolDefault = false;
    bool m_stammwurzeDoPfannevollMessung = true;
    const bool m_stammwurzeDoPfannevollMessungDefault = true;
    bool m_stammwurzeShowPfannevollWarning = true;
    const bool m_stammwurzeShowPfannevollWarningDefault = true;
    int m_metaVersion = 1;
    const int m_metaVersionDefault = 1;
    QString m_filePath;
    IntSlots m_rasteTemps{63, 65, 68, 70, 73};
    IntSlots m_rasteTimes{20, 20, 20, 20, 20};
    IntSlots m_hopfenTimers{40, 30, 20, 10, 5};
    TextSlots m_hopfenComments;
};

class Recipes : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Recipe *autoA READ autoA CONSTANT)
    Q_PROPERTY(Recipe *autoB READ autoB CONSTANT)
    Q_PROPERTY(Recipe *autoX READ autoX NOTIFY autoXChanged)
    Q_PROPERTY(Recipe *current READ current CONSTANT)
    Q_PROPERTY(QVector<QString> names READ names NOTIFY namesChanged)

public:
    enum RecipesAction : int {
        NewRecipe,
        CopyRecipe,
        RenameRecipe,
        RemoveRecipe,
        SetAuto1Name,
        SetAuto2Name,
        SetCurrentName,
        SetCommentWasser,
        SetCommentMalz,
        SetCommentGeneral,
        SetMaischHg,
        SetMaischTemp,
        SetMaischFillTemp,
        SetRasteN,
        SetRasteTemps,
        SetRasteTimes,
        SetLauternTemp,
        SetLauternTime,
        SetLauternNgCount,
        SetLauternNgLiters,
        SetCookingTime,
        SetCookingEvaporationRate,
        SetCookingPowerPercentage,
        SetCookingPowerPercentageTmp,
        SetCookingUsePowerPercentage,
        SetHopfenN,
        SetHopfenVorderwurze,
        SetHopfenWhirlpool,
        SetHopfenTimers,
        SetHopfenComments,
        SetStammwurzeDoPfannevollMessung,
        SetStammwurzeShowPfannevollWarning,
        ToggleShowPfannevollWarningForRecipe,
        EnumCount
    };
    Q_ENUM(RecipesAction)

    Recipes();

    // Fills tavell.recipes; runs on the interpreter's thread.
    static void prepareModule(pybind11::module_ &m);

    Recipe *autoA() { return &m_autoA; }
    Recipe *autoB() { return &m_autoB; }
    // The cooking line's recipe: line B's on a plant with a separate cooking
    // kettle, else line A's; decided at each read.
    Recipe *autoX();
    Recipe *current() { return &m_current; }
    // Not visible to the screens.
    Recipe *defaultRecipe() { return &m_default; }

    // A copy; the stored list is never handed out.
    QVector<QString> names() const;
    void setNames(const QVector<QString> &value);

Q_SIGNALS:
    void namesChanged();
    void autoXChanged();
    void toPy(Recipes::RecipesAction action, const QJSValue &value);
    void toPyQVar(Recipes::RecipesAction action, const QVariant &value);

public Q_SLOTS:
    // Emits autoXChanged when the plant layout has changed which line cooks.
    void _updateAutoX();

private:
    QVector<QString> m_names;
    mutable QRecursiveMutex m_lock;
    Recipe m_autoA;
    Recipe m_autoB;
    Recipe m_current;
    Recipe m_default;
    // The answer autoX gave when last announced; GUI thread only.
    bool m_autoXIsB;
};

using RecipesAction = Recipes::RecipesAction;
