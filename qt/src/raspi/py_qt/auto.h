#pragma once
// State of the automatic sequences of lines A and B and their resume
// snapshots. Written by the worker thread (the controller, through the Python
// binding); read by the screens and AutoHandManager on the GUI thread. Auto's
// recursive lock covers every notifying field of Auto; each RecoveryData has a
// lock of its own covering its fields. Getters and setters take the owning
// object's lock; a change is announced on the GUI thread, at most one queued
// notice per signal (change_notice.h). The ...Default companions never change
// and are read without a lock, as is the process-wide isSpecial flag behind
// recoveryDataX.

#include <QJSValue>
#include <QObject>
#include <QRecursiveMutex>
#include <QString>
#include <QVariant>

#include <atomic>

#include "locked.h"

namespace pybind11 { class module_; }

class RecoveryData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString recipeName READ recipeName NOTIFY recipeNameChanged)
    Q_PROPERTY(QString stepStr READ stepStr NOTIFY stepStrChanged)
    Q_PROPERTY(int step READ step NOTIFY stepChanged)
    Q_PROPERTY(int waterTreatedTime READ waterTreatedTime NOTIFY waterTreatedTimeChanged)
    Q_PROPERTY(float hauptguss READ hauptguss NOTIFY hauptgussChanged)
    Q_PROPERTY(float nachguss READ nachguss NOTIFY nachgussChanged)
    Q_PROPERTY(int rastStartStep READ rastStartStep NOTIFY rastStartStepChanged)
    Q_PROPERTY(int rastElapsed READ rastElapsed NOTIFY rastElapsedChanged)
    Q_PROPERTY(int lauterruheElapsed READ lauterruheElapsed NOTIFY lauterruheElapsedChanged)
    Q_PROPERTY(bool trubwurzeActive READ trubwurzeActive NOTIFY trubwurzeActiveChanged)
    Q_PROPERTY(bool lauternActive READ lauternActive NOTIFY lauternActiveChanged)
    Q_PROPERTY(int cookingElapsed READ cookingElapsed NOTIFY cookingElapsedChanged)
    Q_PROPERTY(int hopfenLastChecked READ hopfenLastChecked NOTIFY hopfenLastCheckedChanged)

public:
    RecoveryData() = default;

    QString recipeName() const { return getLocked(m_lock, m_recipeName); }
    QString stepStr() const { return getLocked(m_lock, m_stepStr); }
    int step() const { return getLocked(m_lock, m_step); }
    int waterTreatedTime() const { return getLocked(m_lock, m_waterTreatedTime); }
    float hauptguss() const { return getLocked(m_lock, m_hauptguss); }
    float nachguss() const { return getLocked(m_lock, m_nachguss); }
    int rastStartStep() const { return getLocked(m_lock, m_rastStartStep); }
    int rastElapsed() const { return getLocked(m_lock, m_rastElapsed); }
    int lauterruheElapsed() const { return getLocked(m_lock, m_lauterruheElapsed); }
    bool trubwurzeActive() const { return getLocked(m_lock, m_trubwurzeActive); }
    bool lauternActive() const { return getLocked(m_lock, m_lauternActive); }
    int cookingElapsed() const { return getLocked(m_lock, m_cookingElapsed); }
    int hopfenLastChecked() const { return getLocked(m_lock, m_hopfenLastChecked); }

    void setRecipeName(const QString &value);
    void setStepStr(const QString &value);
    void setStep(int value);
    void setWaterTreatedTime(int value);
    void setHauptguss(float value);
    void setNachguss(float value);
    void setRastStartStep(int value);
    void setRastElapsed(int value);
    void setLauterruheElapsed(int value);
    void setTrubwurzeActive(bool value);
    void setLauternActive(bool value);
    void setCookingElapsed(int value);
    void setHopfenLastChecked(int value);

    // Back to the initial values, all under one hold of the lock so no reader
    // sees a half-reset snapshot; only fields that change emit.
    void reset();

Q_SIGNALS:
    void recipeNameChanged();
    void stepStrChanged();
    void stepChanged();
    void waterTreatedTimeChanged();
    void hauptgussChanged();
    void nachgussChanged();
    void rastStartStepChanged();
    void rastElapsedChanged();
    void lauterruheElapsedChanged();
    void trubwurzeActiveChanged();
    void lauternActiveChanged();
    void cookingElapsedChanged();
    void hopfenLastCheckedChanged();

