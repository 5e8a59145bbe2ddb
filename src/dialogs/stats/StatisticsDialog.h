#pragma once

#include <QDialog>
#include <QList>

#include <memory>

class QLabel;
class RegEx;

namespace Ui {
class StatisticsDialog;
}

// The figures of the page in the main editor, counted afresh each time the window
// is shown, with the main window's shared regular-expression object. A tool window
// kept on top.
class StatisticsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit StatisticsDialog(RegEx &regEx, QWidget *parent = nullptr);
    ~StatisticsDialog() override;

    // Counts the figures of `text` and shows them; while shown, the window only comes
    // to the front.
    void showFigures(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void countFigures(const QString &text);

    std::unique_ptr<Ui::StatisticsDialog> m_ui;
    RegEx &m_regEx;
    QList<QLabel *> m_values;
};
