#include <QElapsedTimer>
#include <QLocalServer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "command_socket.h"
#include "log_capture.h"
#include "socket_interface.h"
#include "test_app.h"

namespace {

const QString kSocketInfo = QStringLiteral(
    "] Anscheinend läuft das Programm bereits. Es wird versucht das Fenster nach vorne zu bringen (socket)");
const QString kWmctrlInfo = QStringLiteral(
    "] Anscheinend läuft das Programm bereits. Es wird versucht das Fenster nach vorne zu bringen (wmctrl)");

} // namespace

class TstSingleInstance : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSocketLock> m_lock;
    QTemporaryDir m_dir;
    QByteArray m_path = qgetenv("PATH");

    QString recordFile() const { return m_dir.filePath(QStringLiteral("wmctrl.calls")); }

    // The calls the stand-in received, one line per call, arguments ended by "|".
    QStringList wmctrlCalls() const
    {
        QFile file(recordFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        QVERIFY(m_dir.isValid());
        // Never the real window tool: the stand-in must come first on PATH.
        QCOMPARE(QStandardPaths::findExecutable(QStringLiteral("wmctrl")),
                 QString::fromLocal8Bit(qgetenv("TAVELL_SOURCE_DIR")) + QStringLiteral("/tests/bin/wmctrl"));
        m_lock = std::make_unique<AppSocketLock>();
        QVERIFY2(m_lock->isLocked(), AppSocketLock::path);
        QVERIFY2(!socketAnswers(QString::fromLatin1(kSocketPath)),
                 "A program answers on the command socket; end it before running this test.");
        removeSocketPath(kSocketPath);
        qputenv("TAVELL_TEST_WMCTRL_RECORD", recordFile().toLocal8Bit());
    }

    void init()
    {
        QFile::remove(recordFile());
        qunsetenv("TAVELL_TEST_WMCTRL");
        qunsetenv("TAVELL_TEST_WMCTRL_ACTIVATE_RC");
        qputenv("PATH", m_path);
    }

    void cleanup()
    {
        qputenv("PATH", m_path);
        removeSocketPath(kSocketPath);
    }

    void cleanupTestCase() { removeSocketPath(kSocketPath); }

    void answeringInstanceIsAskedForFullscreen()
    {
        QLocalServer server;
        QVERIFY(server.listen(QString::fromLatin1(kSocketPath)));
        LogCapture log;

        QVERIFY(testIfAppIsRunning());

        QVERIFY(server.waitForNewConnection(1000));
        QLocalSocket *peer = server.nextPendingConnection();
        QVERIFY(peer);
        QByteArray received = peer->readAll();
        while (peer->waitForReadyRead(2000))
            received += peer->readAll();
        received += peer->readAll();
        QCOMPARE(received, QByteArray("fullscreen 1"));

        const QStringList lines = log.lines();
        const QStringList state = lines.filter(QStringLiteral("SOCKET STATE: QLocalSocket::ConnectedState"));
        const QStringList error = lines.filter(QStringLiteral("SOCKET ERROR: QLocalSocket::UnknownSocketError"));
        const QStringList info = lines.filter(kSocketInfo);
        QCOMPARE(state.size(), 1);
        QCOMPARE(error.size(), 1);
        QCOMPARE(info.size(), 1);
        QVERIFY(state.first().startsWith(QLatin1String("[DEBUG][")));
        QVERIFY(state.first().contains(QLatin1String("(File: ")));
        QVERIFY(error.first().startsWith(QLatin1String("[DEBUG][")));
        QVERIFY(error.first().contains(QLatin1String("(File: ")));
        QVERIFY(info.first().startsWith(QLatin1String("[INFO ][")));
        QVERIFY(info.first().endsWith(kSocketInfo));
        QVERIFY(lines.indexOf(state.first()) < lines.indexOf(error.first()));
        QVERIFY(lines.indexOf(error.first()) < lines.indexOf(info.first()));

        // The window tool is only asked when nobody answers.
        QVERIFY(wmctrlCalls().isEmpty());
    }

    void windowTool_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QByteArray>("activateRc");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("logged"); // the whole text after the time stamps
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("withSource");

        const QStringList listOnly{QStringLiteral("-l|")};
        const QStringList listAndActivate{QStringLiteral("-l|"), QStringLiteral("-a|Tavell Brauanlage|")};

        QTest::newRow("no window of ours") << QByteArray("none") << QByteArray() << false << listOnly << QString()
                                           << QString() << false;
        QTest::newRow("window found") << QByteArray("window") << QByteArray() << true << listAndActivate
                                      << kWmctrlInfo.mid(2) << QStringLiteral("[INFO ]") << false;
        QTest::newRow("activation fails, still running")
            << QByteArray("window") << QByteArray("1") << true << listAndActivate << kWmctrlInfo.mid(2)
            << QStringLiteral("[INFO ]") << false;
        QTest::newRow("crash") << QByteArray("crash") << QByteArray() << false << listOnly
                               << QStringLiteral("Das Programm 'wmctrl' ist gecrasht.") << QStringLiteral("[DEBUG]")
                               << true;
        QTest::newRow("time-out") << QByteArray("hang") << QByteArray() << false << listOnly
                                  << QStringLiteral("Das Programm 'wmctrl' wurde mit folgendem Fehler beendet: "
                                                    "QProcess::Timedout Exit-Code: 0")
                                  << QStringLiteral("[WARN ]") << true;
    }

    void windowTool()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QByteArray, activateRc);
        QFETCH(bool, running);
        QFETCH(QStringList, calls);
        QFETCH(QString, logged);
        QFETCH(QString, tag);
        QFETCH(bool, withSource);

        qputenv("TAVELL_TEST_WMCTRL", mode);
        if (!activateRc.isEmpty())
            qputenv("TAVELL_TEST_WMCTRL_ACTIVATE_RC", activateRc);
        LogCapture log;
        QElapsedTimer timer;
        timer.start();

        QCOMPARE(testIfAppIsRunning(), running);

        // The list is waited for half a second at most.
        QVERIFY2(timer.elapsed() < 3000, QByteArray::number(timer.elapsed()));
        QCOMPARE(wmctrlCalls(), calls);
        const QStringList lines = log.lines();
        QVERIFY(lines.filter(QStringLiteral("SOCKET STATE")).isEmpty());
        QVERIFY(lines.filter(QStringLiteral("(socket)")).isEmpty());
        if (logged.isEmpty()) {
            QVERIFY(lines.filter(QStringLiteral("wmctrl")).isEmpty());
            return;
        }
        const QStringList found = lines.filter(QStringLiteral("] ") + logged);
        QCOMPARE(found.size(), 1);
        QVERIFY(found.first().startsWith(tag + QLatin1Char('[')));
        if (withSource)
            QVERIFY(found.first().contains(QStringLiteral("] ") + logged + QStringLiteral(" (File: ")));
        else
            QVERIFY(found.first().endsWith(QStringLiteral("] ") + logged));
    }

    void hangingToolIsWaitedForHalfASecond()
    {
        qputenv("TAVELL_TEST_WMCTRL", "hang");
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!testIfAppIsRunning());
        QVERIFY2(timer.elapsed() >= 450, QByteArray::number(timer.elapsed()));
    }

    void missingTool()
    {
        // A PATH without the stand-in and without the system's tool.
        qputenv("PATH", m_dir.filePath(QStringLiteral("empty")).toLocal8Bit());
        LogCapture log;
        QVERIFY(!testIfAppIsRunning());
        const QString text = QStringLiteral("Das Programm 'wmctrl' ist anscheinend nicht installiert.");
        const QStringList found = log.matching(text);
        QCOMPARE(found.size(), 1);
        QVERIFY(found.first().startsWith(QLatin1String("[INFO ][")));
        QVERIFY(found.first().endsWith(QStringLiteral("] ") + text));
        QVERIFY(wmctrlCalls().isEmpty());
    }

    void staleSocketFileFallsBackToWindowTool()
    {
        QVERIFY(makeStaleSocketFile(kSocketPath));
        QVERIFY(QFileInfo::exists(QString::fromLatin1(kSocketPath)));
        qputenv("TAVELL_TEST_WMCTRL", "window");
        LogCapture log;
        QVERIFY(testIfAppIsRunning());
        QCOMPARE(wmctrlCalls().size(), 2);
        QCOMPARE(log.matching(kWmctrlInfo).size(), 1);
        QVERIFY(log.matching(kSocketInfo).isEmpty());
        // The test leaves the file alone; the command socket deals with it.
        QVERIFY(QFileInfo::exists(QString::fromLatin1(kSocketPath)));
    }
};

QTEST_GUILESS_MAIN(TstSingleInstance)
#include "tst_single_instance.moc"
