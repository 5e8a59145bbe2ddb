#include "cli/CliCommand.h"

#include "hunspell/HunspellDictionary.h"
#include "spell/LockedDictionary.h"
#include "spell/PersonalWords.h"
#include "spell/SpellChecker.h"

#include <mutex>

namespace {

// Loading the dictionary takes most of a second and much memory: a dump's threads
// share one while any of them holds it.
std::shared_ptr<SpellDictionary> sharedDictionary(QString *reason)
{
    static std::mutex mutex;
    static std::weak_ptr<SpellDictionary> loaded;
    std::lock_guard lock(mutex);
    if (std::shared_ptr<SpellDictionary> dictionary = loaded.lock())
        return dictionary;
    std::shared_ptr<SpellDictionary> hunspell = HunspellDictionary::loadHebrew(reason);
    if (!hunspell)
        return nullptr;
    auto dictionary = std::make_shared<LockedDictionary>(std::move(hunspell));
    loaded = dictionary;
    return dictionary;
}

// A checker of the run's own, or the one this thread keeps from page to page.
std::shared_ptr<SpellChecker> checkerFor(CliContext &ctx, QString *reason)
{
    if (ctx.keep && ctx.keep->has_value())
        return std::any_cast<std::shared_ptr<SpellChecker>>(*ctx.keep);
    std::shared_ptr<SpellDictionary> dictionary = ctx.keep ? sharedDictionary(reason)
                                                           : HunspellDictionary::loadHebrew(reason);
    if (!dictionary)
        return nullptr;
    auto checker = std::make_shared<SpellChecker>(std::move(dictionary));
    checker->setPersonalWords(PersonalWords::load(PersonalWords::path()));
    if (ctx.keep)
        *ctx.keep = checker;
    return checker;
}

int spell(CliContext &ctx)
{
    QString reason;
    const std::shared_ptr<SpellChecker> checker = checkerFor(ctx, &reason);
    if (!checker)
        return ctx.usage(reason);
    const QList<SpellChecker::Misspelling> found = checker->check(ctx.state.text);
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
