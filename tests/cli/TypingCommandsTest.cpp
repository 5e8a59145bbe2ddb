#include "support/CliRun.h"

#include <QTest>

namespace {
const QString kPlaceholder = QStringLiteral("[[תמונה:PictureFileName.jpg|שמאל|ממוזער|184px|כיתוב תמונה]]");
}

class TypingCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void edits_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("selection");
        QTest::newRow("bold wraps") << QStringList{"bold", "--select", "1", "1"} << "abc"
                                    << "a'''b'''c"
                                    << "8 0";
        QTest::newRow("bold alone") << QStringList{"bold", "--caret", "3"} << "abc"
                                    << "abc'''"
                                    << "6 0";
        QTest::newRow("little opens") << QStringList{"little"} << ""
                                      << "<small>"
                                      << "7 0";
        QTest::newRow("little wraps") << QStringList{"little", "--select", "0", "2"} << "אב"
                                      << "<small>אב</small>"
                                      << "17 0";
        QTest::newRow("math opens") << QStringList{"math", "--caret", "1"} << "x"
                                    << "x<math>"
                                    << "7 0";
        QTest::newRow("nowiki opens") << QStringList{"nowiki"} << ""
                                      << "<nowiki>"
                                      << "8 0";
        QTest::newRow("nowiki wraps") << QStringList{"nowiki", "--select", "0", "5"} << "[[x]]"
                                      << "<nowiki>[[x]]</nowiki>"
                                      << "22 0";
        QTest::newRow("br") << QStringList{"br", "--select", "1", "1"} << "abc"
                            << "a<br/>c"
                            << "6 0";
        QTest::newRow("quote of a whole line") << QStringList{"quote", "--select", "0", "9"} << "שלום עולם\nב"
                                               << "#:* {{הדגשה|\"שלום עולם\"|()}}\r\nב"
                                               << "25 0";
        QTest::newRow("quote of a word") << QStringList{"quote", "--select", "5", "4"} << "שלום עולם"
                                         << "שלום {{הדגשה|\"עולם\"|()}}"
                                         << "21 0";
        QTest::newRow("quote without a selection") << QStringList{"quote", "--caret", "2"} << "שלום"
                                                   << "שלום"
                                                   << "2 0";
        QTest::newRow("comment") << QStringList{"comment"} << ""
                                 << "<!--הערה-->\r\n\r\n"
                                 << "4 0";
        QTest::newRow("image below the caret line") << QStringList{"image", "--caret", "1"} << "א\n\nב"
                                                    << "א\r\n" + kPlaceholder + "\r\nב"
                                                    << "64 0";
        QTest::newRow("image above a definition")
            << QStringList{"image", "--caret", "2", "--clipboard", "Image:Cat.png"} << "# הגדרה"
            << "[[תמונה:Cat.png|שמאל|ממוזער|184px|כיתוב תמונה]]\r\n# הגדרה"
            << "49 0";
        QTest::newRow("image from a clipboard file name")
            << QStringList{"image", "--clipboard", "File:Example.JPG"} << "א"
            << "א\r\n[[תמונה:File:Example.JPG|שמאל|ממוזער|184px|כיתוב תמונה]]"
            << "59 0";
        QTest::newRow("wikipedia link") << QStringList{"wikipedia-link", "--select", "0", "3"} << "abc"
                                        << "[[w:abc|abc]]"
                                        << "13 0";
        QTest::newRow("wikipedia link without a selection") << QStringList{"wikipedia-link"} << "abc"
                                                            << "abc"
                                                            << "0 0";
        QTest::newRow("maqaf") << QStringList{"maqaf", "--select", "2", "1"} << "כל-בו"
                               << "כל־בו"
                               << "3 0";
        QTest::newRow("point itself") << QStringList{"point", "ָ", "--caret", "1"} << "אב"
                                      << "אָב"
                                      << "2 0";
        QTest::newRow("point by code") << QStringList{"point", "U+05B8", "--caret", "1"} << "אב"
                                       << "אָב"
                                       << "2 0";
        QTest::newRow("point by lower-case code") << QStringList{"point", "u+05bc", "--select", "0", "1"} << "אב"
                                                  << "\u05BCב"
                                                  << "1 0";
        QTest::newRow("strip points") << QStringList{"strip-points", "--caret", "3"} << "שָׁלוֹם"
                                      << "שלום"
                                      << "0 0";
        QTest::newRow("root link") << QStringList{"root-link", "--caret", "5"} << "@כתב@"
                                   << "[[:קטגוריה:כתב (שורש)|כ־ת־ב]]"
                                   << "29 0";
        QTest::newRow("root link with its index") << QStringList{"root-link"} << "@ספר א@ @אב@"
                                                  << "[[:קטגוריה:ספר א (שורש)|ס־פ־ר <small>א</small>]] @אב@"
                                                  << "48 0";
        QTest::newRow("root link repeated") << QStringList{"root-link"} << "@כתב@\n@ספר@"
                                            << "[[:קטגוריה:כתב (שורש)|כ־ת־ב]]\r\n[[:קטגוריה:ספר (שורש)|ס־פ־ר]]"
                                            << "29 0";
        QTest::newRow("root of two letters") << QStringList{"root-link", "--caret", "4"} << "@אב@"
                                             << "@אב@"
                                             << "4 0";
        QTest::newRow("root of ten letters") << QStringList{"root-link"} << "@אבגדהוזחטי@"
                                             << "@אבגדהוזחטי@"
                                             << "0 0";
    }

    void edits()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, selection);
        const auto r = CliRun::run<QString>(args << QStringLiteral("--print-selection"), input);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, output);
        QCOMPARE(r.err, QStringLiteral("selection %1\n").arg(selection));
    }

    void badPoints_data()
    {
        QTest::addColumn<QString>("point");
        QTest::newRow("a letter") << "א";
        QTest::newRow("meteg is not a known point") << "U+05BD";
        QTest::newRow("not hexadecimal") << "U+XYZ";
        QTest::newRow("two characters") << "ָָ";
        QTest::newRow("empty code") << "U+";
    }

    void badPoints()
    {
        QFETCH(QString, point);
        const auto r = CliRun::run({QStringLiteral("point"), point}, QStringLiteral("אב"));
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
    }

    void pointNeedsItsArgument() { QCOMPARE(CliRun::run({QStringLiteral("point")}).status, 2); }
};

QTEST_GUILESS_MAIN(TypingCommandsTest)
#include "TypingCommandsTest.moc"
