#include "message_handler.h"

#include <cstdlib>
#include <unistd.h>

QElapsedTimer uptimeTimer;
const char *const kPyLogCategory = "py";

namespace {

const char *tagFor(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return "[DEBUG]";
    case QtInfoMsg: return "[INFO ]";
    case QtWarningMsg: return "[WARN ]";
    case QtCriticalMsg: return "[CRIT ]";
    case QtFatalMsg: return "[FATAL]";
    }
    return "[DEBUG]";
}

bool isPyCategory(const QMessageLogContext &context)
{
    return context.category && qstrcmp(context.category, kPyLogCategory) == 0;
}

} // namespace

QString formatLogLine(QtMsgType type, const QMessageLogContext &context, const QString &text,
                      qint64 elapsedMs, const QDateTime &now)
{
    const qint64 minutes = elapsedMs / 60000;
    const qint64 seconds = (elapsedMs % 60000) / 1000;
    const qint64 millis = elapsedMs % 1000;

    // QString::arg with several arguments substitutes in one pass, so place
    // markers inside the message text stay as they are.
    const QString tmpl = isPyCategory(context) ? QStringLiteral("%6[%1][%3:%4:%5][Py] %2")
                                               : QStringLiteral("%6[%1][%3:%4:%5] %2");
    QString line = tmpl.arg(now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), text,
                            QString::number(minutes), QString::number(seconds),
                            QString::number(millis), QString::fromLatin1(tagFor(type)));
    if (context.file) {
        line = QStringLiteral("%1 (File: %2, Line: %4, Function: %3)")
                   .arg(line, QString::fromUtf8(context.file),
                        QString::fromUtf8(context.function ? context.function : ""),
                        QString::number(context.line));
    }
    return line;
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const qint64 elapsed = uptimeTimer.isValid() ? uptimeTimer.elapsed() : 0;
    QByteArray bytes = formatLogLine(type, context, text, elapsed, QDateTime::currentDateTime()).toLocal8Bit();
    bytes.append('\n');

    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(STDERR_FILENO, p, size_t(left));
        if (n <= 0)
            break;
        p += n;
        left -= n;
    }

    if (type == QtFatalMsg)
        std::exit(1);
}
