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
Storage<Gui> s_gui;
Storage<Simulator> s_simulator;
Storage<Values> s_values;

bool s_actionBuilt = false;
bool s_guiBuilt = false;
bool s_simulatorBuilt = false;
bool s_valuesBuilt = false;

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
Gui &g_gui = s_gui.object;
Simulator &g_simulator = s_simulator.object;
Values &g_values = s_values.object;

detail::StateObjectsInit::StateObjectsInit()
{
    build(s_action, s_actionBuilt, [] { s_action.object.~Action(); });
    build(s_gui, s_guiBuilt, [] { s_gui.object.~Gui(); });
    build(s_simulator, s_simulatorBuilt, [] { s_simulator.object.~Simulator(); });
    build(s_values, s_valuesBuilt, [] { s_values.object.~Values(); });
}
