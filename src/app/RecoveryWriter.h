#pragma once

#include "app/RecoveryStore.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <memory>

// Keeps an instance's recovery copy on a thread of its own, so that comparing and
// writing megabytes never holds up typing. One snapshot at a time.
class RecoveryWriter : public QObject
{
    Q_OBJECT

public:
    // What the user interface thread hands over: the editor's text, the saved copy and
    // where the text belongs.
    struct Snapshot
    {
        QString text;
        QString savedText;
        RecoveryOrigin origin;
    };

    explicit RecoveryWriter(const QString &folder);
    // Waits for the snapshot in hand; the copy stays unless release() came first.
    ~RecoveryWriter() override;

    QString textPath() const { return m_copy.textPath(); }
    bool busy() const { return m_busy; }

    // A text that differs from the saved one is written as the copy, else the copy
    // goes; `done` follows on this object's thread.
    void submit(const Snapshot &snapshot);
    // The instance ends normally: waits, then removes the copy and the lock.
    void release();

signals:
    // `kept`: a copy is on disk now; `error`: why the last step failed, else empty.
    void done(bool kept, const QString &error);

private:
    Recovery::OwnCopy m_copy;
    QThreadPool m_pool;
    bool m_busy = false;
};
