#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "actuator.h"

#include "binding_helpers.h"
#include "locked.h"
#include "state_objects.h"
#include "types.h"

#include <initializer_list>
#include <iterator>
#include <string>

namespace py = pybind11;

namespace {

// Only these codes address a drive's direction when blocking by code.
const Actuator::CodeSet kFuForwardCodes{Actuator::FuPump1Forward, Actuator::FuPump2Forward, Actuator::FuRw1Forward,
                                        Actuator::FuRw2Forward};
const Actuator::CodeSet kFuBackwardCodes{Actuator::FuPump1Backward, Actuator::FuPump2Backward,
                                         Actuator::FuRw1Backward, Actuator::FuRw2Backward};

} // namespace

detail::_ActBase::_ActBase(const QString &name, Actuator *group, ActuatorEnum code)
    : QObject(nullptr)
    , m_name(name)
    , m_group(group)
    , m_code(code)
{
}

QString detail::_ActBase::name() const { return getLocked(m_nameLock, m_name); }

void detail::_ActBase::setName(const QString &name)
{
    setLocked(m_nameLock, m_name, name, this, &_ActBase::nameChanged);
}

DOut::DOut(const QString &name, Actuator *group, ActuatorEnum code, DOutTypeEnum type)
    : _ActBase(name, group, code)
    , m_type(type)
{
}

void DOut::setState(bool state) { setAtomic(m_state, state, this, &DOut::stateChanged); }

void DOut::setBlocked(bool blocked) { setAtomic(m_blocked, blocked, this, &DOut::blockedChanged); }

void DOut::setNum(int num) { setAtomic(m_num, num, this, &DOut::numChanged); }

void DOut::toggle() { Q_EMIT group()->_toggle(code()); }

Fu::Fu(const QString &name, Actuator *group, ActuatorEnum forwardCode, ActuatorEnum backwardCode,
       ActuatorEnum stopCode)
    : _ActBase(name, group, forwardCode)
    , m_stopCode(stopCode)
    , m_backwardCode(backwardCode)
{
}

void Fu::setDir(int dir) { setAtomic(m_dir, dir, this, &Fu::dirChanged); }

void Fu::setBlockedForward(bool blocked)
{
    setAtomic(m_blockedForward, blocked, this, &Fu::blockedForwardChanged);
}

void Fu::setBlockedBackward(bool blocked)
{
    setAtomic(m_blockedBackward, blocked, this, &Fu::blockedBackwardChanged);
}

void Fu::toggleForward() { Q_EMIT group()->_toggle(forwardCode()); }

void Fu::toggleBackward() { Q_EMIT group()->_toggle(backwardCode()); }

void Fu::stop() { Q_EMIT group()->_toggle(stopCode()); }

