#include <QSignalSpy>
#include <QtTest>

#include "qml_registered.h"
#include "state_objects.h"

// Auto as the screens meet it: registered by the start-up, used from QML.
class TstAutoQml : public QObject
{
    Q_OBJECT

private:
    RegisteredQml m_qml;

    std::unique_ptr<QObject> create(const QByteArray &body, QString *errors = nullptr)
    {
        return m_qml.create("import QtQml 2.15\nimport tavell.auto 1.0\n" + body, errors);
    }

private Q_SLOTS:
    void initTestCase() { m_qml.start(); }
    void cleanupTestCase() { m_qml.stop(); }

    void metatypesByName()
    {
        QCOMPARE(QMetaType::type("AutoEnum"), qMetaTypeId<Auto::AutoEnum>());
        QCOMPARE(QMetaType::type("StepsEnum"), qMetaTypeId<Auto::StepsEnum>());
        QVERIFY(QMetaType::type("Auto::AutoEnum") != QMetaType::UnknownType);
    }

    void screensReadPropertiesAndEnums()
    {
        QString errors;
        auto object = create("QtObject {\n"
                             "  property int step: Auto_.stepA\n"
                             "  property bool hand: Auto_.handEnabled\n"
                             "  property int kochen: Auto_.StepKochen\n"
                             "  property int offset: Auto_.stepBOffsetDefault\n"
                             "  property string recipe: Auto_.recoveryDataA.recipeName\n"
                             "}",
                             &errors);
        QVERIFY2(object, qPrintable(errors));
        QCOMPARE(object->property("kochen").toInt(), 6);
        QCOMPARE(object->property("offset").toInt(), 4);
        QCOMPARE(object->property("step").toInt(), g_auto.stepA());

        g_auto.setStepA(Auto::StepLautern);
        g_auto.setHandEnabled(false);
        g_auto.recoveryDataA()->setRecipeName(QStringLiteral("Weißbier"));
        QCOMPARE(object->property("step").toInt(), 4);
        QCOMPARE(object->property("hand").toBool(), false);
        QCOMPARE(object->property("recipe").toString(), QStringLiteral("Weißbier"));

        g_auto.setStepA(g_auto.stepADefault());
        g_auto.setHandEnabled(g_auto.handEnabledDefault());
        g_auto.recoveryDataA()->reset();
    }

    void screensSendRequests()
    {
        QSignalSpy toPy(&g_auto, &Auto::toPy);
        auto object = create("QtObject {\n"
                             "  function send() { Auto_.toPy(Auto_.SetStammwurzeCooking, 118) }\n"
                             "}");
        QVERIFY(object);
        QMetaObject::invokeMethod(object.get(), "send");
        QCOMPARE(toPy.count(), 1);
        QCOMPARE(toPy[0][0].value<Auto::AutoEnum>(), Auto::SetStammwurzeCooking);
        QCOMPARE(toPy[0][1].value<QJSValue>().toNumber(), 118.0);
    }

    void recoveryDataIsNotCreatable()
    {
        QString errors;
        auto object = create("RecoveryData {}", &errors);
        QVERIFY(!object);
        QVERIFY2(errors.contains(QStringLiteral("RecoveryData kann nicht instanziert werden.")), qPrintable(errors));
    }

    void cookingSnapshotFollowsPlantLayout()
    {
        // A screen bound to line X's snapshot switches to line B when the
        // plant turns out to have a cooking kettle, and back.
        g_auto.recoveryDataA()->setStepStr(QStringLiteral("Rasten"));
        g_auto.recoveryDataB()->setStepStr(QStringLiteral("Kochen"));
        auto object = create("QtObject { property string stepX: Auto_.recoveryDataX.stepStr }");
        QVERIFY(object);
        QCOMPARE(object->property("stepX").toString(), QStringLiteral("Rasten"));

        g_values.setHeatZoneCountB(3);
        QTRY_COMPARE(object->property("stepX").toString(), QStringLiteral("Kochen"));
        g_auto.recoveryDataB()->setStepStr(QStringLiteral("Heizen"));
        QCOMPARE(object->property("stepX").toString(), QStringLiteral("Heizen"));

        g_values.setHeatZoneCountB(2);
        QTRY_COMPARE(object->property("stepX").toString(), QStringLiteral("Rasten"));

        g_values.setHeatZoneCountB(g_values.heatZoneCountBDefault());
        g_auto.recoveryDataA()->reset();
        g_auto.recoveryDataB()->reset();
    }
};

QTEST_GUILESS_MAIN(TstAutoQml)
#include "tst_auto_qml.moc"
