#include "dialogs/footnotes/FootnotesDialog.h"

#include "support/MainWindowFixture.h"
#include "regex/RegEx.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// The dialog against a stand-in editor: what it reads and what it hands back.
struct FootnotesHarness
{
    RegEx regEx;
    EditorState editor;
    EditorState applied{QStringLiteral("unchanged"), 0, 0};
    int appliedView = -1;
    FootnotesDialog dialog;

    explicit FootnotesHarness(const EditorState &state)
        : editor(state)
    {
        dialog.setTarget({&regEx, [this] { return editor; }, [] { return 7; },
                          [this](const EditorState &s, int view) {
                              applied = s;
                              appliedView = view;
                          }});
        dialog.show();
    }

    template <typename T> T *child(const char *name) { return dialog.findChild<T *>(QLatin1String(name)); }

    void fill(const QString &name, const QString &note)
    {
        dialog.footName()->setText(name);
        dialog.footText()->setPlainText(note);
    }
};

class FootnotesDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowFixture::startDialogTestCase(); }

    void init() { HebrewMessageBox::clearAsked(); }

    void controls()
    {
        FootnotesHarness h({});
        QCOMPARE(h.dialog.windowTitle(), QStringLiteral("הערות שוליים"));
        QVERIFY(h.dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(h.dialog.windowFlags() & Qt::Tool, Qt::Tool);
        QVERIFY(!h.dialog.isModal());
        QCOMPARE(h.dialog.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(h.child<QLabel>("TntLabel1")->text(), QStringLiteral("שם:"));
        QCOMPARE(h.dialog.footName()->toolTip(), QStringLiteral("יש לתת להערה שם שייחד אותה משאר ההערות"));
        QCOMPARE(h.dialog.footText()->toolTip(),
                 QStringLiteral("מעברי שורה יוחלפו אוטומטית בתגי <br/>. הפניות למקורות באנגלית מומלץ ליישר לשמאל."));
        auto *justify = h.child<QToolButton>("Justify");
        QCOMPARE(justify->toolTip(), QStringLiteral("יישור הטקסט המסומן לשמאל"));
        QCOMPARE(justify->size(), QSize(16, 16));
        QCOMPARE(justify->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(h.child<QPushButton>("AddFootnote")->text(), QStringLiteral("הוסף"));
        QVERIFY(h.child<QPushButton>("AddFootnote")->font().bold());
    }

    void justify_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("result");
        QTest::newRow("a selected word") << 4 << 9 << "ראו <div align=left>Smith</div> שם";
        QTest::newRow("the first and last character") << 0 << 12 << "<div align=left>ראו Smith שם</div>";
        QTest::newRow("nothing selected") << 3 << 3 << "ראו Smith שם";
    }

    void justify()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, result);
        FootnotesHarness h({});
        h.fill(QString(), QStringLiteral("ראו Smith שם"));
        QTextCursor cursor = h.dialog.footText()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        h.dialog.footText()->setTextCursor(cursor);
        QTest::mouseClick(h.child<QToolButton>("Justify"), Qt::LeftButton);
        QCOMPARE(h.dialog.footText()->toPlainText(), result);
    }

    // Ctrl+Z takes back the last change only once; Ctrl+A selects all of the note.
    void keys()
    {
        FootnotesHarness h({});
        QPlainTextEdit *text = h.dialog.footText();
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("ab"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("cd"));
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        const QString once = text->toPlainText();
        QVERIFY(once != QStringLiteral("ab\ncd"));
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), once);
        QVERIFY(!text->document()->isRedoAvailable());
        text->setPlainText(QStringLiteral("אב\nגד"));
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("אב\u2029גד"));
    }

    // "הוסף" at the caret recorded when the dialog showed, with the view handed back.
    void addsAtTheRecordedCaret()
    {
        FootnotesHarness h({QStringLiteral("# א\r\n# ב"), 3, 0});
        h.editor.selStart = 0;
        h.fill(QStringLiteral("  מקור "), QStringLiteral("שורה\nשנייה"));
        QTest::mouseClick(h.child<QPushButton>("AddFootnote"), Qt::LeftButton);
        QCOMPARE(h.dialog.footName()->text(), QStringLiteral("מקור"));
        QCOMPARE(h.applied.text,
                 QStringLiteral("# א{{הפניה|1|מקור}}\r\n# ב\r\n\r\n===הערות שוליים===\r\n"
                                "# {{הערה|מקור}} שורה<br/>שנייה\r\n\r\n"));
        QCOMPARE(h.applied.selStart, 5);
        QCOMPARE(h.appliedView, 7);
        QVERIFY(!h.dialog.isVisible());
        QVERIFY(MainWindowFixture::askedTexts().isEmpty());

        h.dialog.show();
        QVERIFY(h.dialog.footName()->text().isEmpty());
        QVERIFY(h.dialog.footText()->toPlainText().isEmpty());
    }

    void refusalKeepsEverything()
    {
        FootnotesHarness h({QStringLiteral("# א"), 1, 0});
        h.fill(QStringLiteral("a=b"), QStringLiteral("הערה"));
        QTest::mouseClick(h.child<QPushButton>("AddFootnote"), Qt::LeftButton);
        QCOMPARE(MainWindowFixture::askedTexts().size(), 1);
        QVERIFY(MainWindowFixture::askedTexts().first().startsWith(QStringLiteral("שם ההערה או טקסט ההערה")));
        QCOMPARE(HebrewMessageBox::asked().first().kind, -1);
        QCOMPARE(h.applied.text, QStringLiteral("unchanged"));
        QVERIFY(h.dialog.isVisible());
        QCOMPARE(h.dialog.footText()->toPlainText(), QStringLiteral("הערה"));
    }
};

QTEST_MAIN(FootnotesDialogTest)
#include "FootnotesDialogTest.moc"
