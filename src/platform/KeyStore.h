#pragma once

#include <QString>

// A small per-user stand-in for the system's key registry: keys named by
// backslash paths below a root, each with string values ("" is the default value).
// Every call reads or writes the store file at once; nothing is cached, so two
// stores on the same file see each other's changes. Key names compare without
// regard to case. After a change the desktop is told what the keys now mean
// (see DesktopIntegration).
class KeyStore
{
public:
    enum class Root { ClassesRoot, CurrentUser };

    // `file` empty: the user's store in the configuration folder.
    explicit KeyStore(Root root = Root::ClassesRoot, const QString &file = QString());

    static QString defaultFile();
    QString file() const { return m_file; }
    Root root() const { return m_root; }

    // Opens a key below the current one, or below the root when none is open or
    // the path starts with a backslash. With `canCreate` missing keys are made.
    bool openKey(const QString &path, bool canCreate);
    void closeKey();
    QString currentKey() const { return m_current; }

    bool keyExists(const QString &path) const;
    // Values of the current key; a missing value reads as empty.
    QString readString(const QString &name) const;
    bool writeString(const QString &name, const QString &value);
    // Deletes a key with all its subkeys; a missing key is no failure.
    bool deleteKey(const QString &path);

    // The value `name` of the key at `path` (below the root), empty when missing.
    QString valueAt(const QString &path, const QString &name = QString()) const;

    QString errorString() const { return m_error; }

private:
    QString resolve(const QString &path) const;

    Root m_root;
    QString m_file;
    QString m_current;
    mutable QString m_error;
};
