#include "cli/CliCommand.h"

#include "dialogs/verbs/logic/RootPage.h"
#include "regex/RegEx.h"
#include "wikitext/EntryTemplates.h"

#include <QCommandLineParser>

namespace {

CliCommand editCommand(const char *name, const char *summary, std::function<EditorState(const EditorState &)> step,
                       bool readsDocument = true)
{
    CliCommand command;
    command.name = QLatin1String(name);
    command.synopsis = QStringLiteral("[FILE]");
    command.summary = QLatin1String(summary);
    command.kind = CliCommand::Kind::Edit;
    command.readsDocument = readsDocument;
    command.run = [step](CliContext &ctx) {
        ctx.state = step(ctx.state);
        return 0;
    };
    return command;
}

const CliRegistration newArticle(editCommand(
    "new-article", "the text becomes a new entry's skeleton, caret after its opening ==",
    [](const EditorState &) { return Templates::newArticle(); }, false));

const CliRegistration newVerb(editCommand(
    "new-verb", "the text becomes a new verb's skeleton, caret after its opening ==",
    [](const EditorState &) { return Templates::newVerb(); }, false));

const CliRegistration addArticle(editCommand("add-article", "append an entry's skeleton", Templates::addArticle));

const CliRegistration addVerb(editCommand("add-verb", "append a verb's skeleton", Templates::addVerb));

const CliRegistration another(editCommand("another", "put the another-meaning note in front",
                                          Templates::anotherMeaning));

CliCommand tocCommand()
{
    CliCommand command = editCommand("toc", "put a table of contents of the pointed headings in front", {});
    command.run = [](CliContext &ctx) {
        RegEx regex;
        const EditorState result = Templates::buildTableOfContents(regex, ctx.state);
        if (regex.failed())
            return ctx.refuse(EngineGaveUpMessage);
        ctx.state = result;
        return 0;
    };
    return command;
}

const CliRegistration toc(tocCommand());

const QCommandLineOption rootOption(QStringLiteral("root"), QString(), QStringLiteral("R"));
const QCommandLineOption gizraOption(QStringLiteral("gizra"), QString(), QStringLiteral("G"));

int rootPage(CliContext &ctx)
{
    // The dialog as it opens: no root accepted yet, every cell empty.
    VerbCells cells;
    const NormalisedRoot root = RootPage::normaliseRoot(ctx.parser.value(rootOption));
    if (root.accepted)
        cells.setCell(0, 0, root.display);

    for (const QStringList &cell : ctx.multi.value(QStringLiteral("cell"))) {
        bool rowOk = false;
        bool columnOk = false;
        const int row = cell.at(0).toInt(&rowOk);
        const int column = cell.at(1).toInt(&columnOk);
        if (!rowOk || !columnOk || row < 1 || row > VerbGrid::Binyanim || column < 1 || column > VerbGrid::Tenses)
            return ctx.usage(QStringLiteral("--cell takes ROW 1-7, COLUMN 1-5 and VALUE"));
        cells.setCell(column, row, cell.at(2));
    }
    cells.clearDisabled();

    const RootPageResult page = RootPage::build(cells.cell(0, 0), ctx.parser.value(gizraOption), cells.values());
    if (!page.ok)
        return ctx.refuse(page.text);
    ctx.state = {page.text, 0, 0};
    return 0;
}

CliCommand rootPageCommand()
{
    CliCommand command;
    command.name = QStringLiteral("root-page");
    command.synopsis = QStringLiteral("--root R --gizra G [--cell ROW COLUMN VALUE]... [FILE]");
    command.summary = QStringLiteral(
        "the text becomes the page of a verb root (ROW: binyan 1-7, COLUMN: tense 1-5; see root-page --help)");
    command.details = QStringLiteral(
        "R is typed into the root field (hyphens, maqafs and final letters are normalised;\n"
        "a root of fewer than 3 or more than 9 characters is not accepted). G is the gizra.\n"
        "--cell fills one cell of the grid: ROW is the binyan, COLUMN the tense.\n"
        "  ROW     1 קל, 2 נפעל, 3 הפעיל, 4 הופעל, 5 פיעל, 6 פועל, 7 התפעל\n"
        "  COLUMN  1 עבר, 2 הווה, 3 עתיד, 4 ציווי, 5 שם הפועל\n"
        "The grid's first column (at its right edge) holds the binyan names and its first\n"
        "row the tense names, so --cell ROW COLUMN is the grid cell in column COLUMN and\n"
        "row ROW. Columns 4 and 5 of rows 4 and 6 are disabled in the grid: a value given\n"
        "there is dropped. Blank cells are written as -אין-.\n"
        "Without a root or a gizra the command refuses (exit status 1).");
    command.kind = CliCommand::Kind::Edit;
    command.readsDocument = false;
    command.options = {rootOption, gizraOption};
    command.multiOptions = {{QStringLiteral("cell"), 3}};
    command.run = rootPage;
    return command;
}

const CliRegistration rootPageRegistration(rootPageCommand());

const CliRegistration normaliseRoot({
    .name = QStringLiteral("normalise-root"),
    .synopsis = QStringLiteral("TEXT"),
    .summary = QStringLiteral("the display form of a typed root (exit status 1 when it is not accepted)"),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 1,
    .run =
        [](CliContext &ctx) {
            const NormalisedRoot root = RootPage::normaliseRoot(ctx.args.at(0));
            if (!root.accepted)
                return ctx.refuse(QStringLiteral("השורש אינו מתקבל: דרושים בו 3 עד 9 תווים"));
            ctx.print(root.display);
            return 0;
        },
});

} // namespace
