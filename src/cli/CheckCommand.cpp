#include "cli/CliCommand.h"

#include "check/EntryCheck.h"
#include "regex/RegEx.h"

namespace {

int check(CliContext &ctx)
{
    RegEx regex;
    const EntryCheck::Result result = EntryCheck::check(regex, ctx.state.text);
    if (result.problems.isEmpty() && !result.engineGaveUp)
        ctx.print(QString());
    for (const EntryCheck::Problem &p : result.problems)
        ctx.print(QStringLiteral("%1 %2 %3 %4").arg(p.line).arg(p.column).arg(EntryCheck::codeName(p.code), p.message));
    // Not all was checked: neither "clean" nor "these are all".
    if (result.engineGaveUp) {
        ctx.err << EngineGaveUpMessage << '\n';
        return 2;
    }
    return result.problems.isEmpty() ? 0 : 1;
}

const CliRegistration checkCommand({
    .name = QStringLiteral("check"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("print 'L C CODE message' for each problem the entry checker finds, in text order"),
    .details = QStringLiteral("L and C count from 1, C in UTF-16 code units within the line. Exit 0 when there is no\n"
                              "problem, 1 when there are; 2 when the footnotes' pattern gave up and references went\n"
                              "unchecked. Codes: template-unclosed, template-unopened, link-unclosed, link-unopened,\n"
                              "tag-unclosed, reference-without-note, note-without-reference, reference-order,\n"
                              "section-order, section-unknown, section-duplicate, section-empty, definition-missing,\n"
                              "translation-empty."),
    .kind = CliCommand::Kind::Query,
    .run = check,
});

} // namespace
