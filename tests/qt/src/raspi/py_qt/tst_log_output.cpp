#include <QProcess>
#include <QtTest>

#include "log.h"
#include "log_capture.h"
#include "message_handler.h"

#include <clocale>
#include <cwchar>

class TstLogOutput : public QObject
{
    Q_OBJECT

private:
    static QMessageLogContext noContext() { return QMessageLogContext(); }
    static QDateTime fixedTime() { return QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9)); }

private Q_SLOTS:
    void lineFormat_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("info 187042 ms") << int(QtInfoMsg) << qint64(187042) << "hallo"
                                        << "[INFO ][2024-03-05 07:08:09][3:7:42] hallo";
        QTest::newRow("an hour is 60 minutes, not 0") << int(QtDebugMsg) << qint64(3600000) << "x"
                                                      << "[DEBUG][2024-03-05 07:08:09][60:0:0] x";
        QTest::newRow("place markers stay") << int(QtWarningMsg) << qint64(5) << "%1 und %3 %6"
                                            << "[WARN ][2024-03-05 07:08:09][0:0:5] %1 und %3 %6";
        QTest::newRow("critical") << int(QtCriticalMsg) << qint64(61001) << "c"
                                  << "[CRIT ][2024-03-05 07:08:09][1:1:1] c";
        QTest::newRow("fatal") << int(QtFatalMsg) << qint64(0) << "f" << "[FATAL][2024-03-05 07:08:09][0:0:0] f";
    }

    void lineFormat()
    {
        QFETCH(int, type);
        QFETCH(qint64, elapsed);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(formatLogLine(QtMsgType(type), noContext(), text, elapsed, fixedTime()), expected);
    }

    void pythonCategoryGetsMarker()
    {
        QMessageLogContext context(nullptr, 0, nullptr, kPyLogCategory);
        QCOMPARE(formatLogLine(QtInfoMsg, context, QStringLiteral("aus Python"), 187042, fixedTime()),
                 QStringLiteral("[INFO ][2024-03-05 07:08:09][3:7:42][Py] aus Python"));
    }

    void sourceSuffixOnlyWithFile()
    {
        QMessageLogContext context("qml/Foo.qml", 12, "onClicked", "qml");
        QCOMPARE(formatLogLine(QtWarningMsg, context, QStringLiteral("%2 bleibt"), 1, fixedTime()),
                 QStringLiteral("[WARN ][2024-03-05 07:08:09][0:0:1] %2 bleibt (File: qml/Foo.qml, Line: 12, "
                                "Function: onClicked)"));

        QMessageLogContext noFunction("a.cpp", 3, nullptr, nullptr);
        QVERIFY(formatLogLine(QtDebugMsg, noFunction, QStringLiteral("t"), 1, fixedTime())
                    .endsWith(QStringLiteral("(File: a.cpp, Line: 3, Function: )")));
    }

    void logFunctionsPassNoContext()
    {
        LogCapture capture;
        logInfo() << "Text" << QStringLiteral("quoted");
        qInfo() << "mit Position";
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].endsWith(QStringLiteral("] Text \"quoted\"")), qPrintable(lines[0]));
        QVERIFY2(lines[1].contains(QStringLiteral("(File: ")), qPrintable(lines[1]));
        QVERIFY(lines[1].contains(QStringLiteral("logFunctionsPassNoContext")));
    }

    void printfVariants()
    {
        LogCapture capture;
        logWarningPrintf("%d%% voll, %s", 50, "100%s");
        logDebugPrintf("%s", "");
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(QStringLiteral("[WARN ]")), qPrintable(lines[0]));
        QVERIFY2(lines[0].endsWith(QStringLiteral("] 50% voll, 100%s")), qPrintable(lines[0]));
        QVERIFY2(lines[1].endsWith(QStringLiteral("] ")), qPrintable(lines[1]));
    }

    void unformattableFormatIsNamed()
    {
        // A wide character that the C locale cannot encode makes vsnprintf fail.
        const QByteArray previous = std::setlocale(LC_CTYPE, nullptr);
        std::setlocale(LC_CTYPE, "C");
        LogCapture capture;
        logCriticalPrintf("%lc", wint_t(0x20AC));
        std::setlocale(LC_CTYPE, previous.constData());
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith(QStringLiteral("[CRIT ]")), qPrintable(lines[0]));
        QVERIFY2(lines[0].endsWith(QStringLiteral("] Konnte die Nachricht nicht formatieren (%lc)")),
                 qPrintable(lines[0]));
    }

    void fatalEndsProcessWithOne_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("fatalPrintf") << "printf";
        QTest::newRow("logFatal stream") << "stream";
    }

    void fatalEndsProcessWithOne()
    {
        QFETCH(QString, mode);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--fatal-child"), mode});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(child.readAllStandardError());
        QVERIFY2(err.contains(QRegularExpression(QStringLiteral("^\\[FATAL\\]\\[[-0-9: ]+\\]\\[0:\\d+:\\d+\\] ende 7$"),
                                                 QRegularExpression::MultilineOption)),
                 qPrintable(err));
        QVERIFY(!err.contains(QStringLiteral("nicht erreicht")));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--fatal-child") == 0) {
        uptimeTimer.start();
        qInstallMessageHandler(messageHandler);
        if (qstrcmp(argv[2], "printf") == 0)
            fatalPrintf("ende %d", 7);
        else
            logFatal().noquote() << "ende" << 7;
        qWarning("nicht erreicht");
        return 0;
    }
    QCoreApplication app(argc, argv);
    TstLogOutput test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_log_output.moc"
