#pragma once

#include <QString>

// Key-by-key access to an INI file in the manner of profile-string routines: every
// call opens the file, reads or writes one key and closes it; nothing is cached.
// Sections and keys keep their order; a new key goes to the end of its section, a
// new section to the end of the file. Names compare without regard to case.
namespace IniFile {

// At most 2047 characters; a value enclosed in double quotes comes without them.
// A missing file, section or key gives `defaultValue`.
QString read(const QString &path, const QString &section, const QString &key, const QString &defaultValue = QString());

// Writes through a temporary file. A file that exists but cannot be read or
// decoded is left alone and the write fails, so a broken file loses nothing.
bool write(const QString &path, const QString &section, const QString &key, const QString &value,
           QString *error = nullptr);

// False, with the reason, when the file exists but cannot be read or decoded;
// such a file is never written.
bool check(const QString &path, QString *error);

} // namespace IniFile
