#pragma once

#include "wiki/WikiPage.h"

#include <QObject>
#include <QString>

#include <memory>

class ChangesDialog;
class DocumentModel;
class EditorAdapter;
class MergeDialog;
class QWidget;

// "הצג שינויים": what the editor's text changes against its base, the page's revision
// on the wiki or the file as last saved. And the merge after the wiki refused a save
// because the page moved: the result enters the editor as one step the user can undo,
// with the page's new revision as its base, and goes to the wiki only with the next save.
class ChangesCommands : public QObject
{
    Q_OBJECT

public:
    ChangesCommands(EditorAdapter &editor, DocumentModel &document, QWidget &window);
    ~ChangesCommands() override;

    void showChanges();
    // The editor's text merged with `current`, the page's revision now, whose text the
    // wiki gave as `currentText`; the base is the revision the document remembers.
    void mergeWith(const WikiPage &current, const QString &currentText);

    static const QString AgainstRevision;
    static const QString AgainstNewPage;
    static const QString AgainstFile;
    static const QString AgainstNothing;
    static const QString MergeExplanation;
    static const QString ChangedMeanwhile;

private:
    void takeMerge(const QString &merged);

    EditorAdapter &m_editor;
    DocumentModel &m_document;
    QWidget &m_window;
    // Made when first wanted: most sessions never show them.
    std::unique_ptr<ChangesDialog> m_changes;
    std::unique_ptr<MergeDialog> m_merge;

    // The merge on show: what it was made from.
    struct Merging
    {
        WikiPage base;
        QString fileName;
        QString mine;
        WikiPage current;
        QString currentText;
    } m_merging;
};
