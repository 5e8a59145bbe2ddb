#include "support/MainWindowFixture.h"
#include "app/MainWindow.h"
#include "app/commands/DocumentCommands.h"
#include "dialogs/verbs/VerbsDialog.h"
#include "gui/HebrewMessageBox.h"
#include "platform/Settings.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"
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

} // namespace

class DocumentCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HebrewMessageBox::setTestMode(true); }
    void init();
    void cleanup();
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
    QString file(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_form;
};

void DocumentCommandsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    Settings::setIniPathForTesting(file(QStringLiteral("Dalvana.ini")));
    Settings::ensureFile();
    HebrewMessageBox::setTestMode(true);
    m_form = std::make_unique<MainWindow>();
}

void DocumentCommandsTest::cleanup()
{
    m_form.reset();
    m_dir.reset();
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
    DocumentCommands &doc = m_form->documentCommands();
    QVERIFY(doc.openFile(path));
    QCOMPARE(m_form->editor().text(), text);
    QCOMPARE(readBytes(path), utf16le(text));
    // A file already as the program writes it is left alone.
    QCOMPARE(QFileInfo(path).lastModified() == old, bytes == utf16le(text));
    QCOMPARE(m_form->document().fileName(), path);
    QCOMPARE(m_form->document().savedText(), text);
    QVERIFY(!doc.isModified());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("דלבנה - \u2066ערך.txt\u2069"));
    QVERIFY(!MainWindowFixture::action(*m_form, QStringLiteral("QuickSave"))->isEnabled());
    QCOMPARE(recent("R1"), path);
    QVERIFY(!MainWindowFixture::label(*m_form, "GreenLed")->isHidden());
    QVERIFY(m_form->document().saveLamp().isActive());
    QVERIFY(HebrewMessageBox::asked().isEmpty());
}

// A long document is rewritten whole and counts as saved while its lines are still
// coming into the editor, and the lines coming in are no edits.
void DocumentCommandsTest::openLongFile()
{
    const QString text = QStringLiteral("==שָׁלוֹם==\r\n# [[ברכה]] בפגישה.\r\n").repeated(30000);
    const QString path = file(QStringLiteral("ארוך.txt"));
    writeBytes(path, text.toUtf8());
    DocumentCommands &doc = m_form->documentCommands();
    QVERIFY(doc.openFile(path));
    QVERIFY(m_form->editor().isLoading());
    QCOMPARE(readBytes(path), utf16le(text));
    QCOMPARE(m_form->document().savedText(), text);
    QCOMPARE(MainWindowFixture::label(*m_form, "StatusBar")->text(), LiveAnalysis::characterCountText(text.size()));
    QVERIFY(!MainWindowFixture::action(*m_form, QStringLiteral("QuickSave"))->isEnabled());
    QTRY_VERIFY(!m_form->editor().isLoading());
    QVERIFY(!MainWindowFixture::action(*m_form, QStringLiteral("QuickSave"))->isEnabled());
    QVERIFY(!doc.isModified());
    QCOMPARE(m_form->editor().text(), text);
    QCOMPARE(MainWindowFixture::label(*m_form, "StatusBar")->text(), LiveAnalysis::characterCountText(text.size()));
}

