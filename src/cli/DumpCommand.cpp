#include "cli/CliCommand.h"

#include "dump/DumpInput.h"
#include "dump/DumpOutput.h"
#include "dump/DumpReader.h"

#include <QCommandLineParser>

namespace {

const QCommandLineOption kList(QStringLiteral("list"),
                               QStringLiteral("the titles of the pages it changes (a query: finds something in)"));
const QCommandLineOption kReport(QStringLiteral("report"),
                                 QStringLiteral("TITLE<TAB>LINE for each line a query prints"));
const QCommandLineOption
    kOut(QStringLiteral("out"),
         QStringLiteral("the dump with the changed texts (packed if the name ends in .bz2 or .gz)"),
         QStringLiteral("NEW.xml"));
const QCommandLineOption kNs(QStringLiteral("ns"), QStringLiteral("the pages of namespace N (default 0)"),
                             QStringLiteral("N"));

// Options that give a run what a dump cannot give each page.
const QStringList kPerDocumentOptions{QStringLiteral("caret"), QStringLiteral("clipboard"),
                                      QStringLiteral("clipboard-file"), QStringLiteral("o"),
                                      QStringLiteral("print-selection")};

// One thread's runs of the command, each as `dalvana-cli COMMAND` runs it on a file
// holding the page's text: caret at the start, nothing on the clipboard.
class PageRun
{
public:
    PageRun(const CliCommand &command, const QStringList &args)
        : m_command(command)
        , m_args(args)
    {
        m_parser.parse(QStringList{QStringLiteral("dalvana-cli")} + args);
    }

