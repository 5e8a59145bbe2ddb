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

    void pathsInMessages_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("shown");
        const QString lri(QChar(0x2066)), pdi(QChar(0x2069)), rlm(QChar(0x200F));
        QTest::newRow("longest path at the same place")
            << "/a/b\nהקובץ /a נכתב." << QStringList{"/a", "/a/b"}
            << rlm + lri + "/a/b" + pdi + "\nהקובץ " + lri + "/a" + pdi + " נכתב.";
        QTest::newRow("path inside a Hebrew line") << "לא ניתן לפתוח את /x: Permission denied" << QStringList{"/x"}
                                                   << "לא ניתן לפתוח את " + lri + "/x" + pdi + ": Permission denied";
        QTest::newRow("lone CR LF lines and an English line")
            << "/x\r\n\r\nNo such file" << QStringList{"/x"} << rlm + lri + "/x" + pdi + "\r\n\r\nNo such file";
        QTest::newRow("path last, line break at the end")
            << "נשמר:\n/x\n"
            << QStringList{"/x"} << "נשמר:\n" + rlm + lri + "/x" + pdi + "\n";
    }

    // A line that is only a path still starts at the right of a Hebrew message.
    void pathsInMessages()
    {
        QFETCH(QString, message);
        QFETCH(QStringList, paths);
        QFETCH(QString, shown);
        QCOMPARE(HebrewUi::rightToLeftLines(HebrewUi::isolatePaths(message, paths)), shown);
    }

    // Paths and file names run left to right inside the right-to-left dialog.
    void fileDialogShowsPathsLeftToRight()
    {
        HebrewUi::install(*qApp);
        QFileDialog dialog;
        HebrewUi::setUpFileDialog(dialog);
        QCOMPARE(dialog.layoutDirection(), Qt::RightToLeft);
        for (const char *name : {"lookInCombo", "fileNameEdit", "fileTypeCombo", "treeView"})
            QCOMPARE(dialog.findChild<QWidget *>(QLatin1String(name))->layoutDirection(), Qt::LeftToRight);
    }
};

QTEST_MAIN(HebrewUiTest)
#include "HebrewUiTest.moc"
