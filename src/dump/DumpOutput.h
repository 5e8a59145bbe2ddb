#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// A dump being written: packed with bzip2 or gzip when its name ends in ".bz2" or
// ".gz", plain otherwise. It goes to a temporary file that takes the name only
// when commit() succeeds, so a run that fails half-way leaves no half dump.
class DumpOutput
{
public:
    DumpOutput();
    ~DumpOutput();
    DumpOutput(const DumpOutput &) = delete;
    DumpOutput &operator=(const DumpOutput &) = delete;

    // False with a message naming the file when it cannot be created.
    bool open(const QString &path, QString *error);
    bool write(const QByteArray &bytes);
    bool commit();
    // Why the last call failed, naming the file.
    QString errorString() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
