#pragma once
// Compare-before-store setters shared by the state objects.

#include <QRecursiveMutex>
#include <atomic>
#include <mutex>
#include <utility>

// Stores value in field under lock and emits the change signal (while still
// holding the lock) only when the value differs. Returns whether it changed.
// The lock must be recursive: a direct receiver may read the field again.
template <typename Lock, typename Obj, typename T, typename V, typename... SigArgs>
bool setLocked(Lock &lock, T &field, V &&value, Obj *obj, void (Obj::*changed)(SigArgs...))
{
    std::lock_guard<Lock> guard(lock);
    if (field == value)
        return false;
    field = std::forward<V>(value);
    if constexpr (sizeof...(SigArgs) == 0)
        (obj->*changed)();
    else
        (obj->*changed)(field);
    return true;
}

// The same without a lock, for fields only the GUI thread touches.
template <typename Obj, typename T, typename V, typename... SigArgs>
bool setUnlocked(T &field, V &&value, Obj *obj, void (Obj::*changed)(SigArgs...))
{
    if (field == value)
        return false;
    field = std::forward<V>(value);
    if constexpr (sizeof...(SigArgs) == 0)
        (obj->*changed)();
    else
        (obj->*changed)(field);
    return true;
}

template <typename Lock, typename T>
T getLocked(Lock &lock, const T &field)
{
    std::lock_guard<Lock> guard(lock);
    return field;
}

// For single scalars shared between threads without a lock. The swap is
// indivisible, so even two writers emit exactly once per real change.
template <typename Obj, typename T, typename V, typename... SigArgs>
bool setAtomic(std::atomic<T> &field, V value, Obj *obj, void (Obj::*changed)(SigArgs...))
{
    const T stored = static_cast<T>(value);
    if (field.exchange(stored) == stored)
        return false;
    if constexpr (sizeof...(SigArgs) == 0)
        (obj->*changed)();
    else
        (obj->*changed)(stored);
    return true;
}
