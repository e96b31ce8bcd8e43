#include "state_objects.h"

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

Storage<Action> s_action;
Storage<Actuator> s_actuator;
Storage<Gui> s_gui;
Storage<Sensor> s_sensor;

bool s_actionBuilt = false;
bool s_actuatorBuilt = false;
bool s_guiBuilt = false;
bool s_sensorBuilt = false;

template <typename T>
void build(Storage<T> &storage, bool &built, void (*destroy)())
{
    if (built)
        return;
    new (&storage.object) T();
    built = true;
    std::atexit(destroy);
}

} // namespace

Action &g_action = s_action.object;
Actuator &g_actuator = s_actuator.object;
Gui &g_gui = s_gui.object;
Sensor &g_sensor = s_sensor.object;

detail::StateObjectsInit::StateObjectsInit()
{
    build(s_action, s_actionBuilt, [] { s_action.object.~Action(); });
    build(s_actuator, s_actuatorBuilt, [] { s_actuator.object.~Actuator(); });
    build(s_gui, s_guiBuilt, [] { s_gui.object.~Gui(); });
    build(s_sensor, s_sensorBuilt, [] { s_sensor.object.~Sensor(); });
}
