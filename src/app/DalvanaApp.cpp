#include "app/DalvanaApp.h"

#include "app/ClipboardKeeper.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "gui/AppIcons.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "platform/MemoryPolicy.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

#include <memory>

namespace {

void showSettingsError(const QString &message)
{
    HebrewMessageBox::notice(message);
}

} // namespace

int runDalvana(int argc, char *argv[])
{
    // Read before the application object, which needs a display that --help does not.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Request request = CommandLine::parse(given, QDir::currentPath());
    if (request.kind == CommandLine::Request::Kind::KeepClipboard) {
        QApplication keeper(argc, argv);
        return ClipboardKeeper::keep(request.arguments.value(0));
    }
    if (request.kind != CommandLine::Request::Kind::Start) {
        const bool bad = request.kind == CommandLine::Request::Kind::BadUsage;
        std::fputs(request.message.toLocal8Bit().constData(), bad ? stderr : stdout);
        return bad ? 2 : 0;
    }

    MemoryPolicy::returnLargeBlocks();
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);
    HebrewUi::install(app);
    // Leaving is decided by Exit and the tray, not by the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    AppIcons::install();
    Settings::setErrorReporter(&showSettingsError);

    // While starting, each settings problem is shown once, a broken file first.
    auto startUpReports = std::make_unique<Settings::ReportOnce>();
    Settings::checkFile();

    MainWindow window;
    window.start(request.arguments);

    startUpReports.reset();
    window.centreOnScreen();
    window.show();
    return app.exec();
}
