#pragma once

#include "wikitext/EditorState.h"

#include <QLocale>
#include <QString>

// What the editor works out again on every change of its text.

namespace LiveAnalysis {

// The status line: "[ n תווים ]", n grouped in thousands by the locale.
QString characterCountText(qint64 length, const QLocale &locale = QLocale());

// The editor text's length with CR LF counted as two, from the counts of a document
// that keeps one separator per block and one more after the last block.
qint64 editorTextLength(qint64 characterCount, qint64 blockCount);

// The category link for a root written between two "@" signs ("כתב", "כ-ת-ב",
// "ספר א"), or an empty string when the root is too short or too long.
QString rootLinkFor(const QString &between);

// One step: the first "@" pair of the text, when it holds a root, becomes its link
// wherever that pair occurs, and the caret goes after the first link. Returns false,
// leaving the state alone, when the pair does not hold a root.
bool rootLinkStep(EditorState &state);

// The step repeated until the first pair does not hold a root; the caret ends after
// the first link made. `changed` tells whether any pair was converted. The result is
// that of the repeated steps, reached in one pass over the text.
EditorState rootLink(const EditorState &state, bool *changed = nullptr);

} // namespace LiveAnalysis
