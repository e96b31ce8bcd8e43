#include "pybridge_worker.h"

#include <pybind11/embed.h>

#include "bridge_raspi.h"
#include "exception_handler.h"
#include "log.h"
#include "state_objects.h"

#include <QFileInfo>
#include <cstdio>

namespace py = pybind11;

PyWorker *_pyWorker = nullptr;

const char *const PyWorker::kEntryPointNames[EntryPointCount] = {
    "action_from_cpp",       "actuator_toggle_from_cpp", "auto_value_from_cpp",
    "gui_value_from_cpp",    "recipe_action_from_cpp",   "sensor_value_from_cpp",
    "set_page_from_cpp",     "shell_action_from_cpp",    "simulator_value_from_cpp",
    "value_from_cpp",        "wifi_action_from_cpp",
};

namespace {

// Sends Python's standard streams to the program's own and imports tavell
// (which builds every submodule) before the controller is imported.
const char kRedirectSnippet[] = R"(
    import sys
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

// The interpreter named first in the argument list lives in the controller's
// virtual environment; where it does not exist, Debian's own interpreter
// serves for locating the standard library.
QString interpreterPath(const QStringList &argv)
{
    if (!argv.isEmpty() && QFileInfo(argv.first()).isFile())
        return argv.first();
    return QStringLiteral(TAVELL_SYSTEM_PYTHON);
}

} // namespace

PyWorker::PyWorker(Bridge *bridge)
    : m_bridge(bridge)
{
    _pyWorker = this;

    connect(this, &PyWorker::exception, bridge, &BridgeBase::exception);
    connect(bridge, &Bridge::pyAction, this, &PyWorker::pyAction);
    connect(&g_action, &Action::toPy, this, &PyWorker::pyAction);
}

PyWorker::~PyWorker()
{
    if (_pyWorker == this)
        _pyWorker = nullptr;
    else
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

void PyWorker::pyAction(ActionEnum action)
{
    const py::object &entry = m_entryPoints[ActionFromCpp];
    if (!entry) {
        qCritical() << "Python-Funktion action_from_cpp() nicht gefunden - "
                    << "pyAction" << "(" << action << ").";
        return;
    }
    py::gil_scoped_acquire gil;
    try {
        entry(py::cast(action));
    } catch (py::error_already_set &e) {
        detail::reportPyError(e, __LINE__, __FILE__);
    }
}
