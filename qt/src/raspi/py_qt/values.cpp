#include <pybind11/pybind11.h>

#include "values.h"

#include "binding_helpers.h"
#include "log.h"
#include "state_objects.h"
#include "types.h"

#include <cmath>
#include <limits>
#include <set>
#include <string>

namespace py = pybind11;

std::atomic<bool> isSpecial{false};

struct Values::ZoneFlag
{
    bool &field;
    void (Values::*changed)();
    ValuesEnum code;
};

namespace {

QVector<bool> zonesFor(int count, const std::array<bool, 4> &flags, const char *caller, const char *countKey)
{
    if (count == 3)
        return {flags[0], flags[1], flags[2]};
    if (count != 0 && count < 3)
        logWarningPrintf("%s wurde gerufen, obwohl %s (%i) wurde noch nicht gesetzt wurde. Es wird eine Liste mit 4 "
                         "Werten zurückgegeben.",
                         caller, countKey, count);
    return {flags[0], flags[1], flags[2], flags[3]};
}

} // namespace

Values::Values() = default;

void Values::setStatusA(const QString &value) { store(m_statusA, value, &Values::statusAChanged); }
void Values::setStatusB(const QString &value) { store(m_statusB, value, &Values::statusBChanged); }
void Values::setCpuTemp(const QVariant &value) { store(m_cpuTemp, value, &Values::cpuTempChanged); }
void Values::setUpgradeIgnoreVersions(const QVariantMap &value)
{
    store(m_upgradeIgnoreVersions, value, &Values::upgradeIgnoreVersionsChanged);
}
void Values::setUnknownW1SensorsValues(const QVariantMap &value)
{
    store(m_unknownW1SensorsValues, value, &Values::unknownW1SensorsValuesChanged);
}
void Values::setW1(const StringMap &value) { store(m_w1, value, &Values::w1Changed); }

void Values::setHeatZoneTempMax(int value) { store(m_heatZoneTempMax, value, &Values::heatZoneTempMaxChanged); }
void Values::setHeatingSetpoint(int value) { store(m_heatingSetpoint, value, &Values::heatingSetpointChanged); }
void Values::setHeatingActive(bool value) { store(m_heatingActive, value, &Values::heatingActiveChanged); }
void Values::setHeatZone1Enabled(bool value) { store(m_heatZone1Enabled, value, &Values::heatZone1EnabledChanged); }
void Values::setHeatZone2Enabled(bool value) { store(m_heatZone2Enabled, value, &Values::heatZone2EnabledChanged); }
void Values::setHeatZone3Enabled(bool value) { store(m_heatZone3Enabled, value, &Values::heatZone3EnabledChanged); }
void Values::setHeatZone4Enabled(bool value) { store(m_heatZone4Enabled, value, &Values::heatZone4EnabledChanged); }
void Values::setTempKesselModel(const QVector<QString> &value)
{
    store(m_tempKesselModel, value, &Values::tempKesselModelChanged);
}
void Values::setTempKesselSensorKey(const QString &value)
{
    store(m_tempKesselSensorKey, value, &Values::tempKesselSensorKeyChanged);
}
void Values::setHeatZoneCount(int value) { store(m_heatZoneCount, value, &Values::heatZoneCountChanged); }
void Values::setTempKessel(const TemperatureOrError &value)
{
    store(m_tempKessel, value, &Values::tempKesselChanged);
}
void Values::setTempZone1(const TemperatureOrError &value) { store(m_tempZone1, value, &Values::tempZone1Changed); }
void Values::setTempZone2(const TemperatureOrError &value) { store(m_tempZone2, value, &Values::tempZone2Changed); }
void Values::setTempZone3(const TemperatureOrError &value) { store(m_tempZone3, value, &Values::tempZone3Changed); }
void Values::setTempZone4(const TemperatureOrError &value) { store(m_tempZone4, value, &Values::tempZone4Changed); }

void Values::setHeatingBSetpoint(int value) { store(m_heatingBSetpoint, value, &Values::heatingBSetpointChanged); }
void Values::setHeatingBActive(bool value) { store(m_heatingBActive, value, &Values::heatingBActiveChanged); }
void Values::setHeatZoneB1Enabled(bool value)
{
    store(m_heatZoneB1Enabled, value, &Values::heatZoneB1EnabledChanged);
}
void Values::setHeatZoneB2Enabled(bool value)
{
    store(m_heatZoneB2Enabled, value, &Values::heatZoneB2EnabledChanged);
}
void Values::setHeatZoneB3Enabled(bool value)
{
    store(m_heatZoneB3Enabled, value, &Values::heatZoneB3EnabledChanged);
}
void Values::setHeatZoneB4Enabled(bool value)
{
    store(m_heatZoneB4Enabled, value, &Values::heatZoneB4EnabledChanged);
}
void Values::setTempKesselBModel(const QVector<QString> &value)
{
    store(m_tempKesselBModel, value, &Values::tempKesselBModelChanged);
}
void Values::setTempKesselBSensorKey(const QString &value)
{
    store(m_tempKesselBSensorKey, value, &Values::tempKesselBSensorKeyChanged);
}
void Values::setTempKesselB(const TemperatureOrError &value)
{
    store(m_tempKesselB, value, &Values::tempKesselBChanged);
}
void Values::setTempZoneB1(const TemperatureOrError &value)
{
    store(m_tempZoneB1, value, &Values::tempZoneB1Changed);
}
void Values::setTempZoneB2(const TemperatureOrError &value)
{
    store(m_tempZoneB2, value, &Values::tempZoneB2Changed);
}
void Values::setTempZoneB3(const TemperatureOrError &value)
{
    store(m_tempZoneB3, value, &Values::tempZoneB3Changed);
}
void Values::setTempZoneB4(const TemperatureOrError &value)
{
    store(m_tempZoneB4, value, &Values::tempZoneB4Changed);
}

