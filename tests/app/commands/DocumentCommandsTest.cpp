#include "support/MainWindowFixture.h"
#include "app/MainWindow.h"
#include "app/commands/ArticleTextCommands.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/MarkupCommands.h"
#include "gui/HebrewMessageBox.h"
#include "platform/Settings.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"
#include "support/WindowTestCase.h"
#include "wikitext/LiveAnalysis.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QVERIFY(TestFiles::writeBytes(path, bytes));
}

QByteArray utf16le(const QString &text)
{
    QByteArray out("\xFF\xFE", 2);
    out.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return out;
}

QString recent(const char *key)
{
    return Settings::read(QStringLiteral("RecentItems"), QString::fromLatin1(key));
}

// The document's group, with the editor's own group that counts its characters.
struct DocumentHost
{
    explicit DocumentHost(EditorHost &h)
        : documents(h.editor, h.document, h.recentMenu, h.window)
        , markup(h.editor)
        , articleText(h.editor, h.document, markup, *h.statusLabel, *h.jumpQuery)
    {
    }

    DocumentCommands documents;
    MarkupCommands markup;
    ArticleTextCommands articleText;
};

} // namespace

class DocumentCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void init();
    void openRewritesFile_data();
    void openRewritesFile();
    void openRefusesBinaryFile();
    void openLongFile();
    void saveAs_data();
    void saveAs();
    void saveAsToUnwritablePlaceChangesNothing();
    void saveAsAsksAboutTheFileItWrites_data();
    void saveAsAsksAboutTheFileItWrites();
    void quickSave();
    void saveThatCannotWriteEverything();
    void recentList();
    void recentMenuStopsAtVanishedFile();
    void questionsBeforeDiscarding_data();
    void questionsBeforeDiscarding();
    void closeGoesThroughExit();
    void clipboardSwitch();
    void openSwitch_data();
    void openSwitch();
    void saveIndicationEnds();
    void resetToNewDocument();

private:
    QString file(const QString &name) const { return m_files->filePath(name); }
    DocumentCommands &documents() { return m_groups->documents; }
    EditorAdapter &editor() { return host().editor; }
    DocumentModel &document() { return host().document; }
    QAction *recentItem(const char *name) { return host().recentMenu.findChild<QAction *>(QLatin1String(name)); }

    // The files of one test, gone with it.
    QTemporaryDir *m_files = nullptr;
    DocumentHost *m_groups = nullptr;
};

void DocumentCommandsTest::init()
{
    WindowTestCase::init();
    m_files = &make<QTemporaryDir>();
    m_groups = &make<DocumentHost>(host());
}

void DocumentCommandsTest::openRewritesFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString word = QStringLiteral("שָׁלוֹם\r\nעולם");
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + word.toUtf8() << word;
    QTest::newRow("UTF-8 without mark") << word.toUtf8() << word;
    QByteArray be("\xFE\xFF", 2);
    for (QChar c : word)
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    QTest::newRow("UTF-16 big-endian") << be << word;
    QTest::newRow("UTF-16 little-endian") << utf16le(word) << word;
    QTest::newRow("UTF-16 little-endian, LF") << utf16le(QStringLiteral("a\nb")) << QStringLiteral("a\r\nb");
    QTest::newRow("UTF-16 little-endian, odd byte") << utf16le(word) + 'x' << word;
    QTest::newRow("Windows-1255") << QByteArray("\xF9\xEC\xE5\xED\n\xF2\xE5\xEC\xED") << QStringLiteral("שלום\r\nעולם");
    QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("empty") << QByteArray() << QString();
}

void DocumentCommandsTest::openRewritesFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = file(QStringLiteral("ערך.txt"));
    writeBytes(path, bytes);
    const QDateTime old(QDate(2001, 1, 1), QTime(0, 0));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly) && f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    DocumentCommands &doc = documents();
    QVERIFY(doc.openFile(path));
    QCOMPARE(editor().text(), text);
    QCOMPARE(readBytes(path), utf16le(text));
    // A file already as the program writes it is left alone.
    QCOMPARE(QFileInfo(path).lastModified() == old, bytes == utf16le(text));
    QCOMPARE(document().fileName(), path);
    QCOMPARE(document().savedText(), text);
    QVERIFY(!doc.isModified());
    QVERIFY(!document().quickSavePending());
    QCOMPARE(recent("R1"), path);
    QVERIFY(document().saveLampLit());
    QVERIFY(document().saveLamp().isActive());
    QVERIFY(HebrewMessageBox::asked().isEmpty());
}

