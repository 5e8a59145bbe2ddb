#include "app/commands/WikiCommands.h"

#include "app/DocumentModel.h"
#include "app/EditorAdapter.h"
#include "app/commands/DocumentCommands.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "dialogs/wikisave/WikiSaveDialog.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "platform/WikiPasswordStore.h"
#include "wiki/WikiClient.h"
#include "wikitext/WebAddresses.h"

#include <QInputDialog>
#include <QPlainTextEdit>
#include <QProgressDialog>

const QString WikiCommands::OpenQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם ברצונך לפתוח דף מהוויקי בכל זאת?\u200F");
const QString WikiCommands::CreateQuestion = QStringLiteral("הדף \"%1\" אינו קיים בוויקי. האם ליצור אותו?\u200F");
const QString WikiCommands::BlankQuestion = QStringLiteral(
    "הטקסט ריק. שמירתו תמחק את כל התוכן של הדף \"%1\" בוויקי. האם לשמור בכל זאת?\u200F");
const QString WikiCommands::CheckQuestion = QStringLiteral("\n\nהאם לבדוק עכשיו מה שמור בוויקי?\u200F");
const QString WikiCommands::CancelledSaveText = QStringLiteral(
    "השמירה בוטלה אחרי שהטקסט נשלח לוויקי. ייתכן שהוויקי שמר אותו, וייתכן שלא.");
const QString WikiCommands::SavedAfterAllMessage = QStringLiteral(
    "הטקסט נשמר בוויקי בכל זאת: הדף \"%1\" בגרסה %2 זהה לו.");
const QString WikiCommands::NotSavedMessage = QStringLiteral(
    "הטקסט לא נשמר בוויקי: מה שיש עכשיו בדף \"%1\" שונה ממנו. הטקסט שבעורך לא השתנה.");
const QString WikiCommands::BusyMessage = QStringLiteral("פעולה קודמת מול הוויקי עדיין לא הסתיימה.");
const QString WikiCommands::NoUserMessage = QStringLiteral("לא הוגדר משתמש בוט לוויקי. הגדר אותו בחלון ההגדרות.");
const QString WikiCommands::NoPasswordMessage = QStringLiteral(
    "אין סיסמת בוט שמורה למשתמש \"%1\". הזן אותה בחלון ההגדרות.");

namespace {

// The wiki drops trailing white space when it stores a text.
QString storedForm(const QString &wikiText)
{
    qsizetype end = wikiText.size();
    while (end > 0 && wikiText.at(end - 1).isSpace())
        --end;
    return wikiText.left(end);
}

} // namespace

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

std::optional<QString> WikiCommands::askSummary()
{
    if (m_ask)
        return m_ask(QStringLiteral("תקציר העריכה:"), QString());
    WikiSaveDialog box(&m_window);
    connect(&box, &WikiSaveDialog::changesRequested, this, &WikiCommands::changesWanted);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.summary();
}

bool WikiCommands::refuseWhileBusy()
{
    if (m_busy)
        HebrewMessageBox::notice(BusyMessage);
    return m_busy;
}

void WikiCommands::begin(const QString &label)
{
    m_busy = true;
    const QUrl api(m_preferences.wikiApi());
    // One client while the address stays: its connections and session are kept.
    if (!m_client || m_client->api() != api)
        m_client = std::make_unique<WikiClient>(api);
    if (m_progress)
        m_progress->deleteLater();
    m_progress = new QProgressDialog(&m_window);
    m_progress->setObjectName(QStringLiteral("WikiProgress"));
    m_progress->setLayoutDirection(Qt::RightToLeft);
    m_progress->setWindowTitle(AppTitle);
    m_progress->setLabelText(label);
    m_progress->setCancelButtonText(HebrewMessageBox::buttonCaption(QMessageBox::Cancel));
    m_progress->setRange(0, 0);
    m_progress->setMinimumDuration(400);
    m_progress->setWindowModality(Qt::WindowModal);
    connect(m_progress, &QProgressDialog::canceled, this, [this] {
        if (m_client)
            m_client->cancel();
    });
    m_progress->setValue(0);
}

void WikiCommands::end()
{
    if (m_progress) {
        const bool shown = m_progress->isVisible();
        // Gone at once, not at the next event: the editor takes the keys typed next.
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
        if (shown)
            m_editor.widget()->setFocus(Qt::OtherFocusReason);
    }
    finish();
}

void WikiCommands::finish()
{
    m_busy = false;
    emit finished();
}

void WikiCommands::report(const WikiError &error)
{
    if (error.kind != WikiError::Cancelled)
        HebrewMessageBox::notice(error.message());
}

void WikiCommands::openFromWiki()
{
    if (refuseWhileBusy() || (m_documents.isModified() && !HebrewMessageBox::askYesNo(OpenQuestion)))
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
    m_client->readPage(title, [this](const WikiError &error, const WikiPage &page, const QString &text) {
        end();
        if (error.kind == WikiError::PageMissing) {
            if (HebrewMessageBox::askYesNo(CreateQuestion.arg(page.title)))
                load(page, QString());
        } else if (!error.ok()) {
            report(error);
        } else {
            load(page, text);
        }
    });
}

