#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class GreekDialog;
}

// A pad of Ancient Greek letters: the user types a word from it, then copies the word
// or has it inserted into the entry with its transliteration. A tool window on top,
// modeless; both icons leave it.
class GreekDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GreekDialog(QWidget *parent = nullptr);
    ~GreekDialog() override;

    // Shows the pad in the middle of the screen, or brings it forward.
    void showPad();

signals:
    // "הוסף": the word, trimmed, for the editor's caret.
    void insertRequested(const QString &word);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildPad();
    // "העתק": the word as it stands on the clipboard.
    void copyWord();
    // "הוסף": the word trimmed, in the pad and into the editor.
    void insertWord();

    std::unique_ptr<Ui::GreekDialog> m_ui;
};
