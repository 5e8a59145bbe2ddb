#include "gui/HebrewUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTest>

// Qt's own texts come in Hebrew once the program's look is installed.
class HebrewUiTest : public QObject
{
    Q_OBJECT

private slots:
    void qtTextsInHebrew_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("english");
        QTest::newRow("file dialog") << "QFileDialog"
                                     << "Look in:";
        QTest::newRow("context menu") << "QWidgetTextControl"
                                      << "&Undo";
        QTest::newRow("line edit menu") << "QLineEdit"
                                        << "Select All";
    }

    void qtTextsInHebrew()
    {
        QFETCH(QString, context);
        QFETCH(QString, english);
        static const bool installed = HebrewUi::install(*qApp);
        QVERIFY(installed);
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
        const QString translated = QCoreApplication::translate(qPrintable(context), qPrintable(english));
        QVERIFY2(translated != english, qPrintable(translated));
        QVERIFY(translated.contains(QRegularExpression(QStringLiteral("[\u05D0-\u05EA]"))));
    }

    // Paths and file names run left to right inside the right-to-left dialog.
    void fileDialogShowsPathsLeftToRight()
    {
        HebrewUi::install(*qApp);
        QFileDialog dialog;
        HebrewUi::setUpFileDialog(dialog);
        QCOMPARE(dialog.layoutDirection(), Qt::RightToLeft);
        for (const char *name : {"lookInCombo", "fileNameEdit", "treeView"})
            QCOMPARE(dialog.findChild<QWidget *>(QLatin1String(name))->layoutDirection(), Qt::LeftToRight);
    }
};

QTEST_MAIN(HebrewUiTest)
#include "HebrewUiTest.moc"
