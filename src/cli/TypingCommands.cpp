#include "cli/CliCommand.h"

#include "hebrew/Hebrew.h"
#include "wikitext/EditorKeys.h"
#include "wikitext/LiveAnalysis.h"
#include "wikitext/Markup.h"

#include <functional>

// The commands a person types into the editor: markup, points, the editor's own keys
// and the root link made right after "@".

namespace {

CliCommand editCommand(const char *name, const char *summary, std::function<EditorState(CliContext &)> edit)
{
    CliCommand command;
    command.name = QString::fromLatin1(name);
    command.synopsis = QStringLiteral("[FILE]");
    command.summary = QString::fromLatin1(summary);
    command.kind = CliCommand::Kind::Edit;
    command.wholeText = false;
    command.run = [edit](CliContext &ctx) {
        ctx.state = edit(ctx);
        return 0;
    };
    return command;
}

// The toggles start closed on every run, as in a freshly started editor.
EditorState toggled(CliContext &ctx, Markup::ToggledTag tag)
{
    Markup::TagToggles toggles;
    return Markup::toggledTag(ctx.state, tag, toggles);
}

// "ָ" or "U+05B8" (any case, with or without leading zeros) names a point.
QChar parsePoint(const QString &argument)
{
    if (argument.size() == 1)
        return argument.at(0);
    if (argument.size() > 2 && argument.startsWith(QLatin1String("U+"), Qt::CaseInsensitive)) {
        bool ok = false;
        const uint code = argument.mid(2).toUInt(&ok, 16);
        if (ok && code <= 0xFFFF)
            return QChar(char16_t(code));
    }
    return QChar();
}

const CliRegistration registrations[] = {
    CliRegistration(editCommand("bold", "wrap the selection in ''' or insert '''",
                                [](CliContext &ctx) { return Markup::bold(ctx.state); })),
    CliRegistration(editCommand("little", "wrap the selection in <small> or open the tag",
                                [](CliContext &ctx) { return toggled(ctx, Markup::ToggledTag::Small); })),
    CliRegistration(editCommand("math", "wrap the selection in <math> or open the tag",
                                [](CliContext &ctx) { return toggled(ctx, Markup::ToggledTag::Math); })),
    CliRegistration(editCommand("nowiki", "wrap the selection in <nowiki> or open the tag",
                                [](CliContext &ctx) { return toggled(ctx, Markup::ToggledTag::NoWiki); })),
    CliRegistration(editCommand("br", "insert <br/>", [](CliContext &ctx) { return Markup::lineBreak(ctx.state); })),
    CliRegistration(editCommand("quote", "the selection as an emphasised quotation",
                                [](CliContext &ctx) { return Markup::quote(ctx.state); })),
    CliRegistration(
        editCommand("comment", "a hidden note at the top", [](CliContext &ctx) { return Markup::comment(ctx.state); })),
    CliRegistration(editCommand("image", "an image line by the caret line (reads --clipboard)",
                                [](CliContext &ctx) { return Markup::image(ctx.state, ctx.clipboard); })),
    CliRegistration(editCommand("wikipedia-link", "Ctrl+W: the selection as a Wikipedia link",
                                [](CliContext &ctx) { return Markup::wikipediaLink(ctx.state); })),
    CliRegistration(editCommand("maqaf", "Ctrl+minus: the maqaf in place of the selection",
                                [](CliContext &ctx) { return Markup::maqaf(ctx.state); })),
    CliRegistration([] {
        CliCommand command = editCommand("strip-points", "remove the vowel points from the whole text",
                                         [](CliContext &ctx) {
                                             return EditorState{Hebrew::stripVowelPoints(ctx.state.text), 0, 0};
                                         });
        command.wholeText = true;
        return command;
    }()),
    CliRegistration(editCommand("root-link", "the roots between @ signs as category links",
                                [](CliContext &ctx) { return LiveAnalysis::rootLink(ctx.state); })),
    CliRegistration([] {
        CliCommand command;
        command.name = QStringLiteral("point");
        command.synopsis = QStringLiteral("CHAR [FILE]");
        command.summary = QStringLiteral("a vowel-point button; CHAR is the point or its code (U+05B8)");
        command.kind = CliCommand::Kind::Edit;
        command.wholeText = false;
        command.argCount = 1;
        command.run = [](CliContext &ctx) {
            const QChar point = parsePoint(ctx.args.at(0));
            if (point.isNull() || !Hebrew::isPoint(point))
                return ctx.usage(QStringLiteral("'%1' is not one of the vowel points").arg(ctx.args.at(0)));
            ctx.state = EditorKeys::insertVowelPoint(ctx.state, point);
            return 0;
        };
        return command;
    }()),
};

} // namespace
