#include "actuator.h"

#include "locked.h"

namespace {

// Only these codes address a drive's direction when blocking by code.
const Actuator::CodeSet kFuForwardCodes{Actuator::FuPump1Forward, Actuator::FuPump2Forward, Actuator::FuRw1Forward,
                                        Actuator::FuRw2Forward};
const Actuator::CodeSet kFuBackwardCodes{Actuator::FuPump1Backward, Actuator::FuPump2Backward,
                                         Actuator::FuRw1Backward, Actuator::FuRw2Backward};

} // namespace

detail::_ActBase::_ActBase(const QString &name, Actuator *group, ActuatorEnum code)
    : QObject(nullptr)
    , m_name(name)
    , m_group(group)
    , m_code(code)
{
}

QString detail::_ActBase::name() const { return getLocked(m_nameLock, m_name); }

void detail::_ActBase::setName(const QString &name)
{
    setLocked(m_nameLock, m_name, name, this, &_ActBase::nameChanged);
}

DOut::DOut(const QString &name, Actuator *group, ActuatorEnum code, DOutTypeEnum type)
    : _ActBase(name, group, code)
    , m_type(type)
{
}

void DOut::setState(bool state) { setAtomic(m_state, state, this, &DOut::stateChanged); }

void DOut::setBlocked(bool blocked) { setAtomic(m_blocked, blocked, this, &DOut::blockedChanged); }

void DOut::setNum(int num) { setAtomic(m_num, num, this, &DOut::numChanged); }

void DOut::toggle() { Q_EMIT group()->_toggle(code()); }

Fu::Fu(const QString &name, Actuator *group, ActuatorEnum forwardCode, ActuatorEnum backwardCode,
       ActuatorEnum stopCode)
    : _ActBase(name, group, forwardCode)
    , m_stopCode(stopCode)
    , m_backwardCode(backwardCode)
{
}

void Fu::setDir(int dir) { setAtomic(m_dir, dir, this, &Fu::dirChanged); }

void Fu::setBlockedForward(bool blocked)
{
    setAtomic(m_blockedForward, blocked, this, &Fu::blockedForwardChanged);
}

void Fu::setBlockedBackward(bool blocked)
{
    setAtomic(m_blockedBackward, blocked, this, &Fu::blockedBackwardChanged);
}

void Fu::toggleForward() { Q_EMIT group()->_toggle(forwardCode()); }

void Fu::toggleBackward() { Q_EMIT group()->_toggle(backwardCode()); }

void Fu::stop() { Q_EMIT group()->_toggle(stopCode()); }

