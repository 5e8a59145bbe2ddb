#pragma once

#include <QObject>
#include <QString>

class DocumentCommands;
class EditorAdapter;
class QLabel;
class QWidget;
class RegEx;
class VerbsDialog;

// New entry, new verb and new root pages, appended skeletons, the another-meaning
// note and the table of contents; and the main window's side of the verb dialog.
class TemplateCommands : public QObject
{
    Q_OBJECT

public:
    // The sample words of the skeletons come from the window's two hidden labels.
    TemplateCommands(EditorAdapter &editor, DocumentCommands &document, RegEx &regEx, VerbsDialog &verbsDialog,
                     const QLabel &arabWord, const QLabel &russianWord, QWidget &window);
    ~TemplateCommands() override;

    void newArticle();
    void newVerb();
    void newRoot();
    void addArticle();
    void addVerb();
    void anotherMeaning();
    void tableOfContents();
    // While the verb dialog is open, a click in the editor sends the focus to its root.
    void editorClicked();

    static const QString NewArticleQuestion;
    static const QString NewVerbQuestion;
    static const QString NewRootQuestion;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The question before unsaved text is discarded; true to go on.
    bool mayDiscard(const QString &question) const;
    void revealAppended();

    EditorAdapter &m_editor;
    DocumentCommands &m_document;
    RegEx &m_regEx;
    VerbsDialog &m_verbsDialog;
    const QLabel &m_arabWord;
    const QLabel &m_russianWord;
    QWidget &m_window;
};
