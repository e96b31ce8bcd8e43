// Runs every tst_*.qml beside this file against the program's own QML, loaded
// from the resources linked into this binary. Any QML warning fails the test
// that was running when it appeared.

#include "state_objects.h"
#include "values_setters.h"

#include <QByteArray>
#include <QHash>
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

#include <functional>

namespace {

QtMessageHandler s_previousHandler = nullptr;
// Every message's text, and the console API's messages as "<level>: <text>"
// (ignoreWarning() knows only the warning level).
QStringList s_logged;
QStringList s_console;

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
    s_logged.append(text);
    if (s_previousHandler)
        s_previousHandler(type, context, text);
    const QByteArray category(context.category ? context.category : "");
    if (category == "qml" || category == "js") {
        static const char *const kLevels[] = {"debug", "warning", "critical", "fatal", "info"};
        s_console.append(QString::fromLatin1(kLevels[type]) + QStringLiteral(": ") + text);
    }
    if (isQmlWarning(type, context, text))
        QTest::qFail(qPrintable(QStringLiteral("QML warning: ") + text), context.file, context.line);
}

// Hands the program's global state object to every engine without giving it away.
#define REGISTER_GLOBAL(Type, object, uri, name)                                                   \
    qmlRegisterSingletonType<Type>(uri, 1, 0, name, [](QQmlEngine *, QJSEngine *) -> QObject * { \
        QQmlEngine::setObjectOwnership(&object, QQmlEngine::CppOwnership);                      \
        return &object;                                                                         \
    })

} // namespace

// What the screen tests need beyond QML: putting the automatic sequence into
// the states the controller would write (Auto has no setters QML may call)
// and reading the log lines the screens printed, of every level.
class TestHooks : public QObject
{
    Q_OBJECT

public:
    // Writes a Values property through its C++ setter, as the controller's
    // binding does (clamping and change signals included).
    Q_INVOKABLE void setValue(const QString &name, const QVariant &value)
    {
        const auto setter = valuesSetters().value(name);
        if (!setter)
            qFatal("TestHooks.setValue: no setter for %s", qPrintable(name));
        setter(g_values, value);
    }

    Q_INVOKABLE void setAutoActive(int line, bool active)
    {
        line == 1 ? g_auto.setActiveA(active) : g_auto.setActiveB(active);
    }

    Q_INVOKABLE void setRecovery(int line, int step, const QString &stepStr)
    {
        RecoveryData *data = line == 1 ? g_auto.recoveryDataA() : g_auto.recoveryDataB();
        data->setStep(step);
        data->setStepStr(stepStr);
    }

    Q_INVOKABLE void clearLog()
    {
        s_logged.clear();
        s_console.clear();
    }
    Q_INVOKABLE bool logged(const QString &line) const { return s_logged.contains(line); }
    // Lines read "<level>: <text>", level one of debug, info, warning, critical.
    Q_INVOKABLE QStringList consoleLines() const { return s_console; }

