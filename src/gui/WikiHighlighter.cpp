#include "gui/WikiHighlighter.h"

#include "spell/SpellChecker.h"

#include <QEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using WikiSyntax::Kind;

namespace {

// What a block was last formatted with; a block on screen is formatted again when
// any of it no longer holds.
class BlockFormatting : public QTextBlockUserData
{
public:
    int incoming = -1;
    int generation = -1;
};

BlockFormatting *formattingOf(const QTextBlock &block)
{
    return static_cast<BlockFormatting *>(block.userData());
}

// A colour of the given hue that stands out on the palette's base, light or dark.
QColor tint(const QPalette &palette, int hue)
{
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    return QColor::fromHsl(hue, 200, dark ? 175 : 80);
}

QTextCharFormat coloured(const QColor &colour, bool bold = false)
{
    QTextCharFormat f;
    f.setForeground(colour);
    if (bold)
        f.setFontWeight(QFont::Bold);
    return f;
}

} // namespace

WikiHighlighter::WikiHighlighter(QPlainTextEdit *editor)
    : m_editor(editor)
    , m_formats(formatsFor(editor->palette()))
{
    editor->viewport()->installEventFilter(this);
    editor->installEventFilter(this);
}

WikiHighlighter::~WikiHighlighter()
{
    m_editor->viewport()->removeEventFilter(this);
    m_editor->removeEventFilter(this);
}

WikiHighlighter::Formats WikiHighlighter::formatsFor(const QPalette &palette)
{
    Formats f;
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    const QColor faded = QColor::fromRgbF((text.redF() + base.redF()) / 2, (text.greenF() + base.greenF()) / 2,
                                          (text.blueF() + base.blueF()) / 2);
    const auto set = [&f](Kind kind, const QTextCharFormat &format) { f.kind[int(kind)] = format; };
    set(Kind::HeadingMark, coloured(tint(palette, 0), true));
    set(Kind::TemplateMark, coloured(tint(palette, 280), true));
    set(Kind::TemplateName, coloured(tint(palette, 280)));
    set(Kind::ParameterName, coloured(tint(palette, 30)));
    set(Kind::LinkMark, coloured(tint(palette, 215), true));
    set(Kind::LinkTarget, coloured(tint(palette, 215)));
    QTextCharFormat address = coloured(tint(palette, 175));
    address.setFontUnderline(true);
    set(Kind::Address, address);
    set(Kind::QuoteMark, coloured(faded));
    set(Kind::Tag, coloured(tint(palette, 120)));
    QTextCharFormat comment = coloured(faded);
    comment.setFontItalic(true);
    set(Kind::Comment, comment);
    set(Kind::Code, coloured(tint(palette, 320)));
    set(Kind::TableMark, coloured(tint(palette, 50), true));
    set(Kind::ListMark, coloured(tint(palette, 50), true));
    f.linkCaption = coloured(tint(palette, 215));
    f.misspelt.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    f.misspelt.setUnderlineColor(palette.color(QPalette::Base).lightness() < 128 ? QColor(255, 90, 90) : Qt::red);
    return f;
}

QTextCharFormat WikiHighlighter::formatOf(const Formats &formats, const WikiSyntax::Span &span)
{
    if (span.kind != Kind::Prose)
        return formats.kind[int(span.kind)];
    QTextCharFormat f;
    if (span.style & WikiSyntax::Heading)
        f = formats.kind[int(Kind::HeadingMark)];
    else if (span.style & WikiSyntax::LinkCaption)
        f = formats.linkCaption;
    if (span.style & WikiSyntax::Bold)
        f.setFontWeight(QFont::Bold);
    if (span.style & WikiSyntax::Italic)
        f.setFontItalic(true);
    return f;
}

void WikiHighlighter::setAids(bool highlighting, SpellChecker *spellChecker)
{
    m_highlighting = highlighting;
    m_spellChecker = spellChecker;
    ++m_generation;
    QTextDocument *doc = highlighting || spellChecker || m_wantChecker ? m_editor->document() : nullptr;
    if (doc != m_document) {
        if (m_document) {
            disconnect(m_document, nullptr, this, nullptr);
            clearFormats();
        }
        m_document = doc;
        m_staleFrom = QTextCursor();
        if (doc) {
            connect(doc, &QTextDocument::contentsChange, this, [this](int from, int, int) { contentsChanged(from); });
            markStale(doc->firstBlock());
        }
    }
    m_editor->viewport()->update();
}

void WikiHighlighter::spellingChanged()
{
    ++m_generation;
    m_editor->viewport()->update();
}

bool WikiHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == m_editor->viewport())
        formatVisible();
    if (event->type() == QEvent::PaletteChange && watched == m_editor) {
        // A theme changed: the colours follow it.
        m_formats = formatsFor(m_editor->palette());
        spellingChanged();
    }
    return QObject::eventFilter(watched, event);
}

void WikiHighlighter::contentsChanged(int from)
{
    // Whatever changed is read again when shown, with all that follows it.
    markStale(m_document->findBlock(from));
}