void DocumentCommandsTest::openRefusesBinaryFile()
{
    const QString path = file(QStringLiteral("picture.png"));
    const QByteArray bytes("\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR\xFF\xFE\x00", 20);
    writeBytes(path, bytes);
    m_form->editor().setText(QStringLiteral("unsaved work"));
    QVERIFY(!m_form->documentCommands().openFile(path));
    QCOMPARE(readBytes(path), bytes);
    QCOMPARE(m_form->editor().text(), QStringLiteral("unsaved work"));
    QVERIFY(m_form->document().fileName().isEmpty());
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
    QDir(m_dir->path()).mkpath(QStringLiteral("sub.dir"));
    DocumentCommands &doc = m_form->documentCommands();
    m_form->editor().setText(QStringLiteral("==א==\r\n"));
    m_form->document().setQuickSavePending(true);
    doc.setFileChooserForTesting([&](bool save) { return save ? file(chosen) : QString(); });
    MainWindowFixture::action(*m_form, QStringLiteral("Save"))->trigger();
    QCOMPARE(readBytes(file(written)), utf16le(QStringLiteral("==א==\r\n")));
    QCOMPARE(m_form->document().fileName(), file(written));
    QCOMPARE(m_form->document().savedText(), QStringLiteral("==א==\r\n"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("דלבנה - ") + HebrewUi::leftToRight(QFileInfo(written).fileName()));
    // Save As leaves quick save and the recent list alone.
    QVERIFY(MainWindowFixture::action(*m_form, QStringLiteral("QuickSave"))->isEnabled());
    QCOMPARE(recent("R1"), QString());
    QVERIFY(m_form->document().saveLamp().isActive());
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
    m_form->editor().setText(QStringLiteral("new"));
    m_form->documentCommands().setFileChooserForTesting([&](bool) { return file(QStringLiteral("notes")); });
    HebrewMessageBox::presetAnswer(QMessageBox::StandardButton(answer));
    m_form->documentCommands().saveAs();
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
    QVERIFY(m_form->documentCommands().openFile(path));
    const QByteArray before = readBytes(path);
    m_form->editor().setText(QString(5000, QChar(u'א')));
    HebrewMessageBox::clearAsked();
    {
        FileSizeLimit limit(1024);
        QVERIFY(limit.isValid());
        MainWindowFixture::press(*m_form, "QuickSave");
    }
    QCOMPARE(readBytes(path), before);
    QCOMPARE(HebrewMessageBox::asked().size(), 1);
    QVERIFY(m_form->documentCommands().isModified());
    QVERIFY(m_form->document().quickSavePending());
}

void DocumentCommandsTest::saveAsToUnwritablePlaceChangesNothing()
{
    DocumentCommands &doc = m_form->documentCommands();
    const QString first = file(QStringLiteral("first.txt"));
    writeBytes(first, "x");
    QVERIFY(doc.openFile(first));
    m_form->document().endSaveIndication();
    HebrewMessageBox::clearAsked();
    m_form->editor().setText(QStringLiteral("changed"));
    doc.setFileChooserForTesting([&](bool) { return file(QStringLiteral("missing/folder/new.txt")); });
    doc.saveAs();
    QCOMPARE(m_form->document().fileName(), first);
    QCOMPARE(m_form->document().savedText(), QStringLiteral("x"));
    QVERIFY(MainWindowFixture::label(*m_form, "GreenLed")->isHidden());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("דלבנה - \u2066first.txt\u2069"));
    QCOMPARE(HebrewMessageBox::asked().size(), 1);
    QVERIFY(!QFile::exists(file(QStringLiteral("missing/folder/new.txt"))));
}

void DocumentCommandsTest::quickSave()
{
    DocumentCommands &doc = m_form->documentCommands();
    QAction *quick = MainWindowFixture::action(*m_form, QStringLiteral("QuickSave"));
    // Without a file nothing happens, not even a question.
    m_form->editor().setText(QStringLiteral("abc"));
    quick->setEnabled(true);
    quick->trigger();
    QVERIFY(quick->isEnabled());
    QVERIFY(HebrewMessageBox::asked().isEmpty());

    const QString path = file(QStringLiteral("קובץ.txt"));
    writeBytes(path, "old");
    QVERIFY(doc.openFile(path));
    m_form->editor().apply({QStringLiteral("new text"), 0, 0});
    QVERIFY(doc.isModified());
    quick->setEnabled(true);
    quick->trigger();
    QCOMPARE(readBytes(path), utf16le(QStringLiteral("new text")));
    QVERIFY(!quick->isEnabled());
    QVERIFY(!doc.isModified());

    // A file that vanished is skipped without a word.
    QFile::remove(path);
    quick->setEnabled(true);
    quick->trigger();
    QVERIFY(!QFile::exists(path));
    QVERIFY(HebrewMessageBox::asked().isEmpty());
}