private:
    template <typename T>
    void store(T &field, const T &value, void (RecoveryData::*changed)())
    {
        setLocked(m_lock, field, value, this, changed);
    }

    mutable QRecursiveMutex m_lock;
    QString m_recipeName;
    QString m_stepStr;
    int m_step = -1;
    int m_waterTreatedTime = -1;
    float m_hauptguss = 0.0f;
    float m_nachguss = 0.0f;
    int m_rastStartStep = 0;
    int m_rastElapsed = 0;
    int m_lauterruheElapsed = 0;
    bool m_trubwurzeActive = false;
    bool m_lauternActive = false;
    int m_cookingElapsed = 0;
    int m_hopfenLastChecked = 0;
};

class Auto : public QObject
{
    Q_OBJECT
    Q_PROPERTY(RecoveryData *recoveryDataA READ recoveryDataA CONSTANT)
    Q_PROPERTY(RecoveryData *recoveryDataB READ recoveryDataB CONSTANT)
    // Follows the plant layout: line B's snapshot once isSpecial holds.
    Q_PROPERTY(RecoveryData *recoveryDataX READ recoveryDataX NOTIFY recoveryDataXChanged)
    Q_PROPERTY(bool activeA READ activeA NOTIFY activeAChanged)
    Q_PROPERTY(bool activeB READ activeB NOTIFY activeBChanged)
    Q_PROPERTY(int stepA READ stepA NOTIFY stepAChanged)
    Q_PROPERTY(int stepADefault READ stepADefault CONSTANT)
    Q_PROPERTY(int stepB READ stepB NOTIFY stepBChanged)
    Q_PROPERTY(int stepBDefault READ stepBDefault CONSTANT)
    Q_PROPERTY(int stepBOffset READ stepBOffset NOTIFY stepBOffsetChanged)
    Q_PROPERTY(int stepBOffsetDefault READ stepBOffsetDefault CONSTANT)
    Q_PROPERTY(bool handEnabled READ handEnabled NOTIFY handEnabledChanged)
    Q_PROPERTY(bool handEnabledDefault READ handEnabledDefault CONSTANT)
    Q_PROPERTY(bool useLauterPumpFreq READ useLauterPumpFreq NOTIFY useLauterPumpFreqChanged)
    Q_PROPERTY(bool manualHeatingAEnabled READ manualHeatingAEnabled NOTIFY manualHeatingAEnabledChanged)
    Q_PROPERTY(bool manualHeatingBEnabled READ manualHeatingBEnabled NOTIFY manualHeatingBEnabledChanged)
    Q_PROPERTY(bool waitForAckn READ waitForAckn NOTIFY waitForAcknChanged)
    Q_PROPERTY(bool skipRastEnabled READ skipRastEnabled NOTIFY skipRastEnabledChanged)
    Q_PROPERTY(QString statusRasten READ statusRasten NOTIFY statusRastenChanged)
    Q_PROPERTY(QString statusHeating READ statusHeating NOTIFY statusHeatingChanged)
    Q_PROPERTY(int ertFilling READ ertFilling NOTIFY ertFillingChanged)
    Q_PROPERTY(bool fillingActive READ fillingActive NOTIFY fillingActiveChanged)
    Q_PROPERTY(bool abmaischenActive READ abmaischenActive NOTIFY abmaischenActiveChanged)
    Q_PROPERTY(bool hgActive READ hgActive NOTIFY hgActiveChanged)
    Q_PROPERTY(bool hgFinished READ hgFinished NOTIFY hgFinishedChanged)
    Q_PROPERTY(int ertHeating READ ertHeating NOTIFY ertHeatingChanged)
    Q_PROPERTY(bool ngActive READ ngActive NOTIFY ngActiveChanged)
    Q_PROPERTY(bool ngFinished READ ngFinished NOTIFY ngFinishedChanged)
    Q_PROPERTY(int ngStep READ ngStep NOTIFY ngStepChanged)
    Q_PROPERTY(float ngLitersStep READ ngLitersStep NOTIFY ngLitersStepChanged)
    Q_PROPERTY(float ngLitersTotal READ ngLitersTotal NOTIFY ngLitersTotalChanged)
    Q_PROPERTY(bool trubwurzeActive READ trubwurzeActive NOTIFY trubwurzeActiveChanged)
    Q_PROPERTY(bool lauternActive READ lauternActive NOTIFY lauternActiveChanged)
    Q_PROPERTY(bool lauterruheFinished READ lauterruheFinished NOTIFY lauterruheFinishedChanged)
    Q_PROPERTY(int stammwurzeHeating READ stammwurzeHeating NOTIFY stammwurzeHeatingChanged)
    Q_PROPERTY(int stammwurzeHeatingDefault READ stammwurzeHeatingDefault CONSTANT)
    Q_PROPERTY(int stammwurzeCooking READ stammwurzeCooking NOTIFY stammwurzeCookingChanged)
    Q_PROPERTY(int stammwurzeCookingDefault READ stammwurzeCookingDefault CONSTANT)
    Q_PROPERTY(int stammwurzeHeatingTime READ stammwurzeHeatingTime NOTIFY stammwurzeHeatingTimeChanged)
    Q_PROPERTY(int stammwurzeCookingTime READ stammwurzeCookingTime NOTIFY stammwurzeCookingTimeChanged)
    Q_PROPERTY(int enableAutoWhirlpoolBtn READ enableAutoWhirlpoolBtn NOTIFY enableAutoWhirlpoolBtnChanged)
    Q_PROPERTY(int recoveryCount READ recoveryCount NOTIFY recoveryCountChanged)
    Q_PROPERTY(int fuFreqSpRw1 READ fuFreqSpRw1 NOTIFY fuFreqSpRw1Changed)
    Q_PROPERTY(int fuFreqSpPump1 READ fuFreqSpPump1 NOTIFY fuFreqSpPump1Changed)
    Q_PROPERTY(int fuFreqSpPumpLautern READ fuFreqSpPumpLautern NOTIFY fuFreqSpPumpLauternChanged)
    Q_PROPERTY(int fuFreqSpRw2 READ fuFreqSpRw2 NOTIFY fuFreqSpRw2Changed)
    Q_PROPERTY(int fuFreqSpPump2 READ fuFreqSpPump2 NOTIFY fuFreqSpPump2Changed)

public:
    // Steps of the sequences; stepA, stepB and RecoveryData::step hold these
    // as plain ints. Line B starts at StepLautern. The count covers only the
    // non-negative steps.
    enum StepsEnum : int {
        StepUnknown = -2,
        StepInactive = -1,
        StepFuellen = 0,
        StepEinmaischen = 1,
        StepRasten = 2,
        StepAbmaischen = 3,
        StepLautern = 4,
        StepHeizen = 5,
        StepKochen = 6,
        StepNotRequired = 7,
        StepsEnumCount = 8
    };
    Q_ENUM(StepsEnum)

