#include "platform/KeyStore.h"

#include "gui/HebrewUi.h"
#include "platform/DesktopIntegration.h"
#include "wikitext/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

QString rootName(KeyStore::Root root)
{
    return root == KeyStore::Root::ClassesRoot ? QStringLiteral("HKEY_CLASSES_ROOT")
                                               : QStringLiteral("HKEY_CURRENT_USER");
}

QString cleanPath(const QString &path)
{
    QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return parts.join(QLatin1Char('\\'));
}

bool isAtOrBelow(const QString &key, const QString &path)
{
    return key.compare(path, Qt::CaseInsensitive) == 0 || key.startsWith(path + QLatin1Char('\\'), Qt::CaseInsensitive);
}

// The store file holds one JSON object: full key path -> object of values.
enum class Load { Ok, Broken };

Load load(const QString &file, QJsonObject *keys, QString *error)
{
    QFile f(file);
    if (!f.exists())
        return Load::Ok;
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("לא ניתן לקרוא את %1: %2").arg(HebrewUi::leftToRight(file), f.errorString());
        return Load::Broken;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &parse);
    if (!doc.isObject()) {
        *error = QStringLiteral("הקובץ %1 פגום ולא ישונה: %2").arg(HebrewUi::leftToRight(file), parse.errorString());
        return Load::Broken;
    }
    *keys = doc.object();
    return Load::Ok;
}

bool save(const QString &file, const QJsonObject &keys, QString *error)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (SafeSave::writeAll(file, QJsonDocument(keys).toJson()))
        return true;
    *error = QStringLiteral("Unable to write to %1").arg(HebrewUi::leftToRight(file));
    return false;
}

QString findKey(const QJsonObject &keys, const QString &path)
{
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        if (it.key().compare(path, Qt::CaseInsensitive) == 0)
            return it.key();
    }
    return QString();
}

} // namespace

KeyStore::KeyStore(Root root, const QString &file)
    : m_root(root)
    , m_file(file.isEmpty() ? defaultFile() : file)
{
}

QString KeyStore::defaultFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/dalvana/keys.json");
}

QString KeyStore::resolve(const QString &path) const
{
    const QString below = cleanPath(path);
    const QString base = (path.startsWith(QLatin1Char('\\')) || m_current.isEmpty()) ? rootName(m_root) : m_current;
    return below.isEmpty() ? base : base + QLatin1Char('\\') + below;
}

bool KeyStore::openKey(const QString &path, bool canCreate)
{
    const QString full = resolve(path);
    QJsonObject keys;
    if (load(m_file, &keys, &m_error) == Load::Broken)
        return false;
    const QString found = findKey(keys, full);
    if (!found.isEmpty() || full == rootName(m_root)) {
        m_current = found.isEmpty() ? full : found;
        return true;
    }
    if (!canCreate) {
        m_error = QStringLiteral("המפתח %1 אינו קיים").arg(HebrewUi::leftToRight(full));
        return false;
    }
    // Like a registry, creating a key creates the keys above it.
    const QStringList parts = full.split(QLatin1Char('\\'));
    QString chain = parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        chain += QLatin1Char('\\') + parts.at(i);
        if (findKey(keys, chain).isEmpty())
            keys.insert(chain, QJsonObject());
    }
    if (!save(m_file, keys, &m_error))
        return false;
    m_current = full;
    return true;
}

void KeyStore::closeKey()
{
    m_current.clear();
}

bool KeyStore::keyExists(const QString &path) const
{
    QJsonObject keys;
    load(m_file, &keys, &m_error);
    return !findKey(keys, resolve(path)).isEmpty();
}

QString KeyStore::readString(const QString &name) const
{
    if (m_current.isEmpty())
        return QString();
    QJsonObject keys;
    load(m_file, &keys, &m_error);
    const QJsonObject values = keys.value(findKey(keys, m_current)).toObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value().toString();
    }
    return QString();
}

bool KeyStore::writeString(const QString &name, const QString &value)
{
    if (m_current.isEmpty()) {
        m_error = QStringLiteral("לא נפתח מפתח");
        return false;
    }
    QJsonObject keys;
    if (load(m_file, &keys, &m_error) == Load::Broken)
        return false;
    QString key = findKey(keys, m_current);
    if (key.isEmpty()) // deleted meanwhile by another store: write it back
        key = m_current;
    QJsonObject values = keys.value(key).toObject();
    QString valueName = name;
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            valueName = it.key();
    }
    values.insert(valueName, value);
    keys.insert(key, values);
    if (!save(m_file, keys, &m_error))
        return false;
    return DesktopIntegration::reflect(*this, &m_error);
}

bool KeyStore::deleteKey(const QString &path)
{
    const QString full = resolve(path);
    QJsonObject keys;
    if (load(m_file, &keys, &m_error) == Load::Broken)
        return false;
    const QStringList names = keys.keys();
    bool changed = false;
    for (const QString &key : names) {
        if (isAtOrBelow(key, full)) {
            keys.remove(key);
            changed = true;
        }
    }
    if (changed && !save(m_file, keys, &m_error))
        return false;
    if (isAtOrBelow(m_current, full))
        m_current.clear();
    return DesktopIntegration::reflect(*this, &m_error);
}

QString KeyStore::valueAt(const QString &path, const QString &name) const
{
    KeyStore probe(m_root, m_file);
    if (!probe.keyExists(QLatin1Char('\\') + path) || !probe.openKey(QLatin1Char('\\') + path, false))
        return QString();
    return probe.readString(name);
}
