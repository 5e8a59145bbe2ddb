#include "dump/DumpOutput.h"

#include <QSaveFile>

#include <bzlib.h>
#include <zlib.h>

#include <algorithm>
#include <climits>

namespace {

enum class Packing { Plain, Bzip2, Gzip };

constexpr int kOutBlock = 1 << 18;

} // namespace

struct DumpOutput::Private
{
    QSaveFile file;
    Packing packing = Packing::Plain;
    bz_stream bz{};
    z_stream z{};
    bool open = false;
    QString error;
    QByteArray out = QByteArray(kOutBlock, Qt::Uninitialized);

    ~Private()
    {
        if (open && packing == Packing::Bzip2)
            BZ2_bzCompressEnd(&bz);
        if (open && packing == Packing::Gzip)
            deflateEnd(&z);
    }

    bool fail(const QString &reason)
    {
        error = QStringLiteral("cannot write %1: %2").arg(file.fileName(), reason);
        return false;
    }

    bool writeRaw(const char *bytes, qint64 size)
    {
        if (size > 0 && file.write(bytes, size) != size)
            return fail(file.errorString());
        return true;
    }

    // Feeds `bytes` to the packer with `action` and writes what comes out; for a
    // finishing action, until the packed stream has ended.
    bool packBzip2(const QByteArray &bytes, int action)
    {
        bz.next_in = const_cast<char *>(bytes.constData());
        bz.avail_in = unsigned(bytes.size());
        for (;;) {
            bz.next_out = out.data();
            bz.avail_out = kOutBlock;
            const int status = BZ2_bzCompress(&bz, action);
            if (status < 0)
                return fail(QStringLiteral("bzip2 error %1").arg(status));
            if (!writeRaw(out.constData(), kOutBlock - bz.avail_out))
                return false;
            if (action == BZ_RUN ? bz.avail_in == 0 : status == BZ_STREAM_END)
                return true;
        }
    }

    bool packGzip(const QByteArray &bytes, int flush)
    {
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
        z.avail_in = uInt(bytes.size());
        for (;;) {
            z.next_out = reinterpret_cast<Bytef *>(out.data());
            z.avail_out = kOutBlock;
            const int status = deflate(&z, flush);
            if (status == Z_STREAM_ERROR)
                return fail(QStringLiteral("gzip error"));
            if (!writeRaw(out.constData(), kOutBlock - z.avail_out))
                return false;
            if (flush == Z_NO_FLUSH ? z.avail_in == 0 : status == Z_STREAM_END)
                return true;
        }
    }
};

DumpOutput::DumpOutput()
    : d(std::make_unique<Private>())
{
}

DumpOutput::~DumpOutput() = default;

bool DumpOutput::open(const QString &path, QString *error)
{
    d->file.setFileName(path);
    if (!d->file.open(QIODevice::WriteOnly)) {
        d->fail(d->file.errorString());
        *error = d->error;
        return false;
    }
    if (path.endsWith(QLatin1String(".bz2"))) {
        d->packing = Packing::Bzip2;
        if (BZ2_bzCompressInit(&d->bz, 9, 0, 0) != BZ_OK) {
            *error = QStringLiteral("cannot start packing bzip2");
            return false;
        }
    } else if (path.endsWith(QLatin1String(".gz"))) {
        d->packing = Packing::Gzip;
        // 15 + 16: a gzip header and trailer around the deflate stream.
        if (deflateInit2(&d->z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
            *error = QStringLiteral("cannot start packing gzip");
            return false;
        }
    }
    d->open = true;
    return true;
}

bool DumpOutput::write(const QByteArray &bytes)
{
    // The packers count in unsigned int: a page of gigabytes goes in parts.
    constexpr qsizetype part = INT_MAX / 2;
    for (qsizetype from = 0; from < bytes.size(); from += part) {
        const QByteArray piece = bytes.size() <= part ? bytes : bytes.mid(from, part);
        bool ok = true;
        switch (d->packing) {
        case Packing::Bzip2:
            ok = d->packBzip2(piece, BZ_RUN);
            break;
        case Packing::Gzip:
            ok = d->packGzip(piece, Z_NO_FLUSH);
            break;
        case Packing::Plain:
            ok = d->writeRaw(piece.constData(), piece.size());
            break;
        }
        if (!ok)
            return false;
    }
    return true;
}

bool DumpOutput::commit()
{
    if (d->packing == Packing::Bzip2 && !d->packBzip2({}, BZ_FINISH))
        return false;
    if (d->packing == Packing::Gzip && !d->packGzip({}, Z_FINISH))
        return false;
    if (!d->file.commit())
        return d->fail(d->file.errorString());
    return true;
}

QString DumpOutput::errorString() const
{
    return d->error;
}
