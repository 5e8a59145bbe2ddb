#include "app/DalvanaApp.h"

#include "app/AppIcons.h"
#include "app/HebrewMessageBox.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "app/TOptions.h"
#include "dialogs/find/TFindF.h"
#include "dialogs/stats/TStats.h"
#include "dialogs/verbs/TVerbsForm.h"

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
    QApplication::setLayoutDirection(Qt::RightToLeft);
    // Leaving is decided by Exit and the tray, not by the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    AppIcons::install();
    Settings::setErrorReporter(&showSettingsError);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    // While starting, each settings problem is shown once, a broken file first.
    auto startUpReports = std::make_unique<Settings::ReportOnce>();
    Settings::checkFile();

    // The windows in their fixed order; only the main window is shown.
    TForm1 form1;
    form1.FormCreate(arguments);
    const auto options = TOptions::forMainWindow(form1);
    TFindF findF(&form1);
    TStats stats(&form1);
    TVerbsForm verbsForm(&form1);

    startUpReports.reset();
    form1.centreOnScreen();
    form1.show();
    return app.exec();
}
