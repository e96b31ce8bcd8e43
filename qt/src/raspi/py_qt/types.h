#pragma once
// pybind11 casters for the Qt types the bindings take and give. Every file
// that binds a function using one of these types must include this header.
//
// A load runs as one guarded conversion: a failure is logged (a Python error
// also shown to the operator) and the bound function still runs with the
// empty value of the type. Only a value of a kind that cannot be converted at
// all is refused with a TypeError. A load reports success exactly when no
// Python error is pending afterwards (a text Python cannot encode leaves its
// error pending). Without the convert flag (the first pass over overloads)
// only the Python type taken unchanged is accepted, so nothing is converted
// or reported twice.

#include <pybind11/pybind11.h>

#include <QColor>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QVector>

#include "converter.h"
#include "exception_handler.h"
#include "string_vector.h"

// The caster macro takes the type as one argument.
using QStringMap = QMap<QString, QString>;

namespace pybind11 {
namespace detail {

template <>
struct type_caster<QString>
{
    PYBIND11_TYPE_CASTER(QString, const_name("str"));

    bool load(handle src, bool convert)
    {
        if (!src || (!convert && !PyUnicode_Check(src.ptr())))
            return false;
        value = guardConversion(TAVELL_CATCH_SITE, QString(),
                                [&] { return _pyStr2QString(str(reinterpret_borrow<object>(src))); });
        return !PyErr_Occurred();
    }

    static handle cast(const QString &text, return_value_policy, handle)
    {
        const QByteArray utf8 = text.toUtf8();
        PyObject *result = PyUnicode_DecodeUTF8(utf8.constData(), utf8.size(), "ignore");
        if (!result)
            throw error_already_set();
        return result;
    }
};

template <>
struct type_caster<QColor>
{
    PYBIND11_TYPE_CASTER(QColor, const_name("str"));

    bool load(handle src, bool convert)
    {
        if (!src || (!convert && !PyUnicode_Check(src.ptr())))
            return false;
        value = guardConversion(TAVELL_CATCH_SITE, QColor(),
                                [&] { return castPy2QColor(str(reinterpret_borrow<object>(src))); });
        return !PyErr_Occurred();
    }

    static handle cast(const QColor &color, return_value_policy, handle)
    {
        return castQt2Py(color.name()).release();
    }
};

template <>
struct type_caster<QStringMap>
{
    PYBIND11_TYPE_CASTER(QStringMap, const_name("Dict[str, str]"));

    bool load(handle src, bool convert)
    {
        if (!src || (!convert && !PyDict_Check(src.ptr())))
            return false;
        value = guardConversion(TAVELL_CATCH_SITE, QStringMap(),
                                [&] { return castPy2QStringMap(dict(reinterpret_borrow<object>(src))); });
        return !PyErr_Occurred();
    }

    static handle cast(const QStringMap &map, return_value_policy, handle)
    {
        return castQt2Py(map).release();
    }
};

template <>
struct type_caster<QVariantMap>
{
    PYBIND11_TYPE_CASTER(QVariantMap, const_name("Dict[str, Any]"));

    bool load(handle src, bool convert)
    {
        if (!src || (!convert && !PyDict_Check(src.ptr())))
            return false;
        value = guardConversion(TAVELL_CATCH_SITE, QVariantMap(),
                                [&] { return castPy2QVariantMap(dict(reinterpret_borrow<object>(src))); });
        return !PyErr_Occurred();
    }

    static handle cast(const QVariantMap &map, return_value_policy, handle) { return castQt2Py(map).release(); }
};

template <>
struct type_caster<QVector<QString>>
{
    PYBIND11_TYPE_CASTER(QVector<QString>, const_name("List[str]"));

    bool load(handle src, bool convert)
    {
        if (!src || (!convert && !PyList_Check(src.ptr())))
            return false;
        value = guardConversion(TAVELL_CATCH_SITE, QVector<QString>(),
                                [&] { return castPy2QStringVector(list(reinterpret_borrow<object>(src))); });
        return !PyErr_Occurred();
    }

    static handle cast(const QVector<QString> &strings, return_value_policy, handle)
    {
        return castQt2Py(strings).release();
    }
};

template <>
struct type_caster<QVector<QVariantMap>>
{
    PYBIND11_TYPE_CASTER(QVector<QVariantMap>, const_name("List[Dict[str, Any]]"));

    bool load(handle src, bool convert)
    {
        if (!src || (!convert && !PyList_Check(src.ptr())))
            return false;
        value = guardConversion(TAVELL_CATCH_SITE, QVector<QVariantMap>(),
                                [&] { return castPy2QVariantMapVector(list(reinterpret_borrow<object>(src))); });
        return !PyErr_Occurred();
    }

    static handle cast(const QVector<QVariantMap> &maps, return_value_policy, handle)
    {
        return castQt2Py(maps).release();
    }
};

// A list of flags. Each element follows the rule of a bool argument; one that
// is no truth value at all refuses the whole list (TypeError).
template <>
struct type_caster<QVector<bool>>
{
    PYBIND11_TYPE_CASTER(QVector<bool>, const_name("List[bool]"));

    bool load(handle src, bool convert)
    {
        if (!src || (!convert && !PyList_Check(src.ptr())))
            return false;
        bool refused = false;
        value = guardConversion(TAVELL_CATCH_SITE, QVector<bool>(), [&] {
            const list items(reinterpret_borrow<object>(src));
            QVector<bool> flags;
            flags.reserve(int(items.size()));
            for (const handle item : items) {
                make_caster<bool> flag;
                if (!flag.load(item, convert)) {
                    refused = true;
                    return QVector<bool>();
                }
                flags.append(cast_op<bool>(flag));
            }
            return flags;
        });
        return !refused && !PyErr_Occurred();
    }

    static handle cast(const QVector<bool> &flags, return_value_policy, handle)
    {
        list result(size_t(flags.size()));
        for (int i = 0; i < flags.size(); ++i)
            result[size_t(i)] = bool_(flags.at(i));
        return result.release();
    }
};

template <>
struct type_caster<QVariant>
{
    PYBIND11_TYPE_CASTER(QVariant, const_name("Any"));

    bool load(handle src, bool)
    {
        if (!src)
            return false;
        value = guardConversion(TAVELL_CATCH_SITE, QVariant(),
                                [&] { return _castPy2QVar(reinterpret_borrow<object>(src)); });
        return !PyErr_Occurred();
    }

    static handle cast(const QVariant &variant, return_value_policy, handle) { return castQt2Py(variant).release(); }
};

} // namespace detail
} // namespace pybind11
