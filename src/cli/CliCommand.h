#pragma once

#include "wikitext/EditorState.h"

#include <QCommandLineOption>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextStream>

#include <any>
#include <functional>
#include <optional>

class QCommandLineParser;

// What one run of a command sees: its arguments, the editor state before it and
// the streams it reports on. Editing commands change `state`; the runner writes it.
struct CliContext
{
    QCommandLineParser &parser;
    QStringList args;                         // the command's own arguments, "\r\n" decoded
    QHash<QString, QList<QStringList>> multi; // options with several values, in order
    EditorState state;
    QString clipboard;
    QTextStream &out;
    QTextStream &err;

    // A command that would open a web page reports it instead.
    void open(const QString &address) { err << "open " << address << '\n'; }
    // The command refused or found nothing: its Hebrew message, exit status 1.
    int refuse(const QString &message)
    {
        err << message << '\n';
        return 1;
    }
    // Bad usage: a one-line message, exit status 2.
    int usage(const QString &message)
    {
        err << "dalvana-cli: " << message << '\n';
        return 2;
    }
    // Prints a query result line.
    void print(const QString &line) { out << line << '\n'; }

    // For a command that streams a long run; each is set by the runner.
    // Reads a piece of standard input: how many bytes, 0 at its end, -1 with the reason.
    std::function<qint64(char *buffer, qint64 size, QString *reason)> readInput{};
    // Sends what was printed so far on its way; false, with the reason, when it cannot.
    std::function<bool(QString *reason)> flushOut{};
    // Shows how far the run is on the terminal; empty when there is none.
    std::function<void(const QString &line)> progress{};
    // What a command keeps from one page to the next when dump runs it on many, each
    // thread its own; null for a single run.
    std::any *keep = nullptr;
};

struct CliCommand
{
    enum class Kind {
        Edit,      // reads a document, writes the resulting text
        Query,     // reads a document, prints a result
        Standalone // takes only its arguments
    };

    QString name;
    QString synopsis; // e.g. "CHAR [FILE]", for --help
    QString summary;
    QString details{}; // further lines for the command's own --help
    Kind kind = Kind::Edit;
    int argCount = 0; // arguments before FILE
    // False when the result does not depend on the document: without FILE the
    // command then starts from an empty text instead of reading standard input.
    bool readsDocument = true;
    // False when the command works at the caret or selection, reads the clipboard or
    // goes beyond the text: dump then does not run it on a dump's pages.
    bool wholeText = true;
    // When the number of arguments depends on the arguments themselves.
    std::function<int(const QStringList &)> argCountFor{};
    QList<QCommandLineOption> options{};
    QHash<QString, int> multiOptions{}; // name -> values per use, e.g. {"cell", 3}
    std::function<int(CliContext &)> run;
};

// The options every command takes, as --help and the manual list them.
struct CliOptionHelp
{
    QString names; // e.g. "--caret N"
    QString text;
};
const QList<CliOptionHelp> &commonOptionHelp();

namespace CliRegistry {
void add(CliCommand command);
const CliCommand *find(const QString &name);
QList<const CliCommand *> all();
} // namespace CliRegistry

// Registers a command from a static object in the command's own file.
struct CliRegistration
{
    explicit CliRegistration(CliCommand command) { CliRegistry::add(std::move(command)); }
};

// Reads the whole of standard input; nothing, with the reason, when it cannot be read.
using StdinReader = std::function<std::optional<QByteArray>(QString *reason)>;

// The real program's streams for a command that runs long: standard input read a
// piece at a time, standard output written as it comes, progress on a terminal.
// Left unset (as in tests), input comes from the StdinReader and output at the end.
struct CliStreaming
{
    std::function<qint64(char *buffer, qint64 size, QString *reason)> readInput{};
    std::function<bool(const QByteArray &bytes, QString *reason)> writeOut{};
    std::function<void(const QString &line)> progress{};
};

// Runs dalvana-cli with `arguments` (without the program name). Standard input is
// read through `readStdin` only when a command needs it. What goes to standard output
// and error is UTF-8; half of a surrogate pair, which UTF-8 cannot carry, comes out
// as U+FFFD (-o keeps it).
int runCli(const QStringList &arguments, const StdinReader &readStdin, QByteArray *out, QByteArray *err,
           const CliStreaming &streaming = {});

// "\r\n" written as four characters becomes CR LF.
QString decodeArgument(const QString &argument);
