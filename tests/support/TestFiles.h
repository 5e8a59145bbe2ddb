#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace TestFiles {

// The whole file; empty when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file under tests/data as UTF-8 text, as written there (LF line ends).
inline QString testData(const QString &relativePath)
{
    return QString::fromUtf8(readBytes(QStringLiteral(DALVANA_TEST_DATA "/") + relativePath));
}

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

// The desktop's data and configuration folders inside `home`, so that nothing the
// tests write reaches the real ones; false when the temporary folder is missing.
inline bool useHomeIn(const QTemporaryDir &home)
{
    return home.isValid() && qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8())
        && qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
}

} // namespace TestFiles