    // Requests of the screens (toPy) and of AutoHandManager (toPyQVar).
    enum AutoEnum : int {
        Start,
        StopA,
        StopB,
        NextStep,
        HandEnabled,
        BeginLauterRuhe,
        ToggleHg,
        ToggleNg,
        ToggleWaterTreated,
        ToggleLautern,
        ToggleTrubwurze,
        ToggleManualFilling,
        NgLitersSetpointTmp,
        SetHopfengabe,
        FinishAckn,
        MiscEventA,
        MiscEventB,
        SetStammwurzeHeating,
        SetStammwurzeCooking,
        FuFreqSpRw1,
        FuFreqSpPump1,
        FuFreqSpRw2,
        FuFreqSpPump2,
        AutoEnumCount
    };
    Q_ENUM(AutoEnum)

    Auto();

    static void prepareModule(pybind11::module_ &m);

    RecoveryData *recoveryDataA() { return &m_recoveryDataA; }
    RecoveryData *recoveryDataB() { return &m_recoveryDataB; }
    RecoveryData *recoveryDataX();

    bool activeA() const { return getLocked(m_lock, m_activeA); }
    bool activeB() const { return getLocked(m_lock, m_activeB); }
    int stepA() const { return getLocked(m_lock, m_stepA); }
    int stepADefault() const { return m_stepADefault; }
    int stepB() const { return getLocked(m_lock, m_stepB); }
    int stepBDefault() const { return m_stepBDefault; }
    int stepBOffset() const { return getLocked(m_lock, m_stepBOffset); }
    int stepBOffsetDefault() const { return m_stepBOffsetDefault; }
    bool handEnabled() const { return getLocked(m_lock, m_handEnabled); }
    bool handEnabledDefault() const { return m_handEnabledDefault; }
    bool useLauterPumpFreq() const { return getLocked(m_lock, m_useLauterPumpFreq); }
    bool manualHeatingAEnabled() const { return getLocked(m_lock, m_manualHeatingAEnabled); }
    bool manualHeatingBEnabled() const { return getLocked(m_lock, m_manualHeatingBEnabled); }
    bool waitForAckn() const { return getLocked(m_lock, m_waitForAckn); }
    bool skipRastEnabled() const { return getLocked(m_lock, m_skipRastEnabled); }
    QString statusRasten() const { return getLocked(m_lock, m_statusRasten); }
    QString statusHeating() const { return getLocked(m_lock, m_statusHeating); }
    int ertFilling() const { return getLocked(m_lock, m_ertFilling); }
    bool fillingActive() const { return getLocked(m_lock, m_fillingActive); }
    bool abmaischenActive() const { return getLocked(m_lock, m_abmaischenActive); }
    bool hgActive() const { return getLocked(m_lock, m_hgActive); }
    bool hgFinished() const { return getLocked(m_lock, m_hgFinished); }
    int ertHeating() const { return getLocked(m_lock, m_ertHeating); }
    bool ngActive() const { return getLocked(m_lock, m_ngActive); }
    bool ngFinished() const { return getLocked(m_lock, m_ngFinished); }
    int ngStep() const { return getLocked(m_lock, m_ngStep); }
    float ngLitersStep() const { return getLocked(m_lock, m_ngLitersStep); }
    float ngLitersTotal() const { return getLocked(m_lock, m_ngLitersTotal); }
    bool trubwurzeActive() const { return getLocked(m_lock, m_trubwurzeActive); }
    bool lauternActive() const { return getLocked(m_lock, m_lauternActive); }
    bool lauterruheFinished() const { return getLocked(m_lock, m_lauterruheFinished); }
    int stammwurzeHeating() const { return getLocked(m_lock, m_stammwurzeHeating); }
    int stammwurzeHeatingDefault() const { return m_stammwurzeHeatingDefault; }
    int stammwurzeCooking() const { return getLocked(m_lock, m_stammwurzeCooking); }
    int stammwurzeCookingDefault() const { return m_stammwurzeCookingDefault; }
    int stammwurzeHeatingTime() const { return getLocked(m_lock, m_stammwurzeHeatingTime); }
    int stammwurzeCookingTime() const { return getLocked(m_lock, m_stammwurzeCookingTime); }
    int enableAutoWhirlpoolBtn() const { return getLocked(m_lock, m_enableAutoWhirlpoolBtn); }
    int recoveryCount() const { return getLocked(m_lock, m_recoveryCount); }
    int fuFreqSpRw1() const { return getLocked(m_lock, m_fuFreqSpRw1); }
    int fuFreqSpPump1() const { return getLocked(m_lock, m_fuFreqSpPump1); }
    int fuFreqSpPumpLautern() const { return getLocked(m_lock, m_fuFreqSpPumpLautern); }
    int fuFreqSpRw2() const { return getLocked(m_lock, m_fuFreqSpRw2); }
    int fuFreqSpPump2() const { return getLocked(m_lock, m_fuFreqSpPump2); }

