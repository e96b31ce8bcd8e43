#include <pybind11/pybind11.h>

#include "sensor.h"

#include "binding_helpers.h"
#include "locked.h"
#include "state_objects.h"
#include "types.h"

namespace py = pybind11;

detail::_SensBase::_SensBase(const QString &name, Sensor *group, SensorEnum code)
    : QObject(nullptr)
    , m_name(name)
    , m_group(group)
    , m_code(code)
{
}

QString detail::_SensBase::name() const { return getLocked(m_nameLock, m_name); }

void detail::_SensBase::setName(const QString &name)
{
    setLocked(m_nameLock, m_name, name, this, &_SensBase::nameChanged);
}

void DIn::setState(bool state) { setAtomic(m_state, state, this, &DIn::stateChanged); }

void DIn::setNum(int num) { setAtomic(m_num, num, this, &DIn::numChanged); }

void AIn::setValue(double value) { setAtomic(m_value, value, this, &AIn::valueChanged); }

void AIn::setNum(int num) { setAtomic(m_num, num, this, &AIn::numChanged); }

Sensor::Sensor()
    : m_start(QStringLiteral("start"), this, Start)
    , m_stop(QStringLiteral("stop"), this, Stop)
    , m_flow(QStringLiteral("flow"), this, Flow)
    , m_pThreshold(QStringLiteral("pThreshold"), this, PThreshold)
    , m_ls1(QStringLiteral("ls1"), this, Ls1)
    , m_ls2(QStringLiteral("ls2"), this, Ls2)
    , m_allDins{&m_start, &m_stop, &m_flow, &m_pThreshold, &m_ls1, &m_ls2}
    , m_aIn1(QStringLiteral("A-In-1"), this, AIn1)
    , m_aIn2(QStringLiteral("A-In-2"), this, AIn2)
{
    m_aIn1.setNum(0);
    m_aIn2.setNum(1);
}

bool Sensor::hasKesselDruck() const { return getLocked(m_lock, m_hasKesselDruck); }

void Sensor::setHasKesselDruck(bool has)
{
    setLocked(m_lock, m_hasKesselDruck, has, this, &Sensor::hasKesselDruckChanged);
}

float Sensor::kesselDruck() const { return getLocked(m_lock, m_kesselDruck); }

void Sensor::setKesselDruck(float druck) { setLocked(m_lock, m_kesselDruck, druck, this, &Sensor::kesselDruckChanged); }

DIn *Sensor::dinFromEnum(SensorEnum code) const
{
    const int value = code;
    if (value >= Start && value <= Ls2)
        return m_allDins[value];
    return nullptr;
}

AIn *Sensor::ainFromEnum(SensorEnum code)
{
    switch (static_cast<int>(code)) {
    case AIn1:
        return &m_aIn1;
    case AIn2:
        return &m_aIn2;
    default:
        return nullptr;
    }
}

void Sensor::prepareModule(py::module_ &m)
{
    py::enum_<SensorEnum> codes(m, "SensorEnum");
    codes.value("Start", Start)
        .value("Stop", Stop)
        .value("Flow", Flow)
        .value("PThreshold", PThreshold)
        .value("Ls1", Ls1)
        .value("Ls2", Ls2)
        .value("AIn1", AIn1)
        .value("AIn2", AIn2);
    TAVELL_ASSERT_ENUM_ENTRIES(codes, SensorEnumCount);

    // The inputs belong to the static Sensor: Python gets references only and
    // its holders never delete.
    py::class_<DIn, std::unique_ptr<DIn, py::nodelete>>(m, "DIn")
        .def_property("name", &DIn::name, &DIn::setName)
        .def_property("state", &DIn::state, &DIn::setState)
        .def_property("num", &DIn::num, &DIn::setNum)
        .def_property_readonly("enum", &DIn::code);

    py::class_<AIn, std::unique_ptr<AIn, py::nodelete>>(m, "AIn")
        .def_property("name", &AIn::name, &AIn::setName)
        .def_property("value", &AIn::value, &AIn::setValue)
        .def_property("num", &AIn::num, &AIn::setNum)
        .def_property_readonly("enum", &AIn::code);

    const auto ref = py::return_value_policy::reference;
    py::class_<Sensor, std::unique_ptr<Sensor, py::nodelete>>(m, "SensorClass")
        .def_property_readonly("start", &Sensor::start, ref)
        .def_property_readonly("stop", &Sensor::stop, ref)
        .def_property_readonly("flow", &Sensor::flow, ref)
        .def_property_readonly("p_threshold", &Sensor::pThreshold, ref)
        .def_property_readonly("ls1", &Sensor::ls1, ref)
        .def_property_readonly("ls2", &Sensor::ls2, ref)
        .def_property_readonly("all_dins",
                               [](const Sensor &self) {
                                   py::list ins;
                                   for (DIn *in : self.allDins())
                                       ins.append(py::cast(in, py::return_value_policy::reference));
                                   return ins;
                               })
        .def_property_readonly("ain1", &Sensor::aIn1, ref)
        .def_property_readonly("ain2", &Sensor::aIn2, ref)
        .def_property("has_kessel_druck", &Sensor::hasKesselDruck, &Sensor::setHasKesselDruck)
        .def_property("kessel_druck", &Sensor::kesselDruck, floatSetter(&Sensor::setKesselDruck))
        .def("din_from_enum", &Sensor::dinFromEnum, ref)
        .def("ain_from_enum", &Sensor::ainFromEnum, ref);

    m.attr("Sensor") = py::cast(&g_sensor, py::return_value_policy::reference);
}
