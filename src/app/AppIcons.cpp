#include "app/AppIcons.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStandardPaths>

namespace AppIcons {

namespace {

QIcon themed(const char *name)
{
    return QIcon::fromTheme(QString::fromLatin1(name));
}

QPixmap canvas()
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

void install()
{
    // Some platforms (the offscreen one among them) look for themes nowhere but in
    // the resources; add the desktop's icon folders.
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList dataDirs = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    for (const QString &dir : dataDirs) {
        if (!paths.contains(dir))
            paths.append(dir);
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
}

QIcon glyph(const QString &text, bool bold, int pixelSize)
{
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("David"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(QColor(20, 20, 90));
    painter.drawText(QRect(0, -1, 16, 18), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

QIcon led(const QColor &color)
{
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient light(QPointF(6, 6), 8);
    light.setColorAt(0, color.lighter(170));
    light.setColorAt(1, color.darker(130));
    painter.setBrush(light);
    painter.setPen(color.darker(200));
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return QIcon(pixmap);
}

QIcon heart()
{
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(8, 14);
    path.cubicTo(1, 9, 1, 3, 4.5, 2.5);
    path.cubicTo(6.5, 2.2, 7.6, 3.5, 8, 5);
    path.cubicTo(8.4, 3.5, 9.5, 2.2, 11.5, 2.5);
    path.cubicTo(15, 3, 15, 9, 8, 14);
    painter.setBrush(QColor(210, 30, 60));
    painter.setPen(Qt::NoPen);
    painter.drawPath(path);
    return QIcon(pixmap);
}

// A letter carrying a point: the letter pale, the point dark and thickened, since
// at toolbar size a point drawn as the font has it is hardly to be seen.
QIcon pointGlyph(const QString &pointed)
{
    constexpr int size = 32;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("David"));
    font.setPixelSize(30);
    const QString letter = pointed.left(1);
    QPainterPath whole, bare;
    whole.addText(0, 0, font, pointed);
    bare.addText(0, 0, font, letter);
    const QRectF box = whole.boundingRect();
    const QPointF shift = QPointF(size / 2.0, size / 2.0) - box.center();
    whole.translate(shift);
    bare.translate(shift);
    const QPainterPath point = whole.subtracted(bare);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 80, 120));
    painter.drawPath(bare);
    painter.setPen(QPen(QColor(150, 0, 0), 2.5));
    painter.setBrush(QColor(150, 0, 0));
    painter.drawPath(point);
    painter.end();
    return QIcon(pixmap);
}

QIcon toolbarImage(int index)
{
    // The point pictures show a letter carrying the point.
    static const QHash<int, QString> points = {
        {0, QStringLiteral("בָ")},  {1, QStringLiteral("אֳ")},  {2, QStringLiteral("בַ")},
        {3, QStringLiteral("אֲ")},  {4, QStringLiteral("בֶ")},  {5, QStringLiteral("אֱ")},
        {6, QStringLiteral("בֵ")},  {7, QStringLiteral("בְ")},  {8, QStringLiteral("בּ")},
        {9, QStringLiteral("שׁ")},  {10, QStringLiteral("שׂ")}, {11, QStringLiteral("בֹ")},
        {12, QStringLiteral("בֻ")}, {13, QStringLiteral("וּ")}, {29, QStringLiteral("בִ")},
    };
    if (points.contains(index))
        return pointGlyph(points.value(index));
    switch (index) {
    case 14: return glyph(QStringLiteral("ב"), true, 17);          // bold
    case 15: return glyph(QStringLiteral("״"), true, 18);          // quotation
    case 16: return glyph(QStringLiteral("∑"), false, 15);         // mathematics
    case 17: return glyph(QStringLiteral("ק"), false, 11);         // small text
    case 18: return themed("globe");                               // Wikipedia
    case 19: return glyph(QStringLiteral("↵"), true, 15);          // line break
    case 20: return themed("format-list-unordered");               // example sentences
    case 21: return themed("preferences-desktop-locale");          // translations
    case 22: return glyph(QStringLiteral("<>"), false, 12);        // no wiki markup
    case 23: return themed("go-jump");                             // read the page
    case 24: return themed("view-refresh");                        // recent changes
    case 25: return themed("document-edit");                       // edit the page
    case 26: return themed("edit-find");                           // Google
    case 27: return themed("insert-image");                        // Commons
    default: return QIcon();
    }
}

QIcon menuImage(int index)
{
    switch (index) {
    case 23: return themed("checkmark");            // browser menu installed
    case 24: return themed("internet-web-browser"); // browser menu not installed
    case 29: return themed("preferences-desktop-locale");
    case 38: return themed("text-plain");            // a recent file
    default: return QIcon();
    }
}

} // namespace AppIcons
