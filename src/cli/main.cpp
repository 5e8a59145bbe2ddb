#include "cli/CliCommand.h"
#include "cli/StandardStreams.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    StandardStreams::guardClosedStreams();
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    CliStreaming streaming;
    streaming.readInput = [](char *buffer, qint64 size, QString *reason) -> qint64 {
        for (;;) {
            const ssize_t n = read(STDIN_FILENO, buffer, size_t(size));
            if (n >= 0)
                return n;
            if (errno != EINTR) {
                *reason = QString::fromLocal8Bit(std::strerror(errno));
                return -1;
            }
        }
    };
    streaming.writeOut = [](const QByteArray &bytes, QString *reason) {
        return StandardStreams::writeAll(STDOUT_FILENO, bytes, reason);
    };
    if (isatty(STDERR_FILENO)) {
        streaming.progress = [](const QString &line) {
            QString reason;
            StandardStreams::writeAll(STDERR_FILENO, line.toUtf8(), &reason);
        };
    }

    QByteArray out, err;
    int status = runCli(arguments, StandardStreams::readInput, &out, &err, streaming);
    QString reason;
    if (!StandardStreams::writeAll(STDOUT_FILENO, out, &reason)) {
        err += QStringLiteral("dalvana-cli: cannot write standard output: %1\n").arg(reason).toUtf8();
        status = 2;
    }
    StandardStreams::writeAll(STDERR_FILENO, err, &reason);
    return status;
}
