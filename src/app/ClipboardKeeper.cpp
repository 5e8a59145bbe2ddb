#include "app/ClipboardKeeper.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

namespace ClipboardKeeper {

namespace {

constexpr int LongestKeep = 30 * 60 * 1000;
const QString FilePrefix = QStringLiteral("clipboard-");
QString g_program;

constexpr QFile::Permissions OthersAccess = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
    | QFile::WriteOther | QFile::ExeOther;

} // namespace

QString folder()
{
    // Per user, as /tmp is shared; someone else's folder of that name is never used.
    const QString path = QDir::temp().filePath(QStringLiteral("dalvana-%1").arg(::getuid()));
    QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir() || info.ownerId() != ::getuid())
        return QString();
    if ((info.permissions() & OthersAccess)
        && !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return QString();
    return path;
}

bool isOwnFile(const QString &file)
{
    const QFileInfo info(file);
    const QString own = folder();
    return !own.isEmpty() && !info.isSymLink() && info.isFile() && info.fileName().startsWith(FilePrefix)
        && QFileInfo(info.absolutePath()).canonicalFilePath() == QFileInfo(own).canonicalFilePath();
}

bool handOver(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    const QString own = folder();
    if (own.isEmpty())
        return false;
    QTemporaryFile file(QDir(own).filePath(FilePrefix + QStringLiteral("XXXXXX")));
    file.setAutoRemove(false);
    if (!file.open() || file.write(text.toUtf8()) < 0 || !file.flush()) {
        file.remove();
        return false;
    }
    file.close();
    const QString program = g_program.isEmpty() ? QCoreApplication::applicationFilePath() : g_program;
    if (!QProcess::startDetached(program, {Switch, file.fileName()})) {
        file.remove();
        return false;
    }
    return true;
}

void setProgramForTesting(const QString &program)
{
    g_program = program;
}

int keep(const QString &file)
{
    if (!isOwnFile(file)) {
        std::fputs(
            qPrintable(QStringLiteral("dalvana: %1 is not a clipboard hand-over file of this program\n").arg(file)),
            stderr);
        return 2;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return 1;
    const QString text = QString::fromUtf8(in.readAll());
    in.close();
    in.remove();

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    QObject::connect(clipboard, &QClipboard::changed, qApp, [clipboard, text](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && (!clipboard->ownsClipboard() || clipboard->text() != text))
            QCoreApplication::quit();
    });
    QTimer::singleShot(LongestKeep, qApp, &QCoreApplication::quit);
    return QCoreApplication::exec();
}

} // namespace ClipboardKeeper
