#pragma once

#include <QString>

// The decisions behind the Preferences dialog, apart from its widgets.
namespace PreferenceRules {

// The stored AutoSave value as the dialog takes it at each opening: text that is
// not a whole number counts as 0, as does a negative number; 100 and more become 99.
int autoSaveMinutes(const QString &stored);

// The auto-save timer's interval for the text of the minutes edit, in
// milliseconds: whole minutes times 60000, one minute for text that is not a
// whole number (an empty edit too). 0 means the timer does not run: "0" is off,
// and "00" or a negative number give nothing to wait for.
int autoSaveInterval(const QString &text);

// The recent-changes option after its check box changed: the new value of the
// last visit time, and what to write to the file (a null string: nothing).
struct RecentChangesStep
{
    QString lastTime;
    QString write;
};
RecentChangesStep recentChangesClicked(bool checked, const QString &lastTime);

// Whether a text-file verb command starts the program `programPath`: its first
// argument names a file of the same name (a copy elsewhere counts, and is then
// registered again with this copy's path).
bool commandNamesProgram(const QString &command, const QString &programPath);

} // namespace PreferenceRules
