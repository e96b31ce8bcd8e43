#pragma once
// Every setter of Simulator by the name of the property it writes, taking the
// value as a QVariant, so tests can drive the object from its meta-object.

#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>

#include "simulator.h"

using SimulatorSetter = std::function<void(Simulator &, const QVariant &)>;

namespace detail {
template <typename T>
SimulatorSetter simSetter(void (Simulator::*set)(T))
{
    return [set](Simulator &sim, const QVariant &value) { (sim.*set)(qvariant_cast<T>(value)); };
}
} // namespace detail

inline const QHash<QString, SimulatorSetter> &simulatorSetters()
{
    using detail::simSetter;
    static const QHash<QString, SimulatorSetter> setters{
        {"simAutoFlow", simSetter(&Simulator::setSimAutoFlow)},
        {"simTicksPerMinuteMin", simSetter(&Simulator::setSimTicksPerMinuteMin)},
        {"simTicksPerMinuteMax", simSetter(&Simulator::setSimTicksPerMinuteMax)},
        {"simTicksPerMinute", simSetter(&Simulator::setSimTicksPerMinute)},
        {"simAutoHeating", simSetter(&Simulator::setSimAutoHeating)},
        {"simDegreesPerMinuteMin", simSetter(&Simulator::setSimDegreesPerMinuteMin)},
        {"simDegreesPerMinuteMax", simSetter(&Simulator::setSimDegreesPerMinuteMax)},
        {"simDegreesPerMinute", simSetter(&Simulator::setSimDegreesPerMinute)},
        {"simAIn0Min", simSetter(&Simulator::setSimAIn0Min)},
        {"simAIn0Max", simSetter(&Simulator::setSimAIn0Max)},
        {"simAIn0", simSetter(&Simulator::setSimAIn0)},
        {"simAIn1Min", simSetter(&Simulator::setSimAIn1Min)},
        {"simAIn1Max", simSetter(&Simulator::setSimAIn1Max)},
        {"simAIn1", simSetter(&Simulator::setSimAIn1)},
        {"simScaleFactor", simSetter(&Simulator::setSimScaleFactor)},
    };
    return setters;
}
