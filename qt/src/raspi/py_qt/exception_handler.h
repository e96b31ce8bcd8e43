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

// Where a guarded conversion stands in the source: its log lines carry this
// position and so does the record of a Python error caught there.
struct CatchSite
{
    const char *file;
    int line;
    const char *function;
};

#define TAVELL_CATCH_SITE (::CatchSite{__FILE__, __LINE__, Q_FUNC_INFO})

// Runs a conversion as one guarded block and returns its result, or empty
// when it failed. A Python error is logged and handed to handle_py_exception
// (so the operator sees it); pybind11's type_error passes through unchanged,
// so that Python receives a TypeError; anything else is only logged.
template <typename T, typename Body>
T guardConversion(const CatchSite &site, T empty, Body &&body);

namespace detail {
// Without a site the lines carry no source position.
void reportPyError(pybind11::error_already_set &error, int line, const char *file);
void reportPyError(pybind11::error_already_set &error, const CatchSite &site);
void reportCastError(const pybind11::cast_error &error, const CatchSite *site = nullptr);
void reportStdError(const std::exception &error, const CatchSite *site = nullptr);
void reportUnknownError(const CatchSite *site = nullptr);
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

template <typename T, typename Body>
T guardConversion(const CatchSite &site, T empty, Body &&body)
{
    try {
        return body();
    } catch (pybind11::error_already_set &e) {
        detail::reportPyError(e, site);
    } catch (const pybind11::type_error &) {
        throw;
    } catch (const pybind11::cast_error &e) {
        detail::reportCastError(e, &site);
    } catch (const std::exception &e) {
        detail::reportStdError(e, &site);
    } catch (...) {
        detail::reportUnknownError(&site);
    }
    return empty;
}
