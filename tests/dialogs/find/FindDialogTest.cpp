#include "dialogs/find/FindDialog.h"

#include "support/MainWindowFixture.h"
#include "regex/RegEx.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The dialog against a stand-in editor: what it reads and what it applies.
struct FindHarness
{
    RegEx regEx;
    QString lastFindQuery;
    EditorState editor;
    FindDialog dialog;

    explicit FindHarness(const QString &text)
        : editor{text, 0, 0}
    {
        dialog.setTarget(
            {&regEx, &lastFindQuery, [this] { return editor; }, [this](const EditorState &s) { editor = s; }});
    }

    static QStringList notices() { return MainWindowFixture::askedTexts(); }

    template <typename T> T *child(const char *name) { return dialog.findChild<T *>(QLatin1String(name)); }
};

class FindDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowFixture::startDialogTestCase(); }

    void init() { HebrewMessageBox::clearAsked(); }

    void controls()
    {
        FindHarness h(QString{});
        QCOMPARE(h.dialog.windowTitle(), QStringLiteral("חיפוש בתיבת העריכה"));
        QVERIFY(h.dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(h.dialog.windowFlags() & Qt::Tool, Qt::Tool);
        QCOMPARE(h.dialog.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(h.child<QLabel>("TntLabel1")->text(), QStringLiteral("כדי לדלג בין התוצאות לחצו Ctrl+F."));
        auto *button = h.child<QPushButton>("FindClick");
        QCOMPARE(button->text(), QStringLiteral("חפש"));
        QVERIFY(button->isDefault());
        QVERIFY(!button->isEnabled());
        QCOMPARE(h.child<QCheckBox>("RootCheck")->text(), QStringLiteral("שורש"));
        QCOMPARE(h.child<QCheckBox>("RootCheck")->toolTip(), QStringLiteral("דימוי חיפוש שורש בטקסט"));
        QCOMPARE(h.child<QCheckBox>("RegCheck")->text(), QStringLiteral("חיפוש RegEx (\u200FPCRE)"));
        const QFont font = h.child<QLineEdit>("FindText")->font();
        QCOMPARE(font.family(), QStringLiteral("David"));
        QCOMPARE(font.pixelSize(), 15);
        QCOMPARE(h.dialog.mode(), FindMode::Plain);
    }

    void buttonFollowsTheQuery_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing typed") << QStringList{} << false;
        QTest::newRow("a letter") << QStringList{"א"} << true;
        QTest::newRow("a space is not empty") << QStringList{" "} << true;
        QTest::newRow("typed, then cleared") << QStringList{"אב", ""} << false;
    }

    void buttonFollowsTheQuery()
    {
        QFETCH(QStringList, typed);
        QFETCH(bool, enabled);
        FindHarness h(QString{});
        for (const QString &t : typed)
            h.child<QLineEdit>("FindText")->setText(t);
        QCOMPARE(h.child<QPushButton>("FindClick")->isEnabled(), enabled);
    }

    void modes_data()
    {
        QTest::addColumn<QString>("clicks"); // R = RootCheck, G = RegCheck, in order
        QTest::addColumn<FindMode>("mode");
        QTest::newRow("none") << "" << FindMode::Plain;
        QTest::newRow("root") << "R" << FindMode::Root;
        QTest::newRow("regex") << "G" << FindMode::Regex;
        QTest::newRow("root, then regex unchecks root") << "RG" << FindMode::Regex;
        QTest::newRow("regex, then root unchecks regex") << "GR" << FindMode::Root;
        QTest::newRow("root twice is plain again") << "RR" << FindMode::Plain;
    }

    void modes()
    {
        QFETCH(QString, clicks);
        QFETCH(FindMode, mode);
        FindHarness h(QString{});
        h.dialog.show();
        auto *root = h.child<QCheckBox>("RootCheck");
        auto *reg = h.child<QCheckBox>("RegCheck");
        for (QChar c : clicks)
            QTest::mouseClick(c == QLatin1Char('R') ? root : reg, Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(!(root->isChecked() && reg->isChecked()));
        QCOMPARE(h.dialog.mode(), mode);
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("root");
        QTest::addColumn<int>("selStart"); // -1: the notice below instead
        QTest::addColumn<QString>("notice");
        QTest::newRow("found by Enter, dialog hides") << "אב סֵפֶר"
                                                      << "ספר" << false << 3 << "";
        QTest::newRow("root") << "שלח מכתבים"
                              << "כ-ת-ב" << true << 4 << "";
        QTest::newRow("not found, dialog stays") << "שלום"
                                                 << "ספר" << false << -1 << "לא נמצא.\u200F";
        QTest::newRow("empty editor") << ""
                                      << "ספר" << false << -1 << "לא נמצא!\u200F";
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(bool, root);
        QFETCH(int, selStart);
        QFETCH(QString, notice);
        FindHarness h(text);
        h.dialog.showForQuery();
        h.child<QCheckBox>("RootCheck")->setChecked(root);
        h.child<QLineEdit>("FindText")->insert(query);
        QTest::keyClick(h.child<QLineEdit>("FindText"), Qt::Key_Return);
        if (selStart >= 0) {
            QVERIFY(h.notices().isEmpty());
            QCOMPARE(h.editor.selStart, selStart);
            QVERIFY(!h.dialog.isVisible());
            QCOMPARE(h.lastFindQuery, query);
        } else {
            QCOMPARE(h.notices(), QStringList{notice});
            QVERIFY(h.dialog.isVisible());
            QCOMPARE(h.editor.selLength, 0);
        }
        // The query stays for the next use.
        QCOMPARE(h.child<QLineEdit>("FindText")->text(), query);
    }

    void badPatternIsANoticeNotACrash()
    {
        FindHarness h(QStringLiteral("abc"));
        h.child<QCheckBox>("RegCheck")->setChecked(true);
        h.child<QLineEdit>("FindText")->setText(QStringLiteral("a(b"));
        h.dialog.find();
        QCOMPARE(h.notices().size(), 1);
        QVERIFY(h.notices().first().startsWith(QStringLiteral("הביטוי הרגולרי אינו תקין")));
        QCOMPARE(h.editor, (EditorState{QStringLiteral("abc"), 0, 0}));
    }

    void picture()
    {
        FindHarness h(QString{});
        h.child<QLineEdit>("FindText")->setText(QStringLiteral("כ-ת-ב"));
        h.child<QCheckBox>("RootCheck")->setChecked(true);
        h.dialog.show();
        const QImage image = h.dialog.grab().toImage();
        QVERIFY(image.width() > 200);
        const QString dir = qEnvironmentVariable("DALVANA_PICTURES");
        if (!dir.isEmpty())
            QVERIFY(image.save(dir + QStringLiteral("/FindDialog.png")));
    }
};

QTEST_MAIN(FindDialogTest)
#include "FindDialogTest.moc"
