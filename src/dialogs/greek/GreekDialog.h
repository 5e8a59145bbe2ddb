#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TGreekForm;
}

// A pad of Ancient Greek letters: the user types a word from it, then copies the word
// or has it inserted into the entry with its transliteration. A tool window on top,
// modeless; both icons leave it.
class GreekDialog : public QDialog
{
    Q_OBJECT

public:
    // Takes the trimmed word to the editor.
    using Insert = std::function<void(const QString &word)>;

    explicit GreekDialog(QWidget *parent = nullptr);
    ~GreekDialog() override;

    void setInsert(Insert insert) { m_insert = std::move(insert); }

    // Shows the pad in the middle of the screen, or brings it forward.
    void showPad();
    // "העתק": the word as it stands on the clipboard.
    void copyWord();
    // "הוסף": the word trimmed, in the pad and into the editor.
    void insertWord();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildPad();

    std::unique_ptr<Ui::TGreekForm> m_ui;
    Insert m_insert;
};
