#pragma once
// Machine and process values. Written by the worker thread (the controller,
// through the Python binding); read by the screens on the GUI thread. The
// recursive lock covers every notifying field: getters and setters take it,
// and a change is announced on the GUI thread, at most one queued notice per
// signal (change_notice.h).
// The ...Default companions never change and are read without the lock.
// The global flag isSpecial is stored by _setIsSpecial only, called by the
// line-B zone-count setter under the lock; readers of the flag and the screens
// follow heatZoneCountBChanged.

#include <QJSValue>
#include <QMap>
#include <QObject>
#include <QRecursiveMutex>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

#include <array>
#include <atomic>

#include "locked.h"
#include "temperature_or_error.h"

namespace pybind11 { class module_; }

using StringMap = QMap<QString, QString>;

class Values : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString statusA READ statusA NOTIFY statusAChanged)
    Q_PROPERTY(QString statusB READ statusB NOTIFY statusBChanged)
    Q_PROPERTY(QVariant cpuTemp READ cpuTemp NOTIFY cpuTempChanged)
    Q_PROPERTY(QVariantMap upgradeIgnoreVersions READ upgradeIgnoreVersions NOTIFY upgradeIgnoreVersionsChanged)
    Q_PROPERTY(QVariantMap unknownW1SensorsValues READ unknownW1SensorsValues NOTIFY unknownW1SensorsValuesChanged)
    Q_PROPERTY(StringMap w1 READ w1 NOTIFY w1Changed)

    // Line A: mash line
    Q_PROPERTY(int heatZoneTempMax READ heatZoneTempMax NOTIFY heatZoneTempMaxChanged)
    Q_PROPERTY(int heatZoneTempMaxDefault READ heatZoneTempMaxDefault CONSTANT)
    Q_PROPERTY(int heatingSetpoint READ heatingSetpoint NOTIFY heatingSetpointChanged)
    Q_PROPERTY(int heatingSetpointDefault READ heatingSetpointDefault CONSTANT)
    Q_PROPERTY(bool heatingActive READ heatingActive NOTIFY heatingActiveChanged)
    Q_PROPERTY(bool heatingActiveDefault READ heatingActiveDefault CONSTANT)
    Q_PROPERTY(bool heatZone1Enabled READ heatZone1Enabled NOTIFY heatZone1EnabledChanged)
    Q_PROPERTY(bool heatZone1EnabledDefault READ heatZone1EnabledDefault CONSTANT)
    Q_PROPERTY(bool heatZone2Enabled READ heatZone2Enabled NOTIFY heatZone2EnabledChanged)
    Q_PROPERTY(bool heatZone2EnabledDefault READ heatZone2EnabledDefault CONSTANT)
    Q_PROPERTY(bool heatZone3Enabled READ heatZone3Enabled NOTIFY heatZone3EnabledChanged)
    Q_PROPERTY(bool heatZone3EnabledDefault READ heatZone3EnabledDefault CONSTANT)
    Q_PROPERTY(bool heatZone4Enabled READ heatZone4Enabled NOTIFY heatZone4EnabledChanged)
    Q_PROPERTY(bool heatZone4EnabledDefault READ heatZone4EnabledDefault CONSTANT)
    Q_PROPERTY(QVector<QString> tempKesselModel READ tempKesselModel NOTIFY tempKesselModelChanged)
    Q_PROPERTY(QString tempKesselSensorKey READ tempKesselSensorKey NOTIFY tempKesselSensorKeyChanged)
    Q_PROPERTY(int heatZoneCount READ heatZoneCount NOTIFY heatZoneCountChanged)
    Q_PROPERTY(int heatZoneCountDefault READ heatZoneCountDefault CONSTANT)
    Q_PROPERTY(QVariant tempKessel READ tempKessel NOTIFY tempKesselChanged)
    Q_PROPERTY(QVariant tempZone1 READ tempZone1 NOTIFY tempZone1Changed)
    Q_PROPERTY(QVariant tempZone2 READ tempZone2 NOTIFY tempZone2Changed)
    Q_PROPERTY(QVariant tempZone3 READ tempZone3 NOTIFY tempZone3Changed)
    Q_PROPERTY(QVariant tempZone4 READ tempZone4 NOTIFY tempZone4Changed)

    // Line B: wort line
    Q_PROPERTY(int heatingBSetpoint READ heatingBSetpoint NOTIFY heatingBSetpointChanged)
    Q_PROPERTY(int heatingBSetpointDefault READ heatingBSetpointDefault CONSTANT)
    Q_PROPERTY(bool heatingBActive READ heatingBActive NOTIFY heatingBActiveChanged)
    Q_PROPERTY(bool heatingBActiveDefault READ heatingBActiveDefault CONSTANT)
    Q_PROPERTY(bool heatZoneB1Enabled READ heatZoneB1Enabled NOTIFY heatZoneB1EnabledChanged)
    Q_PROPERTY(bool heatZoneB1EnabledDefault READ heatZoneB1EnabledDefault CONSTANT)
    Q_PROPERTY(bool heatZoneB2Enabled READ heatZoneB2Enabled NOTIFY heatZoneB2EnabledChanged)
    Q_PROPERTY(bool heatZoneB2EnabledDefault READ heatZoneB2EnabledDefault CONSTANT)
    Q_PROPERTY(bool heatZoneB3Enabled READ heatZoneB3Enabled NOTIFY heatZoneB3EnabledChanged)
    Q_PROPERTY(bool heatZoneB3EnabledDefault READ heatZoneB3EnabledDefault CONSTANT)
    Q_PROPERTY(bool heatZoneB4Enabled READ heatZoneB4Enabled NOTIFY heatZoneB4EnabledChanged)
    Q_PROPERTY(bool heatZoneB4EnabledDefault READ heatZoneB4EnabledDefault CONSTANT)
    Q_PROPERTY(QVector<QString> tempKesselBModel READ tempKesselBModel NOTIFY tempKesselBModelChanged)
    Q_PROPERTY(QString tempKesselBSensorKey READ tempKesselBSensorKey NOTIFY tempKesselBSensorKeyChanged)
    Q_PROPERTY(int heatZoneCountB READ heatZoneCountB NOTIFY heatZoneCountBChanged)
    Q_PROPERTY(int heatZoneCountBDefault READ heatZoneCountBDefault CONSTANT)
    Q_PROPERTY(QVariant tempKesselB READ tempKesselB NOTIFY tempKesselBChanged)
    Q_PROPERTY(QVariant tempZoneB1 READ tempZoneB1 NOTIFY tempZoneB1Changed)
    Q_PROPERTY(QVariant tempZoneB2 READ tempZoneB2 NOTIFY tempZoneB2Changed)
    Q_PROPERTY(QVariant tempZoneB3 READ tempZoneB3 NOTIFY tempZoneB3Changed)
    Q_PROPERTY(QVariant tempZoneB4 READ tempZoneB4 NOTIFY tempZoneB4Changed)

    // Cooking and condenser
    Q_PROPERTY(int cookingStartTempMin READ cookingStartTempMin NOTIFY cookingStartTempMinChanged)
    Q_PROPERTY(int cookingStartTempMax READ cookingStartTempMax NOTIFY cookingStartTempMaxChanged)
    Q_PROPERTY(int cookingStartTemp READ cookingStartTemp NOTIFY cookingStartTempChanged)
    Q_PROPERTY(int cookingStartTempDefault READ cookingStartTempDefault CONSTANT)
    Q_PROPERTY(int kondensatorStartTempMin READ kondensatorStartTempMin NOTIFY kondensatorStartTempMinChanged)
    Q_PROPERTY(int kondensatorStartTempMax READ kondensatorStartTempMax NOTIFY kondensatorStartTempMaxChanged)
    Q_PROPERTY(int kondensatorStartTemp READ kondensatorStartTemp NOTIFY kondensatorStartTempChanged)
    Q_PROPERTY(int kondensatorStartTempDefault READ kondensatorStartTempDefault CONSTANT)

    Q_PROPERTY(bool autoKondensator READ autoKondensator NOTIFY autoKondensatorChanged)
    Q_PROPERTY(bool autoKondensatorDefault READ autoKondensatorDefault CONSTANT)
    Q_PROPERTY(bool autoKondBtnEnabled READ autoKondBtnEnabled NOTIFY autoKondBtnEnabledChanged)
    Q_PROPERTY(bool autoKondBtnEnabledDefault READ autoKondBtnEnabledDefault CONSTANT)
    Q_PROPERTY(bool whirlpoolEnabled READ whirlpoolEnabled NOTIFY whirlpoolEnabledChanged)
    Q_PROPERTY(bool whirlpoolEnabledDefault READ whirlpoolEnabledDefault CONSTANT)
    Q_PROPERTY(int whirlpoolSecondsMin READ whirlpoolSecondsMin NOTIFY whirlpoolSecondsMinChanged)
    Q_PROPERTY(int whirlpoolSecondsMax READ whirlpoolSecondsMax NOTIFY whirlpoolSecondsMaxChanged)
    Q_PROPERTY(int whirlpoolSeconds READ whirlpoolSeconds NOTIFY whirlpoolSecondsChanged)
    Q_PROPERTY(int whirlpoolSecondsDefault READ whirlpoolSecondsDefault CONSTANT)
    Q_PROPERTY(int whirlpoolMinFreqMin READ whirlpoolMinFreqMin NOTIFY whirlpoolMinFreqMinChanged)
    Q_PROPERTY(int whirlpoolMinFreqMax READ whirlpoolMinFreqMax NOTIFY whirlpoolMinFreqMaxChanged)
    Q_PROPERTY(int whirlpoolMinFreq READ whirlpoolMinFreq NOTIFY whirlpoolMinFreqChanged)
    Q_PROPERTY(int whirlpoolMinFreqDefault READ whirlpoolMinFreqDefault CONSTANT)

    // Bounds of the recipe editor
    Q_PROPERTY(int stammwuerzeMin READ stammwuerzeMin NOTIFY stammwuerzeMinChanged)
    Q_PROPERTY(int stammwuerzeMax READ stammwuerzeMax NOTIFY stammwuerzeMaxChanged)
    Q_PROPERTY(int hauptgussMin READ hauptgussMin NOTIFY hauptgussMinChanged)
    Q_PROPERTY(int hauptgussMax READ hauptgussMax NOTIFY hauptgussMaxChanged)
    Q_PROPERTY(int hauptgussTempMin READ hauptgussTempMin NOTIFY hauptgussTempMinChanged)
    Q_PROPERTY(int hauptgussTempMinDefault READ hauptgussTempMinDefault CONSTANT)
    Q_PROPERTY(int maischTempMin READ maischTempMin NOTIFY maischTempMinChanged)
    Q_PROPERTY(int maischTempMax READ maischTempMax NOTIFY maischTempMaxChanged)
    Q_PROPERTY(int rastTempMin READ rastTempMin NOTIFY rastTempMinChanged)
    Q_PROPERTY(int rastTempMax READ rastTempMax NOTIFY rastTempMaxChanged)
    Q_PROPERTY(int rastTimeMin READ rastTimeMin NOTIFY rastTimeMinChanged)
    Q_PROPERTY(int rastTimeMax READ rastTimeMax NOTIFY rastTimeMaxChanged)
    Q_PROPERTY(int rastCountMax READ rastCountMax NOTIFY rastCountMaxChanged)
    Q_PROPERTY(int rastCountMaxDefault READ rastCountMaxDefault CONSTANT)
    Q_PROPERTY(int nachgussLiterMin READ nachgussLiterMin NOTIFY nachgussLiterMinChanged)
    Q_PROPERTY(int nachgussLiterMax READ nachgussLiterMax NOTIFY nachgussLiterMaxChanged)
    Q_PROPERTY(int nachgussCountMin READ nachgussCountMin NOTIFY nachgussCountMinChanged)
    Q_PROPERTY(int nachgussCountMax READ nachgussCountMax NOTIFY nachgussCountMaxChanged)
    Q_PROPERTY(int hopfenCountMax READ hopfenCountMax NOTIFY hopfenCountMaxChanged)
    Q_PROPERTY(int hopfenCountMaxDefault READ hopfenCountMaxDefault CONSTANT)
    Q_PROPERTY(int cookingTimeMin READ cookingTimeMin NOTIFY cookingTimeMinChanged)
    Q_PROPERTY(int cookingTimeMax READ cookingTimeMax NOTIFY cookingTimeMaxChanged)
    Q_PROPERTY(int cookingPowerPercentageMin READ cookingPowerPercentageMin NOTIFY cookingPowerPercentageMinChanged)
    Q_PROPERTY(int cookingPowerPercentageMax READ cookingPowerPercentageMax NOTIFY cookingPowerPercentageMaxChanged)
    Q_PROPERTY(int evaporationRateMin READ evaporationRateMin NOTIFY evaporationRateMinChanged)
    Q_PROPERTY(int evaporationRateMax READ evaporationRateMax NOTIFY evaporationRateMaxChanged)

    // Drives of line A and the lautering pump
    Q_PROPERTY(int fuFreqSpRw1Min READ fuFreqSpRw1Min NOTIFY fuFreqSpRw1MinChanged)
    Q_PROPERTY(int fuFreqSpRw1Max READ fuFreqSpRw1Max NOTIFY fuFreqSpRw1MaxChanged)
    Q_PROPERTY(int fuFreqSpRw1 READ fuFreqSpRw1 NOTIFY fuFreqSpRw1Changed)
    Q_PROPERTY(int fuFreqSpRw1Default READ fuFreqSpRw1Default CONSTANT)
    Q_PROPERTY(int fuFreqSpPump1Min READ fuFreqSpPump1Min NOTIFY fuFreqSpPump1MinChanged)
    Q_PROPERTY(int fuFreqSpPump1Max READ fuFreqSpPump1Max NOTIFY fuFreqSpPump1MaxChanged)
    Q_PROPERTY(int fuFreqSpPump1 READ fuFreqSpPump1 NOTIFY fuFreqSpPump1Changed)
    Q_PROPERTY(int fuFreqSpPump1Default READ fuFreqSpPump1Default CONSTANT)
    Q_PROPERTY(int fuFreqSpPumpLautern READ fuFreqSpPumpLautern NOTIFY fuFreqSpPumpLauternChanged)
    Q_PROPERTY(int fuFreqSpPumpLauternDefault READ fuFreqSpPumpLauternDefault CONSTANT)
    Q_PROPERTY(bool fuRw1Ok READ fuRw1Ok NOTIFY fuRw1OkChanged)
    Q_PROPERTY(bool fuRw1OkDefault READ fuRw1OkDefault CONSTANT)
    Q_PROPERTY(bool fuPump1Ok READ fuPump1Ok NOTIFY fuPump1OkChanged)
    Q_PROPERTY(bool fuPump1OkDefault READ fuPump1OkDefault CONSTANT)

    // Drives of line B
    Q_PROPERTY(int fuFreqSpRw2Min READ fuFreqSpRw2Min NOTIFY fuFreqSpRw2MinChanged)
    Q_PROPERTY(int fuFreqSpRw2Max READ fuFreqSpRw2Max NOTIFY fuFreqSpRw2MaxChanged)
    Q_PROPERTY(int fuFreqSpRw2 READ fuFreqSpRw2 NOTIFY fuFreqSpRw2Changed)
    Q_PROPERTY(int fuFreqSpRw2Default READ fuFreqSpRw2Default CONSTANT)
    Q_PROPERTY(int fuFreqSpPump2Min READ fuFreqSpPump2Min NOTIFY fuFreqSpPump2MinChanged)
    Q_PROPERTY(int fuFreqSpPump2Max READ fuFreqSpPump2Max NOTIFY fuFreqSpPump2MaxChanged)
    Q_PROPERTY(int fuFreqSpPump2 READ fuFreqSpPump2 NOTIFY fuFreqSpPump2Changed)
    Q_PROPERTY(int fuFreqSpPump2Default READ fuFreqSpPump2Default CONSTANT)
    Q_PROPERTY(bool fuRw2Ok READ fuRw2Ok NOTIFY fuRw2OkChanged)
    Q_PROPERTY(bool fuRw2OkDefault READ fuRw2OkDefault CONSTANT)
    Q_PROPERTY(bool fuPump2Ok READ fuPump2Ok NOTIFY fuPump2OkChanged)
    Q_PROPERTY(bool fuPump2OkDefault READ fuPump2OkDefault CONSTANT)

    // Flow meter
    Q_PROPERTY(float fillrate READ fillrate NOTIFY fillrateChanged)
    Q_PROPERTY(float fillrateDefault READ fillrateDefault CONSTANT)
    Q_PROPERTY(float filled READ filled NOTIFY filledChanged)
    Q_PROPERTY(float filledDefault READ filledDefault CONSTANT)
    Q_PROPERTY(int ticks READ ticks NOTIFY ticksChanged)
    Q_PROPERTY(int ticksDefault READ ticksDefault CONSTANT)
    Q_PROPERTY(float ticksPerLiterMin READ ticksPerLiterMin NOTIFY ticksPerLiterMinChanged)
    Q_PROPERTY(float ticksPerLiterMax READ ticksPerLiterMax NOTIFY ticksPerLiterMaxChanged)
    Q_PROPERTY(float ticksPerLiter READ ticksPerLiter NOTIFY ticksPerLiterChanged)
    Q_PROPERTY(float ticksPerLiterDefault READ ticksPerLiterDefault CONSTANT)
    Q_PROPERTY(float filledHg READ filledHg NOTIFY filledHgChanged)
    Q_PROPERTY(float filledHgDefault READ filledHgDefault CONSTANT)
    Q_PROPERTY(float filledNg READ filledNg NOTIFY filledNgChanged)
    Q_PROPERTY(float filledNgDefault READ filledNgDefault CONSTANT)
    Q_PROPERTY(bool remotePumpControlActive READ remotePumpControlActive NOTIFY remotePumpControlActiveChanged)
    Q_PROPERTY(bool remotePumpControlActiveDefault READ remotePumpControlActiveDefault CONSTANT)

