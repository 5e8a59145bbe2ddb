#pragma once

#include "wikitext/WikiSyntax.h"

#include <QObject>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextCursor>

#include <functional>

class QPalette;
class QPlainTextEdit;
class SpellChecker;

class QTextBlock;
class QTextDocument;

// Colours the wiki markup of the editor and underlines misspelt words, only in the
// lines on screen: a line is formatted right before it is painted. An edit only
// notes that the lines from it on may have to be read again, so neither opening a
// long page nor typing in one reads more than is shown. Formats live in the
// layout, as a QSyntaxHighlighter keeps them, never in the text, its positions or
// its undo history; unlike one, it does not visit every line a change brings in,
// which doubled the time to open a long document.
class WikiHighlighter : public QObject
{
    Q_OBJECT

public:
    explicit WikiHighlighter(QPlainTextEdit *editor);
    ~WikiHighlighter() override;

    // Each aid on its own; with both off the highlighter leaves the document.
    void setAids(bool highlighting, SpellChecker *spellChecker);
    // Called when lines are shown that hold a word to look up while the spell check
    // is wanted but has no checker yet: its dictionary loads only once it has work.
    void setCheckerWanted(std::function<void()> request)
    {
        m_wantChecker = std::move(request);
        m_checkerNeeded = false;
    }
    bool isActive() const { return m_document != nullptr; }

    // The checker's words changed (its dictionary came, a word was added): the
    // lines on screen are checked again.
    void spellingChanged();

    // Formats the lines on screen that need it; runs before every paint.
    void formatVisible();

    // The misspelt word at a widget position: its start and length, or {-1, 0}.
    QPair<int, int> misspeltWordAt(int position);

    // The look of a span, from the palette, so that it reads on a light and a dark base.
    struct Formats
    {
        QTextCharFormat kind[int(WikiSyntax::Kind::ListMark) + 1];
        QTextCharFormat linkCaption;
        QTextCharFormat misspelt;
    };
    static Formats formatsFor(const QPalette &palette);
    static QTextCharFormat formatOf(const Formats &formats, const WikiSyntax::Span &span);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void contentsChanged(int from);
    void formatBlock(const QTextBlock &block);
    void clearFormats();
    // The state a block starts in; blocks before it must be up to date.
    int stateBefore(const QTextBlock &block) const;
    void markStale(const QTextBlock &block);
    // Brings the block states up to date up to (not including) `block`.
    void catchUpTo(const QTextBlock &block);

    QPlainTextEdit *m_editor;
    SpellChecker *m_spellChecker = nullptr;
    bool m_highlighting = false;
    Formats m_formats;
    // Blocks from here on may hold states from before an edit; null: none.
    QTextCursor m_staleFrom;
    int m_generation = 0;
    QPointer<QTextDocument> m_document;
    bool m_formatting = false;
    QList<WikiSyntax::Span> m_spans;
    std::function<void()> m_wantChecker;
    bool m_checkerNeeded = false;
};
