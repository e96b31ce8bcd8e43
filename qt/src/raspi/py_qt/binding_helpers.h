#pragma once
// Small helpers shared by the Python bindings of the state objects.
// Every enumeration bound here has an int base: Python can build a member from
// any int, and such a value must stay defined until a setter refuses it.

#include <pybind11/pybind11.h>

#include <QString>

#include <cmath>
#include <limits>

#include "converter.h"
#include "log.h"

// Every bound enumeration must have exactly one member per Qt key: a mismatch
// stops the program while the interpreter starts. The _AS form names the
// entries variable, for bindings with more than one enumeration.
#define TAVELL_ASSERT_ENUM_ENTRIES(pyEnum, count) TAVELL_ASSERT_ENUM_ENTRIES_AS(enumEntries, pyEnum, count)

#define TAVELL_ASSERT_ENUM_ENTRIES_AS(entries, pyEnum, count)                                      \
    do {                                                                                           \
        ::pybind11::object entries = (pyEnum).attr("__entries");                                   \
        if (!(::pybind11::len(entries) == static_cast<size_t>(count)))                             \
            fatalPrintf("ASSERT: \"%s\" in file %s, line %d", "py::len(" #entries ") == " #count,  \
                        __FILE__, __LINE__);                                                       \
    } while (false)

// The text of an argument that must be a str: anything else, or a str Python
// cannot encode, is the conversion-error text. A text conversion never fails,
// so Python's encoding error is dropped here rather than left pending.
inline QString textArgument(const pybind11::handle &obj)
{
    QString text = _pyStr2QString(obj);
    if (PyErr_Occurred())
        PyErr_Clear();
    return text;
}

// Loads value with the shared caster of T (types.h must be included), after
// checking that it is a sequence: anything else raises pybind11's TypeError
// "Object of type '...' is not an instance of 'sequence'".
template <typename T>
T loadSequence(const pybind11::handle &value)
{
    const pybind11::sequence checked(pybind11::reinterpret_borrow<pybind11::object>(value));
    pybind11::detail::make_caster<T> caster;
    if (!caster.load(checked, true)) {
        if (PyErr_Occurred())
            throw pybind11::error_already_set();
        throw pybind11::type_error("Konvertierung der Sequenz fehlgeschlagen");
    }
    return pybind11::detail::cast_op<T>(std::move(caster));
}

// Whether a double can be narrowed to float: infinities and NaN can, a finite
// number beyond float's largest cannot (a plain cast would be undefined).
inline bool fitsFloat(double value)
{
    return !std::isfinite(value) || std::fabs(value) <= double(std::numeric_limits<float>::max());
}

// A Python float narrowed to a float property: a number beyond float's range
// becomes the infinity of its sign, which a setter with bounds then limits to
// its bound (with its log line).
inline float narrowToFloat(double value)
{
    if (fitsFloat(value))
        return static_cast<float>(value);
    return value > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
}

// The Python setter of a float property: takes the double Python holds and
// narrows it with narrowToFloat before the C++ setter sees it.
template <typename Obj>
auto floatSetter(void (Obj::*setter)(float))
{
    return [setter](Obj &obj, double value) { (obj.*setter)(narrowToFloat(value)); };
}
