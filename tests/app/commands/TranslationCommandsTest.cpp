#include "support/MainWindowFixture.h"

#include "dialogs/translations/TranslationsDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

class TranslationCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowFixture::startTestCase(m_dir); }

    void cleanup() { m_form.reset(); }

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
        m_form = std::make_unique<MainWindow>();
        const QString text = QStringLiteral("x\r\n* רוסית: {{ת|רוסית|дом}}\r\ny");
        m_form->editor().setText(text);
        m_form->editor().apply({text, 3, 25});
        MainWindowFixture::action(*m_form, item)->trigger();
        TranslationsDialog &dialog = m_form->translationsDialog();
        QVERIFY(dialog.isVisible());
        QCOMPARE(MainWindowFixture::child<QTreeView>(dialog, QStringLiteral("AllTrans"))->model()->rowCount(), 1);

        auto *langs = dialog.findChild<QComboBox *>(QStringLiteral("Langs"));
        langs->setCurrentIndex(langs->findText(QStringLiteral("אנגלית")));
        dialog.findChild<QLineEdit *>(QStringLiteral("Words"))->setText(QStringLiteral("house"));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("AddLang")), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("AddAll")), Qt::LeftButton);

        const QString written = QStringLiteral(
            "{{תרגומים|\r\n* אנגלית: {{ת|אנגלית|house}}\r\n* רוסית: {{ת|רוסית|дом}}\r\n}}");
        QCOMPARE(m_form->editor().state(), (EditorState{"x\r\n" + written + "\r\ny", int(3 + written.size()), 0}));
        QVERIFY(!dialog.isVisible());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_form;
};

QTEST_MAIN(TranslationCommandsTest)
#include "TranslationCommandsTest.moc"
