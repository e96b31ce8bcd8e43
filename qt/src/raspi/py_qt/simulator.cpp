#include <pybind11/pybind11.h>

#include "simulator.h"

#include "binding_helpers.h"
#include "state_objects.h"
#include "types.h"

#include <mutex>

namespace py = pybind11;

void Simulator::setSimAutoFlow(bool value) { store(m_simAutoFlow, value, &Simulator::simAutoFlowChanged); }
void Simulator::setSimTicksPerMinuteMin(int value)
{
    store(m_simTicksPerMinuteMin, value, &Simulator::simTicksPerMinuteMinChanged);
}
void Simulator::setSimTicksPerMinuteMax(int value)
{
    store(m_simTicksPerMinuteMax, value, &Simulator::simTicksPerMinuteMaxChanged);
}
void Simulator::setSimTicksPerMinute(int value)
{
    clamp(m_simTicksPerMinute, value, m_simTicksPerMinuteMin, m_simTicksPerMinuteMax,
          &Simulator::simTicksPerMinuteChanged);
}
void Simulator::setSimAutoHeating(bool value) { store(m_simAutoHeating, value, &Simulator::simAutoHeatingChanged); }
void Simulator::setSimDegreesPerMinuteMin(float value)
{
    store(m_simDegreesPerMinuteMin, value, &Simulator::simDegreesPerMinuteMinChanged);
}
void Simulator::setSimDegreesPerMinuteMax(float value)
{
    store(m_simDegreesPerMinuteMax, value, &Simulator::simDegreesPerMinuteMaxChanged);
}
void Simulator::setSimDegreesPerMinute(float value)
{
    clamp(m_simDegreesPerMinute, value, m_simDegreesPerMinuteMin, m_simDegreesPerMinuteMax,
          &Simulator::simDegreesPerMinuteChanged);
}
void Simulator::setSimAIn0Min(int value) { store(m_simAIn0Min, value, &Simulator::simAIn0MinChanged); }
void Simulator::setSimAIn0Max(int value) { store(m_simAIn0Max, value, &Simulator::simAIn0MaxChanged); }
void Simulator::setSimAIn0(int value)
{
    clamp(m_simAIn0, value, m_simAIn0Min, m_simAIn0Max, &Simulator::simAIn0Changed);
}
void Simulator::setSimAIn1Min(int value) { store(m_simAIn1Min, value, &Simulator::simAIn1MinChanged); }
void Simulator::setSimAIn1Max(int value) { store(m_simAIn1Max, value, &Simulator::simAIn1MaxChanged); }
void Simulator::setSimAIn1(int value)
{
    clamp(m_simAIn1, value, m_simAIn1Min, m_simAIn1Max, &Simulator::simAIn1Changed);
}
void Simulator::setSimScaleFactor(float value)
{
    clamp(m_simScaleFactor, value, kScaleFactorMin, kScaleFactorMax, &Simulator::simScaleFactorChanged);
}

namespace {

// Python's key class: each attribute holds its own name.
struct SimKeys
{
};

const char *const kSimKeys[] = {
    "auto_flow",
    "auto_flow_default",
    "ticks_per_minute",
    "ticks_per_minute_min",
    "ticks_per_minute_max",
    "ticks_per_minute_default",
    "auto_heating",
    "auto_heating_default",
    "degrees_per_minute",
    "degrees_per_minute_min",
    "degrees_per_minute_max",
    "degrees_per_minute_default",
    "a_in_0",
    "a_in_0_min",
    "a_in_0_max",
    "a_in_0_default",
    "a_in_1",
    "a_in_1_min",
    "a_in_1_max",
    "a_in_1_default",
    "scale_factor",
};

// The simulator's own bounds; none of them is a limit key of Values.
const char *const kMinMaxKeys[] = {
    "ticks_per_minute_min", "ticks_per_minute_max", "degrees_per_minute_min", "degrees_per_minute_max",
    "a_in_0_min",           "a_in_0_max",           "a_in_1_min",             "a_in_1_max",
};

} // namespace

