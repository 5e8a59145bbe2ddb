#include "cli/CliCommand.h"

#include "dialogs/greek/logic/GreekLetters.h"
#include "dialogs/semitic/logic/SemiticLetters.h"

#include <optional>

// The letter pads' "הוסף" with the word typed in, and the Greek transliteration.

namespace {

// The pad does nothing while it holds nothing; a script hears why.
const QString NothingToInsertMessage = QStringLiteral("לא הוקלד טקסט להוספה.\u200F");

int insert(CliContext &ctx, const std::optional<EditorState> &result)
{
    if (!result)
        return ctx.refuse(NothingToInsertMessage);
    ctx.state = *result;
    return 0;
}

const CliRegistration greek({
    .name = QStringLiteral("greek"),
    .synopsis = QStringLiteral("WORD [FILE]"),
    .summary = QStringLiteral("insert {{יוונית|WORD|transliteration}} at the caret, WORD trimmed"),
    .kind = CliCommand::Kind::Edit,
    .argCount = 1,
    .wholeText = false,
    .run = [](CliContext &ctx) { return insert(ctx, GreekLetters::insertion(ctx.state, ctx.args.at(0))); },
});

const CliRegistration semitic({
    .name = QStringLiteral("semitic"),
    .synopsis = QStringLiteral("TEXT [FILE]"),
    .summary = QStringLiteral("insert {{יוניקוד|TEXT}} at the caret, TEXT as typed"),
    .kind = CliCommand::Kind::Edit,
    .argCount = 1,
    .wholeText = false,
    .run = [](CliContext &ctx) { return insert(ctx, SemiticLetters::insertion(ctx.state, ctx.args.at(0))); },
});

const CliRegistration transliterateGreek({
    .name = QStringLiteral("transliterate-greek"),
    .synopsis = QStringLiteral("TEXT"),
    .summary = QStringLiteral("print the Latin transliteration of the Greek TEXT"),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 1,
    .run =
        [](CliContext &ctx) {
            ctx.print(GreekLetters::transliterate(ctx.args.at(0)));
            return 0;
        },
});

} // namespace
