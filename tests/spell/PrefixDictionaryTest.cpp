#include "spell/PrefixDictionary.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The shape of the Hebrew affix file: prefixes with conditions on the stem's first
// letters, one that replaces a letter, stems that never stand alone, a word break
// at the start; the word list sorted but for its last entries.
const char *Affixes
    = "SET UTF-8\n"
      "TRY אבו\n"
      "WORDCHARS אבגדהוזחטיכלמנסעפצקרשתםןךףץ'\"\n"
      "BREAK 1\n"
      "BREAK ^\"\n"
      "MAP 1\n"
      "MAP ךכ # final and plain\n"
      "NEEDAFFIX j\n"
      "PFX a N 5\n"
      "PFX a 0 ב [^ו]\n"
      "PFX a 0 ב וו\n"
      "PFX a 0 בו ו[^ו]\n"
      "PFX a 0 ו .\n"
      "PFX a 0 וב [^ו]\n"
      "PFX b N 1\n"
      "PFX b א ה א\n";
const char *Words
    = "6\n"
      "וויכוח/a\n"
      "ילד/aj\n"
      "ספר/a\n"
      "אבן/b\n"
      "ב\n"
      "כלב\n";

QString write(const QTemporaryDir &dir, const char *name, const QByteArray &text)
{
    QFile f(dir.filePath(QString::fromLatin1(name)));
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
    return f.fileName();
}

} // namespace

class PrefixDictionaryTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<PrefixDictionary> m_words;

private slots:
    void initTestCase()
    {
        QString reason;
        m_words = PrefixDictionary::load(write(m_dir, "he.aff", Affixes), write(m_dir, "he.dic", Words), &reason);
        QVERIFY2(m_words, qPrintable(reason));
    }

    void spell_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("right");
        QTest::newRow("listed") << "ספר" << true;
        QTest::newRow("with a prefix") << "בספר" << true;
        QTest::newRow("two-letter prefix") << "ובספר" << true;
        QTest::newRow("prefix whose condition fails") << "בוספר" << false;
        QTest::newRow("prefix before a doubled vav") << "בוויכוח" << true;
        QTest::newRow("no rule for one vav") << "בויכוח" << false;
        QTest::newRow("stem that needs a prefix, alone") << "ילד" << false;
        QTest::newRow("stem that needs a prefix, with one") << "בילד" << true;
        QTest::newRow("letter replaced by the prefix") << "הבן" << true;
        QTest::newRow("replacing prefix on a stem without the letter") << "האבן" << false;
        QTest::newRow("entry out of order at the end") << "ב" << true;
        QTest::newRow("late entry whose place is in the middle") << "כלב" << true;
        QTest::newRow("prefix and nothing after it") << "וב" << false;
        QTest::newRow("word break at the start") << "\"ספר" << true;
        QTest::newRow("no word break at the end") << "ספר\"" << false;
        QTest::newRow("not listed") << "ספרים" << false;
        QTest::newRow("empty") << "" << false;
    }

    void spell()
    {
        QFETCH(QString, word);
        QFETCH(bool, right);
        QCOMPARE(m_words->spell(word), right);
    }

    // Suggestions come from the suggester, made once, when first asked.
    void suggestionsFromTheSuggester()
    {
        class Echo : public SpellDictionary
        {
        public:
            bool spell(const QString &) override { return true; }
            QStringList suggest(const QString &word) override { return {word}; }
        };
        int made = 0;
        m_words->setSuggester([&made] {
            ++made;
            return std::make_unique<Echo>();
        });
        QCOMPARE(made, 0);
        QCOMPARE(m_words->suggest(QStringLiteral("ספרר")), QStringList{"ספרר"});
        m_words->suggest(QStringLiteral("ספרר"));
        QCOMPARE(made, 1);
    }

    // What it cannot model leaves the dictionary to Hunspell.
    void refusesWhatItCannotModel_data()
    {
        QTest::addColumn<QByteArray>("affixes");
        QTest::newRow("suffixes") << QByteArray("SET UTF-8\nSFX a N 1\nSFX a 0 ים .\n");
        QTest::newRow("forbidden words") << QByteArray("SET UTF-8\nFORBIDDENWORD !\n");
        QTest::newRow("a break inside words") << QByteArray("SET UTF-8\nBREAK 1\nBREAK -\n");
        QTest::newRow("not UTF-8") << QByteArray("SET ISO8859-8\n");
    }

    void refusesWhatItCannotModel()
    {
        QFETCH(QByteArray, affixes);
        QString reason;
        QVERIFY(!PrefixDictionary::load(write(m_dir, "x.aff", affixes), write(m_dir, "x.dic", Words), &reason));
        QVERIFY(!reason.isEmpty());
    }
};

QTEST_GUILESS_MAIN(PrefixDictionaryTest)
#include "PrefixDictionaryTest.moc"