void Values::setCookingStartTempMin(int value)
{
    store(m_cookingStartTempMin, value, &Values::cookingStartTempMinChanged);
}
void Values::setCookingStartTempMax(int value)
{
    store(m_cookingStartTempMax, value, &Values::cookingStartTempMaxChanged);
}
void Values::setCookingStartTemp(int value)
{
    clamp(m_cookingStartTemp, value, m_cookingStartTempMin, m_cookingStartTempMax, &Values::cookingStartTempChanged);
}
void Values::setKondensatorStartTempMin(int value)
{
    store(m_kondensatorStartTempMin, value, &Values::kondensatorStartTempMinChanged);
}
void Values::setKondensatorStartTempMax(int value)
{
    store(m_kondensatorStartTempMax, value, &Values::kondensatorStartTempMaxChanged);
}
void Values::setKondensatorStartTemp(int value)
{
    clamp(m_kondensatorStartTemp, value, m_kondensatorStartTempMin, m_kondensatorStartTempMax, &Values::kondensatorStartTempChanged);
}

void Values::setAutoKondensator(bool value) { store(m_autoKondensator, value, &Values::autoKondensatorChanged); }
void Values::setAutoKondBtnEnabled(bool value)
{
    store(m_autoKondBtnEnabled, value, &Values::autoKondBtnEnabledChanged);
}
void Values::setWhirlpoolEnabled(bool value) { store(m_whirlpoolEnabled, value, &Values::whirlpoolEnabledChanged); }
void Values::setWhirlpoolSecondsMin(int value)
{
    store(m_whirlpoolSecondsMin, value, &Values::whirlpoolSecondsMinChanged);
}
void Values::setWhirlpoolSecondsMax(int value)
{
    store(m_whirlpoolSecondsMax, value, &Values::whirlpoolSecondsMaxChanged);
}
void Values::setWhirlpoolSeconds(int value)
{
    clamp(m_whirlpoolSeconds, value, m_whirlpoolSecondsMin, m_whirlpoolSecondsMax, &Values::whirlpoolSecondsChanged);
}
void Values::setWhirlpoolMinFreqMin(int value)
{
    store(m_whirlpoolMinFreqMin, value, &Values::whirlpoolMinFreqMinChanged);
}
void Values::setWhirlpoolMinFreqMax(int value)
{
    store(m_whirlpoolMinFreqMax, value, &Values::whirlpoolMinFreqMaxChanged);
}
void Values::setWhirlpoolMinFreq(int value)
{
    clamp(m_whirlpoolMinFreq, value, m_whirlpoolMinFreqMin, m_whirlpoolMinFreqMax, &Values::whirlpoolMinFreqChanged);
}

void Values::setStammwuerzeMin(int value) { store(m_stammwuerzeMin, value, &Values::stammwuerzeMinChanged); }
void Values::setStammwuerzeMax(int value) { store(m_stammwuerzeMax, value, &Values::stammwuerzeMaxChanged); }
void Values::setHauptgussMin(int value) { store(m_hauptgussMin, value, &Values::hauptgussMinChanged); }
void Values::setHauptgussMax(int value) { store(m_hauptgussMax, value, &Values::hauptgussMaxChanged); }
void Values::setHauptgussTempMin(int value) { store(m_hauptgussTempMin, value, &Values::hauptgussTempMinChanged); }
void Values::setMaischTempMin(int value) { store(m_maischTempMin, value, &Values::maischTempMinChanged); }
void Values::setMaischTempMax(int value) { store(m_maischTempMax, value, &Values::maischTempMaxChanged); }
void Values::setRastTempMin(int value) { store(m_rastTempMin, value, &Values::rastTempMinChanged); }
void Values::setRastTempMax(int value) { store(m_rastTempMax, value, &Values::rastTempMaxChanged); }
void Values::setRastTimeMin(int value) { store(m_rastTimeMin, value, &Values::rastTimeMinChanged); }
void Values::setRastTimeMax(int value) { store(m_rastTimeMax, value, &Values::rastTimeMaxChanged); }
void Values::setNachgussLiterMin(int value) { store(m_nachgussLiterMin, value, &Values::nachgussLiterMinChanged); }
void Values::setNachgussLiterMax(int value) { store(m_nachgussLiterMax, value, &Values::nachgussLiterMaxChanged); }
void Values::setNachgussCountMin(int value) { store(m_nachgussCountMin, value, &Values::nachgussCountMinChanged); }
void Values::setNachgussCountMax(int value) { store(m_nachgussCountMax, value, &Values::nachgussCountMaxChanged); }
void Values::setCookingTimeMin(int value) { store(m_cookingTimeMin, value, &Values::cookingTimeMinChanged); }
void Values::setCookingTimeMax(int value) { store(m_cookingTimeMax, value, &Values::cookingTimeMaxChanged); }
void Values::setCookingPowerPercentageMin(int value)
{
    store(m_cookingPowerPercentageMin, value, &Values::cookingPowerPercentageMinChanged);
}
void Values::setCookingPowerPercentageMax(int value)
{
    store(m_cookingPowerPercentageMax, value, &Values::cookingPowerPercentageMaxChanged);
}
void Values::setEvaporationRateMin(int value)
{
    store(m_evaporationRateMin, value, &Values::evaporationRateMinChanged);
}
void Values::setEvaporationRateMax(int value)
{
    store(m_evaporationRateMax, value, &Values::evaporationRateMaxChanged);
}

