#include "dialogs/guide/logic/EntryGuide.h"

#include <QTest>

class EntryGuideTest : public QObject
{
    Q_OBJECT

private slots:
    // The sections in the order of the edit box, each guideline opening as given.
    void sectionsInOrder()
    {
        const QStringList names{"ניתוח דקדוקי",  "תמונות",  "הגדרות",           "משפטים מדגימים", "מקור",
                                "פרשנים מפרשים", "צירופים", "מילים נרדפות",     "ניגודים",        "תרגום",
                                "הידעת?\u200F",  "ראו גם",  "קישורים חיצוניים", "קטגוריה"};
        const QList<int> importance{1, 2, 1, 1, 2, 3, 2, 2, 2, 1, 3, 2, 3, 1};
        const QList<EntryGuide::Section> &sections = EntryGuide::sections();
        QCOMPARE(sections.size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(sections.at(i).name, names.at(i));
            QCOMPARE(int(sections.at(i).importance), importance.at(i));
            QVERIFY(sections.at(i).guideline.count(u'\n') >= 1);
        }
        QVERIFY(sections.at(0).guideline.startsWith("הניתוח הדקדוקי איננו מנציח טעויות לשוניות!\n"));
        QVERIFY(sections.at(13).guideline.startsWith("\"דף יתום\" הוא דף שאינו משויך לאף קטגוריה.\n"));
    }

    void guidelineFor_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("a section") << "תרגום" << true;
        QTest::newRow("with its right-to-left mark") << "הידעת?\u200F" << true;
        QTest::newRow("without it") << "הידעת?" << false;
        QTest::newRow("nothing") << "" << false;
    }

    void guidelineFor()
    {
        QFETCH(QString, name);
        QFETCH(bool, found);
        QCOMPARE(!EntryGuide::guidelineFor(name).isEmpty(), found);
    }
};

QTEST_GUILESS_MAIN(EntryGuideTest)
#include "EntryGuideTest.moc"
