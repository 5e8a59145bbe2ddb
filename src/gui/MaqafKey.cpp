#include "gui/MaqafKey.h"

#include "hebrew/Hebrew.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace MaqafKey {

namespace {

bool isMaqafKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers mods = key->modifiers();
    return key->key() == Qt::Key_Minus && (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)
        && !(mods & Qt::KeypadModifier);
}

} // namespace

bool filter(QLineEdit &edit, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (isMaqafKey(static_cast<QKeyEvent *>(event)))
            event->accept();
        return false;
    case QEvent::KeyPress:
        if (!isMaqafKey(static_cast<QKeyEvent *>(event)))
            return false;
        edit.insert(QString(QChar(Hebrew::Maqaf)));
        return true;
    default:
        return false;
    }
}

} // namespace MaqafKey
