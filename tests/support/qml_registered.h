#pragma once
// Start-up's QML registrations with one engine for a whole test binary: a
// singleton instance serves one engine only. Needs a Bridge only because the
// registrations hand it to QML; its controller answers nothing.

#include <QQmlComponent>
#include <QQmlEngine>

#include <memory>

#include "bridge_raspi.h"
#include "startup.h"
#include "test_app.h"

struct RegisteredQml
{
    std::unique_ptr<Bridge> bridge;
    std::unique_ptr<QQmlEngine> engine;

    void start()
    {
        initTestApp();
        useSilentController();
        bridge = std::make_unique<Bridge>(QStringList{QString::fromLatin1(kPyInterpreter)}, false);
        registerQmlTypes(*bridge);
        engine = std::make_unique<QQmlEngine>();
    }

    void stop()
    {
        engine.reset();
        bridge.reset();
    }

    // Builds a component from text; returns the object, or null with the error text.
    std::unique_ptr<QObject> create(const QByteArray &qml, QString *error = nullptr)
    {
        QQmlComponent component(engine.get());
        component.setData(qml, QUrl(QStringLiteral("qrc:/test.qml")));
        if (error)
            *error = component.errorString();
        if (component.isError())
            return nullptr;
        return std::unique_ptr<QObject>(component.create());
    }
};
