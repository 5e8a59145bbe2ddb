#include "app/commands/MarkupCommands.h"

#include "app/EditorAdapter.h"

#include <QClipboard>
#include <QGuiApplication>

MarkupCommands::MarkupCommands(EditorAdapter &editor)
    : m_editor(editor)
{
}

void MarkupCommands::edit(const std::function<EditorState(const EditorState &)> &command)
{
    // Every command here but the hidden note reads no further than the selection's
    // lines and the two after them.
    m_editor.editExcerpt(command);
}

void MarkupCommands::toggle(Markup::ToggledTag tag)
{
    edit([this, tag](const EditorState &s) { return Markup::toggledTag(s, tag, m_toggles); });
}

void MarkupCommands::bold()
{
    edit(&Markup::bold);
}

void MarkupCommands::small()
{
    toggle(Markup::ToggledTag::Small);
}

void MarkupCommands::math()
{
    toggle(Markup::ToggledTag::Math);
}

void MarkupCommands::noWiki()
{
    toggle(Markup::ToggledTag::NoWiki);
}

void MarkupCommands::lineBreak()
{
    edit(&Markup::lineBreak);
}

void MarkupCommands::quote()
{
    edit(&Markup::quote);
}

void MarkupCommands::comment()
{
    m_editor.apply(Markup::comment(m_editor.state()));
}

void MarkupCommands::image()
{
    // Only read: the clipboard keeps what it holds.
    const QString clipboard = QGuiApplication::clipboard()->text();
    edit([&clipboard](const EditorState &s) { return Markup::image(s, clipboard); });
}
