#include "app/commands/WikiCommands.h"

#include "app/DocumentModel.h"
#include "app/EditorAdapter.h"
#include "app/commands/DocumentCommands.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "platform/WikiPasswordStore.h"
#include "wiki/WikiClient.h"
#include "wikitext/WebAddresses.h"

#include <QDialog>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QVBoxLayout>

const QString WikiCommands::OpenQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם ברצונך לפתוח דף מהוויקי בכל זאת?\u200F");
const QString WikiCommands::CreateQuestion = QStringLiteral("הדף \"%1\" אינו קיים בוויקי. האם ליצור אותו?\u200F");
const QString WikiCommands::CompareQuestion = QStringLiteral(
    "\n\nהאם לפתוח את הטקסט שבוויקי עכשיו בחלון נוסף, כדי להשוות? שמירה נוספת תישמר מעליו.\u200F");
const QString WikiCommands::NoUserMessage = QStringLiteral("לא הוגדר משתמש בוט לוויקי. הגדר אותו בחלון ההגדרות.");
const QString WikiCommands::NoPasswordMessage = QStringLiteral(
    "אין סיסמת בוט שמורה למשתמש \"%1\". הזן אותה בחלון ההגדרות.");

WikiCommands::WikiCommands(EditorAdapter &editor, DocumentModel &document, DocumentCommands &documents,
                           const PreferencesModel &preferences, QWidget &window)
    : m_editor(editor)
    , m_document(document)
    , m_documents(documents)
    , m_preferences(preferences)
    , m_window(window)
{
}

WikiCommands::~WikiCommands() = default;

bool WikiCommands::busy() const
{
    return m_client && m_client->busy();
}

