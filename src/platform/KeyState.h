#pragma once

// Whether Shift or Alt is held right now, asked of the whole keyboard rather
// than taken from the last event.
bool IsShiftDown();
bool IsAltDown();
