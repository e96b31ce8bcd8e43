#include "startup.h"

#include "bridge_raspi.h"
#include "state_objects.h"
#include "text_tail.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QQmlEngine>
#include <QQmlNetworkAccessManagerFactory>
#include <QTranslator>

const char *const kPyInterpreter = "/opt/tavell/brew/py/venv/bin/python3.9";
const char *const kMainQmlUrl = "qrc:/qml/with_keyboard.qml";

std::unique_ptr<QQmlApplicationEngine> app::qmlEngine;

void importEnvironmentFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    while (!file.atEnd()) {
        QString line = QString::fromLocal8Bit(file.readLine());
        if (line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || !line.startsWith(QLatin1String("TAVELL")))
            continue;
        const QByteArray key = line.left(eq).toLocal8Bit();
        const QByteArray value = line.mid(eq + 1).toLocal8Bit();
        if (qgetenv(key.constData()) != value)
            qputenv(key.constData(), value);
    }
}

bool installQtTranslations(const QString &dir)
{
    const QString folder = dir.isEmpty() ? QLibraryInfo::location(QLibraryInfo::TranslationsPath) : dir;
    // Owned by the application; by file name, so the locale does not choose.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_de"), folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        qWarning().noquote() << "Qt-Übersetzung nicht geladen:"
                             << QDir(folder).filePath(QStringLiteral("qtbase_de.qm"));
        return false;
    }
    return true;
}

SplitArguments splitArguments(const QStringList &arguments)
{
    SplitArguments split;
    split.pyArgs << QString::fromLatin1(kPyInterpreter);
    bool toPython = false;
    for (const QString &arg : arguments) {
        if (toPython)
            split.pyArgs << arg;
        else if (arg == QLatin1String("-") || arg == QLatin1String("--"))
            toPython = true;
        else
            split.parserArgs << arg;
    }
    return split;
}

void objectCreatedHandler(QObject *object, const QUrl &url, const QUrl &mainUrl)
{
    if (!object && url == mainUrl)
        QCoreApplication::exit(-1);
}

namespace {

class LocalOnlyAccessManager : public QNetworkAccessManager
{
public:
    using QNetworkAccessManager::QNetworkAccessManager;

protected:
    QNetworkReply *createRequest(Operation op, const QNetworkRequest &request, QIODevice *outgoingData) override
    {
        const QUrl url = request.url();
        const QString scheme = url.scheme();
        if (url.isLocalFile() || scheme == QLatin1String("qrc") || scheme == QLatin1String("data"))
            return QNetworkAccessManager::createRequest(op, request, outgoingData);
        qWarning().noquote() << "Netzwerkzugriff abgelehnt:" << url.toString();
        // A scheme no manager knows: the reply fails without a connection.
        QNetworkRequest refused(request);
        refused.setUrl(QUrl(QStringLiteral("abgelehnt:")));
        return QNetworkAccessManager::createRequest(op, refused, outgoingData);
    }
};

// Called on the engine's threads (the picture loader's too): keeps no state.
class LocalOnlyAccessFactory : public QQmlNetworkAccessManagerFactory
{
public:
    QNetworkAccessManager *create(QObject *parent) override { return new LocalOnlyAccessManager(parent); }
};

} // namespace

QString invalidParametersText(const QString &parserError)
{
    return QStringLiteral("Beim Programmstart wurden ungültige Parameter übergeben:<br>") + parserError.toHtmlEscaped() +
           QStringLiteral("<br><br><b>Falls dieser Fehler im Produktivbetrieb auftritt, bitte der Firma Tavell "
                          "Bescheid geben.</b>");
}

void refuseRemoteUrls(QQmlEngine &engine)
{
    // Outlives every engine: an engine does not own its factory.
    static LocalOnlyAccessFactory factory;
    engine.setNetworkAccessManagerFactory(&factory);
}

void registerQmlTypes(Bridge &bridge)
{
    qmlRegisterSingletonInstance("tavell.bridge", 1, 0, "Bridge", &bridge);
    qmlRegisterSingletonInstance("tavell.action", 1, 0, "Action_", &g_action);
    qmlRegisterSingletonInstance("tavell.actuator", 1, 0, "Actuator", &g_actuator);
    qmlRegisterSingletonInstance("tavell.auto", 1, 0, "Auto_", &g_auto);
    qmlRegisterSingletonInstance("tavell.auto", 1, 0, "AutoHandManager", &g_autoHandManager);
    qmlRegisterSingletonInstance("tavell.gui", 1, 0, "Gui", &g_gui);
    qmlRegisterSingletonInstance("tavell.auto", 1, 0, "HopfenTimer", &g_hopfenTimer);
    qmlRegisterSingletonInstance("tavell.recipes", 1, 0, "Recipes", &g_recipes);
    qmlRegisterSingletonInstance("tavell.sensor", 1, 0, "Sensor", &g_sensor);
    qmlRegisterSingletonInstance("tavell.shell", 1, 0, "Shell", &g_shell);
    qmlRegisterSingletonInstance("tavell.simulator", 1, 0, "Simulator", &g_simulator);
    qmlRegisterSingletonInstance("tavell.values", 1, 0, "Values", &g_values);
    qmlRegisterSingletonInstance("tavell.wifi", 1, 0, "Wifi", &g_wifi);

    qmlRegisterUncreatableType<detail::_ActBase>("tavell.actuator", 1, 0, "ActuatorBase",
                                                 QStringLiteral("ActuatorBase kann nicht instanziert werden."));
    qmlRegisterUncreatableType<DOut>("tavell.actuator", 1, 0, "DOut", QStringLiteral("DOut kann nicht instanziert werden."));
    qmlRegisterUncreatableType<Fu>("tavell.actuator", 1, 0, "Fu", QStringLiteral("Fu kann nicht instanziert werden."));
    qmlRegisterUncreatableType<detail::_SensBase>("tavell.sensor", 1, 0, "SensorBase",
                                                  QStringLiteral("SensorBase kann nicht instanziert werden."));
    qmlRegisterUncreatableType<DIn>("tavell.sensor", 1, 0, "DIn", QStringLiteral("DIn kann nicht instanziert werden."));
    qmlRegisterUncreatableType<ChangelogEntry>("tavell.shell", 1, 0, "ChangelogEntry",
                                               QStringLiteral("ChangelogEntry kann nicht instanziert werden."));
    qmlRegisterUncreatableType<Recipe>("tavell.recipes", 1, 0, "Recipe",
                                       QStringLiteral("Recipe kann nicht instanziert werden."));
    qmlRegisterUncreatableType<RecoveryData>("tavell.auto", 1, 0, "RecoveryData",
                                             QStringLiteral("RecoveryData kann nicht instanziert werden."));

    registerScreenTypes();
}
