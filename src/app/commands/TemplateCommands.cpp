#include "app/commands/TemplateCommands.h"

#include "app/EditorAdapter.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/PatternEdit.h"
#include "dialogs/verbs/VerbsDialog.h"
#include "gui/HebrewMessageBox.h"
#include "wikitext/EntryTemplates.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

const QString TemplateCommands::NewArticleQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם אתה בטוח שברצונך לכתוב ערך חדש?\u200F");
const QString TemplateCommands::NewVerbQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם אתה בטוח שברצונך לכתוב פועל חדש?\u200F");
const QString TemplateCommands::NewRootQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם אתה בטוח שברצונך לכתוב שורש חדש?\u200F");

TemplateCommands::TemplateCommands(EditorAdapter &editor, DocumentCommands &document, RegEx &regEx,
                                   VerbsDialog &verbsDialog, const QLabel &arabWord, const QLabel &russianWord,
                                   QWidget &window)
    : m_editor(editor)
    , m_document(document)
    , m_regEx(regEx)
    , m_verbsDialog(verbsDialog)
    , m_arabWord(arabWord)
    , m_russianWord(russianWord)
    , m_window(window)
{
    m_editor.widget()->viewport()->installEventFilter(this);
    m_verbsDialog.setTarget({[this](const QString &page) {
                                 m_editor.apply({page, 0, 0});
                             },
                             [this] {
                                 m_window.activateWindow();
                                 m_editor.widget()->setFocus();
                             }});
}

TemplateCommands::~TemplateCommands()
{
    m_editor.widget()->viewport()->removeEventFilter(this);
    m_verbsDialog.setTarget({});
}

bool TemplateCommands::mayDiscard(const QString &question) const
{
    return !m_document.isModified() || HebrewMessageBox::askYesNo(question);
}

void TemplateCommands::newArticle()
{
    if (mayDiscard(NewArticleQuestion))
        m_document.resetToNewDocument(Templates::newArticle(m_arabWord.text(), m_russianWord.text()));
}

void TemplateCommands::newVerb()
{
    if (mayDiscard(NewVerbQuestion))
        m_document.resetToNewDocument(Templates::newVerb(m_arabWord.text(), m_russianWord.text()));
}

void TemplateCommands::newRoot()
{
    if (!mayDiscard(NewRootQuestion))
        return;
    m_document.resetToNewDocument(Templates::newRoot());
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

void TemplateCommands::editorClicked()
{
    if (!m_verbsDialog.isVisible())
        return;
    m_verbsDialog.activateWindow();
    m_verbsDialog.root()->setFocus();
}

bool TemplateCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == m_editor.widget()->viewport())
        editorClicked();
    return QObject::eventFilter(watched, event);
}
