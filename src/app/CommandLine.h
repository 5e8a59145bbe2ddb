#pragma once

#include <QString>
#include <QStringList>

// The editor's command line: the switches "/o FILE" and "/c", a lone FILE as a
// shorthand for "/o FILE", and the "--help" and "--version" every program answers.
namespace CommandLine {

struct Request
{
    enum class Kind { Start, Help, Version, BadUsage, KeepClipboard };
    Kind kind = Kind::Start;
    // For Start: the arguments the start-up steps read, a file's path made absolute
    // against `workingDirectory` (where the user typed it).
    // For KeepClipboard: the file that holds the text.
    QStringList arguments;
    // For Help, Version and BadUsage: what to print.
    QString message;
};

Request parse(const QStringList &arguments, const QString &workingDirectory);

} // namespace CommandLine