    // Step screens of the automatic sequence: the flags of Auto, the hop
    // display, the line recipes and the outputs, written as the controller would.
    Q_INVOKABLE void setAuto(const QString &name, const QVariant &value)
    {
        using Setter = std::function<void(const QVariant &)>;
        static const QHash<QString, Setter> setters = {
            {"stepA", [](const QVariant &v) { g_auto.setStepA(v.toInt()); }},
            {"stepB", [](const QVariant &v) { g_auto.setStepB(v.toInt()); }},
            {"manualHeatingAEnabled", [](const QVariant &v) { g_auto.setManualHeatingAEnabled(v.toBool()); }},
            {"manualHeatingBEnabled", [](const QVariant &v) { g_auto.setManualHeatingBEnabled(v.toBool()); }},
            {"waitForAckn", [](const QVariant &v) { g_auto.setWaitForAckn(v.toBool()); }},
            {"hgActive", [](const QVariant &v) { g_auto.setHgActive(v.toBool()); }},
            {"hgFinished", [](const QVariant &v) { g_auto.setHgFinished(v.toBool()); }},
            {"ngActive", [](const QVariant &v) { g_auto.setNgActive(v.toBool()); }},
            {"ngFinished", [](const QVariant &v) { g_auto.setNgFinished(v.toBool()); }},
            {"ngStep", [](const QVariant &v) { g_auto.setNgStep(v.toInt()); }},
            {"ngLitersStep", [](const QVariant &v) { g_auto.setNgLitersStep(v.toFloat()); }},
            {"trubwurzeActive", [](const QVariant &v) { g_auto.setTrubwurzeActive(v.toBool()); }},
            {"ertFilling", [](const QVariant &v) { g_auto.setErtFilling(v.toInt()); }},
            {"stammwurzeHeating", [](const QVariant &v) { g_auto.setStammwurzeHeating(v.toInt()); }},
            {"stammwurzeHeatingTime", [](const QVariant &v) { g_auto.setStammwurzeHeatingTime(v.toInt()); }},
        };
        const Setter setter = setters.value(name);
        if (!setter)
            qFatal("TestHooks.setAuto: no setter for %s", qPrintable(name));
        setter(value);
    }
    Q_INVOKABLE void setHopfenTimer(int current, bool alarm)
    {
        g_hopfenTimer.setCurrent(current);
        g_hopfenTimer.setAlarm(alarm);
    }
    // line 1 is Recipes.autoA, 2 Recipes.autoB.
    Q_INVOKABLE void setRecipe(int line, const QString &name, const QVariant &value)
    {
        Recipe *recipe = line == 1 ? g_recipes.autoA() : g_recipes.autoB();
        if (name == QLatin1String("name"))
            recipe->setName(value.toString());
        else if (name == QLatin1String("hopfenN"))
            recipe->setHopfenN(value.toInt());
        else if (name == QLatin1String("hopfenVorderwurze"))
            recipe->setHopfenVorderwurze(value.toBool());
        else if (name == QLatin1String("commentWasser"))
            recipe->setCommentWasser(value.toString());
        else
            qFatal("TestHooks.setRecipe: no setter for %s", qPrintable(name));
    }
    // A digital output's state or a drive's direction, by the Actuator property's name.
    Q_INVOKABLE void setOutput(const QString &name, int value)
    {
        QObject *out = g_actuator.property(qPrintable(name)).value<QObject *>();
        if (auto *dout = qobject_cast<DOut *>(out))
            dout->setState(value != 0);
        else if (auto *fu = qobject_cast<Fu *>(out))
            fu->setDir(value);
        else
            qFatal("TestHooks.setOutput: no output %s", qPrintable(name));
    }
};

namespace {

QObject *testHooksProvider(QQmlEngine *, QJSEngine *)
{
    return new TestHooks;
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
            // engine is created per test file. The screens see the program's
            // own state objects; only Bridge is a stand-in (below).
            REGISTER_GLOBAL(Action, g_action, "tavell.action", "Action_");
            REGISTER_GLOBAL(Actuator, g_actuator, "tavell.actuator", "Actuator");
            REGISTER_GLOBAL(Auto, g_auto, "tavell.auto", "Auto_");
            REGISTER_GLOBAL(AutoHandManager, g_autoHandManager, "tavell.auto", "AutoHandManager");
            REGISTER_GLOBAL(Gui, g_gui, "tavell.gui", "Gui");
            REGISTER_GLOBAL(HopfenTimer, g_hopfenTimer, "tavell.auto", "HopfenTimer");
            REGISTER_GLOBAL(Recipes, g_recipes, "tavell.recipes", "Recipes");
            REGISTER_GLOBAL(Sensor, g_sensor, "tavell.sensor", "Sensor");
            REGISTER_GLOBAL(Shell, g_shell, "tavell.shell", "Shell");
            REGISTER_GLOBAL(Simulator, g_simulator, "tavell.simulator", "Simulator");
            REGISTER_GLOBAL(Values, g_values, "tavell.values", "Values");
            REGISTER_GLOBAL(Wifi, g_wifi, "tavell.wifi", "Wifi");
            qmlRegisterUncreatableType<detail::_ActBase>("tavell.actuator", 1, 0, "ActuatorBase", QString());
            qmlRegisterUncreatableType<DOut>("tavell.actuator", 1, 0, "DOut", QString());
            qmlRegisterUncreatableType<Fu>("tavell.actuator", 1, 0, "Fu", QString());
            qmlRegisterUncreatableType<detail::_SensBase>("tavell.sensor", 1, 0, "SensorBase", QString());
            qmlRegisterUncreatableType<DIn>("tavell.sensor", 1, 0, "DIn", QString());
            qmlRegisterUncreatableType<ChangelogEntry>("tavell.shell", 1, 0, "ChangelogEntry", QString());
            qmlRegisterUncreatableType<Recipe>("tavell.recipes", 1, 0, "Recipe", QString());
            qmlRegisterUncreatableType<RecoveryData>("tavell.auto", 1, 0, "RecoveryData", QString());
            qmlRegisterSingletonType<TestHooks>("tavell.testing", 1, 0, "TestHooks", testHooksProvider);
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
