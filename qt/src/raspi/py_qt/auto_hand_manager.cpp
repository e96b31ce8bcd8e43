#include "auto_hand_manager.h"

#include <QVariant>

#include "state_objects.h"

namespace {

// Any running line makes it a temporary change, whichever line the drive
// belongs to.
void route(Auto::AutoEnum autoCode, Values::ValuesEnum valuesCode, int hz)
{
    const QVariant value(hz);
    if (g_auto.isActive())
        Q_EMIT g_auto.toPyQVar(autoCode, value);
    else
        Q_EMIT g_values.toPyQVar(valuesCode, value);
}

} // namespace

void AutoHandManager::setFuFreqPump1(int hz) { route(Auto::FuFreqSpPump1, Values::FuFreqSpPump1, hz); }
void AutoHandManager::setFuFreqPump2(int hz) { route(Auto::FuFreqSpPump2, Values::FuFreqSpPump2, hz); }
void AutoHandManager::setFuFreqRw1(int hz) { route(Auto::FuFreqSpRw1, Values::FuFreqSpRw1, hz); }
void AutoHandManager::setFuFreqRw2(int hz) { route(Auto::FuFreqSpRw2, Values::FuFreqSpRw2, hz); }
