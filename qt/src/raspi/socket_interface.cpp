#include "socket_interface.h"

#include "bridge_raspi.h"
#include "log.h"
#include "state_objects.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTimer>

#include <cstdio>

const char *const kSocketPath = "/tmp/tavell_brew.sock";

namespace {

const char *const kWindowTitle = "Tavell Brauanlage";

// How often the server checks that it still listens: a failed accept (no
// file descriptors left) makes QLocalServer close itself without a signal.
constexpr int kListenCheckMs = 1000;

// A process still running after its wait goes now, not in QProcess's
// destructor (which would complain about it).
void stopProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(1000);
}

// UTF-8 without QString::fromUtf8's silent changes: it drops a leading byte
// order mark, and its QByteArray overload stops at the first zero byte. The
// words must compare exactly as they were received.
QString exactFromUtf8(const QByteArray &bytes)
{
    static const QByteArray bom("\xEF\xBB\xBF");
    QString text;
    int at = 0;
    while (bytes.mid(at, bom.size()) == bom) {
        text += QChar(0xFEFF);
        at += bom.size();
    }
    return text + QString::fromUtf8(bytes.constData() + at, bytes.size() - at);
}

} // namespace

bool testIfAppIsRunning()
{
    {
        QLocalSocket socket;
        socket.connectToServer(QString::fromLatin1(kSocketPath), QIODevice::ReadWrite);
        if (socket.waitForConnected(1000)) {
            qDebug() << "SOCKET STATE:" << socket.state();
            qDebug() << "SOCKET ERROR:" << socket.error();
            logInfo() << "Anscheinend läuft das Programm bereits. Es wird versucht das Fenster nach vorne zu bringen "
                         "(socket)";
            socket.write("fullscreen 1");
            socket.waitForBytesWritten(30000);
            return true;
        }
    }

    QProcess list;
    list.start(QStringLiteral("wmctrl"), {QStringLiteral("-l")});
    list.waitForFinished(500);
    if (list.exitStatus() == QProcess::CrashExit) {
        qDebug() << "Das Programm 'wmctrl' ist gecrasht.";
        return false;
    }
    if (list.error() == QProcess::FailedToStart) {
        logInfo() << "Das Programm 'wmctrl' ist anscheinend nicht installiert.";
        return false;
    }
    if (list.error() == QProcess::Timedout || list.error() == QProcess::ReadError ||
        list.error() == QProcess::WriteError) {
        qWarning() << "Das Programm 'wmctrl' wurde mit folgendem Fehler beendet:" << list.error() << "Exit-Code:"
                   << list.exitCode();
        stopProcess(list);
        return false;
    }
    if (!list.readAllStandardOutput().contains(kWindowTitle))
        return false;

    logInfo() << "Anscheinend läuft das Programm bereits. Es wird versucht das Fenster nach vorne zu bringen (wmctrl)";
    QProcess activate;
    activate.start(QStringLiteral("wmctrl"), {QStringLiteral("-a"), QString::fromUtf8(kWindowTitle)});
    activate.waitForFinished(30000);
    stopProcess(activate);
    return true;
}

SocketInterface::SocketInterface(QObject *parent, Bridge *bridge)
    : QObject(parent)
    , server(new QLocalServer(this))
    , bridge(bridge)
{
    listen();
    connect(server, &QLocalServer::newConnection, this, &SocketInterface::newClient);
    auto *listenCheck = new QTimer(this);
    connect(listenCheck, &QTimer::timeout, this, &SocketInterface::ensureListening);
    listenCheck->start(kListenCheckMs);
    std::printf("SocketInterface CONSTRUCTED; sock exists: %i\n",
                QFile::exists(QString::fromLatin1(kSocketPath)) ? 1 : 0);
}

