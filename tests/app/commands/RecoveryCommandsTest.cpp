#include "app/DalvanaApp.h"
#include "app/DocumentModel.h"
#include "app/EditorAdapter.h"
#include "app/MainWindow.h"
#include "app/RecoveryStore.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/RecoveryCommands.h"
#include "gui/HebrewMessageBox.h"
#include "platform/Settings.h"
#include "platform/WikiPasswordStore.h"
#include "support/CannedWiki.h"
#include "support/TestFiles.h"
#include "wikitext/DocumentFormat.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSaveFile>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include <unistd.h>

namespace {

// The child: this program run again as the editor itself, started as the program's
// main starts it, then typed into as a user types. Its questions are answered through
// the message box's seam, its input boxes by a hand that fills and accepts them.
struct Plan
{
    QStringList answers; // Yes, No or Cancel, one for each question in turn
    QString wiki;        // a page opened from the wiki first
    QString type;        // typed into the editor, "\n" by the Return key
    QStringList presses; // menu items triggered after typing
    QStringList inputs;  // what the input boxes get, in turn
    QString report;      // where the editor's text and what it asked are written
};
Plan *g_plan = nullptr;

const QString WikiUser = QStringLiteral("Editor");

MainWindow *mainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<MainWindow *>(w))
            return window;
    return nullptr;
}

void press(QWidget &window, const QString &item)
{
    window.findChild<QAction *>(item)->trigger();
}

