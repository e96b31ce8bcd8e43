#pragma once
// Image of the plant's outputs. The worker thread (the controller, holding the
// interpreter lock) writes every field; the GUI thread and the controller read
// them. There is no object-wide lock: every scalar is atomic and each output's
// name has a lock of its own. The locks are standard mutexes, which
// ThreadSanitizer can see (Qt's own are invisible to it in an uninstrumented
// Qt). Notify signals reach the GUI thread as queued notices, one per signal
// at most (change_notice.h). The toggle requests
// run on the GUI thread and only emit _toggle, which reaches the worker queued.

#include <QObject>
#include <QString>

#include <array>
#include <atomic>
#include <mutex>
#include <unordered_set>

class Actuator;
namespace pybind11 { class module_; }

namespace detail {

class _ActuatorGroupBase : public QObject
{
    Q_OBJECT

public:
    // Codes 25-32 and 41-48 belong to the drives; the spares and the second
    // kettle's outputs therefore sit at 33-40. Any int is a valid value, as
    // the controller may build codes that name nothing.
    enum ActuatorEnum : int {
        SvSkOut,
        SvSkCip,
        SvSkIn,
        SvFkCip,
        SvWuerze,
        SvKanal,
        LedGn,
        LedRd,
        LedView,
        HeatZone1,
        HeatZone2,
        HeatZone3,
        HeatZone4,
        HeatZoneB1,
        HeatZoneB2,
        HeatZoneB3,
        HeatZoneB4,
        MvWaterHot,
        MvWaterCold,
        MvRecycle,
        MvKanal,
        MvSkCip,
        MvHauptguss,
        MvNachguss,
        MvKondensator,
        FuPump1Dir,
        FuPump1Forward,
        FuPump1Backward,
        FuPump1Stop,
        FuRw1Dir,
        FuRw1Forward,
        FuRw1Backward,
        FuRw1Stop,
        Spare1,
        Spare2,
        Spare3,
        Spare4,
        SvKkCip,
        SvKkCooler,
        SvKkKanal,
        MvKkCip,
        FuPump2Dir,
        FuPump2Forward,
        FuPump2Backward,
        FuPump2Stop,
        FuRw2Dir,
        FuRw2Forward,
        FuRw2Backward,
        FuRw2Stop,
        ActuatorEnumCount
    };
    Q_ENUM(ActuatorEnum)

    using QObject::QObject;

Q_SIGNALS:
    void _toggle(ActuatorEnum code);
};

// One output of the group: its display name and its code.
class _ActBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name NOTIFY nameChanged)

public:
    using ActuatorEnum = _ActuatorGroupBase::ActuatorEnum;

    _ActBase(const QString &name, Actuator *group, ActuatorEnum code);

    QString name() const;
    void setName(const QString &name);

    Actuator *group() const { return m_group; }
    ActuatorEnum code() const { return static_cast<ActuatorEnum>(m_code); }

Q_SIGNALS:
    void nameChanged();

private:
    mutable std::recursive_mutex m_nameLock;
    QString m_name;
    Actuator *const m_group;
    const int m_code;
};

} // namespace detail

using ActuatorEnum = detail::_ActuatorGroupBase::ActuatorEnum;

class DOut : public detail::_ActBase
{
    Q_OBJECT
    Q_PROPERTY(bool state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool blocked READ blocked NOTIFY blockedChanged)
    Q_PROPERTY(int num READ num NOTIFY numChanged)

public:
    enum DOutTypeEnum : int { TypeMv, TypeSv, TypeLed, TypeHeating, TypeSpare, DOutTypeEnumCount };
    Q_ENUM(DOutTypeEnum)

    DOut(const QString &name, Actuator *group, ActuatorEnum code, DOutTypeEnum type);

    bool state() const { return m_state; }
    bool blocked() const { return m_blocked; }
    int num() const { return m_num; }
    DOutTypeEnum type() const { return m_type; }

    void setState(bool state);
    void setBlocked(bool blocked);
    void setNum(int num);

    // Asks the controller to switch the output; changes nothing here.
    Q_INVOKABLE void toggle();

Q_SIGNALS:
    void stateChanged();
    void blockedChanged();
    void numChanged();

private:
    std::atomic<bool> m_state{false};
    std::atomic<bool> m_blocked{false};
    std::atomic<int> m_num{-1};
    const DOutTypeEnum m_type;
};

// A frequency-converter drive. Its base code is the forward code.
class Fu : public detail::_ActBase
{
    Q_OBJECT
    Q_PROPERTY(int dir READ dir NOTIFY dirChanged)
    Q_PROPERTY(bool blockedForward READ blockedForward NOTIFY blockedForwardChanged)
    Q_PROPERTY(bool blockedBackward READ blockedBackward NOTIFY blockedBackwardChanged)

public:
    Fu(const QString &name, Actuator *group, ActuatorEnum forwardCode, ActuatorEnum backwardCode,
       ActuatorEnum stopCode);

