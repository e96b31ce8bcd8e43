// Runs every tst_*.qml beside this file against the program's own QML, loaded
// from the resources linked into this binary. Any QML warning fails the test
// that was running when it appeared.

#include "startup.h"
#include "state_objects.h"
#include "simulator_setters.h"
#include "state_paths.h"
#include "text_tail.h"
#include "values_setters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QClipboard>
#include <QColor>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHash>
#include <QMessageLogContext>
#include <QObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlIncubationController>
#include <QQuickStyle>
#include <QScopedPointer>
#include <QSettings>
#include <QStringList>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>
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
    Q_INVOKABLE QString clipboardText() const { return QApplication::clipboard()->text(); }

    // ---- recipes: the names and the current recipe as the controller writes them ----
    Q_INVOKABLE void setRecipeNames(const QStringList &names)
    {
        g_recipes.setNames(QVector<QString>(names.begin(), names.end()));
    }

    // Back to the initial values, then the given fields (property names of
    // Recipe; the arrays as lists of five).
    Q_INVOKABLE void setCurrentRecipe(const QVariantMap &fields)
    {
        Recipe *recipe = g_recipes.current();
        recipe->takeOther(*g_recipes.defaultRecipe());
        updateCurrentRecipe(fields);
    }

    Q_INVOKABLE void updateCurrentRecipe(const QVariantMap &fields)
    {
        Recipe *recipe = g_recipes.current();
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            const QString &key = it.key();
            const QVariant &v = it.value();
            if (key == QLatin1String("name")) recipe->setName(v.toString());
            else if (key == QLatin1String("commentWasser")) recipe->setCommentWasser(v.toString());
            else if (key == QLatin1String("commentMalz")) recipe->setCommentMalz(v.toString());
            else if (key == QLatin1String("commentGeneral")) recipe->setCommentGeneral(v.toString());
            else if (key == QLatin1String("maischHg")) recipe->setMaischHg(v.toInt());
            else if (key == QLatin1String("maischTemp")) recipe->setMaischTemp(v.toInt());
            else if (key == QLatin1String("maischFillTemp")) recipe->setMaischFillTemp(v.toInt());
            else if (key == QLatin1String("rasteN")) recipe->setRasteN(v.toInt());
            else if (key == QLatin1String("lauternTemp")) recipe->setLauternTemp(v.toInt());
            else if (key == QLatin1String("cookingTime")) recipe->setCookingTime(v.toInt());
            else if (key == QLatin1String("hopfenN")) recipe->setHopfenN(v.toInt());
            else if (key == QLatin1String("hopfenVorderwurze")) recipe->setHopfenVorderwurze(v.toBool());
            else if (key == QLatin1String("hopfenWhirlpool")) recipe->setHopfenWhirlpool(v.toBool());
            else if (key == QLatin1String("cookingUsePowerPercentage"))
                recipe->setCookingUsePowerPercentage(v.toBool());
            else if (key == QLatin1String("stammwurzeDoPfannevollMessung"))
                recipe->setStammwurzeDoPfannevollMessung(v.toBool());
            else if (key == QLatin1String("rasteTemps")) recipe->setRasteTempsFromList(intList(v));
            else if (key == QLatin1String("hopfenTimers")) recipe->setHopfenTimersFromList(intList(v));
            else if (key == QLatin1String("hopfenComments")) recipe->setHopfenCommentsFromList(v.toStringList());
            else qFatal("TestHooks.updateCurrentRecipe: no setter for %s", qPrintable(key));
        }
    }

private:
    static QVector<int> intList(const QVariant &value)
    {
        QVector<int> out;
        for (const QVariant &item : value.toList())
            out.append(item.toInt());
        return out;
    }

public:
    // Updates tab: Shell as the controller's binding writes it.
    Q_INVOKABLE void setShellUpgradables(const QVariantList &rows) { g_shell.setUpgradables(toMaps(rows)); }
    Q_INVOKABLE void setShellInstalled(const QVariantList &rows) { g_shell.setInstalled(toMaps(rows)); }
    Q_INVOKABLE void setShellLocked(bool locked) { g_shell.setLocked(locked); }
    Q_INVOKABLE void setShellTestingRepoEnabled(bool enabled) { g_shell.setTestingRepoEnabled(enabled); }
    Q_INVOKABLE void setShellColors(const QColor &low, const QColor &medium, const QColor &high, const QColor &other)
    {
        g_shell.setColorUrgencyLow(low);
        g_shell.setColorUrgencyMedium(medium);
        g_shell.setColorUrgencyHigh(high);
        g_shell.setColorUrgencyOther(other);
    }
    // Each map: name, date, distribution, version, urgency (texts) and changes (list of texts).
    Q_INVOKABLE void setShellChangelogs(const QVariantList &entries)
    {
        QVector<ChangelogEntry> list;
        for (const QVariant &value : entries) {
            const QVariantMap map = value.toMap();
            ChangelogEntry entry(&g_shell);
            entry.setName(map.value(QStringLiteral("name")).toString());
            entry.setDate(map.value(QStringLiteral("date")).toString());
            entry.setDistribution(map.value(QStringLiteral("distribution")).toString());
            entry.setVersion(map.value(QStringLiteral("version")).toString());
            entry.setUrgencyStr(map.value(QStringLiteral("urgency")).toString());
            entry.setChanges(map.value(QStringLiteral("changes")).toStringList().toVector());
            list.append(entry);
        }
        g_shell.setChangelogs(list);
    }
    Q_INVOKABLE void shellAppendStdout(const QString &text) { Q_EMIT g_shell.appendStdout(text); }
    Q_INVOKABLE void shellAppendStderr(const QString &text) { Q_EMIT g_shell.appendStderr(text); }
    Q_INVOKABLE void setGuiPage(int page) { g_gui.setPage(static_cast<Gui::PageEnum>(page)); }

