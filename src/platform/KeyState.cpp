#include "platform/KeyState.h"

#include <QGuiApplication>

bool IsShiftDown()
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
}

bool IsAltDown()
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier;
}
