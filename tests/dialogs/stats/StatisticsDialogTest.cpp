#include "dialogs/stats/StatisticsDialog.h"

#include "regex/RegEx.h"
#include "support/TextFixtures.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

const QStringList kNames = {"Chars",          "Lines",     "Articles", "Sections",     "InnerLinks", "OuterLinks",
                            "WikipediaLinks", "Templates", "Quotes",   "Translations", "Categories"};

QLabel *valueLabel(const StatisticsDialog &dialog, const QString &name)
{
    return dialog.findChild<QLabel *>(name, Qt::FindDirectChildrenOnly);
}

QStringList values(const StatisticsDialog &dialog)
{
    QStringList v;
    for (const QString &name : kNames)
        v << valueLabel(dialog, name)->text();
    return v;
}

} // namespace

class StatisticsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setLayoutDirection(Qt::RightToLeft); }

    void labels()
    {
        RegEx regEx;
        StatisticsDialog dialog(regEx);
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(dialog.windowFlags() & Qt::Tool, Qt::Tool);
        QCOMPARE(dialog.layoutDirection(), Qt::RightToLeft);
        for (const QString &name : kNames) {
            QLabel *value = valueLabel(dialog, name);
            QVERIFY2(value, qPrintable(name));
            QCOMPARE(value->text(), QStringLiteral("0"));
            QCOMPARE(value->layoutDirection(), Qt::LeftToRight);
        }
    }

    void countedOnEveryShow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty") << "" << QStringList{"0", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
        QTest::newRow("a small page") << "==סֵפֶר==\r\n{{ת|אנגלית|book}}\r\n[[קטגוריה:ספרות]]"
                                      << QStringList{"47", "3", "1", "0", "1", "0", "0", "1", "0", "1", "1"};
    }

    void countedOnEveryShow()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        RegEx regEx;
        StatisticsDialog dialog(regEx);
        dialog.showFigures(QStringLiteral("שונה\r\n[[ישן]]"));
        QCOMPARE(valueLabel(dialog, QStringLiteral("InnerLinks"))->text(), QStringLiteral("1"));
        // Not refreshed while open; the next show counts the new text.
        dialog.showFigures(text);
        QCOMPARE(valueLabel(dialog, QStringLiteral("InnerLinks"))->text(), QStringLiteral("1"));
        dialog.hide();
        dialog.showFigures(text);
        QCOMPARE(values(dialog), expected);
    }

    void runawayCountIsSaid()
    {
        const QString line = TextFixtures::runawayHeadingLine();
        RegEx regEx;
        StatisticsDialog dialog(regEx);
        dialog.showFigures(line);
        auto *failure = dialog.findChild<QLabel *>(QStringLiteral("Failure"));
        QVERIFY(failure->isVisible());
        QVERIFY(!failure->text().isEmpty());
        const QString dir = qEnvironmentVariable("DALVANA_PICTURES");
        if (!dir.isEmpty())
            QVERIFY(dialog.grab().save(dir + QStringLiteral("/StatisticsDialog-cut-short.png")));
    }

    void picture()
    {
        RegEx regEx;
        StatisticsDialog dialog(regEx);
        dialog.showFigures(QStringLiteral("==סֵפֶר==\r\n# [[כתב]] {{ת|אנגלית|book}}\r\n[[קטגוריה:ספרות]]"));
        const QImage image = dialog.grab().toImage();
        QVERIFY(image.height() > 200);
        const QString dir = qEnvironmentVariable("DALVANA_PICTURES");
        if (!dir.isEmpty())
            QVERIFY(image.save(dir + QStringLiteral("/StatisticsDialog.png")));
    }
};

QTEST_MAIN(StatisticsDialogTest)
#include "StatisticsDialogTest.moc"