Actuator::Actuator()
    : m_svSkOut(QStringLiteral("Sv-Sk-Out"), this, SvSkOut, DOut::TypeSv)
    , m_svSkCip(QStringLiteral("Sv-Sk-CIP"), this, SvSkCip, DOut::TypeSv)
    , m_svSkIn(QStringLiteral("Sv-Sk-In"), this, SvSkIn, DOut::TypeSv)
    , m_svFkCip(QStringLiteral("Sv-Fk-CIP"), this, SvFkCip, DOut::TypeSv)
    , m_svWuerze(QStringLiteral("Sv-Würze"), this, SvWuerze, DOut::TypeSv)
    , m_svKanal(QStringLiteral("Sv-Kanal"), this, SvKanal, DOut::TypeSv)
    , m_ledGn(QStringLiteral("LED-gn"), this, LedGn, DOut::TypeLed)
    , m_ledRd(QStringLiteral("LED-rd"), this, LedRd, DOut::TypeLed)
    , m_ledView(QStringLiteral("LED-Sg"), this, LedView, DOut::TypeLed)
    , m_heatZone1(QStringLiteral("Zone-1"), this, HeatZone1, DOut::TypeHeating)
    , m_heatZone2(QStringLiteral("Zone-2"), this, HeatZone2, DOut::TypeHeating)
    , m_heatZone3(QStringLiteral("Zone-3"), this, HeatZone3, DOut::TypeHeating)
    , m_heatZone4(QStringLiteral("Zone-4"), this, HeatZone4, DOut::TypeHeating)
    , m_heatZoneB1(QStringLiteral("Zone-B1"), this, HeatZoneB1, DOut::TypeHeating)
    , m_heatZoneB2(QStringLiteral("Zone-B2"), this, HeatZoneB2, DOut::TypeHeating)
    , m_heatZoneB3(QStringLiteral("Zone-B3"), this, HeatZoneB3, DOut::TypeHeating)
    , m_heatZoneB4(QStringLiteral("Zone-B4"), this, HeatZoneB4, DOut::TypeHeating)
    , m_mvWaterHot(QStringLiteral("W-warm"), this, MvWaterHot, DOut::TypeMv)
    , m_mvWaterCold(QStringLiteral("W-kalt"), this, MvWaterCold, DOut::TypeMv)
    , m_mvRecycle(QStringLiteral("Mv-Recycle"), this, MvRecycle, DOut::TypeMv)
    , m_mvKanal(QStringLiteral("Mv-Kanal"), this, MvKanal, DOut::TypeMv)
    , m_mvSkCip(QStringLiteral("Mv-Sk-CIP"), this, MvSkCip, DOut::TypeMv)
    , m_mvHauptguss(QStringLiteral("Mv-Hg"), this, MvHauptguss, DOut::TypeMv)
    , m_mvNachguss(QStringLiteral("Mv-Ng"), this, MvNachguss, DOut::TypeMv)
    , m_mvKondensator(QStringLiteral("Mv-Kond"), this, MvKondensator, DOut::TypeMv)
    , m_spare1(QStringLiteral("Spare-1"), this, Spare1, DOut::TypeSpare)
    , m_spare2(QStringLiteral("Spare-2"), this, Spare2, DOut::TypeSpare)
    , m_spare3(QStringLiteral("Spare-3"), this, Spare3, DOut::TypeSpare)
    , m_spare4(QStringLiteral("Spare-4"), this, Spare4, DOut::TypeSpare)
    , m_svKkCip(QStringLiteral("Sv-Kk-CIP"), this, SvKkCip, DOut::TypeSv)
    , m_svKkCooler(QStringLiteral("Sv-Kk-Kühler"), this, SvKkCooler, DOut::TypeSv)
    , m_svKkKanal(QStringLiteral("Sv-Kk-Kanal"), this, SvKkKanal, DOut::TypeSv)
    , m_mvKkCip(QStringLiteral("Mv-Kk-CIP"), this, MvKkCip, DOut::TypeMv)
    , m_allDouts{&m_svSkOut,    &m_svSkCip,    &m_svSkIn,      &m_svFkCip,      &m_svWuerze,    &m_svKanal,
                 &m_ledGn,      &m_ledRd,      &m_ledView,     &m_heatZone1,    &m_heatZone2,   &m_heatZone3,
                 &m_heatZone4,  &m_heatZoneB1, &m_heatZoneB2,  &m_heatZoneB3,   &m_heatZoneB4,  &m_mvWaterHot,
                 &m_mvWaterCold, &m_mvRecycle, &m_mvKanal,     &m_mvSkCip,      &m_mvHauptguss, &m_mvNachguss,
                 &m_mvKondensator, &m_spare1,  &m_spare2,      &m_spare3,       &m_spare4,      &m_svKkCip,
                 &m_svKkCooler, &m_svKkKanal,  &m_mvKkCip}
    , m_fuPump1(QStringLiteral("Pumpe 1"), this, FuPump1Forward, FuPump1Backward, FuPump1Stop)
    , m_fuRw1(QStringLiteral("Rührwerk 1"), this, FuRw1Forward, FuRw1Backward, FuRw1Stop)
    , m_fuPump2(QStringLiteral("Pumpe 2"), this, FuPump2Forward, FuPump2Backward, FuPump2Stop)
    , m_fuRw2(QStringLiteral("Rührwerk 2"), this, FuRw2Forward, FuRw2Backward, FuRw2Stop)
    , m_allFus{&m_fuPump1, &m_fuRw1, &m_fuPump2, &m_fuRw2}
{
}

DOut *Actuator::doutFromEnum(ActuatorEnum code) const
{
    const int value = code;
    if (value >= SvSkOut && value <= MvKondensator)
        return m_allDouts[value];
    if (value >= Spare1 && value <= MvKkCip)
        return m_allDouts[value - Spare1 + (MvKondensator + 1)];
    return nullptr;
}

Fu *Actuator::fuFromEnum(ActuatorEnum code) const
{
    const int value = code;
    if (value >= FuPump1Dir && value <= FuPump1Stop)
        return m_allFus[0];
    if (value >= FuRw1Dir && value <= FuRw1Stop)
        return m_allFus[1];
    if (value >= FuPump2Dir && value <= FuPump2Stop)
        return m_allFus[2];
    if (value >= FuRw2Dir && value <= FuRw2Stop)
        return m_allFus[3];
    return nullptr;
}

void Actuator::blockAllExceptOf(const CodeSet &codes) { setBlockedByList(codes, false); }

void Actuator::unblockAllExceptOf(const CodeSet &codes) { setBlockedByList(codes, true); }

void Actuator::addBlocked(ActuatorEnum code) { setBlockedByCode(code, true); }

void Actuator::removeBlocked(ActuatorEnum code) { setBlockedByCode(code, false); }

void Actuator::setBlockedByList(const CodeSet &codes, bool listedBlocked)
{
    const auto blockedFor = [&](ActuatorEnum code) { return codes.count(code) ? listedBlocked : !listedBlocked; };
    for (DOut *out : m_allDouts)
        out->setBlocked(blockedFor(out->code()));
    for (Fu *fu : m_allFus) {
        fu->setBlockedForward(blockedFor(fu->forwardCode()));
        fu->setBlockedBackward(blockedFor(fu->backwardCode()));
    }
}

void Actuator::setBlockedByCode(ActuatorEnum code, bool blocked)
{
    if (DOut *out = doutFromEnum(code)) {
        out->setBlocked(blocked);
    } else if (Fu *fu = fuFromEnum(code)) {
        if (kFuForwardCodes.count(code))
            fu->setBlockedForward(blocked);
        else if (kFuBackwardCodes.count(code))
            fu->setBlockedBackward(blocked);
    }
}
