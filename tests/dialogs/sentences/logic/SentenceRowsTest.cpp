#include "dialogs/sentences/logic/SentenceRows.h"
#include "entry/EntryStructure.h"

#include <QTest>

namespace {

const QString Beside = EntryStructure::BesideDefinition;
const QString Section = EntryStructure::SeparateSection;

// Rows written "number|line|placement"; row numbers follow the positions.
QList<ExampleRow> rows(const QStringList &rowTexts)
{
    QList<ExampleRow> list;
    for (const QString &rowText : rowTexts) {
        const QStringList f = rowText.split(u'|');
        list.append({Sentences::rowNumber(int(list.size()) + 1), f.at(0), f.at(1), f.value(2, Beside)});
    }
    return list;
}

QStringList lines(const QList<ExampleRow> &list)
{
    QStringList out;
    for (const ExampleRow &r : list)
        out << r.rowNumber + u'|' + r.number + u'|' + r.line;
    return out;
}

} // namespace

class SentenceRowsTest : public QObject
{
    Q_OBJECT

private slots:
    void sort_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("by number, then placement, equals keep their order")
            << QStringList{"2|b1", "1|s|" + Section, "1|a1", "2|b2", "1|a2"}
            << QStringList{"01|1|a1", "02|1|a2", "03|1|s", "04|2|b1", "05|2|b2"};
        QTest::newRow("numbers compare as numbers, other text after them")
            << QStringList{"x|t", "10|j", "2|b", "0|z"} << QStringList{"01|0|z", "02|2|b", "03|10|j", "04|x|t"};
    }

    void sort()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QList<ExampleRow> list = rows(before);
        Sentences::sort(list);
        QCOMPARE(lines(list), after);
    }

    // A hundred rows and more keep their order: "100" is not taken for less than "99".
    void moreThanNinetyNineRows()
    {
        QStringList texts;
        for (int i = 1; i <= 120; ++i)
            texts << QStringLiteral("1|s%1").arg(i);
        QList<ExampleRow> list = rows(texts);
        Sentences::moveRow(list, 119, 98);
        QCOMPARE(list.at(98).line, QStringLiteral("s120"));
        QCOMPARE(list.at(99).rowNumber, QStringLiteral("100"));
        QCOMPARE(list.at(119).line, QStringLiteral("s119"));
    }

    void moveRow_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("among its own definition") << 2 << 1 << QStringList{"01|1|a", "02|2|c", "03|2|b", "04|2|d"};
        QTest::newRow("above another definition: back at the head of its own")
            << 3 << 0 << QStringList{"01|1|a", "02|2|d", "03|2|b", "04|2|c"};
        QTest::newRow("last to last") << 3 << 3 << QStringList{"01|1|a", "02|2|b", "03|2|c", "04|2|d"};
    }

    void moveRow()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, after);
        QList<ExampleRow> list = rows({"1|a", "2|b", "2|c", "2|d"});
        Sentences::moveRow(list, from, to);
        QCOMPARE(lines(list), after);
    }

    void removeRow_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("the only row") << QStringList{"1|a"} << 0 << QStringList{};
        QTest::newRow("first of two: the other keeps its number")
            << QStringList{"1|a", "1|b"} << 0 << QStringList{"02|1|b"};
        QTest::newRow("middle of three") << QStringList{"1|a", "1|b", "1|c"} << 1 << QStringList{"01|1|a", "02|1|c"};
        QTest::newRow("past the end") << QStringList{"1|a"} << 1 << QStringList{"01|1|a"};
    }

    void removeRow()
    {
        QFETCH(QStringList, before);
        QFETCH(int, row);
        QFETCH(QStringList, after);
        QList<ExampleRow> list = rows(before);
        Sentences::removeRow(list, row);
        QCOMPARE(lines(list), after);
    }

    void replaceRow_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("placement");
        QTest::addColumn<QString>("after");
        QTest::newRow("into the section") << "#:* משפט" << Section << "* משפט";
        QTest::newRow("back beside the definition") << "* משפט" << Beside << "#:* משפט";
        QTest::newRow("only the first marker") << "#:* a * b" << Section << "* a * b";
        QTest::newRow("no marker") << "{{x}}" << Beside << "{{x}}";
    }

    void replaceRow()
    {
        QFETCH(QString, line);
        QFETCH(QString, placement);
        QFETCH(QString, after);
        QList<ExampleRow> list = rows({"1|" + line});
        Sentences::replaceRow(list, 0, placement);
        QCOMPARE(list.at(0).line, after);
        QCOMPARE(list.at(0).placement, placement);
    }

    void removeQuestion()
    {
        QCOMPARE(Sentences::removeQuestion(QStringLiteral("#:* שלום *לך ")),
                 QStringLiteral("האם ברצונך למחוק את המשפט שלהלן?\u200F\r\n\r\nשלום *לך\u200F"));
    }

    void normalisedNumber_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("definitions");
        QTest::addColumn<QString>("result");
        QTest::newRow("in range") << "2" << 2 << "2";
        QTest::newRow("leading zero") << "02" << 2 << "2";
        QTest::newRow("zero: above the first definition") << "00" << 2 << "0";
        QTest::newRow("past the last") << "3" << 2 << "1";
        QTest::newRow("not a number") << "ב" << 2 << "1";
        QTest::newRow("Arabic-Indic digits are not ours") << "\u0662" << 2 << "1";
        QTest::newRow("no definitions: kept") << "0" << 0 << "0";
    }

    void normalisedNumber()
    {
        QFETCH(QString, number);
        QFETCH(int, definitions);
        QFETCH(QString, result);
        QCOMPARE(Sentences::normalisedNumber(number, definitions), result);
    }
};

QTEST_GUILESS_MAIN(SentenceRowsTest)
#include "SentenceRowsTest.moc"
