#include "app/RecoveryStore.h"

#include "wikitext/DocumentFormat.h"
#include "wikitext/SafeSave.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QUuid>

#include <algorithm>
#include <cerrno>

namespace Recovery {

namespace {

const QString TextSuffix = QStringLiteral(".txt");
const QString DescriptionSuffix = QStringLiteral(".json");
const QString LockSuffix = QStringLiteral(".lock");

QString systemReason()
{
    return errno ? qt_error_string(errno) : QStringLiteral("unknown error");
}

QByteArray digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

// A lock that only a dead owner gives up: by default Qt also takes a lock for stale
// after 30 seconds, and an editor stays open for hours.
std::unique_ptr<QLockFile> lockFile(const QString &folder, const QString &id)
{
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(id + LockSuffix));
    lock->setStaleLockTime(0);
    return lock;
}

QByteArray describe(const RecoveryOrigin &origin, const QByteArray &textDigest)
{
    QJsonObject o;
    o[QStringLiteral("file")] = origin.fileName;
    o[QStringLiteral("wikiTitle")] = origin.wikiPage.title;
    o[QStringLiteral("revision")] = double(origin.wikiPage.revision);
    o[QStringLiteral("revisionTimestamp")] = origin.wikiPage.revisionTimestamp;
    o[QStringLiteral("startTimestamp")] = origin.wikiPage.startTimestamp;
    o[QStringLiteral("written")] = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    o[QStringLiteral("md5")] = QString::fromLatin1(textDigest);
    return QJsonDocument(o).toJson();
}

} // namespace

QString defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME is to be ignored, as XDG has it.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/dalvana/recovery");
}

OwnCopy::OwnCopy(const QString &folder)
    : m_folder(folder)
    , m_id(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

OwnCopy::~OwnCopy() = default;

QString OwnCopy::textPath() const
{
    return QDir(m_folder).filePath(m_id + TextSuffix);
}

bool OwnCopy::lock(QString *error)
{
    if (m_lock && m_lock->isLocked())
        return true;
    if (!QFileInfo(m_folder).isDir()) {
        errno = 0;
        if (!QDir().mkpath(m_folder)) {
            *error = systemReason();
            return false;
        }
        // Unsaved text is nobody else's business.
        QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    m_lock = lockFile(m_folder, m_id);
    errno = 0;
    if (!m_lock->tryLock(0)) {
        *error = systemReason();
        return false;
    }
    return true;
}

bool OwnCopy::write(const QString &text, const RecoveryOrigin &origin, QString *error)
{
    QString reason;
    if (!lock(&reason)) {
        *error = reason;
        return false;
    }
    const QByteArray bytes = DocumentFormat::encode(text);
    if (!SafeSave::writeAll(textPath(), bytes, &reason)) {
        *error = reason;
        return false;
    }
    m_exists = true;
    // Written second and naming the text's digest: a kill between the two writes
    // leaves a description that restoring can tell belongs to another text.
    const QString description = QDir(m_folder).filePath(m_id + DescriptionSuffix);
    if (!SafeSave::writeAll(description, describe(origin, digest(bytes)), &reason)) {
        *error = reason;
        return false;
    }
    return true;
}

bool OwnCopy::remove(QString *error)
{
    if (!m_exists)
        return true;
    QFile text(textPath());
    if (!text.remove() && text.exists()) {
        *error = text.errorString();
        return false;
    }
    m_exists = false;
    QFile::remove(QDir(m_folder).filePath(m_id + DescriptionSuffix));
    return true;
}

void OwnCopy::release()
{
    QString ignored;
    // A copy that stays keeps its lock: the next start offers it then.
    if (remove(&ignored) && m_lock)
        m_lock->unlock();
}

LeftCopy::LeftCopy(const QString &folder, const QString &id, std::unique_ptr<QLockFile> lock)
    : m_folder(folder)
    , m_id(id)
    , m_lock(std::move(lock))
{
}

LeftCopy::~LeftCopy() = default;

QString LeftCopy::textPath() const
{
    return QDir(m_folder).filePath(m_id + TextSuffix);
}

std::vector<std::unique_ptr<LeftCopy>> LeftCopy::find(const QString &folder)
{
    const QDir dir(folder);
    QStringList ids;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        const QString id = name.section(u'.', 0, 0);
        // Only what an instance wrote: nothing else in the folder is touched.
        if (!QUuid::fromString(id).isNull() && !ids.contains(id))
            ids << id;
    }
    std::vector<std::unique_ptr<LeftCopy>> found;
    for (const QString &id : ids) {
        std::unique_ptr<QLockFile> lock = lockFile(folder, id);
        // Held by a running instance, this one's included.
        if (!lock->tryLock(0))
            continue;
        std::unique_ptr<LeftCopy> copy(new LeftCopy(folder, id, std::move(lock)));
        if (!QFileInfo::exists(copy->textPath())) {
            copy->discard();
            continue;
        }
        copy->load();
        found.push_back(std::move(copy));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &a, const auto &b) { return a->written() > b->written(); });
    return found;
}

void LeftCopy::load()
{
    QFile file(textPath());
    m_written = QFileInfo(file).lastModified();
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = file.errorString();
        return;
    }
    if (!DocumentFormat::decode(bytes, &m_text, &m_error))
        return;

    QFile about(QDir(m_folder).filePath(m_id + DescriptionSuffix));
    if (!about.open(QIODevice::ReadOnly))
        return;
    const QJsonObject o = QJsonDocument::fromJson(about.readAll()).object();
    if (o.value(QStringLiteral("md5")).toString().toLatin1() != digest(bytes))
        return;
    m_origin.fileName = o.value(QStringLiteral("file")).toString();
    m_origin.wikiPage.title = o.value(QStringLiteral("wikiTitle")).toString();
    m_origin.wikiPage.revision = qint64(o.value(QStringLiteral("revision")).toDouble());
    m_origin.wikiPage.revisionTimestamp = o.value(QStringLiteral("revisionTimestamp")).toString();
    m_origin.wikiPage.startTimestamp = o.value(QStringLiteral("startTimestamp")).toString();
    const QDateTime written = QDateTime::fromString(o.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
    if (written.isValid())
        m_written = written;
}

bool LeftCopy::discard(QString *error)
{
    const QDir dir(m_folder);
    const QString prefix = m_id + u'.';
    for (const QString &name : dir.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden)) {
        // The lock goes last, by its owner; another instance may be removing it meanwhile.
        if (name.startsWith(m_id + LockSuffix))
            continue;
        QFile file(dir.filePath(name));
        if (!file.remove() && file.exists() && name == m_id + TextSuffix) {
            if (error)
                *error = file.errorString();
            return false;
        }
    }
    m_lock->unlock();
    return true;
}

} // namespace Recovery
