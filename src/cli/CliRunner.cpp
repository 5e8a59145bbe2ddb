#include "cli/CliCommand.h"

#include "wikitext/DocumentFormat.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace {

std::map<QString, CliCommand> &registry()
{
    static std::map<QString, CliCommand> commands;
    return commands;
}

const QHash<QString, int> kCommonMulti = {{QStringLiteral("select"), 2}};

QString helpText()
{
    QString text = QStringLiteral(
        "Usage: dalvana-cli COMMAND [OPTIONS] [ARGS] [FILE]\n"
        "       dalvana-cli --help | --version\n"
        "\n"
        "Runs the editor's text operations on a document file (FILE, or standard input\n"
        "when FILE is - or missing).\n"
        "\n"
        "Options:\n");
    for (const CliOptionHelp &o : commonOptionHelp())
        text += QStringLiteral("  %1 %2\n").arg(o.names.leftJustified(22), o.text);
    text += QStringLiteral("\nCommands:\n");
    for (const CliCommand *c : CliRegistry::all()) {
        QString head = QStringLiteral("  %1 %2").arg(c->name, c->synopsis);
        text += head.leftJustified(40) + QLatin1Char(' ') + c->summary + QLatin1Char('\n');
    }
    return text;
}

bool parseInt(const QString &text, int *value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

// A place the editor can never hold: between the CR and the LF of a line break, or
// between the halves of a surrogate pair. Text put there would split them.
bool splitsCharacter(const QString &text, int position)
{
    if (position <= 0 || position >= text.size())
        return false;
    const QChar before = text.at(position - 1);
    const QChar after = text.at(position);
    return (before == u'\r' && after == u'\n') || (before.isHighSurrogate() && after.isLowSurrogate());
}

// Half of a surrogate pair, which UTF-8 cannot carry, is written as U+FFFD: a
// question mark would pass for a character of the text.
QByteArray utf8ForOutput(const QString &text)
{
    QString copy;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            if (copy.isEmpty())
                copy = text;
            copy[i] = QChar::ReplacementCharacter;
        }
    }
    return copy.isEmpty() ? text.toUtf8() : copy.toUtf8();
}

// The streams a command prints on, turned into bytes when the run ends, whichever
// way it ends. An editing command's text follows what was printed.
struct Streams
{
    QString outText, errText, document;
    QTextStream out{&outText};
    QTextStream err{&errText};
    QByteArray *outBytes;
    QByteArray *errBytes;
    Streams(QByteArray *o, QByteArray *e)
        : outBytes(o)
        , errBytes(e)
    {
    }
    ~Streams()
    {
        out.flush();
        err.flush();
        *outBytes = utf8ForOutput(outText) + utf8ForOutput(document);
        *errBytes = utf8ForOutput(errText);
    }
};

} // namespace

const QList<CliOptionHelp> &commonOptionHelp()
{
    static const QList<CliOptionHelp> list{
        {QStringLiteral("--caret N"), QStringLiteral("selection start N, empty selection (default 0)")},
        {QStringLiteral("--select S L"), QStringLiteral("selection start S and length L")},
        {QStringLiteral("--clipboard TEXT"), QStringLiteral("the clipboard's text")},
        {QStringLiteral("--clipboard-file F"), QStringLiteral("the clipboard's text, read from F as UTF-8")},
        {QStringLiteral("-o OUT"), QStringLiteral("write the result to OUT in the document format")},
        {QStringLiteral("--print-selection"), QStringLiteral("print 'selection S L' to standard error after the run")},
        {QStringLiteral("-h, --help"), QStringLiteral("this text")},
        {QStringLiteral("--version"), QStringLiteral("the program's version")},
    };
    return list;
}

