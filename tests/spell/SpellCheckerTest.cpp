#include "spell/PersonalWords.h"
#include "spell/SpellChecker.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A dictionary of a few words in their full spelling, counting its lookups.
class WordList : public SpellDictionary
{
public:
    bool spell(const QString &word) override
    {
        ++lookups;
        return words.contains(word);
    }
    QStringList suggest(const QString &word) override { return {word + QStringLiteral("!")}; }

    QSet<QString> words{"שולחן", "ספר", "שלום", "צה\"ל", "וכו'", "עולם", "מילה"};
    int lookups = 0;
};

QString misspelt(SpellChecker &checker, const QString &text)
{
    QStringList out;
    for (const SpellChecker::Misspelling &m : checker.check(text))
        out << QStringLiteral("%1 %2 %3").arg(m.start).arg(m.length).arg(m.word);
    return out.join(u'/');
}

} // namespace

class SpellCheckerTest : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("misspelt");
        QTest::newRow("pointed word without its vav") << "שֻׁלְחָן"
                                                      << "";
        QTest::newRow("unpointed word without its vav") << "שלחן"
                                                        << "0 4 שלחן";
        QTest::newRow("cantillation") << "סֵ֫פֶר ספרר"
                                      << "7 4 ספרר";
        QTest::newRow("geresh as a closing quote") << "'מילה' וכו'"
                                                   << "";
        QTest::newRow("numeral") << "תשפ\"ד"
                                 << "";
        QTest::newRow("word in a template name and a value") << "{{שגיאה|שגיאה}}"
                                                             << "8 5 שגיאה";
        QTest::newRow("positions count CR LF as two, first and last word") << "טעות\r\nשלום\r\nטעותת"
                                                                           << "0 4 טעות/12 5 טעותת";
        QTest::newRow("hidden note across lines") << "שלום <!-- טעות\r\nטעות --> עולם\r\nטעות"
                                                  << "31 4 טעות";
        QTest::newRow("lone CR within a line") << "שלום\rטעות"
                                               << "5 4 טעות";
        QTest::newRow("empty text") << ""
                                    << "";
    }

    void check()
    {
        QFETCH(QString, text);
        QFETCH(QString, misspelt);
        SpellChecker checker(std::make_shared<WordList>());
        QCOMPARE(::misspelt(checker, text), misspelt);
    }

    void personalWords()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/words.txt"));
        QVERIFY(PersonalWords::add(path, QStringLiteral("דַּלְבָּנָה")));
        QVERIFY(PersonalWords::add(path, QStringLiteral("אבג")));
        QVERIFY(PersonalWords::add(path, QStringLiteral("דלבנה")));
        QCOMPARE(PersonalWords::load(path), (QStringList{"אבג", "דלבנה"}));

        SpellChecker checker(std::make_shared<WordList>());
        QVERIFY(!checker.isCorrect(u"דלבנה"));
        checker.setPersonalWords(PersonalWords::load(path));
        QVERIFY(checker.isCorrect(u"דַּלְבָּנָה"));
        checker.addPersonalWord(QStringLiteral("זזז"));
        QVERIFY(checker.isCorrect(u"זזז"));
    }

    // A page repeats its words: each is looked up once.
    void repeatedWordLookedUpOnce()
    {
        auto words = std::make_shared<WordList>();
        SpellChecker checker(words);
        checker.check(QStringLiteral("שלום שלום שלום טעות טעות"));
        QCOMPARE(words->lookups, 1 + 1);
    }

    void withoutDictionaryNothingIsWrong()
    {
        SpellChecker checker;
        QVERIFY(checker.check(QStringLiteral("טעות")).isEmpty());
        QVERIFY(checker.suggestions(u"טעות").isEmpty());
    }

    // The dictionary is asked for the plain form; its answer gets the word's points back.
    void suggestionsAreForThePlainForm()
    {
        SpellChecker checker(std::make_shared<WordList>());
        QCOMPARE(checker.suggestions(u"שָׁלֹם"), QStringList{"שָׁלֹם!"});
    }
};

QTEST_GUILESS_MAIN(SpellCheckerTest)
#include "SpellCheckerTest.moc"
