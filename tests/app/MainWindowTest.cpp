#include "support/MainWindowFixture.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/TimerTrayCommands.h"
#include "support/WindowTestCase.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QToolBar>

// The window on a first start: no settings file until it makes one.
class MainWindowTest : public WindowTestCase
{
    Q_OBJECT

public:
    MainWindowTest()
        : WindowTestCase(SettingsFile::None)
    {
    }

private slots:
    void menuItems_data();
    void menuItems();
    void shortcutsAreDistinct();
    void panelKeepsWindowOnScreen();
    void menuOrderAndSeparators_data();
    void menuOrderAndSeparators();
    void toolbarOrder();
    void layout();
    void startupReadsNikkud_data();
    void startupReadsNikkud();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
};

void MainWindowTest::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    const struct
    {
        const char *name, *caption, *shortcut;
    } items[] = {
        {"New", "חדש", ""},
        {"NewArticle", "ערך", "Ctrl+N"},
        {"NewVerb", "פועל", ""},
        {"NewRoot", "שורש", ""},
        {"Open", "פתיחה", "Ctrl+O"},
        {"Recent", "לאחרונה", ""},
        {"QuickSave", "שמירה", "Ctrl+S"},
        {"Save", "שמירה בשם", ""},
        {"OpenFromWiki", "פתח מהוויקי", ""},
        {"SaveToWiki", "שמור בוויקי", ""},
        {"Search", "חיפוש", "Ctrl+F"},
        {"Prefs", "הגדרות", "Ctrl+Y"},
        {"IE1", "תמיכה ב-IE", ""},
        {"Exit", "יציאה", "Ctrl+F4"},
        {"Image", "תמונה", ""},
        {"Example", "משפטים", ""},
        {"AddTranslations", "תרגומים", ""},
        {"Another", "פירוש נוסף", ""},
        {"Comment", "הערה נסתרת", ""},
        {"Footnote", "הערת שוליים", ""},
        {"AddArticle", "עוד ערך", ""},
        {"AddVerb", "עוד פועל", ""},
        {"TOC", "תוכן עניינים", ""},
        {"BibleFind", "מן המקורות", ""},
        {"Quotes", "מן הספרות", ""},
        {"Translations", "תרגומים", ""},
        {"Etymology", "אטימולוגיה", ""},
        {"Semitic", "שפות שמיות", ""},
        {"Greek", "יוונית עתיקה", ""},
        {"Fix", "תיקון", ""},
        {"FixSpaces", "רווחים מיותרים", ""},
        {"Punctuation", "סימני פיסוק", ""},
        {"FixReferences", "מספרי הפניות", ""},
        {"Unify", "איחוד סעיפים", ""},
        {"CheckEntry", "בדיקת הערך", "Shift+F7"},
        {"Statistics", "נתונים מספריים", ""},
        {"Preview", "תצוגה מקדימה", "F8"},
        {"StructureClick", "מבנה הערך", ""},
        {"LinksClick", "קישורים לשוניים", ""},
        {"Help", "עזרה", "F1"},
        {"AboutF", "על אודות", ""},
        {"Wikipedia", "ויקיפדיה", ""},
        {"CommonsFind", "ויקישיתוף", ""},
        {"Google", "גוגל", ""},
        {"Nikkud", "סרגל ניקוד", ""},
        {"Dagesh", "דגש / מפיק", ""},
        {"Shin_Left", "שי\"ן שמאלית", ""},
        {"Kamats", "קמץ גדול / קמץ קטן", ""},
        {"Bold", "הדגשה (Ctrl+B)", ""},
        {"Quote", "ציטוט מהמקורות (Ctrl+Q)", ""},
        {"WiktJump", "שינויים אחרונים (F5)", ""},
    };
    for (const auto &i : items)
        QTest::newRow(i.name) << QString::fromUtf8(i.name) << QString::fromUtf8(i.caption)
                              << QString::fromUtf8(i.shortcut);
}

void MainWindowTest::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    MainWindow form;
    QAction *a = MainWindowFixture::action(form, name);
    QVERIFY2(a, qPrintable(name));
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcut(), QKeySequence(shortcut));
}

