#pragma once

#include <QObject>
#include <QString>

#include <functional>

// The wiki's bot passwords in the desktop's secret store (through QtKeychain), one
// for each user name. Both calls end in their callback, later or at once; a store
// that cannot be reached gives an empty password with the reason.
namespace WikiPasswordStore {

using ReadDone = std::function<void(const QString &password, const QString &error)>;
using WriteDone = std::function<void(const QString &error)>;

// `context` ends the wait when it is destroyed first: the callback is not called.
void read(const QString &user, QObject *context, ReadDone done);
// An empty password removes the stored one.
void write(const QString &user, const QString &password, QObject *context, WriteDone done);

// Tests keep the passwords in memory instead, so no desktop store is touched; with
// `later`, a read ends in a later event, as the desktop store's reads do.
void setInMemoryForTesting(bool on, bool later = false);

} // namespace WikiPasswordStore
