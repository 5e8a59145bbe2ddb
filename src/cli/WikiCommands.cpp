#include "cli/CliCommand.h"

#include "wiki/WikiClient.h"
#include "wiki/WikiSync.h"
#include "wikitext/DocumentFormat.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

const QCommandLineOption apiOption(QStringLiteral("api"), QString(), QStringLiteral("URL"));
const QCommandLineOption userOption(QStringLiteral("user"), QString(), QStringLiteral("NAME"));
const QCommandLineOption passwordFileOption(QStringLiteral("password-file"), QString(), QStringLiteral("F"));
const QCommandLineOption summaryOption(QStringLiteral("summary"), QString(), QStringLiteral("TEXT"));
const QCommandLineOption baseRevisionOption(QStringLiteral("base-revision"), QString(), QStringLiteral("N"));
const QCommandLineOption allowBlankOption(QStringLiteral("allow-blank"));

bool apiAddress(CliContext &ctx, QUrl *api)
{
    *api = QUrl(ctx.parser.value(apiOption), QUrl::StrictMode);
    return api->isValid() && (api->scheme() == QLatin1String("http") || api->scheme() == QLatin1String("https"))
        && !api->host().isEmpty();
}

// A server that cannot be reached is a usage matter (2); the wiki's refusals are 1.
int failure(CliContext &ctx, const WikiError &error)
{
    if (error.unreachable())
        return ctx.usage(error.message());
    return ctx.refuse(error.message());
}

int wikiGet(CliContext &ctx)
{
    QUrl api;
    if (!apiAddress(ctx, &api))
        return ctx.usage(QStringLiteral("wiki-get needs --api with the http(s) address of api.php"));
    WikiClient client(api);
    WikiPage page;
    QString wikiText;
    const WikiError error = WikiSync::readPage(client, ctx.args.at(0), &page, &wikiText);
    if (!error.ok())
        return failure(ctx, error);
    const QString text = WikiClient::textForEditor(wikiText);
    const QString output = ctx.parser.value(QStringLiteral("o"));
    if (!output.isEmpty()) {
        QString reason;
        if (!DocumentFormat::writeFile(output, text, &reason))
            return ctx.usage(reason.replace(QLatin1Char('\n'), QLatin1Char(' ')));
    } else {
        ctx.out << text;
    }
    ctx.err << "revision " << page.revision << '\n';
    return 0;
}

int wikiPut(CliContext &ctx)
{
    QUrl api;
    if (!apiAddress(ctx, &api))
        return ctx.usage(QStringLiteral("wiki-put needs --api with the http(s) address of api.php"));
    if (!ctx.parser.isSet(userOption) || !ctx.parser.isSet(passwordFileOption))
        return ctx.usage(QStringLiteral("wiki-put needs --user and --password-file"));
    qint64 baseRevision = 0;
    if (ctx.parser.isSet(baseRevisionOption)) {
        bool ok = false;
        baseRevision = ctx.parser.value(baseRevisionOption).toLongLong(&ok);
        if (!ok || baseRevision <= 0)
            return ctx.usage(QStringLiteral("--base-revision must be a revision number"));
    }
    // Never standard input: a forgotten FILE must not empty the page.
    const QString path = ctx.args.at(1);
    if (path == QLatin1String("-"))
        return ctx.usage(QStringLiteral("wiki-put reads FILE, not standard input"));
    QString text, reason;
    if (!DocumentFormat::readFile(path, &text, &reason))
        return ctx.usage(reason.replace(QLatin1Char('\n'), QLatin1Char(' ')));
    QFile file(ctx.parser.value(passwordFileOption));
    if (!file.open(QIODevice::ReadOnly))
        return ctx.usage(QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
    const QString password = QString::fromUtf8(file.readLine()).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));

    WikiClient client(api);
    WikiError error = WikiSync::login(client, ctx.parser.value(userOption), password);
    if (!error.ok())
        return failure(ctx, error);
    WikiEdit edit{WikiPage{ctx.args.at(0), baseRevision}, text, decodeArgument(ctx.parser.value(summaryOption))};
    edit.allowBlank = ctx.parser.isSet(allowBlankOption);
    WikiPage saved;
    error = WikiSync::savePage(client, edit, &saved);
    if (!error.ok())
        return failure(ctx, error);
    ctx.print(QStringLiteral("revision %1").arg(saved.revision));
    return 0;
}

const CliRegistration wikiGetCommand({
    .name = QStringLiteral("wiki-get"),
    .synopsis = QStringLiteral("--api URL TITLE"),
    .summary = QStringLiteral("print a wiki page's text; its revision goes to standard error"),
    .details = QStringLiteral("With -o OUT the text is written to OUT in the document format."),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 1,
    .options = {apiOption},
    .run = wikiGet,
});

const CliRegistration wikiPutCommand({
    .name = QStringLiteral("wiki-put"),
    .synopsis = QStringLiteral("--api URL --user NAME --password-file F [--summary TEXT] [--base-revision N] "
                               "[--allow-blank] TITLE FILE"),
    .summary = QStringLiteral("save FILE's text as a wiki page; prints the new revision"),
    .details = QStringLiteral("NAME and the first line of F are a bot password's user name (User@application) and\n"
                              "password. With --base-revision, a page changed since revision N is refused as an\n"
                              "edit conflict. An empty text is refused unless --allow-blank. FILE is required;\n"
                              "standard input is never read."),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 2,
    .options = {apiOption, userOption, passwordFileOption, summaryOption, baseRevisionOption, allowBlankOption},
    .run = wikiPut,
});

} // namespace
