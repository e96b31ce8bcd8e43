#pragma once
// The process-wide state objects. Every source file that includes this header
// gets an initialiser; the first one to run constructs all objects in their
// fixed order and registers each one's destruction at exit right after it, so
// they are destroyed in reverse order after main has returned.

#include "action.h"
#include "actuator.h"
#include "auto.h"
#include "auto_hand_manager.h"
#include "gui.h"
#include "hopfen_timer.h"
#include "recipes.h"
#include "sensor.h"
#include "shell.h"
#include "simulator.h"
#include "values.h"
#include "wifi.h"

extern Action &g_action;
extern Actuator &g_actuator;
extern Auto &g_auto;
extern AutoHandManager &g_autoHandManager;
extern Gui &g_gui;
extern HopfenTimer &g_hopfenTimer;
extern Recipes &g_recipes;
extern Sensor &g_sensor;
extern Shell &g_shell;
extern Simulator &g_simulator;
extern Values &g_values;
extern Wifi &g_wifi;

namespace detail {
struct StateObjectsInit
{
    StateObjectsInit();
};
static StateObjectsInit s_stateObjectsInit;
} // namespace detail
