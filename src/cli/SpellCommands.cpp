#include "cli/CliCommand.h"

#include "hunspell/HunspellDictionary.h"
#include "spell/PersonalWords.h"
#include "spell/SpellChecker.h"

namespace {

int spell(CliContext &ctx)
{
    QString reason;
    std::shared_ptr<SpellDictionary> dictionary = HunspellDictionary::loadHebrew(&reason);
    if (!dictionary)
        return ctx.usage(reason);
    SpellChecker checker(std::move(dictionary));
    checker.setPersonalWords(PersonalWords::load(PersonalWords::path()));
    const QList<SpellChecker::Misspelling> found = checker.check(ctx.state.text);
    if (found.isEmpty())
        ctx.print(QString());
    for (const SpellChecker::Misspelling &m : found)
        ctx.print(QStringLiteral("%1 %2 %3").arg(m.start).arg(m.length).arg(m.word));
    return 0;
}

const CliRegistration spellCommand({
    .name = QStringLiteral("spell"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("print 'S L WORD' for each misspelt word, in text order"),
    .details = QStringLiteral("Hebrew words are checked with the system's Hunspell dictionary (hunspell-he) and\n"
                              "the user's own words, their points and cantillation set aside; template and\n"
                              "parameter names, link targets, addresses, tags, hidden notes and other scripts\n"
                              "are skipped."),
    .kind = CliCommand::Kind::Query,
    .run = spell,
});

} // namespace
