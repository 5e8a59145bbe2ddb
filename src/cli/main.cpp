#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    QByteArray out, err;
    const int status = runCli(
        arguments,
        [] {
            QFile in;
            if (!in.open(stdin, QIODevice::ReadOnly))
                return QByteArray();
            return in.readAll();
        },
        &out, &err);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
    std::fflush(stdout);
    return status;
}
