#include "app/DalvanaApp.h"

#include "app/MainWindow.h"
#include "gui/AppIcons.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "platform/Settings.h"

#include <QApplication>

#include <memory>

namespace {

void showSettingsError(const QString &message)
{
    HebrewMessageBox::notice(message);
}

} // namespace

int runDalvana(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);
    HebrewUi::install(app);
    // Leaving is decided by Exit and the tray, not by the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    AppIcons::install();
    Settings::setErrorReporter(&showSettingsError);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    // While starting, each settings problem is shown once, a broken file first.
    auto startUpReports = std::make_unique<Settings::ReportOnce>();
    Settings::checkFile();

    MainWindow window;
    window.start(arguments);

    startUpReports.reset();
    window.centreOnScreen();
    window.show();
    return app.exec();
}
