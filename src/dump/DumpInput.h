#pragma once

#include <QString>

#include <functional>
#include <memory>

// The XML of a dump, plain or unpacked from bzip2 or gzip. The packing is told by
// the first bytes, not by a name, so that standard input needs none. Streams packed
// one after the other (as parallel packers write them) read as one.
class DumpInput
{
public:
    // Reads up to `size` raw bytes into `buffer`: how many, 0 at the end, -1 with
    // the reason on an error.
    using Source = std::function<qint64(char *buffer, qint64 size, QString *reason)>;

    // `rawSize` is the length of the raw bytes when it is known, else -1.
    explicit DumpInput(Source source, qint64 rawSize = -1);
    ~DumpInput();
    DumpInput(const DumpInput &) = delete;
    DumpInput &operator=(const DumpInput &) = delete;

    // A file; none, with a message naming it, when it cannot be opened.
    static std::unique_ptr<DumpInput> openFile(const QString &path, QString *error);

    // Up to `size` bytes of XML: how many, 0 at the end, -1 on an error.
    qint64 read(char *buffer, qint64 size);
    QString errorString() const;

    // How far through the raw bytes the reading is, for the time left.
    qint64 rawRead() const;
    qint64 rawSize() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
