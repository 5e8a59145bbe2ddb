#include "support/MainWindowFixture.h"
#include "dialogs/sentences/SentencesDialog.h"
#include "platform/ShellOpen.h"
#include "regex/RegEx.h"
#include "support/TextFixtures.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

using namespace MainWindowFixture;
using TextFixtures::kShalom;
using TextFixtures::page;

namespace {

const QString Entry = page({kShalom, "# ברכה.", "#:* שלום לך", "#:* שלום שלום", "# היעדר מלחמה.", "#:* שלום עולמי", "",
                            "===מובאות נוספות===", "====1====", "* א", "====2====", "* ב", ""});

QStringList gridLines(QTableWidget *grid)
{
    QStringList lines;
    for (int row = 0; row < grid->rowCount(); ++row)
        lines << grid->item(row, 1)->text() + u'|' + grid->item(row, 2)->text();
    return lines;
}

QPoint cellCentre(QTableWidget *grid, int row, int column)
{
    return grid->visualRect(grid->model()->index(row, column)).center();
}

} // namespace

class SentencesDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SentencesDialog> m_dialog;

    QTableWidget *grid() { return m_dialog->sentencesGrid(); }
    template <typename T> T *field(const char *name) { return child<T>(*m_dialog, QLatin1String(name)); }

private slots:
    void initTestCase() { startDialogTestCase(); }

    void init()
    {
        m_dialog = std::make_unique<SentencesDialog>();
        RegEx regex;
        m_dialog->showSentences(Sentences::read(regex, EditorState{Entry, 0, 0}));
        HebrewMessageBox::clearAsked();
    }

    void cleanup() { m_dialog.reset(); }

    void opensRightToLeftWithBothTables()
    {
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_dialog->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("הוספת משפטים מדגימים ומובאות נוספות"));
        QCOMPARE(m_dialog->definitionsGrid()->rowCount(), 2);
        QCOMPARE(gridLines(grid()),
                 (QStringList{"1|#:* שלום לך", "1|#:* שלום שלום", "1|* א", "2|#:* שלום עולמי", "2|* ב"}));
        QCOMPARE(grid()->item(4, 0)->text(), QStringLiteral("05\u200F"));
    }

    // The chooser covers the current placement cell, and follows it when the grid scrolls.
    void chooserSitsOverItsCell()
    {
        m_dialog->resize(m_dialog->width(), 300);
        QComboBox *chooser = m_dialog->placementChooser();
        grid()->setCurrentCell(4, 3);
        QVERIFY(chooser->isVisible());
        QCOMPARE(chooser->geometry(), grid()->visualRect(grid()->model()->index(4, 3)));
        QCOMPARE(chooser->currentText(), EntryStructure::SeparateSection);
        grid()->verticalScrollBar()->setValue(grid()->verticalScrollBar()->maximum());
        QCOMPARE(chooser->isVisible(), grid()->viewport()->rect().intersects(chooser->geometry()));
        grid()->setCurrentCell(4, 2);
        QVERIFY(!chooser->isVisible());

        grid()->setCurrentCell(0, 3);
        chooser->setCurrentIndex(1);
        emit chooser->activated(1);
        QCOMPARE(gridLines(grid()).mid(0, 3), (QStringList{"1|#:* שלום שלום", "1|* שלום לך", "1|* א"}));
    }

    void dragByTheNumberStaysWithItsDefinition_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("second above first")
            << 1 << 0 << QStringList{"1|#:* שלום שלום", "1|#:* שלום לך", "1|* א", "2|#:* שלום עולמי", "2|* ב"};
        QTest::newRow("definition 2 to the top: back among its own")
            << 3 << 0 << QStringList{"1|#:* שלום לך", "1|#:* שלום שלום", "1|* א", "2|#:* שלום עולמי", "2|* ב"};
    }

    void dragByTheNumberStaysWithItsDefinition()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, lines);
        QTest::mousePress(grid()->viewport(), Qt::LeftButton, {}, cellCentre(grid(), from, 0));
        QTest::mouseRelease(grid()->viewport(), Qt::LeftButton, {}, cellCentre(grid(), to, 1));
        QCOMPARE(gridLines(grid()), lines);
    }

    void doubleClickOnTheNumberAsksAndRemoves()
    {
        HebrewMessageBox::presetAnswer(QMessageBox::Yes);
        emit grid()->cellDoubleClicked(0, 0);
        QCOMPARE(askedTexts(), QStringList{Sentences::removeQuestion(QStringLiteral("#:* שלום לך"))});
        QCOMPARE(grid()->rowCount(), 4);
        emit grid()->cellDoubleClicked(0, 2);
        QCOMPARE(askedTexts().size(), 1);
    }

    void addingALiteratureSentence()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("https://benyehuda.org/read/7"));
        field<QComboBox>("SType")->setCurrentIndex(2);
        m_dialog->updateKindFields();
        QVERIFY(field<QLineEdit>("SWriter")->isVisibleTo(m_dialog.get()));
        QVERIFY(!field<QLineEdit>("SSource")->isVisibleTo(m_dialog.get()));
        field<QComboBox>("SPos")->setCurrentIndex(1);
        field<QLineEdit>("SText")->setText(QStringLiteral("משפט"));
        field<QLineEdit>("SStory")->setText(QStringLiteral("שם"));
        field<QLineEdit>("SWriter")->setText(QStringLiteral("סופר"));
        QTest::mouseClick(field<QPushButton>("SAdd"), Qt::LeftButton);
        QCOMPARE(field<QLineEdit>("SDef")->text(), QStringLiteral("1"));
        QVERIFY(field<QLineEdit>("SText")->text().isEmpty());
        QCOMPARE(gridLines(grid()).at(3), QStringLiteral("1|* \"משפט\" ([https://benyehuda.org/read/7 \"שם\"], סופר)"));
    }

    void keysOfTheFields()
    {
        QLineEdit *text = field<QLineEdit>("SText");
        QGuiApplication::clipboard()->setText(QStringLiteral("שורה א\nשורה ב\n"));
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(text, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(text->text(), QStringLiteral("שורה א / שורה ב־"));
    }

    void rightClickLooksTheAuthorUp()
    {
        ShellOpenRecorder recorder;
        field<QLineEdit>("SWriter")->setText(QStringLiteral("בִּיאָלִיק"));
        QCheckBox *box = field<QCheckBox>("SWikipedia");
        QTest::mouseClick(box, Qt::RightButton);
        QCOMPARE(recorder.targets(), QStringList{"https://he.wikipedia.org/wiki/ביאליק"});
        QVERIFY(!box->isChecked());
    }
};

QTEST_MAIN(SentencesDialogTest)
#include "SentencesDialogTest.moc"
