#pragma once
// Hosts the embedded interpreter and the controller package on the bridge's
// worker thread. Constructed and configured on the GUI thread, then moved to
// the worker thread: initInterpreter, the forwarding slots and the destructor
// run there. Python references are only touched with the interpreter lock.
// The forwarding slots run on the worker thread: queued from the GUI thread
// (the GUI thread waiting for the QJSValue ones), or directly when a state
// object's signal is emitted on the worker thread inside a controller call,
// where the lock is already held and is taken again re-entrantly.

#include <pybind11/pybind11.h>

#include <QByteArray>
#include <QJSValue>
#include <QObject>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

#include <array>
#include <atomic>

#include "action.h"
#include "actuator.h"
#include "auto.h"
#include "gui.h"
#include "recipes.h"
#include "sensor.h"
#include "shell.h"
#include "simulator.h"
#include "values.h"
#include "wifi.h"

class Bridge;
struct CatchSite;

class PyWorker : public QObject
{
    Q_OBJECT

public:
    explicit PyWorker(Bridge *bridge);
    ~PyWorker() override;

    void setModuleName(const char *name);
    void addPyPath(const char *path);
    void appendPyPath(const char *path);

    pybind11::object &pyModule() { return m_module; }
    Bridge *bridge() const { return m_bridge; }

Q_SIGNALS:
    void exception(const QVariantMap &error);

public Q_SLOTS:
    // Each calls the controller's entry point for its kind of action with the
    // code as the bound Python enumeration member (and the value converted).
    void pyAction(ActionEnum action);
    void pyActuatorToggle(Actuator::ActuatorEnum code);
    void pyAutoValueQJs(Auto::AutoEnum code, const QJSValue &value);
    void pyAutoValueQVar(Auto::AutoEnum code, const QVariant &value);
    void pyGuiValueQJs(GuiValueEnum code, const QJSValue &value);
    void pyGuiValueQVar(GuiValueEnum code, const QVariant &value);
    void pyRecipeValueQJs(RecipesAction code, const QJSValue &value);
    void pyRecipeValueQVar(RecipesAction code, const QVariant &value);
    void pySensorValueQJs(SensorEnum code, const QJSValue &value);
    void pySensorValueQVar(SensorEnum code, const QVariant &value);
    void pyShellValueQJs(ShellAction code, const QJSValue &value);
    void pySimulatorValueQJs(SimulatorEnum code, const QJSValue &value);
    void pySimulatorValueQVar(SimulatorEnum code, const QVariant &value);
    void pySetPage(PageEnum page);
    void pyValueQJs(Values::ValuesEnum code, const QJSValue &value);
    void pyValueQVar(Values::ValuesEnum code, const QVariant &value);
    void pyWifiValue(WifiAction code, const QJSValue &value);

    bool initInterpreter();

public:
    // The controller's entry points, in lookup order.
    enum EntryPoint {
        ActionFromCpp,
        ActuatorToggleFromCpp,
        AutoValueFromCpp,
        GuiValueFromCpp,
        RecipeActionFromCpp,
        SensorValueFromCpp,
        SetPageFromCpp,
        ShellActionFromCpp,
        SimulatorValueFromCpp,
        ValueFromCpp,
        WifiActionFromCpp,
        EntryPointCount
    };
    static const char *const kEntryPointNames[EntryPointCount];

private:
    bool startupFailed();
    void lookUpEntryPoints();
    void connectActions(Bridge *bridge);

    // The steps every forwarding slot shares; value is absent for the slots
    // that carry only a code.
    template <typename Code, typename... Value>
    void forward(const CatchSite &site, const char *slot, EntryPoint entry, Code code, const Value &...value);

    QVector<const char *> m_appendedPaths;
    QVector<const char *> m_prependedPaths;
    Bridge *m_bridge = nullptr;
    PyThreadState *m_savedThreadState = nullptr;
    QByteArray m_moduleName;
    pybind11::object m_module;
    // Controller entry points, in the order of kEntryPointNames.
    std::array<pybind11::object, EntryPointCount> m_entryPoints;
};

// The current worker, or null. Set where a worker is made (GUI thread), cleared
// where it is deleted (its own thread after the thread's end), read on the
// worker thread by the exception handler and by tavell.poweroff/reboot and by
// tests on the GUI thread: atomic, stored with release and loaded with acquire.
extern std::atomic<PyWorker *> _pyWorker;