std::optional<QString> WikiCommands::ask(const QString &caption, const QString &label, const QString &initial)
{
    if (m_ask)
        return m_ask(label, initial);
    QInputDialog box(&m_window);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setWindowTitle(caption);
    box.setLabelText(label);
    box.setTextValue(initial);
    box.setOkButtonText(HebrewMessageBox::buttonCaption(QMessageBox::Ok));
    box.setCancelButtonText(HebrewMessageBox::buttonCaption(QMessageBox::Cancel));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

void WikiCommands::begin(const QString &label)
{
    m_client = std::make_unique<WikiClient>(QUrl(m_preferences.wikiApi()));
    if (!m_progress) {
        m_progress = new QProgressDialog(&m_window);
        m_progress->setLayoutDirection(Qt::RightToLeft);
        m_progress->setWindowTitle(AppTitle);
        m_progress->setCancelButtonText(HebrewMessageBox::buttonCaption(QMessageBox::Cancel));
        m_progress->setRange(0, 0);
        m_progress->setMinimumDuration(400);
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setAutoReset(false);
        m_progress->setAutoClose(false);
        connect(m_progress, &QProgressDialog::canceled, this, [this] {
            if (m_client)
                m_client->cancel();
        });
    }
    m_progress->setLabelText(label);
    m_progress->reset();
    m_progress->setValue(0);
}

void WikiCommands::end()
{
    if (m_progress)
        m_progress->reset();
    emit finished();
}

void WikiCommands::report(const WikiError &error)
{
    if (error.kind != WikiError::Cancelled)
        HebrewMessageBox::notice(error.message());
}

void WikiCommands::openFromWiki()
{
    if (busy() || (m_documents.isModified() && !HebrewMessageBox::askYesNo(OpenQuestion)))
        return;
    const std::optional<QString> typed = ask(QStringLiteral("פתח מהוויקי"), QStringLiteral("שם הדף:"), QString());
    if (!typed)
        return;
    QString title = typed->trimmed();
    if (const auto expanded = WebAddresses::expandNamespacePrefix(title))
        title = expanded->text;
    if (title.isEmpty())
        return;
    begin(QStringLiteral("קורא את \"%1\" מהוויקי...").arg(title));
    m_client->readPage(title, [this, title](const WikiError &error, const WikiPage &page) {
        end();
        if (error.kind == WikiError::PageMissing) {
            if (HebrewMessageBox::askYesNo(CreateQuestion.arg(page.title)))
                load(page);
        } else if (!error.ok()) {
            report(error);
        } else {
            load(page);
        }
    });
}

void WikiCommands::load(const WikiPage &page)
{
    const QString text = WikiClient::textForEditor(page.text);
    m_editor.setText(text);
    m_document.setFileName(QString());
    m_document.setSavedText(EditorAdapter::heldText(text));
    m_document.setQuickSavePending(false);
    m_document.setWikiPage({page.title, page.revision, page.revisionTimestamp, page.startTimestamp});
}

void WikiCommands::saveToWiki()
{
    if (busy())
        return;
    QString title = m_document.wikiPage().title;
    if (title.isEmpty()) {
        const std::optional<QString> typed = ask(QStringLiteral("שמור בוויקי"), QStringLiteral("שם הדף:"), QString());
        if (!typed)
            return;
        title = typed->trimmed();
        if (const auto expanded = WebAddresses::expandNamespacePrefix(title))
            title = expanded->text;
        if (title.isEmpty())
            return;
    }
    const std::optional<QString> summary = ask(QStringLiteral("שמור בוויקי"), QStringLiteral("תקציר העריכה:"),
                                               QString());
    if (!summary)
        return;
    const QString user = m_preferences.wikiUser();
    if (user.isEmpty())
        return HebrewMessageBox::notice(NoUserMessage);
    WikiPasswordStore::read(user, this, [this, title, summary, user](const QString &password, const QString &error) {
        if (password.isEmpty()) {
            HebrewMessageBox::notice(error.isEmpty() ? NoPasswordMessage.arg(user) : error);
            return;
        }
        save(title, *summary, password);
    });
}

void WikiCommands::save(const QString &title, const QString &summary, const QString &password)
{
    begin(QStringLiteral("שומר את \"%1\" בוויקי...").arg(title));
    // What is saved is the text as it stands now; typing meanwhile stays modified.
    const QString text = m_editor.text();
    DocumentModel::WikiPage base = m_document.wikiPage();
    if (base.title != title)
        base = DocumentModel::WikiPage{title};
    m_client->login(m_preferences.wikiUser(), password, [this, text, summary, base](const WikiError &error) {
        if (!error.ok()) {
            end();
            return report(error);
        }
        WikiEdit edit{base.title, text, summary, base.revision, base.revisionTimestamp, base.startTimestamp};
        edit.create = base.revision == 0;
        m_client->savePage(edit, [this, text, base](const WikiError &e, qint64 revision) {
            end();
            if (e.ok() || e.kind == WikiError::NoChange) {
                DocumentModel::WikiPage page = base;
                page.revision = e.ok() ? revision : base.revision;
                page.revisionTimestamp.clear();
                page.startTimestamp.clear();
                m_document.setWikiPage(page);
                // The text on the wiki is the saved copy, and the file keeps up with it.
                if (m_document.fileName().isEmpty()) {
                    m_document.setSavedText(text);
                    m_document.showSaveIndication();
                } else {
                    m_documents.saveToCurrentFile();
                }
                if (!e.ok())
                    report(e);
            } else if (e.kind == WikiError::EditConflict) {
                offerComparison(e);
            } else {
                report(e);
            }
        });
    });
}

void WikiCommands::offerComparison(const WikiError &conflict)
{
    if (!HebrewMessageBox::askYesNo(conflict.message() + CompareQuestion))
        return;
    begin(QStringLiteral("קורא את \"%1\" מהוויקי...").arg(conflict.title));
    m_client->readPage(conflict.title, [this](const WikiError &error, const WikiPage &page) {
        end();
        if (!error.ok())
            return report(error);
        showComparison(page);
    });
}

void WikiCommands::showComparison(const WikiPage &page)
{
    if (!m_comparison) {
        auto *window = new QDialog(&m_window, Qt::Window);
        window->setLayoutDirection(Qt::RightToLeft);
        window->resize(600, 500);
        auto *layout = new QVBoxLayout(window);
        m_comparison = new QPlainTextEdit(window);
        m_comparison->setObjectName(QStringLiteral("WikiComparison"));
        m_comparison->setReadOnly(true);
        m_comparison->setFont(HebrewUi::davidFont(16));
        layout->addWidget(m_comparison);
    }
    m_comparison->setPlainText(WikiClient::textForEditor(page.text));
    QWidget *window = m_comparison->window();
    window->setWindowTitle(QStringLiteral("%1 בוויקי (גרסה %2)").arg(page.title).arg(page.revision));
    window->show();
    window->raise();
    // Saving again goes on top of what the user has now seen.
    DocumentModel::WikiPage base = m_document.wikiPage();
    base.revision = page.revision;
    base.revisionTimestamp = page.revisionTimestamp;
    base.startTimestamp = page.startTimestamp;
    m_document.setWikiPage(base);
}
