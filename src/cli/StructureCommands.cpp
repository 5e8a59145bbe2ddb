#include "cli/CliCommand.h"

#include "entry/EntryStructure.h"
#include "regex/RegEx.h"
#include "wikitext/Cleanup.h"
#include "wikitext/Unify.h"

namespace {

int entry(CliContext &ctx)
{
    RegEx regex;
    const EntryHeading h = EntryStructure::findEntryHeading(regex, ctx.state.text, ctx.state.selStart);
    if (regex.failed())
        return ctx.refuse(EngineGaveUpMessage);
    ctx.print(QStringLiteral("%1 %2").arg(h.headingStart).arg(h.headingEnd));
    return 0;
}

// Runs an editing command; the text is left as it was when the engine gave up.
int edit(CliContext &ctx, EditorState (*command)(RegEx &, const EditorState &))
{
    RegEx regex;
    const EditorState result = command(regex, ctx.state);
    if (regex.failed())
        return ctx.refuse(EngineGaveUpMessage);
    ctx.state = result;
    return 0;
}

const CliRegistration entryCommand({
    .name = QStringLiteral("entry"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("print HeadingStart HeadingEnd of the entry under the caret"),
    .kind = CliCommand::Kind::Query,
    .wholeText = false,
    .run = entry,
});

const CliRegistration fixSpaces({
    .name = QStringLiteral("fix-spaces"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("remove line-end spaces and extra empty lines"),
    .kind = CliCommand::Kind::Edit,
    .run = [](CliContext &ctx) { return edit(ctx, Cleanup::fixSpaces); },
});

const CliRegistration punctuation({
    .name = QStringLiteral("punctuation"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("add missing spaces after punctuation, maqaf after Hebrew letters"),
    .kind = CliCommand::Kind::Edit,
    .run = [](CliContext &ctx) { return edit(ctx, Cleanup::fixPunctuation); },
});

const CliRegistration unify({
    .name = QStringLiteral("unify"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("move old example-sentence sections under the definitions"),
    .kind = CliCommand::Kind::Edit,
    .run = [](CliContext &ctx) { return edit(ctx, Unify::unify); },
});

} // namespace
