#pragma once

#include "dialogs/sentences/logic/EntrySentences.h"

#include <QDialog>

#include <memory>

class DefinitionsModel;
class ExamplesModel;

namespace Ui {
class SentencesDialog;
}

// Edits the definitions' example sentences and the further quotations of one entry:
// the definitions above, the sentences below, fields to add one between them. It
// only edits the tables it was given; "עדכן" hands them to its owner to write back.
// A tool window on top of its owner, and modeless: the text can be edited meanwhile.
class SentencesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SentencesDialog(QWidget *parent = nullptr);
    ~SentencesDialog() override;

    // Fills both tables from what was read and shows the dialog in the middle of the screen.
    void showSentences(EntrySentences sentences);

signals:
    // "עדכן": what was read, with the examples table as it stands now.
    void updateRequested(const EntrySentences &sentences);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpGrids();
    void reset();
    void addSentence();
    // A double click on a sentence's number: asks, then removes the sentence.
    void removeSentence(int row);
    void updateKindFields();
    void requestUpdate();

    std::unique_ptr<Ui::SentencesDialog> m_ui;
    DefinitionsModel *m_definitions;
    ExamplesModel *m_examples;
    EntrySentences m_read;
};
