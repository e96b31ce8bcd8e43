#pragma once
// The program's command socket path is fixed for the whole machine. CTest's
// resource lock "tavell_app" keeps the tests of one run apart; test runs of
// other work trees on the same machine are kept apart by this file lock,
// which the end-to-end tests (tests/e2e/conftest.py) take as well. The kernel
// drops it when the process ends, however it ends.

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

class AppSocketLock
{
public:
    static constexpr const char *path = "/tmp/tavell_brew.test.lock";

    explicit AppSocketLock(int timeoutMs = 90000)
    {
        m_fd = ::open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (m_fd < 0)
            return;
        QDeadlineTimer deadline(timeoutMs);
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (deadline.hasExpired()) {
                ::close(m_fd);
                m_fd = -1;
                return;
            }
            QThread::msleep(100);
        }
    }
    ~AppSocketLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    AppSocketLock(const AppSocketLock &) = delete;
    AppSocketLock &operator=(const AppSocketLock &) = delete;

    bool isLocked() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// True when a program answers on the socket path (one started by hand, say).
inline bool socketAnswers(const QString &socketPath)
{
    QLocalSocket probe;
    probe.connectToServer(socketPath);
    return probe.waitForConnected(200);
}

// Leaves a socket file nobody listens on, as a killed program does.
inline bool makeStaleSocketFile(const char *socketPath)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, socketPath, sizeof(addr.sun_path) - 1);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)) == 0;
    ::close(fd);
    return bound;
}

// Removes whatever a test left at the socket path: socket, link or directory.
inline void removeSocketPath(const char *socketPath)
{
    struct stat st;
    if (::lstat(socketPath, &st) != 0)
        return;
    if (S_ISDIR(st.st_mode))
        QDir(QString::fromLocal8Bit(socketPath)).removeRecursively();
    else
        ::unlink(socketPath);
}
