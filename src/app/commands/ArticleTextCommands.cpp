#include "app/commands/ArticleTextCommands.h"

#include "app/DocumentModel.h"
#include "app/DocumentRules.h"
#include "app/EditorAdapter.h"
#include "app/commands/MarkupCommands.h"
#include "wikitext/LiveAnalysis.h"
#include "wikitext/Markup.h"

#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>

namespace {

constexpr int kMinusKey = 189;

bool ctrl(const QKeyEvent *event)
{
    return event->modifiers() & Qt::ControlModifier;
}

// The Latin letter of the key that carries each Hebrew letter on the Hebrew layout.
const QHash<char16_t, char> &hebrewLayout()
{
    static const QHash<char16_t, char> keys = {
        {u'ק', 'E'}, {u'ר', 'R'}, {u'א', 'T'}, {u'ט', 'Y'}, {u'ו', 'U'}, {u'ן', 'I'}, {u'ם', 'O'}, {u'פ', 'P'},
        {u'ש', 'A'}, {u'ד', 'S'}, {u'ג', 'D'}, {u'כ', 'F'}, {u'ע', 'G'}, {u'י', 'H'}, {u'ח', 'J'}, {u'ל', 'K'},
        {u'ך', 'L'}, {u'ז', 'Z'}, {u'ס', 'X'}, {u'ב', 'C'}, {u'ה', 'V'}, {u'נ', 'B'}, {u'מ', 'N'}, {u'צ', 'M'},
    };
    return keys;
}

// X key codes of the keys whose Hebrew-layout characters are not letters ("/" on Q,
// "'" on W), and of the rest for layouts that give no Latin letter at all.
int keyCodeFromX11(quint32 scanCode)
{
    static const QHash<quint32, int> keys = {
        {24, 'Q'}, {25, 'W'}, {38, 'A'}, {56, 'B'}, {46, 'L'}, {52, 'Z'}, {20, kMinusKey}, {11, '2'},
    };
    return keys.value(scanCode, 0);
}

} // namespace

ArticleTextCommands::ArticleTextCommands(EditorAdapter &editor, DocumentModel &document, MarkupCommands &markup,
                                         QLabel &statusLabel, QLineEdit &jumpQuery)
    : m_editor(editor)
    , m_document(document)
    , m_markup(markup)
    , m_statusLabel(statusLabel)
    , m_jumpQuery(jumpQuery)
{
    QPlainTextEdit *widget = editor.widget();
    widget->installEventFilter(this);
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu *menu = createContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        emit contextMenuAboutToShow(menu, at);
        menu->popup(m_editor.widget()->viewport()->mapToGlobal(at));
    });
    connect(widget, &QPlainTextEdit::textChanged, this, &ArticleTextCommands::textChanged);
    textChanged();
}

ArticleTextCommands::~ArticleTextCommands()
{
    m_editor.widget()->removeEventFilter(this);
}

int ArticleTextCommands::keyCode(const QKeyEvent *event)
{
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key == Qt::Key_At)
        return '2';
    if (key == Qt::Key_Minus || key == Qt::Key_Underscore)
        return event->modifiers() & Qt::KeypadModifier ? 0 : kMinusKey;
    if (key > 0 && key <= 0xFFFF) {
        const auto found = hebrewLayout().constFind(char16_t(key));
        if (found != hebrewLayout().constEnd())
            return found.value();
    }
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return keyCodeFromX11(event->nativeScanCode());
    return 0;
}

bool ArticleTextCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor.widget()
        || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        // The editor's keys win over any window shortcut on the same keys.
        const int code = keyCode(key);
        if (ctrl(key)
            && (code == 'A' || code == 'B' || code == 'L' || code == 'Q' || code == 'Z' || code == 'W'
                || code == kMinusKey))
            event->accept();
        return false;
    }
    return handleKey(key);
}

