#include <pybind11/embed.h>

#include "embedded_modules.h"

#include "bridge_raspi.h"
#include "converter.h"
#include "exception_handler.h"
#include "log.h"
#include "pybridge_worker.h"
#include "state_objects.h"
#include "types.h"

#include <cstdio>
#include <cstring>

namespace py = pybind11;

const char *const kTavellSubmodules[11] = {"action",  "actuator",  "auto",   "gui",    "hopfentimer", "recipes",
                                           "sensor", "shell", "simulator", "values", "wifi"};

namespace {

// Python's Logger class: static methods only, no constructor.
struct PyLogger
{
};

// All of the text's UTF-8 bytes, NUL characters included; a text Python
// cannot encode is written as the conversion-error text.
void writeStream(FILE *stream, const py::str &text)
{
    Py_ssize_t size = 0;
    const char *utf8 = PyUnicode_AsUTF8AndSize(text.ptr(), &size);
    if (!utf8) {
        PyErr_Clear();
        utf8 = kPyQtConversionErrorCStr;
        size = Py_ssize_t(std::strlen(utf8));
    }
    std::fwrite(utf8, 1, size_t(size), stream);
}

// Logger methods take a str only; anything else is a TypeError from the binding.
void logFromPy(QtMsgType type, const py::str &msg)
{
    logPyMessage(type, _pyStr2QString(msg));
}

void forwardException()
{
    std::puts("forward_exception ...");
    try {
        handle_py_exception(nullptr, -1, nullptr);
    } catch (const std::exception &e) {
        logWarningPrintf("\nforward_exception failed with: %s\n\n", e.what());
    } catch (...) {
        logWarningPrintf("\nforward_exception failed with unknown exception!!!\n\n");
    }
}

using SubmoduleFiller = void (*)(py::module_ &);

// Filled as their state classes exist; an absent filler leaves the submodule empty.
const SubmoduleFiller kSubmoduleFillers[11] = {
    &Action::prepareModule,      // action
    &Actuator::prepareModule,    // actuator
    &Auto::prepareModule,        // auto
    &Gui::prepareModule,         // gui
    &HopfenTimer::prepareModule, // hopfentimer
    &Recipes::prepareModule,     // recipes
    &Sensor::prepareModule,      // sensor
    &Shell::prepareModule,       // shell
    &Simulator::prepareModule,   // simulator
    &Values::prepareModule,      // values
    &Wifi::prepareModule,        // wifi
};

} // namespace

PYBIND11_EMBEDDED_MODULE(_std_redirects, m)
{
    m.def("stdout_redirect", [](const py::str &s) { writeStream(stdout, s); });
    m.def("stderr_redirect", [](const py::str &s) { writeStream(stderr, s); });
}

PYBIND11_EMBEDDED_MODULE(tavell, m)
{
    m.def("poweroff", [] {
        if (PyWorker *worker = _pyWorker.load(std::memory_order_acquire))
            worker->bridge()->poweroff();
    });
    m.def("reboot", [] {
        if (PyWorker *worker = _pyWorker.load(std::memory_order_acquire))
            worker->bridge()->reboot();
    });
    m.def("forward_exception", &forwardException);

    py::class_<PyLogger> logger(m, "Logger");
    const struct {
        const char *name;
        QtMsgType type;
    } levels[] = {{"debug", QtDebugMsg},
                  {"info", QtInfoMsg},
                  {"warning", QtWarningMsg},
                  {"critical", QtCriticalMsg},
                  {"fatal", QtFatalMsg}};
    for (const auto &level : levels) {
        const QtMsgType type = level.type;
        logger.def_static(
            level.name, [type](const py::str &msg, bool) { logFromPy(type, msg); }, py::arg("msg"),
            py::arg("w_trace") = false);
    }

    for (int i = 0; i < 11; ++i) {
        py::module_ sub = m.def_submodule(kTavellSubmodules[i]);
        py::module_::import("sys").attr("modules")[py::str(std::string("tavell.") + kTavellSubmodules[i])] = sub;
        if (kSubmoduleFillers[i])
            kSubmoduleFillers[i](sub);
    }
}
