#include "support/MainWindowFixture.h"
#include "app/DocumentModel.h"
#include "app/EditorAdapter.h"
#include "app/commands/ChangesCommands.h"
#include "dialogs/changes/ChangesDialog.h"
#include "dialogs/merge/MergeDialog.h"
#include "dialogs/merge/MergeModel.h"
#include "dialogs/wikisave/WikiSaveDialog.h"

#include <QAbstractItemDelegate>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBlock>

Q_DECLARE_METATYPE(WikiPage)

// The command group on an editor and a document of its own; the windows found by the
// names a reader sees.
class ChangesCommandsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> m_window;
    QPlainTextEdit *m_edit = nullptr;
    std::unique_ptr<EditorAdapter> m_editor;
    std::unique_ptr<DocumentModel> m_document;
    std::unique_ptr<ChangesCommands> m_commands;

    template <typename T> T *find(const char *name = nullptr)
    {
        return name ? m_window->findChild<T *>(QLatin1String(name)) : m_window->findChild<T *>();
    }
    void click(const char *name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    const WikiPage base{QStringLiteral("דף"), 5};
    const WikiPage current{QStringLiteral("דף"), 7, QStringLiteral("2024-01-02T00:00:00Z")};

private slots:
    void initTestCase() { MainWindowFixture::startDialogTestCase(); }

    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_edit = new QPlainTextEdit(m_window.get());
        m_editor = std::make_unique<EditorAdapter>(m_edit);
        m_document = std::make_unique<DocumentModel>();
        m_commands = std::make_unique<ChangesCommands>(*m_editor, *m_document, *m_window);
        HebrewMessageBox::clearAsked();
    }

    void cleanup()
    {
        m_commands.reset();
        m_window.reset();
    }

    // What the text is compared with, and what the window says it is.
    void showChanges_data()
    {
        QTest::addColumn<WikiPage>("page");
        QTest::addColumn<QString>("revisionText");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("savedText");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("against");
        const WikiPage page{QStringLiteral("דף"), 5};
        const QString revision = ChangesCommands::AgainstRevision.arg(QStringLiteral("דף")).arg(5);
        QTest::newRow("the file as saved")
            << WikiPage() << QString() << "/tmp/a.txt"
            << "א\r\nב"
            << "א\r\nג" << 1 << ChangesCommands::AgainstFile.arg(HebrewUi::leftToRight(QStringLiteral("/tmp/a.txt")));
        QTest::newRow("a new document: all of it")
            << WikiPage() << QString() << QString() << QString() << "א\r\nב" << 1 << ChangesCommands::AgainstNothing;
        // Points in NFC order and no trailing break on the wiki: what a save would store.
        QTest::newRow("what the wiki drops or reorders is no change")
            << page << "ש\u05BC\u05C1\r\nב" << QString() << QString() << "ש\u05C1\u05BC\r\nב\r\n \r\n"
            << 0 << revision;
        QTest::newRow("the wiki's revision over the file saved since") << page << "א\r\nב"
                                                                       << "/tmp/a.txt"
                                                                       << "א\r\nג"
                                                                       << "א\r\nג" << 1 << revision;
        QTest::newRow("a page not on the wiki yet")
            << WikiPage{QStringLiteral("חדש")} << QString() << QString() << QString() << "א" << 1
            << ChangesCommands::AgainstNewPage.arg(QStringLiteral("חדש"));
    }

    void showChanges()
    {
        QFETCH(WikiPage, page);
        QFETCH(QString, revisionText);
        QFETCH(QString, fileName);
        QFETCH(QString, savedText);
        QFETCH(QString, text);
        QFETCH(int, changes);
        QFETCH(QString, against);
        m_document->setWikiPage(page, revisionText);
        m_document->setFileName(fileName);
        m_document->setSavedText(savedText);
        m_editor->setText(text);
        m_commands->showChanges();
        auto *dialog = find<ChangesDialog>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->changeCount(), changes);
        QCOMPARE(find<QLabel>("Against")->text(), against);
    }

    // The ends of the list hold: no step past the first or the last change.
    void stepThroughChanges()
    {
        m_document->setFileName(QStringLiteral("/tmp/a.txt"));
        m_document->setSavedText(QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10"));
        m_editor->setText(QStringLiteral("x\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\ny"));
        m_commands->showChanges();
        auto *dialog = find<ChangesDialog>();
        QCOMPARE(dialog->changeCount(), 2);
        const QList<qsizetype> expected{0, 0, 1, 1, 0};
        QList<qsizetype> seen{dialog->currentChange()};
        click("PreviousChange");
        seen << dialog->currentChange();
        click("NextChange");
        seen << dialog->currentChange();
        dialog->nextChange();
        seen << dialog->currentChange();
        // The last change's removed line is the caret's line.
        QCOMPARE(find<QPlainTextEdit>("ChangesText")->textCursor().block().text().trimmed(), QStringLiteral("−  10"));
        click("PreviousChange");
        seen << dialog->currentChange();
        QCOMPARE(seen, expected);
    }

    // From the wiki's save box, which waits for its answer, the window must be usable.
    void overAModalBox()
    {
        WikiSaveDialog box(m_window.get());
        connect(&box, &WikiSaveDialog::changesRequested, m_commands.get(), &ChangesCommands::showChanges);
        box.open();
        click("ShowChanges");
        QVERIFY(find<ChangesDialog>() && find<ChangesDialog>()->isVisible());
        QCOMPARE(find<ChangesDialog>()->windowModality(), Qt::ApplicationModal);
        box.close();
        find<ChangesDialog>()->close();
        m_commands->showChanges();
        QCOMPARE(find<ChangesDialog>()->windowModality(), Qt::NonModal);
    }

    // "b" changed by the wiki, "d" by the user; with `same`, "b" by both, differently.
    void merge_data()
    {
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("button"); // for the conflict, if any
        QTest::addColumn<QString>("merged");
        QTest::newRow("apart: merged at once") << "a\r\nb\r\nc\r\nD\r\n" << QString() << "a\r\nB\r\nc\r\nD\r\n";
        QTest::newRow("the same line: both kept, mine first") << "a\r\nM\r\nc\r\nd\r\n"
                                                              << "KeepBoth"
                                                              << "a\r\nM\r\nB\r\nc\r\nd\r\n";
        QTest::newRow("the same line: theirs kept") << "a\r\nM\r\nc\r\nd\r\n"
                                                    << "KeepTheirs"
                                                    << "a\r\nB\r\nc\r\nd\r\n";
    }

    void merge()
    {
        QFETCH(QString, mine);
        QFETCH(QString, button);
        QFETCH(QString, merged);
        m_document->setWikiPage(base, QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
        m_document->setSavedText(QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
        m_editor->setText(mine);
        m_commands->mergeWith(current, QStringLiteral("a\nB\nc\nd\n"));
        auto *dialog = find<MergeDialog>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(find<QPushButton>("Accept")->isEnabled(), button.isEmpty());
        if (!button.isEmpty())
            click(qPrintable(button));
        click("Accept");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_editor->text(), merged);
        QCOMPARE(m_document->wikiPage(), current);
        QCOMPARE(m_document->wikiRevisionText(), QStringLiteral("a\r\nB\r\nc\r\nd\r\n"));
        QCOMPARE(m_document->savedText(), QStringLiteral("a\r\nB\r\nc\r\nd\r\n"));
        // One step back is the user's own text.
        m_edit->undo();
        QCOMPARE(m_editor->text(), mine);
    }

    // A result written in the table keeps the editor's line breaks.
    void mergeEdited()
    {
        m_document->setWikiPage(base, QStringLiteral("a\r\nb\r\nc\r\n"));
        m_editor->setText(QStringLiteral("a\r\nM\r\nc\r\n"));
        m_commands->mergeWith(current, QStringLiteral("a\nT\nc\n"));
        auto *table = find<QTableView>("Regions");
        const QModelIndex result = table->model()->index(0, MergeModel::ResultColumn);
        QStyleOptionViewItem option;
        QWidget *editor = table->itemDelegate()->createEditor(table->viewport(), option, result);
        auto *lines = qobject_cast<QPlainTextEdit *>(editor);
        QVERIFY(lines);
        lines->setPlainText(QStringLiteral("x\ny"));
        table->itemDelegate()->setModelData(editor, table->model(), result);
        delete editor;
        click("Accept");
        QCOMPARE(m_editor->text(), QStringLiteral("a\r\nx\r\ny\r\nc\r\n"));
    }

    // Nothing typed since the merge began is lost under it.
    void mergeRefusedAfterTyping()
    {
        m_document->setWikiPage(base, QStringLiteral("a\r\nb\r\nc\r\n"));
        m_editor->setText(QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
        m_commands->mergeWith(current, QStringLiteral("x\nb\nc\n"));
        m_editor->apply(EditorState{QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"), 0, 0});
        click("Accept");
        QCOMPARE(MainWindowFixture::askedTexts(), QStringList{ChangesCommands::ChangedMeanwhile});
        QCOMPARE(m_editor->text(), QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"));
        QCOMPARE(m_document->wikiPage(), base);
    }
};

QTEST_MAIN(ChangesCommandsTest)
#include "ChangesCommandsTest.moc"