void DocumentCommandsTest::recentList()
{
    DocumentCommands &doc = m_form->documentCommands();
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
    QMenu *menu = MainWindowFixture::child<QMenu>(*m_form, QStringLiteral("Recent"));
    QCOMPARE(menu->actions().size(), 4);
    QCOMPARE(menu->actions().first()->objectName(), QStringLiteral("R1"));
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("\u2066e && f.txt\u2069"));
    QVERIFY(menu->menuAction()->isEnabled());

    // Choosing an item opens its file (no question: nothing is modified).
    MainWindowFixture::action(*m_form, QStringLiteral("R3"))->trigger();
    QCOMPARE(m_form->document().fileName(), paths[3]);
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
    m_form->documentCommands().rebuildRecentMenu();
    QMenu *menu = MainWindowFixture::child<QMenu>(*m_form, QStringLiteral("Recent"));
    QCOMPARE(menu->actions().size(), 1);
    QFile::remove(a);
    MainWindowFixture::action(*m_form, QStringLiteral("R1"))->trigger(); // vanished after the menu was built
    QVERIFY(m_form->document().fileName().isEmpty());
    m_form->documentCommands().rebuildRecentMenu();
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
    DocumentCommands &doc = m_form->documentCommands();
    m_form->editor().setText(typed);
    if (verbOpen)
        m_form->document().setRootPagePending(true);
    bool chooserRan = false;
    doc.setFileChooserForTesting([&](bool) {
        chooserRan = true;
        return QString();
    });
    HebrewMessageBox::presetAnswer(QMessageBox::StandardButton(answer));
    QAction *item = MainWindowFixture::action(*m_form, command);
    const bool left = MainWindowFixture::leavesEventLoop([item] { item->trigger(); });
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
    QCOMPARE(m_form->editor().text(), typed);
}

void DocumentCommandsTest::closeGoesThroughExit()
{
    m_form->preferences().setTray(false);
    m_form->show();
    QVERIFY(MainWindowFixture::leavesEventLoop([this] { m_form->close(); }));
    QVERIFY(HebrewMessageBox::asked().isEmpty());
}

void DocumentCommandsTest::clipboardSwitch()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("&lt;ref&gt;a&amp;lt;b&nbsp;c\nd"));
    m_form->start({QStringLiteral("/c"), QStringLiteral("ignored")});
    const QString expected = QStringLiteral("<ref>a&lt;b") + QChar(0x00A0) + QStringLiteral("c\r\nd");
    QCOMPARE(m_form->editor().text(), expected);
    QCOMPARE(clipboard->text(), expected);
    QVERIFY(!MainWindowFixture::label(*m_form, "GoBack")->isHidden());
    QVERIFY(m_form->document().fileName().isEmpty());
    QVERIFY(m_form->document().savedText().isEmpty());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("דלבנה"));
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
    m_form->start(arguments);
    QCOMPARE(m_form->document().fileName(), opened ? path : QString());
    QCOMPARE(MainWindowFixture::askedTexts(), told.isEmpty() ? QStringList() : QStringList{told.replace(u'@', path)});
    QCOMPARE(readBytes(path), opened ? utf16le(QStringLiteral("word")) : QByteArray("word"));
}

void DocumentCommandsTest::saveIndicationEnds()
{
    m_form->document().showSaveIndication();
    QVERIFY(!MainWindowFixture::label(*m_form, "GreenLed")->isHidden());
    QVERIFY(MainWindowFixture::label(*m_form, "BlueLed")->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(MainWindowFixture::label(*m_form, "GreenLed")->isHidden(), 2000);
    QVERIFY(!MainWindowFixture::label(*m_form, "BlueLed")->isHidden());
    QVERIFY(!m_form->document().saveLamp().isActive());
}

void DocumentCommandsTest::resetToNewDocument()
{
    const QString path = file(QStringLiteral("a.txt"));
    writeBytes(path, "x");
    DocumentCommands &doc = m_form->documentCommands();
    QVERIFY(doc.openFile(path));
    MainWindowFixture::action(*m_form, QStringLiteral("QuickSave"))->setEnabled(true);
    doc.resetToNewDocument(EditorState{QStringLiteral("====\r\n"), 2, 0});
    QCOMPARE(m_form->editor().state(), (EditorState{QStringLiteral("====\r\n"), 2, 0}));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("דלבנה"));
    QVERIFY(m_form->document().fileName().isEmpty());
    QVERIFY(m_form->document().savedText().isEmpty());
    QVERIFY(!MainWindowFixture::action(*m_form, QStringLiteral("QuickSave"))->isEnabled());
    QVERIFY(doc.isModified()); // a fresh template counts as unsaved
}

QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"
