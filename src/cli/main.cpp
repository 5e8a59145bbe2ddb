#include "cli/CliCommand.h"
#include "cli/StandardStreams.h"

#include <QCoreApplication>

#include <unistd.h>

int main(int argc, char *argv[])
{
    StandardStreams::guardClosedStreams();
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    QByteArray out, err;
    int status = runCli(arguments, StandardStreams::readInput, &out, &err);
    QString reason;
    if (!StandardStreams::writeAll(STDOUT_FILENO, out, &reason)) {
        err += QStringLiteral("dalvana-cli: cannot write standard output: %1\n").arg(reason).toUtf8();
        status = 2;
    }
    StandardStreams::writeAll(STDERR_FILENO, err, &reason);
    return status;
}
