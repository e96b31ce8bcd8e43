#pragma once
// Compare-before-store setters shared by the state objects.

#include <QRecursiveMutex>
#include <mutex>
#include <utility>

// Stores value in field under lock and emits the change signal (while still
// holding the lock) only when the value differs. Returns whether it changed.
template <typename Obj, typename T, typename V, typename... SigArgs>
bool setLocked(QRecursiveMutex &lock, T &field, V &&value, Obj *obj, void (Obj::*changed)(SigArgs...))
{
    std::lock_guard<QRecursiveMutex> guard(lock);
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

template <typename T>
T getLocked(QRecursiveMutex &lock, const T &field)
{
    std::lock_guard<QRecursiveMutex> guard(lock);
    return field;
}