bool SocketInterface::listen()
{
    const QString path = QString::fromLatin1(kSocketPath);
    // A file left by a run that did not end cleanly blocks the address. The
    // single-instance test has already run, so nobody answers on it.
    if (server->listen(path)) {
        listened = true;
        return true;
    }
    if (server->serverError() == QAbstractSocket::AddressInUseError) {
        if (QFile::exists(path)) {
            if (QFile::remove(path)) {
                if (server->listen(path)) {
                    qDebug() << "Die Socketdatei war noch vorhanden und wurde erfolgreich gelöscht:" << path;
                    listened = true;
                    return true;
                }
                logWarning() << "Die Socketdatei war noch vorhanden und wurde erfolgreich gelöscht, jedoch konnte "
                                "trotzdem kein neuer Socket erstellt werden"
                             << path;
            } else {
                logWarning() << "Die Socketdatei war noch vorhanden und kann nicht gelöscht werden:" << path;
            }
        } else {
            logWarning() << "Trotz QAbstractSocket::AddressInUseError kann die Socketdatei nicht gefunden werden"
                         << path;
        }
    }

    return false;
}

void SocketInterface::ensureListening()
{
    // A server that never listened keeps the warnings of its start. After a
    // failed accept QLocalServer still counts as listening, but its socket
    // is closed and its file removed: the missing file tells.
    if (!listened || QFile::exists(QString::fromLatin1(kSocketPath)))
        return;
    if (!listenLost) {
        listenLost = true;
        logWarning() << "Der Befehls-Socket hört nicht mehr zu:" << server->errorString()
                     << "- er wird neu geöffnet, sobald wieder Dateien frei sind";
    }
    server->close();
    if (listen()) {
        listenLost = false;
        logInfo() << "Der Befehls-Socket hört wieder zu:" << kSocketPath;
    }
}

SocketInterface::~SocketInterface()
{
    for (QLocalSocket *client : qAsConst(clients))
        client->deleteLater();
    std::puts("SocketInterface DESTRUCTED");
    // The server goes with the children; closing it removes the socket file.
}

void SocketInterface::newClient()
{
    QLocalSocket *client = server->nextPendingConnection();
    if (!client)
        return;
    clients.append(client);
    // The timer belongs to the client and goes with it. When the GUI thread
    // was busy past the client's time, the time's end can come before the
    // announcement of a command that had arrived in time: what has arrived is
    // read (and handled through readyRead) before the client is given up. A
    // client already answered is closing and left to finish its answer.
    QTimer::singleShot(clientTimeoutMs, client, [client] {
        if (client->state() != QLocalSocket::ConnectedState || client->waitForReadyRead(0))
            return;
        client->abort();
    });
    connect(
        client, &QLocalSocket::disconnected, this, [this, client] { onClientDisconnected(client); },
        Qt::DirectConnection);
    connect(
        client, &QLocalSocket::readyRead, this, [this, client] { recv(client); }, Qt::DirectConnection);
}

void SocketInterface::recv(QLocalSocket *client)
{
    if (!client)
        return;

    const QByteArray data = client->readAll();
    if (data.isEmpty()) {
        qWarning() << QStringLiteral("Socket: keine Daten empfangen");
        client->close();
        return;
    }

    QString error;
    const QList<QByteArray> words = data.split(' ');
    if (words.size() != 2) {
        error = QStringLiteral("Es müssen genau 2 Parameter übergeben werden - übergeben: ") +
                QString::number(words.size());
    } else {
        const QString command = exactFromUtf8(words.at(0));
        const QString parameter = exactFromUtf8(words.at(1));
        if (command == QLatin1String("app")) {
            if (parameter == QLatin1String("quit")) {
                if (bridge)
                    Q_EMIT bridge->closeApp();
            } else {
                error = QStringLiteral("Der einzige gültige app-Parameter ist 'quit', nicht ") + parameter;
            }
        } else if (command == QLatin1String("fullscreen")) {
            if (trueValues.contains(parameter))
                g_gui.setFullscreen(true);
            else if (falseValues.contains(parameter))
                g_gui.setFullscreen(false);
            else
                error = QStringLiteral("Ungültiger 'fullscreen'-Parameter. Gültige Parameter sind: ") +
                        (trueValues + falseValues).join(QStringLiteral(", "));
        } else {
            error = QStringLiteral("Der erste Parameter muss 'app' oder 'fullscreen' sein, nicht ") + command;
        }
    }

    if (!error.isEmpty()) {
        client->write(error.toUtf8());
        qWarning() << QStringLiteral("Socket:") << error;
    }
    client->close();
}

void SocketInterface::onClientDisconnected(QLocalSocket *client)
{
    clients.removeAll(client);
    client->deleteLater();
}
