#pragma once

#include "app/AboutMode.h"
#include "app/DocumentModel.h"
#include "app/EditorAdapter.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "regex/RegEx.h"

#include <QMenu>
#include <QObject>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QLineEdit;

// An editor set up as the main window sets up its own, in a window of the main
// window's size, with the models and widgets the command groups are handed. A test
// builds the groups it tries on these.
struct EditorHost
{
    EditorHost();

    QWidget window;
    QPlainTextEdit *widget;
    EditorAdapter editor;
    RegEx regEx;
    DocumentModel document;
    PreferencesModel preferences;
    AboutMode aboutMode;
    QLabel *statusLabel;
    QLineEdit *jumpQuery;
    QMenu recentMenu;

    // The text put in as a document is, then the selection set on it.
    void set(const EditorState &state);
};

// What every window test sets up: right to left with the program's pictures, each
// question answered by the test and remembered, and before each test a new settings
// file with the defaults (or none, as on a first start), in a folder of the test's
// own. A test that wants more in init() calls it first; what it keeps itself on the
// host goes in its cleanup() before this one's.
class WindowTestCase : public QObject
{
    Q_OBJECT

public:
    enum class SettingsFile { Defaults, None };
    explicit WindowTestCase(SettingsFile settings = SettingsFile::Defaults)
        : m_settings(settings)
    {
    }

protected slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    // The editor host of the running test, made on first use.
    EditorHost &host();

    // Made for the running test, and gone at its end, the last made first, before the
    // host the groups and dialogs were made on.
    template <typename T, typename... Args> T &make(Args &&...args)
    {
        auto made = std::make_shared<T>(std::forward<Args>(args)...);
        m_made.push_back(made);
        return *made;
    }

    QTemporaryDir m_dir;

private:
    SettingsFile m_settings;
    std::unique_ptr<EditorHost> m_host;
    std::vector<std::shared_ptr<void>> m_made;
};
