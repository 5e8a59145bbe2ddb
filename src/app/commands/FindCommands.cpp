#include "app/commands/FindCommands.h"

#include "app/HebrewMessageBox.h"
#include "app/TForm1.h"
#include "dialogs/find/TFindF.h"
#include "dialogs/stats/TStats.h"

#include <QAction>

FindCommands::FindCommands(TForm1 &form)
    : QObject(&form)
    , m_form(form)
{
    connect(form.action(QStringLiteral("Search")), &QAction::triggered, this, &FindCommands::SearchClick);
    connect(form.action(QStringLiteral("Statistics")), &QAction::triggered, this, &FindCommands::StatisticsClick);
}

TFindF *FindCommands::findDialog()
{
    auto *dialog = m_form.findChild<TFindF *>(QString(), Qt::FindDirectChildrenOnly);
    if (dialog) {
        dialog->setTarget({&m_form.regEx(), &m_lastFindQuery, [this] { return m_form.editor().state(); },
                           [this](const EditorState &state) { m_form.editor().apply(state); }});
    }
    return dialog;
}

TStats *FindCommands::statsDialog()
{
    auto *dialog = m_form.findChild<TStats *>(QString(), Qt::FindDirectChildrenOnly);
    if (dialog)
        dialog->setTarget(&m_form.regEx(), [this] { return m_form.editor().text(); });
    return dialog;
}

void FindCommands::SearchClick()
{
    const RepeatResult result = FindNextMatch(m_form.regEx(), m_form.editor().state(), m_lastFindQuery);
    switch (result.outcome) {
    case RepeatResult::Outcome::ShowDialog:
        if (TFindF *dialog = findDialog())
            dialog->showForQuery();
        break;
    case RepeatResult::Outcome::Found:
        m_form.editor().apply(result.state);
        break;
    case RepeatResult::Outcome::BadPattern:
        HebrewMessageBox::notice(result.message);
        break;
    case RepeatResult::Outcome::Nothing:
        break;
    }
}

void FindCommands::StatisticsClick()
{
    if (TStats *dialog = statsDialog())
        dialog->showFigures();
}
