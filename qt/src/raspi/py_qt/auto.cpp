#include "auto.h"

#include <mutex>

#include "values.h"

void RecoveryData::setRecipeName(const QString &value) { store(m_recipeName, value, &RecoveryData::recipeNameChanged); }
void RecoveryData::setStepStr(const QString &value) { store(m_stepStr, value, &RecoveryData::stepStrChanged); }
void RecoveryData::setStep(int value) { store(m_step, value, &RecoveryData::stepChanged); }
void RecoveryData::setWaterTreatedTime(int value)
{
    store(m_waterTreatedTime, value, &RecoveryData::waterTreatedTimeChanged);
}
void RecoveryData::setHauptguss(float value) { store(m_hauptguss, value, &RecoveryData::hauptgussChanged); }
void RecoveryData::setNachguss(float value) { store(m_nachguss, value, &RecoveryData::nachgussChanged); }
void RecoveryData::setRastStartStep(int value) { store(m_rastStartStep, value, &RecoveryData::rastStartStepChanged); }
void RecoveryData::setRastElapsed(int value) { store(m_rastElapsed, value, &RecoveryData::rastElapsedChanged); }
void RecoveryData::setLauterruheElapsed(int value)
{
    store(m_lauterruheElapsed, value, &RecoveryData::lauterruheElapsedChanged);
}
void RecoveryData::setTrubwurzeActive(bool value)
{
    store(m_trubwurzeActive, value, &RecoveryData::trubwurzeActiveChanged);
}
void RecoveryData::setLauternActive(bool value) { store(m_lauternActive, value, &RecoveryData::lauternActiveChanged); }
void RecoveryData::setCookingElapsed(int value) { store(m_cookingElapsed, value, &RecoveryData::cookingElapsedChanged); }
void RecoveryData::setHopfenLastChecked(int value)
{
    store(m_hopfenLastChecked, value, &RecoveryData::hopfenLastCheckedChanged);
}

void RecoveryData::reset()
{
    // The setters take the (recursive) lock again and emit while it is held.
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    setRecipeName(QString());
    setStepStr(QString());
    setStep(Auto::StepInactive);
    setWaterTreatedTime(-1);
    setHauptguss(0.0f);
    setNachguss(0.0f);
    setRastStartStep(0);
    setRastElapsed(0);
    setLauterruheElapsed(0);
    setTrubwurzeActive(false);
    setLauternActive(false);
    setCookingElapsed(0);
    setHopfenLastChecked(0);
}

Auto::Auto()
    : m_recoveryDataXIsB(isSpecial.load())
{
}

RecoveryData *Auto::recoveryDataX() { return isSpecial ? &m_recoveryDataB : &m_recoveryDataA; }

bool Auto::isActive() const
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    return m_activeA || m_activeB;
}

void Auto::_followIsSpecial()
{
    const bool now = isSpecial;
    if (m_recoveryDataXIsB.exchange(now) != now)
        Q_EMIT recoveryDataXChanged();
}