void WikiHighlighter::markStale(const QTextBlock &block)
{
    if (!block.isValid())
        return;
    if (m_staleFrom.isNull()) {
        m_staleFrom = QTextCursor(m_document);
        m_staleFrom.setPosition(block.position());
    } else if (block.position() < m_staleFrom.position()) {
        m_staleFrom.setPosition(block.position());
    }
}

int WikiHighlighter::stateBefore(const QTextBlock &block) const
{
    const QTextBlock previous = block.previous();
    return previous.isValid() ? std::max(previous.userState(), WikiSyntax::StartState) : WikiSyntax::StartState;
}

void WikiHighlighter::catchUpTo(const QTextBlock &block)
{
    if (m_staleFrom.isNull() || m_staleFrom.position() >= block.position())
        return;
    for (QTextBlock b = m_document->findBlock(m_staleFrom.position()); b.isValid() && b != block; b = b.next())
        b.setUserState(WikiSyntax::scanLine(b.text(), stateBefore(b), &m_spans));
    m_staleFrom.setPosition(block.position());
}

void WikiHighlighter::formatVisible()
{
    if (m_formatting || !isActive())
        return;
    const QRect view = m_editor->viewport()->rect();
    QTextBlock block = m_editor->cursorForPosition(view.topLeft()).block();
    QTextBlock last = m_editor->cursorForPosition(view.bottomRight()).block();
    if (!block.isValid() || !last.isValid())
        return;
    // A line or two beyond the bottom, for a line scrolled in by a wheel step.
    for (int i = 0; i < 2 && last.next().isValid(); ++i)
        last = last.next();
    catchUpTo(block);
    m_formatting = true;
    for (;; block = block.next()) {
        const bool stale = !m_staleFrom.isNull() && block.position() >= m_staleFrom.position();
        const BlockFormatting *data = formattingOf(block);
        if (stale || !data || data->incoming != stateBefore(block) || data->generation != m_generation)
            formatBlock(block);
        if (stale) {
            if (block.next().isValid())
                m_staleFrom.setPosition(block.next().position());
            else
                m_staleFrom = QTextCursor();
        }
        if (block == last)
            break;
    }
    m_formatting = false;
    if (m_checkerNeeded && m_wantChecker && !m_spellChecker) {
        m_checkerNeeded = false;
        // A copy: the request may drop the highlighter's own.
        const std::function<void()> request = m_wantChecker;
        request();
    }
}

void WikiHighlighter::formatBlock(const QTextBlock &block)
{
    const QString text = block.text();
    const int incoming = stateBefore(block);
    QTextBlock(block).setUserState(WikiSyntax::scanLine(text, incoming, &m_spans));
    QList<QTextLayout::FormatRange> ranges;
    if (m_highlighting) {
        for (const WikiSyntax::Span &span : std::as_const(m_spans)) {
            const QTextCharFormat f = formatOf(m_formats, span);
            if (f.propertyCount() > 0)
                ranges.append({span.start, span.length, f});
        }
    }
    if (!m_spellChecker && m_wantChecker && !m_checkerNeeded) {
        // The dictionary is wanted once a word it has to settle is on screen.
        for (const SpellWords::Word &w : SpellWords::findWords(text, m_spans)) {
            if (!SpellWords::needsNoCheck(SpellWords::plainForm(QStringView(text).mid(w.start, w.length)))) {
                m_checkerNeeded = true;
                break;
            }
        }
    }
    if (m_spellChecker) {
        for (const SpellWords::Word &w : m_spellChecker->misspelt(text, m_spans)) {
            // The word keeps the colours it has; the underline is added to them.
            QTextCharFormat f;
            for (const QTextLayout::FormatRange &r : std::as_const(ranges)) {
                if (r.start <= w.start && w.start < r.start + r.length)
                    f = r.format;
            }
            f.merge(m_formats.misspelt);
            ranges.append({w.start, w.length, f});
        }
    }
    auto *data = formattingOf(block);
    if (!data) {
        data = new BlockFormatting;
        QTextBlock(block).setUserData(data);
    }
    data->incoming = incoming;
    data->generation = m_generation;
    if (ranges.isEmpty() && block.layout()->formats().isEmpty())
        return;
    block.layout()->setFormats(ranges);
    // Lays the line out again; outside an edit this reports nothing as a change of the text.
    m_document->markContentsDirty(block.position(), block.length());
}

void WikiHighlighter::clearFormats()
{
    for (QTextBlock b = m_document->firstBlock(); b.isValid(); b = b.next()) {
        if (BlockFormatting *data = formattingOf(b)) {
            data->generation = -1;
            if (!b.layout()->formats().isEmpty()) {
                b.layout()->clearFormats();
                m_document->markContentsDirty(b.position(), b.length());
            }
        }
    }
}

QPair<int, int> WikiHighlighter::misspeltWordAt(int position)
{
    if (!m_spellChecker || !isActive())
        return {-1, 0};
    const QTextBlock block = m_document->findBlock(position);
    catchUpTo(block);
    const QString text = block.text();
    WikiSyntax::scanLine(text, stateBefore(block), &m_spans);
    const int at = position - block.position();
    for (const SpellWords::Word &w : m_spellChecker->misspelt(text, m_spans)) {
        if (at >= w.start && at <= w.start + w.length)
            return {block.position() + w.start, w.length};
    }
    return {-1, 0};
}
