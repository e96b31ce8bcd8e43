#pragma once
// Parameters of the plant simulation. Written by the worker thread (the
// controller, through the Python binding); read by the simulator window on
// the GUI thread, which sends change requests through toPy. The recursive lock
// covers every notifying field: getters and setters take it, and change
// signals reach the GUI thread as queued notices (change_notice.h). The ...Default
// companions never change and are read without the lock.

#include <QObject>
#include <QRecursiveMutex>
#include <QVariant>

#include "locked.h"

namespace pybind11 { class module_; }

class Simulator : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool simAutoFlow READ simAutoFlow NOTIFY simAutoFlowChanged)
    Q_PROPERTY(bool simAutoFlowDefault READ simAutoFlowDefault CONSTANT)
    Q_PROPERTY(int simTicksPerMinuteMin READ simTicksPerMinuteMin NOTIFY simTicksPerMinuteMinChanged)
    Q_PROPERTY(int simTicksPerMinuteMax READ simTicksPerMinuteMax NOTIFY simTicksPerMinuteMaxChanged)
    Q_PROPERTY(int simTicksPerMinute READ simTicksPerMinute NOTIFY simTicksPerMinuteChanged)
    Q_PROPERTY(int simTicksPerMinuteDefault READ simTicksPerMinuteDefault CONSTANT)
    Q_PROPERTY(bool simAutoHeating READ simAutoHeating NOTIFY simAutoHeatingChanged)
    Q_PROPERTY(bool simAutoHeatingDefault READ simAutoHeatingDefault CONSTANT)
    Q_PROPERTY(float simDegreesPerMinuteMin READ simDegreesPerMinuteMin NOTIFY simDegreesPerMinuteMinChanged)
    Q_PROPERTY(float simDegreesPerMinuteMax READ simDegreesPerMinuteMax NOTIFY simDegreesPerMinuteMaxChanged)
    Q_PROPERTY(float simDegreesPerMinute READ simDegreesPerMinute NOTIFY simDegreesPerMinuteChanged)
    Q_PROPERTY(float simDegreesPerMinuteDefault READ simDegreesPerMinuteDefault CONSTANT)
    Q_PROPERTY(int simAIn0Min READ simAIn0Min NOTIFY simAIn0MinChanged)
    Q_PROPERTY(int simAIn0Max READ simAIn0Max NOTIFY simAIn0MaxChanged)
    Q_PROPERTY(int simAIn0 READ simAIn0 NOTIFY simAIn0Changed)
    Q_PROPERTY(int simAIn0Default READ simAIn0Default CONSTANT)
    Q_PROPERTY(int simAIn1Min READ simAIn1Min NOTIFY simAIn1MinChanged)
    Q_PROPERTY(int simAIn1Max READ simAIn1Max NOTIFY simAIn1MaxChanged)
    Q_PROPERTY(int simAIn1 READ simAIn1 NOTIFY simAIn1Changed)
    Q_PROPERTY(int simAIn1Default READ simAIn1Default CONSTANT)
    Q_PROPERTY(float simScaleFactor READ simScaleFactor NOTIFY simScaleFactorChanged)
    Q_PROPERTY(float simScaleFactorDefault READ simScaleFactorDefault CONSTANT)

