#include "dialogs/sentences/logic/SentenceLines.h"
#include "entry/EntryStructure.h"

#include <QTest>

using Kind = NewSentence::Kind;
Q_DECLARE_METATYPE(NewSentence::Kind)

class SentenceLinesTest : public QObject
{
    Q_OBJECT

private slots:
    void buildLine_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("beside");
        QTest::addColumn<QStringList>("fields"); // sentence, source or work, author
        QTest::addColumn<bool>("wikipedia");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("line");

        QTest::newRow("plain beside") << Kind::Plain << true << QStringList{" שלום לך "} << false << ""
                                      << "#:* שלום לך";
        QTest::newRow("plain in the section") << Kind::Plain << false << QStringList{"א"} << false << ""
                                              << "* א";
        QTest::newRow("no sentence") << Kind::Plain << true << QStringList{" "} << false << ""
                                     << "";
        QTest::newRow("sources") << Kind::Sources << true << QStringList{"ויהי אור", "בראשית א, ג"} << false << ""
                                 << "#:* {{הדגשה|\"ויהי אור\"|(בראשית א, ג)}}";
        QTest::newRow("sources without a source") << Kind::Sources << true << QStringList{"ויהי אור", ""} << false << ""
                                                  << "";
        QTest::newRow("literature, another site on the clipboard")
            << Kind::Literature << false << QStringList{"משפט", "שם", "סופר"} << false << "https://example.org/x"
            << "* \"משפט\" (\"שם\", סופר)";
        QTest::newRow("literature, a Ben-Yehuda address, the author linked")
            << Kind::Literature << false << QStringList{"משפט", "שם", "סופר"} << true
            << " http://benyehuda.org/a.html\r\n"
            << "* \"משפט\" ([http://benyehuda.org/a.html \"שם\"], [[w:סופר|סופר]])";
        QTest::newRow("literature, the address over https")
            << Kind::Literature << false << QStringList{"משפט", "שם", "סופר"} << false << "https://benyehuda.org/read/1"
            << "* \"משפט\" ([https://benyehuda.org/read/1 \"שם\"], סופר)";
        QTest::newRow("literature without an author")
            << Kind::Literature << false << QStringList{"משפט", "שם", ""} << false << ""
            << "";
    }

    void buildLine()
    {
        QFETCH(Kind, kind);
        QFETCH(bool, beside);
        QFETCH(QStringList, fields);
        QFETCH(bool, wikipedia);
        QFETCH(QString, clipboard);
        QFETCH(QString, line);
        NewSentence s;
        s.kind = kind;
        s.placement = beside ? EntryStructure::BesideDefinition : EntryStructure::SeparateSection;
        s.text = fields.value(0);
        s.source = s.work = fields.value(1);
        s.author = fields.value(2);
        s.wikipediaLink = wikipedia;
        QCOMPARE(Sentences::buildLine(s, clipboard), line);
    }

    void pastedSentence_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("two lines ending in a break") << "שורה א\r\nשורה ב\r\n"
                                                     << "שורה א / שורה ב";
        QTest::newRow("a blank line is one separator") << "א\r\n\r\nב"
                                                       << "א / ב";
        QTest::newRow("LF and a lone CR") << "א\nב\rג"
                                          << "א / ב / ג";
        QTest::newRow("one line") << "א"
                                  << "א";
    }

    void pastedSentence()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, sentence);
        QCOMPARE(Sentences::pastedSentence(clipboard), sentence);
    }

    void authorAddress_data()
    {
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("address");
        QTest::newRow("points dropped, quotation marks escaped") << " חַיִּים \"נחמן\" "
                                                                 << "https://he.wikipedia.org/wiki/חיים %22נחמן%22";
        QTest::newRow("nothing left") << "ַ"
                                      << "";
    }

    void authorAddress()
    {
        QFETCH(QString, author);
        QFETCH(QString, address);
        QCOMPARE(Sentences::authorAddress(author), address);
    }
};

QTEST_GUILESS_MAIN(SentenceLinesTest)
#include "SentenceLinesTest.moc"
