#include "converter.h"

#include "exception_handler.h"
#include "startup.h"

#include <QDebug>
#include <QJSValueIterator>
#include <QQmlApplicationEngine>

#include <cstring>

namespace py = pybind11;

const QString kPyQtConversionError = QStringLiteral("<KONVERTIERUNGSFEHLER_PY->QT>");
const char *const kPyQtConversionErrorCStr = "<KONVERTIERUNGSFEHLER_PY->QT>";

const char *_pyStr2CStr(const py::handle &obj)
{
    if (!obj || !PyUnicode_Check(obj.ptr()))
        return kPyQtConversionErrorCStr;
    const char *utf8 = PyUnicode_AsUTF8(obj.ptr());
    if (utf8)
        return utf8;
    // A str Python cannot encode (a lone surrogate): the failure text takes
    // its place, and no Python error stays pending behind it.
    PyErr_Clear();
    return kPyQtConversionErrorCStr;
}

QString _pyStr2QString(const py::handle &obj)
{
    if (!obj || !PyUnicode_Check(obj.ptr()))
        return kPyQtConversionError;
    // By the length Python gives: a NUL character is text like any other.
    Py_ssize_t size = 0;
    const char *utf8 = PyUnicode_AsUTF8AndSize(obj.ptr(), &size);
    if (!utf8) {
        PyErr_Clear();
        return kPyQtConversionError;
    }
    return QString::fromUtf8(utf8, int(size));
}

namespace {

// ---- Qt to Python ------------------------------------------------------------

template <typename Map>
py::object mapToDict(const Map &map)
{
    py::dict dict;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        dict[castQt2Py(it.key())] = castQt2Py(it.value());
    return std::move(dict);
}

template <typename Sequence>
py::object sequenceToList(const Sequence &sequence)
{
    py::list list(size_t(sequence.size()));
    for (int i = 0; i < sequence.size(); ++i)
        list[size_t(i)] = castQt2Py(sequence.at(i));
    return std::move(list);
}

// A variant holding T, or holding something Qt converts to T; an empty T otherwise.
template <typename T>
T variantAs(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<T>())
        return value.value<T>();
    QVariant copy = value;
    return copy.convert(qMetaTypeId<T>()) ? copy.value<T>() : T();
}

// ---- Python to Qt ------------------------------------------------------------

// str(obj) (a str unchanged) as text; a text Python cannot encode gives the
// failure text. Any other Python error still pending is raised, so that it
// reaches the caller's guarded block instead of staying behind a value.
QString textOf(const py::handle &obj)
{
    const py::str text(py::reinterpret_borrow<py::object>(obj));
    QString result = _pyStr2QString(text);
    if (PyErr_Occurred())
        throw py::error_already_set();
    return result;
}

// _pyStr2QString of a str, with the same rule for a pending error.
QString strText(const py::handle &obj)
{
    QString result = _pyStr2QString(obj);
    if (PyErr_Occurred())
        throw py::error_already_set();
    return result;
}

QByteArray bytesOf(const py::handle &obj)
{
    char *data = nullptr;
    Py_ssize_t size = 0;
    if (PyBytes_AsStringAndSize(obj.ptr(), &data, &size) != 0) {
        PyErr_Clear();
        qWarning() << "Konnte py::bytes nicht zu QByteArray konvertieren!";
        return QByteArray();
    }
    return QByteArray(data, int(size));
}

QByteArray byteArrayOf(const py::handle &obj)
{
    const char *data = PyByteArray_AsString(obj.ptr());
    if (!data) {
        PyErr_Clear();
        return QByteArray();
    }
    return QByteArray(data, int(PyByteArray_Size(obj.ptr())));
}

// The Python iterator over obj, or an empty object (with Python's error
// cleared) when obj is not iterable.
py::object iteratorOf(const py::object &obj)
{
    PyObject *iterator = PyObject_GetIter(obj.ptr());
    if (!iterator)
        PyErr_Clear();
    return py::reinterpret_steal<py::object>(iterator);
}

