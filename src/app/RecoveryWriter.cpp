#include "app/RecoveryWriter.h"

RecoveryWriter::RecoveryWriter(const QString &folder)
    : m_copy(folder)
{
    m_pool.setMaxThreadCount(1);
}

RecoveryWriter::~RecoveryWriter()
{
    m_pool.waitForDone();
}

void RecoveryWriter::submit(const Snapshot &snapshot)
{
    m_busy = true;
    m_pool.start([this, snapshot] {
        QString error;
        if (snapshot.text == snapshot.savedText)
            m_copy.remove(&error);
        else
            m_copy.write(snapshot.text, snapshot.origin, &error);
        const bool kept = m_copy.exists();
        QMetaObject::invokeMethod(
            this,
            [this, kept, error] {
                m_busy = false;
                emit done(kept, error);
            },
            Qt::QueuedConnection);
    });
}

void RecoveryWriter::release()
{
    m_pool.waitForDone();
    m_copy.release();
}
