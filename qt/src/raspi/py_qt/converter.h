#pragma once
// Conversion between Python objects and Qt values. Every function here must be
// called on the interpreter's thread with the interpreter lock held. Every
// container is copied element by element: no Python object refers into a Qt
// container or the other way round.

#include <pybind11/pybind11.h>

#include <QColor>
#include <QJSValue>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <string>

// Text given when a Python object cannot be turned into text.
extern const QString kPyQtConversionError;
extern const char *const kPyQtConversionErrorCStr;

// A str (or subclass), NUL characters included; anything else, or a str that
// cannot be encoded as UTF-8, gives the conversion-error text.
QString _pyStr2QString(const pybind11::handle &obj);

// The same as zero-terminated UTF-8 bytes, which end at a NUL character: for
// callers that take C strings only. The pointer is valid while obj lives.
const char *_pyStr2CStr(const pybind11::handle &obj);

// Qt to Python: always a new object of a plain Python type (None, bool, int,
// float, str, list, dict; dict keys are str). Kinds without a rule give None
// after a warning; a failure to create the Python object throws
// pybind11::error_already_set.
pybind11::object castQt2Py(const QString &text);
pybind11::object castQt2Py(const QColor &color);
pybind11::object castQt2Py(const QMap<QString, QString> &map);
pybind11::object castQt2Py(const QVector<QString> &strings);
pybind11::object castQt2Py(const QStringList &strings);
pybind11::object castQt2Py(const QVariantMap &map);
pybind11::object castQt2Py(const QVariantHash &hash);
pybind11::object castQt2Py(const QVariantList &list);
pybind11::object castQt2Py(const QVector<QVariantMap> &maps);
pybind11::object castQt2Py(const QJsonValue &value);
pybind11::object castQt2Py(const QJsonObject &object);
pybind11::object castQt2Py(const QJsonArray &array);
pybind11::object castQt2Py(const QJsonDocument &document);
pybind11::object castQt2Py(const QVariant &value);
// Numbers from QML always become floats.
pybind11::object castQt2Py(const QJSValue &value);
pybind11::object castQt2Py(const std::string &text);

// Python to Qt. A name Qt does not know, or a non-str, gives an invalid colour.
QColor castPy2QColor(const pybind11::object &obj);

// Any plain Python value (and containers of them) as a QVariant; root is the
// outermost object of the conversion, named in the TypeError for a value of a
// kind that cannot be converted. Any other failure is logged (a Python error
// also shown to the operator) and gives an invalid QVariant.
QVariant _castPy2QVar(const pybind11::object &obj, const pybind11::object &root);
QVariant _castPy2QVar(const pybind11::object &obj);

// These throw pybind11::error_already_set when the length cannot be taken or
// an element cannot be read or turned into text; the values of a map and the
// elements of a QVariant vector fail on their own (see _castPy2QVar).
QVariantMap castPy2QVariantMap(const pybind11::object &dict);
QVector<QVariantMap> castPy2QVariantMapVector(const pybind11::object &seq);
QVector<QString> castPy2QStringVector(const pybind11::object &seq);
QStringList castPy2QStringList(const pybind11::object &seq);
QVector<QVariant> castPy2QVariantVector(const pybind11::object &seq);
QMap<QString, QString> castPy2QStringMap(const pybind11::object &dict);

// The same order as _castPy2QVar, giving values of the program's QML engine.
// Without the engine, objects and arrays become undefined.
QJSValue _castPy2Js(const pybind11::object &obj, const pybind11::object &root);
