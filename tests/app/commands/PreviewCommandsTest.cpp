#include "app/commands/PreviewCommands.h"

#include "support/MainWindowFixture.h"
#include "dialogs/quotes/QuotesDialog.h"
#include "platform/ShellOpen.h"
#include "support/WindowTestCase.h"
#include "wikitext/Preview.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

class PreviewCommandsTest : public WindowTestCase
{
    Q_OBJECT

    QuotesDialog *m_quotes = nullptr;
    PreviewCommands *m_commands = nullptr;

    void setText(const QString &text)
    {
        m_quotes = &make<QuotesDialog>();
        m_commands = &make<PreviewCommands>(host().editor, *m_quotes);
        host().set(EditorState{text, int(text.size()), 0});
    }

private slots:
    // A root page gets its empty parameters filled as one edit; the text goes to the
    // clipboard and the category's edit form opens.
    void previewOfARootPage()
    {
        const QString page = QStringLiteral("{{נטיות פעלים|שורש=כ-ת-ב\r\n|בניין=\r\n}}");
        setText(page);
        ShellOpenRecorder recorder;
        m_commands->preview();
        const QString written = QStringLiteral("{{נטיות פעלים|שורש=כ-ת-ב\r\n|בניין=-אין-\r\n}}");
        QCOMPARE(host().editor.text(), written);
        QCOMPARE(QGuiApplication::clipboard()->text().replace("\n", "\r\n").replace("\r\r", "\r"), written);
        QCOMPARE(recorder.targets(),
                 QStringList{"https://he.wiktionary.org/w/index.php?title=קטגוריה:כתב (שורש)&action=edit"});
        host().editor.widget()->undo();
        QCOMPARE(host().editor.text(), page);
    }

    void previewWithoutARootSaysSo()
    {
        setText(QStringLiteral("{{נטיות פעלים|שורש=\r\n}}"));
        ShellOpenRecorder recorder;
        m_commands->preview();
        QVERIFY(recorder.targets().isEmpty());
        QCOMPARE(MainWindowFixture::askedTexts(), QStringList{Preview::NoRootMessage});
    }

    // The query follows the inflections box, when the entry has inflections at all.
    void quotesQuery()
    {
        setText(QStringLiteral("==בַּיִת==\r\n|נטיות=ר' בָּתִּים"));
        m_commands->showQuotes();
        QuotesDialog &quotes = *m_quotes;
        QVERIFY(quotes.isVisible());
        auto *query = MainWindowFixture::child<QLineEdit>(quotes, QStringLiteral("QuoteQuery"));
        QCOMPARE(query->text(), QStringLiteral("בַּיִת OR בָּתִּים OR בתים"));
        auto *box = MainWindowFixture::child<QCheckBox>(quotes, QStringLiteral("Netiyot"));
        box->click();
        QCOMPARE(query->text(), QStringLiteral("בַּיִת"));
        box->click();
        QCOMPARE(query->text(), QStringLiteral("בַּיִת OR בָּתִּים OR בתים"));
    }
};

QTEST_MAIN(PreviewCommandsTest)
#include "PreviewCommandsTest.moc"
