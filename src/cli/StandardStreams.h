#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The program's own standard streams, where every read and write is checked.
namespace StandardStreams {

// A stream that was closed when the program started gets /dev/null opened the other
// way round: the next file opened does not take its number, and using the stream
// fails as it would have.
void guardClosedStreams();

// The whole of standard input; nothing, with the system's reason, on a read error.
std::optional<QByteArray> readInput(QString *reason);

// Writes all of `bytes` to the descriptor; false, with the system's reason, when
// they could not all be written.
bool writeAll(int fd, const QByteArray &bytes, QString *reason);

} // namespace StandardStreams
