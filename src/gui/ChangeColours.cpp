#include "gui/ChangeColours.h"

#include <QPalette>

namespace ChangeColours {

QColor background(const QPalette &palette, Mark mark, bool strong)
{
    static const QColor hues[] = {QColor(230, 40, 40), QColor(30, 170, 60), QColor(40, 110, 230), QColor(150, 60, 200),
                                  QColor(235, 140, 0)};
    const QColor base = palette.color(QPalette::Base);
    const QColor hue = hues[int(mark)];
    // A dark base needs more of the hue before it shows; the text stays light on it.
    const bool dark = base.lightness() < 128;
    const qreal share = strong ? (dark ? 0.55 : 0.45) : (dark ? 0.3 : 0.18);
    return QColor::fromRgbF(base.redF() + (hue.redF() - base.redF()) * share,
                            base.greenF() + (hue.greenF() - base.greenF()) * share,
                            base.blueF() + (hue.blueF() - base.blueF()) * share);
}

} // namespace ChangeColours
