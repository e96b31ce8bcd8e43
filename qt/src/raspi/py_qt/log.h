#pragma once
// Log functions of every subsystem. They pass no source position; Qt's own
// macros (qDebug() and friends) do, and the handler appends it for those.

#include <QByteArray>
#include <QDebug>
#include <cstdarg>

QDebug logDebug();
QDebug logInfo();
QDebug logWarning();
QDebug logCritical();
QDebug logFatal();

// printf-style variants; the formatted text is never used as a format again.
void logDebugPrintf(const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);
void logInfoPrintf(const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);
void logWarningPrintf(const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);
void logCriticalPrintf(const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);
[[noreturn]] void fatalPrintf(const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);

// Formats into a zero-terminated buffer; empty when the format cannot be applied.
QByteArray formatPrintf(const char *format, va_list args);

// Logs a text at a level under the Python category (the Logger of tavell).
void logPyMessage(QtMsgType type, const QString &text);
