#pragma once

#include "dialogs/translations/logic/Translations.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TTransAdd;
}

// Collects the translations of the headword as (words, language) rows and writes them
// as one translations template in place of the editor's selection. A selected template
// is read back into the list when the dialog shows. A tool window kept on top.
class TranslationsDialog : public QDialog
{
    Q_OBJECT

public:
    // The editor's selection: read when the dialog shows, replaced by "הוסף הכול".
    struct Target
    {
        std::function<QString()> selectedText;
        std::function<void(const QString &text)> replaceSelection;
    };

    explicit TranslationsDialog(QWidget *parent = nullptr);
    ~TranslationsDialog() override;

    void setTarget(Target target) { m_target = std::move(target); }

    const QList<TranslationRow> &rows() const { return m_rows; }
    int sortColumn() const { return m_sortColumn; }

    static const QString ClearQuestion;
    static QString removeQuestion(const QString &language);

    void addWords();
    void removeSelected();
    void clearAll();
    void writeTemplate();
    void sortBy(int column);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showRows();

    std::unique_ptr<Ui::TTransAdd> m_ui;
    Target m_target;
    QList<TranslationRow> m_rows;
    int m_sortColumn = Translations::LanguageColumn;
};