// A long document is rewritten whole and counts as saved while its lines are still
// coming into the editor, and the lines coming in are no edits.
void DocumentCommandsTest::openLongFile()
{
    const QString text = QStringLiteral("==שָׁלוֹם==\r\n# [[ברכה]] בפגישה.\r\n").repeated(30000);
    const QString path = file(QStringLiteral("ארוך.txt"));
    writeBytes(path, text.toUtf8());
    DocumentCommands &doc = documents();
    QVERIFY(doc.openFile(path));
    QVERIFY(editor().isLoading());
    QCOMPARE(readBytes(path), utf16le(text));
    QCOMPARE(document().savedText(), text);
    QCOMPARE(host().statusLabel->text(), LiveAnalysis::characterCountText(text.size()));
    QVERIFY(!document().quickSavePending());
    QTRY_VERIFY(!editor().isLoading());
    QVERIFY(!document().quickSavePending());
    QVERIFY(!doc.isModified());
    QCOMPARE(editor().text(), text);
    QCOMPARE(host().statusLabel->text(), LiveAnalysis::characterCountText(text.size()));
}

void DocumentCommandsTest::openRefusesBinaryFile()
{
    const QString path = file(QStringLiteral("picture.png"));
    const QByteArray bytes("\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR\xFF\xFE\x00", 20);
    writeBytes(path, bytes);
    editor().setText(QStringLiteral("unsaved work"));
    QVERIFY(!documents().openFile(path));
    QCOMPARE(readBytes(path), bytes);
    QCOMPARE(editor().text(), QStringLiteral("unsaved work"));
    QVERIFY(document().fileName().isEmpty());
    QCOMPARE(recent("R1"), QString());
    QCOMPARE(HebrewMessageBox::asked().size(), 1);
    QCOMPARE(HebrewMessageBox::asked().first().kind, -1);
}

void DocumentCommandsTest::saveAs_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no dot gets .txt") << "entry"
                                      << "entry.txt";
    QTest::newRow("extension kept") << "entry.wiki"
                                    << "entry.wiki";
    QTest::newRow("dot only in the folder") << "sub.dir/entry"
                                            << "sub.dir/entry";
    QTest::newRow("Hebrew name") << "ערך"
                                 << "ערך.txt";
}

void DocumentCommandsTest::saveAs()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QDir(m_files->path()).mkpath(QStringLiteral("sub.dir"));
    DocumentCommands &doc = documents();
    editor().setText(QStringLiteral("==א==\r\n"));
    document().setQuickSavePending(true);
    doc.setFileChooserForTesting([&](bool save) { return save ? file(chosen) : QString(); });
    doc.saveAs();
    QCOMPARE(readBytes(file(written)), utf16le(QStringLiteral("==א==\r\n")));
    QCOMPARE(document().fileName(), file(written));
    QCOMPARE(document().savedText(), QStringLiteral("==א==\r\n"));
    // Save As leaves quick save and the recent list alone.
    QVERIFY(document().quickSavePending());
    QCOMPARE(recent("R1"), QString());
    QVERIFY(document().saveLamp().isActive());
}

void DocumentCommandsTest::saveAsAsksAboutTheFileItWrites_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("No keeps the old file") << int(QMessageBox::No) << QByteArray("old");
    QTest::newRow("Yes replaces it") << int(QMessageBox::Yes) << utf16le(QStringLiteral("new"));
}

void DocumentCommandsTest::saveAsAsksAboutTheFileItWrites()
{
    QFETCH(int, answer);
    QFETCH(QByteArray, kept);
    writeBytes(file(QStringLiteral("notes.txt")), "old");
    editor().setText(QStringLiteral("new"));
    documents().setFileChooserForTesting([&](bool) { return file(QStringLiteral("notes")); });
    HebrewMessageBox::presetAnswer(QMessageBox::StandardButton(answer));
    documents().saveAs();
    QCOMPARE(MainWindowFixture::askedTexts(),
             QStringList{DocumentCommands::OverwriteQuestion.arg(HebrewUi::leftToRight(QStringLiteral("notes.txt")))});
    QCOMPARE(readBytes(file(QStringLiteral("notes.txt"))), kept);
    QVERIFY(!QFile::exists(file(QStringLiteral("notes"))));
}

