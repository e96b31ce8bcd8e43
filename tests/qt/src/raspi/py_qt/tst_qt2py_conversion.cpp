#include <QtTest>

#include <QDate>
#include <QJSEngine>
#include <QJsonDocument>

#include "converter.h"
#include "log_capture.h"
#include "py_test_env.h"
#include "test_app.h"

namespace py = pybind11;

// Qt values into Python objects: the kinds of each rule, numbers from QML as
// floats, nested containers and the logged fallbacks.
class TstQt2PyConversion : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;

    void expect(const py::object &actual, const char *expected)
    {
        const py::object wanted = env->eval(expected);
        QVERIFY2(env->strictEqual(actual, wanted),
                 qPrintable(QStringLiteral("%1 != %2").arg(QString::fromStdString(py::repr(actual)),
                                                          QString::fromUtf8(expected))));
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
    }

    void cleanupTestCase() { env.reset(); }

    void variantNumbersKeepTheirKind()
    {
        expect(castQt2Py(QVariant(3)), "3");
        expect(castQt2Py(QVariant(true)), "True");
        expect(castQt2Py(QVariant(false)), "False");
        expect(castQt2Py(QVariant(1.5)), "1.5");
        expect(castQt2Py(QVariant(2.0)), "2.0");
        expect(castQt2Py(QVariant(0.5f)), "0.5");
        expect(castQt2Py(QVariant(uint(4294967295u))), "4294967295");
        expect(castQt2Py(QVariant(qlonglong(-(1LL << 40)))), "-(1 << 40)");
        expect(castQt2Py(QVariant(qulonglong(~0ULL))), "2**64 - 1");
        expect(castQt2Py(QVariant::fromValue(-7L)), "-7");
        expect(castQt2Py(QVariant::fromValue(7UL)), "7");
    }

    void variantTextsAndContainers()
    {
        expect(castQt2Py(QVariant(QStringLiteral("Würze ß €"))), "'Würze ß €'");
        expect(castQt2Py(QVariant(QStringList{QStringLiteral("a"), QStringLiteral("ö")})), "['a', 'ö']");

        QVariantMap inner{{QStringLiteral("zeit"), 60}, {QStringLiteral("temp"), 62.5}};
        QVariantMap outer{{QStringLiteral("rasten"), QVariantList{inner, QVariant(QVariantList{1, QStringLiteral("x")})}},
                          {QStringLiteral("aktiv"), true},
                          {QStringLiteral("hash"), QVariantHash{{QStringLiteral("k"), QVariantList{}}}}};
        expect(castQt2Py(QVariant(outer)),
               "{'aktiv': True, 'hash': {'k': []}, 'rasten': [{'temp': 62.5, 'zeit': 60}, [1, 'x']]}");
        expect(castQt2Py(QVector<QVariantMap>{inner, {}}), "[{'temp': 62.5, 'zeit': 60}, {}]");
    }

    void variantWithoutRuleGivesNone()
    {
        LogCapture log;
        expect(castQt2Py(QVariant(QDate(2023, 11, 22))), "None");
        const QStringList lines = log.matching(QStringLiteral("Keine Konvertierung für QVariant-Typ QDate implementiert"));
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].startsWith(QStringLiteral("[WARN ]")));
        QVERIFY2(lines[0].contains(QStringLiteral("(File: ")), qPrintable(lines[0]));

        log.clear();
        expect(castQt2Py(QVariant()), "None");
        QCOMPARE(log.matching(QStringLiteral("Keine Konvertierung für QVariant-Typ")).size(), 1);
    }

    void jsValues()
    {
        QJSEngine js;
        expect(castQt2Py(js.evaluate(QStringLiteral("3"))), "3.0");
        expect(castQt2Py(QJSValue(3)), "3.0");
        expect(castQt2Py(js.evaluate(QStringLiteral("[1, 'a', null]"))), "[1.0, 'a', None]");
        expect(castQt2Py(js.evaluate(QStringLiteral("({o: {b: true}, n: -0.5, s: 'ä'})"))),
               "{'o': {'b': True}, 'n': -0.5, 's': 'ä'}");
        expect(castQt2Py(js.evaluate(QStringLiteral("[[], [[2]], {}]"))), "[[], [[2.0]], {}]");
        expect(castQt2Py(QJSValue()), "None");
        expect(castQt2Py(QJSValue(QJSValue::NullValue)), "None");
        expect(castQt2Py(QJSValue(false)), "False");
        // A variant carrying a QML value follows the QML rule.
        expect(castQt2Py(QVariant::fromValue(js.evaluate(QStringLiteral("[4]")))), "[4.0]");
    }

    void jsonValues()
    {
        expect(castQt2Py(QJsonDocument::fromJson(R"({"a": [1, true, null, "x"], "b": {"c": 2.5}})")),
               "{'a': [1.0, True, None, 'x'], 'b': {'c': 2.5}}");
        expect(castQt2Py(QJsonDocument::fromJson("[3, []]")), "[3.0, []]");
        expect(castQt2Py(QVariant(QJsonValue(3))), "3.0");
        expect(castQt2Py(QVariant(QJsonDocument::fromJson("[1]"))), "[1.0]");
        expect(castQt2Py(QVariant(QJsonObject{{QStringLiteral("k"), QJsonValue()}})), "{'k': None}");
        expect(castQt2Py(QVariant(QJsonArray{QStringLiteral("s"), false})), "['s', False]");

        LogCapture log;
        expect(castQt2Py(QJsonDocument()), "None");
        QCOMPARE(log.matching(QStringLiteral("Es wurde ein invalides QJsonDocument an _castQt2Py übergeben:")).size(), 1);
        expect(castQt2Py(QJsonValue(QJsonValue::Undefined)), "None");
        QCOMPARE(log.matching(QStringLiteral("Das an castQt2Py übergebene QJsonValue hat einen unbekannten Typ")).size(), 1);
        QCOMPARE(log.lines().size(), 2);
    }

    void stringsColoursAndMaps()
    {
        expect(castQt2Py(QStringLiteral("Hopfengabe ✓")), "'Hopfengabe ✓'");
        expect(castQt2Py(QString()), "''");
        expect(castQt2Py(QColor(Qt::red)), "'#ff0000'");
        expect(castQt2Py(QColor(QStringLiteral("#0a0B0c"))), "'#0a0b0c'");
        expect(castQt2Py(QMap<QString, QString>{{QStringLiteral("b"), QStringLiteral("2")}, {QStringLiteral("a"), QStringLiteral("1")}}),
               "{'a': '1', 'b': '2'}");
        expect(castQt2Py(QVector<QString>{QStringLiteral("x"), QString()}), "['x', '']");
        expect(castQt2Py(QStringList{}), "[]");
        expect(castQt2Py(QVariantHash{{QStringLiteral("h"), 1}}), "{'h': 1}");
        expect(castQt2Py(std::string("\xc3\xa4")), "'ä'");

        // Python decodes strictly: broken UTF-8 is its error, and nothing stays pending.
        QVERIFY_EXCEPTION_THROWN(castQt2Py(std::string("a\xff")), py::error_already_set);
        QVERIFY(!PyErr_Occurred());
    }
};

QTEST_MAIN(TstQt2PyConversion)
#include "tst_qt2py_conversion.moc"
