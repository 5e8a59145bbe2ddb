#include "gui/LetterPad.h"

#include "gui/ClickableLabel.h"

#include <QClipboard>
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QScreen>

namespace LetterPad {

namespace {

constexpr int IconSize = 22;

// A letter looks like a key and lights up under the pointer, so it reads as clickable.
const QString LetterStyle = QStringLiteral(
    "QLabel { background: white; border: 1px solid #a6caf0; border-radius: 3px; }"
    "QLabel:hover { background: #dcebfb; border-color: #3c78c8; }");

} // namespace

QFont letterFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

ClickableLabel *addLetter(QGridLayout *grid, int row, int column, const QString &letter, const QString &hint,
                          QLineEdit *edit)
{
    auto *label = new ClickableLabel(letter, grid->parentWidget());
    label->setToolTip(hint);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(LetterStyle);
    label->setMinimumSize(30, 34);
    grid->addWidget(label, row, column);
    QObject::connect(label, &ClickableLabel::clicked, edit, [edit, letter] {
        edit->insert(letter);
        edit->setFocus();
    });
    return label;
}

void setUpIcons(ClickableLabel *copy, ClickableLabel *insert)
{
    const struct
    {
        ClickableLabel *label;
        const char *icon;
    } icons[] = {{copy, "edit-copy"}, {insert, "insert-text"}};
    for (const auto &i : icons) {
        i.label->setPixmap(QIcon::fromTheme(QLatin1String(i.icon)).pixmap(IconSize, IconSize));
        i.label->setCursor(Qt::PointingHandCursor);
        i.label->setFixedSize(IconSize + 6, IconSize + 6);
        i.label->setAlignment(Qt::AlignCenter);
    }
}

bool copy(const QLineEdit *edit)
{
    if (edit->text().isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(edit->text());
    return true;
}

void showCentred(QDialog *pad)
{
    if (!pad->isVisible()) {
        pad->adjustSize();
        const QWidget *owner = pad->parentWidget();
        if (const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
            pad->move(screen->availableGeometry().center() - pad->rect().center());
    }
    pad->show();
    pad->raise();
    pad->activateWindow();
}

} // namespace LetterPad
