#include "dialogs/preferences/PreferencesModel.h"

#include "dialogs/preferences/PreferenceRules.h"
#include "platform/Settings.h"

namespace {

const QString Preferences = QStringLiteral("Preferences");
const QString Shortcuts = QStringLiteral("Shortcuts");
const QString WritingAids = QStringLiteral("WritingAids");
const QString Wiki = QStringLiteral("Wiki");
const QString Yes = QStringLiteral("Yes");
const QString No = QStringLiteral("No");

QString yesNo(bool on)
{
    return on ? Yes : No;
}

QString shortcutKey(int key)
{
    return QStringLiteral("F%1").arg(key + 2);
}

} // namespace

const QString PreferencesModel::DefaultWikiApi = QStringLiteral("https://he.wiktionary.org/w/api.php");

PreferencesModel::PreferencesModel(QObject *parent)
    : QObject(parent)
{
}

// Each step writes only what a change of the dialog's check box would have written.
void PreferencesModel::load(bool atStart)
{
    for (int key = 0; key < 3; ++key)
        m_shortcuts[key] = Settings::read(Shortcuts, shortcutKey(key));

    if (Settings::read(Preferences, QStringLiteral("Tray")) != Yes) {
        Settings::write(Preferences, QStringLiteral("Tray"), No);
        m_tray = false;
    } else if (!m_tray) {
        setTray(true);
    }

    if (Settings::read(Preferences, QStringLiteral("Maximize")) != Yes) {
        Settings::write(Preferences, QStringLiteral("Maximize"), No);
        m_maximize = false;
        Settings::setExternalWindowShowMode(Settings::ShowMode::Normal);
    } else if (!m_maximize) {
        setMaximizeWindows(true);
    }

    const QString stored = Settings::read(Preferences, QStringLiteral("AutoSave"), QStringLiteral("0"));
    const QString shown = QString::number(PreferenceRules::autoSaveMinutes(stored));
    if (atStart || m_autoSaveText != shown || stored != shown)
        setAutoSaveText(shown);
    else
        emit autoSaveRestarted(autoSaveInterval());

    const bool wrap = Settings::read(Preferences, QStringLiteral("WordWrap"), Yes) == Yes;
    m_wordWrap = wrap;
    emit wordWrapChanged(wrap);
    if (wrap && atStart)
        Settings::write(Preferences, QStringLiteral("WordWrap"), Yes);

    m_recentChanges = Settings::read(Preferences, QStringLiteral("RecentChanges"), QStringLiteral("0"));
    m_wikiApi = Settings::read(Wiki, QStringLiteral("Api"), DefaultWikiApi).trimmed();
    if (m_wikiApi.isEmpty())
        m_wikiApi = DefaultWikiApi;
    m_wikiUser = Settings::read(Wiki, QStringLiteral("User")).trimmed();

    // Read only: a file from before the writing aids stays as it is until one is switched.
    const bool highlighting = Settings::read(WritingAids, QStringLiteral("Highlight"), Yes) != No;
    const bool spellCheck = Settings::read(WritingAids, QStringLiteral("SpellCheck"), Yes) != No;
    if (atStart || highlighting != m_highlighting || spellCheck != m_spellCheck) {
        m_highlighting = highlighting;
        m_spellCheck = spellCheck;
        emit writingAidsChanged();
    }
    const bool checkPanel = Settings::read(WritingAids, QStringLiteral("CheckPanel"), No) == Yes;
    if (atStart || checkPanel != m_checkPanel) {
        m_checkPanel = checkPanel;
        emit checkPanelChanged(checkPanel);
    }

    if (atStart) {
        m_points = Settings::read(Preferences, QStringLiteral("Nikkud"), No) == Yes;
        emit pointsChanged(m_points);
    }
}

void PreferencesModel::setTray(bool on)
{
    m_tray = on;
    Settings::write(Preferences, QStringLiteral("Tray"), yesNo(on));
}

void PreferencesModel::setMaximizeWindows(bool on)
{
    m_maximize = on;
    Settings::setExternalWindowShowMode(on ? Settings::ShowMode::Maximized : Settings::ShowMode::Normal);
    Settings::write(Preferences, QStringLiteral("Maximize"), yesNo(on));
}

void PreferencesModel::setAutoSaveText(const QString &text)
{
    m_autoSaveText = text;
    Settings::write(Preferences, QStringLiteral("AutoSave"), text);
    emit autoSaveRestarted(autoSaveInterval());
}

void PreferencesModel::setAutoSaveEnabled(bool on)
{
    if (on) {
        emit autoSaveRestarted(autoSaveInterval());
        return;
    }
    m_autoSaveText = QStringLiteral("0");
    emit autoSaveRestarted(0);
    Settings::write(Preferences, QStringLiteral("AutoSave"), m_autoSaveText);
}

int PreferencesModel::autoSaveInterval() const
{
    return PreferenceRules::autoSaveInterval(m_autoSaveText);
}

void PreferencesModel::setWordWrap(bool on)
{
    m_wordWrap = on;
    Settings::write(Preferences, QStringLiteral("WordWrap"), yesNo(on));
    emit wordWrapChanged(on);
}

void PreferencesModel::setPoints(bool on)
{
    m_points = on;
    Settings::write(Preferences, QStringLiteral("Nikkud"), yesNo(on));
    emit pointsChanged(on);
}

void PreferencesModel::setHighlighting(bool on)
{
    m_highlighting = on;
    Settings::write(WritingAids, QStringLiteral("Highlight"), yesNo(on));
    emit writingAidsChanged();
}

void PreferencesModel::setSpellCheck(bool on)
{
    m_spellCheck = on;
    Settings::write(WritingAids, QStringLiteral("SpellCheck"), yesNo(on));
    emit writingAidsChanged();
}

void PreferencesModel::setCheckPanel(bool on)
{
    if (on == m_checkPanel)
        return;
    m_checkPanel = on;
    Settings::write(WritingAids, QStringLiteral("CheckPanel"), yesNo(on));
    emit checkPanelChanged(on);
}

void PreferencesModel::setKeepRecentChangesTime(bool on)
{
    const auto step = PreferenceRules::recentChangesClicked(on, m_recentChanges);
    m_recentChanges = step.lastTime;
    if (!step.write.isNull())
        Settings::write(Preferences, QStringLiteral("RecentChanges"), step.write);
}

void PreferencesModel::recordRecentChangesVisit(const QString &time)
{
    if (!keepsRecentChangesTime())
        return;
    m_recentChanges = time;
    Settings::write(Preferences, QStringLiteral("RecentChanges"), time);
}

QString PreferencesModel::shortcutProgram(int key) const
{
    return key >= 0 && key < 3 ? m_shortcuts[key] : QString();
}

void PreferencesModel::setShortcutProgram(int key, const QString &path)
{
    if (key < 0 || key >= 3)
        return;
    m_shortcuts[key] = path;
    Settings::write(Shortcuts, shortcutKey(key),
                    path.isEmpty() ? QString() : QLatin1Char('"') + path + QLatin1Char('"'));
}

void PreferencesModel::setWikiApi(const QString &address)
{
    // An emptied box means the default wiki, not none.
    m_wikiApi = address.trimmed().isEmpty() ? DefaultWikiApi : address.trimmed();
    Settings::write(Wiki, QStringLiteral("Api"), m_wikiApi);
}

void PreferencesModel::setWikiUser(const QString &name)
{
    m_wikiUser = name.trimmed();
    Settings::write(Wiki, QStringLiteral("User"), m_wikiUser);
}
