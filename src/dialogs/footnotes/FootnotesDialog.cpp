#include "dialogs/footnotes/FootnotesDialog.h"

#include "ui_FootnotesDialog.h"

#include "entry/EntryText.h"
#include "gui/HebrewUi.h"

#include <QKeyEvent>
#include <QScreen>

namespace {

bool isControlKey(const QKeyEvent *key, int letter)
{
    return key->key() == letter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

} // namespace

FootnotesDialog::FootnotesDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::FootnotesDialog>())
{
    m_ui->setupUi(this);
    setFont(HebrewUi::davidFont(15));
    QFont bold = font();
    bold.setBold(true);
    m_ui->AddFootnote->setFont(bold);
    m_ui->Justify->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-left")));
    m_ui->Justify->setFixedSize(16, 16);
    m_ui->Justify->setCursor(Qt::PointingHandCursor);
    m_ui->FootText->installEventFilter(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->Justify, &QToolButton::clicked, this, &FootnotesDialog::justify);
    connect(m_ui->AddFootnote, &QPushButton::clicked, this, &FootnotesDialog::addFootnote);
}

FootnotesDialog::~FootnotesDialog() = default;

void FootnotesDialog::showFootnotes(int caret, int viewStart)
{
    if (!isVisible()) {
        m_ui->FootName->clear();
        m_ui->FootText->clear();
        m_caret = caret;
        m_viewStart = viewStart;
        show();
        m_ui->FootName->setFocus();
    }
    raise();
    activateWindow();
}

void FootnotesDialog::justify()
{
    QTextCursor cursor = m_ui->FootText->textCursor();
    if (!cursor.hasSelection())
        return;
    const QString selected = cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n');
    cursor.insertText(QStringLiteral("<div align=left>") + selected + QStringLiteral("</div>"));
    m_ui->FootText->setTextCursor(cursor);
}

void FootnotesDialog::addFootnote()
{
    m_ui->FootName->setText(EntryText::trim(m_ui->FootName->text()));
    emit footnoteRequested({m_ui->FootName->text(), m_ui->FootText->toPlainText().replace(u'\n', EntryText::LineBreak),
                            m_caret, m_viewStart});
}

void FootnotesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

// Ctrl+A selects the whole note; Ctrl+Z takes back the last change once, and a second
// Ctrl+Z does not bring it back.
bool FootnotesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->FootText && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool selectAll = isControlKey(key, Qt::Key_A);
        const bool undo = isControlKey(key, Qt::Key_Z);
        if (!selectAll && !undo)
            return QDialog::eventFilter(watched, event);
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (selectAll) {
            m_ui->FootText->selectAll();
        } else {
            m_ui->FootText->undo();
            m_ui->FootText->document()->clearUndoRedoStacks();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