void Values::setFuFreqSpRw1Min(int value) { store(m_fuFreqSpRw1Min, value, &Values::fuFreqSpRw1MinChanged); }
void Values::setFuFreqSpRw1Max(int value) { store(m_fuFreqSpRw1Max, value, &Values::fuFreqSpRw1MaxChanged); }
void Values::setFuFreqSpRw1(int value)
{
    clamp(m_fuFreqSpRw1, value, m_fuFreqSpRw1Min, m_fuFreqSpRw1Max, &Values::fuFreqSpRw1Changed);
}
void Values::setFuFreqSpPump1Min(int value) { store(m_fuFreqSpPump1Min, value, &Values::fuFreqSpPump1MinChanged); }
void Values::setFuFreqSpPump1Max(int value) { store(m_fuFreqSpPump1Max, value, &Values::fuFreqSpPump1MaxChanged); }
void Values::setFuFreqSpPump1(int value)
{
    clamp(m_fuFreqSpPump1, value, m_fuFreqSpPump1Min, m_fuFreqSpPump1Max, &Values::fuFreqSpPump1Changed);
}
void Values::setFuFreqSpPumpLautern(int value)
{
    store(m_fuFreqSpPumpLautern, value, &Values::fuFreqSpPumpLauternChanged);
}
void Values::setFuRw1Ok(bool value) { store(m_fuRw1Ok, value, &Values::fuRw1OkChanged); }
void Values::setFuPump1Ok(bool value) { store(m_fuPump1Ok, value, &Values::fuPump1OkChanged); }

void Values::setFuFreqSpRw2Min(int value) { store(m_fuFreqSpRw2Min, value, &Values::fuFreqSpRw2MinChanged); }
void Values::setFuFreqSpRw2Max(int value) { store(m_fuFreqSpRw2Max, value, &Values::fuFreqSpRw2MaxChanged); }
void Values::setFuFreqSpRw2(int value)
{
    clamp(m_fuFreqSpRw2, value, m_fuFreqSpRw2Min, m_fuFreqSpRw2Max, &Values::fuFreqSpRw2Changed);
}
void Values::setFuFreqSpPump2Min(int value) { store(m_fuFreqSpPump2Min, value, &Values::fuFreqSpPump2MinChanged); }
void Values::setFuFreqSpPump2Max(int value) { store(m_fuFreqSpPump2Max, value, &Values::fuFreqSpPump2MaxChanged); }
void Values::setFuFreqSpPump2(int value)
{
    clamp(m_fuFreqSpPump2, value, m_fuFreqSpPump2Min, m_fuFreqSpPump2Max, &Values::fuFreqSpPump2Changed);
}
void Values::setFuRw2Ok(bool value) { store(m_fuRw2Ok, value, &Values::fuRw2OkChanged); }
void Values::setFuPump2Ok(bool value) { store(m_fuPump2Ok, value, &Values::fuPump2OkChanged); }

void Values::setFillrate(float value) { store(m_fillrate, value, &Values::fillrateChanged); }
void Values::setFilled(float value) { store(m_filled, value, &Values::filledChanged); }
void Values::setTicks(int value) { store(m_ticks, value, &Values::ticksChanged); }
void Values::setTicksPerLiterMin(float value) { store(m_ticksPerLiterMin, value, &Values::ticksPerLiterMinChanged); }
void Values::setTicksPerLiterMax(float value) { store(m_ticksPerLiterMax, value, &Values::ticksPerLiterMaxChanged); }
void Values::setTicksPerLiter(float value)
{
    clamp(m_ticksPerLiter, value, m_ticksPerLiterMin, m_ticksPerLiterMax, &Values::ticksPerLiterChanged);
}
void Values::setFilledHg(float value) { store(m_filledHg, value, &Values::filledHgChanged); }
void Values::setFilledNg(float value) { store(m_filledNg, value, &Values::filledNgChanged); }
void Values::setRemotePumpControlActive(bool value)
{
    store(m_remotePumpControlActive, value, &Values::remotePumpControlActiveChanged);
}

void Values::setHeatZoneCountB(int value)
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    if (m_heatZoneCountB == value)
        return;
    m_heatZoneCountB = value;
    // Before the signal, so that the controller's next read and any direct
    // receiver already see the new plant layout.
    _setIsSpecial();
    notifyChanged(this, &Values::heatZoneCountBChanged);
}

void Values::setTempOrErrZoneIndexed(int idx, const TemperatureOrError &value)
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    switch (idx) {
    case 0: setTempZone1(value); break;
    case 1: setTempZone2(value); break;
    case 2: setTempZone3(value); break;
    case 3: setTempZone4(value); break;
    default:
        logCritical() << "[setTempOrErrZoneIndexed] ungültiger Index:" << idx << "- Wert:" << value.toVariant();
    }
}

void Values::setTempOrErrZoneBIndexed(int idx, const TemperatureOrError &value)
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    switch (idx) {
    case 0: setTempZoneB1(value); break;
    case 1: setTempZoneB2(value); break;
    case 2: setTempZoneB3(value); break;
    case 3: setTempZoneB4(value); break;
    default:
        logCritical() << "[setTempOrErrZoneBIndexed] ungültiger Index:" << idx << "- Wert:" << value.toVariant();
    }
}

QVector<bool> Values::getEnabledHeatZones() const
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    return zonesFor(m_heatZoneCount, {m_heatZone1Enabled, m_heatZone2Enabled, m_heatZone3Enabled, m_heatZone4Enabled},
                    "getEnabledHeatZones()", "heat_zone_count");
}

QVector<bool> Values::getEnabledHeatZonesB() const
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    return zonesFor(m_heatZoneCountB,
                    {m_heatZoneB1Enabled, m_heatZoneB2Enabled, m_heatZoneB3Enabled, m_heatZoneB4Enabled},
                    "getEnabledHeatZonesB()", "heat_zone_count_b");
}

void Values::setEnabledHeatZones(const QVector<bool> &flags)
{
    applyZoneFlags(flags, {{{m_heatZone1Enabled, &Values::heatZone1EnabledChanged, HeatZone1Enabled},
                            {m_heatZone2Enabled, &Values::heatZone2EnabledChanged, HeatZone2Enabled},
                            {m_heatZone3Enabled, &Values::heatZone3EnabledChanged, HeatZone3Enabled},
                            {m_heatZone4Enabled, &Values::heatZone4EnabledChanged, HeatZone4Enabled}}});
}

