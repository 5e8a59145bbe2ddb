#pragma once

#include "dump/DumpPage.h"

#include <QStringList>

#include <functional>
#include <optional>

class DumpInput;
class DumpOutput;

// Reads a MediaWiki XML dump as a stream: pages are read and handed to a handler on
// a pool of threads, and come back in the dump's order. Memory holds the header and
// the pages in flight, whatever the dump's size.
class DumpReader
{
public:
    // What a handler made of a page.
    struct Outcome
    {
        std::optional<QString> text{}; // the new editor text, when the page changed
        QStringList lines{};           // whatever the caller wants back
        QString message{};             // a refusal, for the caller to report
        bool stop = false;             // end the whole run
    };
    // Runs on a worker thread; each thread gets its own from `HandlerFactory`.
    using Handler = std::function<Outcome(const DumpPage::Page &page)>;
    using HandlerFactory = std::function<Handler()>;
    // Runs on the calling thread, in the dump's order; the page comes without its
    // text. False ends the run.
    using Sink = std::function<bool(const DumpPage::Page &page, const Outcome &outcome)>;

    struct Progress
    {
        qint64 pages = 0;
        qint64 xmlBytes = 0;
        qint64 rawRead = 0;
        qint64 rawSize = -1; // -1 when unknown
        qint64 elapsedMs = 0;
    };

    struct Options
    {
        int threads = 0;                                  // 0: one per core
        std::optional<int> ns = 0;                        // pages of other namespaces are only checked; none: all
        DumpOutput *output = nullptr;                     // the dump with the changed texts
        std::function<void(const Progress &)> progress{}; // now and then, and at the end
    };

    enum class Failure { None, Input, Malformed, NotDump, Output, Stopped };
    struct Error
    {
        Failure failure = Failure::None;
        QString message;
        qint64 line = 0;   // for a malformed dump: where a reader of the whole XML stops,
        qint64 column = 0; // line and column both from 1
    };

    static Error run(DumpInput &input, const Options &options, const HandlerFactory &handlers, const Sink &sink);
};
