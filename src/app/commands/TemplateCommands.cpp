#include "app/commands/TemplateCommands.h"

#include "app/DocumentModel.h"
#include "app/EditorAdapter.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/PatternEdit.h"
#include "dialogs/verbs/VerbsDialog.h"
#include "gui/HebrewMessageBox.h"
#include "wikitext/EntryTemplates.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

const QString TemplateCommands::NewArticleQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם אתה בטוח שברצונך לכתוב ערך חדש?\u200F");
const QString TemplateCommands::NewVerbQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם אתה בטוח שברצונך לכתוב פועל חדש?\u200F");
const QString TemplateCommands::NewRootQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם אתה בטוח שברצונך לכתוב שורש חדש?\u200F");

TemplateCommands::TemplateCommands(EditorAdapter &editor, DocumentCommands &documents, DocumentModel &document,
                                   RegEx &regEx, VerbsDialog &verbsDialog, QWidget &window)
    : m_editor(editor)
    , m_documents(documents)
    , m_document(document)
    , m_regEx(regEx)
    , m_verbsDialog(verbsDialog)
    , m_window(window)
{
    m_editor.widget()->viewport()->installEventFilter(this);
    connect(&m_verbsDialog, &VerbsDialog::pageWritten, this, [this](const QString &page) {
        m_editor.apply({page, 0, 0});
    });
    connect(&m_verbsDialog, &VerbsDialog::closed, this, &TemplateCommands::rootPageDone);
}

TemplateCommands::~TemplateCommands()
{
    m_editor.widget()->viewport()->removeEventFilter(this);
}

bool TemplateCommands::mayDiscard(const QString &question) const
{
    return !m_documents.isModified() || HebrewMessageBox::askYesNo(question);
}

void TemplateCommands::newArticle()
{
    if (mayDiscard(NewArticleQuestion))
        m_documents.resetToNewDocument(Templates::newArticle());
}

void TemplateCommands::newVerb()
{
    if (mayDiscard(NewVerbQuestion))
        m_documents.resetToNewDocument(Templates::newVerb());
}

void TemplateCommands::newRoot()
{
    if (!mayDiscard(NewRootQuestion))
        return;
    m_documents.resetToNewDocument(Templates::newRoot());
    m_document.setRootPagePending(true);
    m_verbsDialog.show();
    m_verbsDialog.raise();
    m_verbsDialog.activateWindow();
}

// The new skeleton's heading at the top of the view rather than wherever the caret lands.
void TemplateCommands::revealAppended()
{
    QPlainTextEdit *widget = m_editor.widget();
    widget->verticalScrollBar()->setValue(widget->verticalScrollBar()->maximum());
    widget->ensureCursorVisible();
}

void TemplateCommands::addArticle()
{
    m_editor.apply(Templates::addArticle(m_editor.state()));
    revealAppended();
}

void TemplateCommands::addVerb()
{
    m_editor.apply(Templates::addVerb(m_editor.state()));
    revealAppended();
}

void TemplateCommands::anotherMeaning()
{
    m_editor.apply(Templates::anotherMeaning(m_editor.state()));
}

void TemplateCommands::tableOfContents()
{
    applyPatternEdit(m_editor, m_regEx, [](RegEx &regEx, const EditorState &state) {
        return Templates::buildTableOfContents(regEx, state);
    });
}

void TemplateCommands::rootPageDone()
{
    m_document.setRootPagePending(false);
    m_window.activateWindow();
    m_editor.widget()->setFocus();
}

// While a root's page is written, a click in the editor sends the focus to its root.
bool TemplateCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == m_editor.widget()->viewport()
        && m_document.rootPagePending())
        m_verbsDialog.focusRoot();
    return QObject::eventFilter(watched, event);
}
