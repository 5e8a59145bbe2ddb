#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes goes through here: into a temporary file beside the
// target, which replaces the target by a rename only when every byte reached it. A
// device or a pipe is written directly.
namespace SafeSave {

// Writes `bytes` as the whole of `path`. On failure the old file is as it was, and
// `reason`, when given, says why in the system's words.
bool writeAll(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

} // namespace SafeSave
