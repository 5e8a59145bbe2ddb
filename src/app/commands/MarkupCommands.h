#pragma once

#include "wikitext/EditorState.h"
#include "wikitext/Markup.h"

#include <QObject>

#include <functional>

class EditorAdapter;

// The markup buttons and menu items: bold, small text, mathematics, no-wiki, line
// break, quotation, hidden note and image line. The three tag toggles live here for
// as long as the window.
class MarkupCommands : public QObject
{
    Q_OBJECT

public:
    explicit MarkupCommands(EditorAdapter &editor);

    void bold();
    void small();
    void math();
    void noWiki();
    void lineBreak();
    void quote();
    void comment();
    void image();

    const Markup::TagToggles &toggles() const { return m_toggles; }

private:
    void edit(const std::function<EditorState(const EditorState &)> &command);
    void toggle(Markup::ToggledTag tag);

    EditorAdapter &m_editor;
    Markup::TagToggles m_toggles;
};
