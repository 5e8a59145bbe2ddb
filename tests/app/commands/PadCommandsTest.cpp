#include "support/MainWindowFixture.h"

#include "dialogs/greek/GreekDialog.h"
#include "dialogs/semitic/SemiticDialog.h"

#include <QTemporaryDir>
#include <QTest>

class PadCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowFixture::startTestCase(m_dir); }

    void cleanup() { m_form.reset(); }

    // Each menu item opens its pad; "הוסף" writes over the editor's selection.
    void menuOpensPadThatInserts_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("Greek") << "Greek"
                               << " λόγος "
                               << "{{יוונית|λόγος|logos}}";
        QTest::newRow("Semitic") << "Semitic"
                                 << " ḏ "
                                 << "{{יוניקוד| ḏ }}";
    }

    void menuOpensPadThatInserts()
    {
        QFETCH(QString, item);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        m_form = std::make_unique<MainWindow>();
        m_form->editor().setText(QStringLiteral("a\r\nbXc"));
        m_form->editor().apply({QStringLiteral("a\r\nbXc"), 4, 1});
        MainWindowFixture::action(*m_form, item)->trigger();
        QDialog *pad = item == QLatin1String("Greek") ? static_cast<QDialog *>(&m_form->greekDialog())
                                                      : &m_form->semiticDialog();
        QVERIFY(pad->isVisible());
        MainWindowFixture::child<QLineEdit>(*pad, QStringLiteral("Copy"))->setText(typed);
        QTest::mouseClick(MainWindowFixture::child<QLabel>(*pad, QStringLiteral("Image1")), Qt::LeftButton);
        QCOMPARE(m_form->editor().state(), (EditorState{"a\r\nb" + written + "c", int(4 + written.size()), 0}));
        QVERIFY(!pad->isVisible());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_form;
};

QTEST_MAIN(PadCommandsTest)
#include "PadCommandsTest.moc"
