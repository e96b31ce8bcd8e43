#pragma once
// Conversion between Python objects and Qt values. Every function here must be
// called on the interpreter's thread with the interpreter lock held.

#include <pybind11/pybind11.h>

#include <QString>

// Text given when a Python object cannot be turned into text.
extern const QString kPyQtConversionError;
extern const char *const kPyQtConversionErrorCStr;

// A str (or subclass) up to its first NUL character; anything else, or a str
// that cannot be encoded as UTF-8, gives the conversion-error text. Python's
// encoding error is left pending for the caller to report.
QString _pyStr2QString(const pybind11::handle &obj);

// The same as UTF-8 bytes. The pointer is valid while obj lives.
const char *_pyStr2CStr(const pybind11::handle &obj);