    void setActiveA(bool value);
    void setActiveB(bool value);
    void setStepA(int value);
    void setStepB(int value);
    void setStepBOffset(int value);
    void setHandEnabled(bool value);
    void setUseLauterPumpFreq(bool value);
    void setManualHeatingAEnabled(bool value);
    void setManualHeatingBEnabled(bool value);
    void setWaitForAckn(bool value);
    void setSkipRastEnabled(bool value);
    void setStatusRasten(const QString &value);
    void setStatusHeating(const QString &value);
    void setErtFilling(int value);
    void setFillingActive(bool value);
    void setAbmaischenActive(bool value);
    void setHgActive(bool value);
    void setHgFinished(bool value);
    void setErtHeating(int value);
    void setNgActive(bool value);
    void setNgFinished(bool value);
    void setNgStep(int value);
    void setNgLitersStep(float value);
    void setNgLitersTotal(float value);
    void setTrubwurzeActive(bool value);
    void setLauternActive(bool value);
    void setLauterruheFinished(bool value);
    void setStammwurzeHeating(int value);
    void setStammwurzeCooking(int value);
    void setStammwurzeHeatingTime(int value);
    void setStammwurzeCookingTime(int value);
    void setEnableAutoWhirlpoolBtn(int value);
    void setRecoveryCount(int value);
    void setFuFreqSpRw1(int value);
    void setFuFreqSpPump1(int value);
    void setFuFreqSpPumpLautern(int value);
    void setFuFreqSpRw2(int value);
    void setFuFreqSpPump2(int value);