public:
    // Settings the screens and the program send to the controller.
    enum ValuesEnum : int {
        HeatZone1Enabled,
        HeatZone2Enabled,
        HeatZone3Enabled,
        HeatZone4Enabled,
        HeatZoneB1Enabled,
        HeatZoneB2Enabled,
        HeatZoneB3Enabled,
        HeatZoneB4Enabled,
        HeatingSetpoint,
        HeatingBSetpoint,
        CookingStartTemp,
        KondensatorStartTemp,
        TicksPerLiter,
        WhirlpoolEnabled,
        WhirlpoolSeconds,
        WhirlpoolMinFreq,
        FuFreqSpRw1,
        FuFreqSpPump1,
        FuFreqSpRw2,
        FuFreqSpPump2,
        FuFreqSpPumpLautern,
        TempKesselSensorKey,
        TempKesselBSensorKey,
        AutoKondensator,
        TempZone1,
        TempZone2,
        TempZone3,
        TempZone4,
        TempZoneB1,
        TempZoneB2,
        TempZoneB3,
        TempZoneB4,
        TempKessel,
        TempKesselB,
        ValuesEnumCount
    };
    Q_ENUM(ValuesEnum)

    Values();

    // Fills tavell.values; runs once, on the interpreter's thread.
    static void prepareModule(pybind11::module_ &m);

    QString statusA() const { return getLocked(m_lock, m_statusA); }
    QString statusB() const { return getLocked(m_lock, m_statusB); }
    QVariant cpuTemp() const { return getLocked(m_lock, m_cpuTemp); }
    QVariantMap upgradeIgnoreVersions() const { return getLocked(m_lock, m_upgradeIgnoreVersions); }
    QVariantMap unknownW1SensorsValues() const { return getLocked(m_lock, m_unknownW1SensorsValues); }
    StringMap w1() const { return getLocked(m_lock, m_w1); }

    int heatZoneTempMax() const { return getLocked(m_lock, m_heatZoneTempMax); }
    int heatZoneTempMaxDefault() const { return m_heatZoneTempMaxDefault; }
    int heatingSetpoint() const { return getLocked(m_lock, m_heatingSetpoint); }
    int heatingSetpointDefault() const { return m_heatingSetpointDefault; }
    bool heatingActive() const { return getLocked(m_lock, m_heatingActive); }
    bool heatingActiveDefault() const { return m_heatingActiveDefault; }
    bool heatZone1Enabled() const { return getLocked(m_lock, m_heatZone1Enabled); }
    bool heatZone1EnabledDefault() const { return m_heatZone1EnabledDefault; }
    bool heatZone2Enabled() const { return getLocked(m_lock, m_heatZone2Enabled); }
    bool heatZone2EnabledDefault() const { return m_heatZone2EnabledDefault; }
    bool heatZone3Enabled() const { return getLocked(m_lock, m_heatZone3Enabled); }
    bool heatZone3EnabledDefault() const { return m_heatZone3EnabledDefault; }
    bool heatZone4Enabled() const { return getLocked(m_lock, m_heatZone4Enabled); }
    bool heatZone4EnabledDefault() const { return m_heatZone4EnabledDefault; }
    QVector<QString> tempKesselModel() const { return getLocked(m_lock, m_tempKesselModel); }
    QString tempKesselSensorKey() const { return getLocked(m_lock, m_tempKesselSensorKey); }
    int heatZoneCount() const { return getLocked(m_lock, m_heatZoneCount); }
    int heatZoneCountDefault() const { return m_heatZoneCountDefault; }
    QVariant tempKessel() const { return getLocked(m_lock, m_tempKessel).toVariant(); }
    QVariant tempZone1() const { return getLocked(m_lock, m_tempZone1).toVariant(); }
    QVariant tempZone2() const { return getLocked(m_lock, m_tempZone2).toVariant(); }
    QVariant tempZone3() const { return getLocked(m_lock, m_tempZone3).toVariant(); }
    QVariant tempZone4() const { return getLocked(m_lock, m_tempZone4).toVariant(); }

    int heatingBSetpoint() const { return getLocked(m_lock, m_heatingBSetpoint); }
    int heatingBSetpointDefault() const { return m_heatingBSetpointDefault; }
    bool heatingBActive() const { return getLocked(m_lock, m_heatingBActive); }
    bool heatingBActiveDefault() const { return m_heatingBActiveDefault; }
    bool heatZoneB1Enabled() const { return getLocked(m_lock, m_heatZoneB1Enabled); }
    bool heatZoneB1EnabledDefault() const { return m_heatZoneB1EnabledDefault; }
    bool heatZoneB2Enabled() const { return getLocked(m_lock, m_heatZoneB2Enabled); }
    bool heatZoneB2EnabledDefault() const { return m_heatZoneB2EnabledDefault; }
    bool heatZoneB3Enabled() const { return getLocked(m_lock, m_heatZoneB3Enabled); }
    bool heatZoneB3EnabledDefault() const { return m_heatZoneB3EnabledDefault; }
    bool heatZoneB4Enabled() const { return getLocked(m_lock, m_heatZoneB4Enabled); }
    bool heatZoneB4EnabledDefault() const { return m_heatZoneB4EnabledDefault; }
    QVector<QString> tempKesselBModel() const { return getLocked(m_lock, m_tempKesselBModel); }
    QString tempKesselBSensorKey() const { return getLocked(m_lock, m_tempKesselBSensorKey); }
    int heatZoneCountB() const { return getLocked(m_lock, m_heatZoneCountB); }
    int heatZoneCountBDefault() const { return m_heatZoneCountBDefault; }
    QVariant tempKesselB() const { return getLocked(m_lock, m_tempKesselB).toVariant(); }
    QVariant tempZoneB1() const { return getLocked(m_lock, m_tempZoneB1).toVariant(); }
    QVariant tempZoneB2() const { return getLocked(m_lock, m_tempZoneB2).toVariant(); }
    QVariant tempZoneB3() const { return getLocked(m_lock, m_tempZoneB3).toVariant(); }
    QVariant tempZoneB4() const { return getLocked(m_lock, m_tempZoneB4).toVariant(); }

    int cookingStartTempMin() const { return getLocked(m_lock, m_cookingStartTempMin); }
    int cookingStartTempMax() const { return getLocked(m_lock, m_cookingStartTempMax); }
    int cookingStartTemp() const { return getLocked(m_lock, m_cookingStartTemp); }
    int cookingStartTempDefault() const { return m_cookingStartTempDefault; }
    int kondensatorStartTempMin() const { return getLocked(m_lock, m_kondensatorStartTempMin); }
    int kondensatorStartTempMax() const { return getLocked(m_lock, m_kondensatorStartTempMax); }
    int kondensatorStartTemp() const { return getLocked(m_lock, m_kondensatorStartTemp); }
    int kondensatorStartTempDefault() const { return m_kondensatorStartTempDefault; }

    bool autoKondensator() const { return getLocked(m_lock, m_autoKondensator); }
    bool autoKondensatorDefault() const { return m_autoKondensatorDefault; }
    bool autoKondBtnEnabled() const { return getLocked(m_lock, m_autoKondBtnEnabled); }
    bool autoKondBtnEnabledDefault() const { return m_autoKondBtnEnabledDefault; }
    bool whirlpoolEnabled() const { return getLocked(m_lock, m_whirlpoolEnabled); }
    bool whirlpoolEnabledDefault() const { return m_whirlpoolEnabledDefault; }
    int whirlpoolSecondsMin() const { return getLocked(m_lock, m_whirlpoolSecondsMin); }
    int whirlpoolSecondsMax() const { return getLocked(m_lock, m_whirlpoolSecondsMax); }
    int whirlpoolSeconds() const { return getLocked(m_lock, m_whirlpoolSeconds); }
    int whirlpoolSecondsDefault() const { return m_whirlpoolSecondsDefault; }
    int whirlpoolMinFreqMin() const { return getLocked(m_lock, m_whirlpoolMinFreqMin); }
    int whirlpoolMinFreqMax() const { return getLocked(m_lock, m_whirlpoolMinFreqMax); }
    int whirlpoolMinFreq() const { return getLocked(m_lock, m_whirlpoolMinFreq); }
    int whirlpoolMinFreqDefault() const { return m_whirlpoolMinFreqDefault; }

    int stammwuerzeMin() const { return getLocked(m_lock, m_stammwuerzeMin); }
    int stammwuerzeMax() const { return getLocked(m_lock, m_stammwuerzeMax); }
    int hauptgussMin() const { return getLocked(m_lock, m_hauptgussMin); }
    int hauptgussMax() const { return getLocked(m_lock, m_hauptgussMax); }
    int hauptgussTempMin() const { return getLocked(m_lock, m_hauptgussTempMin); }
    int hauptgussTempMinDefault() const { return m_hauptgussTempMinDefault; }
    int maischTempMin() const { return getLocked(m_lock, m_maischTempMin); }
    int maischTempMax() const { return getLocked(m_lock, m_maischTempMax); }
    int rastTempMin() const { return getLocked(m_lock, m_rastTempMin); }
    int rastTempMax() const { return getLocked(m_lock, m_rastTempMax); }
    int rastTimeMin() const { return getLocked(m_lock, m_rastTimeMin); }
    int rastTimeMax() const { return getLocked(m_lock, m_rastTimeMax); }
    int rastCountMax() const { return getLocked(m_lock, m_rastCountMax); }
    int rastCountMaxDefault() const { return m_rastCountMaxDefault; }
    int nachgussLiterMin() const { return getLocked(m_lock, m_nachgussLiterMin); }
    int nachgussLiterMax() const { return getLocked(m_lock, m_nachgussLiterMax); }
    int nachgussCountMin() const { return getLocked(m_lock, m_nachgussCountMin); }
    int nachgussCountMax() const { return getLocked(m_lock, m_nachgussCountMax); }
    int hopfenCountMax() const { return getLocked(m_lock, m_hopfenCountMax); }
    int hopfenCountMaxDefault() const { return m_hopfenCountMaxDefault; }
    int cookingTimeMin() const { return getLocked(m_lock, m_cookingTimeMin); }
    int cookingTimeMax() const { return getLocked(m_lock, m_cookingTimeMax); }
    int cookingPowerPercentageMin() const { return getLocked(m_lock, m_cookingPowerPercentageMin); }
    int cookingPowerPercentageMax() const { return getLocked(m_lock, m_cookingPowerPercentageMax); }
    int evaporationRateMin() const { return getLocked(m_lock, m_evaporationRateMin); }
    int evaporationRateMax() const { return getLocked(m_lock, m_evaporationRateMax); }

    int fuFreqSpRw1Min() const { return getLocked(m_lock, m_fuFreqSpRw1Min); }
    int fuFreqSpRw1Max() const { return getLocked(m_lock, m_fuFreqSpRw1Max); }
    int fuFreqSpRw1() const { return getLocked(m_lock, m_fuFreqSpRw1); }
    int fuFreqSpRw1Default() const { return m_fuFreqSpRw1Default; }
    int fuFreqSpPump1Min() const { return getLocked(m_lock, m_fuFreqSpPump1Min); }
    int fuFreqSpPump1Max() const { return getLocked(m_lock, m_fuFreqSpPump1Max); }
    int fuFreqSpPump1() const { return getLocked(m_lock, m_fuFreqSpPump1); }
    int fuFreqSpPump1Default() const { return m_fuFreqSpPump1Default; }
    int fuFreqSpPumpLautern() const { return getLocked(m_lock, m_fuFreqSpPumpLautern); }
    int fuFreqSpPumpLauternDefault() const { return m_fuFreqSpPumpLauternDefault; }
    bool fuRw1Ok() const { return getLocked(m_lock, m_fuRw1Ok); }
    bool fuRw1OkDefault() const { return m_fuRw1OkDefault; }
    bool fuPump1Ok() const { return getLocked(m_lock, m_fuPump1Ok); }
    bool fuPump1OkDefault() const { return m_fuPump1OkDefault; }

    int fuFreqSpRw2Min() const { return getLocked(m_lock, m_fuFreqSpRw2Min); }
    int fuFreqSpRw2Max() const { return getLocked(m_lock, m_fuFreqSpRw2Max); }
    int fuFreqSpRw2() const { return getLocked(m_lock, m_fuFreqSpRw2); }
    int fuFreqSpRw2Default() const { return m_fuFreqSpRw2Default; }
    int fuFreqSpPump2Min() const { return getLocked(m_lock, m_fuFreqSpPump2Min); }
    int fuFreqSpPump2Max() const { return getLocked(m_lock, m_fuFreqSpPump2Max); }
    int fuFreqSpPump2() const { return getLocked(m_lock, m_fuFreqSpPump2); }
    int fuFreqSpPump2Default() const { return m_fuFreqSpPump2Default; }
    bool fuRw2Ok() const { return getLocked(m_lock, m_fuRw2Ok); }
    bool fuRw2OkDefault() const { return m_fuRw2OkDefault; }
    bool fuPump2Ok() const { return getLocked(m_lock, m_fuPump2Ok); }
    bool fuPump2OkDefault() const { return m_fuPump2OkDefault; }

    float fillrate() const { return getLocked(m_lock, m_fillrate); }
    float fillrateDefault() const { return m_fillrateDefault; }
    float filled() const { return getLocked(m_lock, m_filled); }
    float filledDefault() const { return m_filledDefault; }
    int ticks() const { return getLocked(m_lock, m_ticks); }
    int ticksDefault() const { return m_ticksDefault; }
    float ticksPerLiterMin() const { return getLocked(m_lock, m_ticksPerLiterMin); }
    float ticksPerLiterMax() const { return getLocked(m_lock, m_ticksPerLiterMax); }
    float ticksPerLiter() const { return getLocked(m_lock, m_ticksPerLiter); }
    float ticksPerLiterDefault() const { return m_ticksPerLiterDefault; }
    float filledHg() const { return getLocked(m_lock, m_filledHg); }
    float filledHgDefault() const { return m_filledHgDefault; }
    float filledNg() const { return getLocked(m_lock, m_filledNg); }
    float filledNgDefault() const { return m_filledNgDefault; }
    bool remotePumpControlActive() const { return getLocked(m_lock, m_remotePumpControlActive); }
    bool remotePumpControlActiveDefault() const { return m_remotePumpControlActiveDefault; }

    void setStatusA(const QString &value);
    void setStatusB(const QString &value);
    void setCpuTemp(const QVariant &value);
    void setUpgradeIgnoreVersions(const QVariantMap &value);
    void setUnknownW1SensorsValues(const QVariantMap &value);
    void setW1(const StringMap &value);

    void setHeatZoneTempMax(int value);
    void setHeatingSetpoint(int value);
    void setHeatingActive(bool value);
    void setHeatZone1Enabled(bool value);
    void setHeatZone2Enabled(bool value);
    void setHeatZone3Enabled(bool value);
    void setHeatZone4Enabled(bool value);
    void setTempKesselModel(const QVector<QString> &value);
    void setTempKesselSensorKey(const QString &value);
    void setHeatZoneCount(int value);
    void setTempKessel(const TemperatureOrError &value);
    void setTempZone1(const TemperatureOrError &value);
    void setTempZone2(const TemperatureOrError &value);
    void setTempZone3(const TemperatureOrError &value);
    void setTempZone4(const TemperatureOrError &value);

    void setHeatingBSetpoint(int value);
    void setHeatingBActive(bool value);
    void setHeatZoneB1Enabled(bool value);
    void setHeatZoneB2Enabled(bool value);
    void setHeatZoneB3Enabled(bool value);
    void setHeatZoneB4Enabled(bool value);
    void setTempKesselBModel(const QVector<QString> &value);
    void setTempKesselBSensorKey(const QString &value);
    void setHeatZoneCountB(int value); // also brings isSpecial up to date
    void setTempKesselB(const TemperatureOrError &value);
    void setTempZoneB1(const TemperatureOrError &value);
    void setTempZoneB2(const TemperatureOrError &value);
    void setTempZoneB3(const TemperatureOrError &value);
    void setTempZoneB4(const TemperatureOrError &value);

    void setCookingStartTempMin(int value);
    void setCookingStartTempMax(int value);
    void setCookingStartTemp(int value);
    void setKondensatorStartTempMin(int value);
    void setKondensatorStartTempMax(int value);
    void setKondensatorStartTemp(int value);

    void setAutoKondensator(bool value);
    void setAutoKondBtnEnabled(bool value);
    void setWhirlpoolEnabled(bool value);
    void setWhirlpoolSecondsMin(int value);
    void setWhirlpoolSecondsMax(int value);
    void setWhirlpoolSeconds(int value);
    void setWhirlpoolMinFreqMin(int value);
    void setWhirlpoolMinFreqMax(int value);
    void setWhirlpoolMinFreq(int value);

    void setStammwuerzeMin(int value);
    void setStammwuerzeMax(int value);
    void setHauptgussMin(int value);
    void setHauptgussMax(int value);
    void setHauptgussTempMin(int value);
    void setMaischTempMin(int value);
    void setMaischTempMax(int value);
    void setRastTempMin(int value);
    void setRastTempMax(int value);
    void setRastTimeMin(int value);
    void setRastTimeMax(int value);
    void setNachgussLiterMin(int value);
    void setNachgussLiterMax(int value);
    void setNachgussCountMin(int value);
    void setNachgussCountMax(int value);
    void setCookingTimeMin(int value);
    void setCookingTimeMax(int value);
    void setCookingPowerPercentageMin(int value);
    void setCookingPowerPercentageMax(int value);
    void setEvaporationRateMin(int value);
    void setEvaporationRateMax(int value);

    void setFuFreqSpRw1Min(int value);
    void setFuFreqSpRw1Max(int value);
    void setFuFreqSpRw1(int value);
    void setFuFreqSpPump1Min(int value);
    void setFuFreqSpPump1Max(int value);
    void setFuFreqSpPump1(int value);
    void setFuFreqSpPumpLautern(int value);
    void setFuRw1Ok(bool value);
    void setFuPump1Ok(bool value);

    void setFuFreqSpRw2Min(int value);
    void setFuFreqSpRw2Max(int value);
    void setFuFreqSpRw2(int value);
    void setFuFreqSpPump2Min(int value);
    void setFuFreqSpPump2Max(int value);
    void setFuFreqSpPump2(int value);
    void setFuRw2Ok(bool value);
    void setFuPump2Ok(bool value);

    void setFillrate(float value);
    void setFilled(float value);
    void setTicks(int value);
    void setTicksPerLiterMin(float value);
    void setTicksPerLiterMax(float value);
    void setTicksPerLiter(float value);
    void setFilledHg(float value);
    void setFilledNg(float value);
    void setRemotePumpControlActive(bool value);

    // Zone idx + 1 (idx 0 to 3); any other index is logged and dropped.
    void setTempOrErrZoneIndexed(int idx, const TemperatureOrError &value);
    void setTempOrErrZoneBIndexed(int idx, const TemperatureOrError &value);

    // Three flags when the line has three zones, else four (with a warning
    // while the count is unset or below three, but not for 0).
    QVector<bool> getEnabledHeatZones() const;
    QVector<bool> getEnabledHeatZonesB() const;

    // Applies up to four flags in zone order; each flag that changes is also
    // reported to the controller through toPyQVar.
    void setEnabledHeatZones(const QVector<bool> &flags);
    void setEnabledHeatZonesB(const QVector<bool> &flags);

