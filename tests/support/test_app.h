#pragma once
// Application identity as main sets it, so settings land where the program's
// own would (under the test's XDG_CONFIG_HOME).

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include "message_handler.h"

inline void initTestApp()
{
    uptimeTimer.start();
    QCoreApplication::setOrganizationName(QStringLiteral("TavellGmbH"));
    QCoreApplication::setApplicationName(QStringLiteral("Zentorix"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
}

// For tests that need a Bridge only to register types: a controller that
// answers nothing, so no state changes behind the test's back.
inline void useSilentController()
{
    qputenv("PYTHONPATH", qgetenv("TAVELL_SOURCE_DIR") + "/tests/py/controllers/silent");
}

// Power commands must resolve to the test stand-ins, never the system's.
inline bool powerCommandsAreStandIns()
{
    const QString dir = QString::fromLocal8Bit(qgetenv("TAVELL_SOURCE_DIR")) + QStringLiteral("/tests/bin/");
    return !qEnvironmentVariableIsEmpty("TAVELL_SOURCE_DIR")
        && QStandardPaths::findExecutable(QStringLiteral("poweroff")) == dir + QStringLiteral("poweroff")
        && QStandardPaths::findExecutable(QStringLiteral("reboot")) == dir + QStringLiteral("reboot");
}
