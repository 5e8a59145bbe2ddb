#include "dialogs/check/CheckRunner.h"

#include "app/EditorAdapter.h"
#include "regex/RegEx.h"

#include <QMutexLocker>

#include <algorithm>

namespace {

// The widget's positions of the problems: the text checked has CR LF where the widget
// has one separator, so each separator before a problem moves it back by one.
QList<int> widgetPlaces(const QString &widgetText, const QList<EntryCheck::Problem> &problems)
{
    QList<int> places;
    places.reserve(problems.size());
    qsizetype w = 0, state = 0;
    for (const EntryCheck::Problem &p : problems) {
        // In text order, but a problem may stand before the one listed ahead of it.
        if (p.position < state)
            w = state = 0;
        while (state < p.position && w < widgetText.size())
            state += widgetText.at(w++) == QChar::ParagraphSeparator ? 2 : 1;
        places.append(int(w));
    }
    return places;
}

} // namespace

CheckRunner::CheckRunner(QObject *parent)
    : QObject(parent)
{
    m_worker.moveToThread(&m_thread);
    m_thread.start(QThread::LowPriority);
}

CheckRunner::~CheckRunner()
{
    {
        QMutexLocker lock(&m_mutex);
        m_next.reset();
    }
    m_thread.quit();
    m_thread.wait();
}

void CheckRunner::request(quint64 revision, const std::optional<QString> &base, const QList<Change> &changes)
{
    QMutexLocker lock(&m_mutex);
    if (base || !m_next) {
        m_next = Job{revision, base, changes};
    } else {
        // The text waiting to be checked takes these changes as well.
        m_next->revision = revision;
        m_next->changes += changes;
    }
    if (m_busy)
        return;
    m_busy = true;
    QMetaObject::invokeMethod(
        &m_worker, [this] { work(); }, Qt::QueuedConnection);
}

void CheckRunner::work()
{
    for (;;) {
        Job job;
        {
            QMutexLocker lock(&m_mutex);
            if (!m_next) {
                m_busy = false;
                return;
            }
            job = std::move(*m_next);
            m_next.reset();
        }
        run(std::move(job));
    }
}

void CheckRunner::run(Job job)
{
    if (job.base)
        m_text = std::move(*job.base);
    for (const Change &c : std::as_const(job.changes)) {
        const qsizetype at = std::clamp<qsizetype>(c.at, 0, m_text.size());
        m_text.replace(at, std::clamp<qsizetype>(c.removed, 0, m_text.size() - at), c.added);
    }
    if (!m_regex)
        m_regex = std::make_unique<RegEx>();
    Listing listing;
    listing.revision = job.revision;
    listing.result = EntryCheck::check(*m_regex, EditorAdapter::stateText(m_text));
    listing.places = widgetPlaces(m_text, listing.result.problems);
    {
        QMutexLocker lock(&m_mutex);
        if (m_next)
            return; // overtaken while it ran
    }
    // Delivered on the thread this object lives in.
    QMetaObject::invokeMethod(
        this, [this, listing = std::move(listing)] { emit finished(listing); }, Qt::QueuedConnection);
}
