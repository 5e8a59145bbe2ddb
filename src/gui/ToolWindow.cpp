#include "gui/ToolWindow.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

namespace ToolWindow {

void bringForward(QDialog &dialog)
{
    if (!dialog.isVisible()) {
        dialog.adjustSize();
        const QWidget *owner = dialog.parentWidget();
        if (const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
            dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    }
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace ToolWindow
