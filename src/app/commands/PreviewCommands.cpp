#include "app/commands/PreviewCommands.h"

#include "app/EditorAdapter.h"
#include "dialogs/quotes/QuotesDialog.h"
#include "gui/HebrewMessageBox.h"
#include "platform/ShellOpen.h"
#include "wikitext/InflectionQuery.h"
#include "wikitext/Preview.h"

#include <QClipboard>
#include <QGuiApplication>

PreviewCommands::PreviewCommands(EditorAdapter &editor, QuotesDialog &quotes)
    : m_editor(editor)
    , m_quotes(quotes)
{
    connect(&m_quotes, &QuotesDialog::inflectionsToggled, this,
            [this](bool withInflections) { m_quotes.setQuery(query(withInflections)); });
}

void PreviewCommands::preview()
{
    const EditorState state = m_editor.state();
    const PreviewResult p = Preview::prepare(state.text);
    switch (p.status) {
    case PreviewResult::NoTitle:
        return;
    case PreviewResult::NoRoot:
        HebrewMessageBox::notice(Preview::NoRootMessage);
        return;
    case PreviewResult::Open:
        break;
    }
    if (p.text != state.text)
        m_editor.apply(EditorState{p.text, std::min(state.selStart, int(p.text.size())), 0});
    QGuiApplication::clipboard()->setText(p.text);
    ShellOpen::open(p.address);
}

void PreviewCommands::showQuotes()
{
    m_quotes.showQuotes(query(true));
}

QString PreviewCommands::query(bool withInflections) const
{
    const EditorState state = m_editor.state();
    return InflectionQuery::build(state, withInflections && InflectionQuery::hasInflections(state.text));
}
