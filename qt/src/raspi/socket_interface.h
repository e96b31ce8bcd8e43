#pragma once
// One instance per device. A running program listens on a fixed local socket
// for one short command per connection ("app quit", "fullscreen 1" ...); a
// second start tries that socket first and, failing that, the window list of
// wmctrl. Everything here runs on the GUI thread.

#include <QList>
#include <QObject>
#include <QStringList>

class Bridge;
class QLocalServer;
class QLocalSocket;

// Fixed path of the command socket, shared by both sides.
extern const char *const kSocketPath;

// True when another instance was found and asked to come to the front. Blocks
// for at most 1 s (socket), 0.5 s (window list) and 30 s (write or activation).
bool testIfAppIsRunning();

class SocketInterface : public QObject
{
    Q_OBJECT

public:
    // A client has this long to send its command; an idle connection would
    // hold one of the program's files for good.
    static constexpr int clientTimeoutMs = 3000;

    SocketInterface(QObject *parent, Bridge *bridge);
    ~SocketInterface() override;

    // Handles what has arrived on a connection, answers an error, then closes it.
    void recv(QLocalSocket *client);
    void onClientDisconnected(QLocalSocket *client);

public Q_SLOTS:
    void newClient();

private:
    // Listens on the fixed path, removing a socket file nobody answers on.
    bool listen();
    // Listens again when the server closed itself after a failed accept.
    void ensureListening();

    bool listened = false;
    bool listenLost = false;
    QList<QLocalSocket *> clients;
    QLocalServer *server;
    Bridge *bridge;
    const QStringList trueValues{QStringLiteral("true"), QStringLiteral("1")};
    const QStringList falseValues{QStringLiteral("false"), QStringLiteral("0")};
};
