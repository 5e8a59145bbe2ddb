#include "support/MainWindowFixture.h"

#include "support/WindowTestCase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

class TranslationCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // Both the menu item and the toolbar button read the selection; "הוסף הכול" writes in its place.
    void selectionReadAndReplaced_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("AddTranslations") << "AddTranslations";
        QTest::newRow("TranslationsTool") << "TranslationsTool";
    }

    void selectionReadAndReplaced()
    {
        QFETCH(QString, item);
        MainWindow form;
        MainWindowFixture::ArticleText editor(form);
        const QString text = QStringLiteral("x\r\n* רוסית: {{ת|רוסית|дом}}\r\ny");
        editor.set({text, 3, 25});
        MainWindowFixture::action(form, item)->trigger();
        QDialog &dialog = *MainWindowFixture::topLevel<QDialog>(form, QStringLiteral("TTransAdd"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(MainWindowFixture::child<QTreeView>(dialog, QStringLiteral("AllTrans"))->model()->rowCount(), 1);

        auto *langs = dialog.findChild<QComboBox *>(QStringLiteral("Langs"));
        langs->setCurrentIndex(langs->findText(QStringLiteral("אנגלית")));
        dialog.findChild<QLineEdit *>(QStringLiteral("Words"))->setText(QStringLiteral("house"));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("AddLang")), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("AddAll")), Qt::LeftButton);

        const QString written = QStringLiteral(
            "{{תרגומים|\r\n* אנגלית: {{ת|אנגלית|house}}\r\n* רוסית: {{ת|רוסית|дом}}\r\n}}");
        QCOMPARE(editor.state(), (EditorState{"x\r\n" + written + "\r\ny", int(3 + written.size()), 0}));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TranslationCommandsTest)
#include "TranslationCommandsTest.moc"
