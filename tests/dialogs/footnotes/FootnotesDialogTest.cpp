#include "dialogs/footnotes/FootnotesDialog.h"

#include "support/MainWindowFixture.h"
#include "support/WindowTestCase.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// The dialog on its own: what it hands back.
struct FootnotesHarness
{
    FootnotesDialog dialog;
    QList<FootnoteRequest> requests;

    explicit FootnotesHarness(int caret = 0)
    {
        QObject::connect(&dialog, &FootnotesDialog::footnoteRequested, &dialog,
                         [this](const FootnoteRequest &r) { requests << r; });
        dialog.showFootnotes(caret, 7);
    }

    template <typename T> T *child(const char *name)
    {
        return MainWindowFixture::child<T>(dialog, QLatin1String(name));
    }
    QLineEdit *name() { return child<QLineEdit>("FootName"); }
    QPlainTextEdit *note() { return child<QPlainTextEdit>("FootText"); }

    void fill(const QString &n, const QString &text)
    {
        name()->setText(n);
        note()->setPlainText(text);
    }
};

class FootnotesDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void controls()
    {
        FootnotesHarness h;
        QVERIFY(h.dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(h.dialog.windowFlags() & Qt::Tool, Qt::Tool);
        QVERIFY(!h.dialog.isModal());
        QCOMPARE(h.dialog.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(h.child<QToolButton>("Justify")->cursor().shape(), Qt::PointingHandCursor);
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
        FootnotesHarness h;
        h.fill(QString(), QStringLiteral("ראו Smith שם"));
        QTextCursor cursor = h.note()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        h.note()->setTextCursor(cursor);
        QTest::mouseClick(h.child<QToolButton>("Justify"), Qt::LeftButton);
        QCOMPARE(h.note()->toPlainText(), result);
    }

    // Ctrl+Z takes back the last change only once; Ctrl+A selects all of the note.
    void keys()
    {
        FootnotesHarness h;
        QPlainTextEdit *text = h.note();
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

    // "הוסף" hands back the name trimmed, the note with CR LF, and the caret and view
    // recorded when the dialog showed; shown again, it is empty.
    void handsBackTheRecordedCaret()
    {
        FootnotesHarness h(3);
        h.fill(QStringLiteral("  מקור "), QStringLiteral("שורה\nשנייה"));
        QTest::mouseClick(h.child<QPushButton>("AddFootnote"), Qt::LeftButton);
        QCOMPARE(h.name()->text(), QStringLiteral("מקור"));
        QCOMPARE(h.requests.size(), 1);
        QCOMPARE(h.requests.first().name, QStringLiteral("מקור"));
        QCOMPARE(h.requests.first().note, QStringLiteral("שורה\r\nשנייה"));
        QCOMPARE(h.requests.first().caret, 3);
        QCOMPARE(h.requests.first().viewStart, 7);
        QVERIFY(MainWindowFixture::askedTexts().isEmpty());

        h.dialog.hide();
        h.dialog.showFootnotes(0, 0);
        QVERIFY(h.name()->text().isEmpty());
        QVERIFY(h.note()->toPlainText().isEmpty());
    }
};

QTEST_MAIN(FootnotesDialogTest)
#include "FootnotesDialogTest.moc"