// A disk that fills up half-way: the old file stays, the user is told, and the text
// still counts as unsaved.
void DocumentCommandsTest::saveThatCannotWriteEverything()
{
    const QString path = file(QStringLiteral("ערך.txt"));
    writeBytes(path, "old");
    QVERIFY(documents().openFile(path));
    const QByteArray before = readBytes(path);
    editor().setText(QString(5000, QChar(u'א')));
    HebrewMessageBox::clearAsked();
    {
        FileSizeLimit limit(1024);
        QVERIFY(limit.isValid());
        documents().quickSave();
    }
    QCOMPARE(readBytes(path), before);
    QCOMPARE(HebrewMessageBox::asked().size(), 1);
    QVERIFY(documents().isModified());
    QVERIFY(document().quickSavePending());
}

void DocumentCommandsTest::saveAsToUnwritablePlaceChangesNothing()
{
    DocumentCommands &doc = documents();
    const QString first = file(QStringLiteral("first.txt"));
    writeBytes(first, "x");
    QVERIFY(doc.openFile(first));
    document().endSaveIndication();
    HebrewMessageBox::clearAsked();
    editor().setText(QStringLiteral("changed"));
    doc.setFileChooserForTesting([&](bool) { return file(QStringLiteral("missing/folder/new.txt")); });
    doc.saveAs();
    QCOMPARE(document().fileName(), first);
    QCOMPARE(document().savedText(), QStringLiteral("x"));
    QVERIFY(!document().saveLampLit());
    QCOMPARE(HebrewMessageBox::asked().size(), 1);
    QVERIFY(!QFile::exists(file(QStringLiteral("missing/folder/new.txt"))));
}

void DocumentCommandsTest::quickSave()
{
    DocumentCommands &doc = documents();
    // Without a file nothing happens, not even a question.
    editor().setText(QStringLiteral("abc"));
    document().setQuickSavePending(true);
    doc.quickSave();
    QVERIFY(document().quickSavePending());
    QVERIFY(HebrewMessageBox::asked().isEmpty());

    const QString path = file(QStringLiteral("קובץ.txt"));
    writeBytes(path, "old");
    QVERIFY(doc.openFile(path));
    editor().apply({QStringLiteral("new text"), 0, 0});
    QVERIFY(doc.isModified());
    document().setQuickSavePending(true);
    doc.quickSave();
    QCOMPARE(readBytes(path), utf16le(QStringLiteral("new text")));
    QVERIFY(!document().quickSavePending());
    QVERIFY(!doc.isModified());

    // A file that vanished is skipped without a word.
    QFile::remove(path);
    document().setQuickSavePending(true);
    doc.quickSave();
    QVERIFY(!QFile::exists(path));
    QVERIFY(HebrewMessageBox::asked().isEmpty());
}

void DocumentCommandsTest::recentList()
{
    DocumentCommands &doc = documents();
    QStringList paths;
    for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt", "e & f.txt"}) {
        paths << file(QString::fromUtf8(name));
        writeBytes(paths.last(), "x");
    }
    for (int i = 0; i < 4; ++i)
        QVERIFY(doc.openFile(paths[i]));
    QCOMPARE(recent("R1"), paths[3]);
    QCOMPARE(recent("R4"), paths[0]);
    QVERIFY(doc.openFile(paths[1])); // the third moves to the top
    QCOMPARE((QStringList{recent("R1"), recent("R2"), recent("R3"), recent("R4")}),
             (QStringList{paths[1], paths[3], paths[2], paths[0]}));
    QVERIFY(doc.openFile(paths[4])); // a fifth drops the oldest
    QCOMPARE((QStringList{recent("R1"), recent("R2"), recent("R3"), recent("R4")}),
             (QStringList{paths[4], paths[1], paths[3], paths[2]}));
    QMenu *menu = &host().recentMenu;
    QCOMPARE(menu->actions().size(), 4);
    QCOMPARE(menu->actions().first()->objectName(), QStringLiteral("R1"));
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("\u2066e && f.txt\u2069"));
    QVERIFY(menu->menuAction()->isEnabled());

    // Choosing an item opens its file (no question: nothing is modified).
    recentItem("R3")->trigger();
    QCOMPARE(document().fileName(), paths[3]);
    QCOMPARE(recent("R1"), paths[3]);
}

