#pragma once

#include "wikitext/EditorState.h"

#include <QString>

#include <memory>

class QObject;
class QPlainTextEdit;
class QTextDocument;
class QTimer;

// Moves the editor state in and out of the editor widget. The widget keeps one
// block separator per line break where the state has CR LF, so positions are
// converted block by block with the document's block lookup, never by copying
// the text.
class EditorAdapter
{
public:
    explicit EditorAdapter(QPlainTextEdit *editor);
    ~EditorAdapter();
    EditorAdapter(const EditorAdapter &) = delete;
    EditorAdapter &operator=(const EditorAdapter &) = delete;

    QPlainTextEdit *widget() const { return m_editor; }

    // The whole text with CR LF line breaks and the selection.
    EditorState state() const;
    // The text alone, without the selection.
    QString text() const;
    // The widget's copy of the text, with a block separator (U+2029) for each line
    // break: quick to take, for work that makes text() of it on another thread.
    QString widgetText() const;
    // What text() gives for the widgetText() it was made of.
    static QString stateText(const QString &widgetText);
    // Applies a command's result as one undoable edit, replacing only the range
    // that changed, then sets the selection.
    void apply(const EditorState &state);
    // The lines that hold the selection and the two after them, as a state of their
    // own; `start` is where they begin in the whole text. A command that reads no
    // further than that runs on the excerpt instead of a copy of a long text.
    EditorState excerpt(int *start) const;
    // Applies a command's result on an excerpt, as `apply` does.
    void applyExcerpt(int start, const EditorState &before, const EditorState &after);
    // Runs such a command on the excerpt and applies what it changed.
    template <typename Command> void editExcerpt(Command &&command)
    {
        int start = 0;
        const EditorState before = excerpt(&start);
        const EditorState after = command(before);
        if (after != before)
            applyExcerpt(start, before, after);
    }
    // Puts a whole new text into the editor; every LF, lone CR, CR LF and U+2028
    // becomes a line break. The caret goes to the start. A long text shows its
    // first lines at once and takes in the rest from the event loop, read-only
    // meanwhile; every reader and writer of the text, and any key pressed in the
    // editor, first takes in what is left, so nothing ever sees part of a document.
    // Returns what text() now gives back, the held form of `text`.
    QString setText(const QString &text);
    // What text() gives back after setText(text), computed without the widget.
    static QString heldText(const QString &text);
    // A long text is still being taken in.
    bool isLoading() const { return !m_pending.isEmpty(); }
    // Takes in the rest of a long text now.
    void finishLoading() const;
    // The length of the text as the state counts it, without building the text.
    int length() const;

    // Position conversion between the state (CR LF counts two) and the widget.
    int toStatePosition(int widgetPosition) const;
    int toWidgetPosition(int statePosition) const;

private:
    QTextDocument *document() const;
    // Replaces `old`, found at `offset`, by `neu` as one undoable edit, touching only
    // the range that differs.
    void replace(int offset, const QString &old, const QString &neu);
    void select(int start, int length);
    // Appends the next lines of a long text; true while some are left.
    bool loadMore(qsizetype units) const;
    void endLoading() const;

    QPlainTextEdit *m_editor;
    // What a long text still has to take in, from m_pendingAt, in the held form: the
    // widget takes each CR LF for one block separator.
    mutable QString m_pending;
    mutable qsizetype m_pendingAt = 0;
    mutable bool m_wasReadOnly = false;
    std::unique_ptr<QTimer> m_loadTimer;
    std::unique_ptr<QObject> m_keyGuard;
};
