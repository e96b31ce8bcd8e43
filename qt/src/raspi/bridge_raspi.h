#pragma once
// The platform object between the screens and everything outside QML: owns
// the worker thread with the Python worker, runs the web-server script and
// powers the device off. Lives on the GUI thread; isSimulator, poweroff and
// reboot may also be called on the worker thread (from Python).

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <QVariantMap>

#include "action.h"

class PyWorker;

class BridgeBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString platform READ platform CONSTANT)
    Q_PROPERTY(bool debug READ debug CONSTANT)

public:
    using QObject::QObject;

    virtual QString platform() const = 0;
    Q_INVOKABLE virtual void poweroff();
    Q_INVOKABLE virtual void reboot();

    bool debug() const { return true; }

Q_SIGNALS:
    void exception(const QVariantMap &error);
    void fullscreenChanged(bool fullscreen);
    void closeApp();
};

class Bridge : public BridgeBase
{
    Q_OBJECT
    Q_PROPERTY(bool serverConnected READ isServerConnected NOTIFY serverConnectionStateChanged)
    Q_PROPERTY(bool simulator READ isSimulator CONSTANT)
    Q_PROPERTY(bool startedFromLauncher MEMBER startedFromLauncher CONSTANT)

public:
    Bridge(const QStringList &pyArgv, bool makeStubs);
    ~Bridge() override;

    QString platform() const override { return QStringLiteral("raspi"); }
    Q_INVOKABLE void poweroff() override;
    Q_INVOKABLE void reboot() override;

    Q_INVOKABLE bool isSimulator() const;
    Q_INVOKABLE bool isServerConnected() const { return false; }
    Q_INVOKABLE bool startInterpreter() { return _startInterpreter(); }
    Q_INVOKABLE bool stopInterpreter() { return _stopInterpreter(); }
    Q_INVOKABLE QString createUuid() const;

    bool _startInterpreter();
    bool _stopInterpreter();

    // Removes trailing white space in place; the first character always stays.
    static QString &_rstrip(QString &text);

    // The script started by startWebserver and its arguments.
    QStringList webserverArguments() const { return webserverArgs; }

public Q_SLOTS:
    void startWebserver();
    void stopWebserver();
    bool isWebserverRunning() const;

Q_SIGNALS:
    void pyAction(ActionEnum action);
    void serverConnectionStateChanged(bool state);
    void serverProcess(bool startedFinished, const QString &msg);
    void serverMessage(const QString &msg);

private:
    void powerCommand(const QString &title, const QString &command);
    void readProcessOutput(bool fromStderr);
    void onProcessStarted();
    void onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus);

    QThread pyThread;
    QPointer<PyWorker> pyWorker;

public:
    // Read by the worker when it starts the interpreter.
    const QStringList pyArgv;
    const bool makeStubs;
    const bool startedFromLauncher;

private:
    unsigned int outputLineCounter = 0;
    QProcess webserverProcess;
    QStringList webserverArgs;
};
