#include "app/EditorAdapter.h"

#include <QAbstractUndoItem>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The widget's form of a text: one LF for every LF, lone CR, CR LF and U+2028,
// which a text cursor turns into a block separator. One pass, as documents run
// to megabytes.
QString toWidgetText(const QString &text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *to = out.data();
    const QChar *from = text.constData();
    const QChar *end = from + text.size();
    while (from != end) {
        const char16_t c = from->unicode();
        if (c == u'\r') {
            *to++ = u'\n';
            if (from + 1 != end && from[1] == u'\n')
                ++from;
        } else if (c == 0x2028) {
            *to++ = u'\n';
        } else {
            *to++ = *from;
        }
        ++from;
    }
    out.truncate(to - out.constData());
    return out;
}

// An undo step that does nothing.
class SealedEdit : public QAbstractUndoItem
{
public:
    void undo() override {}
    void redo() override {}
};

} // namespace

EditorAdapter::EditorAdapter(QPlainTextEdit *editor)
    : m_editor(editor)
{
}

QTextDocument *EditorAdapter::document() const
{
    return m_editor->document();
}

QString EditorAdapter::text() const
{
    // toRawText keeps no-break spaces, which toPlainText would turn into spaces.
    const QString raw = document()->toRawText();
    QString out;
    out.reserve(raw.size() + document()->blockCount());
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = raw.indexOf(QChar::ParagraphSeparator, from);
        if (at < 0) {
            out.append(QStringView(raw).mid(from));
            break;
        }
        out.append(QStringView(raw).mid(from, at - from));
        out.append(CrLf);
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
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

int EditorAdapter::toStatePosition(int widgetPosition) const
{
    const QTextBlock block = document()->findBlock(widgetPosition);
    const int number = block.isValid() ? block.blockNumber() : document()->blockCount() - 1;
    return widgetPosition + number;
}

int EditorAdapter::toWidgetPosition(int statePosition) const
{
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
        s.text += CrLf;
    }
    s.selStart = toStatePosition(c.selectionStart()) - *start;
    s.selLength = toStatePosition(c.selectionEnd()) - *start - s.selStart;
    return s;
}

void EditorAdapter::applyExcerpt(int start, const EditorState &before, const EditorState &after)
{
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
    QTextCursor cursor(document());
    cursor.setPosition(toWidgetPosition(start));
    cursor.setPosition(toWidgetPosition(start + length), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
}

void EditorAdapter::setText(const QString &text)
{
    m_editor->setPlainText(toWidgetText(text));
}
