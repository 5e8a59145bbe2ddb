#pragma once

#include <QString>
#include <QStringList>

// The user's own word list, one word a line in UTF-8, in the user's data folder.
namespace PersonalWords {

QString path();
// The words of the file; none when it does not exist or cannot be read.
QStringList load(const QString &path);
// Adds the word's plain form, keeping the file sorted and every word once; false,
// with the reason, when the file could not be written (it is then as it was).
bool add(const QString &path, const QString &word, QString *reason = nullptr);

} // namespace PersonalWords
