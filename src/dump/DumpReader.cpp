#include "dump/DumpReader.h"

#include "dump/DumpInput.h"
#include "dump/DumpOutput.h"
#include "dump/DumpSplitter.h"
#include "dump/OrderedWorkers.h"

#include <QElapsedTimer>
#include <QThread>
#include <QXmlStreamReader>

#include <vector>

namespace {

// Pages go to the threads in batches: handing each small page over on its own costs
// more than reading it.
constexpr qsizetype kBatchBytes = 256 << 10;
constexpr std::size_t kBatchPages = 64;
// In flight at most: enough to keep every thread busy while one batch is slow.
constexpr std::size_t kBatchesPerThread = 4;
constexpr qsizetype kBytesInFlight = 64 << 20;
constexpr qint64 kProgressEveryMs = 250;

struct Piece
{
    QByteArray bytes;
    bool complete = true;
    XmlPosition start;
};
using Batch = std::vector<Piece>;

struct Done
{
    bool ok = true;
    DumpPage::XmlError error;
    XmlPosition start;
    DumpPage::Page page;
    bool handled = false;
    DumpReader::Outcome outcome;
    QByteArray bytes; // what goes to the output
    qsizetype size = 0;
};
using Dones = std::vector<Done>;

DumpReader::Error malformed(const XmlPosition &at, const QString &message)
{
    return {DumpReader::Failure::Malformed, message, at.line, at.column + 1};
}

// The dump up to its first page, read as it comes: its root must be <mediawiki>,
// and the pages stand right inside it.
class HeaderCheck
{
public:
    // False when the header so far is not well-formed XML or not a dump's.
    bool add(const QByteArray &bytes, DumpReader::Error *error)
    {
        m_xml.addData(bytes);
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::StartDocument) {
                const QString encoding = m_xml.documentEncoding().toString();
                if (!encoding.isEmpty() && encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0) {
                    *error = {DumpReader::Failure::NotDump,
                              QStringLiteral("the dump is in %1; only UTF-8 dumps are read").arg(encoding)};
                    return false;
                }
            } else if (token == QXmlStreamReader::StartElement) {
                if (m_depth++ == 0) {
                    m_root = m_xml.qualifiedName().toString();
                    if (m_xml.name() != u"mediawiki") {
                        *error = notDump();
                        return false;
                    }
                }
            } else if (token == QXmlStreamReader::EndElement) {
                --m_depth;
            }
        }
        if (m_xml.hasError() && m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError) {
            *error = here();
            return false;
        }
        return true;
    }

    // The whole dump was header: it must have ended as a document.
    bool finish(DumpReader::Error *error)
    {
        if (m_root.isEmpty()) {
            *error = notDump();
            return false;
        }
        if (m_xml.hasError()) {
            *error = here();
            return false;
        }
        return true;
    }

    // The first page has come.
    bool pageMayStart(const XmlPosition &at, DumpReader::Error *error) const
    {
        if (m_root.isEmpty()) {
            *error = notDump();
            return false;
        }
        if (m_depth != 1) {
            *error = malformed(at, QStringLiteral("A page must stand right inside <%1>.").arg(m_root));
            return false;
        }
        return true;
    }

    QString root() const { return m_root; }

private:
    DumpReader::Error notDump() const
    {
        return {DumpReader::Failure::NotDump,
                m_root.isEmpty() ? QStringLiteral("no MediaWiki XML dump: it has no <mediawiki> element")
                                 : QStringLiteral("no MediaWiki XML dump: its root element is <%1>").arg(m_root)};
    }

    DumpReader::Error here() const
    {
        return {DumpReader::Failure::Malformed, m_xml.errorString(), m_xml.lineNumber(), m_xml.columnNumber() + 1};
    }

    QXmlStreamReader m_xml;
    QString m_root;
    int m_depth = 0;
};

// What follows the last page must close the root, and nothing else may follow.
bool checkTrailer(const QString &root, const QByteArray &trailer, const XmlPosition &start, DumpReader::Error *error)
{
    const QByteArray open = '<' + root.toUtf8() + '>';
    QXmlStreamReader xml(open + trailer);
    xml.setNamespaceProcessing(false);
    while (!xml.atEnd())
        xml.readNext();
    if (!xml.hasError())
        return true;
    qint64 column = xml.columnNumber();
    if (xml.lineNumber() == 1)
        column = std::max<qint64>(0, column - open.size());
    *error = malformed(start.offsetBy(xml.lineNumber(), column), xml.errorString());
    return false;
}

} // namespace

