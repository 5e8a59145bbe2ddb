#pragma once

#include <QDialog>
#include <QList>

#include <memory>

namespace Ui {
class ChangesDialog;
}

// The changes from one text to another, one line under the other as the wiki's edit
// box shows them: removed lines and words on one colour, added ones on another, a few
// unchanged lines around; the next and previous change a key away.
class ChangesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ChangesDialog(QWidget *parent = nullptr);
    ~ChangesDialog() override;

    // `against` says what the old text is; the window comes forward at the first change.
    void showChanges(const QString &oldText, const QString &newText, const QString &against);

    qsizetype changeCount() const { return m_changes.size(); }
    // The change on view, from 0; -1 when there is none.
    qsizetype currentChange() const { return m_current; }
    void nextChange();
    void previousChange();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill();
    void goTo(qsizetype change);

    std::unique_ptr<Ui::ChangesDialog> m_ui;
    QString m_old;
    QString m_new;
    QList<qsizetype> m_changes; // the block where each change starts
    qsizetype m_current = -1;
};
