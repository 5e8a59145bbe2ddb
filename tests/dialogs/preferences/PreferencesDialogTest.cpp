#include "support/MainWindowFixture.h"
#include "app/MainWindow.h"
#include "dialogs/preferences/PreferencesDialog.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "gui/ClickableLabel.h"
#include "platform/DesktopIntegration.h"
#include "platform/KeyStore.h"
#include "platform/Settings.h"
#include "platform/WikiPasswordStore.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QStringList g_messages;
void collect(const QString &message)
{
    g_messages << message;
}

// The dialog over its model, with what the model drives: the auto-save timer and
// the editor's word wrap. The model reads the file first, as at start-up.
struct Rig
{
    QTimer timer;
    int wraps = 0;
    bool wrap = false;
    PreferencesModel model;
    bool started = start();
    PreferencesDialog dialog{model};

    bool start()
    {
        QObject::connect(&model, &PreferencesModel::wordWrapChanged, &timer, [this](bool on) {
            ++wraps;
            wrap = on;
        });
        QObject::connect(&model, &PreferencesModel::autoSaveRestarted, &timer, [this](int interval) {
            timer.stop();
            if (interval > 0)
                timer.start(interval);
        });
        model.load(true);
        return true;
    }
    QCheckBox *box(const char *name) { return dialog.findChild<QCheckBox *>(QString::fromLatin1(name)); }
    QLineEdit *edit(const char *name) { return dialog.findChild<QLineEdit *>(QString::fromLatin1(name)); }
    void click(const char *label)
    {
        QTest::mouseClick(dialog.findChild<ClickableLabel *>(QString::fromLatin1(label)), Qt::LeftButton);
    }
    int runningInterval() const { return timer.isActive() ? timer.interval() : -1; }
};

QString ini(const char *key, const char *section = "Preferences")
{
    return Settings::read(QString::fromLatin1(section), QString::fromLatin1(key), QStringLiteral("<missing>"));
}

} // namespace

class PreferencesDialogTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_ini;

    void setIni(const QByteArray &contents) { QVERIFY(TestFiles::writeBytes(m_ini, contents)); }

