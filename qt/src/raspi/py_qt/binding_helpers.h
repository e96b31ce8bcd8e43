#pragma once
// Small helpers shared by the Python bindings of the state objects.

#include <pybind11/pybind11.h>

#include "log.h"

// Every bound enumeration must have exactly one member per Qt key: a mismatch
// stops the program while the interpreter starts.
#define TAVELL_ASSERT_ENUM_ENTRIES(pyEnum, count)                                                  \
    do {                                                                                           \
        ::pybind11::object enumEntries = (pyEnum).attr("__entries");                               \
        if (!(::pybind11::len(enumEntries) == static_cast<size_t>(count)))                         \
            fatalPrintf("ASSERT: \"%s\" in file %s, line %d", "py::len(enumEntries) == " #count,   \
                        __FILE__, __LINE__);                                                       \
    } while (false)
