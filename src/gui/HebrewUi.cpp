#include "gui/HebrewUi.h"

#include <QApplication>

namespace HebrewUi {

QFont davidFont(int pixelSize)
{
    QFont font(QStringLiteral("David"));
    font.setPixelSize(pixelSize);
    return font;
}

void install(QApplication &app)
{
    app.setLayoutDirection(Qt::RightToLeft);
}

} // namespace HebrewUi
