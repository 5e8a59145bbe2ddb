#include "wikitext/EditorKeys.h"

#include <QTest>

class EditorKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void tab_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("out");
        QTest::newRow("at the caret") << QStringLiteral("#אב") << 1 << 0 << QStringLiteral("#::אב");
        QTest::newRow("replaces the selection") << QStringLiteral("#אב") << 1 << 2 << QStringLiteral("#::");
        QTest::newRow("empty text") << QString() << 0 << 0 << QStringLiteral("::");
    }

    void vowelPointReplacesTheSelection()
    {
        const EditorState s{QStringLiteral("אבג"), 1, 1};
        QCOMPARE(EditorKeys::insertVowelPoint(s, QChar(0x05BC)), (EditorState{QStringLiteral("א\u05BCג"), 2, 0}));
    }

    void tab()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, out);
        const EditorState result = EditorKeys::insertTab({text, start, length});
        QCOMPARE(result.text, out);
        QCOMPARE(result.selStart, start + 2);
        QCOMPARE(result.selLength, 0);
    }

    void quotation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("out");
        QTest::newRow("two lines on an empty line")
            << QString() << 0 << 0 << QStringLiteral("a\r\nb\r\n") << QStringLiteral("#:* \"a / b\" ([");
        QTest::newRow("only spaces on the line")
            << QStringLiteral("   ") << 3 << 0 << QStringLiteral("x") << QStringLiteral("   #:* \"x\" ([");
        QTest::newRow("tab counts as blank")
            << QStringLiteral("\t") << 1 << 0 << QStringLiteral("x") << QStringLiteral("\t#:* \"x\" ([");
        QTest::newRow("text on the line")
            << QStringLiteral("#הגדרה") << 6 << 0 << QStringLiteral("x") << QStringLiteral("#הגדרה\r\n#:* \"x\" ([");
        QTest::newRow("caret at the start of a full line")
            << QStringLiteral("abc") << 0 << 0 << QStringLiteral("x") << QStringLiteral("\r\n#:* \"x\" ([abc");
        QTest::newRow("empty line after text") << QStringLiteral("abc\r\n\r\ndef") << 5 << 0 << QStringLiteral("x")
                                               << QStringLiteral("abc\r\n#:* \"x\" ([\r\ndef");
        QTest::newRow("last empty line") << QStringLiteral("abc\r\n") << 5 << 0 << QStringLiteral("x")
                                         << QStringLiteral("abc\r\n#:* \"x\" ([");
        QTest::newRow("paragraph break is one separator")
            << QString() << 0 << 0 << QStringLiteral("a\r\n\r\nb") << QStringLiteral("#:* \"a / b\" ([");
        QTest::newRow("three breaks") << QString() << 0 << 0 << QStringLiteral("a\r\n\r\n\r\nb")
                                      << QStringLiteral("#:* \"a /  / b\" ([");
        QTest::newRow("trailing paragraph break")
            << QString() << 0 << 0 << QStringLiteral("a\r\n\r\n") << QStringLiteral("#:* \"a\" ([");
        QTest::newRow("LF line breaks") << QString() << 0 << 0 << QStringLiteral("a\nb\n\nc\n")
                                        << QStringLiteral("#:* \"a / b / c\" ([");
        QTest::newRow("empty clipboard") << QString() << 0 << 0 << QString() << QStringLiteral("#:* \"\" ([");
        QTest::newRow("quotes inside") << QString() << 0 << 0 << QStringLiteral("say / \"hi\"")
                                       << QStringLiteral("#:* \"say\"hi\"\" ([");
        QTest::newRow("selection replaced, caret line at its end")
            << QStringLiteral("abc\r\n") << 0 << 5 << QStringLiteral("x") << QStringLiteral("#:* \"x\" ([");
    }

    void quotation()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, clipboard);
        QFETCH(QString, out);
        const EditorState result = EditorKeys::pasteQuotation({text, start, length}, clipboard);
        QCOMPARE(result.text, out);
        // The caret ends after the inserted text.
        const int inserted = int(out.size() - (text.size() - length));
        QCOMPARE(result.selStart, start + inserted);
        QCOMPARE(result.selLength, 0);
    }
};

QTEST_GUILESS_MAIN(EditorKeysTest)
#include "EditorKeysTest.moc"
