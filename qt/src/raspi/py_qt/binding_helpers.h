#pragma once
// Small helpers shared by the Python bindings of the state objects.
// Every enumeration bound here has an int base: Python can build a member from
// any int, and such a value must stay defined until a setter refuses it.

#include <pybind11/pybind11.h>

#include <QString>

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
