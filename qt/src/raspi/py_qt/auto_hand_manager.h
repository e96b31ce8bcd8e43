#pragma once
// Sends the operator's change of a drive frequency to the controller: as a
// temporary value of the automatic sequence while a line runs, else as the
// stored setting. Holds no state and no lock; called on the GUI thread, it
// reads Auto under Auto's lock and emits Auto's or Values' toPyQVar there,
// which reaches the worker queued.

#include <QObject>

class AutoHandManager : public QObject
{
    Q_OBJECT

public:
    enum AutoHandEnum {
        FuFreqSpRw1,
        FuFreqSpPump1,
        FuFreqSpRw2,
        FuFreqSpPump2,
        FuFreqSpPumpLautern,
        AutoHandEnumCount
    };
    Q_ENUM(AutoHandEnum)

    AutoHandManager() = default;

    // Frequencies in hertz, passed on unchecked: the spin boxes keep them in
    // bounds and Values clamps what it stores.
    Q_INVOKABLE void setFuFreqPump1(int hz);
    Q_INVOKABLE void setFuFreqPump2(int hz);
    Q_INVOKABLE void setFuFreqRw1(int hz);
    Q_INVOKABLE void setFuFreqRw2(int hz);
};
