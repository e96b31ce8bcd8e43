#include "bridge_raspi.h"

#include "log.h"
#include "pybridge_worker.h"
#include "state_objects.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QUuid>

namespace {

const char *const kPyDir = "/opt/tavell/brew/py";
const char *const kModuleName = "controller";

// The web-server script: ours beside the working directory, else the one of
// the brew tools installed beside it.
QString webserverScript()
{
    const QString local = QStringLiteral("./py/webserver.py");
    if (QFileInfo::exists(local))
        return QFileInfo(local).absoluteFilePath();
    return QFileInfo(QStringLiteral("../tavell-tools/py/webserver.py")).absoluteFilePath();
}

} // namespace

void BridgeBase::poweroff()
{
    Q_EMIT g_gui.message(QStringLiteral("Poweroff"), QStringLiteral("Für diese Plattform nicht implementiert"),
                         QStringLiteral("warning"), 0);
}

void BridgeBase::reboot()
{
    Q_EMIT g_gui.message(QStringLiteral("Reboot"), QStringLiteral("Für diese Plattform nicht implementiert"),
                         QStringLiteral("warning"), 0);
}

Bridge::Bridge(const QStringList &pyArgv, bool makeStubs)
    : pyArgv(pyArgv)
    , makeStubs(makeStubs)
    , startedFromLauncher(!qEnvironmentVariableIsEmpty("TAVELL_LAUNCHER_SOCKET"))
    , webserverProcess(this)
{
    webserverArgs = QStringList{QStringLiteral("-u"), webserverScript()};

    connect(&webserverProcess, &QProcess::readyReadStandardOutput, this, [this] { readProcessOutput(false); });
    connect(&webserverProcess, &QProcess::readyReadStandardError, this, [this] { readProcessOutput(true); });
    connect(&webserverProcess, &QProcess::started, this, &Bridge::onProcessStarted, Qt::DirectConnection);
    connect(&webserverProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &Bridge::onProcessFinished, Qt::DirectConnection);

    _startInterpreter();
}

Bridge::~Bridge()
{
    if (!_stopInterpreter())
        qWarning() << "Interpreter wurde im Bridge-Destruktor nicht erfolgreich gestoppt";
    // A stop asked for from the worker thread itself (power-off from Python)
    // could not wait there; the thread must be over before it is destroyed.
    pyThread.quit();
    pyThread.wait();
    // A server still running goes with the process object, which kills it.
    webserverProcess.disconnect(this);
}

bool Bridge::_startInterpreter()
{
    if (pyWorker)
        return false;

    auto *worker = new PyWorker(this);
    pyWorker = worker;
    logInfo() << "TAVELL_PY_DIR:" << kPyDir;
    worker->addPyPath(kPyDir);
    worker->setModuleName(kModuleName);

    worker->moveToThread(&pyThread);
    connect(&pyThread, &QThread::started, worker, &PyWorker::initInterpreter);
    connect(&pyThread, &QThread::finished, worker, &QObject::deleteLater);
    pyThread.start(QThread::InheritPriority);
    return true;
}

bool Bridge::_stopInterpreter()
{
    if (!pyWorker)
        return false;
    pyThread.requestInterruption();
    pyThread.quit();
    pyThread.wait();
    pyWorker.clear();
    return true;
}

bool Bridge::isSimulator() const
{
    // Read once per process; the first call may come from either thread.
    static const bool simulator = [] {
        const bool value = QSettings().value(QStringLiteral("python/simulator"), false).toBool();
        logDebugPrintf("Debug Build - Raspi (Simulator: %s)", value ? "ja" : "nein");
        return value;
    }();
    return simulator;
}

QString Bridge::createUuid() const { return QUuid::createUuid().toString(); }

void Bridge::startWebserver()
{
    if (webserverProcess.state() == QProcess::NotRunning)
        webserverProcess.start(QStringLiteral("python3"), webserverArgs, QIODevice::ReadWrite);
}

void Bridge::stopWebserver()
{
    if (webserverProcess.state() == QProcess::NotRunning)
        return;
    webserverProcess.terminate();
    if (!webserverProcess.waitForFinished(1000)) {
        webserverProcess.kill();
        if (webserverProcess.state() != QProcess::NotRunning)
            webserverProcess.waitForFinished(1000);
    }
}

bool Bridge::isWebserverRunning() const { return webserverProcess.state() != QProcess::NotRunning; }

void Bridge::onProcessStarted()
{
    logInfo() << "Server-Prozess gestartet";
    Q_EMIT serverProcess(true, QStringLiteral("<b style=\"color:green\">Server-Prozess gestartet<b>"));
}

void Bridge::onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    const QString tmpl = QStringLiteral("<b style=\"color:%1\">%2</b>");
    QString message;
    if (exitStatus == QProcess::CrashExit) {
        message = tmpl.arg(QStringLiteral("red"), QStringLiteral("Der Prozess ist abgestürzt (Rückgabe: %1)")).arg(exitCode);
        logWarning() << message;
    } else if (exitCode != 0) {
        message = tmpl.arg(QStringLiteral("red"), QStringLiteral("Der Prozess wurde mit dem Fehlercode %1 beendet")).arg(exitCode);
        logDebug() << message;
    } else {
        message = tmpl.arg(QStringLiteral("green"), QStringLiteral("Der Prozess wurde normal beendet (Rückgabe: %1)")).arg(exitCode);
        logDebug() << message;
    }
    Q_EMIT serverProcess(false, message);
    outputLineCounter = 0;
}

void Bridge::readProcessOutput(bool fromStderr)
{
    logDebug() << (fromStderr ? "GOT STD_ERR" : "GOT STD_OUT");
    webserverProcess.setReadChannel(fromStderr ? QProcess::StandardError : QProcess::StandardOutput);
    const QByteArray bytes = webserverProcess.readAll();
    QString text = QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), uint(bytes.size()))));

    const QString tmpl = fromStderr ? QStringLiteral("<p style=\"color:red\"><b>[%1]</b> %2</p>")
                                    : QStringLiteral("<p><b>[%1]</b> %2</p>");
    // The server's output joins our markup: escaped, so it shows as written.
    const QString line = tmpl.arg(QString::number(outputLineCounter++), _rstrip(text).toHtmlEscaped());
    Q_EMIT serverMessage(line);
    logDebug() << (fromStderr ? "Webserver stderr:" : "Webserver stdout:") << line;
}

QString &Bridge::_rstrip(QString &text)
{
    if (text.size() < 2)
        return text;
    while (text.size() > 1 && text.at(text.size() - 1).isSpace()) {
        const QChar removed = text.at(text.size() - 1);
        text.chop(1);
        qDebug() << "removed" << removed << "from" << text;
    }
    return text;
}

void Bridge::poweroff() { powerCommand(QStringLiteral("Poweroff"), QStringLiteral("poweroff")); }

void Bridge::reboot() { powerCommand(QStringLiteral("Reboot"), QStringLiteral("reboot")); }

void Bridge::powerCommand(const QString &title, const QString &command)
{
    if (isSimulator()) {
        Q_EMIT g_gui.message(title, QStringLiteral("Funktion im Simulator nicht verfügbar"), QStringLiteral("info"), 0);
        return;
    }

    _stopInterpreter();
    const int result = QProcess::execute(command, QStringList());
    if (result == 0) {
        // Called from Python this runs on the worker thread: let the GUI
        // thread end its own event loop.
        QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
        return;
    }
    Q_EMIT g_gui.message(title, QStringLiteral("'%1' hat den Fehlercode %2 zurückgegeben").arg(command).arg(result),
                         QStringLiteral("error"), 0);
}
