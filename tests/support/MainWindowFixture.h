#pragma once

#include "app/MainWindow.h"
#include "gui/AppIcons.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "platform/Settings.h"
#include "wikitext/DocumentFormat.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>
#include <QToolBar>

#include <QTemporaryDir>
#include <functional>

// What the window tests share: icons installed, questions answered without a window and
// remembered, and a settings file of their own in a temporary folder.
namespace MainWindowFixture {

inline void startTestCase()
{
    HebrewUi::install(*qApp);
    AppIcons::install();
    HebrewMessageBox::setTestMode(true);
}

inline void useSettingsIn(const QTemporaryDir &dir)
{
    Settings::setIniPathForTesting(dir.filePath(QStringLiteral("Dalvana.ini")));
}

// No settings file at all, as on a first start.
inline void removeSettings(const QTemporaryDir &dir)
{
    useSettingsIn(dir);
    QFile::remove(Settings::iniPath());
}

// A new settings file holding the defaults.
inline void freshSettings(const QTemporaryDir &dir)
{
    removeSettings(dir);
    Settings::ensureFile();
}

// The texts of the questions and notices shown since the last clearAsked().
inline QStringList askedTexts()
{
    QStringList list;
    for (const HebrewMessageBox::Asked &a : HebrewMessageBox::asked())
        list << a.text;
    return list;
}

// A control of the window by its name, as a reader finds it.
template <typename T> T *child(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    Q_ASSERT_X(found, "child", qPrintable(name));
    return found;
}

// A menu item or toolbar button by its name; a submenu by the menu's name.
inline QAction *action(QWidget &window, const QString &name)
{
    if (auto *found = window.findChild<QAction *>(name))
        return found;
    return child<QMenu>(window, name)->menuAction();
}

// A window of its own that `owner` opened (a dialog) by its name; another window of
// the test may hold one of the same name.
template <typename T> T *topLevel(const QWidget &owner, const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == name && window->parentWidget() && window->parentWidget()->window() == &owner) {
            if (auto *found = qobject_cast<T *>(window))
                return found;
        }
    }
    Q_ASSERT_X(false, "topLevel", qPrintable(name));
    return nullptr;
}

// The window's editor by its name, read and written as the commands read and write it.
// A text long enough to come in from the event loop would come in past the window's
// own reader: tests that need one build the groups on an editor host.
class ArticleText : public EditorAdapter
{
public:
    explicit ArticleText(QWidget &window)
        : EditorAdapter(child<QPlainTextEdit>(window, QStringLiteral("ArticleText")))
    {
    }

    void set(const EditorState &state)
    {
        setText(state.text);
        apply(state);
    }
};

inline QLabel *label(QWidget &window, const char *name)
{
    return child<QLabel>(window, QLatin1String(name));
}

inline QLineEdit *jumpQuery(QWidget &window)
{
    return child<QLineEdit>(window, QStringLiteral("JumpQuery"));
}

inline QToolBar *toolBar(QWidget &window)
{
    return child<QToolBar>(window, QStringLiteral("ToolBar"));
}

inline void press(MainWindow &form, const char *name)
{
    action(form, QLatin1String(name))->trigger();
}

// Runs `step` from the application's own event loop; true when the program left it.
// The time limit starts only once the step has run, so a slow start under a sanitizer
// or a busy machine cannot end the loop first.
inline bool leavesEventLoop(const std::function<void()> &step)
{
    QTimer start;
    QTimer limit;
    start.setSingleShot(true);
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    QObject::connect(&start, &QTimer::timeout, qApp, [&step, &limit] {
        limit.start(300);
        step();
    });
    start.start(0);
    return QCoreApplication::exec() == 0;
}

// A document as the program reads it back; empty when it cannot be read.
inline QString readDocument(const QString &path)
{
    QString text, error;
    DocumentFormat::readFile(path, &text, &error);
    return text;
}

} // namespace MainWindowFixture
