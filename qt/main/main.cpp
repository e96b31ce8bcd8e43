#include "bridge_raspi.h"
#include "log.h"
#include "message_handler.h"
#include "socket_interface.h"
#include "startup.h"
#include "state_objects.h"
#include "termination_signals.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QQmlIncubationController>
#include <QQmlDebuggingEnabler>
#include <QQuickStyle>
#include <QSettings>

#include <cstdio>

static QQmlDebuggingEnabler s_qmlDebugging(true);

int main(int argc, char *argv[])
{
    uptimeTimer.start();
    qInstallMessageHandler(messageHandler);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setvbuf(stderr, nullptr, _IONBF, 0);

    importEnvironmentFile(QStringLiteral("/etc/environment"));

    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_IM_MODULE", "qtvirtualkeyboard");
    qputenv("QT_QUICK_CONTROLS_HOVER_ENABLED", "1");
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    QCoreApplication::setOrganizationName(QStringLiteral("TavellGmbH"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("tavell.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Zentorix"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QCoreApplication::setApplicationVersion(QStringLiteral("2311221"));
    logInfo() << "TAVELL_VERSION:" << QCoreApplication::applicationVersion();

    qputenv("TAVELL_CONFIG_DIR", QFileInfo(QSettings().fileName()).absolutePath().toLocal8Bit());

    QApplication application(argc, argv);
    // Before the parser is set up: its help and its errors are Qt's texts.
    installQtTranslations();

    const SplitArguments args = splitArguments(QCoreApplication::arguments());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tavell Brauanlage"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption fullscreenOption(QStringLiteral("f"),
                                              QStringLiteral("Startet die Anwendung im Fullscreen-Modus"));
    const QCommandLineOption cursorOption(
        QStringLiteral("pointing-hand-cursor"),
        QStringLiteral("Verwende den PointingHandCursor als Standard-Cursor (experimentell - Cursor kann von der "
                       "Anwendung nicht mehr geändert werden)"));
    const QCommandLineOption stubsOption(QStringLiteral("make-stubs"),
                                         QStringLiteral("Erstelle die Python Stub-Files (*.pyi)"));
    parser.addOption(fullscreenOption);
    parser.addOption(cursorOption);
    parser.addOption(stubsOption);
    const bool parsed = parser.parse(args.parserArgs);
    if (parser.isSet(helpOption))
        parser.showHelp(0);
    if (parser.isSet(versionOption))
        parser.showVersion();

    Bridge bridge(args.pyArgs, parser.isSet(stubsOption));
    if (parser.isSet(stubsOption))
        return 0;

    g_gui.setTitle(QStringLiteral("Tavell Brauanlage"));

    // Another instance was brought to the front; ours stops its interpreter
    // again on the way out.
    if (testIfAppIsRunning())
        return 100;

    SocketInterface socketInterface(&application, &bridge);
    // The system's stop at shutdown takes the same road as "app quit".
    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested, &bridge,
                     [&bridge] { Q_EMIT bridge.closeApp(); });

    registerQmlTypes(bridge);

    if (parser.isSet(fullscreenOption))
        g_gui.setFullscreen(true);
    const bool pointingHand = parser.isSet(cursorOption);

    QQuickStyle::setStyle(QStringLiteral("Material"));

    app::qmlEngine.reset(new QQmlApplicationEngine());
    refuseRemoteUrls(*app::qmlEngine);
    const QUrl mainUrl(QString::fromLatin1(kMainQmlUrl));
    QObject::connect(
        app::qmlEngine.get(), &QQmlApplicationEngine::objectCreated, &application,
        [mainUrl](QObject *object, const QUrl &url) { objectCreatedHandler(object, url, mainUrl); },
        Qt::QueuedConnection);
    app::qmlEngine->load(mainUrl);

    Q_EMIT bridge.pyAction(Action::GuiReady);

    if (pointingHand)
        QApplication::setOverrideCursor(Qt::PointingHandCursor);

    if (!parsed) {
        Q_EMIT g_gui.message(QStringLiteral("Ungültige(r) Parameter"), invalidParametersText(parser.errorText()),
                             QStringLiteral("warning"), 0);
    }

    const int result = application.exec();
    // What the screens still build in the background is finished first: an
    // engine destroyed during a build leaks what was built so far.
    if (QQmlIncubationController *incubation = app::qmlEngine->incubationController()) {
        while (incubation->incubatingObjectCount() > 0)
            incubation->incubateFor(100);
    }
    // The engine goes first; the command socket and then the bridge follow as
    // locals, in reverse order of construction.
    app::qmlEngine.reset();
    return result;
}
