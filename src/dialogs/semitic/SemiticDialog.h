#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class SemiticDialog;
}

// A pad of the Latin letters with diacritics that transliterate Semitic words; each
// letter hints the Hebrew letter or vowel it stands for. The user copies the text or
// has it inserted into the entry. A tool window on top, modeless; both icons leave it.
class SemiticDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SemiticDialog(QWidget *parent = nullptr);
    ~SemiticDialog() override;

    // Shows the pad in the middle of the screen, or brings it forward.
    void showPad();

signals:
    // "הוסף": the text as typed, for the editor's caret.
    void insertRequested(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // "העתק" and "הוסף".
    void copyText();
    void insertText();

    std::unique_ptr<Ui::SemiticDialog> m_ui;
};
