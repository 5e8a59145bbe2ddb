#include "cli/CliCommand.h"

#include "dialogs/sentences/logic/EntrySentences.h"
#include "regex/RegEx.h"

#include <QCommandLineParser>

namespace {

const QCommandLineOption kWikipedia(QStringLiteral("wikipedia"), QStringLiteral("link the author to Wikipedia"));

const QHash<QString, NewSentence::Kind> Kinds{
    {QStringLiteral("plain"), NewSentence::Kind::Plain},
    {QStringLiteral("sources"), NewSentence::Kind::Sources},
    {QStringLiteral("literature"), NewSentence::Kind::Literature},
};

// The dialog shown at the caret, `edit` made to its tables, then "עדכן".
template <typename Edit> int updateEntry(CliContext &ctx, Edit &&edit)
{
    RegEx regex;
    EntrySentences sentences = Sentences::read(regex, ctx.state);
    if (regex.failed())
        return ctx.refuse(EngineGaveUpMessage);
    if (!sentences.hasDefinitionsBlock())
        return ctx.refuse(Sentences::NoDefinitionsMessage);
    if (const int status = edit(sentences))
        return status;
    const SentencesWriteBack written = Sentences::writeBack(regex, ctx.state, sentences);
    switch (written.status) {
    case SentencesWriteBack::Written:
        ctx.state = written.state;
        return 0;
    case SentencesWriteBack::NotFound:
        return ctx.refuse(Sentences::NotFoundMessage);
    case SentencesWriteBack::EngineGaveUp:
        break;
    }
    return ctx.refuse(EngineGaveUpMessage);
}

int addExample(CliContext &ctx)
{
    NewSentence sentence;
    sentence.definition = ctx.args.at(0);
    if (!Kinds.contains(ctx.args.at(1)))
        return ctx.usage(QStringLiteral("KIND must be plain, sources or literature"));
    sentence.kind = Kinds.value(ctx.args.at(1));
    const QString placement = ctx.args.at(2);
    if (placement == QLatin1String("beside"))
        sentence.placement = EntryStructure::BesideDefinition;
    else if (placement == QLatin1String("section"))
        sentence.placement = EntryStructure::SeparateSection;
    else
        return ctx.usage(QStringLiteral("PLACEMENT must be beside or section"));
    sentence.text = ctx.args.at(3);
    if (sentence.kind == NewSentence::Kind::Sources) {
        sentence.source = ctx.args.at(4);
    } else if (sentence.kind == NewSentence::Kind::Literature) {
        sentence.work = ctx.args.at(4);
        sentence.author = ctx.args.at(5);
    }
    sentence.wikipediaLink = ctx.parser.isSet(kWikipedia);

    return updateEntry(ctx, [&](EntrySentences &sentences) {
        if (Sentences::addSentence(sentences.examples, sentence, ctx.clipboard))
            return 0;
        return ctx.refuse(QStringLiteral("המשפט לא נוסף: יש למלא את המשפט ואת כל השדות שסוגו דורש."));
    });
}

int argumentsOfAddExample(const QStringList &positional)
{
    const QString kind = positional.size() > 1 ? positional.at(1) : QString();
    if (kind == QLatin1String("sources"))
        return 5;
    if (kind == QLatin1String("literature"))
        return 6;
    return 4;
}

const CliRegistration examplesUpdate({
    .name = QStringLiteral("examples-update"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("read the example sentences of the entry under the caret and write them back"),
    .kind = CliCommand::Kind::Edit,
    .wholeText = false,
    .run = [](CliContext &ctx) { return updateEntry(ctx, [](EntrySentences &) { return 0; }); },
});

const CliRegistration addExampleCommand({
    .name = QStringLiteral("add-example"),
    .synopsis = QStringLiteral("DEF KIND PLACEMENT TEXT [SOURCE | WORK AUTHOR] [FILE]"),
    .summary = QStringLiteral("add an example sentence to the entry under the caret"),
    .details = QStringLiteral("KIND: plain, sources (then SOURCE) or literature (then WORK AUTHOR; the work links\n"
                              "to a Project Ben-Yehuda address given with --clipboard).\n"
                              "PLACEMENT: beside (the definition) or section (further quotes)."),
    .kind = CliCommand::Kind::Edit,
    .wholeText = false,
    .argCountFor = argumentsOfAddExample,
    .options = {kWikipedia},
    .run = addExample,
});

} // namespace
