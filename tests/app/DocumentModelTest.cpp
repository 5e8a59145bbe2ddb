#include "app/DocumentModel.h"

#include <QSignalSpy>
#include <QTest>

// The window follows the model through its signals, so each change is told once
// and a repeated value is not told again.
class DocumentModelTest : public QObject
{
    Q_OBJECT

private slots:
    void changesAreToldOnce()
    {
        DocumentModel model;
        QSignalSpy name(&model, &DocumentModel::fileNameChanged);
        QSignalSpy pending(&model, &DocumentModel::quickSavePendingChanged);
        model.setFileName(QStringLiteral("/tmp/a.txt"));
        model.setFileName(QStringLiteral("/tmp/a.txt"));
        model.setFileName(QString());
        QCOMPARE(name.count(), 2);
        QCOMPARE(name.last().first().toString(), QString());
        model.setQuickSavePending(false);
        model.setQuickSavePending(true);
        model.setQuickSavePending(true);
        QCOMPARE(pending.count(), 1);
    }

    void lampGoesOutAfterHalfASecond_data()
    {
        QTest::addColumn<bool>("visible");
        QTest::newRow("lit") << true;
        QTest::newRow("About mode: only the timer") << false;
    }

    void lampGoesOutAfterHalfASecond()
    {
        QFETCH(bool, visible);
        DocumentModel model;
        QSignalSpy lamp(&model, &DocumentModel::saveLampChanged);
        model.showSaveIndication(visible);
        QCOMPARE(model.saveLampLit(), visible);
        QVERIFY(model.saveLamp().isActive());
        QCOMPARE(model.saveLamp().interval(), 500);
        QTRY_VERIFY_WITH_TIMEOUT(!model.saveLamp().isActive(), 2000);
        QVERIFY(!model.saveLampLit());
        QCOMPARE(lamp.count(), visible ? 2 : 0);
    }
};

QTEST_GUILESS_MAIN(DocumentModelTest)
#include "DocumentModelTest.moc"
