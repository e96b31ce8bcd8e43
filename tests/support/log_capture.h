#pragma once
// Records every log line the program's handler would write, while still
// writing it to standard error, so tests can wait for and inspect lines.
// Lines may come from any thread (the worker logs while a test runs): one
// process-wide lock covers the current capture, so a capture never goes away
// while another thread is appending to it.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include "message_handler.h"
#include "test_timeouts.h"

class LogCapture
{
public:
    LogCapture()
    {
        {
            QMutexLocker locker(&lock());
            instance() = this;
        }
        m_previous = qInstallMessageHandler(&LogCapture::handler);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QMutexLocker locker(&lock());
        instance() = nullptr;
    }

    QStringList lines() const
    {
        QMutexLocker locker(&lock());
        return m_lines;
    }

    void clear()
    {
        QMutexLocker locker(&lock());
        m_lines.clear();
    }

    // Lines containing text.
    QStringList matching(const QString &text) const { return lines().filter(text); }

    // Processes events until a line containing text appears or the time is up.
    bool waitFor(const QString &text, int timeoutMs = scaledTimeout(10000)) const
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            if (!matching(text).isEmpty())
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        return !matching(text).isEmpty();
    }

private:
    static LogCapture *&instance()
    {
        static LogCapture *current = nullptr;
        return current;
    }

    static QMutex &lock()
    {
        static QMutex mutex;
        return mutex;
    }

    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        {
            QMutexLocker locker(&lock());
            if (LogCapture *self = instance())
                self->m_lines.append(formatLogLine(type, context, text, uptimeTimer.isValid() ? uptimeTimer.elapsed() : 0,
                                                   QDateTime::currentDateTime()));
        }
        // Fatal lines go through the real handler, which ends the process.
        messageHandler(type, context, text);
    }

    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};
