#include "cli/CliCommand.h"

#include "dialogs/footnotes/logic/Footnotes.h"
#include "dialogs/translations/logic/Translations.h"
#include "entry/EntryText.h"
#include "regex/RegEx.h"

namespace {

// The Hebrew message of "הוסף הכול" with nothing in the list, which the dialog
// prevents by disabling the button.
const QString NoTranslationsMessage = QStringLiteral("אין ברשימה תרגומים להוספה.\u200F");

int translations(CliContext &ctx)
{
    QList<TranslationRow> rows = Translations::read(ctx.state.selectedText(), Translations::LanguageColumn)
                                     .value_or(QList<TranslationRow>{});
    for (const QStringList &add : ctx.multi.value(QStringLiteral("add"))) {
        // The dialog offers its languages in a list that takes no other.
        if (!Translations::languages().contains(add.at(0)))
            return ctx.usage(QStringLiteral("--add: '%1' is not one of the languages of the list").arg(add.at(0)));
        if (Translations::add(rows, add.at(0), add.at(1)) == Translations::Added::NewRow)
            Translations::sort(rows, Translations::LanguageColumn);
    }
    if (rows.isEmpty())
        return ctx.refuse(NoTranslationsMessage);
    ctx.state = Translations::writeInPlace(ctx.state, Translations::write(rows));
    return 0;
}

int footnote(CliContext &ctx)
{
    // The footnotes window opens only over a text with a definition line.
    if (!ctx.state.text.contains(QStringLiteral("\r\n#")))
        return ctx.refuse(Footnotes::NoDefinitionLineMessage);
    RegEx regex;
    const Footnotes::AddResult result = Footnotes::addFootnote(regex, ctx.state.text, ctx.state.selStart,
                                                               EntryText::trim(ctx.args.at(0)), ctx.args.at(1));
    if (result.outcome != Footnotes::AddResult::Outcome::Added)
        return ctx.refuse(result.message);
    ctx.state = result.state;
    return 0;
}

int fixReferences(CliContext &ctx)
{
    RegEx regex;
    const EditorState result = Footnotes::fixReferences(regex, ctx.state);
    if (regex.failed())
        return ctx.refuse(EngineGaveUpMessage);
    ctx.state = result;
    return 0;
}

const CliRegistration translationsCommand({
    .name = QStringLiteral("translations"),
    .synopsis = QStringLiteral("[--add LANGUAGE WORDS]... [FILE]"),
    .summary = QStringLiteral("read a selected translations template, add words, write it in place of the selection"),
    .details = QStringLiteral("LANGUAGE is one of the 62 Hebrew language names of the dialog's list, e.g. אנגלית.\n"
                              "WORDS are typed as in the dialog: \"a, b\" adds two translations.\n"
                              "Without any row to write the command refuses (exit status 1)."),
    .kind = CliCommand::Kind::Edit,
    .wholeText = false,
    .multiOptions = {{QStringLiteral("add"), 2}},
    .run = translations,
});

const CliRegistration footnoteCommand({
    .name = QStringLiteral("footnote"),
    .synopsis = QStringLiteral("NAME TEXT [FILE]"),
    .summary = QStringLiteral("add a footnote: its reference at the caret and its note line in the entry"),
    .kind = CliCommand::Kind::Edit,
    .argCount = 2,
    .wholeText = false,
    .run = footnote,
});

const CliRegistration fixReferencesCommand({
    .name = QStringLiteral("fix-references"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("renumber the references of the entry under the caret 1, 2, 3, ..."),
    .kind = CliCommand::Kind::Edit,
    .run = fixReferences,
});

} // namespace
