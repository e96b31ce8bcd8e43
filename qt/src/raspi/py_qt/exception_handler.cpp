#include "exception_handler.h"

#include "log.h"
#include "pybridge_worker.h"

#include <QDir>
#include <QFileInfo>

namespace py = pybind11;

namespace {

bool missing(const py::handle &h) { return !h || h.is_none(); }

QString utf8Str(const py::handle &obj) { return QString::fromStdString(py::str(obj).cast<std::string>()); }

QVariantList extractTrace(const py::handle &traceback, const QString &root)
{
    QVariantList trace;
    const QDir rootDir(root);
    py::object entries = py::module_::import("traceback").attr("extract_tb")(traceback);
    for (py::handle entry : entries) {
        const QString filename = utf8Str(entry.attr("filename"));
        const QString pathAbs = QDir::cleanPath(rootDir.absoluteFilePath(filename));
        const QString pathRel = rootDir.relativeFilePath(pathAbs);
        QVariantMap frame;
        frame.insert(QStringLiteral("lineNo"), int(py::int_(entry.attr("lineno")).cast<long long>()));
        frame.insert(QStringLiteral("lineStr"), utf8Str(entry.attr("line")));
        frame.insert(QStringLiteral("func"), utf8Str(entry.attr("name")));
        frame.insert(QStringLiteral("pathAbs"), pathAbs);
        frame.insert(QStringLiteral("pathRel"), pathRel);
        frame.insert(QStringLiteral("file"), pathRel.mid(pathRel.lastIndexOf(QLatin1Char('/')) + 1));
        trace.append(frame);
    }
    return trace;
}

QString errorText(const py::handle &value)
{
    try {
        py::tuple args = py::tuple(value.attr("args"));
        return utf8Str(args[0]);
    } catch (const std::exception &e) {
        logWarningPrintf("Konnte den Fehlertext nicht aus args[0] bekommen: %s", e.what());
    }
    return utf8Str(value);
}

} // namespace

void handle_py_exception(py::error_already_set *error, int line, const char *file)
{
    py::object type, value, traceback;
    if (error) {
        type = error->type();
        value = error->value();
        traceback = error->trace();
        py::print(value);
    } else {
        py::object info = py::module_::import("sys").attr("exc_info")();
        type = info[py::int_(0)];
        value = info[py::int_(1)];
        traceback = info[py::int_(2)];
        if (missing(type) || missing(value) || missing(traceback)) {
            logWarning() << "handle_py_exception() wurde gerufen, obwohl keine Exception geworfen wurde";
            return;
        }
    }

    PyExceptionInfo record;
    const QString root = QDir(QDir::currentPath()).absolutePath();
    if (!missing(traceback)) {
        record.insert(QStringLiteral("trace"), extractTrace(traceback, root));
        record.insert(QStringLiteral("withTraceback"), true);
    } else {
        record.insert(QStringLiteral("withTraceback"), false);
    }

    const QString typeName = utf8Str(type.attr("__name__"));
    QString text = errorText(value);
    if (file)
        text += QStringLiteral("\nZeile %1 in %2").arg(line).arg(QFileInfo(QString::fromUtf8(file)).fileName());

    record.insert(QStringLiteral("root"), root);
    record.insert(QStringLiteral("type"), typeName);
    record.insert(QStringLiteral("text"), text);

    if (PyWorker *worker = _pyWorker.load(std::memory_order_acquire))
        Q_EMIT worker->exception(record);
    else
        logWarning() << "[_emitException] pyWorker ist nullptr";
}

namespace detail {

namespace {

QMessageLogger loggerAt(const CatchSite *site)
{
    return site ? QMessageLogger(site->file, site->line, site->function) : QMessageLogger();
}

void reportPyErrorAt(py::error_already_set &error, int line, const char *file, const CatchSite *site)
{
    loggerAt(site).critical("py::error_already_set");
    try {
        handle_py_exception(&error, line, file);
    } catch (const std::exception &e) {
        loggerAt(site).critical("std::exception während handle_py_exception(): %s", e.what());
    } catch (...) {
        loggerAt(site).critical("unknown exception während handle_py_exception: unerwarteteter Fehler");
    }
}

} // namespace

void reportPyError(py::error_already_set &error, int line, const char *file)
{
    reportPyErrorAt(error, line, file, nullptr);
}

void reportPyError(py::error_already_set &error, const CatchSite &site)
{
    reportPyErrorAt(error, site.line, site.file, &site);
}

void reportCastError(const py::cast_error &error, const CatchSite *site)
{
    loggerAt(site).critical("py::cast_error: %s", error.what());
}

void reportStdError(const std::exception &error, const CatchSite *site)
{
    loggerAt(site).critical("Std-Error: %s", error.what());
}

void reportUnknownError(const CatchSite *site) { loggerAt(site).critical("sonst irgendein Fehler"); }

} // namespace detail