void Values::setEnabledHeatZonesB(const QVector<bool> &flags)
{
    applyZoneFlags(flags, {{{m_heatZoneB1Enabled, &Values::heatZoneB1EnabledChanged, HeatZoneB1Enabled},
                            {m_heatZoneB2Enabled, &Values::heatZoneB2EnabledChanged, HeatZoneB2Enabled},
                            {m_heatZoneB3Enabled, &Values::heatZoneB3EnabledChanged, HeatZoneB3Enabled},
                            {m_heatZoneB4Enabled, &Values::heatZoneB4EnabledChanged, HeatZoneB4Enabled}}});
}

void Values::applyZoneFlags(const QVector<bool> &flags, const std::array<ZoneFlag, 4> &zones)
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    for (int i = 0; i < flags.size() && i < int(zones.size()); ++i) {
        const ZoneFlag &zone = zones[size_t(i)];
        if (zone.field == flags[i])
            continue;
        zone.field = flags[i];
        notifyChanged(this, zone.changed);
        Q_EMIT toPyQVar(zone.code, QVariant(flags[i]));
    }
}

void Values::_setIsSpecial()
{
    // The flag's only writer. Count and flag change under one hold of the
    // lock, so a store made from an older count can never follow a newer one.
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    isSpecial = m_heatZoneCountB > 2;
}

// ---- Python binding (tavell.values) ------------------------------------------

namespace {

// cpuTemp as Python sees it: None for the null value, else a float.
struct CpuTemperature
{
    QVariant value;
};

QVariant nullTemperature() { return QVariant::fromValue(nullptr); }

// A reading as Values stores it: a float variant, or a string for an error text.
TemperatureOrError fromVariant(const QVariant &value)
{
    if (value.userType() == QMetaType::QString)
        return TemperatureOrError(value.toString());
    return TemperatureOrError(value.toFloat());
}

auto temperature(QVariant (Values::*get)() const)
{
    return [get](const Values &values) { return fromVariant((values.*get)()); };
}

// Key class of the controller: a constructor and the keys as read-only class
// attributes.
struct ValueKeys
{
};

const char *const kValueKeys[] = {
    "status_a", "status_b", "cpu_temp", "upgrade_ignore_versions", "w1", "heat_zone_temp_max",
    "unknown_w1_sensors_values", "heating_setpoint", "heating_active", "enabled_heat_zones", "heatzone_1_enabled",
    "heatzone_2_enabled", "heatzone_3_enabled", "heatzone_4_enabled", "temp_kessel_model", "temp_kessel_sensor_key",
    "heat_zone_count", "temp_kessel", "temp_zone_1", "temp_zone_2", "temp_zone_3", "temp_zone_4",
    "heating_b_setpoint", "heating_b_active", "enabled_heat_zones_b", "heatzone_b1_enabled", "heatzone_b2_enabled",
    "heatzone_b3_enabled", "heatzone_b4_enabled", "temp_kessel_b_model", "temp_kessel_b_sensor_key",
    "heat_zone_count_b", "temp_kessel_b", "temp_zone_b1", "temp_zone_b2", "temp_zone_b3", "temp_zone_b4",
    "cooking_start_temp", "cooking_start_temp_min", "cooking_start_temp_max", "cooking_start_temp_default",
    "kondensator_start_temp", "kondensator_start_temp_min", "kondensator_start_temp_max",
    "kondensator_start_temp_default", "auto_kondensator", "auto_kond_btn_enabled", "whirlpool_enabled",
    "whirlpool_seconds", "whirlpool_seconds_min", "whirlpool_seconds_max", "whirlpool_seconds_default",
    "whirlpool_min_freq", "whirlpool_min_freq_min", "whirlpool_min_freq_max", "whirlpool_min_freq_default",
    "stammwuerze_min", "stammwuerze_max", "hauptguss_min", "hauptguss_max", "hauptguss_temp_min", "maisch_temp_min",
    "maisch_temp_max", "rast_temp_min", "rast_temp_max", "rast_time_min", "rast_time_max", "nachguss_liter_min",
    "nachguss_liter_max", "nachguss_count_min", "nachguss_count_max", "cooking_time_min", "cooking_time_max",
    "cooking_power_percentage_min", "cooking_power_percentage_max", "evaporation_rate_min", "evaporation_rate_max",
    "fu_freq_sp_", "fu_freq_sp_rw1", "fu_freq_sp_rw1_min", "fu_freq_sp_rw1_max", "fu_freq_sp_rw1_default",
    "fu_freq_sp_pump1", "fu_freq_sp_pump1_min", "fu_freq_sp_pump1_max", "fu_freq_sp_pump1_default",
    "fu_freq_sp_pump_lautern", "fu_rw1_ok", "fu_pump1_ok", "fu_freq_sp_rw2", "fu_freq_sp_rw2_min",
    "fu_freq_sp_rw2_max", "fu_freq_sp_rw2_default", "fu_freq_sp_pump2", "fu_freq_sp_pump2_min",
    "fu_freq_sp_pump2_max", "fu_freq_sp_pump2_default", "fu_rw2_ok", "fu_pump2_ok", "fillrate", "filled", "ticks",
    "ticks_per_liter", "ticks_per_liter_min", "ticks_per_liter_max", "ticks_per_liter_default", "filled_hg",
    "filled_ng", "remote_pump_control_active",
};

const std::set<std::string> kKeysMinMax = {
    "cooking_start_temp_min", "cooking_start_temp_max", "kondensator_start_temp_min", "kondensator_start_temp_max",
    "whirlpool_seconds_min", "whirlpool_seconds_max", "whirlpool_min_freq_min", "whirlpool_min_freq_max",
    "stammwuerze_min", "stammwuerze_max", "hauptguss_min", "hauptguss_max", "hauptguss_temp_min", "maisch_temp_min",
    "maisch_temp_max", "rast_temp_min", "rast_temp_max", "rast_time_min", "rast_time_max", "nachguss_liter_min",
    "nachguss_liter_max", "nachguss_count_min", "nachguss_count_max", "cooking_time_min", "cooking_time_max",
    "cooking_power_percentage_min", "cooking_power_percentage_max", "evaporation_rate_min", "evaporation_rate_max",
    "fu_freq_sp_rw1_min", "fu_freq_sp_rw1_max", "fu_freq_sp_pump1_min", "fu_freq_sp_pump1_max", "fu_freq_sp_rw2_min",
    "fu_freq_sp_rw2_max", "fu_freq_sp_pump2_min", "fu_freq_sp_pump2_max", "ticks_per_liter_min",
    "ticks_per_liter_max",
};

} // namespace

