#pragma once
// Every setter of Values by the name of the property it writes, taking the
// value as a QVariant, so tests can drive the object from its meta-object.
// A temperature is given as a float or a string variant.

#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>
#include <type_traits>

#include "values.h"

using ValuesSetter = std::function<void(Values &, const QVariant &)>;

namespace detail {
template <typename T>
ValuesSetter setter(void (Values::*set)(T))
{
    return [set](Values &values, const QVariant &value) { (values.*set)(qvariant_cast<std::decay_t<T>>(value)); };
}

inline ValuesSetter setter(void (Values::*set)(const TemperatureOrError &))
{
    return [set](Values &values, const QVariant &value) {
        if (value.userType() == QMetaType::QString)
            (values.*set)(TemperatureOrError(value.toString()));
        else
            (values.*set)(TemperatureOrError(value.toFloat()));
    };
}
} // namespace detail

inline const QHash<QString, ValuesSetter> &valuesSetters()
{
    using detail::setter;
    static const QHash<QString, ValuesSetter> setters{
        {"statusA", setter(&Values::setStatusA)}, {"statusB", setter(&Values::setStatusB)},
        {"cpuTemp", setter(&Values::setCpuTemp)},
        {"upgradeIgnoreVersions", setter(&Values::setUpgradeIgnoreVersions)},
        {"unknownW1SensorsValues", setter(&Values::setUnknownW1SensorsValues)}, {"w1", setter(&Values::setW1)},
        {"heatZoneTempMax", setter(&Values::setHeatZoneTempMax)},
        {"heatingSetpoint", setter(&Values::setHeatingSetpoint)},
        {"heatingActive", setter(&Values::setHeatingActive)},
        {"heatZone1Enabled", setter(&Values::setHeatZone1Enabled)},
        {"heatZone2Enabled", setter(&Values::setHeatZone2Enabled)},
        {"heatZone3Enabled", setter(&Values::setHeatZone3Enabled)},
        {"heatZone4Enabled", setter(&Values::setHeatZone4Enabled)},
        {"tempKesselModel", setter(&Values::setTempKesselModel)},
        {"tempKesselSensorKey", setter(&Values::setTempKesselSensorKey)},
        {"heatZoneCount", setter(&Values::setHeatZoneCount)}, {"tempKessel", setter(&Values::setTempKessel)},
        {"tempZone1", setter(&Values::setTempZone1)}, {"tempZone2", setter(&Values::setTempZone2)},
        {"tempZone3", setter(&Values::setTempZone3)}, {"tempZone4", setter(&Values::setTempZone4)},
        {"heatingBSetpoint", setter(&Values::setHeatingBSetpoint)},
        {"heatingBActive", setter(&Values::setHeatingBActive)},
        {"heatZoneB1Enabled", setter(&Values::setHeatZoneB1Enabled)},
        {"heatZoneB2Enabled", setter(&Values::setHeatZoneB2Enabled)},
        {"heatZoneB3Enabled", setter(&Values::setHeatZoneB3Enabled)},
        {"heatZoneB4Enabled", setter(&Values::setHeatZoneB4Enabled)},
        {"tempKesselBModel", setter(&Values::setTempKesselBModel)},
        {"tempKesselBSensorKey", setter(&Values::setTempKesselBSensorKey)},
        {"heatZoneCountB", setter(&Values::setHeatZoneCountB)}, {"tempKesselB", setter(&Values::setTempKesselB)},
        {"tempZoneB1", setter(&Values::setTempZoneB1)}, {"tempZoneB2", setter(&Values::setTempZoneB2)},
        {"tempZoneB3", setter(&Values::setTempZoneB3)}, {"tempZoneB4", setter(&Values::setTempZoneB4)},
        {"cookingStartTempMin", setter(&Values::setCookingStartTempMin)},
        {"cookingStartTempMax", setter(&Values::setCookingStartTempMax)},
        {"cookingStartTemp", setter(&Values::setCookingStartTemp)},
        {"kondensatorStartTempMin", setter(&Values::setKondensatorStartTempMin)},
        {"kondensatorStartTempMax", setter(&Values::setKondensatorStartTempMax)},
        {"kondensatorStartTemp", setter(&Values::setKondensatorStartTemp)},
        {"autoKondensator", setter(&Values::setAutoKondensator)},
        {"autoKondBtnEnabled", setter(&Values::setAutoKondBtnEnabled)},
        {"whirlpoolEnabled", setter(&Values::setWhirlpoolEnabled)},
        {"whirlpoolSecondsMin", setter(&Values::setWhirlpoolSecondsMin)},
        {"whirlpoolSecondsMax", setter(&Values::setWhirlpoolSecondsMax)},
        {"whirlpoolSeconds", setter(&Values::setWhirlpoolSeconds)},
        {"whirlpoolMinFreqMin", setter(&Values::setWhirlpoolMinFreqMin)},
        {"whirlpoolMinFreqMax", setter(&Values::setWhirlpoolMinFreqMax)},
        {"whirlpoolMinFreq", setter(&Values::setWhirlpoolMinFreq)},
        {"stammwuerzeMin", setter(&Values::setStammwuerzeMin)},
        {"stammwuerzeMax", setter(&Values::setStammwuerzeMax)}, {"hauptgussMin", setter(&Values::setHauptgussMin)},
        {"hauptgussMax", setter(&Values::setHauptgussMax)},
        {"hauptgussTempMin", setter(&Values::setHauptgussTempMin)},
        {"maischTempMin", setter(&Values::setMaischTempMin)}, {"maischTempMax", setter(&Values::setMaischTempMax)},
        {"rastTempMin", setter(&Values::setRastTempMin)}, {"rastTempMax", setter(&Values::setRastTempMax)},
        {"rastTimeMin", setter(&Values::setRastTimeMin)}, {"rastTimeMax", setter(&Values::setRastTimeMax)},
        {"nachgussLiterMin", setter(&Values::setNachgussLiterMin)},
        {"nachgussLiterMax", setter(&Values::setNachgussLiterMax)},
        {"nachgussCountMin", setter(&Values::setNachgussCountMin)},
        {"nachgussCountMax", setter(&Values::setNachgussCountMax)},
        {"cookingTimeMin", setter(&Values::setCookingTimeMin)},
        {"cookingTimeMax", setter(&Values::setCookingTimeMax)},
        {"cookingPowerPercentageMin", setter(&Values::setCookingPowerPercentageMin)},
        {"cookingPowerPercentageMax", setter(&Values::setCookingPowerPercentageMax)},
        {"evaporationRateMin", setter(&Values::setEvaporationRateMin)},
        {"evaporationRateMax", setter(&Values::setEvaporationRateMax)},
        {"fuFreqSpRw1Min", setter(&Values::setFuFreqSpRw1Min)},
        {"fuFreqSpRw1Max", setter(&Values::setFuFreqSpRw1Max)}, {"fuFreqSpRw1", setter(&Values::setFuFreqSpRw1)},
        {"fuFreqSpPump1Min", setter(&Values::setFuFreqSpPump1Min)},
        {"fuFreqSpPump1Max", setter(&Values::setFuFreqSpPump1Max)},
        {"fuFreqSpPump1", setter(&Values::setFuFreqSpPump1)},
        {"fuFreqSpPumpLautern", setter(&Values::setFuFreqSpPumpLautern)}, {"fuRw1Ok", setter(&Values::setFuRw1Ok)},
        {"fuPump1Ok", setter(&Values::setFuPump1Ok)}, {"fuFreqSpRw2Min", setter(&Values::setFuFreqSpRw2Min)},
        {"fuFreqSpRw2Max", setter(&Values::setFuFreqSpRw2Max)}, {"fuFreqSpRw2", setter(&Values::setFuFreqSpRw2)},
        {"fuFreqSpPump2Min", setter(&Values::setFuFreqSpPump2Min)},
        {"fuFreqSpPump2Max", setter(&Values::setFuFreqSpPump2Max)},
        {"fuFreqSpPump2", setter(&Values::setFuFreqSpPump2)}, {"fuRw2Ok", setter(&Values::setFuRw2Ok)},
        {"fuPump2Ok", setter(&Values::setFuPump2Ok)}, {"fillrate", setter(&Values::setFillrate)},
        {"filled", setter(&Values::setFilled)}, {"ticks", setter(&Values::setTicks)},
        {"ticksPerLiterMin", setter(&Values::setTicksPerLiterMin)},
        {"ticksPerLiterMax", setter(&Values::setTicksPerLiterMax)},
        {"ticksPerLiter", setter(&Values::setTicksPerLiter)}, {"filledHg", setter(&Values::setFilledHg)},
        {"filledNg", setter(&Values::setFilledNg)},
        {"remotePumpControlActive", setter(&Values::setRemotePumpControlActive)},
    };
    return setters;
}
