#include "app/commands/TemplateCommands.h"

#include "app/HebrewMessageBox.h"
#include "app/TForm1.h"
#include "app/commands/DocumentCommands.h"
#include "dialogs/verbs/TVerbsForm.h"
#include "wikitext/EntryTemplates.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

const QString TemplateCommands::NewArticleQuestion
    = QStringLiteral("לא שמרת את הטקסט הנוכחי. האם אתה בטוח שברצונך לכתוב ערך חדש?\u200F");
const QString TemplateCommands::NewVerbQuestion
    = QStringLiteral("לא שמרת את הטקסט הנוכחי. האם אתה בטוח שברצונך לכתוב פועל חדש?\u200F");
const QString TemplateCommands::NewRootQuestion
    = QStringLiteral("לא שמרת את הטקסט הנוכחי. האם אתה בטוח שברצונך לכתוב שורש חדש?\u200F");

TemplateCommands::TemplateCommands(TForm1 &form)
    : QObject(&form)
    , m_form(form)
{
    const std::pair<const char *, void (TemplateCommands::*)()> items[] = {
        {"NewArticle", &TemplateCommands::NewArticleClick}, {"NewVerb", &TemplateCommands::NewVerbClick},
        {"NewRoot", &TemplateCommands::NewRootClick},       {"AddArticle", &TemplateCommands::AddArticleClick},
        {"AddVerb", &TemplateCommands::AddVerbClick},       {"Another", &TemplateCommands::AnotherClick},
        {"TOC", &TemplateCommands::TOCClick},
    };
    for (const auto &[name, handler] : items) {
        if (QAction *action = form.action(QLatin1String(name)))
            connect(action, &QAction::triggered, this, handler);
    }
    form.articleText()->viewport()->installEventFilter(this);
    form.setVerbDialogVisibleQuery([this] {
        const TVerbsForm *dialog = verbsDialog();
        return dialog && dialog->isVisible();
    });
}

bool TemplateCommands::mayDiscard(const QString &question) const
{
    return !m_form.document().isModified() || HebrewMessageBox::askYesNo(question);
}

TVerbsForm *TemplateCommands::verbsDialog()
{
    auto *dialog = m_form.findChild<TVerbsForm *>(QString(), Qt::FindDirectChildrenOnly);
    if (dialog) {
        dialog->setTarget({[this](const QString &page) { m_form.editor().apply({page, 0, 0}); },
                           [this] {
                               m_form.activateWindow();
                               m_form.articleText()->setFocus();
                           }});
    }
    return dialog;
}

void TemplateCommands::NewArticleClick()
{
    if (mayDiscard(NewArticleQuestion))
        m_form.document().resetToNewDocument(NewArticle(m_form.arabLabel()->text(), m_form.russianLabel()->text()));
}

void TemplateCommands::NewVerbClick()
{
    if (mayDiscard(NewVerbQuestion))
        m_form.document().resetToNewDocument(NewVerb(m_form.arabLabel()->text(), m_form.russianLabel()->text()));
}

void TemplateCommands::NewRootClick()
{
    if (!mayDiscard(NewRootQuestion))
        return;
    m_form.document().resetToNewDocument(NewRoot());
    if (TVerbsForm *dialog = verbsDialog()) {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

namespace {

// The new skeleton's heading at the top of the view rather than wherever the caret lands.
void revealAppended(QPlainTextEdit *editor)
{
    editor->verticalScrollBar()->setValue(editor->verticalScrollBar()->maximum());
    editor->ensureCursorVisible();
}

} // namespace

void TemplateCommands::AddArticleClick()
{
    m_form.editor().apply(AddArticle(m_form.editor().state()));
    revealAppended(m_form.articleText());
}

void TemplateCommands::AddVerbClick()
{
    m_form.editor().apply(AddVerb(m_form.editor().state()));
    revealAppended(m_form.articleText());
}

void TemplateCommands::AnotherClick()
{
    m_form.editor().apply(AnotherMeaning(m_form.editor().state()));
}

void TemplateCommands::TOCClick()
{
    m_form.editor().apply(BuildTableOfContents(m_form.regEx(), m_form.editor().state()));
}

void TemplateCommands::ArticleTextClick()
{
    TVerbsForm *dialog = verbsDialog();
    if (!dialog || !dialog->isVisible())
        return;
    dialog->activateWindow();
    dialog->root()->setFocus();
}

bool TemplateCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == m_form.articleText()->viewport())
        ArticleTextClick();
    return QObject::eventFilter(watched, event);
}
