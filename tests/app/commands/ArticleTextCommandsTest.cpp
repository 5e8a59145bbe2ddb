#include "app/commands/ArticleTextCommands.h"
#include "app/commands/MarkupCommands.h"
#include "support/EditorNotation.h"
#include "support/TestFiles.h"
#include "support/WindowTestCase.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using EditorNotation::parse;
using EditorNotation::write;

namespace {

// A key as a person presses it: its key code, the character it types and the held keys.
void press(QWidget *w, int key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key(key), text, modifiers);
}

// Types text the way the keys would produce it: "@" as Shift+2, the rest as plain keys.
void type(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        if (c == QLatin1Char('@')) {
            press(w, Qt::Key_Shift, QString(), Qt::ShiftModifier);
            press(w, Qt::Key_At, QStringLiteral("@"), Qt::ShiftModifier);
        } else {
            const int key = c.unicode() < 128 ? QChar(c).toUpper().unicode() : c.unicode();
            press(w, key, QString(c));
        }
    }
}

// The editor's own keys and menu, made on an editor host as the window makes them.
struct Window
{
    explicit Window(EditorHost &h)
        : host(h)
        , markup(h.editor)
        , group(h.editor, h.document, markup, *h.statusLabel, *h.jumpQuery)
    {
    }

    EditorHost &host;
    MarkupCommands markup;
    ArticleTextCommands group;

    QPlainTextEdit *editor() { return host.widget; }
    ArticleTextCommands *commands() { return &group; }
    void set(const QString &written) { host.set(parse(written)); }
    QString get() { return write(host.editor.state()); }
    QString text() { return host.editor.text(); }
    QString status() { return host.statusLabel->text(); }
};

using Kind = ArticleTextCommands::KeyKind;

} // namespace

Q_DECLARE_METATYPE(Kind)

class ArticleTextCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        WindowTestCase::initTestCase();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void keys_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("after");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+A selects all") << "ab‸c" << int(Qt::Key_A) << "\x01" << ctrl << "⟦abc⟧";
        QTest::newRow("Ctrl+Shift+A selects all")
            << "ab‸c" << int(Qt::Key_A) << "" << int(ctrl | Qt::ShiftModifier) << "⟦abc⟧";
        QTest::newRow("Ctrl+B bold") << "a⟦b⟧c" << int(Qt::Key_B) << "\x02" << ctrl << "a'''b'''‸c";
        QTest::newRow("Ctrl+B on the Hebrew layout") << "a⟦b⟧c" << 0x05E0 << "נ" << ctrl << "a'''b'''‸c";
        QTest::newRow("Ctrl+L small") << "⟦אב⟧" << int(Qt::Key_L) << "\x0c" << ctrl << "<small>אב</small>‸";
        QTest::newRow("Ctrl+L on the Hebrew layout") << "‸" << 0x05DA << "ך" << ctrl << "<small>‸";
        QTest::newRow("Ctrl+Q quote") << "⟦שלום⟧" << int(Qt::Key_Q) << "\x11" << ctrl << "#:* {{הדגשה|\"שלום\"|(‸)}}";
        QTest::newRow("Ctrl+W link") << "⟦abc⟧" << int(Qt::Key_W) << "\x17" << ctrl << "[[w:abc|abc]]‸";
        QTest::newRow("Ctrl+W without a selection") << "ab‸c" << int(Qt::Key_W) << "\x17" << ctrl << "ab‸c";
        QTest::newRow("Ctrl+minus maqaf") << "כל‸" << int(Qt::Key_Minus) << "-" << ctrl << "כל־‸";
        QTest::newRow("Ctrl+minus replaces the selection")
            << "כל⟦-⟧בו" << int(Qt::Key_Minus) << "-" << ctrl << "כל־‸בו";
        QTest::newRow("Ctrl+Shift+minus maqaf")
            << "כל‸" << int(Qt::Key_Underscore) << "_" << int(ctrl | Qt::ShiftModifier) << "כל־‸";
        // AltGr+minus: the layout types what it types there, the editor adds nothing.
        QTest::newRow("Ctrl+Alt+minus nothing")
            << "כל‸" << int(Qt::Key_Minus) << "" << int(ctrl | Qt::AltModifier) << "כל‸";
        QTest::newRow("minus alone types a hyphen") << "כל‸" << int(Qt::Key_Minus) << "-" << 0 << "כל-‸";
        QTest::newRow("Shift+2 types @") << "‸" << int(Qt::Key_At) << "@" << int(Qt::ShiftModifier) << "@‸";
    }

    void keys()
    {
        QFETCH(QString, before);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(QString, after);
        Window w(host());
        w.set(before);
        press(w.editor(), key, text, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.get(), after);
    }

    void lastKeyKind_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("Shift+2") << int(Qt::Key_At) << int(Qt::ShiftModifier) << Kind::At;
        QTest::newRow("Shift+2 as the digit key") << int(Qt::Key_2) << int(Qt::ShiftModifier) << Kind::At;
        QTest::newRow("2 alone") << int(Qt::Key_2) << 0 << Kind::Other;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << Kind::Other;
        QTest::newRow("a letter") << 0x05D0 << 0 << Kind::Other;
        QTest::newRow("Ctrl+A, consumed") << int(Qt::Key_A) << int(Qt::ControlModifier) << Kind::Other;
    }

    void lastKeyKind()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(Kind, kind);
        Window w(host());
        QCOMPARE(w.commands()->lastKeyKind(), Kind::None);
        press(w.editor(), Qt::Key_At, QStringLiteral("@"), Qt::ShiftModifier);
        if (kind == Kind::At)
            press(w.editor(), Qt::Key_Shift, QString(), Qt::ShiftModifier);
        press(w.editor(), key, QString(), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.commands()->lastKeyKind(), kind);
    }

    // The context menu's undo is the one of Ctrl+Z.
    void undoIsOneStep_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Ctrl+Z") << false;
        QTest::newRow("context menu") << true;
    }

    void undoIsOneStep()
    {
        QFETCH(bool, fromMenu);
        Window w(host());
        const auto undo = [&w, fromMenu] {
            if (!fromMenu) {
                press(w.editor(), Qt::Key_Z, QString(), Qt::ControlModifier);
                return;
            }
            std::unique_ptr<QMenu> menu(w.commands()->createContextMenu());
            QAction *first = menu->actions().constFirst();
            QCOMPARE(first->text(), QStringLiteral("ביטול פעולה"));
            first->trigger();
        };
        w.set(QStringLiteral("abc‸"));
        type(w.editor(), QStringLiteral("d"));
        w.host.editor.apply(parse(QStringLiteral("abcd⟦⟧")));
        w.markup.lineBreak();
        QCOMPARE(w.text(), QStringLiteral("abcd<br/>"));
        undo();
        QCOMPARE(w.text(), QStringLiteral("abcd"));
        // A second undo neither goes back further nor redoes.
        undo();
        QCOMPARE(w.text(), QStringLiteral("abcd"));
        QVERIFY(!w.editor()->document()->isUndoAvailable());
        QVERIFY(!w.editor()->document()->isRedoAvailable());
    }

    void undoAfterTypingBehindACommand()
    {
        Window w(host());
        w.set(QStringLiteral("⟦one⟧"));
        press(w.editor(), Qt::Key_B, QString(), Qt::ControlModifier);
        type(w.editor(), QStringLiteral(" two"));
        QCOMPARE(w.text(), QStringLiteral("'''one''' two"));
        press(w.editor(), Qt::Key_Z, QString(), Qt::ControlModifier);
        QCOMPARE(w.text(), QStringLiteral("'''one'''"));
    }

    void typedRoots_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("three letters") << "‸"
                                       << "@כתב@"
                                       << "[[:קטגוריה:כתב (שורש)|כ־ת־ב]]‸";
        QTest::newRow("with an index") << "‸"
                                       << "@ספר א@"
                                       << "[[:קטגוריה:ספר א (שורש)|ס־פ־ר <small>א</small>]]‸";
        QTest::newRow("with hyphens, inside a line") << "שורש: ‸."
                                                     << "@כ-ת-ב@"
                                                     << "שורש: [[:קטגוריה:כתב (שורש)|כ־ת־ב]]‸.";
        QTest::newRow("two letters") << "‸"
                                     << "@אב@"
                                     << "@אב@‸";
        QTest::newRow("ten letters") << "‸"
                                     << "@אבגדהוזחטי@"
                                     << "@אבגדהוזחטי@‸";
        QTest::newRow("a lone sign") << "‸"
                                     << "@כתב"
                                     << "@כתב‸";
        QTest::newRow("typed after the pair, nothing") << "@כתב@ ‸"
                                                       << "x"
                                                       << "@כתב@ x‸";
        QTest::newRow("a later pair follows") << "‸ @ספר@"
                                              << "@כתב@"
                                              << "[[:קטגוריה:כתב (שורש)|כ־ת־ב]]‸ [[:קטגוריה:ספר (שורש)|ס־פ־ר]]";
    }

    void typedRoots()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        Window w(host());
        w.set(before);
        type(w.editor(), typed);
        QCOMPARE(w.get(), after);
        QCOMPARE(w.status(), QStringLiteral("[ %1 תווים ]").arg(w.text().size()));
    }

    void rootLinkIsUndoneAlone()
    {
        Window w(host());
        type(w.editor(), QStringLiteral("@כתב@"));
        press(w.editor(), Qt::Key_Z, QString(), Qt::ControlModifier);
        QCOMPARE(w.text(), QStringLiteral("@כתב@"));
    }

    void rootLinkKeepsTheView()
    {
        Window w(host());
        w.host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.host.window));
        QString text;
        for (int i = 0; i < 400; ++i)
            text += QStringLiteral("שורה %1\r\n").arg(i);
        w.host.editor.setText(text);
        const int at = int(text.indexOf(QStringLiteral("שורה 200")));
        w.host.editor.apply(EditorState{text, at, 0});
        QScrollBar *bar = w.editor()->verticalScrollBar();
        const int top = bar->value();
        QVERIFY(top > 0);
        type(w.editor(), QStringLiteral("@כתב@"));
        QCOMPARE(bar->value(), top);
        QCOMPARE(w.host.editor.state().selStart, at + 29);
    }

    void statusLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty") << ""
                               << "[ 0 תווים ]";
        QTest::newRow("a line break counts two") << "א\r\nב"
                                                 << "[ 4 תווים ]";
        QTest::newRow("empty lines") << "\r\n\r\n"
                                     << "[ 4 תווים ]";
        QTest::newRow("thousands grouped") << QString(1230, QLatin1Char('x')) + "\r\nab"
                                           << "[ 1,234 תווים ]";
    }

    void statusLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, caption);
        Window w(host());
        w.host.editor.setText(QStringLiteral("something else"));
        w.host.editor.setText(text);
        QCOMPARE(w.status(), caption);
    }

    void quickSaveFollowsTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("entry.txt"));
        QVERIFY(TestFiles::writeBytes(path, "abc"));
        Window w(host());
        DocumentModel &document = w.host.document;
        type(w.editor(), QStringLiteral("x"));
        QVERIFY2(!document.quickSavePending(), "no file: quick save stays off");
        document.setFileName(path);
        type(w.editor(), QStringLiteral("y"));
        QVERIFY(document.quickSavePending());
        // A file that has gone does not turn it on.
        document.setQuickSavePending(false);
        QVERIFY(QFile::remove(path));
        type(w.editor(), QStringLiteral("z"));
        QVERIFY(!document.quickSavePending());
    }

    void changeTakesFocusFromTheJumpBox()
    {
        Window w(host());
        w.host.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.host.window));
        w.host.jumpQuery->setFocus();
        QVERIFY(w.host.jumpQuery->hasFocus());
        w.host.editor.apply(EditorState{QStringLiteral("א"), 1, 0});
        QVERIFY(w.editor()->hasFocus());
    }
};

QTEST_MAIN(ArticleTextCommandsTest)
#include "ArticleTextCommandsTest.moc"