void Auto::setActiveA(bool value) { store(m_activeA, value, &Auto::activeAChanged); }
void Auto::setActiveB(bool value) { store(m_activeB, value, &Auto::activeBChanged); }
void Auto::setStepA(int value) { store(m_stepA, value, &Auto::stepAChanged); }
void Auto::setStepB(int value) { store(m_stepB, value, &Auto::stepBChanged); }
void Auto::setStepBOffset(int value) { store(m_stepBOffset, value, &Auto::stepBOffsetChanged); }
void Auto::setHandEnabled(bool value) { store(m_handEnabled, value, &Auto::handEnabledChanged); }
void Auto::setUseLauterPumpFreq(bool value) { store(m_useLauterPumpFreq, value, &Auto::useLauterPumpFreqChanged); }
void Auto::setManualHeatingAEnabled(bool value)
{
    store(m_manualHeatingAEnabled, value, &Auto::manualHeatingAEnabledChanged);
}
void Auto::setManualHeatingBEnabled(bool value)
{
    store(m_manualHeatingBEnabled, value, &Auto::manualHeatingBEnabledChanged);
}
void Auto::setWaitForAckn(bool value) { store(m_waitForAckn, value, &Auto::waitForAcknChanged); }
void Auto::setSkipRastEnabled(bool value) { store(m_skipRastEnabled, value, &Auto::skipRastEnabledChanged); }
void Auto::setStatusRasten(const QString &value) { store(m_statusRasten, value, &Auto::statusRastenChanged); }
void Auto::setStatusHeating(const QString &value) { store(m_statusHeating, value, &Auto::statusHeatingChanged); }
void Auto::setErtFilling(int value) { store(m_ertFilling, value, &Auto::ertFillingChanged); }
void Auto::setFillingActive(bool value) { store(m_fillingActive, value, &Auto::fillingActiveChanged); }
void Auto::setAbmaischenActive(bool value) { store(m_abmaischenActive, value, &Auto::abmaischenActiveChanged); }
void Auto::setHgActive(bool value) { store(m_hgActive, value, &Auto::hgActiveChanged); }
void Auto::setHgFinished(bool value) { store(m_hgFinished, value, &Auto::hgFinishedChanged); }
void Auto::setErtHeating(int value) { store(m_ertHeating, value, &Auto::ertHeatingChanged); }
void Auto::setNgActive(bool value) { store(m_ngActive, value, &Auto::ngActiveChanged); }
void Auto::setNgFinished(bool value) { store(m_ngFinished, value, &Auto::ngFinishedChanged); }
void Auto::setNgStep(int value) { store(m_ngStep, value, &Auto::ngStepChanged); }
void Auto::setNgLitersStep(float value) { store(m_ngLitersStep, value, &Auto::ngLitersStepChanged); }
void Auto::setNgLitersTotal(float value) { store(m_ngLitersTotal, value, &Auto::ngLitersTotalChanged); }
void Auto::setTrubwurzeActive(bool value) { store(m_trubwurzeActive, value, &Auto::trubwurzeActiveChanged); }
void Auto::setLauternActive(bool value) { store(m_lauternActive, value, &Auto::lauternActiveChanged); }
void Auto::setLauterruheFinished(bool value)
{
    store(m_lauterruheFinished, value, &Auto::lauterruheFinishedChanged);
}
void Auto::setStammwurzeHeating(int value) { store(m_stammwurzeHeating, value, &Auto::stammwurzeHeatingChanged); }
void Auto::setStammwurzeCooking(int value) { store(m_stammwurzeCooking, value, &Auto::stammwurzeCookingChanged); }
void Auto::setStammwurzeHeatingTime(int value)
{
    store(m_stammwurzeHeatingTime, value, &Auto::stammwurzeHeatingTimeChanged);
}
void Auto::setStammwurzeCookingTime(int value)
{
    store(m_stammwurzeCookingTime, value, &Auto::stammwurzeCookingTimeChanged);
}
void Auto::setEnableAutoWhirlpoolBtn(int value)
{
    store(m_enableAutoWhirlpoolBtn, value, &Auto::enableAutoWhirlpoolBtnChanged);
}
void Auto::setRecoveryCount(int value) { store(m_recoveryCount, value, &Auto::recoveryCountChanged); }
void Auto::setFuFreqSpRw1(int value) { store(m_fuFreqSpRw1, value, &Auto::fuFreqSpRw1Changed); }
void Auto::setFuFreqSpPump1(int value) { store(m_fuFreqSpPump1, value, &Auto::fuFreqSpPump1Changed); }
void Auto::setFuFreqSpPumpLautern(int value)
{
    store(m_fuFreqSpPumpLautern, value, &Auto::fuFreqSpPumpLauternChanged);
}
void Auto::setFuFreqSpRw2(int value) { store(m_fuFreqSpRw2, value, &Auto::fuFreqSpRw2Changed); }
void Auto::setFuFreqSpPump2(int value) { store(m_fuFreqSpPump2, value, &Auto::fuFreqSpPump2Changed); }
