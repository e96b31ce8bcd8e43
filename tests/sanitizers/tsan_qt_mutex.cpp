// ThreadSanitizer build only. Qt's mutexes wait and wake through futexes inside
// libQt5Core, which is not instrumented, so ThreadSanitizer sees no ordering
// between a locked section and the next one on another thread. These
// definitions take the place of Qt's out-of-line lock and unlock functions for
// every caller outside libQt5Core (the program, the tests, Qt's other
// libraries), call Qt's own and tell ThreadSanitizer the acquire/release. The
// inline fast paths of QBasicMutex are atomics it already sees.
// The same holds for a QThread's end: QThread::wait() returns through Qt's own
// locks, so the thread's finished() signal releases (tsan_qt_handover.cpp,
// where every signal releases on its sender) and wait() acquires.
#include <QMutex>
#include <QThread>

#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

namespace {
template <typename F>
F qtCore(const char *symbol)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, symbol));
}
} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = qtCore<void (*)(QMutex *)>("_ZN6QMutex4lockEv");
    real(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = qtCore<bool (*)(QMutex *, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = real(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto real = qtCore<void (*)(QMutex *)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    real(this);
}

void QBasicMutex::lockInternal() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = qtCore<void (*)(QBasicMutex *)>("_ZN11QBasicMutex12lockInternalEv");
    real(this);
    __tsan_acquire(this);
}

bool QBasicMutex::lockInternal(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = qtCore<bool (*)(QBasicMutex *, int)>("_ZN11QBasicMutex12lockInternalEi");
    const bool locked = real(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QBasicMutex::unlockInternal() noexcept
{
    static const auto real = qtCore<void (*)(QBasicMutex *)>("_ZN11QBasicMutex14unlockInternalEv");
    __tsan_release(this);
    real(this);
}

bool QThread::wait(QDeadlineTimer deadline)
{
    static const auto real = qtCore<bool (*)(QThread *, QDeadlineTimer)>("_ZN7QThread4waitE14QDeadlineTimer");
    const bool ended = real(this, deadline);
    if (ended)
        __tsan_acquire(this);
    return ended;
}

bool QThread::wait(unsigned long time)
{
    static const auto real = qtCore<bool (*)(QThread *, unsigned long)>("_ZN7QThread4waitEm");
    const bool ended = real(this, time);
    if (ended)
        __tsan_acquire(this);
    return ended;
}

// A thread's event dispatcher (with GLib's wake-up eventfd) is made on that
// thread before it emits started(), which releases (tsan_qt_handover.cpp).
// Qt hands the dispatcher to other threads through its own atomics, so a quit() from
// another thread, whose wake-up writes that eventfd, would be seen racing
// with the eventfd's creation. That creation is the first thing in the
// thread's history; after an interpreter's start-up it lies beyond what
// ThreadSanitizer keeps, and the report came out with the creation's stack
// lost. The caller of quit() acquires what started() released.
void QThread::quit()
{
    static const auto real = qtCore<void (*)(QThread *)>("_ZN7QThread4quitEv");
    __tsan_acquire(this);
    real(this);
}
