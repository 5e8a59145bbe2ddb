#pragma once

#include "wikitext/EditorState.h"

#include <QString>

// The markup commands of the main window as plain functions of the editor state.
// Each leaves the caret where the command puts it, with nothing selected.
namespace Markup {

// A tag that, used without a selection, opens on the first use and closes on the next.
enum class ToggledTag { Small, Math, NoWiki };

// Which of the toggled tags were opened without a selection and not yet closed.
struct TagToggles
{
    bool smallOpen = false;
    bool mathOpen = false;
    bool noWikiOpen = false;

    bool &open(ToggledTag tag);
    friend bool operator==(const TagToggles &a, const TagToggles &b)
    {
        return a.smallOpen == b.smallOpen && a.mathOpen == b.mathOpen && a.noWikiOpen == b.noWikiOpen;
    }
};

QString openingTag(ToggledTag tag);
QString closingTag(ToggledTag tag);

// Puts `opening` before and `closing` after the selection; the caret ends after `closing`.
EditorState wrapSelection(const EditorState &state, const QString &opening, const QString &closing);

// "'''" around the selection, or "'''" alone without one.
EditorState bold(const EditorState &state);

// The tag around the selection (the toggle stays as it is), or without a selection
// the opening or closing tag by the toggle, which then flips.
EditorState toggledTag(const EditorState &state, ToggledTag tag, TagToggles &toggles);

// "<br/>" in place of the selection.
EditorState lineBreak(const EditorState &state);

// The selection as an emphasised quotation; the caret waits between the parentheses
// for its source. Without a selection nothing changes.
EditorState quote(const EditorState &state);

// A hidden note at the top of the text, the caret before its word.
EditorState comment(const EditorState &state);

// The image link for the clipboard text, or the placeholder link when the clipboard
// holds no image name. Line breaks of the clipboard come in as CR LF.
QString imageLink(const QString &clipboard);

// An image line above or below the caret line; the caret ends at the start of the
// line after it.
EditorState image(const EditorState &state, const QString &clipboard);

// "[[w:S|S]]" for the selected text S, the caret after it. Without a selection
// nothing changes.
EditorState wikipediaLink(const EditorState &state);

// The maqaf in place of the selection.
EditorState maqaf(const EditorState &state);

// Index (0-based) of the line that holds `position`, lines separated by CR LF.
int lineIndexAt(const QString &text, int position);
// Start and end (before its CR LF) of the line that holds `position`.
int lineStartAt(const QString &text, int position);
int lineEndAt(const QString &text, int position);

} // namespace Markup
