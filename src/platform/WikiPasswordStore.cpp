#include "platform/WikiPasswordStore.h"

#include <QHash>
#include <QPointer>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace {

const QString Service = QStringLiteral("Dalvana wiki");

bool inMemory = false;
bool answerLater = false;

QHash<QString, QString> &memory()
{
    static QHash<QString, QString> passwords;
    return passwords;
}

} // namespace

namespace WikiPasswordStore {

void setInMemoryForTesting(bool on, bool later)
{
    inMemory = on;
    answerLater = later;
    memory().clear();
}

void read(const QString &user, QObject *context, ReadDone done)
{
    if (inMemory && answerLater)
        return QTimer::singleShot(0, context, [done, password = memory().value(user)] { done(password, QString()); });
    if (inMemory)
        return done(memory().value(user), QString());
    auto *job = new QKeychain::ReadPasswordJob(Service);
    job->setKey(user);
    // Never a plain file beside the settings.
    job->setInsecureFallback(false);
    QObject::connect(job, &QKeychain::Job::finished, context, [done](QKeychain::Job *finished) {
        const auto *readJob = static_cast<QKeychain::ReadPasswordJob *>(finished);
        if (readJob->error() == QKeychain::NoError || readJob->error() == QKeychain::EntryNotFound)
            done(readJob->textData(), QString());
        else
            done(QString(), readJob->errorString());
    });
    job->start();
}

void write(const QString &user, const QString &password, QObject *context, WriteDone done)
{
    if (inMemory) {
        if (password.isEmpty())
            memory().remove(user);
        else
            memory().insert(user, password);
        return done(QString());
    }
    QKeychain::Job *job = nullptr;
    if (password.isEmpty()) {
        job = new QKeychain::DeletePasswordJob(Service);
    } else {
        auto *writeJob = new QKeychain::WritePasswordJob(Service);
        writeJob->setTextData(password);
        job = writeJob;
    }
    job->setKey(user);
    job->setInsecureFallback(false);
    QObject::connect(job, &QKeychain::Job::finished, context, [done](QKeychain::Job *finished) {
        const bool ok = finished->error() == QKeychain::NoError || finished->error() == QKeychain::EntryNotFound;
        done(ok ? QString() : finished->errorString());
    });
    job->start();
}

} // namespace WikiPasswordStore
