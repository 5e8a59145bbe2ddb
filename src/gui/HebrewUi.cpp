#include "gui/HebrewUi.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace HebrewUi {

QFont davidFont(int pixelSize)
{
    QFont font(QStringLiteral("David"));
    font.setPixelSize(pixelSize);
    return font;
}

bool install(QApplication &app)
{
    app.setLayoutDirection(Qt::RightToLeft);
    // Qt's own texts (file dialogs, context menus, standard buttons) in Hebrew.
    auto *translator = new QTranslator(&app);
    const bool loaded = translator->load(QLocale(QLocale::Hebrew, QLocale::Israel), QStringLiteral("qt"),
                                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        app.installTranslator(translator);
    else
        delete translator;
    return loaded;
}

} // namespace HebrewUi
