#include "app/commands/MarkupCommands.h"

#include "app/TForm1.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

MarkupCommands::MarkupCommands(TForm1 &form)
    : QObject(&form)
    , m_form(form)
{
    const struct {
        const char *name;
        void (MarkupCommands::*handler)();
    } items[] = {
        {"Bold", &MarkupCommands::BoldClick},
        {"Little", &MarkupCommands::LittleClick},
        {"Math", &MarkupCommands::MathClick},
        {"NoWiki", &MarkupCommands::NoWikiClick},
        {"Br", &MarkupCommands::BrClick},
        {"Quote", &MarkupCommands::QuoteClick},
        {"Comment", &MarkupCommands::CommentClick},
        {"Image", &MarkupCommands::ImageClick},
    };
    for (const auto &item : items) {
        if (QAction *action = form.action(QString::fromLatin1(item.name)))
            connect(action, &QAction::triggered, this, item.handler);
    }
}

void MarkupCommands::edit(const std::function<EditorState(const EditorState &)> &command)
{
    // Every command here but the hidden note reads no further than the selection's
    // lines and the two after them.
    m_form.editor().editExcerpt(command);
}

void MarkupCommands::BoldClick()
{
    edit(&Markup::bold);
}

void MarkupCommands::LittleClick()
{
    edit([this](const EditorState &s) { return Markup::toggledTag(s, Markup::ToggledTag::Small, m_toggles); });
}

void MarkupCommands::MathClick()
{
    edit([this](const EditorState &s) { return Markup::toggledTag(s, Markup::ToggledTag::Math, m_toggles); });
}

void MarkupCommands::NoWikiClick()
{
    edit([this](const EditorState &s) { return Markup::toggledTag(s, Markup::ToggledTag::NoWiki, m_toggles); });
}

void MarkupCommands::BrClick()
{
    edit(&Markup::lineBreak);
}

void MarkupCommands::QuoteClick()
{
    edit(&Markup::quote);
}

void MarkupCommands::CommentClick()
{
    EditorAdapter &editor = m_form.editor();
    editor.apply(Markup::comment(editor.state()));
}

void MarkupCommands::ImageClick()
{
    // Only read: the clipboard keeps what it holds.
    const QString clipboard = QGuiApplication::clipboard()->text();
    edit([&clipboard](const EditorState &s) { return Markup::image(s, clipboard); });
}