bool ArticleTextCommands::handleKey(QKeyEvent *event)
{
    const int code = keyCode(event);
    const bool isCtrl = ctrl(event);
    QPlainTextEdit *editor = m_editor.widget();
    bool consumed = false;
    if (isCtrl && code == 'A') {
        editor->selectAll();
        consumed = true;
    }
    if (!consumed && isCtrl && code == 'B')
        m_markup.bold();
    if (!consumed && isCtrl && code == 'L')
        m_markup.small();
    if (!consumed && isCtrl && code == 'Q')
        m_markup.quote();
    if (!consumed && isCtrl && code == 'Z') {
        undoOnce();
        consumed = true;
    }
    if (!consumed && isCtrl && code == 'W' && editor->textCursor().hasSelection()) {
        m_editor.editExcerpt(&Markup::wikipediaLink);
        consumed = true;
    }
    if (!consumed && isCtrl && code == kMinusKey && !(event->modifiers() & Qt::AltModifier)) {
        m_editor.editExcerpt(&Markup::maqaf);
        consumed = true;
    }
    m_lastKeyKind = code == '2' && (event->modifiers() & Qt::ShiftModifier) ? KeyKind::At : KeyKind::Other;
    return consumed;
}

void ArticleTextCommands::undoOnce()
{
    QPlainTextEdit *editor = m_editor.widget();
    editor->undo();
    editor->document()->clearUndoRedoStacks();
}

QMenu *ArticleTextCommands::createContextMenu()
{
    QPlainTextEdit *editor = m_editor.widget();
    const bool writable = !editor->isReadOnly();
    const bool selection = editor->textCursor().hasSelection();
    auto *menu = new QMenu(editor);
    menu->setObjectName(QStringLiteral("ArticleTextPopup"));
    const auto add = [menu](const QString &caption, QKeySequence::StandardKey key, bool enabled) {
        QAction *item = menu->addAction(caption);
        item->setShortcut(key);
        item->setEnabled(enabled);
        return item;
    };
    connect(add(QStringLiteral("ביטול פעולה"), QKeySequence::Undo, writable && editor->document()->isUndoAvailable()),
            &QAction::triggered, this, &ArticleTextCommands::undoOnce);
    menu->addSeparator();
    connect(add(QStringLiteral("גזירה"), QKeySequence::Cut, writable && selection), &QAction::triggered, editor,
            &QPlainTextEdit::cut);
    connect(add(QStringLiteral("העתקה"), QKeySequence::Copy, selection), &QAction::triggered, editor,
            &QPlainTextEdit::copy);
    connect(add(QStringLiteral("הדבקה"), QKeySequence::Paste, writable && editor->canPaste()), &QAction::triggered,
            editor, &QPlainTextEdit::paste);
    connect(add(QStringLiteral("מחיקה"), QKeySequence::Delete, writable && selection), &QAction::triggered, editor,
            [editor] { editor->textCursor().removeSelectedText(); });
    menu->addSeparator();
    connect(add(QStringLiteral("בחירת הכול"), QKeySequence::SelectAll, !editor->document()->isEmpty()),
            &QAction::triggered, editor, &QPlainTextEdit::selectAll);
    return menu;
}

void ArticleTextCommands::textChanged()
{
    // The document knows its length without building the text, also while a long
    // one is still coming in; the pieces coming in are no edits of the user's.
    m_statusLabel.setText(LiveAnalysis::characterCountText(m_editor.length()));
    if (m_editor.isLoading())
        return;
    if (m_jumpQuery.hasFocus())
        m_editor.widget()->setFocus();
    if (!m_document.quickSavePending() && DocumentRules::fileExists(m_document.fileName()))
        m_document.setQuickSavePending(true);
    if (m_lastKeyKind == KeyKind::At && !m_inRootLink)
        rootLinkStep();
}

void ArticleTextCommands::rootLinkStep()
{
    // Most "@" signs close no root: the first pair is looked at in the document's own
    // text, and the text with its CR LF pairs is built only when there is a link to make.
    const QString raw = m_editor.widget()->document()->toRawText();
    const qsizetype first = raw.indexOf(QLatin1Char('@'));
    if (first < 0)
        return;
    const qsizetype second = raw.indexOf(QLatin1Char('@'), first + 1);
    QString between;
    if (second > first)
        between = raw.mid(first + 1, second - first - 1).replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    if (LiveAnalysis::rootLinkFor(between).isEmpty())
        return;

    bool changed = false;
    const EditorState before = m_editor.state();
    const EditorState after = LiveAnalysis::rootLink(before, &changed);
    if (!changed)
        return;
    // The view keeps showing the lines it showed; the caret goes after the link.
    QScrollBar *scroll = m_editor.widget()->verticalScrollBar();
    const int top = scroll->value();
    m_inRootLink = true;
    // The whole text is an excerpt too, and one already read.
    m_editor.applyExcerpt(0, before, after);
    m_inRootLink = false;
    scroll->setValue(top);
    m_editor.widget()->ensureCursorVisible();
}
