#pragma once

#include <QDialog>

#include <memory>

class TranslationsModel;

namespace Ui {
class TranslationsDialog;
}

// Collects the translations of the headword as (words, language) rows and writes them
// as one translations template. A template selected in the editor is read into the
// list when the dialog shows. A tool window kept on top.
class TranslationsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TranslationsDialog(QWidget *parent = nullptr);
    ~TranslationsDialog() override;

    static const QString ClearQuestion;
    static QString removeQuestion(const QString &language);

    // Shows the dialog, the list read from `selection` when it holds translations;
    // while shown, the dialog only comes to the front.
    void showTranslations(const QString &selection);

signals:
    // "הוסף הכול": the template to put in place of the editor's selection.
    void templateWritten(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void addWords();
    void removeRow(int row);
    void clearAll();
    void writeTemplate();
    void showCount();

    std::unique_ptr<Ui::TranslationsDialog> m_ui;
    TranslationsModel *m_rows;
};
