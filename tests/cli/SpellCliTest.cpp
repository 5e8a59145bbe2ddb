#include "support/CliRun.h"
#include "spell/PersonalWords.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

// The checker's rules are tested with a word list of their own; here the command
// runs with the system's Hebrew dictionary.
class SpellCliTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(PersonalWords::path());
    }

    void spell_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("printed");
        QTest::newRow("nothing misspelt: one empty line") << "==שָׁלוֹם==\n# ספר טוב"
                                                          << "\n";
        QTest::newRow("pointed and unpointed, inside and outside a template")
            << "שֻׁלְחָן כתבבת\n{{הדגשה|ספרקק}} {{שגיאהה}}"
            << "9 5 כתבבת\n24 5 ספרקק\n";
    }

    void spell()
    {
        QFETCH(QString, input);
        QFETCH(QString, printed);
        const auto r = CliRun::run<QString>({QStringLiteral("spell")}, input);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, printed);
    }

    // The words the editor's context menu added count here too.
    void personalWordsCount()
    {
        const QString text = QStringLiteral("דלבנה");
        QFile::remove(PersonalWords::path()); // a word list left by an earlier run
        QCOMPARE(CliRun::run<QString>({QStringLiteral("spell")}, text).out, QStringLiteral("0 5 דלבנה\n"));
        QVERIFY(PersonalWords::add(PersonalWords::path(), text));
        QCOMPARE(CliRun::run<QString>({QStringLiteral("spell")}, text).out, QStringLiteral("\n"));
    }
};

QTEST_GUILESS_MAIN(SpellCliTest)
#include "SpellCliTest.moc"
