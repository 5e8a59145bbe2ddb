#include "wikitext/EditorKeys.h"

#include "entry/EntryText.h"
#include "wikitext/DocumentFormat.h"

namespace EditorKeys {

namespace {

// The line of `text` holding `position`, without its line break.
QString lineAt(const QString &text, int position)
{
    const qsizetype previous = position > 0 ? text.lastIndexOf(EntryText::LineBreak, position - 1) : -1;
    const qsizetype from = previous < 0 ? 0 : previous + 2;
    qsizetype end = text.indexOf(EntryText::LineBreak, from);
    if (end < 0)
        end = text.size();
    return text.mid(from, end - from);
}

bool isBlankLine(const QString &line)
{
    for (const QChar c : line) {
        if (c.unicode() > 0x20)
            return false;
    }
    return true;
}

} // namespace

EditorState insertVowelPoint(const EditorState &state, QChar point)
{
    return replaceSelection(state, QString(point));
}

EditorState insertTab(const EditorState &state)
{
    return replaceSelection(state, QStringLiteral("::"));
}

EditorState pasteQuotation(const EditorState &state, const QString &clipboard)
{
    // Clipboards here usually hold LF line breaks; they count like CR LF.
    QString t = DocumentFormat::normaliseLineBreaks(clipboard);
    t.replace(QStringLiteral("\r\n\r\n"), QStringLiteral(" / "));
    t.replace(EntryText::LineBreak, QStringLiteral(" / "));
    t = QStringLiteral("#:* \"") + t + QStringLiteral("\" ([");
    // A separator left by a final line break would stand before the closing mark.
    t.replace(QStringLiteral(" / \""), QStringLiteral("\""));
    // The caret sits at the end of a selection made forwards.
    if (!isBlankLine(lineAt(state.text, state.selEnd())))
        t.prepend(EntryText::LineBreak);
    return replaceSelection(state, t);
}

} // namespace EditorKeys
