#pragma once

#include "compare/TextMerge.h"

#include <QDialog>

#include <memory>

class MergeModel;

namespace Ui {
class MergeDialog;
}

// The merge of the user's text with the page as it now stands on the wiki: every
// change of either side in a row, those that did not touch merged already, each
// conflict with both sides until the user keeps one, both, or writes the lines anew;
// below, the whole result with its parts marked. Nothing leaves the window until the
// user says so, and then only when no conflict is left open.
class MergeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MergeDialog(QWidget *parent = nullptr);
    ~MergeDialog() override;

    // Shows the merge over its owner, which waits meanwhile.
    void showMerge(const QList<TextMerge::Region> &regions, const QString &explanation);

    MergeModel &model() { return *m_model; }

signals:
    // "הכנס לעורך": the merged text.
    void merged(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

private:
    void keep(int choice);
    void nextConflict();
    void showResult();
    void showRegion(int row);

    std::unique_ptr<Ui::MergeDialog> m_ui;
    MergeModel *m_model;
};
