#include "app/commands/CleanupCommands.h"

#include "app/HebrewMessageBox.h"
#include "app/TForm1.h"
#include "wikitext/Cleanup.h"
#include "wikitext/Unify.h"

#include <QAction>

CleanupCommands::CleanupCommands(TForm1 &form)
    : QObject(&form)
    , m_form(form)
{
    connect(form.action(QStringLiteral("FixSpaces")), &QAction::triggered, this, &CleanupCommands::FixSpacesClick);
    connect(form.action(QStringLiteral("Punctuation")), &QAction::triggered, this,
            &CleanupCommands::PunctuationClick);
    connect(form.action(QStringLiteral("Unify")), &QAction::triggered, this, &CleanupCommands::UnifyClick);
}

void CleanupCommands::FixSpacesClick()
{
    run(::FixSpacesClick);
}

void CleanupCommands::PunctuationClick()
{
    run(::PunctuationClick);
}

void CleanupCommands::UnifyClick()
{
    run(::UnifyClick);
}

void CleanupCommands::run(EditorState (*command)(RegEx &, const EditorState &))
{
    const EditorState before = m_form.editor().state();
    const EditorState after = command(m_form.regEx(), before);
    if (m_form.regEx().failed()) {
        // Nothing was changed: a half-done clean-up is worse than none.
        HebrewMessageBox::notice(QStringLiteral("הפעולה לא בוצעה: הטקסט ארוך או מסובך מדי לביטוי הרגולרי.\u200F"));
        return;
    }
    if (after != before)
        m_form.editor().apply(after);
}
