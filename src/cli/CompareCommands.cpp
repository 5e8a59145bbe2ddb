#include "cli/CliCommand.h"

#include "compare/TextDiff.h"
#include "compare/TextMerge.h"
#include "wikitext/DocumentFormat.h"

#include <QCommandLineParser>

namespace {

// Reads the named documents as the editor opens them; false after a usage message.
bool readAll(CliContext &ctx, QList<QString> *texts)
{
    for (const QString &path : ctx.args) {
        QString text, error;
        if (!DocumentFormat::readFile(path, &text, &error)) {
            ctx.usage(error.replace(QLatin1Char('\n'), QLatin1Char(' ')));
            return false;
        }
        texts->append(text);
    }
    return true;
}

int diff(CliContext &ctx)
{
    QList<QString> texts;
    if (!readAll(ctx, &texts))
        return 2;
    const QString patch = TextDiff::unified(texts.at(0), texts.at(1), ctx.args.at(0), ctx.args.at(1));
    ctx.out << patch;
    return patch.isEmpty() ? 0 : 1;
}

int merge(CliContext &ctx)
{
    QList<QString> texts;
    if (!readAll(ctx, &texts))
        return 2;
    const QList<TextMerge::Region> regions = TextMerge::merge(texts.at(0), texts.at(1), texts.at(2));
    const QString merged = TextMerge::withMarkers(regions, ctx.args.at(0), ctx.args.at(2));
    const QString output = ctx.parser.value(QStringLiteral("o"));
    if (!output.isEmpty()) {
        QString reason;
        if (!DocumentFormat::writeFile(output, merged, &reason))
            return ctx.usage(reason.replace(QLatin1Char('\n'), QLatin1Char(' ')));
    } else {
        ctx.out << merged;
    }
    const qsizetype conflicts = TextMerge::conflictCount(regions);
    if (conflicts > 0)
        return ctx.refuse(QStringLiteral("התנגשויות שנותרו במיזוג: %1").arg(conflicts));
    return 0;
}

const CliRegistration diffCommand({
    .name = QStringLiteral("diff"),
    .synopsis = QStringLiteral("OLD NEW"),
    .summary = QStringLiteral("print the line changes from OLD to NEW as a unified diff; exit 1 when they differ"),
    .details = QStringLiteral("Both files are read as the editor opens them, so line breaks and encodings do not\n"
                              "count as changes. The headers carry no time stamps and the lines no CR, so that\n"
                              "patch applies the output to OLD saved as UTF-8 with LF."),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 2,
    .run = diff,
});

const CliRegistration mergeCommand({
    .name = QStringLiteral("merge"),
    .synopsis = QStringLiteral("MINE BASE THEIRS"),
    .summary = QStringLiteral("print the three-way merge of MINE and THEIRS from BASE; exit 1 on conflicts"),
    .details = QStringLiteral("Changes that do not touch are merged as git merge-file merges them; conflicting\n"
                              "lines stand between <<<<<<< MINE, ======= and >>>>>>> THEIRS lines. The text is\n"
                              "printed as UTF-8 with CR LF, or with -o OUT written to OUT in the document format."),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 3,
    .run = merge,
});

} // namespace
