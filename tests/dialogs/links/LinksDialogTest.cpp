#include "support/MainWindowFixture.h"
#include "dialogs/links/LinksDialog.h"
#include "gui/ClickableLabel.h"
#include "platform/ShellOpen.h"
#include "support/WindowTestCase.h"

#include <QTest>

using namespace MainWindowFixture;

class LinksDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // Every link opens its own site; the two headings are no links.
    void links()
    {
        LinksDialog dialog;
        dialog.showLinks();
        QCOMPARE(dialog.size(), QSize(200, 230));
        const QList<ClickableLabel *> labels = dialog.findChildren<ClickableLabel *>();
        QCOMPARE(labels.size(), 7);
        ShellOpenRecorder recorder;
        QStringList expected;
        for (ClickableLabel *label : labels) {
            QTest::mouseClick(label, Qt::LeftButton);
            expected << LinksDialog::addressOf(label->objectName());
        }
        QCOMPARE(recorder.targets(), expected);
        QCOMPARE(QSet<QString>(expected.begin(), expected.end()).size(), 7);
        QVERIFY(LinksDialog::addressOf(QStringLiteral("Academy_All")).isEmpty());
        QVERIFY(!qobject_cast<ClickableLabel *>(child<QLabel>(dialog, QStringLiteral("Tools"))));
    }
};

QTEST_MAIN(LinksDialogTest)
#include "LinksDialogTest.moc"