// Two actions on one key: Qt runs neither, and says so only on the console.
void MainWindowTest::shortcutsAreDistinct()
{
    MainWindow form;
    QHash<QKeySequence, QString> owners;
    for (const QAction *a : form.findChildren<QAction *>()) {
        for (const QKeySequence &key : a->shortcuts()) {
            const QString owner = owners.value(key);
            QVERIFY2(owner.isEmpty(), qPrintable(key.toString() + u' ' + owner + u' ' + a->objectName()));
            owners.insert(key, a->objectName());
        }
    }
    QVERIFY(owners.size() > 5);
}

// The check panel widens the fixed-size window; near the screen's edge it moves back.
void MainWindowTest::panelKeepsWindowOnScreen()
{
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect room = form.screen()->availableGeometry();
    form.move(room.right() - form.frameGeometry().width() + 1, room.top());
    QTRY_COMPARE(form.frameGeometry().right(), room.right());
    const int narrow = form.frameGeometry().width();
    MainWindowFixture::action(form, QStringLiteral("CheckEntry"))->trigger();
    QTRY_VERIFY(form.frameGeometry().width() > narrow);
    QTRY_VERIFY(form.frameGeometry().right() <= room.right() || form.frameGeometry().left() == room.left());
}

void MainWindowTest::menuOrderAndSeparators_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("items");
    QTest::newRow("options")
        << 0 << "&אפשרויות"
        << "New Open Recent - QuickSave Save - OpenFromWiki SaveToWiki ShowChanges - Search - Prefs IE1 - Exit";
    QTest::newRow("insert") << 1 << "&הוספה"
                            << "Image Example AddTranslations - Another Comment Footnote - "
                               "AddArticle AddVerb - TOC";
    QTest::newRow("tools") << 2 << "&כלים"
                           << "BibleFind Quotes Translations - Etymology Semitic Greek - Fix "
                              "CheckEntry Statistics Preview";
    QTest::newRow("help") << 3 << "&עזרה"
                          << "StructureClick LinksClick - Help AboutF";
    QTest::newRow("new") << 4 << "חדש"
                         << "NewArticle NewVerb NewRoot";
    QTest::newRow("fix") << 5 << "תיקון"
                         << "FixSpaces Punctuation FixReferences Unify";
}

void MainWindowTest::menuOrderAndSeparators()
{
    QFETCH(int, menu);
    QFETCH(QString, title);
    QFETCH(QString, items);
    MainWindow form;
    QList<QMenu *> menus;
    for (const char *name : {"OptionsMenu", "InsertMenu", "ToolsMenu", "HelpMenu", "New", "Fix"})
        menus << MainWindowFixture::child<QMenu>(form, QLatin1String(name));
    QMenu *m = menus.at(menu);
    QCOMPARE(m->title(), title);
    QStringList names;
    for (QAction *a : m->actions())
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    QCOMPARE(names.join(u' '), items);
}

void MainWindowTest::toolbarOrder()
{
    MainWindow form;
    QStringList names;
    for (QAction *a : MainWindowFixture::toolBar(form)->actions()) {
        QWidget *w = MainWindowFixture::toolBar(form)->widgetForAction(a);
        if (a->isSeparator() && a->objectName().isEmpty())
            names << QStringLiteral("-");
        else if (!a->objectName().isEmpty())
            names << a->objectName();
        else if (w && !w->objectName().isEmpty())
            names << w->objectName();
    }
    QCOMPARE(names.join(u' '),
             QStringLiteral("ToolBarIndent WiktJump JumpQuery - Dagesh Shin_Left Shin_Right Kubuts Shuruk Hirik "
                            "Schwa Tsere Hataf_Segol Segol Hataf_Patah Patah Hataf_Kamats Kamats "
                            "Holam TntToolButton2 TranslationsTool Sentences Br - NoWiki Math "
                            "Little Bold Quote"));
    QCOMPARE(MainWindowFixture::action(form, QStringLiteral("WiktJump"))->menu(),
             MainWindowFixture::child<QMenu>(form, QStringLiteral("SearchPopup")));
    QCOMPARE(MainWindowFixture::child<QMenu>(form, QStringLiteral("ToolbarPopup"))->actions(),
             QList<QAction *>{MainWindowFixture::action(form, QStringLiteral("Nikkud"))});
    QCOMPARE(MainWindowFixture::jumpQuery(form)->width(), 123);
}

