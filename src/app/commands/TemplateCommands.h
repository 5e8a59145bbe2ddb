#pragma once

#include <QObject>
#include <QString>

class DocumentCommands;
class DocumentModel;
class EditorAdapter;
class QWidget;
class RegEx;
class VerbsDialog;

// New entry, new verb and new root pages, appended skeletons, the another-meaning
// note and the table of contents; and the main window's side of the verb dialog.
class TemplateCommands : public QObject
{
    Q_OBJECT

public:
    TemplateCommands(EditorAdapter &editor, DocumentCommands &documents, DocumentModel &document, RegEx &regEx,
                     VerbsDialog &verbsDialog, QWidget &window);
    ~TemplateCommands() override;

    void newArticle();
    void newVerb();
    void newRoot();
    void addArticle();
    void addVerb();
    void anotherMeaning();
    void tableOfContents();

    static const QString NewArticleQuestion;
    static const QString NewVerbQuestion;
    static const QString NewRootQuestion;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The question before unsaved text is discarded; true to go on.
    bool mayDiscard(const QString &question) const;
    void revealAppended();
    // The verb dialog went away: the editor has the focus again.
    void rootPageDone();

    EditorAdapter &m_editor;
    DocumentCommands &m_documents;
    DocumentModel &m_document;
    RegEx &m_regEx;
    VerbsDialog &m_verbsDialog;
    QWidget &m_window;
};
