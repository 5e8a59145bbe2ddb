#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TSemForm;
}

// A pad of the Latin letters with diacritics that transliterate Semitic words; each
// letter hints the Hebrew letter or vowel it stands for. The user copies the text or
// has it inserted into the entry. A tool window on top, modeless; both icons leave it.
class SemiticDialog : public QDialog
{
    Q_OBJECT

public:
    // Takes the text, as typed, to the editor.
    using Insert = std::function<void(const QString &text)>;

    explicit SemiticDialog(QWidget *parent = nullptr);
    ~SemiticDialog() override;

    void setInsert(Insert insert) { m_insert = std::move(insert); }

    // Shows the pad in the middle of the screen, or brings it forward.
    void showPad();
    // "העתק" and "הוסף".
    void copyText();
    void insertText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TSemForm> m_ui;
    Insert m_insert;
};
