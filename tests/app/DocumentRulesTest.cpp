#include "app/DocumentRules.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace DocumentRules;

class DocumentRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void caption_data();
    void caption();
    void txtExtension_data();
    void txtExtension();
    void recentShift_data();
    void recentShift();
    void recentVisible_data();
    void recentVisible();
    void clipboardEntities_data();
    void clipboardEntities();
    void exitQuestion_data();
    void exitQuestion();
    void unicodeFileExists();
};

void DocumentRulesTest::caption_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("wikiTitle");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no file") << ""
                             << ""
                             << "דלבנה";
    // The name isolated: after the Hebrew title "2024.txt" would read "txt.2024".
    QTest::newRow("folder dropped") << "/home/u/entries/שלום.txt"
                                    << ""
                                    << "דלבנה - \u2066שלום.txt\u2069";
    QTest::newRow("no extension") << "/tmp/a.b/readme"
                                  << ""
                                  << "דלבנה - \u2066readme\u2069";
    QTest::newRow("name starting with a digit") << "/tmp/a.b/2024.txt"
                                                << ""
                                                << "דלבנה - \u20662024.txt\u2069";
    QTest::newRow("wiki page") << ""
                               << "קטגוריה:שלום"
                               << "דלבנה - קטגוריה:שלום";
    QTest::newRow("wiki page kept in a file") << "/tmp/x/שלום.txt"
                                              << "שלום"
                                              << "דלבנה - שלום (\u2066שלום.txt\u2069)";
}

void DocumentRulesTest::caption()
{
    QFETCH(QString, file);
    QFETCH(QString, wikiTitle);
    QFETCH(QString, expected);
    QCOMPARE(DocumentRules::caption(file, wikiTitle), expected);
}

void DocumentRulesTest::txtExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no dot anywhere") << "/home/u/entry"
                                     << "/home/u/entry.txt";
    QTest::newRow("dot only in a folder") << "/home/u.v/entry"
                                          << "/home/u.v/entry";
    QTest::newRow("own extension") << "/tmp/entry.wiki"
                                   << "/tmp/entry.wiki";
    QTest::newRow("Hebrew name") << "/tmp/שלום"
                                 << "/tmp/שלום.txt";
    QTest::newRow("trailing dot") << "/tmp/entry."
                                  << "/tmp/entry.";
}

void DocumentRulesTest::txtExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(withTxtExtension(chosen), written);
}

void DocumentRulesTest::recentShift_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QStringList>("after");
    const QStringList full{"a", "b", "c", "d"};
    QTest::newRow("already newest") << full << "a" << full;
    QTest::newRow("second moves up") << full << "b" << QStringList{"b", "a", "c", "d"};
    QTest::newRow("third moves up") << full << "c" << QStringList{"c", "a", "b", "d"};
    QTest::newRow("oldest moves up") << full << "d" << QStringList{"d", "a", "b", "c"};
    QTest::newRow("fifth drops the oldest") << full << "e" << QStringList{"e", "a", "b", "c"};
    QTest::newRow("empty list") << QStringList{"", "", "", ""} << "a" << QStringList{"a", "", "", ""};
    QTest::newRow("short list read") << QStringList{"a"} << "b" << QStringList{"b", "a", "", ""};
    QTest::newRow("case matters") << full << "A" << QStringList{"A", "a", "b", "c"};
}

void DocumentRulesTest::recentShift()
{
    QFETCH(QStringList, before);
    QFETCH(QString, opened);
    QFETCH(QStringList, after);
    QCOMPARE(shiftRecent(before, opened), after);
}

void DocumentRulesTest::recentVisible_data()
{
    QTest::addColumn<QStringList>("recent");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("shown");
    const QStringList full{"a", "b", "c", "d"};
    QTest::newRow("all exist") << full << full << full;
    QTest::newRow("second vanished hides the rest") << full << QStringList{"a", "c", "d"} << QStringList{"a"};
    QTest::newRow("first vanished") << full << QStringList{"b", "c", "d"} << QStringList{};
    QTest::newRow("empty entries") << QStringList{"a", "", "", ""} << QStringList{"a"} << QStringList{"a"};
}

void DocumentRulesTest::recentVisible()
{
    QFETCH(QStringList, recent);
    QFETCH(QStringList, existing);
    QFETCH(QStringList, shown);
    QCOMPARE(visibleRecent(recent, [&](const QString &p) { return existing.contains(p); }), shown);
}

void DocumentRulesTest::clipboardEntities_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("text");
    QTest::newRow("tags") << "&lt;ref&gt;x&lt;/ref&gt;"
                          << "<ref>x</ref>";
    QTest::newRow("no-break space") << "a&nbsp;b" << QString("a") + QChar(0x00A0) + "b";
    QTest::newRow("ampersand last") << "&amp;lt;"
                                    << "&lt;";
    QTest::newRow("escaped nbsp stays") << "&amp;nbsp;"
                                        << "&nbsp;";
    QTest::newRow("upper case untouched") << "&LT;&Amp;"
                                          << "&LT;&Amp;";
    QTest::newRow("plain ampersand") << "a & b &amp; c"
                                     << "a & b & c";
    QTest::newRow("Hebrew kept") << "{{ת|אנגלית|word}}"
                                 << "{{ת|אנגלית|word}}";
}

void DocumentRulesTest::clipboardEntities()
{
    QFETCH(QString, html);
    QFETCH(QString, text);
    QCOMPARE(unescapeClipboardHtml(html), text);
}

void DocumentRulesTest::exitQuestion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("verbOpen");
    QTest::addColumn<bool>("asks");
    QTest::newRow("empty new document") << ""
                                        << ""
                                        << "" << false << false;
    QTest::newRow("typed into a new document") << "x"
                                               << ""
                                               << "" << false << true;
    QTest::newRow("saved file") << "x"
                                << "x"
                                << "/f.txt" << false << false;
    QTest::newRow("edited file") << "xy"
                                 << "x"
                                 << "/f.txt" << false << true;
    QTest::newRow("edit undone by hand") << "x"
                                         << "x"
                                         << "/f.txt" << false << false;
    QTest::newRow("verb dialog after a save") << "x"
                                              << "x"
                                              << "/f.txt" << true << true;
    QTest::newRow("verb dialog, empty document") << ""
                                                 << ""
                                                 << "" << true << true;
    QTest::newRow("saved copy without file") << "x"
                                             << "x"
                                             << "" << false << true;
    QTest::newRow("case differs") << "A"
                                  << "a"
                                  << "/f.txt" << false << true;
}

void DocumentRulesTest::exitQuestion()
{
    QFETCH(QString, text);
    QFETCH(QString, saved);
    QFETCH(QString, file);
    QFETCH(bool, verbOpen);
    QFETCH(bool, asks);
    QCOMPARE(exitNeedsQuestion(text, saved, file, verbOpen), asks);
}

void DocumentRulesTest::unicodeFileExists()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ערך חדש.txt"));
    QVERIFY(!fileExists(path));
    QVERIFY(TestFiles::writeBytes(path, QByteArray()));
    QVERIFY(fileExists(path));
    QVERIFY(!fileExists(dir.path())); // a folder is no document
    QVERIFY(!fileExists(QString()));
}

QTEST_MAIN(DocumentRulesTest)
#include "DocumentRulesTest.moc"
