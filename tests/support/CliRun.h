#pragma once

#include "cli/CliCommand.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

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

} // namespace CliRun