void type(QPlainTextEdit *editor, const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(editor, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

void writeReport(const MainWindow &window, const QPlainTextEdit *editor, const QString &path)
{
    QString error;
    DocumentFormat::writeFile(
        path + QStringLiteral(".txt"),
        editor->document()->toRawText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n")), &error);
    QJsonArray asked;
    for (const HebrewMessageBox::Asked &a : HebrewMessageBox::asked())
        asked << a.text;
    const QJsonObject report{{QStringLiteral("title"), window.windowTitle()}, {QStringLiteral("asked"), asked}};
    // Whole or not at all: the test reads the report as soon as it exists.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(report).toJson());
    file.commit();
}

void runPlan()
{
    MainWindow *window = nullptr;
    if (!QTest::qWaitFor([&window] { return (window = mainWindow()) && window->isVisible(); }, 60000))
        qFatal("the window never showed");
    // The start's questions come from the first turns of the event loop.
    QTest::qWait(50);
    auto *editor = window->findChild<QPlainTextEdit *>(QStringLiteral("ArticleText"));
    if (!g_plan->wiki.isEmpty()) {
        press(*window, QStringLiteral("OpenFromWiki"));
        if (!QTest::qWaitFor([window] { return window->windowTitle().contains(g_plan->wiki); }, 60000))
            qFatal("the page never came");
    }
    type(editor, g_plan->type);
    for (const QString &item : std::as_const(g_plan->presses))
        press(*window, item);
    if (!g_plan->report.isEmpty())
        writeReport(*window, editor, g_plan->report);
}

// Runs in the child's application object as it is made: the plan once the window shows,
// the input boxes, and "exit" on standard input, which leaves by the Exit item.
void childStarted()
{
    if (!g_plan)
        return;
    QTimer::singleShot(0, qApp, runPlan);
    auto *inputs = new QTimer(qApp);
    QObject::connect(inputs, &QTimer::timeout, qApp, [] {
        QWidget *modal = QApplication::activeModalWidget();
        const QString input = g_plan->inputs.isEmpty() ? QString() : g_plan->inputs.first();
        if (auto *box = qobject_cast<QInputDialog *>(modal)) {
            box->setTextValue(input);
        } else if (modal && modal->objectName() == QLatin1String("WikiSaveDialog")) {
            // The box before a save to the wiki: its summary.
            modal->findChild<QLineEdit *>(QStringLiteral("Summary"))->setText(input);
        } else {
            return;
        }
        if (!g_plan->inputs.isEmpty())
            g_plan->inputs.removeFirst();
        qobject_cast<QDialog *>(modal)->accept();
    });
    inputs->start(20);
    auto *stdinput = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
    QObject::connect(stdinput, &QSocketNotifier::activated, qApp, [stdinput] {
        char line[16];
        const ssize_t n = ::read(STDIN_FILENO, line, sizeof line);
        if (n <= 0)
            return stdinput->setEnabled(false);
        if (MainWindow *window = mainWindow())
            press(*window, QStringLiteral("Exit"));
    });
}
Q_COREAPP_STARTUP_FUNCTION(childStarted)

int runChild(int argc, char *argv[])
{
    static Plan plan;
    QList<QByteArray> program{argv[0]};
    QString api;
    for (int i = 2; i < argc; ++i) {
        const QByteArray flag = argv[i];
        if (flag == "--") {
            for (++i; i < argc; ++i)
                program << argv[i];
            break;
        }
        const QString value = QString::fromUtf8(argv[++i]);
        if (flag == "--ini")
            Settings::setIniPathForTesting(value);
        else if (flag == "--state")
            qputenv("XDG_STATE_HOME", value.toUtf8()); // over the home this program made itself
        else if (flag == "--api")
            api = value;
        else if (flag == "--answer")
            plan.answers << value;
        else if (flag == "--wiki")
            plan.wiki = value;
        else if (flag == "--type")
            plan.type = value;
        else if (flag == "--press")
            plan.presses << value;
        else if (flag == "--input")
            plan.inputs << value;
        else if (flag == "--report")
            plan.report = value;
    }
    g_plan = &plan;
    HebrewMessageBox::setTestMode(true);
    for (const QString &answer : std::as_const(plan.answers))
        HebrewMessageBox::presetAnswer(answer == QLatin1String("Yes")      ? QMessageBox::Yes
                                           : answer == QLatin1String("No") ? QMessageBox::No
                                                                           : QMessageBox::Cancel);
    if (!api.isEmpty()) {
        Settings::ensureFile();
        Settings::write(QStringLiteral("Wiki"), QStringLiteral("Api"), api);
        Settings::write(QStringLiteral("Wiki"), QStringLiteral("User"), WikiUser);
        WikiPasswordStore::setInMemoryForTesting(true);
        WikiPasswordStore::write(WikiUser, QStringLiteral("bot password"), nullptr, [](const QString &) {});
    }
    QList<char *> args;
    for (QByteArray &a : program)
        args << a.data();
    return runDalvana(int(args.size()), args.data());
}

// The window's pieces the command group works with, without the window.
struct Rig
{
    explicit Rig(const QString &folder)
        : editor(edit)
        , documents(editor, document, recent, window)
        , recovery(editor, document, documents, folder)
    {
        recovery.setIntervalsForTesting(50, 1000);
    }

    QWidget window;
    QPlainTextEdit *edit = new QPlainTextEdit(&window);
    EditorAdapter editor;
    DocumentModel document;
    QMenu recent;
    DocumentCommands documents;
    RecoveryCommands recovery;
};

// Waits for the next check to end; true when it left a copy.
bool nextCheck(RecoveryCommands &recovery)
{
    QSignalSpy spy(&recovery, &RecoveryCommands::checked);
    return spy.wait(20000) && spy.first().first().toBool();
}

} // namespace

class RecoveryCommandsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString folder() const { return path(QStringLiteral("state/dalvana/recovery")); }

    // The texts of the copies on disk, as their bytes.
    QList<QByteArray> copies() const
    {
        QList<QByteArray> found;
        const QDir dir(folder());
        for (const QString &name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files))
            found << TestFiles::readBytes(dir.filePath(name));
        return found;
    }

    // The copies whose description is written too: a kill before that would leave a
    // copy restored without its file or page.
    QList<QByteArray> describedCopies() const
    {
        QList<QByteArray> found;
        const QDir dir(folder());
        for (const QString &name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
            const QByteArray bytes = TestFiles::readBytes(dir.filePath(name));
            const QString about = dir.filePath(QFileInfo(name).completeBaseName() + QStringLiteral(".json"));
            const QJsonObject o = QJsonDocument::fromJson(TestFiles::readBytes(about)).object();
            if (o[QStringLiteral("md5")].toString().toLatin1()
                == QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex())
                found << bytes;
        }
        return found;
    }

    // A copy left by an instance that was killed.
    void leaveCopy(const QString &text, const RecoveryOrigin &origin = {})
    {
        auto copy = std::make_unique<Recovery::OwnCopy>(folder());
        QString error;
        QVERIFY2(copy->write(text, origin, &error), qPrintable(error));
        const QString lock = copy->textPath().chopped(4) + QStringLiteral(".lock");
        copy.reset();
        QVERIFY(TestFiles::writeBytes(lock, "4194305\ndalvana\n"));
    }

    std::unique_ptr<QProcess> startEditor(const QStringList &plan, const QStringList &program = {})
    {
        auto child = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The home a killed child made for itself goes with this test's folder.
        env.insert(QStringLiteral("TMPDIR"), m_dir->path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child->setProcessEnvironment(env);
        child->setProcessChannelMode(QProcess::ForwardedChannels);
        child->start(QCoreApplication::applicationFilePath(),
                     QStringList{QStringLiteral("--child"), QStringLiteral("--ini"),
                                 path(QStringLiteral("Dalvana.ini")), QStringLiteral("--state"),
                                 path(QStringLiteral("state"))}
                         + plan + QStringList{QStringLiteral("--")} + program);
        if (!child->waitForStarted())
            qWarning("the editor did not start");
        return child;
    }

    QJsonObject report(const QString &name) const
    {
        return QJsonDocument::fromJson(TestFiles::readBytes(path(name))).object();
    }

    // Ends an editor as the user does, by its Exit item.
    static void leave(QProcess &editor)
    {
        editor.write("exit\n");
        QVERIFY(editor.waitForFinished(30000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 0);
    }

private slots:
    void initTestCase() { HebrewMessageBox::setTestMode(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        Settings::setIniPathForTesting(path(QStringLiteral("Dalvana.ini")));
        HebrewMessageBox::setTestMode(true);
    }

    // A file opened and typed into keeps a copy; each way the text becomes safe takes it.
    void copyGoesWhenTheTextIsSafe_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("kept");
        QTest::newRow("typing goes on") << "type" << true;
        QTest::newRow("quick save") << "quickSave" << false;
        QTest::newRow("save as") << "saveAs" << false;
        QTest::newRow("taken back by hand") << "takeBack" << false;
        QTest::newRow("new document") << "new" << false;
        QTest::newRow("another file opened") << "open" << false;
    }

    void copyGoesWhenTheTextIsSafe()
    {
        QFETCH(QString, step);
        QFETCH(bool, kept);
        const QString file = path(QStringLiteral("a.txt"));
        QVERIFY(TestFiles::writeBytes(file, DocumentFormat::encode(QStringLiteral("base"))));
        Rig rig(folder());
        QVERIFY(rig.documents.openFile(file));
        QVERIFY(!nextCheck(rig.recovery));
        type(rig.edit, QStringLiteral("א\n"));
        QVERIFY(nextCheck(rig.recovery));
        QCOMPARE(copies(), QList<QByteArray>{DocumentFormat::encode(QStringLiteral("א\r\nbase"))});

        const QString other = path(QStringLiteral("b.txt"));
        rig.documents.setFileChooserForTesting([other](bool) { return other; });
        if (step == QLatin1String("type"))
            type(rig.edit, QStringLiteral("ב"));
        else if (step == QLatin1String("quickSave"))
            rig.documents.quickSave();
        else if (step == QLatin1String("saveAs"))
            rig.documents.saveAs();
        else if (step == QLatin1String("takeBack"))
            rig.editor.apply(EditorState{QStringLiteral("base"), 0, 0});
        else if (step == QLatin1String("new"))
            rig.documents.resetToNewDocument(EditorState{});
        else if (step == QLatin1String("open"))
            QVERIFY(rig.documents.openFile(file));
        QCOMPARE(nextCheck(rig.recovery), kept);
        QCOMPARE(copies().size(), kept ? 1 : 0);
    }

    // A long text comes into the editor in pieces. Read from its file it needs no copy,
    // and none is taken; put in without being saved, the pieces are an edit like any.
    void longTextComingIn_data()
    {
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("opened from its file") << true;
        QTest::newRow("put in unsaved") << false;
    }

    void longTextComingIn()
    {
        QFETCH(bool, fromFile);
        QString text;
        for (int i = 0; i < 100000; ++i)
            text += QStringLiteral("line %1\r\n").arg(i);
        const QString file = path(QStringLiteral("long.txt"));
        QVERIFY(TestFiles::writeBytes(file, DocumentFormat::encode(text)));
        Rig rig(folder());
        if (fromFile)
            QVERIFY(rig.documents.openFile(file));
        else
            rig.editor.setText(text);
        QVERIFY(rig.editor.isLoading());
        QVERIFY(QTest::qWaitFor([&rig] { return !rig.editor.isLoading(); }, 20000));
        QSignalSpy checked(&rig.recovery, &RecoveryCommands::checked);
        rig.recovery.checkNow();
        // Nothing was handed to the writer's thread: the answer came at once.
        QCOMPARE(checked.size(), fromFile ? 1 : 0);
        if (!fromFile)
            QVERIFY(nextCheck(rig.recovery));
        QCOMPARE(copies().size(), fromFile ? 0 : 1);
    }

    // Made over an editor that holds unsaved text already, the first check copies it.
    void textThereBeforehand()
    {
        QWidget window;
        EditorAdapter editor(new QPlainTextEdit(QStringLiteral("א"), &window));
        DocumentModel document;
        QMenu recent;
        DocumentCommands documents(editor, document, recent, window);
        RecoveryCommands recovery(editor, document, documents, folder());
        QSignalSpy checked(&recovery, &RecoveryCommands::checked);
        recovery.checkNow();
        QVERIFY(checked.wait(20000));
        QCOMPARE(checked.first().first().toBool(), true);
        QCOMPARE(copies().size(), 1);
    }

    // Typing that never pauses long enough is copied all the same.
    void copiedWhileTypingGoesOn()
    {
        Rig rig(folder());
        rig.recovery.setIntervalsForTesting(2000, 600);
        QSignalSpy checked(&rig.recovery, &RecoveryCommands::checked);
        QElapsedTimer typing;
        typing.start();
        while (typing.elapsed() < 1900 && checked.isEmpty()) {
            type(rig.edit, QStringLiteral("א"));
            QTest::qWait(50);
        }
        QVERIFY2(!checked.isEmpty(), "no copy while typing went on");
        QVERIFY2(typing.elapsed() >= 600, qPrintable(QString::number(typing.elapsed())));
        QCOMPARE(copies().size(), 1);
    }

    // The text is taken in steps; an edit between them, in lines taken already, is in
    // the copy all the same.
    void editedWhileTaken_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("added");
        QTest::newRow("typed at the start") << 0 << 0 << QStringLiteral("א");
        QTest::newRow("first line break taken out") << 6 << 1 << QString();
        QTest::newRow("all replaced") << 0 << -1 << QStringLiteral("short");
    }

    void editedWhileTaken()
    {
        QFETCH(int, position);
        QFETCH(int, removed);
        QFETCH(QString, added);
        Rig rig(folder());
        QString text;
        for (int i = 0; i < 200000; ++i)
            text += QStringLiteral("line %1\n").arg(i);
        rig.edit->setPlainText(text);
        rig.recovery.checkNow();
        QTextCursor cursor(rig.edit->document());
        const int end = rig.edit->document()->characterCount() - 1;
        cursor.setPosition(position);
        cursor.setPosition(removed < 0 ? end : cursor.position() + removed, QTextCursor::KeepAnchor);
        cursor.insertText(added);
        QVERIFY(nextCheck(rig.recovery));
        QCOMPARE(copies(), QList<QByteArray>{DocumentFormat::encode(rig.editor.text())});
    }

    // Said once, however often it fails; the text and the editing go on.
    void unwritableFolderSaidOnce()
    {
        const QString file = path(QStringLiteral("file"));
        QVERIFY(TestFiles::writeBytes(file, "x"));
        Rig rig(file + QStringLiteral("/recovery"));
        for (const QString &typed : {QStringLiteral("א"), QStringLiteral("ב")}) {
            type(rig.edit, typed);
            rig.recovery.checkNow();
            QVERIFY(!nextCheck(rig.recovery));
        }
        QCOMPARE(rig.editor.text(), QStringLiteral("אב"));
        QCOMPARE(HebrewMessageBox::asked().size(), 1);
        QVERIFY(HebrewMessageBox::asked().first().text.startsWith(QStringLiteral("לא ניתן לשמור עותק לשחזור")));
        QVERIFY(HebrewMessageBox::asked().first().text.contains(file));
    }

    void normalEndTakesTheCopy()
    {
        auto rig = std::make_unique<Rig>(folder());
        type(rig->edit, QStringLiteral("א"));
        rig->recovery.checkNow();
        QVERIFY(nextCheck(rig->recovery));
        rig.reset();
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A copy restored opens as modified with its file, and the copy moves to this
    // instance once written; given up it goes; left for later it stays, free again.
    void answers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("restore") << int(QMessageBox::Yes);
        QTest::newRow("discard") << int(QMessageBox::No);
        QTest::newRow("later") << int(QMessageBox::Cancel);
    }

    void answers()
    {
        QFETCH(int, answer);
        const QString file = path(QStringLiteral("%1 a.txt"));
        const QString text = QStringLiteral("base and more");
        QVERIFY(TestFiles::writeBytes(file, DocumentFormat::encode(QStringLiteral("base"))));
        leaveCopy(text, {file, {}});
        Rig rig(folder());
        HebrewMessageBox::presetAnswer(QMessageBox::StandardButton(answer));
        rig.recovery.offerLeftCopies();
        QCOMPARE(HebrewMessageBox::asked().size(), 1);
        QVERIFY(HebrewMessageBox::asked().first().text.contains(file));
        QVERIFY(HebrewMessageBox::asked().first().text.contains(text));

        const bool restored = answer == QMessageBox::Yes;
        QCOMPARE(rig.editor.text(), restored ? text : QString());
        QCOMPARE(rig.document.fileName(), restored ? file : QString());
        QCOMPARE(rig.documents.isModified(), restored);
        QCOMPARE(rig.document.quickSavePending(), restored);
        if (restored)
            QVERIFY(nextCheck(rig.recovery));
        QCOMPARE(copies(),
                 answer == QMessageBox::No ? QList<QByteArray>() : QList<QByteArray>{DocumentFormat::encode(text)});
        QCOMPARE(Recovery::LeftCopy::find(folder()).size(), size_t(answer == QMessageBox::Cancel ? 1 : 0));
    }

    // A page from the wiki comes back with its base revision; a text its file already
    // holds comes back unmodified, and needs no copy of its own.
    void restoredOrigin_data()
    {
        QTest::addColumn<QString>("onDisk");
        QTest::addColumn<bool>("modified");
        QTest::newRow("page and file, file older") << QStringLiteral("old") << true;
        QTest::newRow("page and file, file as the copy") << QStringLiteral("new") << false;
    }

    void restoredOrigin()
    {
        QFETCH(QString, onDisk);
        QFETCH(bool, modified);
        const QString file = path(QStringLiteral("a.txt"));
        QVERIFY(TestFiles::writeBytes(file, DocumentFormat::encode(onDisk)));
        const WikiPage page{QStringLiteral("ספר"), 21, QStringLiteral("2024-01-02T03:04:05Z"),
                            QStringLiteral("2024-01-02T03:04:06Z")};
        leaveCopy(QStringLiteral("new"), {file, page});
        Rig rig(folder());
        HebrewMessageBox::presetAnswer(QMessageBox::Yes);
        rig.recovery.offerLeftCopies();
        QCOMPARE(rig.document.wikiPage(), page);
        QCOMPARE(rig.documents.isModified(), modified);
        QCOMPARE(nextCheck(rig.recovery), modified);
        QCOMPARE(copies().size(), modified ? 1 : 0);
    }

    // One question per copy, never over unsaved text, and one text restored per start.
    void questionsAsked_data()
    {
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("unsaved");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("stay");
        const QStringList two{QStringLiteral("one"), QStringLiteral("two")};
        const int later = QMessageBox::Cancel, restore = QMessageBox::Yes;
        QTest::newRow("two copies, both later") << two << QString() << QList<int>{later, later} << 2 << 2;
        QTest::newRow("two copies, first restored") << two << QString() << QList<int>{restore} << 1 << 1;
        QTest::newRow("unsaved text in the editor") << two << QStringLiteral("typed") << QList<int>{} << 0 << 2;
    }

    void questionsAsked()
    {
        QFETCH(QStringList, left);
        QFETCH(QString, unsaved);
        QFETCH(QList<int>, answers);
        QFETCH(int, questions);
        QFETCH(int, stay);
        for (const QString &text : left)
            leaveCopy(text);
        Rig rig(folder());
        rig.editor.setText(unsaved);
        for (int a : answers)
            HebrewMessageBox::presetAnswer(QMessageBox::StandardButton(a));
        rig.recovery.offerLeftCopies();
        QCOMPARE(HebrewMessageBox::asked().size(), questions);
        QCoreApplication::processEvents();
        QCOMPARE(Recovery::LeftCopy::find(folder()).size(), size_t(stay));
    }

    // The real editor, killed after it typed, and started again.
    void killedAndRestored_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("untitled") << "untitled" << QStringLiteral("שלום\nעולם") << QStringLiteral("שלום\r\nעולם");
        QTest::newRow("file, saved after") << "file" << QStringLiteral("שורה ") << QStringLiteral("שורה base\r\n");
        QTest::newRow("wiki page, saved there after") << "wiki" << QStringLiteral("X") << QStringLiteral("Xדף\r\nשני");
    }

    void killedAndRestored()
    {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const QString file = path(QStringLiteral("ערך.txt"));
        QVERIFY(TestFiles::writeBytes(file, "base\n"));
        CannedWiki wiki([](const CannedWiki::Request &r) {
            if (r["action"] == QLatin1String("edit"))
                return CannedWiki::json(R"({"edit":{"result":"Success","title":"T","newrevid":22}})");
            if (r["action"] == QLatin1String("query") && !r.has("meta"))
                return CannedWiki::json(QStringLiteral(R"({"curtimestamp":"2024-05-01T10:00:00Z","query":{"pages":[)"
                                                       R"({"title":"T","revisions":[{"revid":21,)"
                                                       R"("timestamp":"2024-04-30T09:00:00Z",)"
                                                       R"("slots":{"main":{"content":"דף\nשני"}}}]}]}})")
                                            .toUtf8());
            return CannedWiki::session(r);
        });
        QStringList first{QStringLiteral("--type"), typed};
        QStringList second{QStringLiteral("--answer"), QStringLiteral("Yes"), QStringLiteral("--report"),
                           path(QStringLiteral("second.json"))};
        QStringList program;
        if (kind == QLatin1String("file")) {
            program = QStringList{QStringLiteral("/o"), file};
            second << QStringLiteral("--press") << QStringLiteral("QuickSave");
        } else {
            // The question before leaving with text not saved to a file.
            second << QStringLiteral("--answer") << QStringLiteral("Yes");
        }
        if (kind == QLatin1String("wiki")) {
            const QStringList api{QStringLiteral("--api"), wiki.api().toString()};
            first << api << QStringLiteral("--wiki") << QStringLiteral("T") << QStringLiteral("--input")
                  << QStringLiteral("T");
            second << api << QStringLiteral("--press") << QStringLiteral("SaveToWiki");
        }

        std::unique_ptr<QProcess> killed = startEditor(first, program);
        const QByteArray bytes = DocumentFormat::encode(expected);
        QTRY_COMPARE_WITH_TIMEOUT(describedCopies(), QList<QByteArray>{bytes}, 30000);
        killed->kill();
        QVERIFY(killed->waitForFinished());

        std::unique_ptr<QProcess> again = startEditor(second);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path(QStringLiteral("second.json"))), 30000);
        QCOMPARE(TestFiles::readBytes(path(QStringLiteral("second.json.txt"))), bytes);
        const QJsonObject shown = report(QStringLiteral("second.json"));
        QVERIFY(shown[QStringLiteral("asked")][0].toString().startsWith(QStringLiteral("בהפעלה קודמת")));
        if (kind == QLatin1String("untitled")) {
            QVERIFY(shown[QStringLiteral("asked")][0].toString().contains(RecoveryCommands::UnnamedText));
        } else if (kind == QLatin1String("file")) {
            QVERIFY(shown[QStringLiteral("title")].toString().contains(QStringLiteral("ערך.txt")));
            QCOMPARE(TestFiles::readBytes(file), bytes);
            // Saved: the copy is gone while the editor still runs.
            QTRY_COMPARE_WITH_TIMEOUT(copies(), QList<QByteArray>(), 10000);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(wiki.requestsWith("action", QStringLiteral("edit")).size(), 1, 30000);
            const CannedWiki::Request sent = wiki.requestsWith("action", QStringLiteral("edit")).first();
            QCOMPARE(sent["title"], QStringLiteral("T"));
            QCOMPARE(sent["baserevid"], QStringLiteral("21"));
            QCOMPARE(sent["basetimestamp"], QStringLiteral("2024-04-30T09:00:00Z"));
            QCOMPARE(sent["starttimestamp"], QStringLiteral("2024-05-01T10:00:00Z"));
            QCOMPARE(sent["text"], QStringLiteral("Xדף\nשני"));
        }
        leave(*again);
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // Two editors at once keep a copy each and never offer each other's; the one
    // killed is offered to the next, the other's stays its own.
    void twoInstances()
    {
        const QString firstText = QStringLiteral("אחד"), secondText = QStringLiteral("שתיים");
        std::unique_ptr<QProcess> first = startEditor({QStringLiteral("--type"), firstText});
        QTRY_COMPARE_WITH_TIMEOUT(describedCopies().size(), 1, 30000);
        std::unique_ptr<QProcess> second = startEditor({QStringLiteral("--type"), secondText,
                                                        QStringLiteral("--report"), path(QStringLiteral("second.json")),
                                                        QStringLiteral("--answer"), QStringLiteral("Yes")});
        QTRY_COMPARE_WITH_TIMEOUT(describedCopies().size(), 2, 30000);
        QCOMPARE(report(QStringLiteral("second.json"))[QStringLiteral("asked")].toArray().size(), 0);
        first->kill();
        QVERIFY(first->waitForFinished());

        std::unique_ptr<QProcess> third = startEditor({QStringLiteral("--answer"), QStringLiteral("Yes"),
                                                       QStringLiteral("--answer"), QStringLiteral("Yes"),
                                                       QStringLiteral("--report"), path(QStringLiteral("third.json"))});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path(QStringLiteral("third.json"))), 30000);
        QCOMPARE(report(QStringLiteral("third.json"))[QStringLiteral("asked")].toArray().size(), 1);
        QCOMPARE(TestFiles::readBytes(path(QStringLiteral("third.json.txt"))), DocumentFormat::encode(firstText));
        QVERIFY(copies().contains(DocumentFormat::encode(secondText)));
        leave(*second);
        leave(*third);
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    QApplication app(argc, argv);
    RecoveryCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryCommandsTest.moc"
