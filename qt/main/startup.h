#pragma once
// Pieces of the start-up that main runs in order; kept apart so tests can
// drive them with their own files and argument lists.

#include <QQmlApplicationEngine>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class Bridge;

// The interpreter inside the controller's virtual environment: first entry of
// the interpreter's argument list.
extern const char *const kPyInterpreter;
extern const char *const kMainQmlUrl;

namespace app {
// The program's QML engine; empty until main creates it. (Qt already has a
// global function of that name.)
extern std::unique_ptr<QQmlApplicationEngine> qmlEngine;
} // namespace app

// Sets the variables of the environment file's "TAVELL..." lines (key before
// the first "=", value after it, nothing trimmed) where their value differs.
// A file that cannot be opened is skipped.
void importEnvironmentFile(const QString &path);

// Installs Qt's own German texts (the file chooser's, the command-line
// parser's errors...) on the running application, whatever the machine's
// locale; numbers still follow the locale. Read from "qtbase_de.qm" in DIR,
// by default Qt's translation folder. A missing file is logged; false then.
bool installQtTranslations(const QString &dir = QString());

struct SplitArguments
{
    QStringList parserArgs; // the program's own, program path first
    QStringList pyArgs;     // sys.argv of the interpreter
};

// Everything after the first lone "-" or "--" belongs to the interpreter.
SplitArguments splitArguments(const QStringList &arguments);

// The warning shown when the command line could not be parsed. The parser's
// error quotes the argument as given; it is escaped, for the text is rich text.
QString invalidParametersText(const QString &parserError);

// Ends the event loop with -1 when the main QML file gave no root object.
void objectCreatedHandler(QObject *object, const QUrl &url, const QUrl &mainUrl);

// The engine fetches nothing from the network for anyone: a request for a URL
// that is not local (an image named in a controller's rich text, say) fails at
// once and is logged. Must be called before the engine loads anything.
void refuseRemoteUrls(QQmlEngine &engine);

// QML singletons and the types QML may use but not create (the metatype
// names are registered with the state objects, registerMetaTypes).
void registerQmlTypes(Bridge &bridge);
