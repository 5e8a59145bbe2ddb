#include "dialogs/lookups/LookupDialog.h"

#include "gui/HebrewUi.h"

#include <QScreen>

LookupDialog::LookupDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setFont(HebrewUi::davidFont(16));
}

void LookupDialog::showLookup()
{
    show();
    raise();
    activateWindow();
}

void LookupDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}