namespace pybind11 {
namespace detail {

// A float (or subclass) or an int (not a bool) is a reading in degrees
// Celsius; any other object is the controller's error text, taken as the
// QString caster takes it. A number too large for a float stays text.
template <>
struct type_caster<TemperatureOrError>
{
    PYBIND11_TYPE_CASTER(TemperatureOrError, const_name("Union[float, str]"));

    bool load(handle src, bool convert)
    {
        if (!src)
            return false;
        if (PyFloat_Check(src.ptr()) || (PyLong_Check(src.ptr()) && !PyBool_Check(src.ptr()))) {
            const double celsius = PyFloat_AsDouble(src.ptr());
            if (celsius == -1.0 && PyErr_Occurred()) {
                PyErr_Clear();
            } else if (fitsFloat(celsius)) {
                value = TemperatureOrError(float(celsius));
                return true;
            } // else beyond float's range: kept as its text below
        }
        make_caster<QString> text;
        if (!text.load(src, convert))
            return false;
        value = TemperatureOrError(cast_op<QString>(std::move(text)));
        return true;
    }

    static handle cast(const TemperatureOrError &temperature, return_value_policy policy, handle parent)
    {
        if (temperature.isError())
            return make_caster<QString>::cast(temperature.error(), policy, parent);
        PyObject *celsius = PyFloat_FromDouble(double(temperature.celsius()));
        if (!celsius)
            throw error_already_set();
        return celsius;
    }
};

// None is the null value; anything else is taken as float(); a value that
// float() refuses is reported and gives the null value.
template <>
struct type_caster<CpuTemperature>
{
    PYBIND11_TYPE_CASTER(CpuTemperature, const_name("Optional[float]"));

    bool load(handle src, bool convert)
    {
        if (!src)
            return false;
        if (src.is_none()) {
            value.value = nullTemperature();
            return true;
        }
        if (!convert && !PyFloat_Check(src.ptr()))
            return false;
        value.value = guardConversion(TAVELL_CATCH_SITE, nullTemperature(), [&] {
            return QVariant(float_(reinterpret_borrow<object>(src)).cast<double>());
        });
        return !PyErr_Occurred();
    }

    static handle cast(const CpuTemperature &temperature, return_value_policy, handle)
    {
        const QVariant &value = temperature.value;
        if (!value.isValid() || value.userType() == QMetaType::Nullptr)
            return none().release();
        return castQt2Py(value).release();
    }
};

} // namespace detail
} // namespace pybind11

