#include <pybind11/pybind11.h>

#include "auto.h"

#include <mutex>

#include "binding_helpers.h"
#include "state_objects.h"
#include "types.h"
#include "values.h"

namespace py = pybind11;

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

namespace {

// Python's AutoKeys: no state, only the names of the keyed properties.
struct AutoKeys
{
};

} // namespace

void Auto::prepareModule(py::module_ &m)
{
    py::class_<RecoveryData>(m, "RecoveryData")
        .def_property("recipe_name", &RecoveryData::recipeName, &RecoveryData::setRecipeName)
        .def_property("step_str", &RecoveryData::stepStr, &RecoveryData::setStepStr)
        .def_property("step", &RecoveryData::step, &RecoveryData::setStep)
        .def_property("water_treated_time", &RecoveryData::waterTreatedTime, &RecoveryData::setWaterTreatedTime)
        .def_property("hauptguss", &RecoveryData::hauptguss, floatSetter(&RecoveryData::setHauptguss))
        .def_property("nachguss", &RecoveryData::nachguss, floatSetter(&RecoveryData::setNachguss))
        .def_property("rast_start_step", &RecoveryData::rastStartStep, &RecoveryData::setRastStartStep)
        .def_property("rast_elapsed", &RecoveryData::rastElapsed, &RecoveryData::setRastElapsed)
        .def_property("lauterruhe_elapsed", &RecoveryData::lauterruheElapsed, &RecoveryData::setLauterruheElapsed)
        .def_property("trubwurze_active", &RecoveryData::trubwurzeActive, &RecoveryData::setTrubwurzeActive)
        .def_property("lautern_active", &RecoveryData::lauternActive, &RecoveryData::setLauternActive)
        .def_property("cooking_elapsed", &RecoveryData::cookingElapsed, &RecoveryData::setCookingElapsed)
        .def_property("hopfen_last_checked", &RecoveryData::hopfenLastChecked, &RecoveryData::setHopfenLastChecked)
        .def("reset", &RecoveryData::reset);

    // The snapshots are members of the global Auto: Python never owns them.
    const auto byReference = py::return_value_policy::reference;
    py::class_<Auto>(m, "AutoClass")
        .def_property("active_a", &Auto::activeA, &Auto::setActiveA)
        .def_property("active_b", &Auto::activeB, &Auto::setActiveB)
        .def_property("step_a", &Auto::stepA, &Auto::setStepA)
        .def_property("step_b", &Auto::stepB, &Auto::setStepB)
        .def_property("step_b_offset", &Auto::stepBOffset, &Auto::setStepBOffset)
        .def_property("hand_enabled", &Auto::handEnabled, &Auto::setHandEnabled)
        .def_property_readonly("hand_enabled_default", &Auto::handEnabledDefault)
        .def_property("use_lauter_pump_freq", &Auto::useLauterPumpFreq, &Auto::setUseLauterPumpFreq)
        .def_property("manual_heating_a_enabled", &Auto::manualHeatingAEnabled, &Auto::setManualHeatingAEnabled)
        .def_property("manual_heating_b_enabled", &Auto::manualHeatingBEnabled, &Auto::setManualHeatingBEnabled)
        .def_property("wait_for_ackn", &Auto::waitForAckn, &Auto::setWaitForAckn)
        .def_property("skip_rast_enabled", &Auto::skipRastEnabled, &Auto::setSkipRastEnabled)
        .def_property("status_rasten", &Auto::statusRasten, &Auto::setStatusRasten)
        .def_property("status_heating", &Auto::statusHeating, &Auto::setStatusHeating)
        .def_property("ert_filling", &Auto::ertFilling, &Auto::setErtFilling)
        .def_property("filling_active", &Auto::fillingActive, &Auto::setFillingActive)
        .def_property("abmaischen_active", &Auto::abmaischenActive, &Auto::setAbmaischenActive)
        .def_property("trubwurze_active", &Auto::trubwurzeActive, &Auto::setTrubwurzeActive)
        .def_property("lautern_active", &Auto::lauternActive, &Auto::setLauternActive)
        .def_property("lauterruhe_finished", &Auto::lauterruheFinished, &Auto::setLauterruheFinished)
        .def_property("hg_active", &Auto::hgActive, &Auto::setHgActive)
        .def_property("hg_finished", &Auto::hgFinished, &Auto::setHgFinished)
        .def_property("ert_heating", &Auto::ertHeating, &Auto::setErtHeating)
        .def_property("ng_active", &Auto::ngActive, &Auto::setNgActive)
        .def_property("ng_finished", &Auto::ngFinished, &Auto::setNgFinished)
        .def_property("ng_step", &Auto::ngStep, &Auto::setNgStep)
        .def_property("ng_liters_step", &Auto::ngLitersStep, floatSetter(&Auto::setNgLitersStep))
        .def_property("ng_liters_total", &Auto::ngLitersTotal, floatSetter(&Auto::setNgLitersTotal))
        .def_property("stammwurze_heating", &Auto::stammwurzeHeating, &Auto::setStammwurzeHeating)
        .def_property("stammwurze_heating_time", &Auto::stammwurzeHeatingTime, &Auto::setStammwurzeHeatingTime)
        .def_property("stammwurze_cooking", &Auto::stammwurzeCooking, &Auto::setStammwurzeCooking)
        .def_property("stammwurze_cooking_time", &Auto::stammwurzeCookingTime, &Auto::setStammwurzeCookingTime)
        .def_property("enable_auto_whirlpool_btn", &Auto::enableAutoWhirlpoolBtn, &Auto::setEnableAutoWhirlpoolBtn)
        .def_property("recovery_count", &Auto::recoveryCount, &Auto::setRecoveryCount)
        .def_property_readonly("recovery_data_a", &Auto::recoveryDataA, byReference)
        .def_property_readonly("recovery_data_b", &Auto::recoveryDataB, byReference)
        .def_property_readonly("recovery_data_x", &Auto::recoveryDataX, byReference)
        .def_property("fu_freq_sp_rw1", &Auto::fuFreqSpRw1, &Auto::setFuFreqSpRw1)
        .def_property("fu_freq_sp_pump1", &Auto::fuFreqSpPump1, &Auto::setFuFreqSpPump1)
        .def_property("fu_freq_sp_pump_lautern", &Auto::fuFreqSpPumpLautern, &Auto::setFuFreqSpPumpLautern)
        .def_property("fu_freq_sp_rw2", &Auto::fuFreqSpRw2, &Auto::setFuFreqSpRw2)
        .def_property("fu_freq_sp_pump2", &Auto::fuFreqSpPump2, &Auto::setFuFreqSpPump2)
        .def("set_fu_freq_sp_rw1", &Auto::setFuFreqSpRw1)
        .def("set_fu_freq_sp_pump1", &Auto::setFuFreqSpPump1)
        .def("set_fu_freq_sp_pump_lautern", &Auto::setFuFreqSpPumpLautern)
        .def("set_fu_freq_sp_rw2", &Auto::setFuFreqSpRw2)
        .def("set_fu_freq_sp_pump2", &Auto::setFuFreqSpPump2)
        // Emitted on the worker thread; the screens receive them queued.
        .def("auto_1_popup_prepare", [](Auto &self) { Q_EMIT self.auto1PopupPrepare(); })
        .def("auto_2_popup_prepare", [](Auto &self) { Q_EMIT self.auto2PopupPrepare(); });

    m.attr("Auto") = py::cast(&g_auto, byReference);

    py::class_<AutoKeys> keys(m, "AutoKeys");
    keys.def(py::init<>());
    for (const char *key : {"active_a", "active_b", "step_a", "step_b", "step_b_offset", "hand_enabled"})
        keys.def_property_readonly_static(key, [key](const py::object &) { return key; });

    py::enum_<AutoEnum> autoEnum(m, "AutoEnum");
    autoEnum.value("Start", Start)
        .value("StopA", StopA)
        .value("StopB", StopB)
        .value("NextStep", NextStep)
        .value("HandEnabled", HandEnabled)
        .value("BeginLauterRuhe", BeginLauterRuhe)
        .value("ToggleHg", ToggleHg)
        .value("ToggleNg", ToggleNg)
        .value("ToggleWaterTreated", ToggleWaterTreated)
        .value("ToggleLautern", ToggleLautern)
        .value("ToggleTrubwurze", ToggleTrubwurze)
        .value("ToggleManualFilling", ToggleManualFilling)
        .value("NgLitersSetpointTmp", NgLitersSetpointTmp)
        .value("SetHopfengabe", SetHopfengabe)
        .value("FinishAckn", FinishAckn)
        .value("MiscEventA", MiscEventA)
        .value("MiscEventB", MiscEventB)
        .value("SetStammwurzeHeating", SetStammwurzeHeating)
        .value("SetStammwurzeCooking", SetStammwurzeCooking)
        .value("FuFreqSpRw1", FuFreqSpRw1)
        .value("FuFreqSpPump1", FuFreqSpPump1)
        .value("FuFreqSpRw2", FuFreqSpRw2)
        .value("FuFreqSpPump2", FuFreqSpPump2);
    TAVELL_ASSERT_ENUM_ENTRIES(autoEnum, AutoEnumCount);

    // Steps order against each other and against ints.
    py::enum_<StepsEnum> steps(m, "StepsEnum", py::arithmetic());
    steps.value("Unknown", StepUnknown)
        .value("Inactive", StepInactive)
        .value("Fuellen", StepFuellen)
        .value("Einmaischen", StepEinmaischen)
        .value("Rasten", StepRasten)
        .value("Abmaischen", StepAbmaischen)
        .value("Lautern", StepLautern)
        .value("Heizen", StepHeizen)
        .value("Kochen", StepKochen)
        .value("NotRequired", StepNotRequired);
    // The count covers only the non-negative steps.
    TAVELL_ASSERT_ENUM_ENTRIES(steps, StepsEnumCount + 2);

    m.attr("FIRST_STEP") = steps.attr("Fuellen");
    m.attr("SEPARATOR_STEP") = steps.attr("Lautern");
}
