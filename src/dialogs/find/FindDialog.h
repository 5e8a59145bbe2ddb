#pragma once

#include "dialogs/find/logic/FindSearch.h"

#include <QDialog>

#include <functional>
#include <memory>

class RegEx;

namespace Ui {
class TFindF;
}

// Searches the main editor's text in plain, pattern or root mode and selects the
// first match; the main window's Ctrl+F repeats it. A tool window kept on top.
class FindDialog : public QDialog
{
    Q_OBJECT

public:
    // What the dialog searches: the main window's editor and the objects the
    // search shares with the repeat command.
    struct Target
    {
        RegEx *regEx = nullptr;
        QString *lastFindQuery = nullptr;
        std::function<EditorState()> state;
        std::function<void(const EditorState &)> apply;
    };

    explicit FindDialog(QWidget *parent = nullptr);
    ~FindDialog() override;

    void setTarget(Target target) { m_target = std::move(target); }

    FindMode mode() const;

    // Shows the dialog, or brings it to the front, with the query ready to type over.
    void showForQuery();

    void queryChanged();
    void find();
    void rootModeToggled();
    void patternModeToggled();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TFindF> m_ui;
    Target m_target;
};
