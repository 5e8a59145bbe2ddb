#pragma once

#include "wikitext/EditorState.h"

#include <QString>

// The query for the literary quotations search, built from the entry above the
// caret: its pointed headword (quoted when it holds a space), its full spelling and,
// when asked for and the headword is one word, its inflected forms with and without
// points, all joined by " OR ".
namespace InflectionQuery {

// The caret line is the line that holds the end of the selection.
QString build(const EditorState &state, bool withInflections);

// The text has an inflections parameter: the query is then built with them.
bool hasInflections(const QString &text);

} // namespace InflectionQuery
