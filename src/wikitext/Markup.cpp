#include "wikitext/Markup.h"

#include "entry/EntryText.h"
#include "hebrew/Hebrew.h"
#include "wikitext/DocumentFormat.h"

#include <QStringList>

namespace Markup {

namespace {

const QString kBold = QStringLiteral("'''");
const QString kQuoteMark = QStringLiteral("\"");

} // namespace

int lineStartAt(const QString &text, int position)
{
    // A line break belongs to the line it ends, so a position between its CR and
    // its LF is still on that line.
    int start = 0;
    for (int found = int(text.indexOf(EntryText::LineBreak)); found >= 0 && found + 2 <= position;
         found = int(text.indexOf(EntryText::LineBreak, found + 2)))
        start = found + 2;
    return start;
}

int lineEndAt(const QString &text, int position)
{
    const int found = int(text.indexOf(EntryText::LineBreak, lineStartAt(text, position)));
    return found < 0 ? int(text.size()) : found;
}

int lineIndexAt(const QString &text, int position)
{
    int index = 0;
    for (int found = int(text.indexOf(EntryText::LineBreak)); found >= 0 && found + 2 <= position;
         found = int(text.indexOf(EntryText::LineBreak, found + 2)))
        ++index;
    return index;
}

bool &TagToggles::open(ToggledTag tag)
{
    switch (tag) {
    case ToggledTag::Small:
        return smallOpen;
    case ToggledTag::Math:
        return mathOpen;
    case ToggledTag::NoWiki:
        break;
    }
    return noWikiOpen;
}

QString openingTag(ToggledTag tag)
{
    switch (tag) {
    case ToggledTag::Small:
        return QStringLiteral("<small>");
    case ToggledTag::Math:
        return QStringLiteral("<math>");
    case ToggledTag::NoWiki:
        break;
    }
    return QStringLiteral("<nowiki>");
}

QString closingTag(ToggledTag tag)
{
    QString closing = openingTag(tag);
    closing.insert(1, QLatin1Char('/'));
    return closing;
}

EditorState wrapSelection(const EditorState &state, const QString &opening, const QString &closing)
{
    EditorState result;
    result.text = state.text.left(state.selStart) + opening + state.selectedText() + closing
        + state.text.mid(state.selEnd());
    result.selStart = state.selEnd() + int(opening.size() + closing.size());
    return result;
}

EditorState bold(const EditorState &state)
{
    if (state.selLength > 0)
        return wrapSelection(state, kBold, kBold);
    return replaceSelection(state, kBold);
}

EditorState toggledTag(const EditorState &state, ToggledTag tag, TagToggles &toggles)
{
    if (state.selLength > 0)
        return wrapSelection(state, openingTag(tag), closingTag(tag));
    bool &open = toggles.open(tag);
    const QString insert = open ? closingTag(tag) : openingTag(tag);
    open = !open;
    return replaceSelection(state, insert);
}

EditorState lineBreak(const EditorState &state)
{
    return replaceSelection(state, QStringLiteral("<br/>"));
}

EditorState quote(const EditorState &state)
{
    if (state.selLength <= 0)
        return state;
    const QString &text = state.text;
    const int lineStart = lineStartAt(text, state.selEnd());
    const QString line = text.mid(lineStart, lineEndAt(text, state.selEnd()) - lineStart);
    QString prefix = QStringLiteral("{{הדגשה|") + kQuoteMark;
    if (state.selectedText() == line)
        prefix.prepend(QStringLiteral("#:* "));
    EditorState result = wrapSelection(state, prefix, kQuoteMark + QStringLiteral("|()}}"));
    result.selStart = state.selEnd() + int(prefix.size()) + 3;
    return result;
}

EditorState comment(const EditorState &state)
{
    return {QStringLiteral("<!--הערה-->\r\n\r\n") + state.text, 4, 0};
}

QString imageLink(const QString &clipboard)
{
    static const char *const kExtensions[] = {".jpg", ".png", ".svg", ".gif"};
    bool named = false;
    if (clipboard.size() < 300) {
        for (const char *extension : kExtensions)
            named = named || clipboard.contains(QLatin1String(extension), Qt::CaseInsensitive);
    }
    QString name = QStringLiteral("PictureFileName.jpg");
    if (named) {
        // Clipboards here usually hold LF line breaks; the text holds only CR LF.
        name = DocumentFormat::normaliseLineBreaks(EntryText::trim(clipboard));
        const qsizetype prefix = name.indexOf(QLatin1String("Image:"));
        if (prefix >= 0)
            name.remove(prefix, 6);
    }
    return QStringLiteral("[[תמונה:") + name + QStringLiteral("|שמאל|ממוזער|184px|כיתוב תמונה]]");
}

EditorState image(const EditorState &state, const QString &clipboard)
{
    QStringList lines = state.text.split(QStringLiteral("\r\n"));
    const int caretLine = lineIndexAt(state.text, state.selEnd());
    const QString &line = lines.at(caretLine);
    int k = caretLine;
    if (line.startsWith(QLatin1Char('#')))
        --k;
    if (EntryText::trim(line).isEmpty())
        --k;
    const QString link = imageLink(clipboard);
    lines.insert(k + 1, link);
    if (k + 2 < lines.size() && lines.at(k + 2).isEmpty())
        lines.removeAt(k + 2);

    EditorState result;
    result.text = lines.join(QStringLiteral("\r\n"));
    int imageLineStart = 0;
    for (int i = 0; i <= k; ++i)
        imageLineStart += int(lines.at(i).size()) + 2;
    result.selStart = qMin(imageLineStart + int(link.size()) + 2, int(result.text.size()));
    return result;
}

EditorState wikipediaLink(const EditorState &state)
{
    if (state.selLength <= 0)
        return state;
    return wrapSelection(state, QStringLiteral("[[w:"), QLatin1Char('|') + state.selectedText() + QStringLiteral("]]"));
}

EditorState maqaf(const EditorState &state)
{
    return replaceSelection(state, QString(QChar(Hebrew::Maqaf)));
}

} // namespace Markup
