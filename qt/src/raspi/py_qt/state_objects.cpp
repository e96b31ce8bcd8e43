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
Storage<Recipes> s_recipes;
Storage<Values> s_values;

bool s_actionBuilt = false;
bool s_guiBuilt = false;
bool s_recipesBuilt = false;
bool s_valuesBuilt = false;
bool s_linked = false;

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
Recipes &g_recipes = s_recipes.object;
Values &g_values = s_values.object;

detail::StateObjectsInit::StateObjectsInit()
{
    build(s_action, s_actionBuilt, [] { s_action.object.~Action(); });
    build(s_gui, s_guiBuilt, [] { s_gui.object.~Gui(); });
    build(s_recipes, s_recipesBuilt, [] { s_recipes.object.~Recipes(); });
    build(s_values, s_valuesBuilt, [] { s_values.object.~Values(); });

    // Links between the objects, once all of them exist.
    if (s_linked)
        return;
    s_linked = true;
    // The cooking line's recipe follows the plant layout kept by Values.
    QObject::connect(&g_values, &Values::heatZoneCountBChanged, &g_recipes, &Recipes::_updateAutoX);
}
