#include <QtTest>

#include "bridge_raspi.h"
#include "log_capture.h"
#include "test_app.h"
#include "test_timeouts.h"

// Runs the Python-side suite (tests/py) inside the program's own interpreter:
// the runner controller calls pytest from its init and logs the exit code.
class TstPythonSide : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initTestApp(); }

    void pytestSuite()
    {
        const QByteArray source = qgetenv("TAVELL_SOURCE_DIR");
        QVERIFY(!source.isEmpty());
        qputenv("PYTHONPATH", source + "/tests/py/runner");
        qputenv("TAVELL_PYTEST_ARGS", source + "/tests/py");

        LogCapture log;
        Bridge bridge(QStringList{QStringLiteral("/opt/tavell/brew/py/venv/bin/python3.9")}, false);
        QVERIFY(log.waitFor(QStringLiteral("[Py] pytest-exit: "), scaledTimeout(120000)));
        const QStringList lines = log.matching(QStringLiteral("[Py] pytest-exit: "));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].endsWith(QStringLiteral("pytest-exit: 0")), qPrintable(lines[0]));
    }
};

QTEST_GUILESS_MAIN(TstPythonSide)
#include "tst_python_side.moc"
