#include "gui/WikiHighlighter.h"
#include "spell/SpellChecker.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

namespace {

class WordList : public SpellDictionary
{
public:
    bool spell(const QString &word) override { return word != QStringLiteral("טעותת"); }
    QStringList suggest(const QString &) override { return {}; }
};

// The format the layout draws one character of a block in: the ranges over it merged.
QTextCharFormat formatAt(const QPlainTextEdit &editor, int blockNumber, int column)
{
    const QTextBlock block = editor.document()->findBlockByNumber(blockNumber);
    QTextCharFormat f;
    for (const QTextLayout::FormatRange &r : block.layout()->formats()) {
        if (column >= r.start && column < r.start + r.length)
            f.merge(r.format);
    }
    return f;
}

bool isFormatted(const QPlainTextEdit &editor, int blockNumber)
{
    return !editor.document()->findBlockByNumber(blockNumber).layout()->formats().isEmpty();
}

struct Editor
{
    QPlainTextEdit widget;
    SpellChecker checker{std::make_shared<WordList>()};
    WikiHighlighter highlighter{&widget};

    explicit Editor(const QString &text)
    {
        widget.resize(500, 300);
        widget.setPlainText(text);
        widget.show();
        highlighter.setAids(true, &checker);
        highlighter.formatVisible();
    }
};

} // namespace

class WikiHighlighterTest : public QObject
{
    Q_OBJECT

private slots:
    void formats_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("coloured");
        QTest::addColumn<bool>("wavy");
        QTest::newRow("level 2 heading text") << "==שלום==" << 0 << 3 << true << false << true << false;
        QTest::newRow("level 3 heading mark") << "===מקור===" << 0 << 0 << true << false << true << false;
        QTest::newRow("template opened on the line before")
            << "{{א|ב={{ג\n|ד}}|ה}}" << 1 << 0 << true << false << true << false;
        QTest::newRow("value of a nested template is plain")
            << "{{א|ב={{ג\n|ד}}|ה}}" << 1 << 1 << false << false << false << false;
        QTest::newRow("hidden note's second line")
            << "א <!-- ב\nג\nד --> ה" << 1 << 0 << false << true << true << false;
        QTest::newRow("after the hidden note") << "א <!-- ב\nג\nד --> ה" << 2 << 6 << false << false << false << false;
        QTest::newRow("misspelt word") << "מילה טעותת" << 0 << 5 << false << false << false << true;
        QTest::newRow("misspelt word in italics") << "''טעותת''" << 0 << 6 << false << true << false << true;
        QTest::newRow("same word as a template name") << "{{טעותת}}" << 0 << 2 << false << false << true << false;
    }

    void formats()
    {
        QFETCH(QString, text);
        QFETCH(int, block);
        QFETCH(int, column);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, coloured);
        QFETCH(bool, wavy);
        Editor e(text);
        const QTextCharFormat f = formatAt(e.widget, block, column);
        QCOMPARE(f.fontWeight() == QFont::Bold, bold);
        QCOMPARE(f.fontItalic(), italic);
        QCOMPARE(f.hasProperty(QTextFormat::ForegroundBrush), coloured);
        QCOMPARE(f.underlineStyle() == QTextCharFormat::SpellCheckUnderline, wavy);
    }

    // Lines off screen are left alone until shown, and then start in the state the
    // lines above leave, even when an edit far above changed it.
    void onlyShownLinesAreFormatted()
    {
        QStringList lines;
        for (int i = 0; i < 2000; ++i)
            lines << QStringLiteral("שורה %1 '''מודגש'''").arg(i);
        Editor e(lines.join(u'\n'));
        QVERIFY(isFormatted(e.widget, 0));
        QVERIFY(!isFormatted(e.widget, 1500));

        QTextCursor top(e.widget.document());
        top.insertText(QStringLiteral("<!-- "));
        e.highlighter.formatVisible();
        e.widget.verticalScrollBar()->setValue(1500);
        e.highlighter.formatVisible();
        QVERIFY(formatAt(e.widget, 1500, 0).fontItalic());
        QCOMPARE(formatAt(e.widget, 1500, 15).fontWeight() == QFont::Bold, false);
        // A line formatted before the edit is formatted again when shown again.
        e.widget.verticalScrollBar()->setValue(0);
        e.highlighter.formatVisible();
        QVERIFY(formatAt(e.widget, 3, 15).fontItalic());
    }

    // Formats never reach the text, its undo history or its modified flag, nor
    // pass for an edit.
    void formattingChangesNothingElse()
    {
        Editor e(QStringLiteral("==א==\n{{ב|ג}} טעותת"));
        QTextCursor c(e.widget.document());
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral(" ד"));
        e.widget.document()->setModified(false);
        const QString text = e.widget.toPlainText();
        const int undoSteps = e.widget.document()->availableUndoSteps();
        QSignalSpy changes(&e.widget, &QPlainTextEdit::textChanged);

        e.highlighter.spellingChanged();
        e.highlighter.formatVisible();
        e.highlighter.setAids(false, nullptr);
        e.highlighter.setAids(true, &e.checker);
        e.highlighter.formatVisible();
        e.widget.viewport()->repaint();

        QVERIFY(isFormatted(e.widget, 0));
        QCOMPARE(e.widget.toPlainText(), text);
        QCOMPARE(e.widget.document()->availableUndoSteps(), undoSteps);
        QVERIFY(!e.widget.document()->isModified());
        QCOMPARE(changes.count(), 0);
    }

    void bothOffLeavesTheDocument()
    {
        Editor e(QStringLiteral("==א=="));
        e.highlighter.setAids(false, nullptr);
        QVERIFY(!e.highlighter.isActive());
        QVERIFY(!isFormatted(e.widget, 0));
    }

    // The dictionary is asked for once a shown line has a word it must settle: not
    // for an empty page, markup, a lone letter or a numeral, nor for lines off screen.
    void checkerWantedForAWordOnScreen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wanted");
        QTest::newRow("empty page") << "" << false;
        QTest::newRow("markup, names and numerals") << "{{ת|en|book}} [[a]] ה' תשפ\"ד ב-2000" << false;
        QTest::newRow("a Hebrew word") << "== מילה ==" << true;
        QTest::newRow("a word only below the screen") << QString(200, u'\n') + QStringLiteral("מילה") << false;
    }

    void checkerWantedForAWordOnScreen()
    {
        QFETCH(QString, text);
        QFETCH(bool, wanted);
        QPlainTextEdit widget;
        widget.resize(500, 300);
        widget.setPlainText(text);
        widget.show();
        WikiHighlighter highlighter(&widget);
        int asked = 0;
        highlighter.setCheckerWanted([&asked] { ++asked; });
        highlighter.setAids(true, nullptr);
        highlighter.formatVisible();
        QCOMPARE(asked, int(wanted));
    }

    // The colours stand apart from the base of a light and of a dark palette.
    void coloursReadOnLightAndDark()
    {
        for (const QColor &base : {QColor(Qt::white), QColor(30, 30, 30)}) {
            QPalette palette;
            palette.setColor(QPalette::Base, base);
            palette.setColor(QPalette::Text, base.lightness() < 128 ? Qt::white : Qt::black);
            const WikiHighlighter::Formats f = WikiHighlighter::formatsFor(palette);
            for (const QTextCharFormat &k : f.kind) {
                if (k.hasProperty(QTextFormat::ForegroundBrush))
                    QVERIFY(qAbs(k.foreground().color().lightness() - base.lightness()) > 60);
            }
        }
    }
};

QTEST_MAIN(WikiHighlighterTest)
#include "WikiHighlighterTest.moc"
