#include "startup.h"

#include "bridge_raspi.h"
#include "state_objects.h"

#include <QCoreApplication>
#include <QFile>
#include <QQmlEngine>

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

void registerQmlTypes(Bridge &bridge)
{
    qRegisterMetaType<ActionEnum>("ActionEnum");
    qRegisterMetaType<SimulatorEnum>("SimEnum");
    qRegisterMetaType<ValuesEnum>("ValuesEnum");

    qmlRegisterSingletonInstance("tavell.bridge", 1, 0, "Bridge", &bridge);
    qmlRegisterSingletonInstance("tavell.action", 1, 0, "Action_", &g_action);
    qmlRegisterSingletonInstance("tavell.gui", 1, 0, "Gui", &g_gui);
    qmlRegisterSingletonInstance("tavell.simulator", 1, 0, "Simulator", &g_simulator);
    qmlRegisterSingletonInstance("tavell.values", 1, 0, "Values", &g_values);
}
