#pragma once

#include <QColor>

class QPalette;

// The backgrounds that mark changes, mixed from the palette's base so that its text
// reads on them in a light and a dark theme alike.
namespace ChangeColours {

enum class Mark {
    Removed, // taken out of the old text
    Added,   // put into the new one
    Mine,    // a merge took my side's change
    Theirs,  // a merge took the other side's change
    Conflict // both sides changed it differently
};

// A whole line's background, or (`strong`) that of the words changed in it.
QColor background(const QPalette &palette, Mark mark, bool strong = false);

} // namespace ChangeColours