private:
    static QVector<QVariantMap> toMaps(const QVariantList &rows)
    {
        QVector<QVariantMap> maps;
        for (const QVariant &row : rows)
            maps.append(row.toMap());
        return maps;
    }

public:
    // Value and machine settings: whether the screens' controls are usable,
    // and the lists of sensor keys the controller offers.
    Q_INVOKABLE void setControlsEnabled(bool enabled) { g_gui.setControlsEnabled(enabled); }
    Q_INVOKABLE void setValueStrings(const QString &name, const QStringList &texts)
    {
        setValue(name, QVariant::fromValue(QVector<QString>(texts.begin(), texts.end())));
    }

    // ---- simulator window: the inputs and parameters the controller writes ----
    Q_INVOKABLE void setSensorState(int code, bool state)
    {
        DIn *input = g_sensor.dinFromEnum(static_cast<Sensor::SensorEnum>(code));
        if (!input)
            qFatal("TestHooks.setSensorState: no digital input %d", code);
        input->setState(state);
    }
    Q_INVOKABLE void setSimulatorValue(const QString &name, const QVariant &value)
    {
        const auto setter = simulatorSetters().value(name);
        if (!setter)
            qFatal("TestHooks.setSimulatorValue: no setter for %s", qPrintable(name));
        setter(g_simulator, value);
    }

    // ---- network tab: what the controller writes into Wifi ----
    Q_INVOKABLE void setWifiState(int state) { g_wifi.setState(static_cast<Wifi::WifiState>(state)); }
    Q_INVOKABLE void setWifiSsid(const QString &ssid) { g_wifi.setSsid(ssid); }
    Q_INVOKABLE void setWifiQuality(int percentage) { g_wifi.setQualityPercentage(percentage); }
    Q_INVOKABLE void setWifiIs5GHz(bool is5GHz) { g_wifi.setIs5GHz(is5GHz); }
    Q_INVOKABLE void setWifiScanResults(const QVariantMap &results) { g_wifi.setScanResults(results); }
    Q_INVOKABLE void setWifiIpMapList(const QVariantList &list)
    {
        QVector<QVariantMap> maps;
        for (const QVariant &entry : list)
            maps.append(entry.toMap());
        g_wifi.setIpMapList(maps);
    }
    Q_INVOKABLE void abortWifiScan() { Q_EMIT g_wifi.abortWifiScan(); }

    // ---- automatic sequence pages ----
    Q_INVOKABLE void setAutoStep(int line, int step)
    {
        line == 1 ? g_auto.setStepA(step) : g_auto.setStepB(step);
    }
    Q_INVOKABLE void setStepBOffset(int offset) { g_auto.setStepBOffset(offset); }
    Q_INVOKABLE void setWaitForAckn(bool wait) { g_auto.setWaitForAckn(wait); }
    Q_INVOKABLE void setRecoveryCount(int count) { g_auto.setRecoveryCount(count); }
    Q_INVOKABLE void setUseLauterPumpFreq(bool use) { g_auto.setUseLauterPumpFreq(use); }
    // Temporary frequencies of the running sequence.
    Q_INVOKABLE void setAutoFrequencies(int rw1, int pump1, int pumpLautern, int rw2, int pump2)
    {
        g_auto.setFuFreqSpRw1(rw1);
        g_auto.setFuFreqSpPump1(pump1);
        g_auto.setFuFreqSpPumpLautern(pumpLautern);
        g_auto.setFuFreqSpRw2(rw2);
        g_auto.setFuFreqSpPump2(pump2);
    }
    Q_INVOKABLE void setLineRecipeName(int line, const QString &name)
    {
        (line == 1 ? g_recipes.autoA() : g_recipes.autoB())->setName(name);
    }

    // Plant scheme and manual operation: outputs, drives and inputs as the
    // controller writes them, and hand release (inputs: setSensorState).
    Q_INVOKABLE void setOutput(int code, bool state, bool blocked)
    {
        DOut *out = g_actuator.doutFromEnum(static_cast<ActuatorEnum>(code));
        if (!out)
            qFatal("TestHooks.setOutput: no output %d", code);
        out->setState(state);
        out->setBlocked(blocked);
    }
    Q_INVOKABLE void setDrive(int code, int dir, bool blockedForward, bool blockedBackward)
    {
        Fu *fu = g_actuator.fuFromEnum(static_cast<ActuatorEnum>(code));
        if (!fu)
            qFatal("TestHooks.setDrive: no drive %d", code);
        fu->setDir(dir);
        fu->setBlockedForward(blockedForward);
        fu->setBlockedBackward(blockedBackward);
    }
    Q_INVOKABLE void resetPlant()
    {
        g_actuator.unblockAllExceptOf({});
        for (DOut *out : g_actuator.allDouts())
            out->setState(false);
        for (const ActuatorEnum code : {ActuatorEnum::FuPump1Stop, ActuatorEnum::FuRw1Stop, ActuatorEnum::FuPump2Stop,
                                        ActuatorEnum::FuRw2Stop})
            g_actuator.fuFromEnum(code)->setDir(0);
    }
    // The display name of an output or a drive, by any of its codes.
    Q_INVOKABLE void setActuatorName(int code, const QString &name)
    {
        if (DOut *out = g_actuator.doutFromEnum(static_cast<ActuatorEnum>(code)))
            out->setName(name);
        else if (Fu *fu = g_actuator.fuFromEnum(static_cast<ActuatorEnum>(code)))
            fu->setName(name);
        else
            qFatal("TestHooks.setActuatorName: no output %d", code);
    }
    Q_INVOKABLE void setHandEnabled(bool enabled) { g_auto.setHandEnabled(enabled); }

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
    // The headline and the five times left, as a running boil writes them.
    Q_INVOKABLE void setHopfenTimerTexts(const QString &status, const QStringList &times)
    {
        g_hopfenTimer.setStatus(status);
        for (int i = 0; i < times.size(); ++i)
            g_hopfenTimer.setStrIndexed(i, times.at(i));
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
    Q_INVOKABLE void setOutputByName(const QString &name, int value)
    {
        QObject *out = g_actuator.property(qPrintable(name)).value<QObject *>();
        if (auto *dout = qobject_cast<DOut *>(out))
            dout->setState(value != 0);
        else if (auto *fu = qobject_cast<Fu *>(out))
            fu->setDir(value);
        else
            qFatal("TestHooks.setOutputByName: no output %s", qPrintable(name));
    }

    // Any field of the state objects by its path (tests/support/state_paths.h).
    Q_INVOKABLE void set(const QString &path, const QVariant &value)
    {
        if (!state_paths::set(path, value))
            qFatal("TestHooks.set: no field %s", qPrintable(path));
    }
    Q_INVOKABLE QVariant get(const QString &path) const { return state_paths::get(path); }

    // The file chooser Qt shows for a FileDialog of QtQuick.Dialogs (a widget
    // dialog, the application being a QApplication as in the program): the
    // texts of its buttons without their shortcut marks and the folder it
    // shows. Empty while no chooser is shown.
    Q_INVOKABLE QVariantMap fileChooser() const
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            const QDialogButtonBox *box = dialog->findChild<QDialogButtonBox *>();
            const auto text = [box](QDialogButtonBox::StandardButton which) {
                const QAbstractButton *button = box ? box->button(which) : nullptr;
                return button ? button->text().remove(QLatin1Char('&')) : QString();
            };
            return {{QStringLiteral("accept"), text(QDialogButtonBox::Open)},
                    {QStringLiteral("reject"), text(QDialogButtonBox::Cancel)},
                    {QStringLiteral("folder"), dialog->directory().absolutePath()}};
        }
        return {};
    }
    Q_INVOKABLE QString homeFolder() const { return QDir::homePath(); }
};

