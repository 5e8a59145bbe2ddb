#include "app/EditorAdapter.h"

#include <QPlainTextEdit>
#include <QTest>

class EditorAdapterTest : public QObject
{
    Q_OBJECT

private slots:
    void setTextNormalisesLineBreaks_data();
    void setTextNormalisesLineBreaks();
    void positionsRoundTrip_data();
    void positionsRoundTrip();
    void applyChangesOnlyWhatDiffers_data();
    void applyChangesOnlyWhatDiffers();
    void applyIsOneUndoStep();
    void noBreakSpaceSurvives();
    void lengthCountsLineBreaksAsTwo_data();
    void lengthCountsLineBreaksAsTwo();
    void longText_data();
    void longText();
    void longTextComesInFromTheEventLoop();
    void keyWhileLoadingEditsTheWholeText();
    void newTextWhileLoadingReplacesTheOld();
};

namespace {

// Far more lines than go into the editor at once.
QString longPage(int lines)
{
    return QString::fromUtf8("==שָׁלוֹם==\r\n# [[ברכה]] בפגישה.\r\n").repeated(lines / 2);
}

// An editor given a long text, still taking it in.
struct LoadingEditor
{
    explicit LoadingEditor(const QString &text) { adapter.setText(text); }
    QPlainTextEdit edit;
    EditorAdapter adapter{&edit};
};

} // namespace

void EditorAdapterTest::setTextNormalisesLineBreaks_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("LF") << "a\nb"
                        << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\r\nb";
    QTest::newRow("CR LF") << "a\r\nb"
                           << "a\r\nb";
    QTest::newRow("U+2028") << QString("a") + QChar(0x2028) + "b"
                            << "a\r\nb";
    QTest::newRow("mixed and empty lines") << "\n\r\r\n\n"
                                           << "\r\n\r\n\r\n\r\n";
    QTest::newRow("CR at the very end") << "a\r"
                                        << "a\r\n";
    QTest::newRow("CR LF, then LF") << "a\r\n\nb"
                                    << "a\r\n\r\nb";
    QTest::newRow("CR CR LF") << "a\r\r\nb"
                              << "a\r\n\r\nb";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("trailing break") << "שלום\n"
                                    << "שלום\r\n";
    QTest::newRow("paragraph separator") << QString("a") + QChar(0x2029) + "b"
                                         << "a\r\nb";
    QTest::newRow("frame marks") << QString("a") + QChar(0xFDD0) + "b" + QChar(0xFDD1) << "a\r\nb\r\n";
    QTest::newRow("frame mark first") << QString(QChar(0xFDD1)) + "a\r\nb"
                                      << "\r\na\r\nb";
    QTest::newRow("tab and no-break space") << QString("\t") + QChar(0x00A0) << QString("\t") + QChar(0x00A0);
}

void EditorAdapterTest::setTextNormalisesLineBreaks()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QPlainTextEdit edit;
    EditorAdapter adapter(&edit);
    adapter.setText(input);
    QCOMPARE(adapter.text(), expected);
    QCOMPARE(adapter.state().text, expected);
    QCOMPARE(adapter.length(), expected.size());
    QCOMPARE(EditorAdapter::heldText(input), expected);
}

void EditorAdapterTest::positionsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain lines") << "ab\r\ncd\r\nef";
    QTest::newRow("empty lines") << "\r\n\r\na\r\n\r\n";
    QTest::newRow("pointed Hebrew") << QString::fromUtf8("שָׁלוֹם\r\nבְּרֵאשִׁית\r\n==עִבְרִית==");
    QTest::newRow("surrogate pairs") << QString::fromUtf8("a😀b\r\n𝔸\r\nc");
    QTest::newRow("one empty line") << "";
}

