#include "cli/StandardStreams.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace StandardStreams {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

void guardClosedStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

std::optional<QByteArray> readInput(QString *reason)
{
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n == 0)
            return bytes;
        if (n > 0) {
            bytes.append(buffer, qsizetype(n));
        } else if (errno != EINTR) {
            *reason = systemReason(errno);
            return std::nullopt;
        }
    }
}

bool writeAll(int fd, const QByteArray &bytes, QString *reason)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n > 0) {
            written += n;
        } else if (n < 0 && errno != EINTR) {
            *reason = systemReason(errno);
            return false;
        }
    }
    return true;
}

} // namespace StandardStreams
