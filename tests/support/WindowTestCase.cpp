#include "support/WindowTestCase.h"

#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

EditorHost::EditorHost()
    : widget(new QPlainTextEdit(&window))
    , editor(widget)
    , statusLabel(new QLabel(&window))
    , jumpQuery(new QLineEdit(&window))
{
    window.resize(769, 483);
    widget->setObjectName(QStringLiteral("ArticleText"));
    widget->setGeometry(16, 24, 737, 441);
    widget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HebrewUi::setUpArticleEditor(*widget);
    statusLabel->setObjectName(QStringLiteral("StatusBar"));
    jumpQuery->setObjectName(QStringLiteral("JumpQuery"));
    jumpQuery->setGeometry(16, 0, 123, 24);
}

void EditorHost::set(const EditorState &state)
{
    editor.setText(state.text);
    editor.apply(state);
}

void WindowTestCase::initTestCase()
{
    MainWindowFixture::startTestCase();
}

void WindowTestCase::init()
{
    if (m_settings == SettingsFile::None)
        MainWindowFixture::removeSettings(m_dir);
    else
        MainWindowFixture::freshSettings(m_dir);
    // No answer or question left over from the test before.
    HebrewMessageBox::setTestMode(true);
}

void WindowTestCase::cleanup()
{
    while (!m_made.empty())
        m_made.pop_back();
    m_host.reset();
}

EditorHost &WindowTestCase::host()
{
    if (!m_host)
        m_host = std::make_unique<EditorHost>();
    return *m_host;
}
