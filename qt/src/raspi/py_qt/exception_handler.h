#pragma once
// Turns a Python error caught by the program into an exception record
// (type, text, root, withTraceback, trace) and has the worker emit it.
// Runs on the interpreter's thread with the interpreter lock held.

#include <pybind11/pybind11.h>

#include <QVariantMap>

using PyExceptionInfo = QVariantMap;

// error: the caught error, or null for the exception that Python code is
// handling at this moment. file: the catching site's source path, or null.
void handle_py_exception(pybind11::error_already_set *error, int line, const char *file);

// Runs body as one guarded block: a Python error is logged and handed to
// handle_py_exception with the catching site's position, anything else is
// logged. Returns true when body ran through.
template <typename Body>
bool runGuarded(Body &&body, int line, const char *file);

#define TAVELL_GUARDED(...) ::runGuarded([&] { __VA_ARGS__; }, __LINE__, __FILE__)

namespace detail {
void reportPyError(pybind11::error_already_set &error, int line, const char *file);
void reportCastError(const pybind11::cast_error &error);
void reportStdError(const std::exception &error);
void reportUnknownError();
} // namespace detail

template <typename Body>
bool runGuarded(Body &&body, int line, const char *file)
{
    try {
        body();
        return true;
    } catch (pybind11::error_already_set &e) {
        detail::reportPyError(e, line, file);
    } catch (const pybind11::cast_error &e) {
        detail::reportCastError(e);
    } catch (const std::exception &e) {
        detail::reportStdError(e);
    } catch (...) {
        detail::reportUnknownError();
    }
    return false;
}
