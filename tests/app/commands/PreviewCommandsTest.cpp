#include "support/MainWindowFixture.h"
#include "dialogs/quotes/QuotesDialog.h"
#include "platform/ShellOpen.h"
#include "wikitext/Preview.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

class PreviewCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_form;

    void setText(const QString &text)
    {
        m_form->editor().setText(text);
        m_form->editor().apply(EditorState{text, int(text.size()), 0});
    }

private slots:
    void initTestCase() { MainWindowFixture::startTestCase(); }

    void init()
    {
        MainWindowFixture::freshSettings(m_dir);
        m_form = std::make_unique<MainWindow>();
        HebrewMessageBox::clearAsked();
    }

    void cleanup() { m_form.reset(); }

    // A root page gets its empty parameters filled as one edit; the text goes to the
    // clipboard and the category's edit form opens.
    void previewOfARootPage()
    {
        const QString page = QStringLiteral("{{נטיות פעלים|שורש=כ-ת-ב\r\n|בניין=\r\n}}");
        setText(page);
        ShellOpenRecorder recorder;
        MainWindowFixture::press(*m_form, "Preview");
        const QString written = QStringLiteral("{{נטיות פעלים|שורש=כ-ת-ב\r\n|בניין=-אין-\r\n}}");
        QCOMPARE(m_form->editor().text(), written);
        QCOMPARE(QGuiApplication::clipboard()->text().replace("\n", "\r\n").replace("\r\r", "\r"), written);
        QCOMPARE(recorder.targets(),
                 QStringList{"https://he.wiktionary.org/w/index.php?title=קטגוריה:כתב (שורש)&action=edit"});
        m_form->editor().widget()->undo();
        QCOMPARE(m_form->editor().text(), page);
    }

    void previewWithoutARootSaysSo()
    {
        setText(QStringLiteral("{{נטיות פעלים|שורש=\r\n}}"));
        ShellOpenRecorder recorder;
        MainWindowFixture::press(*m_form, "Preview");
        QVERIFY(recorder.targets().isEmpty());
        QCOMPARE(MainWindowFixture::askedTexts(), QStringList{Preview::NoRootMessage});
    }

    // The query follows the inflections box, when the entry has inflections at all.
    void quotesQuery()
    {
        setText(QStringLiteral("==בַּיִת==\r\n|נטיות=ר' בָּתִּים"));
        MainWindowFixture::press(*m_form, "Quotes");
        QuotesDialog &quotes = m_form->quotesDialog();
        QVERIFY(quotes.isVisible());
        QCOMPARE(quotes.query(), QStringLiteral("בַּיִת OR בָּתִּים OR בתים"));
        auto *box = MainWindowFixture::child<QCheckBox>(quotes, QStringLiteral("Netiyot"));
        box->click();
        QCOMPARE(quotes.query(), QStringLiteral("בַּיִת"));
        box->click();
        QCOMPARE(quotes.query(), QStringLiteral("בַּיִת OR בָּתִּים OR בתים"));
    }
};

QTEST_MAIN(PreviewCommandsTest)
#include "PreviewCommandsTest.moc"