void WikiCommands::load(const WikiPage &page, const QString &wikiText)
{
    const QString held = m_editor.setText(WikiClient::textForEditor(wikiText));
    m_document.setFileName(QString());
    m_document.setSavedTextFromEditor(held);
    m_document.setQuickSavePending(false);
    m_document.setWikiPage(page, held);
}

void WikiCommands::saveToWiki()
{
    if (refuseWhileBusy())
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
    const bool blank = WikiClient::isBlank(m_editor.text());
    if (blank && !HebrewMessageBox::askYesNo(BlankQuestion.arg(title)))
        return;
    const std::optional<QString> summary = askSummary();
    if (!summary)
        return;
    const QString user = m_preferences.wikiUser();
    if (user.isEmpty())
        return HebrewMessageBox::notice(NoUserMessage);
    m_busy = true;
    WikiPasswordStore::read(user, this,
                            [this, title, summary, user, blank](const QString &password, const QString &error) {
                                if (password.isEmpty()) {
                                    finish();
                                    HebrewMessageBox::notice(error.isEmpty() ? NoPasswordMessage.arg(user) : error);
                                    return;
                                }
                                save(title, *summary, password, blank);
                            });
}

bool WikiCommands::stillTheDocument(const WikiPage &page, const QString &fileName) const
{
    return m_document.wikiPage() == page && m_document.fileName() == fileName;
}

void WikiCommands::save(const QString &title, const QString &summary, const QString &password, bool allowBlank)
{
    begin(QStringLiteral("שומר את \"%1\" בוויקי...").arg(title));
    // What is saved is the text as it stands now; typing meanwhile stays modified.
    const QString text = m_editor.text();
    const WikiPage remembered = m_document.wikiPage();
    const QString fileName = m_document.fileName();
    WikiPage base = remembered;
    if (base.title != title)
        base = WikiPage{title};
    m_client->login(m_preferences.wikiUser(), password, [=, this](const WikiError &error) {
        if (!error.ok()) {
            end();
            return report(error);
        }
        // A document that was never on the wiki makes a new page, never one over another.
        WikiEdit edit{base, text, summary};
        edit.create = base.revision == 0;
        edit.allowBlank = allowBlank;
        m_client->savePage(edit, [=, this](const WikiError &e, const WikiPage &saved) {
            end();
            // Another document came into the editor meanwhile; it is not this page's.
            if (!stillTheDocument(remembered, fileName))
                return report(e);
            if (e.ok() || e.kind == WikiError::NoChange) {
                adopt(saved, text);
                if (!e.ok())
                    report(e);
            } else if (e.kind == WikiError::EditConflict) {
                readConflict(e);
            } else if (e.maybeSaved) {
                offerCheck(e, base.title, text);
            } else {
                report(e);
            }
        });
    });
}

void WikiCommands::adopt(const WikiPage &page, const QString &text)
{
    // The revision's text is the one sent, as the wiki stores it.
    m_document.setWikiPage(page, EditorAdapter::heldText(WikiClient::storedText(text)));
    // The text on the wiki is the saved copy, and the file keeps up with it.
    if (m_document.fileName().isEmpty()) {
        m_document.setSavedText(text);
        m_document.showSaveIndication();
    } else {
        m_documents.saveToCurrentFile();
    }
}

// Reads what the wiki holds now: the text sent is either there or not.
void WikiCommands::offerCheck(const WikiError &failure, const QString &title, const QString &text)
{
    const QString said = failure.kind == WikiError::Cancelled ? CancelledSaveText : failure.message();
    if (!HebrewMessageBox::askYesNo(said + CheckQuestion))
        return;
    const WikiPage remembered = m_document.wikiPage();
    const QString fileName = m_document.fileName();
    begin(QStringLiteral("בודק את \"%1\" בוויקי...").arg(title));
    m_client->readPage(title, [=, this](const WikiError &error, const WikiPage &page, const QString &now) {
        end();
        if (!stillTheDocument(remembered, fileName))
            return;
        if (!error.ok() && error.kind != WikiError::PageMissing)
            return report(error);
        if (error.ok() && storedForm(now) == storedForm(WikiClient::textForWiki(text))) {
            adopt(page, text);
            return HebrewMessageBox::notice(SavedAfterAllMessage.arg(page.title).arg(page.revision));
        }
        HebrewMessageBox::notice(NotSavedMessage.arg(page.title));
    });
}

// The page's revision now, for the merge; the base the document remembers.
void WikiCommands::readConflict(const WikiError &conflict)
{
    const WikiPage remembered = m_document.wikiPage();
    const QString fileName = m_document.fileName();
    begin(QStringLiteral("קורא את \"%1\" כפי שהוא עכשיו בוויקי...").arg(conflict.title));
    const auto read = [=, this](const WikiError &error, const WikiPage &page, const QString &text) {
        end();
        if (!stillTheDocument(remembered, fileName))
            return report(conflict);
        if (error.kind == WikiError::Cancelled)
            return report(conflict);
        if (!error.ok())
            return HebrewMessageBox::notice(conflict.message() + QStringLiteral("\n\n") + error.message());
        emit editConflict(page, text);
    };
    // The revision the wiki named, or (a conflict the edit itself met) the page as it is.
    if (conflict.revision > 0)
        m_client->readRevision(conflict.title, conflict.revision, read);
    else
        m_client->readPage(conflict.title, read);
}