Q_SIGNALS:
    void statusAChanged();
    void statusBChanged();
    void cpuTempChanged();
    void upgradeIgnoreVersionsChanged();
    void unknownW1SensorsValuesChanged();
    void w1Changed();

    void heatZoneTempMaxChanged();
    void heatingSetpointChanged();
    void heatingActiveChanged();
    void heatZone1EnabledChanged();
    void heatZone2EnabledChanged();
    void heatZone3EnabledChanged();
    void heatZone4EnabledChanged();
    void tempKesselModelChanged();
    void tempKesselSensorKeyChanged();
    void heatZoneCountChanged();
    void tempKesselChanged();
    void tempZone1Changed();
    void tempZone2Changed();
    void tempZone3Changed();
    void tempZone4Changed();

    void heatingBSetpointChanged();
    void heatingBActiveChanged();
    void heatZoneB1EnabledChanged();
    void heatZoneB2EnabledChanged();
    void heatZoneB3EnabledChanged();
    void heatZoneB4EnabledChanged();
    void tempKesselBModelChanged();
    void tempKesselBSensorKeyChanged();
    void heatZoneCountBChanged();
    void tempKesselBChanged();
    void tempZoneB1Changed();
    void tempZoneB2Changed();
    void tempZoneB3Changed();
    void tempZoneB4Changed();

    void cookingStartTempMinChanged();
    void cookingStartTempMaxChanged();
    void cookingStartTempChanged();
    void kondensatorStartTempMinChanged();
    void kondensatorStartTempMaxChanged();
    void kondensatorStartTempChanged();

    void autoKondensatorChanged();
    void autoKondBtnEnabledChanged();
    void whirlpoolEnabledChanged();
    void whirlpoolSecondsMinChanged();
    void whirlpoolSecondsMaxChanged();
    void whirlpoolSecondsChanged();
    void whirlpoolMinFreqMinChanged();
    void whirlpoolMinFreqMaxChanged();
    void whirlpoolMinFreqChanged();

    void stammwuerzeMinChanged();
    void stammwuerzeMaxChanged();
    void hauptgussMinChanged();
    void hauptgussMaxChanged();
    void hauptgussTempMinChanged();
    void maischTempMinChanged();
    void maischTempMaxChanged();
    void rastTempMinChanged();
    void rastTempMaxChanged();
    void rastTimeMinChanged();
    void rastTimeMaxChanged();
    void rastCountMaxChanged();
    void nachgussLiterMinChanged();
    void nachgussLiterMaxChanged();
    void nachgussCountMinChanged();
    void nachgussCountMaxChanged();
    void hopfenCountMaxChanged();
    void cookingTimeMinChanged();
    void cookingTimeMaxChanged();
    void cookingPowerPercentageMinChanged();
    void cookingPowerPercentageMaxChanged();
    void evaporationRateMinChanged();
    void evaporationRateMaxChanged();

    void fuFreqSpRw1MinChanged();
    void fuFreqSpRw1MaxChanged();
    void fuFreqSpRw1Changed();
    void fuFreqSpPump1MinChanged();
    void fuFreqSpPump1MaxChanged();
    void fuFreqSpPump1Changed();
    void fuFreqSpPumpLauternChanged();
    void fuRw1OkChanged();
    void fuPump1OkChanged();

    void fuFreqSpRw2MinChanged();
    void fuFreqSpRw2MaxChanged();
    void fuFreqSpRw2Changed();
    void fuFreqSpPump2MinChanged();
    void fuFreqSpPump2MaxChanged();
    void fuFreqSpPump2Changed();
    void fuRw2OkChanged();
    void fuPump2OkChanged();

    void fillrateChanged();
    void filledChanged();
    void ticksChanged();
    void ticksPerLiterMinChanged();
    void ticksPerLiterMaxChanged();
    void ticksPerLiterChanged();
    void filledHgChanged();
    void filledNgChanged();
    void remotePumpControlActiveChanged();

    void toPyQVar(Values::ValuesEnum key, const QVariant &value);
    void toPy(Values::ValuesEnum key, const QJSValue &value);