    // Line A or line B runs; both flags read under one hold of the lock.
    bool isActive() const;

Q_SIGNALS:
    void activeAChanged();
    void activeBChanged();
    void stepAChanged();
    void stepBChanged();
    void stepBOffsetChanged();
    void handEnabledChanged();
    void useLauterPumpFreqChanged();
    void manualHeatingAEnabledChanged();
    void manualHeatingBEnabledChanged();
    void waitForAcknChanged();
    void skipRastEnabledChanged();
    void statusRastenChanged();
    void statusHeatingChanged();
    void ertFillingChanged();
    void fillingActiveChanged();
    void abmaischenActiveChanged();
    void hgActiveChanged();
    void hgFinishedChanged();
    void ertHeatingChanged();
    void ngActiveChanged();
    void ngFinishedChanged();
    void ngStepChanged();
    void ngLitersStepChanged();
    void ngLitersTotalChanged();
    void trubwurzeActiveChanged();
    void lauternActiveChanged();
    void lauterruheFinishedChanged();
    void stammwurzeHeatingChanged();
    void stammwurzeCookingChanged();
    void stammwurzeHeatingTimeChanged();
    void stammwurzeCookingTimeChanged();
    void enableAutoWhirlpoolBtnChanged();
    void recoveryCountChanged();
    void fuFreqSpRw1Changed();
    void fuFreqSpPump1Changed();
    void fuFreqSpPumpLauternChanged();
    void fuFreqSpRw2Changed();
    void fuFreqSpPump2Changed();

    void toPy(Auto::AutoEnum code, const QJSValue &value);
    void toPyQVar(Auto::AutoEnum code, const QVariant &value);
    void auto1PopupPrepare();
    void auto2PopupPrepare();

    void recoveryDataXChanged();

public Q_SLOTS:
    // Connected to the plant layout (Values' heatZoneCountBChanged): emits
    // recoveryDataXChanged when isSpecial now differs from the last answer
    // announced. Runs in the GUI thread, queued after a write from Python.
    void _followIsSpecial();

private:
    template <typename T>
    void store(T &field, const T &value, void (Auto::*changed)())
    {
        setLocked(m_lock, field, value, this, changed);
    }

    mutable QRecursiveMutex m_lock;
    bool m_activeA = false;
    bool m_activeB = false;
    int m_stepA = StepInactive;
    const int m_stepADefault = StepInactive;
    int m_stepB = StepInactive;
    const int m_stepBDefault = StepInactive;
    int m_stepBOffset = StepLautern;
    const int m_stepBOffsetDefault = StepLautern;
    bool m_handEnabled = true;
    const bool m_handEnabledDefault = true;
    bool m_useLauterPumpFreq = false;
    bool m_manualHeatingAEnabled = false;
    bool m_manualHeatingBEnabled = false;
    bool m_waitForAckn = false;
    bool m_skipRastEnabled = false;
    QString m_statusRasten;
    QString m_statusHeating;
    int m_ertFilling = 0;
    bool m_fillingActive = false;
    bool m_abmaischenActive = false;
    bool m_hgActive = false;
    bool m_hgFinished = false;
    int m_ertHeating = -1;
    bool m_ngActive = false;
    bool m_ngFinished = false;
    int m_ngStep = 0;
    float m_ngLitersStep = 0.0f;
    float m_ngLitersTotal = 0.0f;
    bool m_trubwurzeActive = false;
    bool m_lauternActive = false;
    bool m_lauterruheFinished = false;
    int m_stammwurzeHeating = 120;
    const int m_stammwurzeHeatingDefault = 120;
    int m_stammwurzeCooking = 120;
    const int m_stammwurzeCookingDefault = 120;
    int m_stammwurzeHeatingTime = 0;
    int m_stammwurzeCookingTime = 0;
    int m_enableAutoWhirlpoolBtn = 0;
    int m_recoveryCount = 0;
    int m_fuFreqSpRw1 = 0;
    int m_fuFreqSpPump1 = 0;
    int m_fuFreqSpPumpLautern = 0;
    int m_fuFreqSpRw2 = 0;
    int m_fuFreqSpPump2 = 0;
    // isSpecial as last announced through recoveryDataXChanged.
    std::atomic<bool> m_recoveryDataXIsB{false};
    RecoveryData m_recoveryDataA;
    RecoveryData m_recoveryDataB;
};

using AutoEnum = Auto::AutoEnum;
using StepsEnum = Auto::StepsEnum;
