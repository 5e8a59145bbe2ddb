#pragma once

#include "app/AppIcons.h"
#include "app/HebrewMessageBox.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "wikitext/DocumentFormat.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// What the window tests share: icons installed, questions answered without a window and
// remembered, and a settings file of their own in a temporary folder.
namespace MainWindowFixture {

inline void startTestCase()
{
    AppIcons::install();
    HebrewMessageBox::setTestMode(true);
}

// A dialog on its own, laid out right to left as the program lays it out.
inline void startDialogTestCase()
{
    QApplication::setLayoutDirection(Qt::RightToLeft);
    HebrewMessageBox::setTestMode(true);
}

inline void useSettingsIn(const QTemporaryDir &dir)
{
    Settings::setIniPathForTesting(dir.filePath(QStringLiteral("Dalvana.ini")));
}

// One settings file in `dir` for the whole test case, kept from test to test.
inline void startTestCase(const QTemporaryDir &dir)
{
    startTestCase();
    useSettingsIn(dir);
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

inline void press(TForm1 &form, const char *action)
{
    form.action(QLatin1String(action))->trigger();
}

// A document as the program reads it back; empty when it cannot be read.
inline QString readDocument(const QString &path)
{
    QString text, error;
    DocumentFormat::readFile(path, &text, &error);
    return text;
}

} // namespace MainWindowFixture
