#pragma once

#include "dialogs/sentences/logic/EntrySentences.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QTableWidget;

namespace Ui {
class TSentencesForm;
}

// Edits the definitions' example sentences and the further quotations of one entry:
// the definitions above, the sentences below, fields to add one between them. It
// only edits the tables it was given; "עדכן" asks its owner to write them back.
// A tool window on top of its owner, and modeless: the text can be edited meanwhile.
class SentencesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SentencesDialog(QWidget *parent = nullptr);
    ~SentencesDialog() override;

    // Fills both tables from what was read and shows the dialog in the middle of the screen.
    void showSentences(EntrySentences sentences);
    const EntrySentences &sentences() const { return m_sentences; }

    QTableWidget *definitionsGrid() const;
    QTableWidget *sentencesGrid() const;
    QComboBox *placementChooser() const { return m_chooser; }

    static const QColor SentencesHeaderColour;
    static const QColor DefinitionsHeaderColour;

    void addSentence();
    // A double click on a sentence's number: asks, then removes the sentence.
    void removeSentence(int row);
    // A sentence dragged by its number onto another row.
    void moveSentence(int from, int to);
    void replaceSentence(int row, const QString &placement);
    void updateKindFields();
    // Puts the placement chooser over the current cell when that is a placement.
    void placeChooser();

signals:
    void updateRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildGrids();
    void reset();
    void showDefinitions();
    void showExamples();
    void cellEdited(int row, int column);
    bool gridMouse(QMouseEvent *event);

    std::unique_ptr<Ui::TSentencesForm> m_ui;
    QComboBox *m_chooser = nullptr;
    EntrySentences m_sentences;
    bool m_showing = false; // the grid is being filled, not edited
    int m_dragRow = -1;
};
