#include "gui/HebrewUi.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

namespace HebrewUi {

namespace {

// Right to left, a style's picture on a dialog button pushes the caption against the
// far edge; the caption alone stays centred.
class CaptionOnlyButtons : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

QFont davidFont(int pixelSize)
{
    QFont font(QStringLiteral("David"));
    font.setPixelSize(pixelSize);
    return font;
}

bool install(QApplication &app)
{
    app.setLayoutDirection(Qt::RightToLeft);
    app.setStyle(new CaptionOnlyButtons);
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