    // 0 stopped, > 0 forward, < 0 backward.
    int dir() const { return m_dir; }
    bool blockedForward() const { return m_blockedForward; }
    bool blockedBackward() const { return m_blockedBackward; }
    ActuatorEnum forwardCode() const { return code(); }
    ActuatorEnum backwardCode() const { return static_cast<ActuatorEnum>(m_backwardCode); }
    ActuatorEnum stopCode() const { return static_cast<ActuatorEnum>(m_stopCode); }

    void setDir(int dir);
    void setBlockedForward(bool blocked);
    void setBlockedBackward(bool blocked);

    // Requests for the controller; they change nothing here.
    Q_INVOKABLE void toggleForward();
    Q_INVOKABLE void toggleBackward();
    Q_INVOKABLE void stop();

Q_SIGNALS:
    void dirChanged();
    void blockedForwardChanged();
    void blockedBackwardChanged();

private:
    std::atomic<int> m_dir{0};
    std::atomic<bool> m_blockedForward{false};
    std::atomic<bool> m_blockedBackward{false};
    const int m_stopCode;
    const int m_backwardCode;
};

class Actuator : public detail::_ActuatorGroupBase
{
    Q_OBJECT
    Q_PROPERTY(DOut *svSkOut READ svSkOut CONSTANT)
    Q_PROPERTY(DOut *svSkCip READ svSkCip CONSTANT)
    Q_PROPERTY(DOut *svSkIn READ svSkIn CONSTANT)
    Q_PROPERTY(DOut *svFkCip READ svFkCip CONSTANT)
    Q_PROPERTY(DOut *svWuerze READ svWuerze CONSTANT)
    Q_PROPERTY(DOut *svKanal READ svKanal CONSTANT)
    Q_PROPERTY(DOut *ledGn READ ledGn CONSTANT)
    Q_PROPERTY(DOut *ledRd READ ledRd CONSTANT)
    Q_PROPERTY(DOut *ledView READ ledView CONSTANT)
    Q_PROPERTY(DOut *heatZone1 READ heatZone1 CONSTANT)
    Q_PROPERTY(DOut *heatZone2 READ heatZone2 CONSTANT)
    Q_PROPERTY(DOut *heatZone3 READ heatZone3 CONSTANT)
    Q_PROPERTY(DOut *heatZone4 READ heatZone4 CONSTANT)
    Q_PROPERTY(DOut *heatZoneB1 READ heatZoneB1 CONSTANT)
    Q_PROPERTY(DOut *heatZoneB2 READ heatZoneB2 CONSTANT)
    Q_PROPERTY(DOut *heatZoneB3 READ heatZoneB3 CONSTANT)
    Q_PROPERTY(DOut *heatZoneB4 READ heatZoneB4 CONSTANT)
    Q_PROPERTY(DOut *mvWaterHot READ mvWaterHot CONSTANT)
    Q_PROPERTY(DOut *mvWaterCold READ mvWaterCold CONSTANT)
    Q_PROPERTY(DOut *mvRecycle READ mvRecycle CONSTANT)
    Q_PROPERTY(DOut *mvKanal READ mvKanal CONSTANT)
    Q_PROPERTY(DOut *mvSkCip READ mvSkCip CONSTANT)
    Q_PROPERTY(DOut *mvHauptguss READ mvHauptguss CONSTANT)
    Q_PROPERTY(DOut *mvNachguss READ mvNachguss CONSTANT)
    Q_PROPERTY(DOut *mvKondensator READ mvKondensator CONSTANT)
    Q_PROPERTY(DOut *spare1 READ spare1 CONSTANT)
    Q_PROPERTY(DOut *spare2 READ spare2 CONSTANT)
    Q_PROPERTY(DOut *spare3 READ spare3 CONSTANT)
    Q_PROPERTY(DOut *spare4 READ spare4 CONSTANT)
    Q_PROPERTY(DOut *svKkCip READ svKkCip CONSTANT)
    Q_PROPERTY(DOut *svKkCooler READ svKkCooler CONSTANT)
    Q_PROPERTY(DOut *svKkKanal READ svKkKanal CONSTANT)
    Q_PROPERTY(DOut *mvKkCip READ mvKkCip CONSTANT)
    Q_PROPERTY(Fu *fuPump1 READ fuPump1 CONSTANT)
    Q_PROPERTY(Fu *fuRw1 READ fuRw1 CONSTANT)
    Q_PROPERTY(Fu *fuPump2 READ fuPump2 CONSTANT)
    Q_PROPERTY(Fu *fuRw2 READ fuRw2 CONSTANT)

public:
    static constexpr int kDOutCount = 33;
    static constexpr int kFuCount = 4;
    using CodeSet = std::unordered_set<ActuatorEnum>;

