#include <QLocalServer>
#include <QSignalSpy>
#include <QtTest>

#include <cstdio>
#include <memory>

#include "bridge_raspi.h"
#include "command_socket.h"
#include "log_capture.h"
#include "socket_interface.h"
#include "startup.h"
#include "state_objects.h"
#include "test_app.h"
#include "test_timeouts.h"

namespace {

const QString kPath = QString::fromLatin1(kSocketPath);
const QString kQuotedPath = QStringLiteral("\"/tmp/tavell_brew.sock\"");
const QByteArray kCountError("Es müssen genau 2 Parameter übergeben werden - übergeben: ");
const QByteArray kFirstError("Der erste Parameter muss 'app' oder 'fullscreen' sein, nicht ");
const QByteArray kAppError("Der einzige gültige app-Parameter ist 'quit', nicht ");
const QByteArray kFullscreenError("Ungültiger 'fullscreen'-Parameter. Gültige Parameter sind: true, 1, false, 0");

// Collects what the program prints on standard output (printf, puts).
class StdoutCapture
{
public:
    StdoutCapture()
        : m_file(std::tmpfile())
    {
        std::fflush(stdout);
        m_saved = ::dup(STDOUT_FILENO);
        ::dup2(::fileno(m_file), STDOUT_FILENO);
    }
    ~StdoutCapture() { finish(); }

    QByteArray finish()
    {
        if (m_saved >= 0) {
            std::fflush(stdout);
            ::dup2(m_saved, STDOUT_FILENO);
            ::close(m_saved);
            m_saved = -1;
            std::rewind(m_file);
            char buffer[4096];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof(buffer), m_file)) > 0)
                m_text.append(buffer, int(n));
            std::fclose(m_file);
        }
        return m_text;
    }

private:
    std::FILE *m_file;
    int m_saved = -1;
    QByteArray m_text;
};

// The log line a warning "Socket:" with this text gives (the debug stream
// quotes and escapes both strings).
QString quotedSocketWarning(const QString &text)
{
    QString expected;
    QDebug(&expected) << QStringLiteral("Socket:") << text;
    return expected.trimmed();
}

} // namespace