// Every state position that is not inside a CR LF pair survives the trip to the
// widget and back, and a selection set through the state reads back the same.
void EditorAdapterTest::positionsRoundTrip()
{
    QFETCH(QString, text);
    QPlainTextEdit edit;
    EditorAdapter adapter(&edit);
    adapter.setText(text);
    for (int p = 0; p <= text.size(); ++p) {
        const bool insidePair = p > 0 && text[p - 1] == u'\r';
        const int back = adapter.toStatePosition(adapter.toWidgetPosition(p));
        if (insidePair)
            QCOMPARE(back, p - 1);
        else
            QCOMPARE(back, p);
    }
    for (int a = 0; a <= text.size(); ++a) {
        if (a > 0 && text[a - 1] == u'\r')
            continue;
        const EditorState wanted{text, a, int(text.size()) - a};
        adapter.apply(wanted);
        QCOMPARE(adapter.state(), wanted);
    }
}

void EditorAdapterTest::applyChangesOnlyWhatDiffers_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::newRow("insert inside a line") << "abc\r\ndef"
                                          << "abXc\r\ndef" << 3 << 0;
    QTest::newRow("new line break") << "abc\r\ndef"
                                    << "ab\r\nc\r\ndef" << 4 << 0;
    QTest::newRow("line break removed") << "abc\r\ndef"
                                        << "abcdef" << 3 << 0;
    QTest::newRow("break added at the end") << "abc"
                                            << "abc\r\n"
                                            << 5 << 0;
    QTest::newRow("break before an equal break") << "a\r\nb"
                                                 << "a\r\n\r\nb" << 3 << 0;
    QTest::newRow("whole text replaced") << "שלום"
                                         << "==שָׁלוֹם==\r\n"
                                         << 0 << 0;
    QTest::newRow("to empty") << "a\r\n\r\nb"
                              << "" << 0 << 0;
    QTest::newRow("from empty") << ""
                                << "\r\n\r\n"
                                << 2 << 2;
    QTest::newRow("point added to a letter") << "בר" << QString::fromUtf8("בְּר") << 3 << 0;
    QTest::newRow("surrogate replaced") << "x😀y"
                                        << "x😁y" << 1 << 2;
    QTest::newRow("selection over a break") << "ab\r\ncd"
                                            << "ab\r\ncd!" << 1 << 4;
}

void EditorAdapterTest::applyChangesOnlyWhatDiffers()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QPlainTextEdit edit;
    EditorAdapter adapter(&edit);
    adapter.setText(before);
    const EditorState wanted{after, selStart, selLength};
    adapter.apply(wanted);
    QCOMPARE(adapter.state(), wanted);
    QCOMPARE(adapter.length(), after.size());
    QCOMPARE(edit.document()->blockCount(), int(after.count(QStringLiteral("\r\n"))) + 1);
}

void EditorAdapterTest::applyIsOneUndoStep()
{
    QPlainTextEdit edit;
    EditorAdapter adapter(&edit);
    adapter.setText("first line\r\nsecond");
    adapter.apply({"first\r\nnew\r\nline\r\nsecond!", 0, 0});
    edit.undo();
    QCOMPARE(adapter.text(), QString("first line\r\nsecond"));
    QVERIFY(!edit.document()->isUndoAvailable());
}

void EditorAdapterTest::noBreakSpaceSurvives()
{
    QPlainTextEdit edit;
    EditorAdapter adapter(&edit);
    const QString text = QString("a") + QChar(0x00A0) + "b";
    adapter.setText(text);
    QCOMPARE(adapter.text(), text);
}

void EditorAdapterTest::lengthCountsLineBreaksAsTwo_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("one break") << "\n" << 2;
    QTest::newRow("Hebrew with points") << QString::fromUtf8("שָׁ\nל") << 6;
    QTest::newRow("surrogate") << "😀" << 2;
}

void EditorAdapterTest::lengthCountsLineBreaksAsTwo()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QPlainTextEdit edit;
    EditorAdapter adapter(&edit);
    adapter.setText(text);
    QCOMPARE(adapter.length(), length);
}

