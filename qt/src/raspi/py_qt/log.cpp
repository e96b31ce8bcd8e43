#include "log.h"

#include "message_handler.h"

#include <cstdio>
#include <cstdlib>

namespace {

// A logger without file, line, function or category.
QMessageLogger plainLogger() { return QMessageLogger(); }

void logFormatted(QtMsgType type, const char *format, va_list args)
{
    const QByteArray text = formatPrintf(format, args);
    QMessageLogger logger = plainLogger();
    auto emitLine = [&](const char *fmt, const char *arg) {
        switch (type) {
        case QtDebugMsg: logger.debug(fmt, arg); break;
        case QtInfoMsg: logger.info(fmt, arg); break;
        case QtWarningMsg: logger.warning(fmt, arg); break;
        case QtCriticalMsg: logger.critical(fmt, arg); break;
        case QtFatalMsg: logger.fatal(fmt, arg); break;
        }
    };
    if (text.isEmpty())
        emitLine("Konnte die Nachricht nicht formatieren (%s)", format);
    else
        emitLine("%s", text.constData());
}

} // namespace

QDebug logDebug() { return plainLogger().debug(); }
QDebug logInfo() { return plainLogger().info(); }
QDebug logWarning() { return plainLogger().warning(); }
QDebug logCritical() { return plainLogger().critical(); }

// Qt 5's QMessageLogger has no fatal stream; a bare QDebug of that type hands
// its text to the handler, without context, when it is destroyed.
QDebug logFatal() { return QDebug(QtFatalMsg); }

QByteArray formatPrintf(const char *format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0)
        return QByteArray();

    QByteArray buffer(length + 1, '\0');
    va_list fill;
    va_copy(fill, args);
    std::vsnprintf(buffer.data(), size_t(buffer.size()), format, fill);
    va_end(fill);
    return buffer;
}

#define TAVELL_DEFINE_LOG_PRINTF(name, type)                                                       \
    void name(const char *format, ...)                                                             \
    {                                                                                              \
        va_list args;                                                                              \
        va_start(args, format);                                                                    \
        logFormatted(type, format, args);                                                          \
        va_end(args);                                                                              \
    }

TAVELL_DEFINE_LOG_PRINTF(logDebugPrintf, QtDebugMsg)
TAVELL_DEFINE_LOG_PRINTF(logInfoPrintf, QtInfoMsg)
TAVELL_DEFINE_LOG_PRINTF(logWarningPrintf, QtWarningMsg)
TAVELL_DEFINE_LOG_PRINTF(logCriticalPrintf, QtCriticalMsg)

void fatalPrintf(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    logFormatted(QtFatalMsg, format, args);
    va_end(args);
    std::abort(); // not reached: the handler ends the process
}

void logPyMessage(QtMsgType type, const QString &text)
{
    // The whole text, NUL characters included, which a C string would end at.
    const QMessageLogContext context(nullptr, 0, nullptr, kPyLogCategory);
    qt_message_output(type, context, text);
}
