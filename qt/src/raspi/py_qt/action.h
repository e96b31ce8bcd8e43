#pragma once
// Operator commands without a value. Holds no data; its signal is emitted on
// the GUI thread and reaches the worker queued.

#include <QObject>

namespace pybind11 { class module_; }

class Action : public QObject
{
    Q_OBJECT

public:
    enum ActionEnum : int {
        GuiReady,
        ResetExtensions,
        ResetValves,
        ResetFlows,
        InitFuRw1,
        InitFuPump1,
        InitFuRw2,
        InitFuPump2,
        AutoHand,
        HeatingA,
        HeatingB,
        EnumCount
    };
    Q_ENUM(ActionEnum)

    Action() = default;

    static void prepareModule(pybind11::module_ &m);

Q_SIGNALS:
    void toPy(Action::ActionEnum action);
};

using ActionEnum = Action::ActionEnum;
