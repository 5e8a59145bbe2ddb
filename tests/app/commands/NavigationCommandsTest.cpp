#include "support/MainWindowFixture.h"
#include "platform/ShellOpen.h"
#include "support/WindowTestCase.h"
#include "wikitext/WebAddresses.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace {

const QString kWiki = QStringLiteral("https://he.wiktionary.org");
const QString kRecent = kWiki + QStringLiteral("/w/index.php?title=Special:Recentchanges&action=purge");

bool sameIcon(const QIcon &a, const QIcon &b)
{
    return a.pixmap(16, 16).toImage() == b.pixmap(16, 16).toImage();
}

// Types Hebrew as a keyboard would, one key press per character.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
    }
}

} // namespace

class NavigationCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void buttonFollowsTheBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("hint");
        QTest::newRow("empty") << QString() << 24 << QStringLiteral("שינויים אחרונים (F5)");
        QTest::newRow("word") << QStringLiteral("בית") << 23 << QStringLiteral("חפש בוויקימילון את \"בית\"");
        QTest::newRow("equals alone") << QStringLiteral("=") << 23 << QStringLiteral("חפש בוויקימילון את \"=\"");
        QTest::newRow("equals and word") << QStringLiteral("=בית") << 25
                                         << QStringLiteral("ערוך בוויקימילון את \"בית\"");
    }

    void buttonFollowsTheBox()
    {
        QFETCH(QString, typed);
        QFETCH(int, image);
        QFETCH(QString, hint);
        MainWindow form;
        typeText(MainWindowFixture::jumpQuery(form), typed);
        QCOMPARE(MainWindowFixture::jumpQuery(form)->text(), typed);
        QAction *jump = MainWindowFixture::action(form, QStringLiteral("WiktJump"));
        QVERIFY(sameIcon(jump->icon(), AppIcons::toolbarImage(image)));
        QCOMPARE(jump->toolTip(), hint);
        const QString google = MainWindowFixture::action(form, QStringLiteral("Google"))->toolTip();
        QCOMPARE(google, typed.isEmpty() ? QStringLiteral("גוגל") : QStringLiteral("חפש בגוגל את \"%1\"").arg(typed));
    }

    void backToEmptyRestoresTheButton()
    {
        MainWindow form;
        typeText(MainWindowFixture::jumpQuery(form), QStringLiteral("=א"));
        QTest::keyClick(MainWindowFixture::jumpQuery(form), Qt::Key_Backspace);
        QTest::keyClick(MainWindowFixture::jumpQuery(form), Qt::Key_Backspace);
        QAction *jump = MainWindowFixture::action(form, QStringLiteral("WiktJump"));
        QCOMPARE(jump->toolTip(), QStringLiteral("שינויים אחרונים (F5)"));
        QVERIFY(sameIcon(jump->icon(), AppIcons::toolbarImage(24)));
        QCOMPARE(MainWindowFixture::action(form, QStringLiteral("Wikipedia"))->toolTip(), QStringLiteral("ויקיפדיה"));
    }

    void namespaceWrittenOut_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("category") << QStringLiteral("ק:") << QStringLiteral("קטגוריה:") << 8;
        QTest::newRow("then the title") << QStringLiteral("ת:גרש") << QStringLiteral("תבנית:גרש") << 9;
        QTest::newRow("user talk") << QStringLiteral("שמ:") << QStringLiteral("שיחת משתמש:") << 11;
        QTest::newRow("later in the text") << QStringLiteral("אב ת:") << QStringLiteral("אב ת:") << 5;
    }

    void namespaceWrittenOut()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, caret);
        MainWindow form;
        typeText(MainWindowFixture::jumpQuery(form), typed);
        QCOMPARE(MainWindowFixture::jumpQuery(form)->text(), text);
        QCOMPARE(MainWindowFixture::jumpQuery(form)->cursorPosition(), caret);
        QVERIFY(!MainWindowFixture::jumpQuery(form)->hasSelectedText());
    }

    void ctrlMinusInsertsMaqaf()
    {
        MainWindow form;
        QLineEdit *box = MainWindowFixture::jumpQuery(form);
        box->setText(QStringLiteral("כלבו"));
        box->setCursorPosition(2);
        QTest::keyClick(box, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("כל־בו"));
        QCOMPARE(box->cursorPosition(), 3);
        // With Alt as well the key is the box's own, no maqaf.
        QTest::keyClick(box, Qt::Key_Minus, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(box->text().count(QChar(0x05BE)), 1);
        box->setText(QStringLiteral("אב"));
        QTest::keyClick(box, Qt::Key_Minus);
        QCOMPARE(box->text(), QStringLiteral("אב-"));
    }

    void doubleClickEmpties()
    {
        MainWindow form;
        MainWindowFixture::jumpQuery(form)->setText(QStringLiteral("שלום"));
        QTest::mouseDClick(MainWindowFixture::jumpQuery(form), Qt::LeftButton);
        QCOMPARE(MainWindowFixture::jumpQuery(form)->text(), QString());
    }

    void enterOpens_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("address");
        QTest::newRow("page") << QStringLiteral("שלום") << kWiki + QStringLiteral("/wiki/שלום");
        QTest::newRow("edit form") << QStringLiteral("=שלום")
                                   << kWiki + QStringLiteral("/w/index.php?title=שלום&action=edit");
        QTest::newRow("quotation mark") << QStringLiteral("צה\"ל") << kWiki + QStringLiteral("/wiki/צה%22ל");
        QTest::newRow("empty box") << QString() << kRecent;
    }

    void enterOpens()
    {
        QFETCH(QString, typed);
        QFETCH(QString, address);
        MainWindow form;
        ShellOpenRecorder recorder;
        MainWindowFixture::jumpQuery(form)->setText(typed);
        QTest::keyClick(MainWindowFixture::jumpQuery(form), Qt::Key_Return);
        QCOMPARE(recorder.targets(), QStringList{address});
    }

    void recentChangesFromTheLastVisit()
    {
        MainWindow form;
        ShellOpenRecorder recorder;
        Settings::write(QStringLiteral("Preferences"), QStringLiteral("RecentChanges"), QStringLiteral("1"));
        form.start({});
        WikiClock::setForTesting([] { return QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6), Qt::UTC); });
        MainWindowFixture::action(form, QStringLiteral("WiktJump"))->trigger();
        WikiClock::setForTesting([] { return QDateTime(QDate(2026, 2, 3), QTime(9, 0, 0), Qt::UTC); });
        MainWindowFixture::action(form, QStringLiteral("RecentChangesTray"))->trigger();
        WikiClock::setForTesting({});
        QCOMPARE(recorder.targets(), (QStringList{kRecent, kRecent + QStringLiteral("&from=20260203040506")}));
        QCOMPARE(Settings::read(QStringLiteral("Preferences"), QStringLiteral("RecentChanges")),
                 QStringLiteral("20260203090000"));
    }

    void recentChangesWithoutTheTime()
    {
        MainWindow form;
        ShellOpenRecorder recorder;
        MainWindowFixture::action(form, QStringLiteral("WiktJump"))->trigger();
        QCOMPARE(recorder.targets(), QStringList{kRecent});
        QCOMPARE(Settings::read(QStringLiteral("Preferences"), QStringLiteral("RecentChanges")), QStringLiteral("0"));
    }

    void searchMenu_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("address"); // empty: nothing opens
        QTest::newRow("wikipedia from the box") << "Wikipedia" << QStringLiteral("London") << QStringLiteral("x")
                                                << QStringLiteral("https://en.wikipedia.org/wiki/London");
        QTest::newRow("wikipedia from the selection") << "Wikipedia" << QString() << QStringLiteral("יְרוּשָׁלַיִם")
                                                      << QStringLiteral("https://he.wikipedia.org/wiki/ירושלים");
        QTest::newRow("wikipedia with nothing") << "Wikipedia" << QString() << QString() << QString();
        QTest::newRow("google") << "Google" << QStringLiteral("שלום 2") << QString()
                                << QStringLiteral("https://www.google.com/search?hl=en&q=%d7%a9%d7%9c%d7%95%d7%9d+");
        QTest::newRow("google ignores the selection") << "Google" << QString() << QStringLiteral("x") << QString();
        QTest::newRow("commons") << "CommonsFind" << QStringLiteral("חתול") << QString()
                                 << QStringLiteral(
                                        "https://commons.wikimedia.org/wiki/Special:MediaSearch?q=חתול&t=r&z=30");
        QTest::newRow("commons empty") << "CommonsFind" << QString() << QStringLiteral("x") << QString();
    }

    void searchMenu()
    {
        QFETCH(QString, item);
        QFETCH(QString, box);
        QFETCH(QString, selection);
        QFETCH(QString, address);
        MainWindow form;
        MainWindowFixture::ArticleText editor(form);
        ShellOpenRecorder recorder;
        editor.setText(QStringLiteral("אב ") + selection);
        editor.apply({editor.text(), 3, int(selection.size())});
        MainWindowFixture::jumpQuery(form)->setText(box);
        MainWindowFixture::action(form, item)->trigger();
        QCOMPARE(recorder.targets(), address.isEmpty() ? QStringList() : QStringList{address});
    }

    void searchMenuOrder()
    {
        MainWindow form;
        QStringList names;
        for (QAction *a : MainWindowFixture::child<QMenu>(form, QStringLiteral("SearchPopup"))->actions())
            names << a->objectName();
        QCOMPARE(names, (QStringList{"Wikipedia", "CommonsFind", "Google"}));
        QCOMPARE(MainWindowFixture::child<QMenu>(form, QStringLiteral("SearchPopup"))->layoutDirection(),
                 Qt::RightToLeft);
    }
};

QTEST_MAIN(NavigationCommandsTest)
#include "NavigationCommandsTest.moc"
