#pragma once

#include "platform/Settings.h"

#include <QList>
#include <QString>
#include <QUrl>

// What ShellOpen::open did, or would have done while a recorder is installed.
struct ShellOpenRequest
{
    enum class Kind { Address, Program };
    Kind kind = Kind::Address;
    QString target;           // as ShellOpen::open got it
    QUrl url;                 // Address: what the handler gets
    QString program;          // Program: the file started
    QString workingDirectory; // Program: its own folder
    Settings::ShowMode showMode = Settings::ShowMode::Normal;
};

// While one exists, ShellOpen::open records its requests here instead of opening
// anything, so that no test starts a browser.
class ShellOpenRecorder
{
public:
    ShellOpenRecorder();
    ~ShellOpenRecorder();
    ShellOpenRecorder(const ShellOpenRecorder &) = delete;
    ShellOpenRecorder &operator=(const ShellOpenRecorder &) = delete;

    QList<ShellOpenRequest> requests;
    // The targets as ShellOpen::open got them, in order.
    QStringList targets() const;

private:
    ShellOpenRecorder *m_previous;
};

namespace ShellOpen {

// How windows the shell opens for the program start (web pages, help, programs).
Settings::ShowMode externalWindowShowMode();

// Hands a web address, a document or a program to the desktop: an address or a
// document goes to its handler (the browser for web pages), a program file is
// started on its own with its folder as working directory. Nothing is reported:
// when nothing can open the target, nothing happens.
void open(const QString &target);

// The request open() makes for `target`; nothing for a path that names no file.
bool requestFor(const QString &target, ShellOpenRequest *request);

} // namespace ShellOpen