void Simulator::prepareModule(py::module_ &m)
{
    // The object is static: Python only ever holds it by reference.
    py::class_<Simulator, std::unique_ptr<Simulator, py::nodelete>>(m, "SimulatorClass")
        .def_property("auto_flow", &Simulator::simAutoFlow, &Simulator::setSimAutoFlow)
        .def_property("ticks_per_minute", &Simulator::simTicksPerMinute, &Simulator::setSimTicksPerMinute)
        .def_property("ticks_per_minute_min", &Simulator::simTicksPerMinuteMin, &Simulator::setSimTicksPerMinuteMin)
        .def_property("ticks_per_minute_max", &Simulator::simTicksPerMinuteMax, &Simulator::setSimTicksPerMinuteMax)
        .def_property_readonly("auto_flow_default", &Simulator::simAutoFlowDefault)
        .def_property_readonly("ticks_per_minute_default", &Simulator::simTicksPerMinuteDefault)
        .def_property("auto_heating", &Simulator::simAutoHeating, &Simulator::setSimAutoHeating)
        .def_property("degrees_per_minute", &Simulator::simDegreesPerMinute,
                      floatSetter(&Simulator::setSimDegreesPerMinute))
        .def_property("degrees_per_minute_min", &Simulator::simDegreesPerMinuteMin,
                      floatSetter(&Simulator::setSimDegreesPerMinuteMin))
        .def_property("degrees_per_minute_max", &Simulator::simDegreesPerMinuteMax,
                      floatSetter(&Simulator::setSimDegreesPerMinuteMax))
        .def_property_readonly("auto_heating_default", &Simulator::simAutoHeatingDefault)
        .def_property_readonly("degrees_per_minute_default", &Simulator::simDegreesPerMinuteDefault)
        .def_property("a_in_0", &Simulator::simAIn0, &Simulator::setSimAIn0)
        .def_property("a_in_0_min", &Simulator::simAIn0Min, &Simulator::setSimAIn0Min)
        .def_property("a_in_0_max", &Simulator::simAIn0Max, &Simulator::setSimAIn0Max)
        .def_property_readonly("a_in_0_default", &Simulator::simAIn0Default)
        .def_property("a_in_1", &Simulator::simAIn1, &Simulator::setSimAIn1)
        .def_property("a_in_1_min", &Simulator::simAIn1Min, &Simulator::setSimAIn1Min)
        .def_property("a_in_1_max", &Simulator::simAIn1Max, &Simulator::setSimAIn1Max)
        .def_property_readonly("a_in_1_default", &Simulator::simAIn1Default)
        .def_property("scale_factor", &Simulator::simScaleFactor, floatSetter(&Simulator::setSimScaleFactor));

    m.attr("Simulator") = py::cast(&g_simulator, py::return_value_policy::reference);

    py::class_<SimKeys> keys(m, "SimKeys");
    keys.def(py::init<>());
    for (const char *key : kSimKeys)
        keys.def_property_readonly_static(key, [key](const py::object &) { return key; });

    py::enum_<SimEnum> e(m, "SimuEnum");
    e.value("AutoFlow", SimAutoFlow)
        .value("TicksPerMinute", SimTicksPerMinute)
        .value("AutoHeating", SimAutoHeating)
        .value("DegreesPerMinute", SimDegreesPerMinute)
        .value("ScaleFactor", SimScaleFactor)
        .value("AIn0", SimAIn0)
        .value("AIn1", SimAIn1);
    TAVELL_ASSERT_ENUM_ENTRIES(e, SimEnumCount);

    py::dict defaults;
    {
        std::lock_guard<QRecursiveMutex> guard(g_simulator.m_lock);
        defaults["ticks_per_minute"] = g_simulator.m_simTicksPerMinuteDefault;
        defaults["degrees_per_minute"] = g_simulator.m_simDegreesPerMinuteDefault;
        defaults["auto_flow"] = g_simulator.m_simAutoFlowDefault;
        defaults["scale_factor"] = g_simulator.m_simScaleFactorDefault;
    }
    m.attr("DEFAULT_VALUES_SIMULATOR") = defaults;

    py::set minMax;
    for (const char *key : kMinMaxKeys)
        minMax.add(key);
    m.attr("MIN_MAX_KEYS_SIMULATOR") = minMax;
}
