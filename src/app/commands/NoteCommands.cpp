#include "app/commands/NoteCommands.h"

#include "app/commands/PatternEdit.h"
#include "dialogs/footnotes/FootnotesDialog.h"
#include "dialogs/footnotes/logic/Footnotes.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

NoteCommands::NoteCommands(EditorAdapter &editor, RegEx &regEx, FootnotesDialog &footnotesDialog)
    : m_editor(editor)
    , m_regEx(regEx)
    , m_footnotesDialog(footnotesDialog)
{
    m_footnotesDialog.setTarget({&m_regEx, [this] { return m_editor.state(); }, [this] { return viewStart(); },
                                 [this](const EditorState &result, int start) { applyFootnote(result, start); }});
}

NoteCommands::~NoteCommands()
{
    // The dialog outlives this group by a moment while the window goes.
    m_footnotesDialog.setTarget({});
}

void NoteCommands::footnote()
{
    if (!m_editor.text().contains(QStringLiteral("\r\n#")))
        return;
    m_footnotesDialog.show();
    m_footnotesDialog.raise();
    m_footnotesDialog.activateWindow();
}

void NoteCommands::fixReferences()
{
    applyPatternEdit(m_editor, m_regEx, &Footnotes::fixReferences);
}

int NoteCommands::viewStart() const
{
    const QPlainTextEdit *widget = m_editor.widget();
    return m_editor.toStatePosition(widget->cursorForPosition(QPoint(0, 0)).block().position());
}

void NoteCommands::applyFootnote(const EditorState &result, int start)
{
    QPlainTextEdit *widget = m_editor.widget();
    m_editor.apply(result);
    // From the end the view moves up just far enough to show the earlier first line
    // at its top; then the caret goes into the new reference.
    widget->verticalScrollBar()->setValue(widget->verticalScrollBar()->maximum());
    QTextCursor cursor = widget->textCursor();
    cursor.setPosition(m_editor.toWidgetPosition(qBound(0, start, int(result.text.size()))));
    widget->setTextCursor(cursor);
    widget->ensureCursorVisible();
    cursor.setPosition(m_editor.toWidgetPosition(result.selStart));
    widget->setTextCursor(cursor);
    widget->ensureCursorVisible();
    widget->setFocus();
}
