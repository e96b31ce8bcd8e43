#pragma once
// Change signals of objects that another thread writes. The state objects live
// on the GUI thread and the controller writes them from its own: a signal
// emitted there queues one event per write for the screens, and a controller
// writing in a tight loop fills the GUI thread's queue faster than it is read.
// notifyChanged emits on the object's own thread at once; from any other
// thread it queues at most one notice per object and signal, which emits the
// signal on the object's thread. The notice is cleared before it emits, so a
// write after the screens read the value queues a new one: the last value of
// every property reaches them.

#include <QObject>
#include <QThread>

#include <atomic>
#include <cstring>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace detail {

// The queued call runs on the object's thread, and the writer's thread may
// drop the last reference to it afterwards and destroy it there. Qt orders the
// two with a reference count inside QtCore, which ThreadSanitizer does not see
// (the ThreadSanitizer build's Qt hooks cover only the way there): the call
// hands its memory back when it ends, the destructor takes it over.
#if defined(__SANITIZE_THREAD__)
inline void handBack(void *call) { __tsan_release(call); }
inline void takeBack(void *call) { __tsan_acquire(call); }
#else
inline void handBack(void *) {}
inline void takeBack(void *) {}
#endif

// One waiting notice: the object and the bytes of its signal's member pointer.
struct NoticeKey
{
    const QObject *object = nullptr;
    unsigned char signal[sizeof(void (QObject::*)())] = {};

    bool operator==(const NoticeKey &other) const
    {
        return object == other.object && std::memcmp(signal, other.signal, sizeof signal) == 0;
    }
};

// Marks the notice as waiting; false when it already was.
bool claimNotice(const NoticeKey &key);
void releaseNotice(const NoticeKey &key);

// Held by the queued call: clears the notice when the call runs, or when Qt
// drops the call unrun because the object went away. The call runs on the
// object's thread, but the writer's thread may drop the last reference to it
// afterwards and so destroy the claim there: the flag is atomic.
class NoticeClaim
{
public:
    explicit NoticeClaim(const NoticeKey &key) : m_key(key) {}
    NoticeClaim(NoticeClaim &&other) noexcept : m_key(other.m_key), m_held(other.m_held.exchange(false)) {}
    NoticeClaim(const NoticeClaim &) = delete;
    NoticeClaim &operator=(const NoticeClaim &) = delete;
    NoticeClaim &operator=(NoticeClaim &&) = delete;
    ~NoticeClaim()
    {
        takeBack(this);
        release();
    }

    void release()
    {
        if (m_held.exchange(false))
            releaseNotice(m_key);
    }

private:
    NoticeKey m_key;
    std::atomic<bool> m_held{true};
};

} // namespace detail

template <typename Obj>
void notifyChanged(Obj *obj, void (Obj::*changed)())
{
    if (QThread::currentThread() == obj->thread()) {
        (obj->*changed)();
        return;
    }
    static_assert(sizeof(changed) == sizeof(detail::NoticeKey::signal), "plain member pointer expected");
    detail::NoticeKey key;
    key.object = obj;
    std::memcpy(key.signal, &changed, sizeof key.signal);
    if (!detail::claimNotice(key))
        return;
    QMetaObject::invokeMethod(
        obj,
        [obj, changed, claim = detail::NoticeClaim(key)]() mutable {
            claim.release();
            (obj->*changed)();
            detail::handBack(&claim);
        },
        Qt::QueuedConnection);
}
