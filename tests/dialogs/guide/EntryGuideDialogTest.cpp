#include "support/MainWindowFixture.h"
#include "dialogs/guide/EntryGuideDialog.h"
#include "dialogs/guide/logic/EntryGuide.h"
#include "support/WindowTestCase.h"

#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

using namespace MainWindowFixture;

class EntryGuideDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // A click on a section shows its guideline; a click on the background the prompt.
    void sectionAndBackground()
    {
        EntryGuideDialog dialog;
        dialog.showGuide();
        auto *tree = child<QTreeWidget>(dialog, QStringLiteral("Structure"));
        auto *explain = child<QTextEdit>(dialog, QStringLiteral("Explain"));
        QCOMPARE(tree->topLevelItemCount(), 14);
        QVERIFY(!explain->isEnabled());
        QTreeWidgetItem *translation = tree->topLevelItem(9);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(translation).center());
        QVERIFY(explain->isEnabled());
        QCOMPARE(explain->toPlainText(), EntryGuide::guidelineFor(QStringLiteral("תרגום")));
        // The intro and the legend are no empty area: the explanation stays.
        for (const char *name : {"TntLabel1", "TntLabel3", "TntImage2", "TntLabel7"}) {
            auto *label = child<QLabel>(dialog, QString::fromLatin1(name));
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
            QVERIFY2(explain->isEnabled(), name);
        }
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!explain->isEnabled());
        QCOMPARE(explain->toPlainText(), EntryGuide::Prompt);
        QCOMPARE(explain->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
};

QTEST_MAIN(EntryGuideDialogTest)
#include "EntryGuideDialogTest.moc"