public:
    // Parameters the simulator window asks the controller to change.
    enum SimEnum : int {
        SimAutoFlow,
        SimTicksPerMinute,
        SimAutoHeating,
        SimDegreesPerMinute,
        SimScaleFactor,
        SimAIn0,
        SimAIn1,
        SimEnumCount
    };
    Q_ENUM(SimEnum)

    Simulator() = default;

    // Fills tavell.simulator; the defaults are read under the lock.
    static void prepareModule(pybind11::module_ &m);

    bool simAutoFlow() const { return getLocked(m_lock, m_simAutoFlow); }
    bool simAutoFlowDefault() const { return m_simAutoFlowDefault; }
    int simTicksPerMinuteMin() const { return getLocked(m_lock, m_simTicksPerMinuteMin); }
    int simTicksPerMinuteMax() const { return getLocked(m_lock, m_simTicksPerMinuteMax); }
    int simTicksPerMinute() const { return getLocked(m_lock, m_simTicksPerMinute); }
    int simTicksPerMinuteDefault() const { return m_simTicksPerMinuteDefault; }
    bool simAutoHeating() const { return getLocked(m_lock, m_simAutoHeating); }
    bool simAutoHeatingDefault() const { return m_simAutoHeatingDefault; }
    float simDegreesPerMinuteMin() const { return getLocked(m_lock, m_simDegreesPerMinuteMin); }
    float simDegreesPerMinuteMax() const { return getLocked(m_lock, m_simDegreesPerMinuteMax); }
    float simDegreesPerMinute() const { return getLocked(m_lock, m_simDegreesPerMinute); }
    float simDegreesPerMinuteDefault() const { return m_simDegreesPerMinuteDefault; }
    int simAIn0Min() const { return getLocked(m_lock, m_simAIn0Min); }
    int simAIn0Max() const { return getLocked(m_lock, m_simAIn0Max); }
    int simAIn0() const { return getLocked(m_lock, m_simAIn0); }
    int simAIn0Default() const { return m_simAIn0Default; }
    int simAIn1Min() const { return getLocked(m_lock, m_simAIn1Min); }
    int simAIn1Max() const { return getLocked(m_lock, m_simAIn1Max); }
    int simAIn1() const { return getLocked(m_lock, m_simAIn1); }
    int simAIn1Default() const { return m_simAIn1Default; }
    float simScaleFactor() const { return getLocked(m_lock, m_simScaleFactor); }
    float simScaleFactorDefault() const { return m_simScaleFactorDefault; }

    void setSimAutoFlow(bool value);
    void setSimTicksPerMinuteMin(int value);
    void setSimTicksPerMinuteMax(int value);
    void setSimTicksPerMinute(int value); // limited to [min, max]
    void setSimAutoHeating(bool value);
    void setSimDegreesPerMinuteMin(float value);
    void setSimDegreesPerMinuteMax(float value);
    void setSimDegreesPerMinute(float value); // limited to [min, max]
    void setSimAIn0Min(int value);
    void setSimAIn0Max(int value);
    void setSimAIn0(int value); // limited to [min, max]
    void setSimAIn1Min(int value);
    void setSimAIn1Max(int value);
    void setSimAIn1(int value); // limited to [min, max]
    void setSimScaleFactor(float value); // limited to [kScaleFactorMin, kScaleFactorMax]

Q_SIGNALS:
    void simAutoFlowChanged();
    void simTicksPerMinuteMinChanged();
    void simTicksPerMinuteMaxChanged();
    void simTicksPerMinuteChanged();
    void simAutoHeatingChanged();
    void simDegreesPerMinuteMinChanged();
    void simDegreesPerMinuteMaxChanged();
    void simDegreesPerMinuteChanged();
    void simAIn0MinChanged();
    void simAIn0MaxChanged();
    void simAIn0Changed();
    void simAIn1MinChanged();
    void simAIn1MaxChanged();
    void simAIn1Changed();
    void simScaleFactorChanged();

    // Emitted by the simulator window only; the controller answers by
    // writing the parameter back.
    void toPy(Simulator::SimEnum key, const QVariant &value);

private:
    template <typename T>
    void store(T &field, const T &value, void (Simulator::*changed)())
    {
        setLocked(m_lock, field, value, this, changed);
    }

    template <typename T>
    void clamp(T &field, T value, const T &min, const T &max, void (Simulator::*changed)())
    {
        setLockedClamped(m_lock, field, value, min, max, "Simulator", this, changed);
    }

    mutable QRecursiveMutex m_lock;
    bool m_simAutoFlow = true;
    const bool m_simAutoFlowDefault = true;
    int m_simTicksPerMinuteMin = 1;
    int m_simTicksPerMinuteMax = 10000;
    int m_simTicksPerMinute = 10000;
    const int m_simTicksPerMinuteDefault = 10000;
    bool m_simAutoHeating = true;
    const bool m_simAutoHeatingDefault = true;
    float m_simDegreesPerMinuteMin = 0.1f;
    float m_simDegreesPerMinuteMax = 50.0f;
    float m_simDegreesPerMinute = 10.0f;
    const float m_simDegreesPerMinuteDefault = 10.0f;
    int m_simAIn0Min = 0;
    int m_simAIn0Max = 100;
    int m_simAIn0 = 0;
    const int m_simAIn0Default = 0;
    int m_simAIn1Min = 0;
    int m_simAIn1Max = 100;
    int m_simAIn1 = 0;
    const int m_simAIn1Default = 0;
    float m_simScaleFactor = 0.5f;
    const float m_simScaleFactorDefault = 0.5f;

public:
    // The window's scale: its drawing grows with the square of it, so it has
    // fixed bounds of its own.
    static constexpr float kScaleFactorMin = 0.1f;
    static constexpr float kScaleFactorMax = 2.0f;
};

// The spelling of the worker's slot signatures.
using SimulatorEnum = Simulator::SimEnum;
