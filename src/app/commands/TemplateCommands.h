#pragma once

#include <QObject>
#include <QString>

class TForm1;
class TVerbsForm;

// New entry, new verb and new root pages, appended skeletons, the another-meaning
// note and the table of contents; and the main window's side of the verb dialog.
class TemplateCommands : public QObject
{
    Q_OBJECT

public:
    explicit TemplateCommands(TForm1 &form);

    void NewArticleClick();
    void NewVerbClick();
    void NewRootClick();
    void AddArticleClick();
    void AddVerbClick();
    void AnotherClick();
    void TOCClick();
    // While the verb dialog is open, a click in the editor sends the focus to its root.
    void ArticleTextClick();

    static const QString NewArticleQuestion;
    static const QString NewVerbQuestion;
    static const QString NewRootQuestion;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The question before unsaved text is discarded; true to go on.
    bool mayDiscard(const QString &question) const;
    TVerbsForm *verbsDialog();

    TForm1 &m_form;
};