public Q_SLOTS:
    void _setIsSpecial();

private:
    struct ZoneFlag;
    void applyZoneFlags(const QVector<bool> &flags, const std::array<ZoneFlag, 4> &zones);

    template <typename T>
    void store(T &field, const T &value, void (Values::*changed)())
    {
        setLocked(m_lock, field, value, this, changed);
    }

    template <typename T>
    void clamp(T &field, T value, const T &min, const T &max, void (Values::*changed)())
    {
        setLockedClamped(m_lock, field, value, min, max, "Values", this, changed);
    }

    mutable QRecursiveMutex m_lock;
    QString m_statusA = QStringLiteral("Controller noch nicht initialisiert");
    QString m_statusB = QStringLiteral("Controller noch nicht initialisiert");
    QVariant m_cpuTemp = QVariant::fromValue(nullptr);
    QVariantMap m_upgradeIgnoreVersions;
    QVariantMap m_unknownW1SensorsValues;
    StringMap m_w1;

    int m_heatZoneTempMax = 200;
    const int m_heatZoneTempMaxDefault = 200;
    int m_heatingSetpoint = 78;
    const int m_heatingSetpointDefault = 78;
    bool m_heatingActive = false;
    const bool m_heatingActiveDefault = false;
    bool m_heatZone1Enabled = true;
    const bool m_heatZone1EnabledDefault = true;
    bool m_heatZone2Enabled = true;
    const bool m_heatZone2EnabledDefault = true;
    bool m_heatZone3Enabled = true;
    const bool m_heatZone3EnabledDefault = true;
    bool m_heatZone4Enabled = true;
    const bool m_heatZone4EnabledDefault = true;
    QVector<QString> m_tempKesselModel;
    QString m_tempKesselSensorKey;
    int m_heatZoneCount = -1;
    const int m_heatZoneCountDefault = -1;
    TemperatureOrError m_tempKessel;
    TemperatureOrError m_tempZone1;
    TemperatureOrError m_tempZone2;
    TemperatureOrError m_tempZone3;
    TemperatureOrError m_tempZone4;

    int m_heatingBSetpoint = 78;
    const int m_heatingBSetpointDefault = 78;
    bool m_heatingBActive = false;
    const bool m_heatingBActiveDefault = false;
    bool m_heatZoneB1Enabled = true;
    const bool m_heatZoneB1EnabledDefault = true;
    bool m_heatZoneB2Enabled = true;
    const bool m_heatZoneB2EnabledDefault = true;
    bool m_heatZoneB3Enabled = true;
    const bool m_heatZoneB3EnabledDefault = true;
    bool m_heatZoneB4Enabled = true;
    const bool m_heatZoneB4EnabledDefault = true;
    QVector<QString> m_tempKesselBModel;
    QString m_tempKesselBSensorKey;
    int m_heatZoneCountB = -1;
    const int m_heatZoneCountBDefault = -1;
    TemperatureOrError m_tempKesselB;
    TemperatureOrError m_tempZoneB1;
    TemperatureOrError m_tempZoneB2;
    TemperatureOrError m_tempZoneB3;
    TemperatureOrError m_tempZoneB4;

    int m_cookingStartTempMin = 90;
    int m_cookingStartTempMax = 99;
    int m_cookingStartTemp = 98;
    const int m_cookingStartTempDefault = 98;
    int m_kondensatorStartTempMin = 90;
    int m_kondensatorStartTempMax = 99;
    int m_kondensatorStartTemp = 97;
    const int m_kondensatorStartTempDefault = 97;

    bool m_autoKondensator = true;
    const bool m_autoKondensatorDefault = true;
    bool m_autoKondBtnEnabled = false;
    const bool m_autoKondBtnEnabledDefault = false;
    bool m_whirlpoolEnabled = true;
    const bool m_whirlpoolEnabledDefault = true;
    int m_whirlpoolSecondsMin = 5;
    int m_whirlpoolSecondsMax = 60;
    int m_whirlpoolSeconds = 20;
    const int m_whirlpoolSecondsDefault = 20;
    int m_whirlpoolMinFreqMin = 10;
    int m_whirlpoolMinFreqMax = 70;
    int m_whirlpoolMinFreq = 30;
    const int m_whirlpoolMinFreqDefault = 30;

    int m_stammwuerzeMin = 0;
    int m_stammwuerzeMax = 1000;
    int m_hauptgussMin = 1;
    int m_hauptgussMax = 250;
    int m_hauptgussTempMin = 1;
    const int m_hauptgussTempMinDefault = 1;
    int m_maischTempMin = 1;
    int m_maischTempMax = 75;
    int m_rastTempMin = 1;
    int m_rastTempMax = 90;
    int m_rastTimeMin = 1;
    int m_rastTimeMax = 100;
    int m_rastCountMax = 5;
    const int m_rastCountMaxDefault = 5;
    int m_nachgussLiterMin = 1;
    int m_nachgussLiterMax = 50;
    int m_nachgussCountMin = 1;
    int m_nachgussCountMax = 10;
    int m_hopfenCountMax = 5;
    const int m_hopfenCountMaxDefault = 5;
    int m_cookingTimeMin = 30;
    int m_cookingTimeMax = 120;
    int m_cookingPowerPercentageMin = 10;
    int m_cookingPowerPercentageMax = 80;
    int m_evaporationRateMin = 1;
    int m_evaporationRateMax = 40;

    int m_fuFreqSpRw1Min = 1;
    int m_fuFreqSpRw1Max = 50;
    int m_fuFreqSpRw1 = 25;
    const int m_fuFreqSpRw1Default = 25;
    int m_fuFreqSpPump1Min = 1;
    int m_fuFreqSpPump1Max = 50;
    int m_fuFreqSpPump1 = 25;
    const int m_fuFreqSpPump1Default = 25;
    int m_fuFreqSpPumpLautern = 25;
    const int m_fuFreqSpPumpLauternDefault = 25;
    bool m_fuRw1Ok = false;
    const bool m_fuRw1OkDefault = false;
    bool m_fuPump1Ok = false;
    const bool m_fuPump1OkDefault = false;

    int m_fuFreqSpRw2Min = 1;
    int m_fuFreqSpRw2Max = 50;
    int m_fuFreqSpRw2 = 25;
    const int m_fuFreqSpRw2Default = 25;
    int m_fuFreqSpPump2Min = 1;
    int m_fuFreqSpPump2Max = 50;
    int m_fuFreqSpPump2 = 25;
    const int m_fuFreqSpPump2Default = 25;
    bool m_fuRw2Ok = false;
    const bool m_fuRw2OkDefault = false;
    bool m_fuPump2Ok = false;
    const bool m_fuPump2OkDefault = false;

    float m_fillrate = 0.0f;
    const float m_fillrateDefault = 0.0f;
    float m_filled = 0.0f;
    const float m_filledDefault = 0.0f;
    int m_ticks = 0;
    const int m_ticksDefault = 0;
    float m_ticksPerLiterMin = 0.1f;
    float m_ticksPerLiterMax = 1000.0f;
    float m_ticksPerLiter = 210.0f;
    const float m_ticksPerLiterDefault = 210.0f;
    float m_filledHg = 0.0f;
    const float m_filledHgDefault = 0.0f;
    float m_filledNg = 0.0f;
    const float m_filledNgDefault = 0.0f;
    bool m_remotePumpControlActive = false;
    const bool m_remotePumpControlActiveDefault = false;

    const std::array<bool, 4> m_enabledHeatZonesDefault{true, true, true, true};
    const std::array<bool, 4> m_enabledHeatZonesBDefault{true, true, true, true};
};

using ValuesEnum = Values::ValuesEnum;

// True on a plant whose line B has more than two heating zones (a separate
// cooking kettle). Written by Values on either thread, read anywhere.
extern std::atomic<bool> isSpecial;
