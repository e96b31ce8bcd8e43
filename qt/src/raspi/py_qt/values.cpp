#include "values.h"

#include "log.h"

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

Values::Values()
{
    // Properties of this type are read by its name (QML, QMetaProperty).
    qRegisterMetaType<StringMap>("StringMap");
    connect(this, &Values::heatZoneCountBChanged, this, &Values::_setIsSpecial);
}

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
    isSpecial = value > 2;
    Q_EMIT heatZoneCountBChanged();
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
        Q_EMIT(this->*zone.changed)();
        Q_EMIT toPyQVar(zone.code, QVariant(flags[i]));
    }
}

void Values::_setIsSpecial()
{
    // Under the lock: the count may be written on the worker thread meanwhile.
    isSpecial = heatZoneCountB() > 2;
}