Actuator::Actuator()
    : m_svSkOut(QStringLiteral("Sv-Sk-Out"), this, SvSkOut, DOut::TypeSv)
    , m_svSkCip(QStringLiteral("Sv-Sk-CIP"), this, SvSkCip, DOut::TypeSv)
    , m_svSkIn(QStringLiteral("Sv-Sk-In"), this, SvSkIn, DOut::TypeSv)
    , m_svFkCip(QStringLiteral("Sv-Fk-CIP"), this, SvFkCip, DOut::TypeSv)
    , m_svWuerze(QStringLiteral("Sv-Würze"), this, SvWuerze, DOut::TypeSv)
    , m_svKanal(QStringLiteral("Sv-Kanal"), this, SvKanal, DOut::TypeSv)
    , m_ledGn(QStringLiteral("LED-gn"), this, LedGn, DOut::TypeLed)
    , m_ledRd(QStringLiteral("LED-rd"), this, LedRd, DOut::TypeLed)
    , m_ledView(QStringLiteral("LED-Sg"), this, LedView, DOut::TypeLed)
    , m_heatZone1(QStringLiteral("Zone-1"), this, HeatZone1, DOut::TypeHeating)
    , m_heatZone2(QStringLiteral("Zone-2"), this, HeatZone2, DOut::TypeHeating)
    , m_heatZone3(QStringLiteral("Zone-3"), this, HeatZone3, DOut::TypeHeating)
    , m_heatZone4(QStringLiteral("Zone-4"), this, HeatZone4, DOut::TypeHeating)
    , m_heatZoneB1(QStringLiteral("Zone-B1"), this, HeatZoneB1, DOut::TypeHeating)
    , m_heatZoneB2(QStringLiteral("Zone-B2"), this, HeatZoneB2, DOut::TypeHeating)
    , m_heatZoneB3(QStringLiteral("Zone-B3"), this, HeatZoneB3, DOut::TypeHeating)
    , m_heatZoneB4(QStringLiteral("Zone-B4"), this, HeatZoneB4, DOut::TypeHeating)
    , m_mvWaterHot(QStringLiteral("W-warm"), this, MvWaterHot, DOut::TypeMv)
    , m_mvWaterCold(QStringLiteral("W-kalt"), this, MvWaterCold, DOut::TypeMv)
    , m_mvRecycle(QStringLiteral("Mv-Recycle"), this, MvRecycle, DOut::TypeMv)
    , m_mvKanal(QStringLiteral("Mv-Kanal"), this, MvKanal, DOut::TypeMv)
    , m_mvSkCip(QStringLiteral("Mv-Sk-CIP"), this, MvSkCip, DOut::TypeMv)
    , m_mvHauptguss(QStringLiteral("Mv-Hg"), this, MvHauptguss, DOut::TypeMv)
    , m_mvNachguss(QStringLiteral("Mv-Ng"), this, MvNachguss, DOut::TypeMv)
    , m_mvKondensator(QStringLiteral("Mv-Kond"), this, MvKondensator, DOut::TypeMv)
    , m_spare1(QStringLiteral("Spare-1"), this, Spare1, DOut::TypeSpare)
    , m_spare2(QStringLiteral("Spare-2"), this, Spare2, DOut::TypeSpare)
    , m_spare3(QStringLiteral("Spare-3"), this, Spare3, DOut::TypeSpare)
    , m_spare4(QStringLiteral("Spare-4"), this, Spare4, DOut::TypeSpare)
    , m_svKkCip(QStringLiteral("Sv-Kk-CIP"), this, SvKkCip, DOut::TypeSv)
    , m_svKkCooler(QStringLiteral("Sv-Kk-Kühler"), this, SvKkCooler, DOut::TypeSv)
    , m_svKkKanal(QStringLiteral("Sv-Kk-Kanal"), this, SvKkKanal, DOut::TypeSv)
    , m_mvKkCip(QStringLiteral("Mv-Kk-CIP"), this, MvKkCip, DOut::TypeMv)
    , m_allDouts{&m_svSkOut,    &m_svSkCip,    &m_svSkIn,      &m_svFkCip,      &m_svWuerze,    &m_svKanal,
                 &m_ledGn,      &m_ledRd,      &m_ledView,     &m_heatZone1,    &m_heatZone2,   &m_heatZone3,
                 &m_heatZone4,  &m_heatZoneB1, &m_heatZoneB2,  &m_heatZoneB3,   &m_heatZoneB4,  &m_mvWaterHot,
                 &m_mvWaterCold, &m_mvRecycle, &m_mvKanal,     &m_mvSkCip,      &m_mvHauptguss, &m_mvNachguss,
                 &m_mvKondensator, &m_spare1,  &m_spare2,      &m_spare3,       &m_spare4,      &m_svKkCip,
                 &m_svKkCooler, &m_svKkKanal,  &m_mvKkCip}
    , m_fuPump1(QStringLiteral("Pumpe 1"), this, FuPump1Forward, FuPump1Backward, FuPump1Stop)
    , m_fuRw1(QStringLiteral("Rührwerk 1"), this, FuRw1Forward, FuRw1Backward, FuRw1Stop)
    , m_fuPump2(QStringLiteral("Pumpe 2"), this, FuPump2Forward, FuPump2Backward, FuPump2Stop)
    , m_fuRw2(QStringLiteral("Rührwerk 2"), this, FuRw2Forward, FuRw2Backward, FuRw2Stop)
    , m_allFus{&m_fuPump1, &m_fuRw1, &m_fuPump2, &m_fuRw2}
{
}

DOut *Actuator::doutFromEnum(ActuatorEnum code) const
{
    const int value = code;
    if (value >= SvSkOut && value <= MvKondensator)
        return m_allDouts[value];
    if (value >= Spare1 && value <= MvKkCip)
        return m_allDouts[value - Spare1 + (MvKondensator + 1)];
    return nullptr;
}

