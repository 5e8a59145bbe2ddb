#pragma once

#include "wiki/WikiPage.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class QLockFile;

// Where a save of a recovered text goes: its file, its page on the wiki, or both.
struct RecoveryOrigin
{
    QString fileName;
    WikiPage wikiPage;

    bool operator==(const RecoveryOrigin &) const = default;
};

// Copies of unsaved text, so that a crash, a kill or a power cut loses nothing. Each
// running instance keeps at most one, named by an id of its own: `<id>.txt`, the text
// as a document file, and `<id>.json`, what it belongs to, both written through the
// safe writer; `<id>.lock` is held for as long as the instance runs.
namespace Recovery {

// $XDG_STATE_HOME/dalvana/recovery, by default ~/.local/state/dalvana/recovery.
QString defaultFolder();

// An instance's own copy. One thread at a time uses it.
class OwnCopy
{
public:
    explicit OwnCopy(const QString &folder);
    // Leaves the files as they are: only release() means the instance ends normally.
    ~OwnCopy();
    OwnCopy(const OwnCopy &) = delete;
    OwnCopy &operator=(const OwnCopy &) = delete;

    QString textPath() const;
    // Takes the instance's lock first, then writes the text and its description. On
    // failure `error` says why; the copy written before, if any, stays.
    bool write(const QString &text, const RecoveryOrigin &origin, QString *error);
    // The text is safe: the copy goes, the lock stays.
    bool remove(QString *error);
    // The instance ends normally: the copy goes, then the lock.
    void release();
    // A copy of this instance is on disk.
    bool exists() const { return m_exists; }

private:
    bool lock(QString *error);

    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    bool m_exists = false;
};

// A copy whose instance no longer runs. Its lock is held while this object lives, so
// that no other instance offers it meanwhile; letting it go without discard() leaves
// it for a later start.
class LeftCopy
{
public:
    ~LeftCopy();
    LeftCopy(const LeftCopy &) = delete;
    LeftCopy &operator=(const LeftCopy &) = delete;

    // The copies in `folder` of instances that no longer run, newest first. Files an
    // instance left without a copy are tidied away.
    static std::vector<std::unique_ptr<LeftCopy>> find(const QString &folder);

    QString textPath() const;
    // False when the text cannot be read; `error()` then says why.
    bool readable() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    const QString &text() const { return m_text; }
    // Empty when the description is missing or belongs to another version of the
    // text: a save must never go where another text was meant to go.
    const RecoveryOrigin &origin() const { return m_origin; }
    QDateTime written() const { return m_written; }
    // Removes the copy's files; false, with the reason, when one stays.
    bool discard(QString *error = nullptr);

private:
    LeftCopy(const QString &folder, const QString &id, std::unique_ptr<QLockFile> lock);
    void load();

    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    QString m_text;
    QString m_error;
    RecoveryOrigin m_origin;
    QDateTime m_written;
};

} // namespace Recovery
