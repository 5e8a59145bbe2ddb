#include "cli/CliCommand.h"

#include "dialogs/find/logic/FindSearch.h"
#include "dialogs/stats/logic/EntryStatistics.h"
#include "regex/RegEx.h"

#include <QCommandLineParser>

namespace {

const QCommandLineOption kMode(QStringLiteral("mode"), QStringLiteral("plain, regex or root"), QStringLiteral("MODE"),
                               QStringLiteral("plain"));
const QCommandLineOption kAll(QStringLiteral("all"), QStringLiteral("repeat with Ctrl+F until nothing is selected"));

bool readMode(CliContext &ctx, FindMode *mode)
{
    const QString name = ctx.parser.value(kMode);
    if (name == QLatin1String("plain"))
        *mode = FindMode::Plain;
    else if (name == QLatin1String("regex"))
        *mode = FindMode::Regex;
    else if (name == QLatin1String("root"))
        *mode = FindMode::Root;
    else
        return false;
    return true;
}

QString selection(const EditorState &state)
{
    return QStringLiteral("%1 %2").arg(state.selStart).arg(state.selLength);
}

int find(CliContext &ctx)
{
    FindMode mode;
    if (!readMode(ctx, &mode))
        return ctx.usage(QStringLiteral("--mode must be plain, regex or root"));
    RegEx regEx;
    QString lastFindQuery;
    const FindResult found = FindSearch::findFirst(regEx, ctx.state, ctx.args.at(0), mode, lastFindQuery);
    switch (found.outcome) {
    case FindResult::Outcome::Found:
        break;
    case FindResult::Outcome::BadPattern:
        return ctx.usage(found.message);
    case FindResult::Outcome::EmptyText:
    case FindResult::Outcome::NotFound:
        return ctx.refuse(found.message);
    }
    ctx.state = found.state;
    ctx.print(selection(ctx.state));
    if (!ctx.parser.isSet(kAll))
        return 0;
    for (;;) {
        const RepeatResult next = FindSearch::findNext(regEx, ctx.state, lastFindQuery);
        if (next.outcome == RepeatResult::Outcome::BadPattern)
            return ctx.usage(next.message);
        if (next.outcome != RepeatResult::Outcome::Found)
            return 0;
        ctx.state = next.state;
        ctx.print(selection(ctx.state));
    }
}

int findPattern(CliContext &ctx)
{
    FindMode mode;
    if (!readMode(ctx, &mode))
        return ctx.usage(QStringLiteral("--mode must be plain, regex or root"));
    ctx.print(FindSearch::buildPattern(ctx.args.at(0), mode));
    return 0;
}

int stats(CliContext &ctx)
{
    RegEx regEx;
    const EntryStatistics statistics = Statistics::compute(regEx, ctx.state.text);
    for (const StatisticsRow &row : Statistics::rows(statistics))
        ctx.print(QStringLiteral("%1 %2").arg(row.name).arg(row.value));
    if (!statistics.failure.isEmpty())
        ctx.err << statistics.failure << '\n';
    return 0;
}

const CliRegistration findRegistration({
    .name = QStringLiteral("find"),
    .synopsis = QStringLiteral("[--mode plain|regex|root] [--all] QUERY [FILE]"),
    .summary = QStringLiteral("the selection the find dialog makes, and with --all each Ctrl+F repeat"),
    .kind = CliCommand::Kind::Query,
    .argCount = 1,
    .wholeText = false,
    .options = {kMode, kAll},
    .run = find,
});

const CliRegistration findPatternRegistration({
    .name = QStringLiteral("find-pattern"),
    .synopsis = QStringLiteral("[--mode plain|regex|root] QUERY"),
    .summary = QStringLiteral("the pattern the find dialog builds for QUERY"),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 1,
    .options = {kMode},
    .run = findPattern,
});

const CliRegistration statsRegistration({
    .name = QStringLiteral("stats"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("the eleven figures of the statistics dialog"),
    .kind = CliCommand::Kind::Query,
    .run = stats,
});

} // namespace