namespace {

QObject *testHooksProvider(QQmlEngine *, QJSEngine *)
{
    return new TestHooks;
}

} // namespace

// Builds what the screens load asynchronously at once: the tests see it
// built, and a test file's engine never goes while a build is still running
// (Qt would leak what it had built so far).
class ImmediateIncubation : public QQmlIncubationController
{
protected:
    void incubatingObjectCountChanged(int count) override
    {
        if (count == 0 || m_incubating)
            return;
        m_incubating = true;
        while (incubatingObjectCount() > 0)
            incubateFor(1000);
        m_incubating = false;
    }

private:
    bool m_incubating = false;
};

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
            registerScreenTypes();
            qmlRegisterSingletonType<TestHooks>("tavell.testing", 1, 0, "TestHooks", testHooksProvider);
            qmlRegisterSingletonType(QUrl::fromLocalFile(QStringLiteral(QUICK_TEST_SOURCE_DIR "/stand_ins/Bridge.qml")),
                                     "tavell.bridge", 1, 0, "Bridge");
        }
        installHandlerAboveTestLog(engine);
        // Set before the test's view exists, which then keeps it.
        static ImmediateIncubation incubation;
        engine->setIncubationController(&incubation);
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

// The program's application is a QApplication; so is the screens' here, with
// Qt's own German texts installed as the program does: Qt's own dialogs (the
// file chooser) are the same widgets and read the same.
int main(int argc, char **argv)
{
    QTEST_SET_MAIN_SOURCE_PATH
    QApplication application(argc, argv);
    installQtTranslations();
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "tst_qml", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "tst_qml.moc"
