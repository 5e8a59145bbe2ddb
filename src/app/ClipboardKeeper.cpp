#include "app/ClipboardKeeper.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>

namespace ClipboardKeeper {

namespace {

constexpr int LongestKeep = 30 * 60 * 1000;
QString g_program;

} // namespace

bool handOver(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("dalvana-clipboard-XXXXXX")));
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