void Values::prepareModule(py::module_ &m)
{
    py::class_<Values> cls(m, "ValuesClass");
    cls.def_property("status_a", &Values::statusA, &Values::setStatusA)
        .def_property("status_b", &Values::statusB, &Values::setStatusB)
        .def_property(
            "cpu_temp", [](const Values &values) { return CpuTemperature{values.cpuTemp()}; },
            [](Values &values, const CpuTemperature &temperature) { values.setCpuTemp(temperature.value); })
        .def_property("upgrade_ignore_versions", &Values::upgradeIgnoreVersions, &Values::setUpgradeIgnoreVersions)
        .def_property("w1", &Values::w1, &Values::setW1)
        .def_property("unknown_w1_sensors_values", &Values::unknownW1SensorsValues,
                      &Values::setUnknownW1SensorsValues)
        .def_property("heating_setpoint", &Values::heatingSetpoint, &Values::setHeatingSetpoint)
        .def_property("heating_active", &Values::heatingActive, &Values::setHeatingActive)
        .def_property("heatzone_1_enabled", &Values::heatZone1Enabled, &Values::setHeatZone1Enabled)
        .def_property("heatzone_2_enabled", &Values::heatZone2Enabled, &Values::setHeatZone2Enabled)
        .def_property("heatzone_3_enabled", &Values::heatZone3Enabled, &Values::setHeatZone3Enabled)
        .def_property("heatzone_4_enabled", &Values::heatZone4Enabled, &Values::setHeatZone4Enabled)
        .def("get_heating_setpoint", &Values::heatingSetpoint)
        .def("set_heating_active", &Values::setHeatingActive)
        .def_property("heating_b_setpoint", &Values::heatingBSetpoint, &Values::setHeatingBSetpoint)
        .def_property("heating_b_active", &Values::heatingBActive, &Values::setHeatingBActive)
        .def_property("heatzone_b1_enabled", &Values::heatZoneB1Enabled, &Values::setHeatZoneB1Enabled)
        .def_property("heatzone_b2_enabled", &Values::heatZoneB2Enabled, &Values::setHeatZoneB2Enabled)
        .def_property("heatzone_b3_enabled", &Values::heatZoneB3Enabled, &Values::setHeatZoneB3Enabled)
        .def_property("heatzone_b4_enabled", &Values::heatZoneB4Enabled, &Values::setHeatZoneB4Enabled)
        .def("get_heating_b_setpoint", &Values::heatingBSetpoint)
        .def("set_heating_b_active", &Values::setHeatingBActive)

        .def_property("cooking_start_temp", &Values::cookingStartTemp, &Values::setCookingStartTemp)
        .def_property("cooking_start_temp_min", &Values::cookingStartTempMin, &Values::setCookingStartTempMin)
        .def_property("cooking_start_temp_max", &Values::cookingStartTempMax, &Values::setCookingStartTempMax)
        .def_property_readonly("cooking_start_temp_default", &Values::cookingStartTempDefault)
        .def_property("kondensator_start_temp", &Values::kondensatorStartTemp, &Values::setKondensatorStartTemp)
        .def_property("kondensator_start_temp_min", &Values::kondensatorStartTempMin,
                      &Values::setKondensatorStartTempMin)
        .def_property("kondensator_start_temp_max", &Values::kondensatorStartTempMax,
                      &Values::setKondensatorStartTempMax)
        .def_property_readonly("kondensator_start_temp_default", &Values::kondensatorStartTempDefault)
        .def_property("auto_kondensator", &Values::autoKondensator, &Values::setAutoKondensator)
        .def_property("auto_kond_btn_enabled", &Values::autoKondBtnEnabled, &Values::setAutoKondBtnEnabled)
        .def_property("whirlpool_enabled", &Values::whirlpoolEnabled, &Values::setWhirlpoolEnabled)
        .def_property("whirlpool_seconds", &Values::whirlpoolSeconds, &Values::setWhirlpoolSeconds)
        .def_property("whirlpool_seconds_min", &Values::whirlpoolSecondsMin, &Values::setWhirlpoolSecondsMin)
        .def_property("whirlpool_seconds_max", &Values::whirlpoolSecondsMax, &Values::setWhirlpoolSecondsMax)
        .def_property_readonly("whirlpool_seconds_default", &Values::whirlpoolSecondsDefault)
        .def_property("whirlpool_min_freq", &Values::whirlpoolMinFreq, &Values::setWhirlpoolMinFreq)
        .def_property("whirlpool_min_freq_min", &Values::whirlpoolMinFreqMin, &Values::setWhirlpoolMinFreqMin)
        .def_property("whirlpool_min_freq_max", &Values::whirlpoolMinFreqMax, &Values::setWhirlpoolMinFreqMax)
        .def_property_readonly("whirlpool_min_freq_default", &Values::whirlpoolMinFreqDefault)

        .def_property("stammwuerze_min", &Values::stammwuerzeMin, &Values::setStammwuerzeMin)
        .def_property("stammwuerze_max", &Values::stammwuerzeMax, &Values::setStammwuerzeMax)
        .def_property("hauptguss_min", &Values::hauptgussMin, &Values::setHauptgussMin)
        .def_property("hauptguss_max", &Values::hauptgussMax, &Values::setHauptgussMax)
        .def_property("hauptguss_temp_min", &Values::hauptgussTempMin, &Values::setHauptgussTempMin)
        .def_property("maisch_temp_min", &Values::maischTempMin, &Values::setMaischTempMin)
        .def_property("maisch_temp_max", &Values::maischTempMax, &Values::setMaischTempMax)
        .def_property("rast_temp_min", &Values::rastTempMin, &Values::setRastTempMin)
        .def_property("rast_temp_max", &Values::rastTempMax, &Values::setRastTempMax)
        .def_property("rast_time_min", &Values::rastTimeMin, &Values::setRastTimeMin)
        .def_property("rast_time_max", &Values::rastTimeMax, &Values::setRastTimeMax)
        .def_property_readonly("rast_count_max", &Values::rastCountMax)
        .def_property("nachguss_liter_min", &Values::nachgussLiterMin, &Values::setNachgussLiterMin)
        .def_property("nachguss_liter_max", &Values::nachgussLiterMax, &Values::setNachgussLiterMax)
        .def_property("nachguss_count_min", &Values::nachgussCountMin, &Values::setNachgussCountMin)
        .def_property("nachguss_count_max", &Values::nachgussCountMax, &Values::setNachgussCountMax)
        .def_property_readonly("hopfen_count_max", &Values::hopfenCountMax)
        .def_property("cooking_time_min", &Values::cookingTimeMin, &Values::setCookingTimeMin)
        .def_property("cooking_time_max", &Values::cookingTimeMax, &Values::setCookingTimeMax)
        .def_property("cooking_power_percentage_min", &Values::cookingPowerPercentageMin,
                      &Values::setCookingPowerPercentageMin)
        .def_property("cooking_power_percentage_max", &Values::cookingPowerPercentageMax,
                      &Values::setCookingPowerPercentageMax)
        .def_property("evaporation_rate_min", &Values::evaporationRateMin, &Values::setEvaporationRateMin)
        .def_property("evaporation_rate_max", &Values::evaporationRateMax, &Values::setEvaporationRateMax)

        .def_property("heat_zone_temp_max", &Values::heatZoneTempMax, &Values::setHeatZoneTempMax)
        .def_property("temp_kessel_model", &Values::tempKesselModel, &Values::setTempKesselModel)
        .def_property("temp_kessel_sensor_key", &Values::tempKesselSensorKey, &Values::setTempKesselSensorKey)
        .def_property("heat_zone_count", &Values::heatZoneCount, &Values::setHeatZoneCount)
        .def_property("enabled_heat_zones", &Values::getEnabledHeatZones, &Values::setEnabledHeatZones)
        .def_property("temp_kessel", temperature(&Values::tempKessel), &Values::setTempKessel)
        .def_property("temp_zone_1", temperature(&Values::tempZone1), &Values::setTempZone1)
        .def_property("temp_zone_2", temperature(&Values::tempZone2), &Values::setTempZone2)
        .def_property("temp_zone_3", temperature(&Values::tempZone3), &Values::setTempZone3)
        .def_property("temp_zone_4", temperature(&Values::tempZone4), &Values::setTempZone4)
        .def("set_temp_or_err_zone_indexed", &Values::setTempOrErrZoneIndexed, py::arg("idx"), py::arg("value"))
        .def("get_enabled_heat_zones", &Values::getEnabledHeatZones)
        .def("set_temp_kessel", &Values::setTempKessel)

        .def_property("temp_kessel_b_model", &Values::tempKesselBModel, &Values::setTempKesselBModel)
        .def_property("temp_kessel_b_sensor_key", &Values::tempKesselBSensorKey, &Values::setTempKesselBSensorKey)
        .def_property("heat_zone_count_b", &Values::heatZoneCountB, &Values::setHeatZoneCountB)
        .def_property("enabled_heat_zones_b", &Values::getEnabledHeatZonesB, &Values::setEnabledHeatZonesB)
        .def_property("temp_kessel_b", temperature(&Values::tempKesselB), &Values::setTempKesselB)
        .def_property("temp_zone_b1", temperature(&Values::tempZoneB1), &Values::setTempZoneB1)
        .def_property("temp_zone_b2", temperature(&Values::tempZoneB2), &Values::setTempZoneB2)
        .def_property("temp_zone_b3", temperature(&Values::tempZoneB3), &Values::setTempZoneB3)
        .def_property("temp_zone_b4", temperature(&Values::tempZoneB4), &Values::setTempZoneB4)
        .def("set_temp_or_err_zone_b_indexed", &Values::setTempOrErrZoneBIndexed, py::arg("idx"), py::arg("value"))
        .def("get_enabled_heat_zones_b", &Values::getEnabledHeatZonesB)
        .def("set_temp_kessel_b", &Values::setTempKesselB)

        .def_property("fu_freq_sp_rw1", &Values::fuFreqSpRw1, &Values::setFuFreqSpRw1)
        .def_property("fu_freq_sp_rw1_min", &Values::fuFreqSpRw1Min, &Values::setFuFreqSpRw1Min)
        .def_property("fu_freq_sp_rw1_max", &Values::fuFreqSpRw1Max, &Values::setFuFreqSpRw1Max)
        .def_property_readonly("fu_freq_sp_rw1_default", &Values::fuFreqSpRw1Default)
        .def_property("fu_freq_sp_pump1", &Values::fuFreqSpPump1, &Values::setFuFreqSpPump1)
        .def_property("fu_freq_sp_pump1_min", &Values::fuFreqSpPump1Min, &Values::setFuFreqSpPump1Min)
        .def_property("fu_freq_sp_pump1_max", &Values::fuFreqSpPump1Max, &Values::setFuFreqSpPump1Max)
        .def_property_readonly("fu_freq_sp_pump1_default", &Values::fuFreqSpPump1Default)
        .def_property("fu_freq_sp_pump_lautern", &Values::fuFreqSpPumpLautern, &Values::setFuFreqSpPumpLautern)
        .def_property_readonly("fu_freq_sp_pump_lautern_default", &Values::fuFreqSpPumpLauternDefault)
        .def_property("fu_rw1_ok", &Values::fuRw1Ok, &Values::setFuRw1Ok)
        .def_property("fu_pump1_ok", &Values::fuPump1Ok, &Values::setFuPump1Ok)
        .def_property("fu_freq_sp_rw2", &Values::fuFreqSpRw2, &Values::setFuFreqSpRw2)
        .def_property("fu_freq_sp_rw2_min", &Values::fuFreqSpRw2Min, &Values::setFuFreqSpRw2Min)
        .def_property("fu_freq_sp_rw2_max", &Values::fuFreqSpRw2Max, &Values::setFuFreqSpRw2Max)
        .def_property_readonly("fu_freq_sp_rw2_default", &Values::fuFreqSpRw2Default)
        .def_property("fu_freq_sp_pump2", &Values::fuFreqSpPump2, &Values::setFuFreqSpPump2)
        .def_property("fu_freq_sp_pump2_min", &Values::fuFreqSpPump2Min, &Values::setFuFreqSpPump2Min)
        .def_property("fu_freq_sp_pump2_max", &Values::fuFreqSpPump2Max, &Values::setFuFreqSpPump2Max)
        .def_property_readonly("fu_freq_sp_pump2_default", &Values::fuFreqSpPump2Default)
        .def_property("fu_rw2_ok", &Values::fuRw2Ok, &Values::setFuRw2Ok)
        .def_property("fu_pump2_ok", &Values::fuPump2Ok, &Values::setFuPump2Ok)
        .def("set_fu_freq_sp_rw1", &Values::setFuFreqSpRw1)
        .def("set_fu_freq_sp_pump1", &Values::setFuFreqSpPump1)
        .def("set_fu_freq_sp_pump_lautern", &Values::setFuFreqSpPumpLautern)
        .def("set_fu_freq_sp_rw2", &Values::setFuFreqSpRw2)
        .def("set_fu_freq_sp_pump2", &Values::setFuFreqSpPump2)

        .def_property("fillrate", &Values::fillrate, floatSetter(&Values::setFillrate))
        .def_property("filled", &Values::filled, floatSetter(&Values::setFilled))
        .def_property("ticks", &Values::ticks, &Values::setTicks)
        .def_property("ticks_per_liter", &Values::ticksPerLiter, floatSetter(&Values::setTicksPerLiter))
        .def_property("ticks_per_liter_min", &Values::ticksPerLiterMin, floatSetter(&Values::setTicksPerLiterMin))
        .def_property("ticks_per_liter_max", &Values::ticksPerLiterMax, floatSetter(&Values::setTicksPerLiterMax))
        .def_property_readonly("ticks_per_liter_default", &Values::ticksPerLiterDefault)
        .def_property("filled_hg", &Values::filledHg, floatSetter(&Values::setFilledHg))
        .def_property("filled_ng", &Values::filledNg, floatSetter(&Values::setFilledNg))
        .def_property("remote_pump_control_active", &Values::remotePumpControlActive,
                      &Values::setRemotePumpControlActive);

    // Python never owns the process-wide object.
    m.attr("Values") = py::cast(&g_values, py::return_value_policy::reference);

    py::dict defaults;
    {
        std::lock_guard<QRecursiveMutex> guard(g_values.m_lock);
        const auto flags = [](const std::array<bool, 4> &zones) {
            return py::cast(QVector<bool>{zones[0], zones[1], zones[2], zones[3]});
        };
        defaults["enabled_heat_zones"] = flags(g_values.m_enabledHeatZonesDefault);
        defaults["enabled_heat_zones_b"] = flags(g_values.m_enabledHeatZonesBDefault);
        defaults["ticks_per_liter"] = py::float_(double(g_values.m_ticksPerLiterDefault));
        defaults["fu_freq_sp_pump1"] = g_values.m_fuFreqSpPump1Default;
        defaults["fu_freq_sp_pump2"] = g_values.m_fuFreqSpPump2Default;
        defaults["fu_freq_sp_rw1"] = g_values.m_fuFreqSpRw1Default;
        defaults["fu_freq_sp_rw2"] = g_values.m_fuFreqSpRw2Default;
        defaults["fu_freq_sp_pump_lautern"] = g_values.m_fuFreqSpPumpLauternDefault;
        defaults["cooking_start_temp"] = g_values.m_cookingStartTempDefault;
        defaults["kondensator_start_temp"] = g_values.m_kondensatorStartTempDefault;
        defaults["auto_kondensator"] = g_values.m_autoKondensatorDefault;
        defaults["whirlpool_enabled"] = g_values.m_whirlpoolEnabledDefault;
        defaults["whirlpool_min_freq"] = g_values.m_whirlpoolMinFreqDefault;
        defaults["whirlpool_seconds"] = g_values.m_whirlpoolSecondsDefault;
        defaults["w1"] = py::dict();
        defaults["upgrade_ignore_versions"] = py::dict();
    }
    m.attr("DEFAULT_VALUES_DICT") = defaults;

    py::set keysMinMax;
    for (const std::string &key : kKeysMinMax)
        keysMinMax.add(py::str(key));
    m.attr("KEYS_MIN_MAX") = keysMinMax;

    py::class_<ValueKeys> keys(m, "ValueKeys");
    keys.def(py::init<>());
    for (const char *key : kValueKeys)
        keys.def_property_readonly_static(key, [key](const py::object &) { return py::str(key); });

    py::enum_<ValuesEnum> valueEnum(m, "ValueEnum");
    valueEnum.value("heatzone_1_enabled", HeatZone1Enabled)
        .value("heatzone_2_enabled", HeatZone2Enabled)
        .value("heatzone_3_enabled", HeatZone3Enabled)
        .value("heatzone_4_enabled", HeatZone4Enabled)
        .value("heatzone_b1_enabled", HeatZoneB1Enabled)
        .value("heatzone_b2_enabled", HeatZoneB2Enabled)
        .value("heatzone_b3_enabled", HeatZoneB3Enabled)
        .value("heatzone_b4_enabled", HeatZoneB4Enabled)
        .value("heating_setpoint", HeatingSetpoint)
        .value("heating_b_setpoint", HeatingBSetpoint)
        .value("cooking_start_temp", CookingStartTemp)
        .value("kondensator_start_temp", KondensatorStartTemp)
        .value("ticks_per_liter", TicksPerLiter)
        .value("whirlpool_enabled", WhirlpoolEnabled)
        .value("whirlpool_seconds", WhirlpoolSeconds)
        .value("whirlpool_min_freq", WhirlpoolMinFreq)
        .value("fu_freq_sp_rw1", FuFreqSpRw1)
        .value("fu_freq_sp_pump1", FuFreqSpPump1)
        .value("fu_freq_sp_rw2", FuFreqSpRw2)
        .value("fu_freq_sp_pump2", FuFreqSpPump2)
        .value("fu_freq_sp_pump_lautern", FuFreqSpPumpLautern)
        .value("temp_kessel_sensor_key", TempKesselSensorKey)
        .value("temp_kessel_b_sensor_key", TempKesselBSensorKey)
        .value("auto_kondensator", AutoKondensator)
        .value("TempZone1", TempZone1)
        .value("TempZone2", TempZone2)
        .value("TempZone3", TempZone3)
        .value("TempZone4", TempZone4)
        .value("TempZoneB1", TempZoneB1)
        .value("TempZoneB2", TempZoneB2)
        .value("TempZoneB3", TempZoneB3)
        .value("TempZoneB4", TempZoneB4)
        .value("TempKessel", TempKessel)
        .value("TempKesselB", TempKesselB);
    TAVELL_ASSERT_ENUM_ENTRIES(valueEnum, ValuesEnumCount);

    const auto codeSet = [](std::initializer_list<ValuesEnum> list) {
        const std::set<ValuesEnum> codes(list);
        py::set members;
        for (ValuesEnum code : codes)
            members.add(py::cast(code));
        return members;
    };
    m.attr("ENUMS_FU_SET") = codeSet({FuFreqSpRw1, FuFreqSpPump1, FuFreqSpRw2, FuFreqSpPump2, FuFreqSpPumpLautern});
    m.attr("ENUMS_ZONES_A_ENABLED_SET") =
        codeSet({HeatZone1Enabled, HeatZone2Enabled, HeatZone3Enabled, HeatZone4Enabled});
    m.attr("ENUMS_ZONES_B_ENABLED_SET") =
        codeSet({HeatZoneB1Enabled, HeatZoneB2Enabled, HeatZoneB3Enabled, HeatZoneB4Enabled});
}
