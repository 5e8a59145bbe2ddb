#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace TestFiles {

// Writes the bytes as the whole file; false when it cannot be opened or written in full.
inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A file the system may start as a program.
inline bool writeExecutable(const QString &path, const QByteArray &bytes)
{
    return writeBytes(path, bytes)
        && QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
}

} // namespace TestFiles
