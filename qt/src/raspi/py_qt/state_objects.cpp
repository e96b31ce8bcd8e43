#include "state_objects.h"

#include "metatypes.h"

#include <cstdlib>
#include <new>

namespace {

// Raw storage with constant initialisation, so the references below are bound
// before any dynamic initialiser runs.
template <typename T>
union Storage {
    constexpr Storage() : none() {}
    ~Storage() {}
    char none;
    T object;
};

// Storage and built flag of one state object.
template <typename T>
struct Slot
{
    Storage<T> storage;
    bool built = false;
};

// Constructs the object unless an earlier initialiser did, and registers its
// destruction at exit right away.
template <typename T, Slot<T> &slot>
void build()
{
    if (slot.built)
        return;
    new (&slot.storage.object) T();
    slot.built = true;
    std::atexit([] { slot.storage.object.~T(); });
}

Slot<Action> s_action;
Slot<Actuator> s_actuator;
Slot<Auto> s_auto;
Slot<AutoHandManager> s_autoHandManager;
Slot<Gui> s_gui;
Slot<HopfenTimer> s_hopfenTimer;
Slot<Recipes> s_recipes;
Slot<Sensor> s_sensor;
Slot<Shell> s_shell;
Slot<Simulator> s_simulator;
Slot<Values> s_values;
Slot<Wifi> s_wifi;

bool s_wired = false;

} // namespace

Action &g_action = s_action.storage.object;
Actuator &g_actuator = s_actuator.storage.object;
Auto &g_auto = s_auto.storage.object;
AutoHandManager &g_autoHandManager = s_autoHandManager.storage.object;
Gui &g_gui = s_gui.storage.object;
HopfenTimer &g_hopfenTimer = s_hopfenTimer.storage.object;
Recipes &g_recipes = s_recipes.storage.object;
Sensor &g_sensor = s_sensor.storage.object;
Shell &g_shell = s_shell.storage.object;
Simulator &g_simulator = s_simulator.storage.object;
Values &g_values = s_values.storage.object;
Wifi &g_wifi = s_wifi.storage.object;

detail::StateObjectsInit::StateObjectsInit()
{
    build<Action, s_action>();
    build<Actuator, s_actuator>();
    build<Auto, s_auto>();
    build<AutoHandManager, s_autoHandManager>();
    build<Gui, s_gui>();
    build<HopfenTimer, s_hopfenTimer>();
    build<Recipes, s_recipes>();
    build<Sensor, s_sensor>();
    build<Shell, s_shell>();
    build<Simulator, s_simulator>();
    build<Values, s_values>();
    build<Wifi, s_wifi>();

    // Once all of them exist: the metatype names, and the links between the
    // objects (the plant layout decides which line cooks).
    if (s_wired)
        return;
    s_wired = true;
    registerMetaTypes();
    QObject::connect(&g_values, &Values::heatZoneCountBChanged, &g_auto, &Auto::_followIsSpecial);
    QObject::connect(&g_values, &Values::heatZoneCountBChanged, &g_recipes, &Recipes::_updateAutoX);
}