void DocumentCommandsTest::recentMenuStopsAtVanishedFile()
{
    const QString a = file(QStringLiteral("a.txt")), b = file(QStringLiteral("b.txt")),
                  c = file(QStringLiteral("c.txt"));
    for (const QString &p : {a, b, c})
        writeBytes(p, "x");
    Settings::write(QStringLiteral("RecentItems"), QStringLiteral("R1"), a);
    Settings::write(QStringLiteral("RecentItems"), QStringLiteral("R2"), b);
    Settings::write(QStringLiteral("RecentItems"), QStringLiteral("R3"), c);
    QFile::remove(b);
    documents().rebuildRecentMenu();
    QMenu *menu = &host().recentMenu;
    QCOMPARE(menu->actions().size(), 1);
    QFile::remove(a);
    recentItem("R1")->trigger(); // vanished after the menu was built
    QVERIFY(document().fileName().isEmpty());
    documents().rebuildRecentMenu();
    QVERIFY(menu->actions().isEmpty());
    QVERIFY(!menu->menuAction()->isEnabled());
}

void DocumentCommandsTest::questionsBeforeDiscarding_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("verbOpen");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("wentOn");
    QTest::newRow("open, nothing typed") << "Open"
                                         << "" << false << int(QMessageBox::No) << false << true;
    QTest::newRow("open, typed, No") << "Open"
                                     << "x" << false << int(QMessageBox::No) << true << false;
    QTest::newRow("open, typed, Yes") << "Open"
                                      << "x" << false << int(QMessageBox::Yes) << true << true;
    QTest::newRow("exit, nothing typed") << "Exit"
                                         << "" << false << int(QMessageBox::No) << false << true;
    QTest::newRow("exit, typed, No") << "Exit"
                                     << "x" << false << int(QMessageBox::No) << true << false;
    QTest::newRow("exit, typed, Yes") << "Exit"
                                      << "x" << false << int(QMessageBox::Yes) << true << true;
    QTest::newRow("exit, verb dialog open") << "Exit"
                                            << "" << true << int(QMessageBox::No) << true << false;
}

void DocumentCommandsTest::questionsBeforeDiscarding()
{
    QFETCH(QString, command);
    QFETCH(QString, typed);
    QFETCH(bool, verbOpen);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, wentOn);
    DocumentCommands &doc = documents();
    editor().setText(typed);
    if (verbOpen)
        document().setRootPagePending(true);
    bool chooserRan = false;
    doc.setFileChooserForTesting([&](bool) {
        chooserRan = true;
        return QString();
    });
    HebrewMessageBox::presetAnswer(QMessageBox::StandardButton(answer));
    const bool open = command == QLatin1String("Open");
    const bool left = MainWindowFixture::leavesEventLoop(
        [this, open] { open ? documents().open() : documents().exit(); });
    QCOMPARE(HebrewMessageBox::asked().size(), asked ? 1 : 0);
    if (asked) {
        const auto &q = HebrewMessageBox::asked().first();
        QCOMPARE(q.text,
                 command == QLatin1String("Open") ? DocumentCommands::OpenQuestion : DocumentCommands::ExitQuestion);
        QVERIFY(q.text.endsWith(QChar(0x200F)));
        QCOMPARE(q.kind, int(HebrewMessageBox::Confirmation));
        QCOMPARE(q.buttons, QMessageBox::Yes | QMessageBox::No);
    }
    QCOMPARE(command == QLatin1String("Open") ? chooserRan : left, wentOn);
    QCOMPARE(editor().text(), typed);
}

