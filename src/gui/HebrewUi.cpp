#include "gui/HebrewUi.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>
#include <QTreeView>

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

void setUpFileDialog(QFileDialog &dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The dialog's parts by the names Qt gives them.
    for (const char *name : {"lookInCombo", "fileNameEdit", "treeView", "listView"}) {
        if (auto *part = dialog.findChild<QWidget *>(QLatin1String(name)))
            part->setLayoutDirection(Qt::LeftToRight);
    }
    if (auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("treeView")))
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
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
