#include <QSignalSpy>
#include <QtTest>

#include <QQmlApplicationEngine>

#include "converter.h"
#include "log_capture.h"
#include "py_test_env.h"
#include "startup.h"
#include "test_app.h"
#include "types.h"

namespace py = pybind11;

namespace {

const QString kRefused = QStringLiteral(
    "Das an callback() übergebene Object darf nur einfache Typen wie int, float, str, bytes, bytearray, bool, None, "
    "dict und einfache Iterables wie tuple, list, set aus diesen Typen enthalten. Es wurde %1 übergeben%2.");

QString errorText(const py::error_already_set &e)
{
    return QString::fromStdString(py::str(e.value()).cast<std::string>());
}

} // namespace

// Python objects into Qt values: _castPy2QVar with its order and catch
// protocol, the typed functions, the shared casters as bindings see them,
// and _castPy2Js with and without the QML engine.
class TstPy2QtConversion : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;
    std::unique_ptr<QSignalSpy> records;
    int calls = 0;
    QVariant received;

    QVariant toVar(const char *expression) { return _castPy2QVar(env->eval(expression)); }

    // Registers fn under name; each call counts and keeps its argument.
    template <typename T>
    void bind(const char *name)
    {
        env->globals[name] = py::cpp_function([this](const T &value) {
            ++calls;
            received = QVariant::fromValue(value);
        });
    }

    // Runs a call of a bound function and returns the TypeError's text, or
    // an empty text when none was raised.
    QString typeErrorOf(const char *statement)
    {
        try {
            env->exec(statement);
        } catch (py::error_already_set &e) {
            if (e.matches(PyExc_TypeError))
                return errorText(e);
            return QStringLiteral("other error: ") + errorText(e);
        }
        return QString();
    }

    QVariantMap lastRecord() const { return records->isEmpty() ? QVariantMap() : records->last().at(0).toMap(); }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
        records.reset(new QSignalSpy(&env->bridge, &BridgeBase::exception));
        env->exec(R"(
import enum
class Text(str):
    pass
class Code(enum.IntEnum):
    A = 7
class Plain:
    def __repr__(self):
        return "<Plain>"
class BadKey:
    def __str__(self):
        raise RuntimeError("kein Schlüssel")
)");
        bind<QString>("take_qstring");
        bind<QColor>("take_qcolor");
        bind<QStringMap>("take_qstringmap");
        bind<QVariantMap>("take_qvariantmap");
        bind<StringVector>("take_qstringvector");
        bind<QVector<QVariantMap>>("take_qvariantmapvector");
        bind<QVariant>("take_qvariant");
    }

    void cleanupTestCase()
    {
        records.reset();
        env.reset();
    }

    void init()
    {
        calls = 0;
        received = QVariant();
        records->clear();
    }

    void cleanup() { QVERIFY(!PyErr_Occurred()); }

    void plainValues()
    {
        QCOMPARE(toVar("True").userType(), int(QMetaType::Bool));
        QCOMPARE(toVar("True").toBool(), true);
        QCOMPARE(toVar("1").userType(), int(QMetaType::Int));
        QCOMPARE(toVar("-2147483648").toInt(), -2147483647 - 1);
        QCOMPARE(toVar("Code.A").userType(), int(QMetaType::Int));
        QCOMPARE(toVar("Code.A").toInt(), 7);
        QCOMPARE(toVar("1.0").userType(), int(QMetaType::Double));
        QCOMPARE(toVar("1.0").toDouble(), 1.0);
        const QVariant none = toVar("None");
        QCOMPARE(none.userType(), int(QMetaType::Nullptr));
        QVERIFY(none.isNull());
        QCOMPARE(toVar("'Würze'"), QVariant(QStringLiteral("Würze")));
        QCOMPARE(toVar("'vor\\0nach'"), QVariant(QString::fromUtf8("vor\0nach", 8)));
        QCOMPARE(toVar("Text('sub')"), QVariant(QStringLiteral("sub")));
        QCOMPARE(toVar("b'a\\0b'"), QVariant(QByteArray("a\0b", 3)));
        QCOMPARE(toVar("bytearray(b'xy')"), QVariant(QByteArray("xy")));
        QCOMPARE(records->size(), 0);
    }

    void iterablesBecomeLists()
    {
        QCOMPARE(toVar("(1, 'x')"), QVariant(QVariantList{1, QStringLiteral("x")}));
        const QVariantList set = toVar("{3, 4}").toList();
        QCOMPARE(set.size(), 2);
        QVERIFY(set.contains(3) && set.contains(4));
        QCOMPARE(set[0].userType(), int(QMetaType::Int));
        QCOMPARE(toVar("range(3)"), QVariant(QVariantList{0, 1, 2}));
        QCOMPARE(toVar("[]"), QVariant(QVariantList{}));
    }

    void dictsConvertEveryValue()
    {
        const QVariantMap map = toVar("{1: 'eins', '1': 'auch eins', 'l': [True, {'n': None}]}").toMap();
        QCOMPARE(map.size(), 2);
        QCOMPARE(map.value("1"), QVariant(QStringLiteral("auch eins")));
        const QVariantList list = map.value("l").toList();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].userType(), int(QMetaType::Bool));
        QCOMPARE(list[1].toMap().value("n").userType(), int(QMetaType::Nullptr));
    }

    void roundTrips()
    {
        const char *nested = "{'a': [1, 2.5, 'x', True, None, {'b': [[], {}]}], 'c': {'d': -3}}";
        const py::object back = castQt2Py(toVar(nested));
        QVERIFY(env->strictEqual(back, env->eval(nested)));
        QVERIFY(env->strictEqual(castQt2Py(toVar("(1, ('x',))")), env->eval("[1, ['x']]")));

        const QVariantMap map{{QStringLiteral("liste"), QVariantList{QVariantMap{{QStringLiteral("k"), 1.25}}, 7, true}},
                              {QStringLiteral("text"), QStringLiteral("ä")}};
        QCOMPARE(_castPy2QVar(castQt2Py(map)), QVariant(map));
    }

    void outOfRangeIntIsACastError()
    {
        LogCapture log;
        QVERIFY(!toVar("2147483648").isValid());
        const QStringList lines = log.matching(QStringLiteral("py::cast_error:"));
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].startsWith(QStringLiteral("[CRIT ]")));
        QVERIFY2(lines[0].contains(QStringLiteral("converter.cpp")), qPrintable(lines[0]));

        log.clear();
        const QVariantList list = toVar("[1, 2147483648, 3]").toList();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0], QVariant(1));
        QVERIFY(!list[1].isValid());
        QCOMPARE(list[2], QVariant(3));
        QCOMPARE(log.matching(QStringLiteral("py::cast_error:")).size(), 1);
        QCOMPARE(records->size(), 0);
    }

    void unconvertibleKindsRaiseTypeError()
    {
        LogCapture log;
        env->exec("plain = Plain()");
        try {
            toVar("plain");
            QFAIL("no TypeError");
        } catch (const py::type_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()), kRefused.arg(QStringLiteral("<Plain>"), QString()));
        }
        try {
            toVar("[1, plain]");
            QFAIL("no TypeError");
        } catch (const py::type_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     kRefused.arg(QStringLiteral("<Plain>"), QStringLiteral(" (enthalten in [1, <Plain>])")));
        }
        // Each dict value is its own root.
        try {
            toVar("{'k': plain}");
            QFAIL("no TypeError");
        } catch (const py::type_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()), kRefused.arg(QStringLiteral("<Plain>"), QString()));
        }
        try {
            toVar("[{'k': (2, [plain])}]");
            QFAIL("no TypeError");
        } catch (const py::type_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     kRefused.arg(QStringLiteral("<Plain>"), QStringLiteral(" (enthalten in (2, [<Plain>]))")));
        }
        QVERIFY(log.matching(QStringLiteral("[CRIT ]")).isEmpty());
        QCOMPARE(records->size(), 0);
    }

    void pythonErrorsGoToTheHandler()
    {
        LogCapture log;
        QVERIFY(!toVar("(x for x in [1])").isValid());
        QCOMPARE(records->size(), 1);
        QCOMPARE(lastRecord().value("type").toString(), QStringLiteral("TypeError"));
        const QString text = lastRecord().value("text").toString();
        QVERIFY2(text.startsWith(QStringLiteral("object of type 'generator' has no len()\nZeile ")), qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral(" in converter.cpp")));
        QCOMPARE(lastRecord().value("withTraceback").toBool(), false);
        const QStringList crit = log.matching(QStringLiteral("[CRIT ]"));
        QCOMPARE(crit.size(), 1);
        QVERIFY(crit[0].contains(QStringLiteral("] py::error_already_set (File: ")));

        // Only the failing element is lost.
        const QVariantList list = toVar("['a', (x for x in []), 'b']").toList();
        QCOMPARE(list.size(), 3);
        QVERIFY(!list[1].isValid());
        QCOMPARE(list[2], QVariant(QStringLiteral("b")));
        QCOMPARE(records->size(), 2);

        // A key whose str() raises fails the whole dict.
        QVERIFY(!toVar("{BadKey(): 1}").isValid());
        QCOMPARE(lastRecord().value("type").toString(), QStringLiteral("RuntimeError"));
        QCOMPARE(lastRecord().value("withTraceback").toBool(), true);
    }

    void textsPythonCannotEncode()
    {
        QCOMPARE(_pyStr2QString(env->eval("'a\\udc80b'")), QStringLiteral("<KONVERTIERUNGSFEHLER_PY->QT>"));
        QVERIFY(!PyErr_Occurred());
        QCOMPARE(QByteArray(_pyStr2CStr(env->eval("'\\ud800'"))), QByteArray("<KONVERTIERUNGSFEHLER_PY->QT>"));
        QVERIFY(!PyErr_Occurred());
        QCOMPARE(_pyStr2QString(env->eval("12")), QStringLiteral("<KONVERTIERUNGSFEHLER_PY->QT>"));
        QVERIFY(!PyErr_Occurred());
        QCOMPARE(_pyStr2QString(env->eval("'x\\0y'")), QString::fromUtf8("x\0y", 3));

        // Inside a container only that text becomes the failure text; the
        // rest converts and no Python error is left behind.
        const QString failed = QStringLiteral("<KONVERTIERUNGSFEHLER_PY->QT>");
        const QVariantList list = toVar("['ok', 'a\\udc80']").toList();
        QCOMPARE(list, (QVariantList{QStringLiteral("ok"), failed}));
        QCOMPARE(toVar("{'k': '\\ud800', '\\udc80': 1, 'n': 2}").toMap(),
                 (QVariantMap{{"k", failed}, {failed, 1}, {"n", 2}}));
        QCOMPARE(castPy2QStringVector(env->eval("['a', '\\ud800']")), (QVector<QString>{"a", failed}));
        QCOMPARE(castPy2QStringMap(env->eval("{'k': 'a\\udc80', 'm': 'x'}")),
                 (QMap<QString, QString>{{"k", failed}, {"m", "x"}}));
        QCOMPARE(castPy2QVariantMapVector(env->eval("[{'v': '\\ud800'}]")),
                 (QVector<QVariantMap>{{{"v", failed}}}));
        QCOMPARE(records->size(), 0);
    }

    void typedFunctions()
    {
        QCOMPARE(castPy2QColor(env->eval("'red'")), QColor(Qt::red));
        QCOMPARE(castPy2QColor(env->eval("'#00ff00'")), QColor(Qt::green));
        QVERIFY(!castPy2QColor(env->eval("'keine farbe'")).isValid());
        QVERIFY(!castPy2QColor(env->eval("5")).isValid());

        QCOMPARE(castPy2QStringVector(env->eval("['a', 1, None, Text('t')]")),
                 (QVector<QString>{"a", "1", "None", "t"}));
        QCOMPARE(castPy2QStringList(env->eval("('x', 2.5)")), (QStringList{"x", "2.5"}));
        QCOMPARE(castPy2QStringVector(env->eval("'ab'")), (QVector<QString>{"a", "b"}));
        QCOMPARE(castPy2QStringMap(env->eval("{1: 2, '1': 3, 'n': None}")),
                 (QMap<QString, QString>{{"1", "3"}, {"n", "None"}}));

        const QVector<QVariant> values = castPy2QVariantVector(env->eval("[1, 'x', 2147483648]"));
        QCOMPARE(values.size(), 3);
        QCOMPARE(values[1], QVariant(QStringLiteral("x")));
        QVERIFY(!values[2].isValid());

        const QVector<QVariantMap> maps = castPy2QVariantMapVector(env->eval("[{'a': 1}, [('b', 2)]]"));
        QCOMPARE(maps.size(), 2);
        QCOMPARE(maps[0], (QVariantMap{{"a", 1}}));
        QCOMPARE(maps[1], (QVariantMap{{"b", 2}}));

        // Failures of length, element access or text leave as Python errors.
        QVERIFY_EXCEPTION_THROWN(castPy2QStringVector(env->eval("5")), py::error_already_set);
        QVERIFY_EXCEPTION_THROWN(castPy2QVariantMapVector(env->eval("[5]")), py::error_already_set);
        QVERIFY_EXCEPTION_THROWN(castPy2QStringList(env->eval("['ok', BadKey()]")), py::error_already_set);
        QCOMPARE(records->size(), 0);
    }

    void copiesAreIndependent()
    {
        env->exec("shared = [1, [2]]");
        QVariantList list = toVar("shared").toList();
        env->exec("shared[1].append(3)");
        QCOMPARE(list, (QVariantList{1, QVariant(QVariantList{2})}));

        const py::object fromQt = castQt2Py(list);
        list.append(9);
        QCOMPARE(py::len(fromQt), size_t(2));
    }

    void stringCasters()
    {
        env->exec("take_qstring(None)");
        QCOMPARE(received.toString(), QStringLiteral("None"));
        env->exec("take_qstring(12)");
        QCOMPARE(received.toString(), QStringLiteral("12"));
        env->exec("take_qstring('ä\\0b')");
        QCOMPARE(received.toString(), QString::fromUtf8("ä\0b", 4));
        QCOMPARE(calls, 3);

        // A text Python cannot encode arrives as the failure text, nothing pending.
        env->exec("take_qstring('\\udc80')");
        QCOMPARE(received.toString(), QStringLiteral("<KONVERTIERUNGSFEHLER_PY->QT>"));
        QCOMPARE(calls, 4);

        env->globals["give_qstring"] = py::cpp_function([] { return QStringLiteral("Maische ✓"); });
        QCOMPARE(env->eval("give_qstring()").cast<std::string>(), std::string("Maische ✓"));
    }

    void colourCaster()
    {
        env->exec("take_qcolor('red')");
        QCOMPARE(received.value<QColor>(), QColor(Qt::red));
        env->exec("take_qcolor(5)");
        QCOMPARE(calls, 2);
        QVERIFY(!received.value<QColor>().isValid());
        env->globals["give_qcolor"] = py::cpp_function([] { return QColor(0x12, 0x34, 0x56); });
        QCOMPARE(env->eval("give_qcolor()").cast<std::string>(), std::string("#123456"));
    }

    void mapCasters()
    {
        env->exec("take_qstringmap({1: 'a', '1': 'b', 'x': 5})");
        QCOMPARE(received.value<QStringMap>(), (QStringMap{{"1", "b"}, {"x", "5"}}));
        env->exec("take_qvariantmap([('k', [1, 2])])");
        QCOMPARE(received.toMap(), (QVariantMap{{"k", QVariantList{1, 2}}}));

        LogCapture log;
        env->exec("take_qvariantmap(5)");
        QCOMPARE(calls, 3);
        QVERIFY(received.toMap().isEmpty());
        QCOMPARE(records->size(), 1);
        QVERIFY2(lastRecord().value("text").toString().endsWith(QStringLiteral(" in types.h")),
                 qPrintable(lastRecord().value("text").toString()));
        const QStringList crit = log.matching(QStringLiteral("py::error_already_set"));
        QCOMPARE(crit.size(), 1);
        QVERIFY2(crit[0].contains(QStringLiteral("types.h")), qPrintable(crit[0]));

        env->globals["give_maps"] = py::cpp_function([] {
            return QVector<QVariantMap>{{{"a", 1}}, {{"b", QVariantList{true}}}};
        });
        QVERIFY(env->strictEqual(env->eval("give_maps()"), env->eval("[{'a': 1}, {'b': [True]}]")));
        env->globals["give_qstringmap"] = py::cpp_function([] { return QStringMap{{"k", "v"}}; });
        QVERIFY(env->strictEqual(env->eval("give_qstringmap()"), env->eval("{'k': 'v'}")));
    }

    void listCasters()
    {
        env->exec("take_qstringvector('abc')");
        QCOMPARE(received.value<StringVector>(), (StringVector{"a", "b", "c"}));
        env->exec("take_qstringvector((1, None))");
        QCOMPARE(received.value<StringVector>(), (StringVector{"1", "None"}));

        env->exec("take_qstringvector(5)");
        QCOMPARE(calls, 3);
        QVERIFY(received.value<StringVector>().isEmpty());
        QCOMPARE(records->size(), 1);
        QCOMPARE(lastRecord().value("type").toString(), QStringLiteral("TypeError"));

        env->exec("take_qvariantmapvector(({'a': 1}, [('b', 'c')]))");
        const QVector<QVariantMap> maps = received.value<QVector<QVariantMap>>();
        QCOMPARE(maps.size(), 2);
        QCOMPARE(maps[1].value("b"), QVariant(QStringLiteral("c")));

        env->globals["give_strings"] = py::cpp_function([] { return StringVector{"x", "ü"}; });
        QVERIFY(env->strictEqual(env->eval("give_strings()"), env->eval("['x', 'ü']")));
    }

    void variantCaster()
    {
        LogCapture log;
        env->exec("take_qvariant(2147483648)");
        QCOMPARE(calls, 1);
        QVERIFY(!received.isValid());
        QCOMPARE(log.matching(QStringLiteral("py::cast_error:")).size(), 1);

        env->exec("take_qvariant((x for x in []))");
        QCOMPARE(calls, 2);
        QVERIFY(!received.isValid());
        QCOMPARE(records->size(), 1);

        QCOMPARE(typeErrorOf("take_qvariant(Plain())"), kRefused.arg(QStringLiteral("<Plain>"), QString()));
        QCOMPARE(typeErrorOf("take_qvariant([Plain()])"),
                 kRefused.arg(QStringLiteral("<Plain>"), QStringLiteral(" (enthalten in [<Plain>])")));
        QCOMPARE(calls, 2);

        env->globals["give_qvariant"] = py::cpp_function([] { return QVariant(QVariantList{3, 3.0}); });
        QVERIFY(env->strictEqual(env->eval("give_qvariant()"), env->eval("[3, 3.0]")));
    }

    void castersLeaveOtherOverloadsAlone()
    {
        py::module_ m = py::reinterpret_borrow<py::module_>(
            py::module_::import("types").attr("ModuleType")("overloads"));
        QString chosen;
        m.def("f", [&](const QVariantMap &) { chosen = QStringLiteral("map"); });
        m.def("f", [&](int) { chosen = QStringLiteral("int"); });
        m.def("g", [&](const StringVector &v) { chosen = QStringLiteral("strings %1").arg(v.size()); });
        m.def("g", [&](int) { chosen = QStringLiteral("int"); });
        env->globals["overloads"] = m;

        env->exec("overloads.f(5)");
        QCOMPARE(chosen, QStringLiteral("int"));
        env->exec("overloads.f([('a', 1)])");
        QCOMPARE(chosen, QStringLiteral("map"));
        env->exec("overloads.g(7)");
        QCOMPARE(chosen, QStringLiteral("int"));
        env->exec("overloads.g('xyz')");
        QCOMPARE(chosen, QStringLiteral("strings 3"));
        QCOMPARE(records->size(), 0);
    }

    void jsValuesWithEngine()
    {
        app::qmlEngine.reset(new QQmlApplicationEngine);
        const QJSValue object = _castPy2Js(env->eval("{'a': [1, 2.5, None, True, 'x'], 'b': b'ab\\0c', 1: {}}"),
                                           py::none());
        QVERIFY(object.isObject());
        const QJSValue a = object.property(QStringLiteral("a"));
        QVERIFY(a.isArray());
        QCOMPARE(a.property(QStringLiteral("length")).toInt(), 5);
        QCOMPARE(a.property(0).toInt(), 1);
        QCOMPARE(a.property(1).toNumber(), 2.5);
        QVERIFY(a.property(2).isNull());
        QVERIFY(a.property(3).isBool());
        QCOMPARE(a.property(4).toString(), QStringLiteral("x"));
        QCOMPARE(object.property(QStringLiteral("b")).toString(), QStringLiteral("ab"));
        QVERIFY(object.property(QStringLiteral("1")).isObject());

        // Back to Python, numbers from the engine are floats.
        QVERIFY(env->strictEqual(castQt2Py(_castPy2Js(env->eval("(1, [2])"), py::none())), env->eval("[1.0, [2.0]]")));

        // Dict values keep the caller's root.
        const py::object root = env->eval("{'k': Plain()}");
        try {
            _castPy2Js(root, root);
            QFAIL("no TypeError");
        } catch (const py::type_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     kRefused.arg(QStringLiteral("<Plain>"), QStringLiteral(" (enthalten in {'k': <Plain>})")));
        }

        LogCapture log;
        const QJSValue array = _castPy2Js(env->eval("[1, 2147483648, (x for x in [])]"), py::none());
        QCOMPARE(array.property(QStringLiteral("length")).toInt(), 3);
        QVERIFY(array.property(1).isUndefined());
        QVERIFY(array.property(2).isUndefined());
        QCOMPARE(log.matching(QStringLiteral("py::cast_error:")).size(), 1);
        QCOMPARE(records->size(), 1);
    }

    void jsValuesWithoutEngine()
    {
        app::qmlEngine.reset();
        LogCapture log;
        QVERIFY(_castPy2Js(env->eval("{'a': 1}"), py::none()).isUndefined());
        QCOMPARE(log.matching(QStringLiteral("engine is nicht mehr verfügbar (engine->newObject())")).size(), 1);
        QVERIFY(_castPy2Js(env->eval("[1]"), py::none()).isUndefined());
        QCOMPARE(log.matching(QStringLiteral("engine is nicht mehr verfügbar (engine->newArray())")).size(), 1);
        QCOMPARE(_castPy2Js(env->eval("'text'"), py::none()).toString(), QStringLiteral("text"));
        QCOMPARE(_castPy2Js(env->eval("7"), py::none()).toInt(), 7);
        QVERIFY(_castPy2Js(env->eval("None"), py::none()).isNull());
    }
};

QTEST_MAIN(TstPy2QtConversion)
#include "tst_py2qt_conversion.moc"
