#pragma once
// The program's one Qt message handler. Called from every thread; it keeps no
// mutable state and writes each line with a single write call.

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>

// Started as the first statement of main; the log line's time since start.
extern QElapsedTimer uptimeTimer;

// Category that marks a message as coming from the Python Logger.
extern const char *const kPyLogCategory;

// Builds the log line (without line feed) as the handler writes it.
QString formatLogLine(QtMsgType type, const QMessageLogContext &context, const QString &text,
                      qint64 elapsedMs, const QDateTime &now);

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text);
