#pragma once
// Hosts the embedded interpreter and the controller package on the bridge's
// worker thread. Constructed and configured on the GUI thread, then moved to
// the worker thread: initInterpreter, the forwarding slots and the destructor
// run there. Python references are only touched with the interpreter lock.

#include <pybind11/pybind11.h>

#include <QByteArray>
#include <QObject>
#include <QVariantMap>
#include <QVector>

#include <array>

#include "action.h"

class Bridge;

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
    void pyAction(ActionEnum action);

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

    QVector<const char *> m_appendedPaths;
    QVector<const char *> m_prependedPaths;
    Bridge *m_bridge = nullptr;
    PyThreadState *m_savedThreadState = nullptr;
    QByteArray m_moduleName;
    pybind11::object m_module;
    // Controller entry points, in the order of kEntryPointNames.
    std::array<pybind11::object, EntryPointCount> m_entryPoints;
};

// The current worker, or null. Read on the worker thread by the exception
// handler and by tavell.poweroff/reboot.
extern PyWorker *_pyWorker;