void DocumentCommandsTest::closeGoesThroughExit()
{
    Settings::write(QStringLiteral("Preferences"), QStringLiteral("Tray"), QStringLiteral("No"));
    MainWindow form;
    form.start({});
    form.show();
    QVERIFY(MainWindowFixture::leavesEventLoop([&form] { form.close(); }));
    QVERIFY(HebrewMessageBox::asked().isEmpty());
}

void DocumentCommandsTest::clipboardSwitch()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("&lt;ref&gt;a&amp;lt;b&nbsp;c\nd"));
    MainWindow form;
    form.start({QStringLiteral("/c"), QStringLiteral("ignored")});
    const QString expected = QStringLiteral("<ref>a&lt;b") + QChar(0x00A0) + QStringLiteral("c\r\nd");
    QCOMPARE(MainWindowFixture::ArticleText(form).text(), expected);
    QCOMPARE(clipboard->text(), expected);
    QVERIFY(!MainWindowFixture::label(form, "GoBack")->isHidden());
    QCOMPARE(form.windowTitle(), QStringLiteral("דלבנה"));
}

void DocumentCommandsTest::openSwitch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("told"); // the message, with @ for the path
    QTest::newRow("/o with a file") << QStringList{"/o", "@"} << true << "";
    QTest::newRow("/O is no switch") << QStringList{"/O", "@"} << false << "";
    QTest::newRow("/o not first") << QStringList{"x", "/o", "@"} << false << "";
    QTest::newRow("/o without a path") << QStringList{"/o"} << false << "";
    QTest::newRow("/o with a missing file")
        << QStringList{"/o", "@missing"} << false << "הקובץ \u2066@missing\u2069 לא נמצא.\u200F";
    QTest::newRow("/o with a folder") << QStringList{"/o", "@.d"} << false << "הקובץ \u2066@.d\u2069 לא נמצא.\u200F";
}

void DocumentCommandsTest::openSwitch()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, opened);
    const QString path = file(QStringLiteral("מילה.txt"));
    writeBytes(path, "word");
    QFETCH(QString, told);
    QDir().mkpath(path + QStringLiteral(".d"));
    for (QString &a : arguments)
        a.replace(u'@', path);
    MainWindow form;
    form.start(arguments);
    QCOMPARE(form.windowTitle(), opened ? QStringLiteral("דלבנה - \u2066מילה.txt\u2069") : QStringLiteral("דלבנה"));
    QCOMPARE(MainWindowFixture::askedTexts(), told.isEmpty() ? QStringList() : QStringList{told.replace(u'@', path)});
    QCOMPARE(readBytes(path), opened ? utf16le(QStringLiteral("word")) : QByteArray("word"));
}

// The window's lamps follow the save indication of an opening, and its quick save
// the first change after it.
void DocumentCommandsTest::saveIndicationEnds()
{
    const QString path = file(QStringLiteral("a.txt"));
    writeBytes(path, "x");
    MainWindow form;
    form.start({QStringLiteral("/o"), path});
    QVERIFY(!MainWindowFixture::label(form, "GreenLed")->isHidden());
    QVERIFY(MainWindowFixture::label(form, "BlueLed")->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(MainWindowFixture::label(form, "GreenLed")->isHidden(), 2000);
    QVERIFY(!MainWindowFixture::label(form, "BlueLed")->isHidden());
    QAction *quickSave = MainWindowFixture::action(form, QStringLiteral("QuickSave"));
    QVERIFY(!quickSave->isEnabled());
    MainWindowFixture::ArticleText(form).apply(EditorState{QStringLiteral("xy"), 2, 0});
    QVERIFY(quickSave->isEnabled());
}

void DocumentCommandsTest::resetToNewDocument()
{
    const QString path = file(QStringLiteral("a.txt"));
    writeBytes(path, "x");
    DocumentCommands &doc = documents();
    QVERIFY(doc.openFile(path));
    document().setQuickSavePending(true);
    doc.resetToNewDocument(EditorState{QStringLiteral("====\r\n"), 2, 0});
    QCOMPARE(editor().state(), (EditorState{QStringLiteral("====\r\n"), 2, 0}));
    QVERIFY(document().fileName().isEmpty());
    QVERIFY(document().savedText().isEmpty());
    QVERIFY(!document().quickSavePending());
    QVERIFY(doc.isModified()); // a fresh template counts as unsaved
}

QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"
