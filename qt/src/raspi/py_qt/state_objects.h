#pragma once
// The process-wide state objects. Every source file that includes this header
// gets an initialiser; the first one to run constructs all objects in their
// fixed order and registers each one's destruction at exit right after it, so
// they are destroyed in reverse order after main has returned.

#include "action.h"
#include "gui.h"
#include "simulator.h"
#include "values.h"

extern Action &g_action;
extern Gui &g_gui;
extern Simulator &g_simulator;
extern Values &g_values;

namespace detail {
struct StateObjectsInit
{
    StateObjectsInit();
};
static StateObjectsInit s_stateObjectsInit;
} // namespace detail
