#include "pybridge_worker.h"

#include <pybind11/embed.h>

#include "bridge_raspi.h"
#include "converter.h"
#include "exception_handler.h"
#include "log.h"
#include "state_objects.h"

#include <QFileInfo>
#include <QMessageLogger>
#include <cstdio>
#include <tuple>
#include <type_traits>

namespace py = pybind11;

std::atomic<PyWorker *> _pyWorker{nullptr};

const char *const PyWorker::kEntryPointNames[EntryPointCount] = {
    "action_from_cpp",       "actuator_toggle_from_cpp", "auto_value_from_cpp",
    "gui_value_from_cpp",    "recipe_action_from_cpp",   "sensor_value_from_cpp",
    "set_page_from_cpp",     "shell_action_from_cpp",    "simulator_value_from_cpp",
    "value_from_cpp",        "wifi_action_from_cpp",
};

namespace {

// Sends Python's standard streams to the program's own and imports tavell
// (which builds every submodule) before the controller is imported.
// The snippets start at column 0 of their first line: pybind11 would
// otherwise dedent them with textwrap, an import (with re) that costs the
// start-up several milliseconds.
const char kRedirectSnippet[] = R"(import sys
import _std_redirects
from tavell import Logger

class _StdxxxCatcher:
    def __init__(self, stream):
        self._my_stream = stream

    def write(self, s):
        self._my_stream(s)

    def flush(self):
        pass

sys.stdout = _StdxxxCatcher(_std_redirects.stdout_redirect)
sys.stderr = _StdxxxCatcher(_std_redirects.stderr_redirect)
Logger.debug(f"Interpreter: {sys.executable} - {sys.version}")
)";

// Finalising the interpreter waits for every thread that is not a daemon. A
// controller's polling thread may never end: it gets a few seconds, then the
// interpreter stops without it (as with a daemon thread), and the threads
// still running are named in the log.
const char kThreadGraceSnippet[] = R"(import sys
import time

def _tavell_wait_for_threads(grace):
    threading = sys.modules.get("threading")
    if threading is None:
        return
    me = threading.current_thread()
    others = [t for t in threading.enumerate() if t is not me and not t.daemon and t.is_alive()]
    deadline = time.monotonic() + grace
    for t in others:
        t.join(max(0.0, deadline - time.monotonic()))
    left = [t for t in others if t.is_alive()]
    if not left:
        return
    from tavell import Logger
    Logger.warning("Python-Threads laufen beim Beenden nach %.0f s noch und werden nicht abgewartet: %s"
                   % (grace, ", ".join(t.name for t in left)))
    with threading._shutdown_locks_lock:
        for t in left:
            threading._shutdown_locks.discard(t._tstate_lock)

_tavell_wait_for_threads(3.0)
del _tavell_wait_for_threads
)";

// The interpreter named first in the argument list lives in the controller's
// virtual environment; where it does not exist, Debian's own interpreter
// serves for locating the standard library.
QString interpreterPath(const QStringList &argv)
{
    if (!argv.isEmpty() && QFileInfo(argv.first()).isFile())
        return argv.first();
    return QStringLiteral(TAVELL_SYSTEM_PYTHON);
}

// The network actions carry login data (Connect: SSID and password); their
// values never reach the log.
template <typename Code>
constexpr bool kValueIsSecret = std::is_same<Code, WifiAction>::value;

void logValue(QDebug &line, const QJSValue &value) { line << value.toString(); }
void logValue(QDebug &line, const QVariant &value) { line << value; }

// The member of the code's enumeration bound in tavell. pybind11 answers an
// enumeration that is not bound with an empty object and a pending
// TypeError; that becomes an exception here like any other Python error.
template <typename Code>
py::object boundMember(Code code)
{
    py::object member = py::cast(code);
    if (!member)
        throw py::error_already_set();
    return member;
}

} // namespace

PyWorker::PyWorker(Bridge *bridge)
    : m_bridge(bridge)
{
    _pyWorker.store(this, std::memory_order_release);
    connectActions(bridge);
}

void PyWorker::connectActions(Bridge *bridge)
{
    // The signals carrying a QJSValue hold the GUI thread until the
    // controller has returned; they must never be emitted on this thread.
    const auto blocking = Qt::BlockingQueuedConnection;

    connect(this, &PyWorker::exception, bridge, &BridgeBase::exception);
    connect(bridge, &Bridge::pyAction, this, &PyWorker::pyAction);
    connect(&g_action, &Action::toPy, this, &PyWorker::pyAction);
    connect(&g_actuator, &detail::_ActuatorGroupBase::_toggle, this, &PyWorker::pyActuatorToggle);
    connect(&g_auto, &Auto::toPy, this, &PyWorker::pyAutoValueQJs, blocking);
    connect(&g_auto, &Auto::toPyQVar, this, &PyWorker::pyAutoValueQVar);
    connect(&g_gui, &Gui::changedPage, this, &PyWorker::pySetPage);
    connect(&g_gui, &Gui::toPy, this, &PyWorker::pyGuiValueQJs, blocking);
    connect(&g_gui, &Gui::_toPyQVar, this, &PyWorker::pyGuiValueQVar);
    connect(&g_recipes, &Recipes::toPy, this, &PyWorker::pyRecipeValueQJs, blocking);
    connect(&g_recipes, &Recipes::toPyQVar, this, &PyWorker::pyRecipeValueQVar);
    connect(&g_sensor, &Sensor::requestStateChange, this, &PyWorker::pySensorValueQJs, blocking);
    connect(&g_shell, &Shell::toPy, this, &PyWorker::pyShellValueQJs, blocking);
    connect(&g_simulator, &Simulator::toPy, this, &PyWorker::pySimulatorValueQVar);
    connect(&g_values, &Values::toPyQVar, this, &PyWorker::pyValueQVar);
    connect(&g_values, &Values::toPy, this, &PyWorker::pyValueQJs, blocking);
    connect(&g_wifi, &Wifi::toPy, this, &PyWorker::pyWifiValue, blocking);
}

