#pragma once
// One field of the program's state objects named by a path, written through
// its setter as the controller's binding writes it, and read back:
// "auto.ngActive", "recoveryA.step", "values.fuRw1Ok", "gui.controlsEnabled",
// "hopfen.current", "recipeA.hopfenN" (recipeB, current), "recipes.names",
// "actuator.svSkOut.blocked" (state; a drive's dir, blockedForward,
// blockedBackward), "sensor.ls1.state", "simulator.simAutoFlow",
// "shell.locked", "wifi.state". Screen tests put the plant into a state with
// these and put it back afterwards.

#include <QHash>
#include <QJSValue>
#include <QObject>
#include <QSequentialIterable>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>

#include <functional>
#include <type_traits>

#include "simulator_setters.h"
#include "state_objects.h"
#include "values_setters.h"

namespace state_paths {

using Setter = std::function<void(const QVariant &)>;

template <typename T>
T fromVariant(const QVariant &value)
{
    if constexpr (std::is_same_v<T, QVector<int>>) {
        QVector<int> out;
        for (const QVariant &item : value.value<QSequentialIterable>())
            out.append(item.toInt());
        return out;
    } else if constexpr (std::is_same_v<T, QVector<QString>>) {
        QVector<QString> out;
        for (const QVariant &item : value.value<QSequentialIterable>())
            out.append(item.toString());
        return out;
    } else if constexpr (std::is_same_v<T, QStringList>) {
        QStringList out;
        for (const QVariant &item : value.value<QSequentialIterable>())
            out.append(item.toString());
        return out;
    } else if constexpr (std::is_same_v<T, QVector<QVariantMap>>) {
        QVector<QVariantMap> out;
        for (const QVariant &item : value.value<QSequentialIterable>())
            out.append(item.toMap());
        return out;
    } else if constexpr (std::is_enum_v<T>) {
        return static_cast<T>(value.toInt());
    } else {
        return qvariant_cast<T>(value);
    }
}

template <typename Obj, typename T, typename R>
Setter setter(Obj *object, R (Obj::*set)(T))
{
    return [object, set](const QVariant &value) { (object->*set)(fromVariant<std::decay_t<T>>(value)); };
}

inline QHash<QString, Setter> autoSetters()
{
    Auto *a = &g_auto;
    return {
        {"activeA", setter(a, &Auto::setActiveA)}, {"activeB", setter(a, &Auto::setActiveB)},
        {"stepA", setter(a, &Auto::setStepA)}, {"stepB", setter(a, &Auto::setStepB)},
        {"stepBOffset", setter(a, &Auto::setStepBOffset)}, {"handEnabled", setter(a, &Auto::setHandEnabled)},
        {"useLauterPumpFreq", setter(a, &Auto::setUseLauterPumpFreq)},
        {"manualHeatingAEnabled", setter(a, &Auto::setManualHeatingAEnabled)},
        {"manualHeatingBEnabled", setter(a, &Auto::setManualHeatingBEnabled)},
        {"waitForAckn", setter(a, &Auto::setWaitForAckn)}, {"skipRastEnabled", setter(a, &Auto::setSkipRastEnabled)},
        {"statusRasten", setter(a, &Auto::setStatusRasten)}, {"statusHeating", setter(a, &Auto::setStatusHeating)},
        {"ertFilling", setter(a, &Auto::setErtFilling)}, {"fillingActive", setter(a, &Auto::setFillingActive)},
        {"abmaischenActive", setter(a, &Auto::setAbmaischenActive)}, {"hgActive", setter(a, &Auto::setHgActive)},
        {"hgFinished", setter(a, &Auto::setHgFinished)}, {"ertHeating", setter(a, &Auto::setErtHeating)},
        {"ngActive", setter(a, &Auto::setNgActive)}, {"ngFinished", setter(a, &Auto::setNgFinished)},
        {"ngStep", setter(a, &Auto::setNgStep)}, {"ngLitersStep", setter(a, &Auto::setNgLitersStep)},
        {"ngLitersTotal", setter(a, &Auto::setNgLitersTotal)},
        {"trubwurzeActive", setter(a, &Auto::setTrubwurzeActive)},
        {"lauternActive", setter(a, &Auto::setLauternActive)},
        {"lauterruheFinished", setter(a, &Auto::setLauterruheFinished)},
        {"stammwurzeHeating", setter(a, &Auto::setStammwurzeHeating)},
        {"stammwurzeCooking", setter(a, &Auto::setStammwurzeCooking)},
        {"stammwurzeHeatingTime", setter(a, &Auto::setStammwurzeHeatingTime)},
        {"stammwurzeCookingTime", setter(a, &Auto::setStammwurzeCookingTime)},
        {"enableAutoWhirlpoolBtn", setter(a, &Auto::setEnableAutoWhirlpoolBtn)},
        {"recoveryCount", setter(a, &Auto::setRecoveryCount)}, {"fuFreqSpRw1", setter(a, &Auto::setFuFreqSpRw1)},
        {"fuFreqSpPump1", setter(a, &Auto::setFuFreqSpPump1)},
        {"fuFreqSpPumpLautern", setter(a, &Auto::setFuFreqSpPumpLautern)},
        {"fuFreqSpRw2", setter(a, &Auto::setFuFreqSpRw2)}, {"fuFreqSpPump2", setter(a, &Auto::setFuFreqSpPump2)},
    };
}

inline QHash<QString, Setter> recoverySetters(RecoveryData *r)
{
    return {
        {"recipeName", setter(r, &RecoveryData::setRecipeName)}, {"stepStr", setter(r, &RecoveryData::setStepStr)},
        {"step", setter(r, &RecoveryData::setStep)},
        {"waterTreatedTime", setter(r, &RecoveryData::setWaterTreatedTime)},
    };
}

inline QHash<QString, Setter> recipeSetters(Recipe *r)
{
    return {
        {"name", setter(r, &Recipe::setName)}, {"commentWasser", setter(r, &Recipe::setCommentWasser)},
        {"commentMalz", setter(r, &Recipe::setCommentMalz)}, {"commentGeneral", setter(r, &Recipe::setCommentGeneral)},
        {"maischHg", setter(r, &Recipe::setMaischHg)}, {"maischTemp", setter(r, &Recipe::setMaischTemp)},
        {"maischFillTemp", setter(r, &Recipe::setMaischFillTemp)}, {"rasteN", setter(r, &Recipe::setRasteN)},
        {"lauternTemp", setter(r, &Recipe::setLauternTemp)}, {"lauternTime", setter(r, &Recipe::setLauternTime)},
        {"lauternNgLiters", setter(r, &Recipe::setLauternNgLiters)},
        {"lauternNgCount", setter(r, &Recipe::setLauternNgCount)}, {"cookingTime", setter(r, &Recipe::setCookingTime)},
        {"cookingPowerPercentage", setter(r, &Recipe::setCookingPowerPercentage)},
        {"cookingUsePowerPercentage", setter(r, &Recipe::setCookingUsePowerPercentage)},
        {"hopfenN", setter(r, &Recipe::setHopfenN)}, {"hopfenVorderwurze", setter(r, &Recipe::setHopfenVorderwurze)},
        {"hopfenWhirlpool", setter(r, &Recipe::setHopfenWhirlpool)},
        {"stammwurzeDoPfannevollMessung", setter(r, &Recipe::setStammwurzeDoPfannevollMessung)},
        {"stammwurzeShowPfannevollWarning", setter(r, &Recipe::setStammwurzeShowPfannevollWarning)},
        {"rasteTemps", setter(r, &Recipe::setRasteTempsFromList)},
        {"rasteTimes", setter(r, &Recipe::setRasteTimesFromList)},
        {"hopfenTimers", setter(r, &Recipe::setHopfenTimersFromList)},
        {"hopfenComments", setter(r, &Recipe::setHopfenCommentsFromList)},
    };
}

inline QHash<QString, Setter> hopfenSetters()
{
    HopfenTimer *h = &g_hopfenTimer;
    return {
        {"str1", setter(h, &HopfenTimer::setStr1)}, {"str2", setter(h, &HopfenTimer::setStr2)},
        {"str3", setter(h, &HopfenTimer::setStr3)}, {"str4", setter(h, &HopfenTimer::setStr4)},
        {"str5", setter(h, &HopfenTimer::setStr5)}, {"status", setter(h, &HopfenTimer::setStatus)},
        {"alarm", setter(h, &HopfenTimer::setAlarm)}, {"success", setter(h, &HopfenTimer::setSuccess)},
        {"current", setter(h, &HopfenTimer::setCurrent)},
    };
}

inline QHash<QString, Setter> outputSetters(QObject *output)
{
    if (auto *dout = qobject_cast<DOut *>(output))
        return {{"state", setter(dout, &DOut::setState)}, {"blocked", setter(dout, &DOut::setBlocked)}};
    if (auto *fu = qobject_cast<Fu *>(output))
        return {{"dir", setter(fu, &Fu::setDir)}, {"blockedForward", setter(fu, &Fu::setBlockedForward)},
                {"blockedBackward", setter(fu, &Fu::setBlockedBackward)}};
    return {};
}

inline QHash<QString, Setter> shellSetters()
{
    Shell *s = &g_shell;
    return {
        {"locked", setter(s, &Shell::setLocked)}, {"testingRepoEnabled", setter(s, &Shell::setTestingRepoEnabled)},
        {"upgradables", setter(s, &Shell::setUpgradables)}, {"installed", setter(s, &Shell::setInstalled)},
    };
}

inline QHash<QString, Setter> wifiSetters()
{
    Wifi *w = &g_wifi;
    return {
        {"state", setter(w, &Wifi::setState)}, {"ssid", setter(w, &Wifi::setSsid)},
        {"qualityPercentage", setter(w, &Wifi::setQualityPercentage)}, {"is5GHz", setter(w, &Wifi::setIs5GHz)},
        {"ipMapList", setter(w, &Wifi::setIpMapList)}, {"scanResults", setter(w, &Wifi::setScanResults)},
    };
}

// The object a path's head (and, for outputs and inputs, its second part)
// names, the setters of its fields and the field's name.
struct Target
{
    QObject *object = nullptr;
    QHash<QString, Setter> setters;
    QString field;
};

inline Recipe *recipeOf(const QString &head)
{
    if (head == QLatin1String("recipeA"))
        return g_recipes.autoA();
    if (head == QLatin1String("recipeB"))
        return g_recipes.autoB();
    if (head == QLatin1String("current"))
        return g_recipes.current();
    return nullptr;
}

inline Target target(const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return {};
    const QString &head = parts[0];
    Target t;
    t.field = parts.last();
    if (parts.size() == 3 && (head == QLatin1String("actuator") || head == QLatin1String("sensor"))) {
        QObject *group = head == QLatin1String("actuator") ? static_cast<QObject *>(&g_actuator) : &g_sensor;
        t.object = group->property(qPrintable(parts[1])).value<QObject *>();
        if (auto *din = qobject_cast<DIn *>(t.object))
            t.setters = {{"state", setter(din, &DIn::setState)}};
        else
            t.setters = outputSetters(t.object);
        return t;
    }
    if (parts.size() != 2)
        return {};
    if (head == QLatin1String("auto")) {
        t.object = &g_auto;
        t.setters = autoSetters();
    } else if (head == QLatin1String("recoveryA") || head == QLatin1String("recoveryB")) {
        RecoveryData *r = head == QLatin1String("recoveryA") ? g_auto.recoveryDataA() : g_auto.recoveryDataB();
        t.object = r;
        t.setters = recoverySetters(r);
    } else if (Recipe *r = recipeOf(head)) {
        t.object = r;
        t.setters = recipeSetters(r);
    } else if (head == QLatin1String("recipes")) {
        t.object = &g_recipes;
        t.setters = {{"names", setter(&g_recipes, &Recipes::setNames)}};
    } else if (head == QLatin1String("values")) {
        t.object = &g_values;
        for (auto it = valuesSetters().cbegin(); it != valuesSetters().cend(); ++it) {
            const ValuesSetter set = it.value();
            t.setters.insert(it.key(), [set](const QVariant &value) { set(g_values, value); });
        }
    } else if (head == QLatin1String("simulator")) {
        t.object = &g_simulator;
        for (auto it = simulatorSetters().cbegin(); it != simulatorSetters().cend(); ++it) {
            const SimulatorSetter set = it.value();
            t.setters.insert(it.key(), [set](const QVariant &value) { set(g_simulator, value); });
        }
    } else if (head == QLatin1String("gui")) {
        t.object = &g_gui;
        t.setters = {{"controlsEnabled", setter(&g_gui, &Gui::setControlsEnabled)}};
    } else if (head == QLatin1String("hopfen")) {
        t.object = &g_hopfenTimer;
        t.setters = hopfenSetters();
    } else if (head == QLatin1String("shell")) {
        t.object = &g_shell;
        t.setters = shellSetters();
    } else if (head == QLatin1String("wifi")) {
        t.object = &g_wifi;
        t.setters = wifiSetters();
    }
    return t;
}

// A list from QML as the list type the field holds (the setters of Values
// take their own type only).
inline QVariant asFieldType(const QVariant &given, const QVariant &current)
{
    const QVariant value =
        given.userType() == qMetaTypeId<QJSValue>() ? given.value<QJSValue>().toVariant() : given;
    if (value.userType() != QMetaType::QVariantList)
        return value;
    const int type = current.userType();
    if (type == qMetaTypeId<QVector<QString>>())
        return QVariant::fromValue(fromVariant<QVector<QString>>(value));
    if (type == qMetaTypeId<QVector<int>>())
        return QVariant::fromValue(fromVariant<QVector<int>>(value));
    if (type == QMetaType::QStringList)
        return QVariant::fromValue(fromVariant<QStringList>(value));
    return value;
}

// False when the path names no writable field.
inline bool set(const QString &path, const QVariant &value)
{
    const Target t = target(path);
    const Setter set = t.setters.value(t.field);
    if (!set)
        return false;
    set(t.object ? asFieldType(value, t.object->property(qPrintable(t.field))) : value);
    return true;
}

inline QVariant get(const QString &path)
{
    const Target t = target(path);
    return t.object ? t.object->property(qPrintable(t.field)) : QVariant();
}

} // namespace state_paths
