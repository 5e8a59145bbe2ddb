#include "support/MainWindowFixture.h"
#include "dialogs/sentences/SentencesDialog.h"
#include "entry/EntryStructure.h"
#include "platform/ShellOpen.h"
#include "regex/RegEx.h"
#include "support/TextFixtures.h"
#include "support/WindowTestCase.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

using namespace MainWindowFixture;
using TextFixtures::kShalom;
using TextFixtures::page;

namespace {

const QString Entry = page({kShalom, "# ברכה.", "#:* שלום לך", "#:* שלום שלום", "# היעדר מלחמה.", "#:* שלום עולמי", "",
                            "===מובאות נוספות===", "====1====", "* א", "====2====", "* ב", ""});

QString cell(QTableView *grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

QStringList gridLines(QTableView *grid)
{
    QStringList lines;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        lines << cell(grid, row, 1) + u'|' + cell(grid, row, 2);
    return lines;
}

QPoint cellCentre(QTableView *grid, int row, int column)
{
    return grid->visualRect(grid->model()->index(row, column)).center();
}

} // namespace

class SentencesDialogTest : public WindowTestCase
{
    Q_OBJECT

    std::unique_ptr<SentencesDialog> m_dialog;

    template <typename T> T *field(const char *name) { return child<T>(*m_dialog, QLatin1String(name)); }
    QTableView *grid() { return field<QTableView>("SG"); }
    void setCurrent(int row, int column) { grid()->setCurrentIndex(grid()->model()->index(row, column)); }
    // A picture of the dialog when DALVANA_PICTURES names a folder for it.
    void picture(const QString &name)
    {
        const QString dir = qEnvironmentVariable("DALVANA_PICTURES");
        if (!dir.isEmpty())
            QVERIFY(m_dialog->grab().save(dir + QStringLiteral("/SentencesDialog-%1.png").arg(name)));
    }
    // The placement cell's chooser while it is open.
    QComboBox *chooser()
    {
        for (QComboBox *box : grid()->findChildren<QComboBox *>(QStringLiteral("ComboBox1"))) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

private slots:
    void init()
    {
        WindowTestCase::init();
        m_dialog = std::make_unique<SentencesDialog>();
        RegEx regex;
        m_dialog->showSentences(Sentences::read(regex, EditorState{Entry, 0, 0}));
    }

    void cleanup()
    {
        m_dialog.reset();
        WindowTestCase::cleanup();
    }

    void opensRightToLeftWithBothTables()
    {
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_dialog->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(field<QTableView>("SGDefs")->model()->rowCount(), 2);
        QCOMPARE(gridLines(grid()),
                 (QStringList{"1|#:* שלום לך", "1|#:* שלום שלום", "1|* א", "2|#:* שלום עולמי", "2|* ב"}));
        QCOMPARE(cell(grid(), 4, 0), QStringLiteral("05\u200F"));
    }

    // The placement cell opens its chooser over the cell as soon as it is current; a
    // choice moves the line and the table orders itself again.
    void chooserOpensOnItsCell()
    {
        setCurrent(4, 3);
        QComboBox *placement = chooser();
        QVERIFY(placement && placement->isVisible());
        QCOMPARE(placement->geometry(), grid()->visualRect(grid()->model()->index(4, 3)));
        QCOMPARE(placement->currentText(), EntryStructure::SeparateSection);
        picture(QStringLiteral("chooser"));
        setCurrent(4, 2);
        QTRY_VERIFY(!chooser());

        setCurrent(0, 3);
        placement = chooser();
        QVERIFY(placement);
        placement->setCurrentIndex(1);
        emit placement->activated(1);
        QCOMPARE(gridLines(grid()).mid(0, 3), (QStringList{"1|#:* שלום שלום", "1|* שלום לך", "1|* א"}));
        picture(QStringLiteral("chosen"));
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
        picture(QStringLiteral("before"));
        QTest::mousePress(grid()->viewport(), Qt::LeftButton, {}, cellCentre(grid(), from, 0));
        QTest::mouseRelease(grid()->viewport(), Qt::LeftButton, {}, cellCentre(grid(), to, 1));
        picture(QStringLiteral("dragged-%1").arg(from));
        QCOMPARE(gridLines(grid()), lines);
    }

    void doubleClickOnTheNumberAsksAndRemoves()
    {
        HebrewMessageBox::presetAnswer(QMessageBox::Yes);
        emit grid()->doubleClicked(grid()->model()->index(0, 0));
        QCOMPARE(askedTexts(), QStringList{Sentences::removeQuestion(QStringLiteral("#:* שלום לך"))});
        QCOMPARE(grid()->model()->rowCount(), 4);
        emit grid()->doubleClicked(grid()->model()->index(0, 2));
        QCOMPARE(askedTexts().size(), 1);
    }

    void addingALiteratureSentence()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("https://benyehuda.org/read/7"));
        field<QComboBox>("SType")->setCurrentIndex(2);
        emit field<QComboBox>("SType")->activated(2);
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