PyWorker::~PyWorker()
{
    PyWorker *current = this;
    if (!_pyWorker.compare_exchange_strong(current, nullptr, std::memory_order_acq_rel))
        logWarning() << "[~PyWorker()] _pyWorker != this";

    // Only the worker that started the interpreter holds a saved thread state;
    // a refused worker leaves the running interpreter alone.
    if (Py_IsInitialized() && m_savedThreadState) {
        std::puts("1");
        {
            py::gil_scoped_acquire gil;
            std::puts("2");
            m_module = py::object();
            std::puts("3");
            for (int i = 0; i < EntryPointCount; ++i) {
                m_entryPoints[size_t(i)] = py::object();
                std::printf("%d\n", i + 4);
            }
        }
        std::puts("15");
        PyEval_RestoreThread(m_savedThreadState);
        m_savedThreadState = nullptr;
        std::puts("16");
        TAVELL_GUARDED(py::exec(kThreadGraceSnippet));
        py::finalize_interpreter();
        std::puts("17");
    }
    std::puts("18");
}

void PyWorker::setModuleName(const char *name) { m_moduleName = QByteArray(name); }

void PyWorker::addPyPath(const char *path) { m_prependedPaths.append(path); }

void PyWorker::appendPyPath(const char *path) { m_appendedPaths.append(path); }

bool PyWorker::initInterpreter()
{
    if (Py_IsInitialized()) {
        Q_EMIT g_gui.message(QStringLiteral("Python Interpreter"),
                             QStringLiteral("Interpreter wurde bereits initialisiert"),
                             QStringLiteral("warning"), 0);
        return false;
    }

    if (m_bridge->makeStubs)
        qputenv("TAVELL_MAKE_PY_STUBS", "1");

    QVector<QByteArray> argBytes;
    for (const QString &arg : m_bridge->pyArgv)
        argBytes.append(arg.toUtf8());
    QVector<const char *> argv;
    for (const QByteArray &arg : argBytes)
        argv.append(arg.constData());

    try {
        PyConfig config;
        PyConfig_InitPythonConfig(&config);
        config.install_signal_handlers = 1;
        config.parse_argv = 0;
        const QString program = interpreterPath(m_bridge->pyArgv);
        PyConfig_SetBytesString(&config, &config.program_name, program.toUtf8().constData());
        PyConfig_SetBytesString(&config, &config.executable, program.toUtf8().constData());
        py::initialize_interpreter(&config, argv.size(), argv.constData(), true);
    } catch (const std::exception &e) {
        // The interpreter did not come up; nothing Python-side to clean up.
        logCritical() << "Der Python-Interpreter konnte nicht gestartet werden:" << e.what();
        g_gui.setControlsEnabled(false);
        return false;
    }

    const bool pathOk = TAVELL_GUARDED({
        py::list path = py::module_::import("sys").attr("path");
        for (const char *p : qAsConst(m_appendedPaths))
            path.append(p ? py::object(py::str(p)) : py::object(py::none()));
        for (const char *p : qAsConst(m_prependedPaths))
            path.insert(0, p ? py::object(py::str(p)) : py::object(py::none()));
    });
    if (!pathOk)
        return startupFailed();

    if (!TAVELL_GUARDED(py::exec(kRedirectSnippet)))
        return startupFailed();

    if (!TAVELL_GUARDED(m_module = py::module_::import(m_moduleName.constData())))
        return startupFailed();

    if (m_bridge->makeStubs) {
        m_savedThreadState = PyEval_SaveThread();
        return true;
    }

    if (!TAVELL_GUARDED(m_module.attr("init")(py::bool_(true), py::bool_(m_bridge->isSimulator()))))
        return startupFailed();

    lookUpEntryPoints();

    m_savedThreadState = PyEval_SaveThread();
    g_gui.setControlsEnabled(true);
    logInfoPrintf("Interpreter mit Modul '%s' initialisiert", m_moduleName.constData());
    return true;
}

void PyWorker::lookUpEntryPoints()
{
    for (int i = 0; i < EntryPointCount; ++i)
        TAVELL_GUARDED(m_entryPoints[size_t(i)] = m_module.attr(kEntryPointNames[i]));
}