Fu *Actuator::fuFromEnum(ActuatorEnum code) const
{
    const int value = code;
    if (value >= FuPump1Dir && value <= FuPump1Stop)
        return m_allFus[0];
    if (value >= FuRw1Dir && value <= FuRw1Stop)
        return m_allFus[1];
    if (value >= FuPump2Dir && value <= FuPump2Stop)
        return m_allFus[2];
    if (value >= FuRw2Dir && value <= FuRw2Stop)
        return m_allFus[3];
    return nullptr;
}

void Actuator::blockAllExceptOf(const CodeSet &codes) { setBlockedByList(codes, false); }

void Actuator::unblockAllExceptOf(const CodeSet &codes) { setBlockedByList(codes, true); }

void Actuator::addBlocked(ActuatorEnum code) { setBlockedByCode(code, true); }

void Actuator::removeBlocked(ActuatorEnum code) { setBlockedByCode(code, false); }

void Actuator::setBlockedByList(const CodeSet &codes, bool listedBlocked)
{
    const auto blockedFor = [&](ActuatorEnum code) { return codes.count(code) ? listedBlocked : !listedBlocked; };
    for (DOut *out : m_allDouts)
        out->setBlocked(blockedFor(out->code()));
    for (Fu *fu : m_allFus) {
        fu->setBlockedForward(blockedFor(fu->forwardCode()));
        fu->setBlockedBackward(blockedFor(fu->backwardCode()));
    }
}

void Actuator::setBlockedByCode(ActuatorEnum code, bool blocked)
{
    if (DOut *out = doutFromEnum(code)) {
        out->setBlocked(blocked);
    } else if (Fu *fu = fuFromEnum(code)) {
        if (kFuForwardCodes.count(code))
            fu->setBlockedForward(blocked);
        else if (kFuBackwardCodes.count(code))
            fu->setBlockedBackward(blocked);
    }
}

namespace {

// Python's key class: one read-only class attribute per name, holding the name.
struct ActuatorKeys
{
};

// The outputs in all-outputs order under their Python names.
const struct
{
    const char *name;
    DOut *(Actuator::*get)();
} kPyDOuts[] = {
    {"sv_sk_out", &Actuator::svSkOut},         {"sv_sk_cip", &Actuator::svSkCip},
    {"sv_sk_in", &Actuator::svSkIn},           {"sv_fk_cip", &Actuator::svFkCip},
    {"sv_wuerze", &Actuator::svWuerze},        {"sv_kanal", &Actuator::svKanal},
    {"led_gn", &Actuator::ledGn},              {"led_rd", &Actuator::ledRd},
    {"led_view", &Actuator::ledView},          {"heatzone_1", &Actuator::heatZone1},
    {"heatzone_2", &Actuator::heatZone2},      {"heatzone_3", &Actuator::heatZone3},
    {"heatzone_4", &Actuator::heatZone4},      {"heatzone_b1", &Actuator::heatZoneB1},
    {"heatzone_b2", &Actuator::heatZoneB2},    {"heatzone_b3", &Actuator::heatZoneB3},
    {"heatzone_b4", &Actuator::heatZoneB4},    {"mv_water_hot", &Actuator::mvWaterHot},
    {"mv_water_cold", &Actuator::mvWaterCold}, {"mv_recycle", &Actuator::mvRecycle},
    {"mv_kanal", &Actuator::mvKanal},          {"mv_sk_cip", &Actuator::mvSkCip},
    {"mv_hg", &Actuator::mvHauptguss},         {"mv_ng", &Actuator::mvNachguss},
    {"mv_kond", &Actuator::mvKondensator},     {"spare_1", &Actuator::spare1},
    {"spare_2", &Actuator::spare2},            {"spare_3", &Actuator::spare3},
    {"spare_4", &Actuator::spare4},            {"sv_kk_cip", &Actuator::svKkCip},
    {"sv_kk_cooler", &Actuator::svKkCooler},   {"sv_kk_kanal", &Actuator::svKkKanal},
    {"mv_kk_cip", &Actuator::mvKkCip},
};
static_assert(std::size(kPyDOuts) == Actuator::kDOutCount);

// Python's order of the drives differs from the array's.
const struct
{
    const char *name;
    Fu *(Actuator::*get)();
} kPyFus[] = {
    {"fu_pump_1", &Actuator::fuPump1},
    {"fu_pump_2", &Actuator::fuPump2},
    {"fu_rw_1", &Actuator::fuRw1},
    {"fu_rw_2", &Actuator::fuRw2},
};
static_assert(std::size(kPyFus) == Actuator::kFuCount);

// Keys without an attribute of their own in ActuatorClass.
const char *const kPyExtraKeys[] = {"fu_pump_1_dir", "fu_pump_2_dir", "fu_rw_1_dir", "fu_rw_2_dir",
                                    "dout_from_enum", "fu_from_enum"};

// add_blocked and remove_blocked: element by element, so the elements before a
// bad one keep their effect.
void forEachCode(Actuator &actuator, const py::iterable &codes, void (Actuator::*apply)(ActuatorEnum))
{
    for (py::handle item : codes) {
        ActuatorEnum code;
        try {
            code = item.cast<ActuatorEnum>();
        } catch (const py::cast_error &) {
            throw py::type_error(std::string(py::repr(item)) + " ist kein ActuatorEnum");
        }
        (actuator.*apply)(code);
    }
}

py::set codeSet(std::initializer_list<ActuatorEnum> codes)
{
    py::set set;
    for (ActuatorEnum code : codes)
        set.add(py::cast(code));
    return set;
}

} // namespace

