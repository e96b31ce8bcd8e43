#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "startup.h"

class TstStartup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeEnvFile(const QByteArray &content)
    {
        const QString path = m_dir.filePath(QStringLiteral("environment"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        file.write(content);
        return path;
    }

private Q_SLOTS:
    void argumentSplit_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("parser");
        QTest::addColumn<QStringList>("python");
        const QString py = QString::fromLatin1(kPyInterpreter);

        QTest::newRow("no separator") << QStringList{"prog", "-f"} << QStringList{"prog", "-f"} << QStringList{py};
        QTest::newRow("lone dash") << QStringList{"prog", "-f", "-", "a", "b"} << QStringList{"prog", "-f"}
                                   << QStringList{py, "a", "b"};
        QTest::newRow("double dash before option")
            << QStringList{"prog", "--", "-f"} << QStringList{"prog"} << QStringList{py, "-f"};
        QTest::newRow("later separators are arguments")
            << QStringList{"prog", "-", "x", "-", "--", "y"} << QStringList{"prog"}
            << QStringList{py, "x", "-", "--", "y"};
        QTest::newRow("separator last") << QStringList{"prog", "--"} << QStringList{"prog"} << QStringList{py};
        QTest::newRow("dash inside word is no separator")
            << QStringList{"prog", "---", "-x"} << QStringList{"prog", "---", "-x"} << QStringList{py};
    }

    void argumentSplit()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, parser);
        QFETCH(QStringList, python);
        const SplitArguments split = splitArguments(args);
        QCOMPARE(split.parserArgs, parser);
        QCOMPARE(split.pyArgs, python);
    }

    void environmentFile()
    {
        qunsetenv("TAVELL_A");
        qunsetenv("TAVELL_EMPTY");
        qputenv("TAVELL_SAME", "gleich");
        qunsetenv("tavell_lower");
        qunsetenv("TAVELL_QUOTED");
        qunsetenv("TAVELL_NOEQ");
        qunsetenv("OTHER_KEY");
        qunsetenv("TAVELL_B");

        const QString path = writeEnvFile("TAVELL_A=x=y=z\n"
                                          "export TAVELL_B=nein\n"
                                          "tavell_lower=nein\n"
                                          "OTHER_KEY=nein\n"
                                          "TAVELL_NOEQ\n"
                                          "TAVELL_EMPTY=\n"
                                          "TAVELL_SAME=gleich\n"
                                          "TAVELL_QUOTED=\"mit blank\" \n"
                                          "TAVELL_LAST=ohne Zeilenende");
        importEnvironmentFile(path);

        QCOMPARE(qgetenv("TAVELL_A"), QByteArray("x=y=z"));
        QVERIFY(!qEnvironmentVariableIsSet("TAVELL_B"));
        QVERIFY(!qEnvironmentVariableIsSet("tavell_lower"));
        QVERIFY(!qEnvironmentVariableIsSet("OTHER_KEY"));
        QVERIFY(!qEnvironmentVariableIsSet("TAVELL_NOEQ"));
        QVERIFY(!qEnvironmentVariableIsSet("TAVELL_EMPTY")); // empty equals unset: nothing set
        QCOMPARE(qgetenv("TAVELL_SAME"), QByteArray("gleich"));
        QCOMPARE(qgetenv("TAVELL_QUOTED"), QByteArray("\"mit blank\" "));
        QCOMPARE(qgetenv("TAVELL_LAST"), QByteArray("ohne Zeilenende"));
    }

    void environmentFileOverridesDifferentValue()
    {
        qputenv("TAVELL_OVERRIDE", "alt");
        importEnvironmentFile(writeEnvFile("TAVELL_OVERRIDE=neu\n"));
        QCOMPARE(qgetenv("TAVELL_OVERRIDE"), QByteArray("neu"));

        // An empty value replaces a set one: the values differ.
        importEnvironmentFile(writeEnvFile("TAVELL_OVERRIDE=\n"));
        QCOMPARE(qgetenv("TAVELL_OVERRIDE"), QByteArray(""));
    }

    void objectCreatedHandlerEndsLoopOnlyForMissingMainObject()
    {
        const QUrl mainUrl(QString::fromLatin1(kMainQmlUrl));
        QObject someObject;
        auto run = [](std::function<void()> call) {
            QEventLoop loop;
            QTimer::singleShot(0, call);
            QTimer::singleShot(200, &loop, [&loop] { loop.exit(5); });
            return loop.exec();
        };
        QCOMPARE(run([&] { objectCreatedHandler(&someObject, mainUrl, mainUrl); }), 5);
        QCOMPARE(run([&] { objectCreatedHandler(nullptr, QUrl(QStringLiteral("qrc:/qml/other.qml")), mainUrl); }), 5);
        QCOMPARE(run([&] { objectCreatedHandler(nullptr, mainUrl, mainUrl); }), -1);
    }

    // An argument as typed on the command line shows as typed, not as markup.
    void invalidParametersTextShowsTheArgumentLiterally()
    {
        QCommandLineParser parser;
        QVERIFY(!parser.parse({QStringLiteral("tavell-brew"), QStringLiteral("--<b>x</b>&y")}));
        const QString text = invalidParametersText(parser.errorText());
        QVERIFY2(text.contains(QStringLiteral("&lt;b&gt;x&lt;/b&gt;&amp;y")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("<b>x")));
        QVERIFY(text.startsWith(QStringLiteral("Beim Programmstart wurden ungültige Parameter übergeben:<br>")));
        QVERIFY(text.endsWith(QStringLiteral("Bescheid geben.</b>")));
    }

    void missingEnvironmentFileIsSkipped()
    {
        qunsetenv("TAVELL_NEVER");
        importEnvironmentFile(m_dir.filePath(QStringLiteral("does-not-exist")));
        QVERIFY(!qEnvironmentVariableIsSet("TAVELL_NEVER"));
    }

    // Without Qt's German texts the program still starts, and says what is missing.
    void missingQtTranslationIsLogged()
    {
        const QString missing = QDir(m_dir.path()).filePath(QStringLiteral("qtbase_de.qm"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^%1$").arg(QRegularExpression::escape(
                                               QStringLiteral("Qt-Übersetzung nicht geladen: ") + missing))));
        QVERIFY(!installQtTranslations(m_dir.path()));
    }
};

QTEST_GUILESS_MAIN(TstStartup)
#include "tst_startup.moc"
