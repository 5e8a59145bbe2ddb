#include "cli/CliCommand.h"

#include "wikitext/EditorKeys.h"
#include "wikitext/WebAddresses.h"

namespace {

const CliRegistration percentEncode({
    .name = QStringLiteral("percent-encode"),
    .synopsis = QStringLiteral("TEXT"),
    .summary = QStringLiteral("print the Hebrew URL encoding of TEXT"),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 1,
    .run =
        [](CliContext &ctx) {
            ctx.print(WebAddresses::percentEncodeHebrew(ctx.args.at(0)));
            return 0;
        },
});

const CliRegistration jumpAddress({
    .name = QStringLiteral("jump-address"),
    .synopsis = QStringLiteral("QUERY"),
    .summary = QStringLiteral("print the address the jump box opens for QUERY"),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 1,
    .run =
        [](CliContext &ctx) {
            // The box writes out a leading namespace abbreviation as it is typed.
            QString query = ctx.args.at(0);
            if (const auto expanded = WebAddresses::expandNamespacePrefix(query))
                query = expanded->text;
            ctx.print(WebAddresses::jumpAddress(query));
            return 0;
        },
});

const CliRegistration tab({
    .name = QStringLiteral("tab"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("Tab in the editor: \"::\" at the caret"),
    .kind = CliCommand::Kind::Edit,
    .wholeText = false,
    .run =
        [](CliContext &ctx) {
            ctx.state = EditorKeys::insertTab(ctx.state);
            return 0;
        },
});

const CliRegistration quotationPaste({
    .name = QStringLiteral("quotation-paste"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("Shift+Insert in the editor: the clipboard as a quotation line"),
    .kind = CliCommand::Kind::Edit,
    .wholeText = false,
    .run =
        [](CliContext &ctx) {
            ctx.state = EditorKeys::pasteQuotation(ctx.state, ctx.clipboard);
            return 0;
        },
});

} // namespace