void EditorAdapterTest::longText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inPieces");
    QTest::newRow("many lines") << longPage(40000) << true;
    QTest::newRow("LF breaks") << longPage(40000).replace("\r\n", "\n") << true;
    QTest::newRow("ends with a break") << longPage(40000) + "\r\n" << true;
    QTest::newRow("one enormous line") << QString(600000, QChar(u'א')) << false;
    QTest::newRow("enormous first line, then more") << QString(600000, QChar(u'א')) + "\r\n" + longPage(100) << true;
    // The first piece is 256 Ki units: its last line break may start right at its end.
    QTest::newRow("break at the first piece's end")
        << QString(256 * 1024, QChar(u'א')) + "\r\n" + longPage(100) << true;
    QTest::newRow("paragraph separators") << longPage(40000).replace("\r\n", QChar(0x2029)) << true;
}

// Whatever reads a long text while it is coming in gets all of it, and the
// pieces leave no undo step and no modification behind.
void EditorAdapterTest::longText()
{
    QFETCH(QString, text);
    QFETCH(bool, inPieces);
    const QString held = EditorAdapter::heldText(text);
    QPlainTextEdit edit;
    EditorAdapter adapter(&edit);
    adapter.setText(text);
    QCOMPARE(adapter.isLoading(), inPieces);
    QCOMPARE(edit.isReadOnly(), inPieces);
    QCOMPARE(adapter.length(), held.size());
    QCOMPARE(adapter.state(), (EditorState{held, 0, 0}));
    QVERIFY(!adapter.isLoading());
    QVERIFY(!edit.isReadOnly());
    QVERIFY(!edit.document()->isUndoAvailable());
    QVERIFY(!edit.document()->isModified());
}

void EditorAdapterTest::longTextComesInFromTheEventLoop()
{
    const QString text = longPage(60000);
    LoadingEditor loading(text);
    QPlainTextEdit &edit = loading.edit;
    EditorAdapter &adapter = loading.adapter;
    QVERIFY(adapter.isLoading());
    const int firstBlocks = edit.document()->blockCount();
    QTRY_VERIFY(!adapter.isLoading());
    QVERIFY(edit.document()->blockCount() > firstBlocks);
    QCOMPARE(edit.document()->blockCount(), 60001);
    QCOMPARE(adapter.text(), text);
    QCOMPARE(edit.textCursor().position(), 0);
    QVERIFY(!edit.isReadOnly());
    QVERIFY(!edit.document()->isUndoAvailable());
}

// A key goes to the whole document, and is then one step to undo.
void EditorAdapterTest::keyWhileLoadingEditsTheWholeText()
{
    const QString text = longPage(40000);
    LoadingEditor loading(text);
    EditorAdapter &adapter = loading.adapter;
    QVERIFY(adapter.isLoading());
    QTest::keyClick(&loading.edit, Qt::Key_X, Qt::NoModifier);
    QVERIFY(!adapter.isLoading());
    QCOMPARE(adapter.text(), "x" + text);
    loading.edit.undo();
    QCOMPARE(adapter.text(), text);
}

void EditorAdapterTest::newTextWhileLoadingReplacesTheOld()
{
    QPlainTextEdit edit;
    edit.setReadOnly(true);
    EditorAdapter adapter(&edit);
    adapter.setText(longPage(40000));
    QVERIFY(adapter.isLoading());
    adapter.setText(QStringLiteral("short"));
    QVERIFY(!adapter.isLoading());
    QCOMPARE(adapter.text(), QStringLiteral("short"));
    // A read-only editor is left read-only.
    QVERIFY(edit.isReadOnly());
    QTest::qWait(20);
    QCOMPARE(adapter.text(), QStringLiteral("short"));
}

QTEST_MAIN(EditorAdapterTest)
#include "EditorAdapterTest.moc"
