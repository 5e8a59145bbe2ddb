#pragma once

#include "wiki/WikiError.h"
#include "wiki/WikiPage.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class DocumentCommands;
class DocumentModel;
class EditorAdapter;
class PreferencesModel;
class QProgressDialog;
class QWidget;
class WikiClient;

// "פתח מהוויקי" and "שמור בוויקי": a page read from the wiki into the editor and saved
// back on top of the revision it was read at. The window keeps answering meanwhile;
// the progress box cancels. A failure never touches the text in the editor, nor the
// page and revision the document remembers.
class WikiCommands : public QObject
{
    Q_OBJECT

public:
    WikiCommands(EditorAdapter &editor, DocumentModel &document, DocumentCommands &documents,
                 const PreferencesModel &preferences, QWidget &window);
    ~WikiCommands() override;

    void openFromWiki();
    void saveToWiki();
    // From the first question's answer to the last answer of the wiki, the password
    // read included: another command is refused meanwhile.
    bool busy() const { return m_busy; }

    // Tests answer the title and summary boxes instead (nullopt: cancelled).
    using Asker = std::function<std::optional<QString>(const QString &label, const QString &initial)>;
    void setAskerForTesting(Asker asker) { m_ask = std::move(asker); }

    static const QString OpenQuestion;
    static const QString CreateQuestion;
    static const QString BlankQuestion;
    static const QString CheckQuestion;
    static const QString CancelledSaveText;
    static const QString SavedAfterAllMessage;
    static const QString NotSavedMessage;
    static const QString BusyMessage;
    static const QString NoUserMessage;
    static const QString NoPasswordMessage;

signals:
    // An operation ended, whichever way.
    void finished();
    // The save box's "הצג שינויים".
    void changesWanted();
    // A save was refused because the page moved to `current`, whose text is `text`;
    // the text in the editor is still the one that was sent.
    void editConflict(const WikiPage &current, const QString &text);

private:
    std::optional<QString> ask(const QString &caption, const QString &label, const QString &initial);
    bool refuseWhileBusy();
    void begin(const QString &label);
    void end();
    void finish();
    void load(const WikiPage &page, const QString &text);
    void save(const QString &title, const QString &summary, const QString &password, bool allowBlank);
    void adopt(const WikiPage &page, const QString &text);
    void offerCheck(const WikiError &failure, const QString &title, const QString &text);
    std::optional<QString> askSummary();
    void readConflict(const WikiError &conflict);
    bool stillTheDocument(const WikiPage &page, const QString &fileName) const;
    void report(const WikiError &error);

    EditorAdapter &m_editor;
    DocumentModel &m_document;
    DocumentCommands &m_documents;
    const PreferencesModel &m_preferences;
    QWidget &m_window;
    std::unique_ptr<WikiClient> m_client;
    QPointer<QProgressDialog> m_progress;
    Asker m_ask;
    bool m_busy = false;
};
