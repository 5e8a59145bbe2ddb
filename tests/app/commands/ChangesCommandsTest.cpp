#include "support/MainWindowFixture.h"
#include "app/DocumentModel.h"
#include "app/EditorAdapter.h"
#include "app/commands/ChangesCommands.h"
#include "dialogs/changes/ChangesDialog.h"
#include "dialogs/merge/MergeDialog.h"
#include "dialogs/merge/MergeModel.h"
#include "dialogs/wikisave/WikiSaveDialog.h"
#include "support/WindowTestCase.h"

#include <QAbstractItemDelegate>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBlock>

Q_DECLARE_METATYPE(WikiPage)

// The command group on an editor host; the windows found by the
// names a reader sees.
class ChangesCommandsTest : public WindowTestCase
{
    Q_OBJECT

    ChangesCommands *m_commands = nullptr;

    EditorAdapter &editor() { return host().editor; }
    DocumentModel &document() { return host().document; }
    template <typename T> T *find(const char *name = nullptr)
    {
        QWidget &window = host().window;
        return name ? window.findChild<T *>(QLatin1String(name)) : window.findChild<T *>();
    }
    void click(const char *name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    const WikiPage base{QStringLiteral("דף"), 5};
    const WikiPage current{QStringLiteral("דף"), 7, QStringLiteral("2024-01-02T00:00:00Z")};

private slots:
    void init()
    {
        WindowTestCase::init();
        m_commands = &make<ChangesCommands>(editor(), document(), host().window);
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
        document().setWikiPage(page, revisionText);
        document().setFileName(fileName);
        document().setSavedText(savedText);
        editor().setText(text);
        m_commands->showChanges();
        auto *dialog = find<ChangesDialog>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->changeCount(), changes);
        QCOMPARE(find<QLabel>("Against")->text(), against);
    }

    // The ends of the list hold: no step past the first or the last change.
    void stepThroughChanges()
    {
        document().setFileName(QStringLiteral("/tmp/a.txt"));
        document().setSavedText(QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10"));
        editor().setText(QStringLiteral("x\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\ny"));
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
        WikiSaveDialog box(&host().window);
        connect(&box, &WikiSaveDialog::changesRequested, m_commands, &ChangesCommands::showChanges);
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
        document().setWikiPage(base, QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
        document().setSavedText(QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
        editor().setText(mine);
        m_commands->mergeWith(current, QStringLiteral("a\nB\nc\nd\n"));
        auto *dialog = find<MergeDialog>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(find<QPushButton>("Accept")->isEnabled(), button.isEmpty());
        if (!button.isEmpty())
            click(qPrintable(button));
        click("Accept");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(editor().text(), merged);
        QCOMPARE(document().wikiPage(), current);
        QCOMPARE(document().wikiRevisionText(), QStringLiteral("a\r\nB\r\nc\r\nd\r\n"));
        QCOMPARE(document().savedText(), QStringLiteral("a\r\nB\r\nc\r\nd\r\n"));
        // One step back is the user's own text.
        host().widget->undo();
        QCOMPARE(editor().text(), mine);
    }

    // A result written in the table keeps the editor's line breaks.
    void mergeEdited()
    {
        document().setWikiPage(base, QStringLiteral("a\r\nb\r\nc\r\n"));
        editor().setText(QStringLiteral("a\r\nM\r\nc\r\n"));
        m_commands->mergeWith(current, QStringLiteral("a\nT\nc\n"));
        auto *table = find<QTableView>("Regions");
        const QModelIndex result = table->model()->index(0, MergeModel::ResultColumn);
        QStyleOptionViewItem option;
        QWidget *cell = table->itemDelegate()->createEditor(table->viewport(), option, result);
        auto *lines = qobject_cast<QPlainTextEdit *>(cell);
        QVERIFY(lines);
        lines->setPlainText(QStringLiteral("x\ny"));
        table->itemDelegate()->setModelData(cell, table->model(), result);
        delete cell;
        click("Accept");
        QCOMPARE(editor().text(), QStringLiteral("a\r\nx\r\ny\r\nc\r\n"));
    }

    // Nothing typed since the merge began is lost under it.
    void mergeRefusedAfterTyping()
    {
        document().setWikiPage(base, QStringLiteral("a\r\nb\r\nc\r\n"));
        editor().setText(QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
        m_commands->mergeWith(current, QStringLiteral("x\nb\nc\n"));
        editor().apply(EditorState{QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"), 0, 0});
        click("Accept");
        QCOMPARE(MainWindowFixture::askedTexts(), QStringList{ChangesCommands::ChangedMeanwhile});
        QCOMPARE(editor().text(), QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"));
        QCOMPARE(document().wikiPage(), base);
    }
};

QTEST_MAIN(ChangesCommandsTest)
#include "ChangesCommandsTest.moc"