private slots:
    void initTestCase()
    {
        QVERIFY(TestFiles::useHomeIn(m_home));
        m_ini = m_home.filePath(QStringLiteral("Dalvana.ini"));
        Settings::setIniPathForTesting(m_ini);
        Settings::setErrorReporter(collect);
        WikiPasswordStore::setInMemoryForTesting(true);
    }

    void init()
    {
        g_messages.clear();
        QFile::remove(m_ini);
        QFile::remove(KeyStore::defaultFile());
        QFile::remove(DesktopIntegration::textVerbEntryPath());
    }

    void firstStart()
    {
        QVERIFY(Settings::ensureFile());
        Rig rig;
        QVERIFY(rig.box("Tray")->isChecked());
        QVERIFY(rig.model.tray());
        QVERIFY(rig.box("MaxWindows")->isChecked());
        QCOMPARE(Settings::externalWindowShowMode(), Settings::ShowMode::Maximized);
        QVERIFY(rig.box("WrapLines")->isChecked());
        QVERIFY(rig.wrap);
        QVERIFY(!rig.box("AutoSaveCheck")->isChecked());
        QVERIFY(!rig.edit("AutoSaveText")->isEnabled());
        QCOMPARE(rig.runningInterval(), -1);
        QCOMPARE(rig.model.recentChanges(), QStringLiteral("0"));
        QFile f(m_ini);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("[Preferences]\nMaximize=Yes\nTray=Yes\nNikkud=Yes\nRecentChanges=0\n"
                            "AutoSave=0\nWordWrap=Yes\n[Shortcuts]\nF2=\nF3=\nF4=\n"
                            "[RecentItems]\nR1=\nR2=\nR3=\nR4=\n"));
        QVERIFY(g_messages.isEmpty());
    }

    // The address and user go to the settings file, the password only to the store;
    // an emptied address box means the default wiki again.
    void wikiAccount()
    {
        const QString password = QStringLiteral("secretbotpassword0123456789abcde");
        {
            Rig rig;
            QCOMPARE(rig.edit("WikiApi")->text(), PreferencesModel::DefaultWikiApi);
            QVERIFY(!rig.edit("WikiPassword")->isEnabled());
            const auto enter = [&rig](const char *name, const QString &text) {
                rig.edit(name)->setText(text);
                emit rig.edit(name)->editingFinished();
            };
            enter("WikiApi", QStringLiteral(" http://127.0.0.1:8080/api.php "));
            enter("WikiUser", QStringLiteral("Editor@dalvana"));
            enter("WikiPassword", password);
            QCOMPARE(ini("Api", "Wiki"), QStringLiteral("http://127.0.0.1:8080/api.php"));
            QCOMPARE(ini("User", "Wiki"), QStringLiteral("Editor@dalvana"));
        }
        QFile f(m_ini);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(!f.readAll().contains(password.toUtf8()));
        Rig again;
        QCOMPARE(again.edit("WikiPassword")->text(), password);
        again.edit("WikiApi")->clear();
        emit again.edit("WikiApi")->editingFinished();
        QCOMPARE(again.model.wikiApi(), PreferencesModel::DefaultWikiApi);
    }

    // Hand-edited files as the dialog finds them at start-up.
    void creationNormalises_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("interval");
        QTest::newRow("auto-save 250") << QByteArray("[Preferences]\nAutoSave=250\n") << "AutoSave"
                                       << "99"
                                       << "AutoSaveCheck" << true << 99 * 60000;
        QTest::newRow("auto-save 7") << QByteArray("[Preferences]\nAutoSave=7\n") << "AutoSave"
                                     << "7"
                                     << "AutoSaveCheck" << true << 7 * 60000;
        QTest::newRow("auto-save text") << QByteArray("[Preferences]\nAutoSave=ten\n") << "AutoSave"
                                        << "0"
                                        << "AutoSaveCheck" << false << -1;
        QTest::newRow("auto-save negative") << QByteArray("[Preferences]\nAutoSave=-4\n") << "AutoSave"
                                            << "0"
                                            << "AutoSaveCheck" << false << -1;
        QTest::newRow("tray lower-case yes") << QByteArray("[Preferences]\nTray=yes\n") << "Tray"
                                             << "No"
                                             << "Tray" << false << -1;
        QTest::newRow("tray missing") << QByteArray("") << "Tray"
                                      << "No"
                                      << "Tray" << false << -1;
        QTest::newRow("maximize No") << QByteArray("[Preferences]\nMaximize=No\n") << "Maximize"
                                     << "No"
                                     << "MaxWindows" << false << -1;
        QTest::newRow("maximize YES") << QByteArray("[Preferences]\nMaximize=YES\n") << "Maximize"
                                      << "No"
                                      << "MaxWindows" << false << -1;
        QTest::newRow("word wrap off stays as it is") << QByteArray("[Preferences]\nWordWrap=no\n") << "WordWrap"
                                                      << "no"
                                                      << "WrapLines" << false << -1;
        QTest::newRow("word wrap missing") << QByteArray("") << "WordWrap"
                                           << "Yes"
                                           << "WrapLines" << true << -1;
        QTest::newRow("recent changes time")
            << QByteArray("[Preferences]\nRecentChanges=20261207093000\n") << "RecentChanges"
            << "20261207093000"
            << "RecentChangesTime" << true << -1;
    }

    void creationNormalises()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, written);
        QFETCH(QString, box);
        QFETCH(bool, checked);
        QFETCH(int, interval);
        setIni(file);
        Rig rig;
        QCOMPARE(ini(key.toLatin1()), written);
        QCOMPARE(rig.box(box.toLatin1())->isChecked(), checked);
        QCOMPARE(rig.runningInterval(), interval);
        if (key == QLatin1String("AutoSave"))
            QCOMPARE(rig.edit("AutoSaveText")->text(), written);
        if (key == QLatin1String("Maximize"))
            QCOMPARE(Settings::externalWindowShowMode(),
                     checked ? Settings::ShowMode::Maximized : Settings::ShowMode::Normal);
        if (key == QLatin1String("WordWrap"))
            QCOMPARE(rig.wrap, checked);
        if (key == QLatin1String("RecentChanges"))
            QCOMPARE(rig.model.recentChanges(), written);
    }

    // What typing into the minutes edit does while the box is checked.
    void typingMinutes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("interval");
        QTest::newRow("emptied: one minute") << QString() << 60000;
        QTest::newRow("12") << QStringLiteral("12") << 12 * 60000;
        QTest::newRow("0 stops") << QStringLiteral("0") << -1;
        QTest::newRow("00 never fires") << QStringLiteral("00") << -1;
        QTest::newRow("letters: one minute") << QStringLiteral("ab") << 60000;
    }

    void typingMinutes()
    {
        QFETCH(QString, typed);
        QFETCH(int, interval);
        setIni("[Preferences]\nAutoSave=5\n");
        Rig rig;
        QLineEdit *edit = rig.edit("AutoSaveText");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QCOMPARE(ini("AutoSave"), typed);
        QCOMPARE(rig.runningInterval(), interval);
    }

    void autoSaveBoxOffAndOn()
    {
        setIni("[Preferences]\nAutoSave=5\n");
        Rig rig;
        QCheckBox *check = rig.box("AutoSaveCheck");
        check->click();
        QCOMPARE(ini("AutoSave"), QStringLiteral("0"));
        QCOMPARE(rig.edit("AutoSaveText")->text(), QStringLiteral("0"));
        QVERIFY(!rig.edit("AutoSaveText")->isEnabled());
        QCOMPARE(rig.runningInterval(), -1);
        check->click(); // the edit still says 0: nothing to wait for, nothing written
        QVERIFY(rig.edit("AutoSaveText")->isEnabled());
        QCOMPARE(rig.runningInterval(), -1);
        QCOMPARE(ini("AutoSave"), QStringLiteral("0"));
        QTest::keyClick(rig.edit("AutoSaveText"), Qt::Key_Backspace);
        QTest::keyClicks(rig.edit("AutoSaveText"), QStringLiteral("3"));
        QCOMPARE(rig.runningInterval(), 3 * 60000);
    }

    void checkBoxesWriteTheirKeys()
    {
        QVERIFY(Settings::ensureFile());
        Rig rig;
        rig.box("Tray")->click();
        QCOMPARE(ini("Tray"), QStringLiteral("No"));
        QVERIFY(!rig.model.tray());
        rig.box("MaxWindows")->click();
        QCOMPARE(ini("Maximize"), QStringLiteral("No"));
        QCOMPARE(Settings::externalWindowShowMode(), Settings::ShowMode::Normal);
        const int wraps = rig.wraps;
        rig.box("WrapLines")->click();
        QCOMPARE(ini("WordWrap"), QStringLiteral("No"));
        QCOMPARE(rig.wraps, wraps + 1);
        QVERIFY(!rig.wrap);
    }

    void recentChangesOffAndOnLosesTheTime()
    {
        setIni("[Preferences]\nRecentChanges=20261207093000\n");
        Rig rig;
        rig.box("RecentChangesTime")->click();
        QCOMPARE(ini("RecentChanges"), QStringLiteral("0"));
        QCOMPARE(rig.model.recentChanges(), QStringLiteral("0"));
        rig.box("RecentChangesTime")->click();
        QCOMPARE(ini("RecentChanges"), QStringLiteral("1"));
        QCOMPARE(rig.model.recentChanges(), QStringLiteral("1"));
    }

    void shortcutProgramsAreQuoted()
    {
        QVERIFY(Settings::ensureFile());
        Rig rig;
        const QString program = QStringLiteral("/opt/my tools/עורך");
        rig.dialog.setFileChooser([&] { return program; });
        rig.click("F3Browse");
        QFile f(m_ini);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(f.readAll()).contains(QStringLiteral("\nF3=\"") + program + QStringLiteral("\"\n")));
        QCOMPARE(ini("F3", "Shortcuts"), program);
        QCOMPARE(rig.edit("F3File")->text(), program);

        rig.dialog.setFileChooser([] { return QString(); }); // cancelled
        rig.click("F3Browse");
        QCOMPARE(ini("F3", "Shortcuts"), program);

        Rig again; // read back without the quotes
        QCOMPARE(again.edit("F3File")->text(), program);
        again.click("F3Del");
        QCOMPARE(ini("F3", "Shortcuts"), QString());
        QVERIFY(again.edit("F3File")->text().isEmpty());
        QCOMPARE(ini("F2", "Shortcuts"), QString());
    }

    // Each opening re-reads the file, so a hand edit made meanwhile shows.
    void openingRereads()
    {
        QVERIFY(Settings::ensureFile());
        Rig rig;
        QVERIFY(Settings::write(QStringLiteral("Preferences"), QStringLiteral("AutoSave"), QStringLiteral("150")));
        QVERIFY(Settings::write(QStringLiteral("Preferences"), QStringLiteral("Tray"), QStringLiteral("No")));
        QVERIFY(Settings::write(QStringLiteral("Preferences"), QStringLiteral("RecentChanges"),
                                QStringLiteral("20261207101500")));
        rig.dialog.showPreferences();
        QVERIFY(rig.dialog.isVisible());
        QCOMPARE(rig.edit("AutoSaveText")->text(), QStringLiteral("99"));
        QCOMPARE(ini("AutoSave"), QStringLiteral("99"));
        QCOMPARE(rig.runningInterval(), 99 * 60000);
        QVERIFY(!rig.model.tray());
        QCOMPARE(rig.model.recentChanges(), QStringLiteral("20261207101500"));
        rig.dialog.hide();
    }

    void textFileVerb()
    {
        QVERIFY(Settings::ensureFile());
        Rig rig;
        QCheckBox *support = rig.box("TxtSupport");
        QVERIFY(!support->isChecked());
        support->click();
        const QString program = QCoreApplication::applicationFilePath();
        KeyStore store;
        QCOMPARE(store.valueAt(QStringLiteral("txtfile\\Shell\\Dalvana")), QStringLiteral("ערוך עם דלבנה"));
        QCOMPARE(store.valueAt(QStringLiteral("txtfile\\Shell\\Dalvana\\command")),
                 QLatin1Char('"') + program + QStringLiteral("\" /o \"%1\""));
        QVERIFY(QFile::exists(DesktopIntegration::textVerbEntryPath()));

        Rig later; // an opening finds the verb and shows it checked
        later.dialog.showPreferences();
        QVERIFY(later.box("TxtSupport")->isChecked());
        later.box("TxtSupport")->click();
        QVERIFY(!store.keyExists(QStringLiteral("\\txtfile\\Shell\\Dalvana")));
        QVERIFY(!QFile::exists(DesktopIntegration::textVerbEntryPath()));
        later.dialog.showPreferences(); // never unchecked by an opening, never checked without a verb
        QVERIFY(!later.box("TxtSupport")->isChecked());
        later.dialog.hide();
    }

    // The main window's Prefs item opens the dialog, which drives the window's
    // editor's word wrap.
    void drivesTheMainWindow()
    {
        setIni("[Preferences]\nAutoSave=4\nWordWrap=No\n");
        MainWindow form;
        form.start({});
        QPlainTextEdit *editor = MainWindowFixture::child<QPlainTextEdit>(form, QStringLiteral("ArticleText"));
        QCOMPARE(editor->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(editor->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        QAction *prefs = MainWindowFixture::action(form, QStringLiteral("Prefs"));
        QCOMPARE(prefs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
        prefs->trigger();
        auto *options = MainWindowFixture::topLevel<QDialog>(form, QStringLiteral("TOptions"));
        QVERIFY(options->isVisible());
        options->findChild<QCheckBox *>(QStringLiteral("WrapLines"))->click();
        QCOMPARE(editor->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(editor->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        options->hide();
    }

    void unwritableFileIsReported()
    {
        Settings::setIniPathForTesting(QStringLiteral("/proc/no-such-folder/Dalvana.ini"));
        {
            Rig rig;
            rig.box("Tray")->click();
            QVERIFY(rig.model.tray()); // the control keeps its new state
        }
        Settings::setIniPathForTesting(m_ini);
        QVERIFY(!g_messages.isEmpty());
        QCOMPARE(g_messages.last(), QStringLiteral("Unable to write to \u2066/proc/no-such-folder/Dalvana.ini\u2069"));
    }
};

QTEST_MAIN(PreferencesDialogTest)
#include "PreferencesDialogTest.moc"