// The next element, or an empty object at the end.
py::object nextOf(const py::object &iterator)
{
    PyObject *item = PyIter_Next(iterator.ptr());
    if (!item && PyErr_Occurred())
        throw py::error_already_set();
    return py::reinterpret_steal<py::object>(item);
}

[[noreturn]] void throwUnconvertible(const py::object &obj, const py::object &root)
{
    const QString what = textOf(py::repr(obj));
    const QString where = root.is(obj) ? QString() : QStringLiteral(" (enthalten in %1)").arg(textOf(root));
    const QString text = QStringLiteral(
        "Das an callback() übergebene Object darf nur einfache Typen wie int, float, str, bytes, bytearray, bool, "
        "None, dict und einfache Iterables wie tuple, list, set aus diesen Typen enthalten. Es wurde %1 übergeben%2.")
                             .arg(what, where);
    throw py::type_error(text.toStdString());
}

// Element i of a sequence, as Python's seq[i].
py::object itemOf(const py::object &seq, size_t i)
{
    PyObject *item = PySequence_GetItem(seq.ptr(), Py_ssize_t(i));
    if (!item)
        throw py::error_already_set();
    return py::reinterpret_steal<py::object>(item);
}

// Containers nested deeper than this are refused: every level takes stack of
// the interpreter's thread, and a value nested tens of thousands deep would
// overflow it.
constexpr int kMaxNesting = 200;
thread_local int t_nesting = 0;

// Counts one level of a Python-to-Qt conversion for as long as it lives.
class NestingLevel
{
public:
    NestingLevel()
    {
        if (++t_nesting > kMaxNesting) {
            --t_nesting;
            throw py::type_error(QStringLiteral("Das an callback() übergebene Object ist tiefer als %1 Ebenen "
                                                "verschachtelt und wird nicht übernommen.")
                                     .arg(kMaxNesting)
                                     .toStdString());
        }
    }
    ~NestingLevel() { --t_nesting; }
    NestingLevel(const NestingLevel &) = delete;
    NestingLevel &operator=(const NestingLevel &) = delete;
};

template <typename Strings>
Strings toStrings(const py::object &seq)
{
    const size_t size = py::len(seq);
    Strings strings;
    strings.reserve(int(size));
    for (size_t i = 0; i < size; ++i)
        strings.append(textOf(itemOf(seq, i)));
    return strings;
}

} // namespace

// ---- Qt to Python ------------------------------------------------------------

py::object castQt2Py(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return py::str(utf8.constData(), size_t(utf8.size()));
}

py::object castQt2Py(const QColor &color) { return castQt2Py(color.name()); }

py::object castQt2Py(const QMap<QString, QString> &map) { return mapToDict(map); }

py::object castQt2Py(const QVector<QString> &strings) { return sequenceToList(strings); }

py::object castQt2Py(const QStringList &strings) { return sequenceToList(strings); }

py::object castQt2Py(const QVariantMap &map) { return mapToDict(map); }

py::object castQt2Py(const QVariantHash &hash) { return mapToDict(hash); }

py::object castQt2Py(const QVariantList &list) { return sequenceToList(list); }

py::object castQt2Py(const QVector<QVariantMap> &maps) { return sequenceToList(maps); }

py::object castQt2Py(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null: return py::none();
    case QJsonValue::Bool: return py::bool_(value.toBool());
    case QJsonValue::Double: return py::float_(value.toDouble());
    case QJsonValue::String: return castQt2Py(value.toString());
    case QJsonValue::Array: return castQt2Py(value.toArray());
    case QJsonValue::Object: return castQt2Py(value.toObject());
    case QJsonValue::Undefined: break;
    }
    qWarning() << "Das an castQt2Py übergebene QJsonValue hat einen unbekannten Typ";
    return py::none();
}

