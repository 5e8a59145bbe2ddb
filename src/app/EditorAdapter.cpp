#include "app/EditorAdapter.h"

#include "entry/EntryText.h"
#include "wikitext/DocumentFormat.h"

#include <QAbstractUndoItem>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace {

// How much of a long text goes in at once: about a twentieth of a second's work
// for the text document, which costs by the line.
constexpr qsizetype LoadUnits = 256 * 1024;

bool isLineBreak(char16_t c)
{
    // Besides CR and LF: the line and paragraph separators, and the frame marks a
    // text cursor also takes for block separators.
    return c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

// The text with CR LF, or LF alone, for every LF, lone CR, CR LF and every other
// character a text cursor would turn into a block separator. One pass, as documents
// run to megabytes, with the choice made at compile time.
template <bool WithCr> QString withLineBreaks(const QString &text)
{
    QString out(text.size() * (WithCr ? 2 : 1), Qt::Uninitialized);
    QChar *to = out.data();
    const QChar *from = text.constData();
    const QChar *end = from + text.size();
    while (from != end) {
        const char16_t c = from->unicode();
        if (c == u'\r' || c == u'\n' || isLineBreak(c)) {
            if constexpr (WithCr)
                *to++ = u'\r';
            *to++ = u'\n';
            if (c == u'\r' && from + 1 != end && from[1] == u'\n')
                ++from;
        } else {
            *to++ = *from;
        }
        ++from;
    }
    out.truncate(to - out.constData());
    return out;
}

// The widget's form of a text: one LF, a block separator, for each line break.
QString toWidgetText(const QString &text)
{
    return withLineBreaks<false>(text);
}

// Where a piece of a text in the held form, from `from` and about `units` long, ends:
// at the start of a line break, so that every later piece begins with one.
qsizetype pieceEnd(const QString &text, qsizetype from, qsizetype units)
{
    if (text.size() - from <= units)
        return text.size();
    qsizetype end = text.lastIndexOf(u'\r', from + units);
    if (end <= from)
        end = text.indexOf(u'\r', from + units);
    return end > from ? end : text.size();
}

// An undo step that does nothing.
class SealedEdit : public QAbstractUndoItem
{
public:
    void undo() override { }
    void redo() override { }
};

// Any key pressed in the editor while a long text is coming in may edit it, so the
// rest is taken in first.
class KeyGuard : public QObject
{
public:
    explicit KeyGuard(const EditorAdapter *adapter)
        : m_adapter(adapter)
    {
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride || type == QEvent::InputMethod)
            m_adapter->finishLoading();
        return false;
    }

private:
    const EditorAdapter *m_adapter;
};

} // namespace

EditorAdapter::EditorAdapter(QPlainTextEdit *editor)
    : m_editor(editor)
    , m_loadTimer(std::make_unique<QTimer>())
    , m_keyGuard(std::make_unique<KeyGuard>(this))
{
    QObject::connect(m_loadTimer.get(), &QTimer::timeout, m_keyGuard.get(), [this] {
        if (!loadMore(LoadUnits))
            endLoading();
    });
}

EditorAdapter::~EditorAdapter() = default;

QTextDocument *EditorAdapter::document() const
{
    return m_editor->document();
}

QString EditorAdapter::text() const
{
    return stateText(widgetText());
}

QString EditorAdapter::widgetText() const
{
    finishLoading();
    // toRawText keeps no-break spaces, which toPlainText would turn into spaces.
    return document()->toRawText();
}

QString EditorAdapter::stateText(const QString &raw)
{
    QString out;
    out.reserve(raw.size() + raw.count(QChar::ParagraphSeparator));
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = raw.indexOf(QChar::ParagraphSeparator, from);
        if (at < 0) {
            out.append(QStringView(raw).mid(from));
            break;
        }
        out.append(QStringView(raw).mid(from, at - from));
        out.append(EntryText::LineBreak);
        from = at + 1;
    }
    return out;
}

EditorState EditorAdapter::state() const
{
    EditorState s;
    s.text = text();
    const QTextCursor c = m_editor->textCursor();
    const int a = toStatePosition(c.selectionStart());
    const int b = toStatePosition(c.selectionEnd());
    s.selStart = a;
    s.selLength = b - a;
    return s;
}

int EditorAdapter::length() const
{
    const QTextDocument *doc = document();
    return int(doc->characterCount() - 1 + doc->blockCount() - 1 + m_pending.size() - m_pendingAt);
}

int EditorAdapter::toStatePosition(int widgetPosition) const
{
    finishLoading();
    const QTextBlock block = document()->findBlock(widgetPosition);
    const int number = block.isValid() ? block.blockNumber() : document()->blockCount() - 1;
    return widgetPosition + number;
}

int EditorAdapter::toWidgetPosition(int statePosition) const
{
    finishLoading();
    const QTextDocument *doc = document();
    statePosition = std::clamp(statePosition, 0, length());
    // The last block whose start, counted as the state counts, is not behind the position.
    int lo = 0, hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= statePosition)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int inBlock = statePosition - (block.position() + lo);
    // A position between CR and LF stands at the end of the line.
    return block.position() + std::min(inBlock, block.length() - 1);
}

void EditorAdapter::apply(const EditorState &next)
{
    replace(0, text(), next.text);
    select(next.selStart, next.selLength);
}

