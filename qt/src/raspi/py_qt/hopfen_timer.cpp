#include <pybind11/pybind11.h>

#include "hopfen_timer.h"

#include "log.h"
#include "state_objects.h"
#include "types.h"

namespace py = pybind11;

void HopfenTimer::setStr1(const QString &value) { store(m_str1, value, &HopfenTimer::str1Changed); }
void HopfenTimer::setStr2(const QString &value) { store(m_str2, value, &HopfenTimer::str2Changed); }
void HopfenTimer::setStr3(const QString &value) { store(m_str3, value, &HopfenTimer::str3Changed); }
void HopfenTimer::setStr4(const QString &value) { store(m_str4, value, &HopfenTimer::str4Changed); }
void HopfenTimer::setStr5(const QString &value) { store(m_str5, value, &HopfenTimer::str5Changed); }
void HopfenTimer::setStatus(const QString &value) { store(m_status, value, &HopfenTimer::statusChanged); }
void HopfenTimer::setAlarm(bool value) { store(m_alarm, value, &HopfenTimer::alarmChanged); }
void HopfenTimer::setSuccess(bool value) { store(m_success, value, &HopfenTimer::successChanged); }
void HopfenTimer::setCurrent(int value) { store(m_current, value, &HopfenTimer::currentChanged); }
void HopfenTimer::setVwDone(bool value) { store(m_vwDone, value, &HopfenTimer::vwDoneChanged); }
void HopfenTimer::setWpDone(bool value) { store(m_wpDone, value, &HopfenTimer::wpDoneChanged); }

void HopfenTimer::setStrIndexed(int index, const QString &text)
{
    switch (index) {
    case 0: setStr1(text); break;
    case 1: setStr2(text); break;
    case 2: setStr3(text); break;
    case 3: setStr4(text); break;
    case 4: setStr5(text); break;
    default:
        logCritical().noquote() << "Ungültigen Index erhalten:" << index << "(" << QLatin1Char('"') + text + QLatin1Char('"')
                                << ")";
    }
}

void HopfenTimer::prepareModule(py::module_ &m)
{
    py::class_<HopfenTimer>(m, "HopfenTimerClass")
        .def_property("str1", &HopfenTimer::str1, &HopfenTimer::setStr1)
        .def_property("str2", &HopfenTimer::str2, &HopfenTimer::setStr2)
        .def_property("str3", &HopfenTimer::str3, &HopfenTimer::setStr3)
        .def_property("str4", &HopfenTimer::str4, &HopfenTimer::setStr4)
        .def_property("str5", &HopfenTimer::str5, &HopfenTimer::setStr5)
        // The headline as the screens show it; statusDefault stays a Qt property.
        .def_property("status", &HopfenTimer::status, &HopfenTimer::setStatus)
        .def_property("alarm", &HopfenTimer::alarm, &HopfenTimer::setAlarm)
        .def_property("success", &HopfenTimer::success, &HopfenTimer::setSuccess)
        .def_property("current", &HopfenTimer::current, &HopfenTimer::setCurrent)
        .def_property("vw_done", &HopfenTimer::vwDone, &HopfenTimer::setVwDone)
        .def_property("wp_done", &HopfenTimer::wpDone, &HopfenTimer::setWpDone)
        .def("set_str_indexed", &HopfenTimer::setStrIndexed);
    m.attr("HopfenTimer") = py::cast(&g_hopfenTimer, py::return_value_policy::reference);
}
