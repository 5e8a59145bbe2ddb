#include "dialogs/changes/logic/ChangeLines.h"

#include <QTest>

namespace {

// A line each: "@N" a heading, then " N", "-N" or "+N" and the text, the changed
// words in brackets; a change's first line is starred.
QStringList written(const ChangeLines::View &view)
{
    using Kind = ChangeLines::Line::Kind;
    QStringList out;
    for (qsizetype i = 0; i < view.lines.size(); ++i) {
        const ChangeLines::Line &line = view.lines.at(i);
        if (line.kind == Kind::Heading) {
            out << QStringLiteral("@%1").arg(line.number);
            continue;
        }
        QString s = view.changes.contains(i) ? QStringLiteral("*") : QString();
        s += QStringLiteral(" -+").at(int(line.kind) - 1) + QString::number(line.number) + u' ';
        qsizetype at = 0;
        for (const TextDiff::Range &w : line.words) {
            s += line.text.mid(at, w.start - at) + u'[' + line.text.mid(w.start, w.length) + u']';
            at = w.end();
        }
        out << s + line.text.mid(at);
    }
    return out;
}

// Lines "1" to "n", each ending in CR LF.
QString numbered(int n)
{
    QString s;
    for (int i = 1; i <= n; ++i)
        s += QString::number(i) + QStringLiteral("\r\n");
    return s;
}

} // namespace

class ChangeLinesTest : public QObject
{
    Q_OBJECT

private slots:
    // With one line of context, so that the groups' edges show in short texts.
    void build_data()
    {
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("equal texts") << "a\r\nb"
                                     << "a\r\nb" << QStringList();
        QTest::newRow("a word in the middle line")
            << "א\r\nשלום לך\r\nג\r\n"
            << "א\r\nשלום לכם\r\nג\r\n"
            << QStringList{"@1", " 1 א", "*-2 שלום [לך]", "+2 שלום [לכם]", " 3 ג"};
        QTest::newRow("the first line: no context before it") << "a\r\nb\r\n"
                                                              << "x\r\nb\r\n"
                                                              << QStringList{"@1", "*-1 [a]", "+1 [x]", " 2 b"};
        QTest::newRow("the last line, without a break") << "a\r\nb"
                                                        << "a\r\nc" << QStringList{"@1", " 1 a", "*-2 [b]", "+2 [c]"};
        QTest::newRow("a line put in: nothing removed") << "a\r\nb\r\n"
                                                        << "a\r\nנ\r\nb\r\n"
                                                        << QStringList{"@1", " 1 a", "*+2 [נ]", " 3 b"};
        QTest::newRow("a word keeps its points") << "סֵפֶר טוֹב\r\n"
                                                 << "סֵפֶר טוֹבִים\r\n"
                                                 << QStringList{"@1", "*-1 סֵפֶר [טוֹב]", "+1 סֵפֶר [טוֹבִים]"};
        // Two changes with twice the context between them meet; one more line parts them.
        QTest::newRow("changes two contexts apart share a group")
            << numbered(6) << QString(numbered(6)).replace("2\r\n", "x\r\n").replace("5\r\n", "y\r\n")
            << QStringList{"@1", " 1 1", "*-2 [2]", "+2 [x]", " 3 3", " 4 4", "*-5 [5]", "+5 [y]", " 6 6"};
        QTest::newRow("one line further they part")
            << numbered(7) << QString(numbered(7)).replace("2\r\n", "x\r\n").replace("6\r\n", "y\r\n")
            << QStringList{"@1", " 1 1", "*-2 [2]", "+2 [x]", " 3 3", "@5", " 5 5", "*-6 [6]", "+6 [y]", " 7 7"};
    }

    void build()
    {
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        QFETCH(QStringList, lines);
        QCOMPARE(written(ChangeLines::build(oldText, newText, 1)), lines);
    }
};

QTEST_GUILESS_MAIN(ChangeLinesTest)
#include "ChangeLinesTest.moc"
