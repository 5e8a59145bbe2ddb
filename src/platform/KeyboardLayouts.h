#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QApplication;

// The keyboard layout a control asks for when it gets the focus: Hebrew for a
// right-to-left control, US English for any other, by the names Windows gives them.
// Linux has no such setting per control; on X11 the layer switches to the
// keyboard group of that language where the user has one, and elsewhere it does
// nothing.
namespace KeyboardLayouts {

inline const QString Hebrew = QStringLiteral("0000040d");
inline const QString UsEnglish = QStringLiteral("00000409");

QString layoutFor(Qt::LayoutDirection direction);

// The keyboard group, among the groups named, that stands for `layout`; -1 for none.
int groupFor(const QString &layout, const QStringList &groupNames);

// From now on every focus change in the application asks for the layout of the
// control that got the focus. Once is enough; later calls change nothing.
void install(QApplication &app);

// What asks for a layout; tests record instead of switching the keyboard.
using Activator = std::function<void(const QString &layout)>;
void setActivatorForTesting(Activator activator);

} // namespace KeyboardLayouts