void MainWindowTest::layout()
{
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.centralWidget()->width(), 769);
    QCOMPARE(form.centralWidget()->height() + MainWindowFixture::toolBar(form)->height(), 483);
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.windowTitle(), QStringLiteral("דלבנה"));
    QCOMPARE(form.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(MainWindowFixture::child<QPlainTextEdit>(form, QStringLiteral("ArticleText"))->geometry(),
             QRect(16, 0, 737, 441));
    QCOMPARE(MainWindowFixture::label(form, "StatusBar")->text(), QStringLiteral("[ 0 תווים ]"));
    QVERIFY(!MainWindowFixture::label(form, "GoBack")->isVisible());
    QVERIFY(!MainWindowFixture::label(form, "GreenLed")->isVisible());
    QVERIFY(MainWindowFixture::label(form, "BlueLed")->isVisible());
    QVERIFY(!MainWindowFixture::label(form, "Love")->isVisible());
    QVERIFY(!MainWindowFixture::action(form, QStringLiteral("QuickSave"))->isEnabled());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
}

void MainWindowTest::startupReadsNikkud_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("shown");
    QTest::newRow("first start") << QString() << true;
    QTest::newRow("Yes") << "Yes" << true;
    QTest::newRow("No") << "No" << false;
    QTest::newRow("lower-case yes") << "yes" << false;
}

void MainWindowTest::startupReadsNikkud()
{
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    if (!stored.isEmpty()) {
        Settings::ensureFile();
        Settings::write(QStringLiteral("Preferences"), QStringLiteral("Nikkud"), stored);
    }
    MainWindow form;
    form.start({});
    QVERIFY(QFile::exists(Settings::iniPath()));
    QCOMPARE(MainWindowFixture::action(form, QStringLiteral("TntToolButton2"))->isVisible(), shown);
    QCOMPARE(MainWindowFixture::action(form, QStringLiteral("Dagesh"))->isVisible(), shown);
}

// Exit ends the program after at most one question, whatever the tray choice and
// whether the desktop has a notification area.
void MainWindowTest::exitEndsTheProgram_data()
{
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("notificationArea");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("leaves");
    for (bool tray : {true, false}) {
        for (bool area : {true, false}) {
            for (bool modified : {true, false}) {
                QTest::addRow("tray %d, area %d, modified %d", tray, area, modified)
                    << tray << area << modified << "Exit" << int(QMessageBox::Yes) << true;
            }
        }
    }
    QTest::newRow("tray's exit") << true << true << true << "TrayExit" << int(QMessageBox::Yes) << true;
    QTest::newRow("answered No") << true << false << true << "Exit" << int(QMessageBox::No) << false;
}

void MainWindowTest::exitEndsTheProgram()
{
    QFETCH(bool, tray);
    QFETCH(bool, notificationArea);
    QFETCH(bool, modified);
    QFETCH(QString, item);
    QFETCH(int, answer);
    QFETCH(bool, leaves);
    TimerTrayCommands::setTrayAvailableForTesting(notificationArea);
    Settings::ensureFile();
    Settings::write(QStringLiteral("Preferences"), QStringLiteral("Tray"), QLatin1String(tray ? "Yes" : "No"));
    MainWindow form;
    form.start({});
    form.show();
    if (modified)
        MainWindowFixture::ArticleText(form).setText(QStringLiteral("טיוטה"));
    HebrewMessageBox::setTestMode(true); // no answer left over from another row
    HebrewMessageBox::presetAnswer(QMessageBox::StandardButton(answer));
    QAction *exit = MainWindowFixture::action(form, item);
    QCOMPARE(MainWindowFixture::leavesEventLoop([exit] { exit->trigger(); }), leaves);
    QCOMPARE(HebrewMessageBox::asked().size(), modified ? 1 : 0);
    TimerTrayCommands::setTrayAvailableForTesting(std::nullopt);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