DumpReader::Error DumpReader::run(DumpInput &input, const Options &options, const HandlerFactory &handlers,
                                  const Sink &sink)
{
    QElapsedTimer timer;
    timer.start();
    const std::size_t threads = std::size_t(options.threads > 0 ? options.threads : QThread::idealThreadCount());
    const std::optional<int> ns = options.ns;
    DumpOutput *output = options.output;

    auto makeWork = [&handlers, ns, output]() -> std::function<Dones(Batch &)> {
        return [handler = handlers(), ns, output](Batch &batch) {
            Dones dones(batch.size());
            for (std::size_t i = 0; i < batch.size(); ++i) {
                Piece &piece = batch[i];
                Done &done = dones[i];
                done.size = piece.bytes.size();
                done.start = piece.start;
                done.ok = DumpPage::read(piece.bytes, piece.complete, &done.page, &done.error);
                if (done.ok && done.page.hasText && (!ns || done.page.ns == *ns)) {
                    done.handled = true;
                    done.outcome = handler(done.page);
                }
                done.page.text.clear();
                if (output)
                    done.bytes = done.ok && done.outcome.text ? DumpPage::replaceText(piece.bytes, *done.outcome.text)
                                                              : std::move(piece.bytes);
            }
            return dones;
        };
    };
    OrderedWorkers<Batch, Dones> workers(int(std::max<std::size_t>(threads, 1)), makeWork);

    DumpSplitter splitter(input);
    HeaderCheck header;
    XmlPosition position;
    Batch batch;
    qsizetype batchBytes = 0;
    qsizetype bytesInFlight = 0;
    bool seenPage = false;
    Progress progress;
    progress.rawSize = input.rawSize();
    qint64 lastProgress = 0;
    Error error;

    auto report = [&](bool always) {
        if (!options.progress)
            return;
        const qint64 now = timer.elapsed();
        if (!always && now - lastProgress < kProgressEveryMs)
            return;
        lastProgress = now;
        progress.rawRead = input.rawRead();
        progress.elapsedMs = now;
        options.progress(progress);
    };
    auto write = [&](const QByteArray &bytes) {
        if (output && !output->write(bytes)) {
            error = {Failure::Output, output->errorString()};
            return false;
        }
        return true;
    };
    auto consumeOne = [&](const Done &done) {
        bytesInFlight -= done.size;
        if (!done.ok) {
            error = malformed(done.start.offsetBy(done.error.line, done.error.column), done.error.message);
            return false;
        }
        if (!write(done.bytes))
            return false;
        ++progress.pages;
        if (done.handled && done.outcome.stop) {
            error = {Failure::Stopped, done.outcome.message};
            return false;
        }
        if (done.handled && !sink(done.page, done.outcome)) {
            error = {Failure::Stopped, QString()};
            return false;
        }
        report(false);
        return true;
    };
    auto consume = [&](const Dones &dones) {
        for (const Done &done : dones) {
            if (!consumeOne(done))
                return false;
        }
        return true;
    };
    // Hands the batch over; takes what is done, and waits while too much is in flight.
    auto submit = [&] {
        if (!batch.empty()) {
            bytesInFlight += batchBytes;
            workers.submit(std::move(batch));
            batch = {};
            batchBytes = 0;
        }
        while (workers.pending() > 0
               && (workers.pending() >= threads * kBatchesPerThread || bytesInFlight > kBytesInFlight
                   || workers.oldestDone())) {
            if (!consume(workers.takeOldest()))
                return false;
        }
        return true;
    };
    auto drain = [&] {
        if (!submit())
            return false;
        while (workers.pending() > 0) {
            if (!consume(workers.takeOldest()))
                return false;
        }
        return true;
    };

    for (;;) {
        DumpSplitter::Piece piece = splitter.next();
        progress.xmlBytes += piece.bytes.size();
        switch (piece.kind) {
        case DumpSplitter::Kind::Error:
            if (!drain())
                return error;
            return {Failure::Input, input.errorString()};
        case DumpSplitter::Kind::Header:
            if (!header.add(piece.bytes, &error) || !write(piece.bytes))
                return error;
            break;
        case DumpSplitter::Kind::Page:
            if (!seenPage && !header.pageMayStart(position, &error))
                return error;
            seenPage = true;
            batch.push_back({std::move(piece.bytes), piece.complete, position});
            position.advance(batch.back().bytes.constData(), batch.back().bytes.size());
            batchBytes += batch.back().bytes.size();
            if ((batchBytes >= kBatchBytes || batch.size() >= kBatchPages) && !submit())
                return error;
            continue;
        case DumpSplitter::Kind::Trailer:
            if (!drain() || !checkTrailer(header.root(), piece.bytes, position, &error) || !write(piece.bytes))
                return error;
            break;
        case DumpSplitter::Kind::End:
            if (!drain())
                return error;
            if (!seenPage && !header.finish(&error))
                return error;
            report(true);
            return {};
        }
        position.advance(piece.bytes.constData(), piece.bytes.size());
    }
}
