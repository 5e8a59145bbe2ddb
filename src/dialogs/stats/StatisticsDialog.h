#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class RegEx;

namespace Ui {
class TStats;
}

// The figures of the page in the main editor, counted afresh each time the
// window is shown. A tool window kept on top.
class StatisticsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit StatisticsDialog(QWidget *parent = nullptr);
    ~StatisticsDialog() override;

    // The main window's shared regular-expression object and its editor text.
    void setTarget(RegEx *regEx, std::function<QString()> text)
    {
        m_regEx = regEx;
        m_text = std::move(text);
    }

    // The value label of a figure by its name ("Chars", "Lines", ...).
    QLabel *valueLabel(const QString &name) const;

    // Shows the window, or brings it to the front.
    void showFigures();
    void countFigures();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TStats> m_ui;
    RegEx *m_regEx = nullptr;
    std::function<QString()> m_text;
};
