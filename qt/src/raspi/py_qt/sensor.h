#pragma once
// Image of the plant's inputs. The worker thread (the controller, holding the
// interpreter lock) writes every field; the GUI thread and the controller read
// them. The object's lock covers the kettle pressure fields only; the inputs'
// scalars are atomic and each input's name has a lock of its own. The locks are
// standard mutexes, which ThreadSanitizer can see (Qt's own are invisible to it
// in an uninstrumented Qt). Notify signals reach the GUI thread as queued
// notices, one per signal at most (change_notice.h).
// requestStateChange is emitted on the GUI thread, which waits until the
// controller has handled it.

#include <QJSValue>
#include <QObject>
#include <QString>

#include <array>
#include <atomic>
#include <mutex>

class Sensor;
namespace pybind11 { class module_; }

namespace detail {

class _SensorGroupBase : public QObject
{
    Q_OBJECT

public:
    // Any int is a valid value, as the controller may build codes that name nothing.
    enum SensorEnum : int { Start, Stop, Flow, PThreshold, Ls1, Ls2, AIn1, AIn2, SensorEnumCount };
    Q_ENUM(SensorEnum)

    using QObject::QObject;
};

// One input of the group: its display name and its code.
class _SensBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name NOTIFY nameChanged)

public:
    using SensorEnum = _SensorGroupBase::SensorEnum;

    _SensBase(const QString &name, Sensor *group, SensorEnum code);

    QString name() const;
    void setName(const QString &name);

    Sensor *group() const { return m_group; }
    SensorEnum code() const { return static_cast<SensorEnum>(m_code); }

Q_SIGNALS:
    void nameChanged();

private:
    mutable std::recursive_mutex m_nameLock;
    QString m_name;
    Sensor *const m_group;
    const int m_code;
};

} // namespace detail

using SensorEnum = detail::_SensorGroupBase::SensorEnum;

class DIn : public detail::_SensBase
{
    Q_OBJECT
    Q_PROPERTY(bool state READ state NOTIFY stateChanged)
    Q_PROPERTY(int num READ num NOTIFY numChanged)

public:
    using _SensBase::_SensBase;

    bool state() const { return m_state; }
    int num() const { return m_num; }

    void setState(bool state);
    void setNum(int num);

Q_SIGNALS:
    void stateChanged();
    void numChanged();

private:
    std::atomic<bool> m_state{false};
    std::atomic<int> m_num{-1};
};

class AIn : public detail::_SensBase
{
    Q_OBJECT
    Q_PROPERTY(double value READ value NOTIFY valueChanged)
    Q_PROPERTY(int num READ num NOTIFY numChanged)

public:
    using _SensBase::_SensBase;

    double value() const { return m_value; }
    int num() const { return m_num; }

    void setValue(double value);
    void setNum(int num);

Q_SIGNALS:
    void valueChanged();
    void numChanged();

private:
    std::atomic<double> m_value{0.0};
    std::atomic<int> m_num{-1};
};

class Sensor : public detail::_SensorGroupBase
{
    Q_OBJECT
    Q_PROPERTY(DIn *start READ start CONSTANT)
    Q_PROPERTY(DIn *stop READ stop CONSTANT)
    Q_PROPERTY(DIn *flow READ flow CONSTANT)
    Q_PROPERTY(DIn *pThreshold READ pThreshold CONSTANT)
    Q_PROPERTY(DIn *ls1 READ ls1 CONSTANT)
    Q_PROPERTY(DIn *ls2 READ ls2 CONSTANT)
    Q_PROPERTY(AIn *aIn1 READ aIn1 CONSTANT)
    Q_PROPERTY(AIn *aIn2 READ aIn2 CONSTANT)
    Q_PROPERTY(bool hasKesselDruck READ hasKesselDruck NOTIFY hasKesselDruckChanged)
    Q_PROPERTY(float kesselDruck READ kesselDruck NOTIFY kesselDruckChanged)

public:
    static constexpr int kDInCount = 6;

    Sensor();

    // Fills tavell.sensor.
    static void prepareModule(pybind11::module_ &m);

    DIn *start() { return &m_start; }
    DIn *stop() { return &m_stop; }
    DIn *flow() { return &m_flow; }
    DIn *pThreshold() { return &m_pThreshold; }
    DIn *ls1() { return &m_ls1; }
    DIn *ls2() { return &m_ls2; }
    AIn *aIn1() { return &m_aIn1; }
    AIn *aIn2() { return &m_aIn2; }

    const std::array<DIn *, kDInCount> &allDins() const { return m_allDins; }

    bool hasKesselDruck() const;
    void setHasKesselDruck(bool has);
    // bar
    float kesselDruck() const;
    void setKesselDruck(float druck);

    // The input a code names, or null.
    DIn *dinFromEnum(SensorEnum code) const;
    AIn *ainFromEnum(SensorEnum code);

Q_SIGNALS:
    void hasKesselDruckChanged();
    void kesselDruckChanged();
    // From the screens only: asks the controller to change an input.
    void requestStateChange(SensorEnum code, const QJSValue &value);

private:
    bool m_hasKesselDruck = false;
    float m_kesselDruck = 0.0f;
    DIn m_start;
    DIn m_stop;
    DIn m_flow;
    DIn m_pThreshold;
    DIn m_ls1;
    DIn m_ls2;
    const std::array<DIn *, kDInCount> m_allDins;
    AIn m_aIn1;
    AIn m_aIn2;
    mutable std::recursive_mutex m_lock;
};
