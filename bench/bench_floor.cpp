// Bare start-up: an embedded interpreter and an empty Qt Quick window in one
// process. Prints milliseconds since process start at each step and the
// resident size once the first frame is out.
#include <pybind11/embed.h>

#include <QFile>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

static double msSinceProcessStart()
{
    // Field 22 of /proc/self/stat: start time in clock ticks since boot.
    QFile stat(QStringLiteral("/proc/self/stat"));
    stat.open(QIODevice::ReadOnly);
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9) * 1000.0 - startTicks * 1000.0 / sysconf(_SC_CLK_TCK);
}

static long rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QGuiApplication app(argc, argv);
    pybind11::scoped_interpreter interpreter;
    std::printf("interpreter_ms %.1f\n", msSinceProcessStart());
    // The interpreter's lock is not needed on this thread again.
    pybind11::gil_scoped_release release;

    QQuickWindow window;
    window.resize(1024, 600);
    QObject::connect(&window, &QQuickWindow::frameSwapped, &app, [&] {
        static bool first = true;
        if (!first)
            return;
        first = false;
        std::printf("first_frame_ms %.1f\n", msSinceProcessStart());
        // Let the start-up settle as the program's figure does.
        QTimer::singleShot(1000, &app, [] {
            std::printf("rss_kib %ld\n", rssKiB());
            QCoreApplication::quit();
        });
    }, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
