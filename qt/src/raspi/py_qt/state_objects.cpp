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
Storage<Shell> s_shell;
Storage<Wifi> s_wifi;

bool s_actionBuilt = false;
bool s_guiBuilt = false;
bool s_shellBuilt = false;
bool s_wifiBuilt = false;

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
Shell &g_shell = s_shell.object;
Wifi &g_wifi = s_wifi.object;

detail::StateObjectsInit::StateObjectsInit()
{
    build(s_action, s_actionBuilt, [] { s_action.object.~Action(); });
    build(s_gui, s_guiBuilt, [] { s_gui.object.~Gui(); });
    build(s_shell, s_shellBuilt, [] { s_shell.object.~Shell(); });
    build(s_wifi, s_wifiBuilt, [] { s_wifi.object.~Wifi(); });
}
