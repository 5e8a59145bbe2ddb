#include "support/MainWindowFixture.h"

#include "support/WindowTestCase.h"

#include <QTest>

class PadCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // Each menu item opens its pad; "הוסף" writes over the editor's selection.
    void menuOpensPadThatInserts_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("pad");
        QTest::newRow("Greek") << "Greek"
                               << " λόγος "
                               << "{{יוונית|λόγος|logos}}"
                               << "TGreekForm";
        QTest::newRow("Semitic") << "Semitic"
                                 << " ḏ "
                                 << "{{יוניקוד| ḏ }}"
                                 << "TSemForm";
    }

    void menuOpensPadThatInserts()
    {
        QFETCH(QString, item);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QString, pad);
        MainWindow form;
        MainWindowFixture::ArticleText editor(form);
        editor.set({QStringLiteral("a\r\nbXc"), 4, 1});
        MainWindowFixture::action(form, item)->trigger();
        auto *window = MainWindowFixture::topLevel<QDialog>(form, pad);
        QVERIFY(window->isVisible());
        MainWindowFixture::child<QLineEdit>(*window, QStringLiteral("Copy"))->setText(typed);
        QTest::mouseClick(MainWindowFixture::child<QLabel>(*window, QStringLiteral("Image1")), Qt::LeftButton);
        QCOMPARE(editor.state(), (EditorState{"a\r\nb" + written + "c", int(4 + written.size()), 0}));
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(PadCommandsTest)
#include "PadCommandsTest.moc"
