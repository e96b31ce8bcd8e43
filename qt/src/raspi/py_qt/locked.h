#pragma once
// Compare-before-store setters shared by the state objects.

#include <QRecursiveMutex>
#include <QVariant>
#include <QVector>
#include <atomic>
#include <cmath>
#include <mutex>
#include <type_traits>
#include <utility>

#include "change_notice.h"
#include "log.h"

namespace detail {
// Keeps a parameter out of template argument deduction.
template <typename T>
struct Same
{
    using type = T;
};

// "[<owner> <what>]", the head of a clamping log line.
inline QByteArray clampTag(const char *owner, const char *what)
{
    return QByteArray("[").append(owner).append(' ').append(what).append(']');
}

// Whether a stored value and a new one are the same. QVariant's own == converts
// (1.1 equals "1.1", 2.1 equals "2.10"), which would drop a write that only
// changes a value's type; here a variant equals another only with the same
// type and, for maps and lists, the same keys and elements, compared the same
// way at every depth. Other types compare with their ==.
template <typename A, typename B>
bool sameValue(const A &a, const B &b)
{
    return a == b;
}

// Declared before the templates below, which call them for the elements.
bool sameValue(const QVariant &a, const QVariant &b);
bool sameValue(const QVariantMap &a, const QVariantMap &b);
bool sameValue(const QVariantHash &a, const QVariantHash &b);
bool sameValue(const QVariantList &a, const QVariantList &b);
bool sameValue(const QVector<QVariantMap> &a, const QVector<QVariantMap> &b);
bool sameValue(const QVector<QVariant> &a, const QVector<QVariant> &b);

template <typename Map>
bool sameMap(const Map &a, const Map &b)
{
    if (a.size() != b.size())
        return false;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        const auto other = b.constFind(it.key());
        if (other == b.cend() || !sameValue(it.value(), other.value()))
            return false;
    }
    return true;
}

template <typename Sequence>
bool sameSequence(const Sequence &a, const Sequence &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (!sameValue(a.at(i), b.at(i)))
            return false;
    }
    return true;
}

inline bool sameValue(const QVariantMap &a, const QVariantMap &b) { return sameMap(a, b); }
inline bool sameValue(const QVariantHash &a, const QVariantHash &b) { return sameMap(a, b); }
inline bool sameValue(const QVariantList &a, const QVariantList &b) { return sameSequence(a, b); }
inline bool sameValue(const QVector<QVariantMap> &a, const QVector<QVariantMap> &b) { return sameSequence(a, b); }
inline bool sameValue(const QVector<QVariant> &a, const QVector<QVariant> &b) { return sameSequence(a, b); }

inline bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.userType() != b.userType())
        return false;
    switch (a.userType()) {
    case QMetaType::QVariantMap: return sameValue(a.toMap(), b.toMap());
    case QMetaType::QVariantHash: return sameValue(a.toHash(), b.toHash());
    case QMetaType::QVariantList: return sameValue(a.toList(), b.toList());
    default: return a == b;
    }
}

// Change signals come with no argument or with the new value. Those without
// one may be written from another thread and go through notifyChanged; a
// signal carrying the value is only ever emitted on the object's own thread.
template <typename Obj, typename T, typename... SigArgs>
void emitChanged(Obj *obj, void (Obj::*changed)(SigArgs...), const T &value)
{
    if constexpr (sizeof...(SigArgs) == 0)
        notifyChanged(obj, changed);
    else
        (obj->*changed)(value);
}
} // namespace detail

// Stores value in field under lock and announces the change only when the
// value differs. Returns whether it changed. On the object's own thread the
// signal is emitted while the lock is still held (the lock must be recursive:
// a direct receiver may read the field again); from another thread the
// announcement waits in the object's thread (notifyChanged).
template <typename Lock, typename Obj, typename T, typename V, typename... SigArgs>
bool setLocked(Lock &lock, T &field, V &&value, Obj *obj, void (Obj::*changed)(SigArgs...))
{
    std::lock_guard<Lock> guard(lock);
    if (detail::sameValue(field, value))
        return false;
    field = std::forward<V>(value);
    detail::emitChanged(obj, changed, field);
    return true;
}

// The same without a lock, for fields only the GUI thread touches.
template <typename Obj, typename T, typename V, typename... SigArgs>
bool setUnlocked(T &field, V &&value, Obj *obj, void (Obj::*changed)(SigArgs...))
{
    if (detail::sameValue(field, value))
        return false;
    field = std::forward<V>(value);
    detail::emitChanged(obj, changed, field);
    return true;
}

// For a value with bounds. A request equal to the stored value changes
// nothing. Any other request is limited to [min, max], each correction logged
// at critical level as "[<owner> WERT ZU KLEIN] <request> wird zu <bound>
// geändert." (GROß for the upper bound), and stored; the change signal follows
// even when the limited value equals the one stored before. The bounds are
// read under the lock. A NaN has no place between bounds and is refused.
template <typename Obj, typename T, typename... SigArgs>
void setLockedClamped(QRecursiveMutex &lock, T &field, typename detail::Same<T>::type value, const T &min,
                      const T &max, const char *owner, Obj *obj, void (Obj::*changed)(SigArgs...))
{
    std::lock_guard<QRecursiveMutex> guard(lock);
    if (field == value)
        return;
    if constexpr (std::is_floating_point_v<T>) {
        if (std::isnan(value)) {
            logCritical() << detail::clampTag(owner, "WERT UNGÜLTIG").constData() << value
                          << "wird verworfen.";
            return;
        }
    }
    if (value < min) {
        logCritical() << detail::clampTag(owner, "WERT ZU KLEIN").constData() << value << "wird zu"
                      << min << "geändert.";
        field = min;
    } else if (value > max) {
        logCritical() << detail::clampTag(owner, "WERT ZU GROß").constData() << value << "wird zu"
                      << max << "geändert.";
        field = max;
    } else {
        field = value;
    }
    detail::emitChanged(obj, changed, field);
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
    detail::emitChanged(obj, changed, stored);
    return true;
}
