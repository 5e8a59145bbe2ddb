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
    connect(&m_footnotesDialog, &FootnotesDialog::footnoteRequested, this, &NoteCommands::addFootnote);
}

void NoteCommands::footnote()
{
    const EditorState state = m_editor.state();
    if (state.text.contains(QStringLiteral("\r\n#")))
        m_footnotesDialog.showFootnotes(state.selStart, viewStart());
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

void NoteCommands::addFootnote(const FootnoteRequest &request)
{
    const Footnotes::AddResult added = Footnotes::addFootnote(m_regEx, m_editor.text(), request.caret, request.name,
                                                              request.note);
    if (added.outcome != Footnotes::AddResult::Outcome::Added) {
        HebrewMessageBox::notice(added.message);
        return;
    }
    const EditorState &result = added.state;
    const int start = request.viewStart;
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
    m_footnotesDialog.hide();
}
