#pragma once

#include "dialogs/verbs/logic/RootPage.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLineEdit;
class QPainter;
class QTableWidget;

namespace Ui {
class TVerbsForm;
}

// Builds the page of a verb root from the root, its gizra and a grid of forms (seven
// binyanim by five tenses) and writes it as the main editor's whole text. A tool
// window on top of its owner; it leaves only through "הוסף" or a confirmed "בטל".
class VerbsDialog : public QDialog
{
    Q_OBJECT

public:
    // Where the page goes and where the focus returns when the dialog hides.
    struct Target
    {
        std::function<void(const QString &page)> writePage;
        std::function<void()> focusEditor;
    };

    explicit VerbsDialog(QWidget *parent = nullptr);
    ~VerbsDialog() override;

    void setTarget(Target target) { m_target = std::move(target); }

    QLineEdit *root() const;
    QLineEdit *gizra() const;
    QTableWidget *verbs() const;
    // The root shown in the grid's corner: the last accepted one.
    QString currentRoot() const { return m_currentRoot; }
    // The grid's text as "הוסף" reads it, disabled cells included.
    VerbCells cells() const;

    static const QString CancelQuestion;
    static const QColor HeaderColour;
    static const QColor DisabledColour;

    void resetGrid();
    void rootChanged();
    void drawCell(QPainter *painter, const QRect &rect, int column, int row);
    void leaveGrid();
    void cancel();
    void addPage();

    // The dialog never goes away by the system close or Escape.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prepareForShow();
    void returnFocus();
    void buildGrid();

    std::unique_ptr<Ui::TVerbsForm> m_ui;
    Target m_target;
    QString m_currentRoot;
    QMetaObject::Connection m_focusWatch;
};