py::object castQt2Py(const QJsonObject &object)
{
    py::dict dict;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        dict[castQt2Py(it.key())] = castQt2Py(it.value());
    return std::move(dict);
}

py::object castQt2Py(const QJsonArray &array) { return sequenceToList(array); }

py::object castQt2Py(const QJsonDocument &document)
{
    if (document.isObject())
        return castQt2Py(document.object());
    if (document.isArray())
        return castQt2Py(document.array());
    qWarning() << "Es wurde ein invalides QJsonDocument an _castQt2Py übergeben:" << document;
    return py::none();
}

py::object castQt2Py(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Bool: return py::bool_(value.toBool());
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong: return py::int_(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: return py::int_(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float: return py::float_(value.toDouble());
    case QMetaType::QVariantMap: return castQt2Py(value.toMap());
    case QMetaType::QVariantList: return castQt2Py(value.toList());
    case QMetaType::QString: return castQt2Py(value.toString());
    case QMetaType::QStringList: return castQt2Py(variantAs<QStringList>(value));
    case QMetaType::QVariantHash: return castQt2Py(value.toHash());
    case QMetaType::QJsonValue: return castQt2Py(variantAs<QJsonValue>(value));
    case QMetaType::QJsonObject: return castQt2Py(variantAs<QJsonObject>(value));
    case QMetaType::QJsonArray: return castQt2Py(variantAs<QJsonArray>(value));
    case QMetaType::QJsonDocument: return castQt2Py(variantAs<QJsonDocument>(value));
    default: break;
    }
    if (value.userType() == qMetaTypeId<QJSValue>())
        return castQt2Py(value.value<QJSValue>());
    if (value.canConvert<QJSValue>()) {
        QVariant copy = value;
        if (copy.convert(qMetaTypeId<QJSValue>()))
            return castQt2Py(copy.value<QJSValue>());
    }
    qWarning() << "Keine Konvertierung für QVariant-Typ" << value.typeName() << "implementiert";
    return py::none();
}

py::object castQt2Py(const QJSValue &value)
{
    if (value.isArray()) {
        const int length = value.property(QStringLiteral("length")).toInt();
        py::list list(size_t(qMax(length, 0)));
        for (int i = 0; i < length; ++i)
            list[size_t(i)] = castQt2Py(value.property(quint32(i)));
        return std::move(list);
    }
    if (value.isBool())
        return py::bool_(value.toBool());
    if (value.isNull() || value.isUndefined())
        return py::none();
    if (value.isNumber())
        return py::float_(value.toNumber());
    if (value.isObject()) {
        py::dict dict;
        QJSValueIterator it(value);
        while (it.hasNext()) {
            it.next();
            dict[castQt2Py(it.name())] = castQt2Py(it.value());
        }
        return std::move(dict);
    }
    if (value.isString())
        return castQt2Py(value.toString());
    return castQt2Py(value.toVariant());
}

py::object castQt2Py(const std::string &text) { return py::str(text); }

// ---- Python to Qt ------------------------------------------------------------

QColor castPy2QColor(const py::object &obj)
{
    QColor color;
    color.setNamedColor(_pyStr2QString(obj));
    return color;
}

QVariant _castPy2QVar(const py::object &obj) { return _castPy2QVar(obj, obj); }

QVariant _castPy2QVar(const py::object &obj, const py::object &root)
{
    return guardConversion(TAVELL_CATCH_SITE, QVariant(), [&]() -> QVariant {
        const NestingLevel level;
        PyObject *p = obj.ptr();
        if (PyUnicode_Check(p))
            return strText(obj);
        if (obj.is_none())
            return QVariant::fromValue(nullptr);
        if (PyBool_Check(p))
            return p == Py_True;
        if (PyLong_Check(p))
            return obj.cast<int>();
        if (PyFloat_Check(p))
            return PyFloat_AsDouble(p);
        if (PyDict_Check(p))
            return castPy2QVariantMap(obj);
        if (PyBytes_Check(p))
            return bytesOf(obj);
        if (PyByteArray_Check(p))
            return byteArrayOf(obj);

        const py::object iterator = iteratorOf(obj);
        if (!iterator)
            throwUnconvertible(obj, root);
        const size_t size = py::len(obj);
        QVariantList list;
        list.reserve(int(size));
        while (py::object item = nextOf(iterator))
            list.append(_castPy2QVar(item, root));
        return list;
    });
}

QVariantMap castPy2QVariantMap(const py::object &dict)
{
    const py::dict items(dict);
    QVariantMap map;
    for (auto item : items)
        map.insert(textOf(item.first), _castPy2QVar(py::reinterpret_borrow<py::object>(item.second)));
    return map;
}

QVector<QVariantMap> castPy2QVariantMapVector(const py::object &seq)
{
    const size_t size = py::len(seq);
    QVector<QVariantMap> maps;
    maps.reserve(int(size));
    for (size_t i = 0; i < size; ++i)
        maps.append(castPy2QVariantMap(py::dict(itemOf(seq, i))));
    return maps;
}

QVector<QString> castPy2QStringVector(const py::object &seq) { return toStrings<QVector<QString>>(seq); }

QStringList castPy2QStringList(const py::object &seq) { return toStrings<QStringList>(seq); }

QVector<QVariant> castPy2QVariantVector(const py::object &seq)
{
    const size_t size = py::len(seq);
    QVector<QVariant> values;
    values.reserve(int(size));
    for (size_t i = 0; i < size; ++i)
        values.append(_castPy2QVar(itemOf(seq, i)));
    return values;
}

QMap<QString, QString> castPy2QStringMap(const py::object &dict)
{
    const py::dict items(dict);
    QMap<QString, QString> map;
    for (auto item : items)
        map.insert(textOf(item.first), textOf(item.second));
    return map;
}

QJSValue _castPy2Js(const py::object &obj, const py::object &root)
{
    return guardConversion(TAVELL_CATCH_SITE, QJSValue(), [&]() -> QJSValue {
        const NestingLevel level;
        PyObject *p = obj.ptr();
        if (PyUnicode_Check(p))
            return strText(obj);
        if (obj.is_none())
            return QJSValue(QJSValue::NullValue);
        if (PyBool_Check(p))
            return QJSValue(p == Py_True);
        if (PyLong_Check(p))
            return QJSValue(obj.cast<int>());
        if (PyFloat_Check(p))
            return QJSValue(PyFloat_AsDouble(p));
        if (PyDict_Check(p)) {
            QQmlApplicationEngine *engine = app::qmlEngine.get();
            if (!engine) {
                qWarning() << "engine is nicht mehr verfügbar (engine->newObject())";
                return QJSValue();
            }
            QJSValue object = engine->newObject();
            for (auto item : py::reinterpret_borrow<py::dict>(obj))
                object.setProperty(textOf(item.first), _castPy2Js(py::reinterpret_borrow<py::object>(item.second), root));
            return object;
        }
        if (PyBytes_Check(p) || PyByteArray_Check(p)) {
            const QByteArray bytes = PyBytes_Check(p) ? bytesOf(obj) : byteArrayOf(obj);
            return QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), uint(bytes.size()))));
        }

        const py::object iterator = iteratorOf(obj);
        if (!iterator)
            throwUnconvertible(obj, root);
        const size_t size = py::len(obj);
        QQmlApplicationEngine *engine = app::qmlEngine.get();
        if (!engine) {
            qWarning() << "engine is nicht mehr verfügbar (engine->newArray())";
            return QJSValue();
        }
        QJSValue array = engine->newArray(uint(size));
        quint32 index = 0;
        while (py::object item = nextOf(iterator))
            array.setProperty(index++, _castPy2Js(item, root));
        return array;
    });
}
