#include "sensor.h"

#include "locked.h"

detail::_SensBase::_SensBase(const QString &name, Sensor *group, SensorEnum code)
    : QObject(nullptr)
    , m_name(name)
    , m_group(group)
    , m_code(code)
{
}

QString detail::_SensBase::name() const { return getLocked(m_nameLock, m_name); }

void detail::_SensBase::setName(const QString &name)
{
    setLocked(m_nameLock, m_name, name, this, &_SensBase::nameChanged);
}

void DIn::setState(bool state) { setAtomic(m_state, state, this, &DIn::stateChanged); }

void DIn::setNum(int num) { setAtomic(m_num, num, this, &DIn::numChanged); }

void AIn::setValue(double value) { setAtomic(m_value, value, this, &AIn::valueChanged); }

void AIn::setNum(int num) { setAtomic(m_num, num, this, &AIn::numChanged); }

Sensor::Sensor()
    : m_start(QStringLiteral("start"), this, Start)
    , m_stop(QStringLiteral("stop"), this, Stop)
    , m_flow(QStringLiteral("flow"), this, Flow)
    , m_pThreshold(QStringLiteral("pThreshold"), this, PThreshold)
    , m_ls1(QStringLiteral("ls1"), this, Ls1)
    , m_ls2(QStringLiteral("ls2"), this, Ls2)
    , m_allDins{&m_start, &m_stop, &m_flow, &m_pThreshold, &m_ls1, &m_ls2}
    , m_aIn1(QStringLiteral("A-In-1"), this, AIn1)
    , m_aIn2(QStringLiteral("A-In-2"), this, AIn2)
{
    m_aIn1.setNum(0);
    m_aIn2.setNum(1);
}

bool Sensor::hasKesselDruck() const { return getLocked(m_lock, m_hasKesselDruck); }

void Sensor::setHasKesselDruck(bool has)
{
    setLocked(m_lock, m_hasKesselDruck, has, this, &Sensor::hasKesselDruckChanged);
}

float Sensor::kesselDruck() const { return getLocked(m_lock, m_kesselDruck); }

void Sensor::setKesselDruck(float druck) { setLocked(m_lock, m_kesselDruck, druck, this, &Sensor::kesselDruckChanged); }

DIn *Sensor::dinFromEnum(SensorEnum code) const
{
    const int value = code;
    if (value >= Start && value <= Ls2)
        return m_allDins[value];
    return nullptr;
}

AIn *Sensor::ainFromEnum(SensorEnum code)
{
    switch (static_cast<int>(code)) {
    case AIn1:
        return &m_aIn1;
    case AIn2:
        return &m_aIn2;
    default:
        return nullptr;
    }
}
