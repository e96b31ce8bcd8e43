#include <QMetaEnum>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "auto_hand_manager.h"
#include "state_objects.h"
#include "qml_registered.h"
#include "test_app.h"

using Call = void (AutoHandManager::*)(int);
Q_DECLARE_METATYPE(Call)

// A drive frequency goes to the automatic sequence while any line runs,
// otherwise to the stored settings, under the codes the controller expects.
class TstAutoHandManager : public QObject
{
    Q_OBJECT

private:
    RegisteredQml m_qml;

    static void setLines(bool a, bool b)
    {
        g_auto.setActiveA(a);
        g_auto.setActiveB(b);
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        useSilentController();
    }

    void cleanup() { setLines(false, false); }

    void cleanupTestCase()
    {
        m_qml.stop();
    }

    void routing_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<bool>("lineA");
        QTest::addColumn<bool>("lineB");
        QTest::addColumn<int>("hz");
        QTest::addColumn<int>("autoCode");
        QTest::addColumn<int>("valuesCode");

        const struct {
            const char *drive;
            Call call;
            int autoCode;
            int valuesCode;
        } drives[] = {
            {"pump 1", &AutoHandManager::setFuFreqPump1, 20, 17},
            {"pump 2", &AutoHandManager::setFuFreqPump2, 22, 19},
            {"stirrer 1", &AutoHandManager::setFuFreqRw1, 19, 16},
            {"stirrer 2", &AutoHandManager::setFuFreqRw2, 21, 18},
        };
        const struct {
            const char *lines;
            bool a;
            bool b;
        } states[] = {{"idle", false, false}, {"line A", true, false}, {"line B", false, true}, {"both", true, true}};
        // Frequencies outside any drive's bounds pass unchanged as well.
        int hz = 30;
        for (const auto &drive : drives)
            for (const auto &state : states) {
                QTest::addRow("%s, %s", drive.drive, state.lines)
                    << drive.call << state.a << state.b << hz << drive.autoCode << drive.valuesCode;
                hz = hz == 30 ? -7 : hz == -7 ? 1000 : 30;
            }
    }

    void routing()
    {
        QFETCH(Call, call);
        QFETCH(bool, lineA);
        QFETCH(bool, lineB);
        QFETCH(int, hz);
        QFETCH(int, autoCode);
        QFETCH(int, valuesCode);

        setLines(lineA, lineB);
        QSignalSpy toAuto(&g_auto, &Auto::toPyQVar);
        QSignalSpy toValues(&g_values, &Values::toPyQVar);
        QSignalSpy autoJs(&g_auto, &Auto::toPy);
        QSignalSpy valuesJs(&g_values, &Values::toPy);

        (g_autoHandManager.*call)(hz);

        QCOMPARE(autoJs.count() + valuesJs.count(), 0);
        QSignalSpy &sent = lineA || lineB ? toAuto : toValues;
        QCOMPARE(toAuto.count() + toValues.count(), 1);
        QCOMPARE(sent.count(), 1);
        const int code = lineA || lineB ? int(sent[0][0].value<Auto::AutoEnum>())
                                        : int(sent[0][0].value<Values::ValuesEnum>());
        QCOMPARE(code, lineA || lineB ? autoCode : valuesCode);
        const QVariant value = sent[0][1].value<QVariant>();
        QCOMPARE(value.userType(), int(QMetaType::Int));
        QCOMPARE(value.toInt(), hz);
        // Routing asks, it never changes the sequence's state.
        QCOMPARE(g_auto.activeA(), lineA);
        QCOMPARE(g_auto.activeB(), lineB);
    }

    void driveKeysForTheScreens()
    {
        const QMetaEnum keys = QMetaEnum::fromType<AutoHandManager::AutoHandEnum>();
        QCOMPARE(keys.keyCount(), 6);
        const char *names[] = {"FuFreqSpRw1", "FuFreqSpPump1", "FuFreqSpRw2", "FuFreqSpPump2", "FuFreqSpPumpLautern",
                               "AutoHandEnumCount"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(keys.key(i), names[i]);
            QCOMPARE(keys.value(i), i);
        }
        // Nothing to bind to beyond the four calls.
        const QMetaObject &mo = AutoHandManager::staticMetaObject;
        QCOMPARE(mo.propertyCount() - mo.propertyOffset(), 0);
        QCOMPARE(mo.methodCount() - mo.methodOffset(), 4);
    }

    void screensCallTheSingleton()
    {
        m_qml.start();
        QString error;
        std::unique_ptr<QObject> object = m_qml.create("import QtQml 2.15\nimport tavell.auto 1.0\n"
                                                       "QtObject {\n"
                                                       "  property int lautern: AutoHandManager.FuFreqSpPumpLautern\n"
                                                       "  function change(hz) { AutoHandManager.setFuFreqPump2(hz) }\n"
                                                       "}",
                                                       &error);
        QVERIFY2(object, qPrintable(error));
        QCOMPARE(object->property("lautern").toInt(), 4);

        QSignalSpy toAuto(&g_auto, &Auto::toPyQVar);
        QSignalSpy toValues(&g_values, &Values::toPyQVar);
        QMetaObject::invokeMethod(object.get(), "change", Q_ARG(QVariant, 45));
        g_auto.setActiveA(true);
        QMetaObject::invokeMethod(object.get(), "change", Q_ARG(QVariant, 46));
        QCOMPARE(toValues.count(), 1);
        QCOMPARE(toValues[0][0].value<Values::ValuesEnum>(), Values::FuFreqSpPump2);
        QCOMPARE(toValues[0][1].value<QVariant>(), QVariant(45));
        QCOMPARE(toAuto.count(), 1);
        QCOMPARE(toAuto[0][0].value<Auto::AutoEnum>(), Auto::FuFreqSpPump2);
        QCOMPARE(toAuto[0][1].value<QVariant>(), QVariant(46));
    }
};

QTEST_GUILESS_MAIN(TstAutoHandManager)
#include "tst_auto_hand_manager.moc"
