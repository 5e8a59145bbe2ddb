#pragma once

#include <QString>

// The preview: the page's title taken from the text, and its edit form on the wiki,
// where the text is pasted from the clipboard. A root page made by the verb dialog
// first gets "-אין-" in its empty parameters and its category letter.
struct PreviewResult
{
    enum Status {
        Open,    // open `address` with `text` on the clipboard
        NoTitle, // no heading to take the title from: nothing happens
        NoRoot   // a root page without its root: the user is told
    };
    Status status = NoTitle;
    QString text; // the editor text, changed for a root page
    QString address;
};

namespace Preview {

// Said when there is nothing to preview (the editor says nothing then).
inline const QString NoTitleMessage = QStringLiteral("לא נמצאה בטקסט כותרת שאפשר להציג את הדף שלה.\u200F");
// Said when a root page names no root.
inline const QString NoRootMessage = QStringLiteral(
    "לא ניתן להציג תצוגה מקדימה: בדף השורש לא נכתב השורש (\"שורש=\").\u200F");

PreviewResult prepare(const QString &text);

} // namespace Preview