EditorState EditorAdapter::excerpt(int *start) const
{
    // The line of the selection's end and the two after it are all that an image
    // line, the last reader of neighbouring lines, looks at.
    finishLoading();
    const QTextCursor c = m_editor->textCursor();
    QTextBlock block = document()->findBlock(c.selectionStart());
    QTextBlock last = document()->findBlock(c.selectionEnd());
    for (int i = 0; i < 2 && last.next().isValid(); ++i)
        last = last.next();
    *start = toStatePosition(block.position());
    EditorState s;
    for (;; block = block.next()) {
        s.text += block.text();
        if (block == last)
            break;
        s.text += EntryText::LineBreak;
    }
    s.selStart = toStatePosition(c.selectionStart()) - *start;
    s.selLength = toStatePosition(c.selectionEnd()) - *start - s.selStart;
    return s;
}

void EditorAdapter::applyExcerpt(int start, const EditorState &before, const EditorState &after)
{
    finishLoading();
    replace(start, before.text, after.text);
    select(start + after.selStart, after.selLength);
}

void EditorAdapter::replace(int offset, const QString &old, const QString &neu)
{
    const qsizetype oldLen = old.size(), newLen = neu.size();
    qsizetype prefix = 0;
    const qsizetype maxPrefix = std::min(oldLen, newLen);
    while (prefix < maxPrefix && old[prefix] == neu[prefix])
        ++prefix;
    qsizetype suffix = 0;
    const qsizetype maxSuffix = maxPrefix - prefix;
    while (suffix < maxSuffix && old[oldLen - 1 - suffix] == neu[newLen - 1 - suffix])
        ++suffix;
    // Never split a CR LF pair: the widget holds it as one separator.
    if (prefix > 0 && old[prefix - 1] == u'\r')
        --prefix;
    if (suffix > 0 && old[oldLen - suffix] == u'\n'
        && ((oldLen - suffix - 1 >= 0 && old[oldLen - suffix - 1] == u'\r')
            || (newLen - suffix - 1 >= 0 && neu[newLen - suffix - 1] == u'\r')))
        --suffix;
    if (prefix == oldLen && prefix == newLen)
        return;

    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.setPosition(toWidgetPosition(offset + int(prefix)));
    cursor.setPosition(toWidgetPosition(offset + int(oldLen - suffix)), QTextCursor::KeepAnchor);
    cursor.insertText(toWidgetText(neu.mid(prefix, newLen - suffix - prefix)));
    // Ends the edit with a step that nothing merges into: left to itself the
    // document joins text typed right after an insertion to it, and one undo
    // would then take back the command together with the typing.
    document()->appendUndoItem(new SealedEdit);
    cursor.endEditBlock();
}

void EditorAdapter::select(int start, int length)
{
    finishLoading();
    QTextCursor cursor(document());
    cursor.setPosition(toWidgetPosition(start));
    cursor.setPosition(toWidgetPosition(start + length), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
}

QString EditorAdapter::setText(const QString &text)
{
    if (isLoading()) {
        m_pending.clear();
        endLoading();
    }
    // Shared, not copied, when the text has its line breaks so already.
    QString held = heldText(text);
    // The first lines now, the rest from the event loop.
    const qsizetype cut = pieceEnd(held, 0, LoadUnits);
    if (cut == held.size()) {
        m_editor->setPlainText(held);
        return held;
    }
    // Set first: the widget reports the change, and the length is read, inside setPlainText.
    m_pending = std::move(held);
    m_pendingAt = cut;
    m_editor->setPlainText(m_pending.left(cut));
    QTextDocument *doc = document();
    // Pieces taken in are no steps to undo.
    doc->setUndoRedoEnabled(false);
    m_wasReadOnly = m_editor->isReadOnly();
    m_editor->setReadOnly(true);
    // Reinstalled so that it sees keys before every other filter on the editor.
    m_editor->removeEventFilter(m_keyGuard.get());
    m_editor->installEventFilter(m_keyGuard.get());
    m_loadTimer->start(0);
    return m_pending;
}

QString EditorAdapter::heldText(const QString &text)
{
    // Kept as the saved text for as long as the document is open: no room to spare.
    QString held = DocumentFormat::hasOnlyCrLf(text, true) ? text : withLineBreaks<true>(text);
    if (held.capacity() > held.size() + held.size() / 16)
        held.squeeze();
    return held;
}

bool EditorAdapter::loadMore(qsizetype units) const
{
    if (!isLoading())
        return false;
    const qsizetype from = m_pendingAt;
    // Moved on first: the widget reports the change, and the length is read, inside insertText.
    m_pendingAt = pieceEnd(m_pending, from, units);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(m_pending.mid(from, m_pendingAt - from));
    return m_pendingAt < m_pending.size();
}

void EditorAdapter::endLoading() const
{
    m_loadTimer->stop();
    m_pending.clear();
    m_pendingAt = 0;
    m_editor->removeEventFilter(m_keyGuard.get());
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(true);
    doc->setModified(false);
    m_editor->setReadOnly(m_wasReadOnly);
}

void EditorAdapter::finishLoading() const
{
    if (!isLoading())
        return;
    while (loadMore(m_pending.size()))
        ;
    endLoading();
}