class TstSocketInterface : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSocketLock> m_lock;
    Bridge *m_bridge = nullptr;

    static QList<QLocalSocket *> serverSockets(SocketInterface &iface)
    {
        auto *server = iface.findChild<QLocalServer *>();
        return server ? server->findChildren<QLocalSocket *>() : QList<QLocalSocket *>();
    }

    static bool waitUntilClosed(QLocalSocket &client, int timeoutMs = 5000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (client.state() != QLocalSocket::UnconnectedState && !deadline.hasExpired())
            QTest::qWait(5);
        return client.state() == QLocalSocket::UnconnectedState;
    }

    // One connection: sends the bytes and collects the answer until the
    // server closes the connection.
    static QByteArray exchange(const QByteArray &bytes, bool *closedByServer = nullptr)
    {
        QLocalSocket client;
        QByteArray reply;
        connect(&client, &QLocalSocket::readyRead, &client, [&] { reply += client.readAll(); });
        client.connectToServer(kPath);
        if (!client.waitForConnected(1000))
            return QByteArrayLiteral("<keine Verbindung>");
        client.write(bytes);
        client.flush();
        const bool closed = waitUntilClosed(client);
        reply += client.readAll();
        if (closedByServer)
            *closedByServer = closed;
        return reply;
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        m_lock = std::make_unique<AppSocketLock>();
        QVERIFY2(m_lock->isLocked(), AppSocketLock::path);
        QVERIFY2(!socketAnswers(kPath), "A program answers on the command socket; end it before running this test.");
        removeSocketPath(kSocketPath);
        m_bridge = new Bridge(QStringList{QString::fromLatin1(kPyInterpreter)}, false);
    }

    void cleanupTestCase()
    {
        delete m_bridge;
        removeSocketPath(kSocketPath);
    }

    void cleanup()
    {
        g_gui.setFullscreen(false);
        removeSocketPath(kSocketPath);
    }

    void commands_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<bool>("fullscreenBefore");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("fullscreenAfter");
        QTest::addColumn<int>("quits");

        QTest::newRow("fullscreen 1") << QByteArray("fullscreen 1") << false << QByteArray() << true << 0;
        QTest::newRow("fullscreen true") << QByteArray("fullscreen true") << false << QByteArray() << true << 0;
        QTest::newRow("fullscreen 0") << QByteArray("fullscreen 0") << true << QByteArray() << false << 0;
        QTest::newRow("fullscreen false") << QByteArray("fullscreen false") << true << QByteArray() << false << 0;
        QTest::newRow("app quit") << QByteArray("app quit") << false << QByteArray() << false << 1;

        QTest::newRow("fullscreen TRUE") << QByteArray("fullscreen TRUE") << false << kFullscreenError << false << 0;
        QTest::newRow("fullscreen 1 with line feed")
            << QByteArray("fullscreen 1\n") << false << kFullscreenError << false << 0;
        QTest::newRow("fullscreen 0 with line feed")
            << QByteArray("fullscreen 0\n") << true << kFullscreenError << true << 0;
        QTest::newRow("fullscreen, empty second word")
            << QByteArray("fullscreen ") << false << kFullscreenError << false << 0;
        QTest::newRow("fullscreen 1, incomplete UTF-8 after it")
            << QByteArray("fullscreen 1\xC3") << false << kFullscreenError << false << 0;

        QTest::newRow("app quit with line feed")
            << QByteArray("app quit\n") << false << kAppError + "quit\n" << false << 0;
        QTest::newRow("app Quit") << QByteArray("app Quit") << false << kAppError + "Quit" << false << 0;
        QTest::newRow("app fullscreen") << QByteArray("app 1") << false << kAppError + "1" << false << 0;

        QTest::newRow("App quit") << QByteArray("App quit") << false << kFirstError + "App" << false << 0;
        QTest::newRow("quit app") << QByteArray("quit app") << false << kFirstError + "quit" << false << 0;
        QTest::newRow("single blank") << QByteArray(" ") << false << kFirstError << false << 0;
        QTest::newRow("zero byte inside word")
            << QByteArray("app\0x quit", 10) << false << kFirstError + QByteArray("app\0x", 5) << false << 0;
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBF" "app quit") << false << kFirstError + "\xEF\xBB\xBF" "app" << false << 0;
        QTest::newRow("umlauts") << QByteArray("grüße 1") << false << kFirstError + "grüße" << false << 0;
        QTest::newRow("invalid UTF-8")
            << QByteArray("\xFF 1") << false << kFirstError + "\xEF\xBF\xBD" << false << 0;

        QTest::newRow("three words") << QByteArray("fullscreen 1 0") << false << kCountError + "3" << false << 0;
        QTest::newRow("two blanks") << QByteArray("app  quit") << false << kCountError + "3" << false << 0;
        QTest::newRow("one word") << QByteArray("app") << false << kCountError + "1" << false << 0;
        QTest::newRow("line feed between") << QByteArray("app\nquit") << false << kCountError + "1" << false << 0;
        QTest::newRow("many blanks") << QByteArray(10, ' ') << false << kCountError + "11" << false << 0;
    }

    void commands()
    {
        QFETCH(QByteArray, sent);
        QFETCH(bool, fullscreenBefore);
        QFETCH(QByteArray, reply);
        QFETCH(bool, fullscreenAfter);
        QFETCH(int, quits);

        SocketInterface iface(nullptr, m_bridge);
        g_gui.setFullscreen(fullscreenBefore);
        QSignalSpy quitSpy(m_bridge, &BridgeBase::closeApp);
        LogCapture log;

        bool closed = false;
        QCOMPARE(exchange(sent, &closed), reply);
        QVERIFY2(closed, "one command per connection: the server closes it");
        QCOMPARE(g_gui.fullscreen(), fullscreenAfter);
        QCOMPARE(quitSpy.count(), quits);

        const QStringList warnings = log.matching(QStringLiteral("\"Socket:\""));
        if (reply.isEmpty()) {
            QVERIFY(warnings.isEmpty());
            return;
        }
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings.first().startsWith(QLatin1String("[WARN ][")));
        const QString text = QString::fromUtf8(reply.constData(), reply.size());
        const QString logged = QStringLiteral("] ") + quotedSocketWarning(text) + QStringLiteral(" (File: ");
        QVERIFY(warnings.first().contains(logged));
        QTRY_COMPARE(serverSockets(iface).size(), 0);
    }

    void lineFeedIsLoggedEscaped()
    {
        SocketInterface iface(nullptr, m_bridge);
        LogCapture log;
        QCOMPARE(exchange("app quit\n"), kAppError + "quit\n");
        QCOMPARE(log.matching(QStringLiteral("nicht quit\\n\"")).size(), 1);
    }

    void onlyWhatArrivedFirstCounts()
    {
        SocketInterface iface(nullptr, m_bridge);
        QLocalSocket client;
        QByteArray reply;
        connect(&client, &QLocalSocket::readyRead, &client, [&] { reply += client.readAll(); });
        client.connectToServer(kPath);
        QVERIFY(client.waitForConnected(1000));
        client.write("fullscreen");
        client.flush();
        QVERIFY(waitUntilClosed(client));
        reply += client.readAll();
        QCOMPARE(reply, kCountError + "1");
        QVERIFY(!g_gui.fullscreen());
    }

    void connectionsAreIndependent()
    {
        SocketInterface iface(nullptr, m_bridge);
        QLocalSocket first, second, third;
        QByteArray replies[3];
        QLocalSocket *clients[3] = {&first, &second, &third};
        for (int i = 0; i < 3; ++i) {
            QLocalSocket *client = clients[i];
            connect(client, &QLocalSocket::readyRead, client,
                    [&replies, client, i] { replies[i] += client->readAll(); });
            client->connectToServer(kPath);
            QVERIFY(client->waitForConnected(1000));
        }
        QTRY_COMPARE(serverSockets(iface).size(), 3);

        third.write("bogus 1");
        third.flush();
        QVERIFY(waitUntilClosed(third));
        QCOMPARE(first.state(), QLocalSocket::ConnectedState);
        QCOMPARE(serverSockets(iface).size(), 2);
        first.write("fullscreen 1");
        first.flush();
        second.write("eins");
        second.flush();
        QVERIFY(waitUntilClosed(first));
        QVERIFY(waitUntilClosed(second));
        for (int i = 0; i < 3; ++i)
            replies[i] += clients[i]->readAll();

        QCOMPARE(replies[0], QByteArray());
        QCOMPARE(replies[1], kCountError + "1");
        QCOMPARE(replies[2], kFirstError + "bogus");
        QVERIFY(g_gui.fullscreen());
        QTRY_COMPARE(serverSockets(iface).size(), 0);
    }

    void silentClientIsForgotten()
    {
        SocketInterface iface(nullptr, m_bridge);
        LogCapture log;
        QLocalSocket client;
        client.connectToServer(kPath);
        QVERIFY(client.waitForConnected(1000));
        QTRY_COMPARE(serverSockets(iface).size(), 1);
        client.disconnectFromServer();
        QTRY_COMPARE(serverSockets(iface).size(), 0);
        QVERIFY(log.matching(QStringLiteral("Socket")).isEmpty());

        // The server goes on serving.
        QCOMPARE(exchange("fullscreen 1"), QByteArray());
        QVERIFY(g_gui.fullscreen());
    }

    // A client has a limited time to send its command: one that sends nothing
    // is cut off without an answer once it is up. A command that arrived in
    // time is served even when the GUI thread was busy past that time before
    // it got back to its events (the time's end and the data are then due
    // together).
    void clientTime()
    {
        SocketInterface iface(nullptr, m_bridge);
        LogCapture log;

        QElapsedTimer held;
        held.start();
        QLocalSocket idle;
        idle.connectToServer(kPath);
        QVERIFY(idle.waitForConnected(1000));
        QTRY_COMPARE(serverSockets(iface).size(), 1);
        QVERIFY(waitUntilClosed(idle, SocketInterface::clientTimeoutMs + scaledTimeout(5000)));
        // Not much before its time (a coarse timer may end up to 5 % early).
        QVERIFY2(held.elapsed() >= SocketInterface::clientTimeoutMs * 9 / 10,
                 qPrintable(QString::number(held.elapsed())));
        QCOMPARE(idle.readAll(), QByteArray());
        QTRY_COMPARE(serverSockets(iface).size(), 0);

        QLocalSocket command, wrong;
        QByteArray replies[2];
        QLocalSocket *clients[2] = {&command, &wrong};
        for (int i = 0; i < 2; ++i) {
            QLocalSocket *client = clients[i];
            connect(client, &QLocalSocket::readyRead, client,
                    [&replies, client, i] { replies[i] += client->readAll(); });
            client->connectToServer(kPath);
            QVERIFY(client->waitForConnected(1000));
        }
        QTRY_COMPARE(serverSockets(iface).size(), 2);
        command.write("fullscreen 1");
        command.flush();
        wrong.write("eins");
        wrong.flush();
        QThread::msleep(SocketInterface::clientTimeoutMs + 500);

        QVERIFY(waitUntilClosed(command));
        QVERIFY(waitUntilClosed(wrong));
        for (int i = 0; i < 2; ++i)
            replies[i] += clients[i]->readAll();
        QCOMPARE(replies[0], QByteArray());
        QVERIFY(g_gui.fullscreen());
        QCOMPARE(replies[1], kCountError + "1");
        QVERIFY(log.matching(QStringLiteral("keine Daten")).isEmpty());
        QTRY_COMPARE(serverSockets(iface).size(), 0);
    }

    void announcementWithoutData()
    {
        SocketInterface iface(nullptr, m_bridge);
        LogCapture log;
        iface.recv(nullptr);
        QVERIFY(log.lines().isEmpty());

        QLocalSocket client;
        QByteArray reply;
        connect(&client, &QLocalSocket::readyRead, &client, [&] { reply += client.readAll(); });
        client.connectToServer(kPath);
        QVERIFY(client.waitForConnected(1000));
        QTRY_COMPARE(serverSockets(iface).size(), 1);

        iface.recv(serverSockets(iface).first());

        const QStringList warnings = log.matching(QStringLiteral("] \"Socket: keine Daten empfangen\" (File: "));
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings.first().startsWith(QLatin1String("[WARN ][")));
        QVERIFY(waitUntilClosed(client));
        QCOMPARE(reply + client.readAll(), QByteArray());
        QTRY_COMPARE(serverSockets(iface).size(), 0);
    }

    void freshStartAndTakeDown()
    {
        LogCapture log;
        StdoutCapture out;
        auto iface = std::make_unique<SocketInterface>(nullptr, m_bridge);
        QCOMPARE(out.finish(), QByteArray("SocketInterface CONSTRUCTED; sock exists: 1\n"));
        QVERIFY(log.matching(QStringLiteral("Socketdatei")).isEmpty());
        QVERIFY(QFileInfo::exists(kPath));

        // A client still connected at the end does not keep anything alive.
        QLocalSocket client;
        client.connectToServer(kPath);
        QVERIFY(client.waitForConnected(1000));
        QTRY_COMPARE(serverSockets(*iface).size(), 1);

        StdoutCapture outAtEnd;
        iface.reset();
        QCOMPARE(outAtEnd.finish(), QByteArray("SocketInterface DESTRUCTED\n"));
        QVERIFY(!QFileInfo::exists(kPath));
        QVERIFY(waitUntilClosed(client));
    }

    void staleSocketFileIsReplaced()
    {
        QVERIFY(makeStaleSocketFile(kSocketPath));
        QVERIFY(!socketAnswers(kPath));
        LogCapture log;
        StdoutCapture out;
        auto iface = std::make_unique<SocketInterface>(nullptr, m_bridge);
        QCOMPARE(out.finish(), QByteArray("SocketInterface CONSTRUCTED; sock exists: 1\n"));

        const QStringList found = log.matching(
            QStringLiteral("] Die Socketdatei war noch vorhanden und wurde erfolgreich gelöscht: ") + kQuotedPath +
            QStringLiteral(" (File: "));
        QCOMPARE(found.size(), 1);
        QVERIFY(found.first().startsWith(QLatin1String("[DEBUG][")));
        QCOMPARE(log.matching(QStringLiteral("Socketdatei")).size(), 1);

        QCOMPARE(exchange("fullscreen 1"), QByteArray());
        QVERIFY(g_gui.fullscreen());
        iface.reset();
        QVERIFY(!QFileInfo::exists(kPath));
    }

    void socketPathThatCannotBeRemoved()
    {
        // A directory stands where the socket belongs; removing it as a file fails.
        QVERIFY(QDir().mkpath(kPath + QStringLiteral("/inhalt")));
        LogCapture log;
        StdoutCapture out;
        auto iface = std::make_unique<SocketInterface>(nullptr, m_bridge);
        QCOMPARE(out.finish(), QByteArray("SocketInterface CONSTRUCTED; sock exists: 1\n"));

        const QStringList found = log.matching(QStringLiteral("Socketdatei"));
        QCOMPARE(found.size(), 1);
        QVERIFY(found.first().startsWith(QLatin1String("[WARN ][")));
        QVERIFY(found.first().endsWith(
            QStringLiteral("] Die Socketdatei war noch vorhanden und kann nicht gelöscht werden: ") + kQuotedPath));
        QVERIFY(!iface->findChild<QLocalServer *>()->isListening());

        // What is not ours stays when the command socket goes.
        iface.reset();
        QVERIFY(QFileInfo(kPath).isDir());
    }

    void addressInUseWithoutFile()
    {
        // A dangling link occupies the address, yet no file is there.
        QVERIFY(QFile::link(QStringLiteral("/nonexistent/tavell_brew.sock"), kPath));
        LogCapture log;
        StdoutCapture out;
        auto iface = std::make_unique<SocketInterface>(nullptr, m_bridge);
        QCOMPARE(out.finish(), QByteArray("SocketInterface CONSTRUCTED; sock exists: 0\n"));

        const QStringList found = log.matching(QStringLiteral("Socketdatei"));
        QCOMPARE(found.size(), 1);
        QVERIFY(found.first().startsWith(QLatin1String("[WARN ][")));
        QVERIFY(found.first().endsWith(
            QStringLiteral("] Trotz QAbstractSocket::AddressInUseError kann die Socketdatei nicht gefunden werden ") +
            kQuotedPath));
        QVERIFY(!iface->findChild<QLocalServer *>()->isListening());
        iface.reset();
        QVERIFY(QFileInfo(kPath).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TstSocketInterface)
#include "tst_socket_interface.moc"
