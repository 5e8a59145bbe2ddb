#pragma once

#include "check/EntryCheck.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <memory>
#include <optional>

// Checks the editor's text on a thread of its own, with a pattern engine of its own
// (the window's is not to be shared across threads). Taking a long text out of the
// editor widget costs more than a keystroke may, so the runner keeps its own copy
// of the widget's text and is handed the changes made to it. One text is checked at
// a time; a check that newer changes have overtaken is not reported.
class CheckRunner : public QObject
{
    Q_OBJECT

public:
    // A change of the widget's text (U+2029 between lines): `removed` characters at
    // `at` gave way to `added`.
    struct Change
    {
        int at = 0;
        int removed = 0;
        QString added;
    };
    struct Listing
    {
        quint64 revision = 0;
        EntryCheck::Result result; // positions in the text with CR LF
        // Where each problem stands in the widget's text that was checked.
        QList<int> places;
    };

    explicit CheckRunner(QObject *parent = nullptr);
    ~CheckRunner() override;

    // Checks the text at `revision`: `base`, the widget's whole text, when given, else
    // the text of the request before with `changes` made to it.
    void request(quint64 revision, const std::optional<QString> &base, const QList<Change> &changes);

signals:
    void finished(const CheckRunner::Listing &listing);

private:
    struct Job
    {
        quint64 revision = 0;
        std::optional<QString> base;
        QList<Change> changes;
    };
    void work();
    void run(Job job);

    QThread m_thread;
    QObject m_worker;
    mutable QMutex m_mutex;
    std::optional<Job> m_next;
    bool m_busy = false;
    // Used on the thread alone.
    std::unique_ptr<RegEx> m_regex;
    QString m_text;
};
