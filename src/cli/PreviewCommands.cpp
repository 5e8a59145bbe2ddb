#include "cli/CliCommand.h"

#include "wikitext/InflectionQuery.h"
#include "wikitext/Preview.h"

#include <QCommandLineParser>

namespace {

const QCommandLineOption kWithInflections(QStringLiteral("with-inflections"),
                                          QStringLiteral("add the inflected forms, as the quotes search asks"));

int inflectionQuery(CliContext &ctx)
{
    ctx.print(InflectionQuery::build(ctx.state, ctx.parser.isSet(kWithInflections)));
    return 0;
}

int preview(CliContext &ctx)
{
    const PreviewResult p = Preview::prepare(ctx.state.text);
    switch (p.status) {
    case PreviewResult::Open:
        break;
    case PreviewResult::NoTitle:
        return ctx.refuse(Preview::NoTitleMessage);
    case PreviewResult::NoRoot:
        return ctx.refuse(Preview::NoRootMessage);
    }
    if (p.text != ctx.state.text)
        ctx.state = EditorState{p.text, 0, 0};
    ctx.open(p.address);
    return 0;
}

const CliRegistration inflectionQueryCommand({
    .name = QStringLiteral("inflection-query"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("print the quotes search query for the entry above the caret"),
    .kind = CliCommand::Kind::Query,
    .wholeText = false,
    .options = {kWithInflections},
    .run = inflectionQuery,
});

const CliRegistration previewCommand({
    .name = QStringLiteral("preview"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("prepare the text for the wiki's edit form and print the address it opens"),
    .kind = CliCommand::Kind::Edit,
    .wholeText = false,
    .run = preview,
});

} // namespace