bool PyWorker::startupFailed()
{
    m_module = py::object();
    m_savedThreadState = PyEval_SaveThread();
    g_gui.setControlsEnabled(false);
    return false;
}

template <typename Code, typename... Value>
void PyWorker::forward(const CatchSite &site, const char *slot, EntryPoint entry, Code code, const Value &...value)
{
    static_assert(sizeof...(Value) <= 1, "an action carries at most one value");

    // Looked at without the lock: only start-up and the destructor, both on
    // this thread, change it.
    const py::object &function = m_entryPoints[size_t(entry)];
    if (!function) {
        const QByteArray head = "Python-Funktion " + QByteArray(kEntryPointNames[entry]) + "() nicht gefunden - ";
        QDebug line = QMessageLogger(site.file, site.line, site.function).critical();
        line << head.constData() << slot << "(" << code;
        if constexpr (kValueIsSecret<Code>)
            ((line << "," << "<verborgen>", void(value)), ...);
        else
            ((line << ",", logValue(line, value)), ...);
        line << ").";
        return;
    }

    py::gil_scoped_acquire gil;
    // A controller error must neither end the program nor stop this thread's
    // event loop: it is shown to the operator and the next action comes.
    try {
        auto converted = std::make_tuple(castQt2Py(value)...);
        const py::tuple args = std::apply(
            [&](const auto &...pyValue) { return py::make_tuple(boundMember(code), pyValue...); }, converted);
        function(*args);
    } catch (py::error_already_set &e) {
        detail::reportPyError(e, site);
    } catch (const py::cast_error &e) {
        detail::reportCastError(e, &site);
    } catch (const std::exception &e) {
        detail::reportStdError(e, &site);
    } catch (...) {
        detail::reportUnknownError(&site);
    }
}

void PyWorker::pyAction(ActionEnum action) { forward(TAVELL_CATCH_SITE, __func__, ActionFromCpp, action); }

void PyWorker::pyActuatorToggle(Actuator::ActuatorEnum code)
{
    forward(TAVELL_CATCH_SITE, __func__, ActuatorToggleFromCpp, code);
}

void PyWorker::pyAutoValueQJs(Auto::AutoEnum code, const QJSValue &value)
{
    forward(TAVELL_CATCH_SITE, __func__, AutoValueFromCpp, code, value);
}

void PyWorker::pyAutoValueQVar(Auto::AutoEnum code, const QVariant &value)
{
    forward(TAVELL_CATCH_SITE, __func__, AutoValueFromCpp, code, value);
}

void PyWorker::pyGuiValueQJs(GuiValueEnum code, const QJSValue &value)
{
    forward(TAVELL_CATCH_SITE, __func__, GuiValueFromCpp, code, value);
}

void PyWorker::pyGuiValueQVar(GuiValueEnum code, const QVariant &value)
{
    forward(TAVELL_CATCH_SITE, __func__, GuiValueFromCpp, code, value);
}

void PyWorker::pyRecipeValueQJs(RecipesAction code, const QJSValue &value)
{
    forward(TAVELL_CATCH_SITE, __func__, RecipeActionFromCpp, code, value);
}

void PyWorker::pyRecipeValueQVar(RecipesAction code, const QVariant &value)
{
    forward(TAVELL_CATCH_SITE, __func__, RecipeActionFromCpp, code, value);
}

void PyWorker::pySensorValueQJs(SensorEnum code, const QJSValue &value)
{
    forward(TAVELL_CATCH_SITE, __func__, SensorValueFromCpp, code, value);
}

void PyWorker::pySensorValueQVar(SensorEnum code, const QVariant &value)
{
    forward(TAVELL_CATCH_SITE, __func__, SensorValueFromCpp, code, value);
}

void PyWorker::pyShellValueQJs(ShellAction code, const QJSValue &value)
{
    forward(TAVELL_CATCH_SITE, __func__, ShellActionFromCpp, code, value);
}

void PyWorker::pySimulatorValueQJs(SimulatorEnum code, const QJSValue &value)
{
    forward(TAVELL_CATCH_SITE, __func__, SimulatorValueFromCpp, code, value);
}

void PyWorker::pySimulatorValueQVar(SimulatorEnum code, const QVariant &value)
{
    forward(TAVELL_CATCH_SITE, __func__, SimulatorValueFromCpp, code, value);
}

void PyWorker::pySetPage(PageEnum page) { forward(TAVELL_CATCH_SITE, __func__, SetPageFromCpp, page); }

void PyWorker::pyValueQJs(Values::ValuesEnum code, const QJSValue &value)
{
    forward(TAVELL_CATCH_SITE, __func__, ValueFromCpp, code, value);
}

void PyWorker::pyValueQVar(Values::ValuesEnum code, const QVariant &value)
{
    forward(TAVELL_CATCH_SITE, __func__, ValueFromCpp, code, value);
}

void PyWorker::pyWifiValue(WifiAction code, const QJSValue &value)
{
    forward(TAVELL_CATCH_SITE, __func__, WifiActionFromCpp, code, value);
}
