#pragma once

#include "wikitext/EditorState.h"
#include "wikitext/Markup.h"

#include <QObject>

#include <functional>

class TForm1;

// The markup buttons and menu items: bold, small text, mathematics, no-wiki, line
// break, quotation, hidden note and image line. The three tag toggles live here for
// as long as the window.
class MarkupCommands : public QObject {
    Q_OBJECT

public:
    explicit MarkupCommands(TForm1 &form);

    void BoldClick();
    void LittleClick();
    void MathClick();
    void NoWikiClick();
    void BrClick();
    void QuoteClick();
    void CommentClick();
    void ImageClick();

    const Markup::TagToggles &toggles() const { return m_toggles; }

private:
    void edit(const std::function<EditorState(const EditorState &)> &command);

    TForm1 &m_form;
    Markup::TagToggles m_toggles;
};