namespace CliRegistry {

void add(CliCommand command)
{
    const QString name = command.name;
    registry().insert_or_assign(name, std::move(command));
}

const CliCommand *find(const QString &name)
{
    auto it = registry().find(name);
    return it == registry().end() ? nullptr : &it->second;
}

QList<const CliCommand *> all()
{
    QList<const CliCommand *> list;
    for (const auto &entry : registry())
        list.append(&entry.second);
    return list;
}

} // namespace CliRegistry

QString decodeArgument(const QString &argument)
{
    QString result = argument;
    result.replace(QLatin1String("\\r\\n"), QLatin1String("\r\n"));
    return result;
}

int runCli(const QStringList &arguments, const StdinReader &readStdin, QByteArray *outBytes, QByteArray *errBytes,
           const CliStreaming &streaming)
{
    Streams streams(outBytes, errBytes);
    QTextStream &out = streams.out;
    QTextStream &err = streams.err;
    auto usageError = [&err](const QString &message) {
        err << "dalvana-cli: " << message << '\n';
        return 2;
    };

    if (arguments.isEmpty())
        return usageError(QStringLiteral("no command given; see --help"));
    const QString name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        out << helpText();
        return 0;
    }
    if (name == QLatin1String("--version")) {
        out << "dalvana-cli " << QStringLiteral(DALVANA_VERSION) << '\n';
        return 0;
    }
    const CliCommand *command = CliRegistry::find(name);
    if (!command)
        return usageError(QStringLiteral("unknown command '%1'; see --help").arg(name));

    // Options that take several values are taken out before the parser sees them.
    QHash<QString, int> multiSpec = kCommonMulti;
    for (auto it = command->multiOptions.begin(); it != command->multiOptions.end(); ++it)
        multiSpec.insert(it.key(), it.value());
    QHash<QString, QList<QStringList>> multi;
    QStringList rest{QStringLiteral("dalvana-cli")};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a.startsWith(QLatin1String("--")) && multiSpec.contains(a.mid(2))) {
            const int count = multiSpec.value(a.mid(2));
            if (i + count >= arguments.size())
                return usageError(QStringLiteral("%1 takes %2 values").arg(a).arg(count));
            QStringList values;
            for (int k = 1; k <= count; ++k)
                values << decodeArgument(arguments.at(i + k));
            multi[a.mid(2)].append(values);
            i += count;
        } else {
            rest << a;
        }
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption caretOption(QStringLiteral("caret"), QString(), QStringLiteral("N"));
    const QCommandLineOption clipboardOption(QStringLiteral("clipboard"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption clipboardFileOption(QStringLiteral("clipboard-file"), QString(), QStringLiteral("F"));
    const QCommandLineOption outputOption(QStringLiteral("o"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption selectionOption(QStringLiteral("print-selection"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({caretOption, clipboardOption, clipboardFileOption, outputOption, selectionOption, helpOption});
    parser.addOptions(command->options);
    if (!parser.parse(rest))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption)) {
        out << QStringLiteral("Usage: dalvana-cli %1 %2\n  %3\n")
                   .arg(command->name, command->synopsis, command->summary);
        if (!command->details.isEmpty())
            out << '\n' << command->details << '\n';
        return 0;
    }

    QStringList positional = parser.positionalArguments();
    int count = command->argCountFor ? command->argCountFor(positional) : command->argCount;
    if (positional.size() < count)
        return usageError(QStringLiteral("%1 needs %2; see --help").arg(command->name, command->synopsis));
    const bool needsDocument = command->kind != CliCommand::Kind::Standalone;
    const qsizetype allowed = count + (needsDocument ? 1 : 0);
    if (positional.size() > allowed)
        return usageError(QStringLiteral("too many arguments for %1; see --help").arg(command->name));

    QStringList args;
    for (int i = 0; i < count; ++i)
        args << decodeArgument(positional.at(i));

    EditorState state;
    if (needsDocument) {
        const QString file = positional.size() > count ? positional.at(count)
            : command->readsDocument                   ? QStringLiteral("-")
                                                       : QString();
        QString error;
        if (file == QLatin1String("-")) {
            QString reason;
            const std::optional<QByteArray> bytes = readStdin(&reason);
            if (!bytes)
                return usageError(QStringLiteral("cannot read standard input: %1").arg(reason));
            if (!DocumentFormat::decode(*bytes, &state.text, &error))
                return usageError(QStringLiteral("standard input: %1").arg(error));
        } else if (!file.isEmpty() && !DocumentFormat::readFile(file, &state.text, &error)) {
            return usageError(error.replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
    }

    if (parser.isSet(caretOption)) {
        if (!parseInt(parser.value(caretOption), &state.selStart) || state.selStart < 0
            || state.selStart > state.text.size())
            return usageError(QStringLiteral("--caret must be a position in the text"));
        if (splitsCharacter(state.text, state.selStart))
            return usageError(QStringLiteral("--caret must not fall inside a line break or a character"));
    }
    if (multi.contains(QStringLiteral("select"))) {
        const QStringList v = multi.value(QStringLiteral("select")).last();
        // Compared as a remainder, so that no sum can overflow.
        if (!parseInt(v.at(0), &state.selStart) || !parseInt(v.at(1), &state.selLength) || state.selStart < 0
            || state.selLength < 0 || state.selStart > state.text.size()
            || state.selLength > state.text.size() - state.selStart)
            return usageError(QStringLiteral("--select must name a range of the text"));
        if (splitsCharacter(state.text, state.selStart) || splitsCharacter(state.text, state.selEnd()))
            return usageError(QStringLiteral("--select must not end inside a line break or a character"));
    }

    QString clipboard;
    if (parser.isSet(clipboardOption))
        clipboard = decodeArgument(parser.value(clipboardOption));
    if (parser.isSet(clipboardFileOption)) {
        QFile f(parser.value(clipboardFileOption));
        if (!f.open(QIODevice::ReadOnly))
            return usageError(QStringLiteral("cannot read %1: %2").arg(f.fileName(), f.errorString()));
        const QByteArray bytes = f.readAll();
        if (f.error() != QFileDevice::NoError)
            return usageError(QStringLiteral("cannot read %1: %2").arg(f.fileName(), f.errorString()));
        clipboard = QString::fromUtf8(bytes);
    }

    CliContext context{.parser = parser,
                       .args = args,
                       .multi = multi,
                       .state = state,
                       .clipboard = clipboard,
                       .out = out,
                       .err = err,
                       .progress = streaming.progress};
    context.readInput = streaming.readInput;
    if (!context.readInput) {
        // The whole of standard input, handed out a piece at a time.
        auto whole = std::make_shared<std::optional<QByteArray>>();
        auto offset = std::make_shared<qint64>(0);
        context.readInput = [readStdin, whole, offset](char *buffer, qint64 size, QString *reason) -> qint64 {
            if (!whole->has_value()) {
                *whole = readStdin(reason);
                if (!whole->has_value())
                    return -1;
            }
            const qint64 n = std::min<qint64>(size, (*whole)->size() - *offset);
            std::memcpy(buffer, (*whole)->constData() + *offset, size_t(n));
            *offset += n;
            return n;
        };
    }
    context.flushOut = [&streams, &streaming](QString *reason) {
        if (!streaming.writeOut)
            return true;
        streams.out.flush();
        const QByteArray bytes = utf8ForOutput(streams.outText);
        streams.outText.clear();
        return streaming.writeOut(bytes, reason);
    };
    const int status = command->run(context);

    if (status == 0 && command->kind == CliCommand::Kind::Edit) {
        if (parser.isSet(outputOption)) {
            QString error;
            if (!DocumentFormat::writeFile(parser.value(outputOption), context.state.text, &error))
                return usageError(error);
        } else {
            streams.document = context.state.text;
        }
    }
    if (parser.isSet(selectionOption))
        err << "selection " << context.state.selStart << ' ' << context.state.selLength << '\n';
    return status;
}
