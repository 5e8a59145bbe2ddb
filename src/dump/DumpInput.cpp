#include "dump/DumpInput.h"

#include <QByteArray>
#include <QFile>

#include <bzlib.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr qint64 kRawBlock = 1 << 20;

enum class Packing { Unknown, Plain, Bzip2, Gzip };

} // namespace

struct DumpInput::Private
{
    Source source;
    qint64 rawSize = -1;
    qint64 rawRead = 0;
    QByteArray in;
    qsizetype inPos = 0;
    bool sourceEnded = false;
    Packing packing = Packing::Unknown;
    bz_stream bz{};
    bool bzOpen = false;
    z_stream z{};
    bool zOpen = false;
    bool finished = false;
    QString error;

    ~Private()
    {
        if (bzOpen)
            BZ2_bzDecompressEnd(&bz);
        if (zOpen)
            inflateEnd(&z);
    }

    qsizetype available() const { return in.size() - inPos; }

    // At least `count` unread raw bytes, unless the source ends first.
    bool need(qsizetype count)
    {
        while (available() < count && !sourceEnded) {
            if (inPos > 0) {
                in.remove(0, inPos);
                inPos = 0;
            }
            const qsizetype kept = in.size();
            in.resize(kept + kRawBlock);
            QString reason;
            const qint64 n = source(in.data() + kept, kRawBlock, &reason);
            if (n < 0) {
                in.resize(kept);
                error = reason;
                return false;
            }
            in.resize(kept + n);
            rawRead += n;
            sourceEnded = n == 0;
        }
        return true;
    }

    bool start()
    {
        if (!need(3))
            return false;
        const char *p = in.constData() + inPos;
        if (available() >= 3 && std::memcmp(p, "BZh", 3) == 0) {
            packing = Packing::Bzip2;
            return openBzip2();
        }
        if (available() >= 2 && uchar(p[0]) == 0x1F && uchar(p[1]) == 0x8B) {
            packing = Packing::Gzip;
            // 15 + 32: a gzip or zlib header, told by the header itself.
            if (inflateInit2(&z, 15 + 32) != Z_OK) {
                error = QStringLiteral("cannot start unpacking gzip");
                return false;
            }
            zOpen = true;
            return true;
        }
        packing = Packing::Plain;
        return true;
    }

    bool openBzip2()
    {
        bz = bz_stream{};
        if (BZ2_bzDecompressInit(&bz, 0, 0) != BZ_OK) {
            error = QStringLiteral("cannot start unpacking bzip2");
            return false;
        }
        bzOpen = true;
        return true;
    }

    qint64 readPlain(char *buffer, qint64 size)
    {
        if (!need(1))
            return -1;
        const qsizetype n = qsizetype(std::min<qint64>(size, available()));
        std::memcpy(buffer, in.constData() + inPos, size_t(n));
        inPos += n;
        return n;
    }

    // Another packed stream after the one that ended, or the end.
    bool moreStreams()
    {
        if (!need(1))
            return false;
        finished = available() == 0;
        return true;
    }

    qint64 readBzip2(char *buffer, qint64 size)
    {
        const unsigned room = unsigned(std::min<qint64>(size, UINT_MAX));
        bz.next_out = buffer;
        bz.avail_out = room;
        while (bz.avail_out == room && !finished) {
            if (!need(1))
                return -1;
            if (available() == 0) {
                error = QStringLiteral("the bzip2 data ends early: the file is cut short");
                return -1;
            }
            bz.next_in = in.data() + inPos;
            bz.avail_in = unsigned(std::min<qint64>(available(), UINT_MAX));
            const int status = BZ2_bzDecompress(&bz);
            inPos = qsizetype(bz.next_in - in.data());
            if (status == BZ_STREAM_END) {
                BZ2_bzDecompressEnd(&bz);
                bzOpen = false;
                const qint64 produced = qint64(room - bz.avail_out);
                if (!moreStreams())
                    return -1;
                if (!finished && !openBzip2())
                    return -1;
                if (produced > 0)
                    return produced;
                bz.next_out = buffer;
                bz.avail_out = room;
            } else if (status != BZ_OK) {
                error = QStringLiteral("the bzip2 data is damaged");
                return -1;
            }
        }
        return qint64(room - bz.avail_out);
    }

    qint64 readGzip(char *buffer, qint64 size)
    {
        const unsigned room = unsigned(std::min<qint64>(size, UINT_MAX));
        z.next_out = reinterpret_cast<Bytef *>(buffer);
        z.avail_out = room;
        while (z.avail_out == room && !finished) {
            if (!need(1))
                return -1;
            if (available() == 0) {
                error = QStringLiteral("the gzip data ends early: the file is cut short");
                return -1;
            }
            z.next_in = reinterpret_cast<Bytef *>(in.data() + inPos);
            z.avail_in = unsigned(std::min<qint64>(available(), UINT_MAX));
            const int status = inflate(&z, Z_NO_FLUSH);
            inPos = qsizetype(reinterpret_cast<char *>(z.next_in) - in.data());
            if (status == Z_STREAM_END) {
                const qint64 produced = qint64(room - z.avail_out);
                if (!moreStreams())
                    return -1;
                if (!finished)
                    inflateReset(&z);
                if (produced > 0)
                    return produced;
                z.next_out = reinterpret_cast<Bytef *>(buffer);
                z.avail_out = room;
            } else if (status != Z_OK && status != Z_BUF_ERROR) {
                error = QStringLiteral("the gzip data is damaged");
                if (z.msg)
                    error += QStringLiteral(" (%1)").arg(QString::fromLatin1(z.msg));
                return -1;
            }
        }
        return qint64(room - z.avail_out);
    }
};

DumpInput::DumpInput(Source source, qint64 rawSize)
    : d(std::make_unique<Private>())
{
    d->source = std::move(source);
    d->rawSize = rawSize;
}

DumpInput::~DumpInput() = default;

std::unique_ptr<DumpInput> DumpInput::openFile(const QString &path, QString *error)
{
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file->errorString());
        return nullptr;
    }
    const qint64 length = file->isSequential() ? -1 : file->size();
    auto source = [file, path](char *buffer, qint64 size, QString *reason) -> qint64 {
        const qint64 n = file->read(buffer, size);
        if (n < 0)
            *reason = QStringLiteral("cannot read %1: %2").arg(path, file->errorString());
        return n;
    };
    return std::make_unique<DumpInput>(source, length);
}

qint64 DumpInput::read(char *buffer, qint64 size)
{
    if (!d->error.isEmpty())
        return -1;
    if (d->packing == Packing::Unknown && !d->start())
        return -1;
    switch (d->packing) {
    case Packing::Bzip2:
        return d->readBzip2(buffer, size);
    case Packing::Gzip:
        return d->readGzip(buffer, size);
    default:
        return d->readPlain(buffer, size);
    }
}

QString DumpInput::errorString() const
{
    return d->error;
}

qint64 DumpInput::rawRead() const
{
    return d->rawRead - d->available();
}

qint64 DumpInput::rawSize() const
{
    return d->rawSize;
}
