#include "dialogs/changes/ChangesDialog.h"

#include "ui_ChangesDialog.h"

#include "dialogs/changes/logic/ChangeLines.h"
#include "gui/ChangeColours.h"
#include "gui/HebrewUi.h"
#include "gui/ToolWindow.h"

#include <QEvent>
#include <QTextBlock>
#include <QTextCursor>

namespace {

using Line = ChangeLines::Line;

const QString NoChanges = QStringLiteral("אין שינויים.");
const QString Heading = QStringLiteral("שורה %1:");
const QString Position = QStringLiteral("שינוי %1 מתוך %2");

} // namespace

ChangesDialog::ChangesDialog(QWidget *parent)
    : QDialog(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::ChangesDialog>())
{
    m_ui->setupUi(this);
    HebrewUi::setUpArticleEditor(*m_ui->ChangesText);
    connect(m_ui->NextChange, &QPushButton::clicked, this, &ChangesDialog::nextChange);
    connect(m_ui->PreviousChange, &QPushButton::clicked, this, &ChangesDialog::previousChange);
    connect(m_ui->CloseButton, &QPushButton::clicked, this, &QDialog::close);
}

ChangesDialog::~ChangesDialog() = default;

void ChangesDialog::showChanges(const QString &oldText, const QString &newText, const QString &against)
{
    m_old = oldText;
    m_new = newText;
    m_ui->Against->setText(against);
    fill();
    ToolWindow::bringForward(*this);
    goTo(m_changes.isEmpty() ? -1 : 0);
}

void ChangesDialog::fill()
{
    const ChangeLines::View view = ChangeLines::build(m_old, m_new);
    const QPalette &palette = m_ui->ChangesText->palette();
    QTextDocument *document = m_ui->ChangesText->document();
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextCharFormat faded;
    faded.setForeground(palette.color(QPalette::PlaceholderText));
    QTextCharFormat heading = faded;
    heading.setFontWeight(QFont::Bold);
    bool first = true;
    for (const Line &line : view.lines) {
        const bool removed = line.kind == Line::Kind::Removed;
        const bool changed = removed || line.kind == Line::Kind::Added;
        const ChangeColours::Mark mark = removed ? ChangeColours::Mark::Removed : ChangeColours::Mark::Added;
        QTextBlockFormat block;
        if (changed)
            block.setBackground(ChangeColours::background(palette, mark));
        if (line.kind == Line::Kind::Heading && !first)
            block.setTopMargin(12);
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, QTextCharFormat());
        first = false;
        if (line.kind == Line::Kind::Heading) {
            cursor.insertText(Heading.arg(line.number), heading);
            continue;
        }
        // The marks tell the lines apart where the colours do not.
        cursor.insertText(removed       ? QStringLiteral("−  ")
                              : changed ? QStringLiteral("+  ")
                                        : QStringLiteral("   "),
                          faded);
        QTextCharFormat word;
        word.setBackground(ChangeColours::background(palette, mark, true));
        qsizetype at = 0;
        for (const TextDiff::Range &w : line.words) {
            cursor.insertText(line.text.mid(at, w.start - at), QTextCharFormat());
            cursor.insertText(line.text.mid(w.start, w.length), word);
            at = w.end();
        }
        cursor.insertText(line.text.mid(at), QTextCharFormat());
    }
    if (view.lines.isEmpty())
        cursor.insertText(NoChanges, faded);
    cursor.endEditBlock();
    m_changes = view.changes;
}

void ChangesDialog::goTo(qsizetype change)
{
    m_current = change;
    m_ui->NextChange->setEnabled(change + 1 < m_changes.size());
    m_ui->PreviousChange->setEnabled(change > 0);
    m_ui->Position->setText(change < 0 ? NoChanges : Position.arg(change + 1).arg(m_changes.size()));
    if (change < 0)
        return;
    QTextCursor cursor(m_ui->ChangesText->document()->findBlockByNumber(int(m_changes.at(change))));
    m_ui->ChangesText->setTextCursor(cursor);
    m_ui->ChangesText->centerCursor();
}

void ChangesDialog::nextChange()
{
    if (m_current + 1 < m_changes.size())
        goTo(m_current + 1);
}

void ChangesDialog::previousChange()
{
    if (m_current > 0)
        goTo(m_current - 1);
}

void ChangesDialog::changeEvent(QEvent *event)
{
    // A new theme's colours: the marks are mixed from the palette.
    if (event->type() == QEvent::PaletteChange && isVisible())
        fill();
    QDialog::changeEvent(event);
}