void Actuator::prepareModule(py::module_ &m)
{
    py::enum_<ActuatorEnum> codes(m, "ActuatorEnum");
    codes.value("SvSkOut", SvSkOut)
        .value("SvSkCip", SvSkCip)
        .value("SvSkIn", SvSkIn)
        .value("SvFkCip", SvFkCip)
        .value("SvWuerze", SvWuerze)
        .value("SvKanal", SvKanal)
        .value("LedGn", LedGn)
        .value("LedRd", LedRd)
        .value("LedView", LedView)
        .value("HeatZone1", HeatZone1)
        .value("HeatZone2", HeatZone2)
        .value("HeatZone3", HeatZone3)
        .value("HeatZone4", HeatZone4)
        .value("HeatZoneB1", HeatZoneB1)
        .value("HeatZoneB2", HeatZoneB2)
        .value("HeatZoneB3", HeatZoneB3)
        .value("HeatZoneB4", HeatZoneB4)
        .value("MvWaterHot", MvWaterHot)
        .value("MvWaterCold", MvWaterCold)
        .value("MvRecycle", MvRecycle)
        .value("MvKanal", MvKanal)
        .value("MvSkCip", MvSkCip)
        .value("MvHauptguss", MvHauptguss)
        .value("MvNachguss", MvNachguss)
        .value("MvKondensator", MvKondensator)
        .value("FuPump1Dir", FuPump1Dir)
        .value("FuPump1Forward", FuPump1Forward)
        .value("FuPump1Backward", FuPump1Backward)
        .value("FuPump1Stop", FuPump1Stop)
        .value("FuRw1Dir", FuRw1Dir)
        .value("FuRw1Forward", FuRw1Forward)
        .value("FuRw1Backward", FuRw1Backward)
        .value("FuRw1Stop", FuRw1Stop)
        .value("Spare1", Spare1)
        .value("Spare2", Spare2)
        .value("Spare3", Spare3)
        .value("Spare4", Spare4)
        .value("SvKkCip", SvKkCip)
        .value("SvKkCooler", SvKkCooler)
        .value("SvKkKanal", SvKkKanal)
        .value("MvKkCip", MvKkCip)
        .value("FuPump2Dir", FuPump2Dir)
        .value("FuPump2Forward", FuPump2Forward)
        .value("FuPump2Backward", FuPump2Backward)
        .value("FuPump2Stop", FuPump2Stop)
        .value("FuRw2Dir", FuRw2Dir)
        .value("FuRw2Forward", FuRw2Forward)
        .value("FuRw2Backward", FuRw2Backward)
        .value("FuRw2Stop", FuRw2Stop);
    TAVELL_ASSERT_ENUM_ENTRIES(codes, ActuatorEnumCount);

    py::enum_<DOut::DOutTypeEnum> types(m, "DOutTypeEnum");
    types.value("Mv", DOut::TypeMv)
        .value("Sv", DOut::TypeSv)
        .value("Led", DOut::TypeLed)
        .value("Heating", DOut::TypeHeating)
        .value("Spare", DOut::TypeSpare);
    TAVELL_ASSERT_ENUM_ENTRIES(types, DOut::DOutTypeEnumCount);

    // The outputs belong to the static Actuator: Python gets references only
    // and its holders never delete.
    py::class_<DOut, std::unique_ptr<DOut, py::nodelete>>(m, "DOut")
        .def_property("name", &DOut::name, &DOut::setName)
        .def_property("blocked", &DOut::blocked, &DOut::setBlocked)
        .def_property("state", &DOut::state, &DOut::setState)
        .def_property("num", &DOut::num, &DOut::setNum)
        .def_property_readonly("enum", &DOut::code)
        .def_property_readonly("type_", &DOut::type);

    py::class_<Fu, std::unique_ptr<Fu, py::nodelete>>(m, "Fu")
        .def_property("name", &Fu::name, &Fu::setName)
        .def_property("blocked_forward", &Fu::blockedForward, &Fu::setBlockedForward)
        .def_property("blocked_backward", &Fu::blockedBackward, &Fu::setBlockedBackward)
        .def_property("dir", &Fu::dir, &Fu::setDir);

    py::class_<Actuator, std::unique_ptr<Actuator, py::nodelete>> actuator(m, "ActuatorClass");
    for (const auto &out : kPyDOuts) {
        const auto get = out.get;
        actuator.def_property_readonly(
            out.name, [get](Actuator &self) { return (self.*get)(); }, py::return_value_policy::reference);
    }
    for (const auto &fu : kPyFus) {
        const auto get = fu.get;
        actuator.def_property_readonly(
            fu.name, [get](Actuator &self) { return (self.*get)(); }, py::return_value_policy::reference);
    }
    actuator
        .def_property_readonly("all_douts",
                               [](const Actuator &self) {
                                   py::list outs;
                                   for (DOut *out : self.allDouts())
                                       outs.append(py::cast(out, py::return_value_policy::reference));
                                   return outs;
                               })
        .def("dout_from_enum", &Actuator::doutFromEnum, py::return_value_policy::reference)
        .def("fu_from_enum", &Actuator::fuFromEnum, py::return_value_policy::reference)
        // A set of codes, converted whole before anything changes.
        .def("block_all_except_of", &Actuator::blockAllExceptOf)
        .def("unblock_all_except_of", &Actuator::unblockAllExceptOf)
        .def("add_blocked",
             [](Actuator &self, const py::iterable &codes) { forEachCode(self, codes, &Actuator::addBlocked); })
        .def("remove_blocked",
             [](Actuator &self, const py::iterable &codes) { forEachCode(self, codes, &Actuator::removeBlocked); });

    m.attr("Actuator") = py::cast(&g_actuator, py::return_value_policy::reference);

    py::class_<ActuatorKeys> keys(m, "ActuatorKeys");
    keys.def(py::init<>());
    const auto addKey = [&keys](const char *name) {
        keys.def_property_readonly_static(name, [name](const py::object &) { return py::str(name); });
    };
    for (const auto &out : kPyDOuts)
        addKey(out.name);
    for (const auto &fu : kPyFus)
        addKey(fu.name);
    for (const char *name : kPyExtraKeys)
        addKey(name);

    m.attr("ENUMS_FU_FORWARD_SET") = codeSet({FuPump1Forward, FuPump2Forward, FuRw1Forward, FuRw2Forward});
    m.attr("ENUMS_FU_BACKWARD_SET") = codeSet({FuPump1Backward, FuPump2Backward, FuRw1Backward, FuRw2Backward});
    m.attr("ENUMS_FU_STOP_SET") = codeSet({FuPump1Stop, FuPump2Stop, FuRw1Stop, FuRw2Stop});
    m.attr("ENUMS_FU_PUMP1_SET") = codeSet({FuPump1Stop, FuPump1Forward, FuPump1Backward});
    m.attr("ENUMS_FU_PUMP2_SET") = codeSet({FuPump2Stop, FuPump2Forward, FuPump2Backward});
    m.attr("ENUMS_FU_RW1_SET") = codeSet({FuRw1Stop, FuRw1Forward, FuRw1Backward});
    m.attr("ENUMS_FU_RW2_SET") = codeSet({FuRw2Stop, FuRw2Forward, FuRw2Backward});
}
