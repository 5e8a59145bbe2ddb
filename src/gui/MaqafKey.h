#pragma once

class QEvent;
class QLineEdit;

// Ctrl with the main keyboard's minus types the Hebrew maqaf into a line edit, where
// a Hebrew keyboard has no key for it; the keypad's minus stays a minus.
namespace MaqafKey {

// For an event filter of `edit`: true when the event was the key and the maqaf went
// in. The key is also kept from any window shortcut that claims it.
bool filter(QLineEdit &edit, QEvent *event);

} // namespace MaqafKey
