#include "wikitext/SafeSave.h"

#include <QFileInfo>
#include <QSaveFile>

namespace SafeSave {

namespace {

// A full disk or a file size limit shows as a short count without an error; writing
// the rest again makes the system name the reason.
bool writeEverything(QFileDevice &file, const QByteArray &bytes, QString &reason)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written == bytes.size() && file.flush())
        return true;
    reason = file.error() != QFileDevice::NoError
        ? file.errorString()
        : QStringLiteral("only %1 of %2 bytes could be written").arg(written).arg(bytes.size());
    return false;
}

} // namespace

bool writeAll(const QString &path, const QByteArray &bytes, QString *reason)
{
    QString ignored;
    QString &why = reason ? *reason : ignored;
    // A device or a pipe has no contents to keep, and renaming a file over it would
    // put a file in its place.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            why = device.errorString();
            return false;
        }
        return writeEverything(device, bytes, why);
    }

    // Unbuffered, so that a failed write carries the system's reason.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        why = file.errorString();
        return false;
    }
    if (!writeEverything(file, bytes, why)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        why = file.errorString();
        return false;
    }
    return true;
}

} // namespace SafeSave
