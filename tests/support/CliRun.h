#pragma once

#include "cli/CliCommand.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <type_traits>

// The command-line program run in this process instead of as a child.
namespace CliRun {

// Standard input as the program reads it: text goes in as UTF-8.
struct Input
{
    QByteArray bytes;
    Input() = default;
    Input(const QByteArray &b)
        : bytes(b)
    {
    }
    Input(const QString &text)
        : bytes(text.toUtf8())
    {
    }
};

// The exit status with standard output and error, as bytes or decoded from UTF-8.
template <typename Text> struct Result
{
    int status;
    Text out, err;
};

template <typename Text = QByteArray> Result<Text> run(const QStringList &args, const Input &input = {})
{
    QByteArray out, err;
    const int status = runCli(
        args, [&](QString *) { return std::optional<QByteArray>(input.bytes); }, &out, &err);
    if constexpr (std::is_same_v<Text, QString>)
        return {status, QString::fromUtf8(out), QString::fromUtf8(err)};
    else
        return {status, out, err};
}

// The built program run as a child, for what only a process shows: its exit, its
// streams closed or full, its limits. `inChild` runs in the child before it starts; a
// status of -1 says the program did not finish in time or crashed.
inline Result<QByteArray> runProgram(const QStringList &args, const std::optional<QByteArray> &input = {},
                                     const std::function<void()> &inChild = {})
{
    QProcess p;
    if (inChild)
        p.setChildProcessModifier(inChild);
    p.start(QStringLiteral(DALVANA_CLI_PATH), args);
    if (input)
        p.write(*input);
    p.closeWriteChannel();
    const bool finished = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit;
    if (!finished)
        p.kill();
    return {finished ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace CliRun