    DumpReader::Outcome operator()(const DumpPage::Page &page)
    {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        CliContext ctx{.parser = m_parser,
                       .args = m_args,
                       .multi = {},
                       .state = EditorState{page.text, 0, 0},
                       .clipboard = QString(),
                       .out = out,
                       .err = err,
                       .keep = &m_keep};
        const int status = m_command.run(ctx);
        out.flush();
        err.flush();
        DumpReader::Outcome outcome;
        outcome.message = errText.trimmed();
        // Bad usage fails on every page alike: the run ends with the command's message.
        outcome.stop = status == 2;
        if (m_command.kind == CliCommand::Kind::Edit) {
            if (status == 0 && ctx.state.text != page.text)
                outcome.text = ctx.state.text;
        } else {
            // A query's findings are its lines; an empty line says there are none.
            for (const QString &line : outText.split(u'\n', Qt::SkipEmptyParts))
                outcome.lines.append(line);
        }
        return outcome;
    }

private:
    const CliCommand &m_command;
    QStringList m_args;
    QCommandLineParser m_parser;
    std::any m_keep;
};

// One line, drawn over the last: pages, speed through the XML, and the time left
// while the dump's size is known.
QString progressLine(const DumpReader::Progress &p)
{
    const double seconds = double(std::max<qint64>(p.elapsedMs, 1)) / 1000.0;
    QString line = QStringLiteral("\r%1 pages, %2 MB/s")
                       .arg(p.pages)
                       .arg(double(p.xmlBytes) / seconds / 1e6, 0, 'f', 1);
    if (p.rawSize > 0 && p.rawRead > 0) {
        const qint64 left = qint64(seconds * double(p.rawSize - p.rawRead) / double(p.rawRead));
        line += QStringLiteral(", %1:%2 left").arg(left / 60).arg(left % 60, 2, 10, QLatin1Char('0'));
    }
    return line + QStringLiteral("\x1b[K");
}

int dump(CliContext &ctx)
{
    const QString dumpPath = ctx.args.at(0);
    const QString name = ctx.args.at(1);
    const QStringList args = ctx.args.mid(2);

    for (const QString &option : kPerDocumentOptions) {
        if (ctx.parser.isSet(option))
            return ctx.usage(QStringLiteral("dump gives every page the caret at its start: -%1%2 cannot be given")
                                 .arg(option.size() > 1 ? QStringLiteral("-") : QString(), option));
    }
    if (ctx.multi.contains(QStringLiteral("select")))
        return ctx.usage(QStringLiteral("dump gives every page the caret at its start: --select cannot be given"));
    const int modes = int(ctx.parser.isSet(kList)) + int(ctx.parser.isSet(kReport)) + int(ctx.parser.isSet(kOut));
    if (modes != 1)
        return ctx.usage(QStringLiteral("dump needs one of --list, --report and --out NEW.xml"));

    const CliCommand *command = CliRegistry::find(name);
    if (!command)
        return ctx.usage(QStringLiteral("unknown command '%1'; see --help").arg(name));
    if (command->kind == CliCommand::Kind::Standalone || !command->readsDocument || !command->wholeText)
        return ctx.usage(QStringLiteral("%1 does not work on a whole text alone; dump cannot run it").arg(name));
    const int count = command->argCountFor ? command->argCountFor(args) : command->argCount;
    if (args.size() != count)
        return ctx.usage(QStringLiteral("%1 takes %2 arguments here (no FILE); see --help").arg(name).arg(count));
    if (ctx.parser.isSet(kReport) && command->kind != CliCommand::Kind::Query)
        return ctx.usage(QStringLiteral("--report needs a command that prints findings, and %1 edits").arg(name));
    if (ctx.parser.isSet(kOut) && command->kind != CliCommand::Kind::Edit)
        return ctx.usage(QStringLiteral("--out needs a command that edits, and %1 prints").arg(name));

    DumpReader::Options options;
    if (ctx.parser.isSet(kNs)) {
        bool ok = false;
        options.ns = ctx.parser.value(kNs).toInt(&ok);
        if (!ok)
            return ctx.usage(QStringLiteral("--ns must be a namespace number"));
    }

    QString error;
    std::unique_ptr<DumpInput> input;
    if (dumpPath == QLatin1String("-"))
        input = std::make_unique<DumpInput>(ctx.readInput);
    else if (!(input = DumpInput::openFile(dumpPath, &error)))
        return ctx.usage(error);
    DumpOutput output;
    if (ctx.parser.isSet(kOut)) {
        if (!output.open(ctx.parser.value(kOut), &error))
            return ctx.usage(error);
        options.output = &output;
    }
    if (ctx.progress) {
        options.progress = [&ctx](const DumpReader::Progress &p) { ctx.progress(progressLine(p)); };
    }

    const bool report = ctx.parser.isSet(kReport);
    const bool list = ctx.parser.isSet(kList);
    int refused = 0;
    QString writeError;
    auto sink = [&](const DumpPage::Page &page, const DumpReader::Outcome &outcome) {
        if (!outcome.message.isEmpty()) {
            ctx.err << page.title << '\t' << outcome.message << '\n';
            ++refused;
        }
        if (list && (outcome.text || !outcome.lines.isEmpty()))
            ctx.print(page.title);
        if (report) {
            for (const QString &line : outcome.lines)
                ctx.print(page.title + u'\t' + line);
        }
        return ctx.flushOut(&writeError);
    };
    auto handlers = [command, args]() -> DumpReader::Handler {
        auto run = std::make_shared<PageRun>(*command, args);
        return [run](const DumpPage::Page &page) { return (*run)(page); };
    };
    const DumpReader::Error failure = DumpReader::run(*input, options, handlers, sink);
    if (ctx.progress)
        ctx.progress(QStringLiteral("\r\x1b[K"));

    const QString shown = dumpPath == QLatin1String("-") ? QStringLiteral("standard input") : dumpPath;
    switch (failure.failure) {
    case DumpReader::Failure::None:
        break;
    case DumpReader::Failure::Malformed:
        return ctx.usage(
            QStringLiteral("%1:%2:%3: %4").arg(shown).arg(failure.line).arg(failure.column).arg(failure.message));
    case DumpReader::Failure::NotDump:
        return ctx.usage(QStringLiteral("%1: %2").arg(shown, failure.message));
    case DumpReader::Failure::Stopped:
        if (!writeError.isEmpty())
            return ctx.usage(QStringLiteral("cannot write standard output: %1").arg(writeError));
        ctx.err << failure.message << '\n';
        return 2;
    case DumpReader::Failure::Input:
    case DumpReader::Failure::Output:
        return ctx.usage(failure.message);
    }
    if (options.output && !output.commit())
        return ctx.usage(output.errorString());
    return refused > 0 ? 1 : 0;
}

const CliRegistration dumpCommand({
    .name = QStringLiteral("dump"),
    .synopsis = QStringLiteral("DUMP COMMAND [ARGS] (--list | --report | --out NEW.xml) [--ns N]"),
    .summary = QStringLiteral("run a whole-text command on every page of a MediaWiki XML dump"),
    .details = QStringLiteral("DUMP is a MediaWiki XML dump (.xml, .xml.bz2, .xml.gz), or - for standard input.\n"
                              "COMMAND runs on the text of every page as it runs on a file holding that text:\n"
                              "caret at the start, nothing on the clipboard. Output keeps the dump's order. --out\n"
                              "gives each changed text's bytes and SHA-1 their new values; everything else stays\n"
                              "byte for byte. A page the command refuses is named on standard error and left as\n"
                              "it is (exit status 1). A malformed dump stops the run with DUMP:LINE:COLUMN (exit\n"
                              "status 2)."),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 2,
    .argCountFor = [](const QStringList &positional) { return int(std::max<qsizetype>(2, positional.size())); },
    .options = {kList, kReport, kOut, kNs},
    .run = dump,
});

} // namespace
