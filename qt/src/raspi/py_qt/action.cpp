#include <pybind11/pybind11.h>

#include "action.h"

#include "binding_helpers.h"

namespace py = pybind11;

void Action::prepareModule(py::module_ &m)
{
    py::enum_<ActionEnum> e(m, "ActionEnum");
    e.value("GuiReady", GuiReady)
        .value("ResetExtensions", ResetExtensions)
        .value("ResetValves", ResetValves)
        .value("ResetFlows", ResetFlows)
        .value("InitFuRw1", InitFuRw1)
        .value("InitFuPump1", InitFuPump1)
        .value("InitFuRw2", InitFuRw2)
        .value("InitFuPump2", InitFuPump2)
        .value("AutoHand", AutoHand)
        .value("HeatingA", HeatingA)
        .value("HeatingB", HeatingB);
    TAVELL_ASSERT_ENUM_ENTRIES(e, ActionEnum::EnumCount);
}
