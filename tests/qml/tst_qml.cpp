// Runs every tst_*.qml beside this file against the program's own QML, loaded
// from the resources linked into this binary. Any QML warning fails the test
// that was running when it appeared.

#include "state_objects.h"

#include <QByteArray>
#include <QMessageLogContext>
#include <QObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QScopedPointer>
#include <QSettings>
#include <QStringList>
#include <QUrl>
#include <QtQuickTest>
#include <QtTest>

// The console messages of the screens, so a test can check what was logged
// at which level (ignoreWarning() knows only the warning level).
class ConsoleLog : public QObject
{
    Q_OBJECT

public:
    static ConsoleLog &instance()
    {
        static ConsoleLog log;
        return log;
    }

    void record(QtMsgType type, const QString &text)
    {
        static const char *const kLevels[] = {"debug", "warning", "critical", "fatal", "info"};
        m_lines.append(QString::fromLatin1(kLevels[type]) + QStringLiteral(": ") + text);
    }

    // Lines read "<level>: <text>", level one of debug, info, warning, critical.
    Q_INVOKABLE QStringList lines() const { return m_lines; }
    Q_INVOKABLE void clear() { m_lines.clear(); }

private:
    QStringList m_lines;
};

namespace {

QtMessageHandler s_previousHandler = nullptr;

// Warnings the QML engine reports itself (ReferenceError, TypeError, binding
// loops, failed assignments) carry the QML file as their source. Messages of
// the console API (category "qml" or "js") are the screens' deliberate output
// and pass, so a test can still expect them with ignoreWarning().
bool isQmlWarning(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtWarningMsg && type != QtCriticalMsg && type != QtFatalMsg)
        return false;
    const QByteArray category(context.category ? context.category : "");
    if (category == "qml" || category == "js")
        return false;
    const QByteArray file(context.file ? context.file : "");
    return file.endsWith(".qml") || file.endsWith(".js") || text.contains(QLatin1String("ReferenceError"))
        || text.contains(QLatin1String("TypeError")) || text.contains(QLatin1String("Binding loop"));
}

void failOnQmlWarning(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (s_previousHandler)
        s_previousHandler(type, context, text);
    const QByteArray category(context.category ? context.category : "");
    if (category == "qml" || category == "js")
        ConsoleLog::instance().record(type, text);
    if (isQmlWarning(type, context, text))
        QTest::qFail(qPrintable(QStringLiteral("QML warning: ") + text), context.file, context.line);
}

QObject *guiProvider(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&g_gui, QQmlEngine::CppOwnership);
    return &g_gui;
}

QObject *autoProvider(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&g_auto, QQmlEngine::CppOwnership);
    return &g_auto;
}

QObject *actionProvider(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&g_action, QQmlEngine::CppOwnership);
    return &g_action;
}

QObject *wifiProvider(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&g_wifi, QQmlEngine::CppOwnership);
    return &g_wifi;
}

QObject *consoleLogProvider(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&ConsoleLog::instance(), QQmlEngine::CppOwnership);
    return &ConsoleLog::instance();
}

QObject *shellProvider(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&g_shell, QQmlEngine::CppOwnership);
    return &g_shell;
}

} // namespace

class Setup : public QObject
{
    Q_OBJECT

public:
    Setup()
    {
        QQuickStyle::setStyle(QStringLiteral("Material"));
        // The screens keep their settings in the program's INI file; the
        // test's isolated XDG directories keep it apart from real ones.
        QCoreApplication::setOrganizationName(QStringLiteral("TavellGmbH"));
        QCoreApplication::setOrganizationDomain(QStringLiteral("tavell.example"));
        QCoreApplication::setApplicationName(QStringLiteral("Zentorix"));
        QSettings::setDefaultFormat(QSettings::IniFormat);
    }

public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        static bool registered = false;
        if (!registered) {
            registered = true;
            // A provider hands the same global object to every engine; one
            // engine is created per test file. Values is a stand-in holding
            // the zone counts the shared screens read.
            qmlRegisterSingletonType<Gui>("tavell.gui", 1, 0, "Gui", guiProvider);
            qmlRegisterSingletonType(QUrl::fromLocalFile(QStringLiteral(QUICK_TEST_SOURCE_DIR "/stand_ins/Values.qml")),
                                     "tavell.values", 1, 0, "Values");
            // The frame reads these; Bridge is a stand-in that records power calls.
            qmlRegisterSingletonType<Auto>("tavell.auto", 1, 0, "Auto_", autoProvider);
            qmlRegisterSingletonType<Shell>("tavell.shell", 1, 0, "Shell", shellProvider);
            // The settings page sends through these.
            qmlRegisterSingletonType<Action>("tavell.action", 1, 0, "Action_", actionProvider);
            qmlRegisterSingletonType<Wifi>("tavell.wifi", 1, 0, "Wifi", wifiProvider);
            qmlRegisterSingletonType<ConsoleLog>("tavell.test", 1, 0, "ConsoleLog", consoleLogProvider);
            qmlRegisterSingletonType(QUrl::fromLocalFile(QStringLiteral(QUICK_TEST_SOURCE_DIR "/stand_ins/Bridge.qml")),
                                     "tavell.bridge", 1, 0, "Bridge");
        }
        installHandlerAboveTestLog(engine);
    }

private:
    // Qt Test installs a handler of its own when logging starts (at the first
    // test case) and passes nothing on; start logging now and stack the
    // failing handler above it.
    void installHandlerAboveTestLog(QQmlEngine *engine)
    {
        static bool installed = false;
        if (installed)
            return;
        installed = true;
        QQmlComponent component(engine);
        component.setData("import QtTest 1.2\nTestResult {}", QUrl());
        QScopedPointer<QObject> result(component.create());
        if (!result || !QMetaObject::invokeMethod(result.data(), "startLogging"))
            qFatal("Cannot start test logging: %s", qPrintable(component.errorString()));
        s_previousHandler = qInstallMessageHandler(failOnQmlWarning);
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tst_qml, Setup)

#include "tst_qml.moc"