    Actuator();

    // Fills tavell.actuator.
    static void prepareModule(pybind11::module_ &m);

    DOut *svSkOut() { return &m_svSkOut; }
    DOut *svSkCip() { return &m_svSkCip; }
    DOut *svSkIn() { return &m_svSkIn; }
    DOut *svFkCip() { return &m_svFkCip; }
    DOut *svWuerze() { return &m_svWuerze; }
    DOut *svKanal() { return &m_svKanal; }
    DOut *ledGn() { return &m_ledGn; }
    DOut *ledRd() { return &m_ledRd; }
    DOut *ledView() { return &m_ledView; }
    DOut *heatZone1() { return &m_heatZone1; }
    DOut *heatZone2() { return &m_heatZone2; }
    DOut *heatZone3() { return &m_heatZone3; }
    DOut *heatZone4() { return &m_heatZone4; }
    DOut *heatZoneB1() { return &m_heatZoneB1; }
    DOut *heatZoneB2() { return &m_heatZoneB2; }
    DOut *heatZoneB3() { return &m_heatZoneB3; }
    DOut *heatZoneB4() { return &m_heatZoneB4; }
    DOut *mvWaterHot() { return &m_mvWaterHot; }
    DOut *mvWaterCold() { return &m_mvWaterCold; }
    DOut *mvRecycle() { return &m_mvRecycle; }
    DOut *mvKanal() { return &m_mvKanal; }
    DOut *mvSkCip() { return &m_mvSkCip; }
    DOut *mvHauptguss() { return &m_mvHauptguss; }
    DOut *mvNachguss() { return &m_mvNachguss; }
    DOut *mvKondensator() { return &m_mvKondensator; }
    DOut *spare1() { return &m_spare1; }
    DOut *spare2() { return &m_spare2; }
    DOut *spare3() { return &m_spare3; }
    DOut *spare4() { return &m_spare4; }
    DOut *svKkCip() { return &m_svKkCip; }
    DOut *svKkCooler() { return &m_svKkCooler; }
    DOut *svKkKanal() { return &m_svKkKanal; }
    DOut *mvKkCip() { return &m_mvKkCip; }
    Fu *fuPump1() { return &m_fuPump1; }
    Fu *fuRw1() { return &m_fuRw1; }
    Fu *fuPump2() { return &m_fuPump2; }
    Fu *fuRw2() { return &m_fuRw2; }

    const std::array<DOut *, kDOutCount> &allDouts() const { return m_allDouts; }
    const std::array<Fu *, kFuCount> &allFus() const { return m_allFus; }

    // The output or drive a code names, or null. Drive codes name no output;
    // a drive is found by any of its four codes.
    DOut *doutFromEnum(ActuatorEnum code) const;
    Fu *fuFromEnum(ActuatorEnum code) const;

    // Listed outputs and drive directions become free, all others blocked.
    // Drives are named by their forward and backward codes only.
    void blockAllExceptOf(const CodeSet &codes);
    // Listed outputs and drive directions become blocked, all others free.
    void unblockAllExceptOf(const CodeSet &codes);
    // Block or free the one output or drive direction a code names; stop and
    // direction codes, and codes that name nothing, change nothing.
    void addBlocked(ActuatorEnum code);
    void removeBlocked(ActuatorEnum code);

private:
    void setBlockedByList(const CodeSet &codes, bool listedBlocked);
    void setBlockedByCode(ActuatorEnum code, bool blocked);

    DOut m_svSkOut;
    DOut m_svSkCip;
    DOut m_svSkIn;
    DOut m_svFkCip;
    DOut m_svWuerze;
    DOut m_svKanal;
    DOut m_ledGn;
    DOut m_ledRd;
    DOut m_ledView;
    DOut m_heatZone1;
    DOut m_heatZone2;
    DOut m_heatZone3;
    DOut m_heatZone4;
    DOut m_heatZoneB1;
    DOut m_heatZoneB2;
    DOut m_heatZoneB3;
    DOut m_heatZoneB4;
    DOut m_mvWaterHot;
    DOut m_mvWaterCold;
    DOut m_mvRecycle;
    DOut m_mvKanal;
    DOut m_mvSkCip;
    DOut m_mvHauptguss;
    DOut m_mvNachguss;
    DOut m_mvKondensator;
    DOut m_spare1;
    DOut m_spare2;
    DOut m_spare3;
    DOut m_spare4;
    DOut m_svKkCip;
    DOut m_svKkCooler;
    DOut m_svKkKanal;
    DOut m_mvKkCip;
    const std::array<DOut *, kDOutCount> m_allDouts;
    Fu m_fuPump1;
    Fu m_fuRw1;
    Fu m_fuPump2;
    Fu m_fuRw2;
    const std::array<Fu *, kFuCount> m_allFus;
};
