#pragma once
// For tests that call conversion and exception code directly: the interpreter
// runs on the test's main thread, which holds the interpreter lock throughout,
// and a worker without a thread of its own is current, so a record built by
// handle_py_exception reaches the bridge's exception signal at once.

#include <pybind11/embed.h>

#include <QStringList>

#include <memory>

#include "bridge_raspi.h"
#include "pybridge_worker.h"

class PyTestEnv
{
public:
    PyTestEnv()
    {
        // The bridge's own worker found the interpreter running and left it alone.
        bridge.stopInterpreter();
        worker.reset(new PyWorker(&bridge));
        pybind11::exec(kHelpers, globals);
    }

    ~PyTestEnv()
    {
        globals = pybind11::dict();
        worker.reset();
    }

    // Evaluates an expression, or runs statements, in the test's namespace.
    pybind11::object eval(const char *expression) { return pybind11::eval(expression, globals); }
    void exec(const char *statements) { pybind11::exec(statements, globals); }

    // The Python type's name of obj, "int" for an int and "bool" for a bool.
    static QString typeName(const pybind11::handle &obj)
    {
        return QString::fromStdString(pybind11::str(obj.get_type().attr("__name__")).cast<std::string>());
    }

    // Equal values of equal types at every level, containers and keys included.
    bool strictEqual(const pybind11::handle &a, const pybind11::handle &b)
    {
        return globals["strict"](a).equal(globals["strict"](b));
    }

    pybind11::scoped_interpreter interpreter;
    Bridge bridge{QStringList{QStringLiteral("/opt/tavell/brew/py/venv/bin/python3.9")}, false};
    std::unique_ptr<PyWorker> worker;
    pybind11::dict globals{pybind11::module_::import("__main__").attr("__dict__").attr("copy")()};

private:
    static constexpr const char *kHelpers = R"(
def strict(a):
    if isinstance(a, dict):
        return ("dict", [(strict(k), strict(v)) for k, v in a.items()])
    if isinstance(a, (list, tuple)):
        return (type(a).__name__, [strict(x) for x in a])
    return (type(a).__name__, a)
)";
};
