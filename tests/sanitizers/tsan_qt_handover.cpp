// ThreadSanitizer build only. A queued call to an object on another thread
// goes through the receiving thread's event queue, whose lock lives inside
// libQt5Core, which is not instrumented; QtCore posts those events through
// internal calls that cannot be wrapped. Qt orders everything the sending
// thread did before the call with the slot on the receiving thread; this file
// tells ThreadSanitizer so at the two ends QtCore does offer hooks:
//
// - Signals. Qt's signal-spy hook runs on the emitting thread at the start of
//   every signal, before a queued connection copies the arguments and posts
//   the call: it releases on the sender's address. On the receiving thread
//   Qt's event-notify hook runs before each event; a queued signal's event
//   carries its sender, and the hook acquires on that address.
// - QMetaObject::invokeMethod with a function object: the program's inline
//   template calls the exported invokeMethodImpl, which is wrapped here and
//   releases on the function object; its event carries that object, and the
//   hook acquires on it.
// - The event and the argument copies. QtCore allocates them on the sending
//   thread after the release above, and the slot reads them on the receiving
//   thread. While a signal or such an invokeMethod runs, every block that
//   QtCore itself allocates with operator new releases on its own address
//   (operator new is replaced here for that), and the hook acquires on the
//   event and on each argument before delivery. Without this a slot reading
//   its arguments was reported whenever the receiving thread was awake when
//   the call arrived (tst_tsan_handover with a busy receiver: every run). The
//   pointer array of a call with more than two arguments is malloc'ed and not
//   covered; a blocking-queued call's arguments stay on the sender's stack.
//
// Not exact: the acquire takes in everything the sender's thread did up to
// the sender's latest signal, which may be later than the one being
// delivered. A race between a write made after one signal and a read in the
// slot of that signal is hidden only when the same object emits again before
// the slot runs. Direct calls, events posted by hand, deleteLater and the
// return of a blocking-queued call are not covered.
// tests/sanitizers/tst_tsan_handover.cpp checks both: a hand-over is not
// reported, a write after the emit still is.
#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <cstdint>
#include <cstring>
#include <dlfcn.h>
#include <new>
#include <sanitizer/tsan_interface.h>
#include <typeinfo>

// Qt's hook for signal spies (QtCore's private qobject_p.h), called on the
// emitting thread at the start of every signal.
struct QSignalSpyCallbackSet
{
    using BeginCallback = void (*)(QObject *caller, int signalOrMethodIndex, void **argv);
    using EndCallback = void (*)(QObject *caller, int signalOrMethodIndex);
    BeginCallback signal_begin_callback, slot_begin_callback;
    EndCallback signal_end_callback, slot_end_callback;
};
void qt_register_signal_spy_callbacks(QSignalSpyCallbackSet *callbackSet);

// tsan_qt_free.cpp: finds QtCore's code once, then tells a caller in it.
void tsanWatchQtCoreFrees();
bool tsanInQtCore(std::uintptr_t address);

namespace {

// The fields QtCore's QMetaCallEvent (private qobject_p.h, Qt 5.15) adds to
// QEvent, in its order: QAbstractMetaCallEvent's signal index (in QEvent's
// tail padding), sender and semaphore, then the function object of a call
// made with one, the argument pointers (return value first) and their count.
// Checked against the constructor in libQt5Core 5.15.8 and by
// tst_tsan_handover, which fails without these acquires.
struct MetaCallEventFields : QEvent
{
    int signalId;
    const QObject *sender;
    void *semaphore;
    QtPrivate::QSlotObjectBase *slotObject;
    void **args;
    void *callFunction;
    int argCount;
};

// Signals and queued invokeMethods running on this thread, nested.
thread_local int handingOver = 0;

// Also the end of a thread's start: QThread's started() releases here and
// QThread::quit() acquires it (tsan_qt_mutex.cpp).
void signalBegin(QObject *caller, int, void **)
{
    __tsan_release(caller);
    ++handingOver;
}

void signalEnd(QObject *, int)
{
    if (handingOver > 0)
        --handingOver;
}

// Reads what QtCore wrote into the event before the acquire: not instrumented.
__attribute__((no_sanitize("thread"))) bool eventNotify(void **data)
{
    const auto *event = static_cast<const QEvent *>(data[1]);
    if (event->type() == QEvent::MetaCall && std::strcmp(typeid(*event).name(), "14QMetaCallEvent") == 0) {
        const auto *fields = static_cast<const MetaCallEventFields *>(event);
        if (fields->sender)
            __tsan_acquire(const_cast<QObject *>(fields->sender));
        else if (fields->slotObject)
            __tsan_acquire(fields->slotObject);
        __tsan_acquire(const_cast<QEvent *>(event));
        if (!fields->semaphore) {
            for (int i = 1; fields->args && i < fields->argCount; ++i)
                __tsan_acquire(fields->args[i]);
        }
    }
    return false; // the event is delivered as usual
}

QSignalSpyCallbackSet spyCallbacks{signalBegin, nullptr, signalEnd, nullptr};
const bool hooksRegistered = (qt_register_signal_spy_callbacks(&spyCallbacks),
                              QInternal::registerCallback(QInternal::EventNotifyCallback, eventNotify),
                              tsanWatchQtCoreFrees(), true);

} // namespace

bool QMetaObject::invokeMethodImpl(QObject *object, QtPrivate::QSlotObjectBase *slot, Qt::ConnectionType type,
                                   void *ret)
{
    using Real = bool (*)(QObject *, QtPrivate::QSlotObjectBase *, Qt::ConnectionType, void *);
    static const auto real = reinterpret_cast<Real>(dlsym(
        RTLD_NEXT, "_ZN11QMetaObject16invokeMethodImpl"
                   "EP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv"));
    __tsan_release(slot);
    ++handingOver;
    const bool invoked = real(object, slot, type, ret);
    --handingOver;
    return invoked;
}

__attribute__((visibility("default"))) void *operator new(std::size_t size)
{
    using Real = void *(*)(std::size_t);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "_Znwm"));
    void *block = real(size);
    if (handingOver > 0) {
        if (tsanInQtCore(reinterpret_cast<std::uintptr_t>(__builtin_return_address(0))))
            __tsan_release(block);
    }
    return block;
}
