#include "converter.h"

#include <cstring>

namespace py = pybind11;

const QString kPyQtConversionError = QStringLiteral("<KONVERTIERUNGSFEHLER_PY->QT>");
const char *const kPyQtConversionErrorCStr = "<KONVERTIERUNGSFEHLER_PY->QT>";

const char *_pyStr2CStr(const py::handle &obj)
{
    if (!obj || !PyUnicode_Check(obj.ptr()))
        return kPyQtConversionErrorCStr;
    const char *utf8 = PyUnicode_AsUTF8(obj.ptr());
    return utf8 ? utf8 : kPyQtConversionErrorCStr;
}

QString _pyStr2QString(const py::handle &obj)
{
    const char *utf8 = _pyStr2CStr(obj);
    if (utf8 == kPyQtConversionErrorCStr)
        return kPyQtConversionError;
    return QString::fromUtf8(utf8, int(std::strlen(utf8)));
}
