#pragma once

#include <QDialog>

#include <memory>

class VerbFormsModel;

namespace Ui {
class VerbsDialog;
}

// Builds the page of a verb root from the root, its gizra and a grid of forms (seven
// binyanim by five tenses). A tool window on top of its owner; it leaves only through
// "הוסף" or a confirmed "בטל".
class VerbsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit VerbsDialog(QWidget *parent = nullptr);
    ~VerbsDialog() override;

    static const QString CancelQuestion;

    // Takes the focus to the root field, as a click in the editor does while the
    // dialog is open.
    void focusRoot();

    // The dialog never goes away by the system close or Escape.
    void reject() override;

signals:
    // "הוסף": the root's page, to be the editor's whole text.
    void pageWritten(const QString &page);
    // The dialog went away, by "הוסף" or a confirmed "בטל".
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpGrid();
    void prepareForShow();
    void rootChanged();
    void leaveGrid();
    void cancel();
    void addPage();

    std::unique_ptr<Ui::VerbsDialog> m_ui;
    VerbFormsModel *m_forms;
    QMetaObject::Connection m_focusWatch;
};
