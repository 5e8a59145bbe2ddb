#include "gui/AppIcons.h"

#include "gui/HebrewUi.h"
#include "hebrew/Hebrew.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStandardPaths>

// Outside any namespace, as the resource system names it.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace AppIcons {

QIcon program()
{
    return QIcon(QStringLiteral(":/dalvana.svg"));
}

namespace {

// Larger than the toolbar's other pictures: a point is small, and the button has room.
constexpr int kIconSize = 20;

constexpr char16_t kDottedCircle = 0x25CC;

// The outline of a point as the font places it on the dotted circle, without the circle.
QPainterPath pointOutline(const QFont &font, QChar point)
{
    QPainterPath circle;
    circle.addText(0, 0, font, QString(QChar(kDottedCircle)));
    QPainterPath both;
    both.addText(0, 0, font, QString(QChar(kDottedCircle)) + point);
    // Right to left, the point may come before the circle in the outline.
    const int circleElements = circle.elementCount();
    const bool circleFirst = QPointF(both.elementAt(0)) == QPointF(circle.elementAt(0));
    const int from = circleFirst ? circleElements : 0;
    const int to = circleFirst ? both.elementCount() : both.elementCount() - circleElements;
    QPainterPath outline;
    for (int i = from; i < to; ++i) {
        const QPainterPath::Element e = both.elementAt(i);
        if (e.isMoveTo()) {
            outline.moveTo(e);
        } else if (e.isLineTo()) {
            outline.lineTo(e);
        } else if (e.isCurveTo() && i + 2 < to) {
            outline.cubicTo(e, both.elementAt(i + 1), both.elementAt(i + 2));
            i += 2;
        }
    }
    return outline;
}

// A point drawn at its true size is a speck on a small button; grown about its own
// centre it stays where the font puts it.
QPainterPath grown(const QPainterPath &outline)
{
    const QPointF centre = outline.boundingRect().center();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(1.6, 1.6);
    t.translate(-centre.x(), -centre.y());
    return t.map(outline);
}

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
    // The resources live in a static library; nothing else would pull them in.
    initResources();
    QApplication::setWindowIcon(program());

    // Some platforms (the offscreen one among them) look for themes nowhere but in
    // the resources; add the desktop's icon folders.
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList dataDirs = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                                           QStandardPaths::LocateDirectory);
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
    QFont font = HebrewUi::davidFont(pixelSize);
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

QIcon pointIcon(QChar point)
{
    const QFont font = HebrewUi::davidFont(100);
    static const QPainterPath ring = [&font] {
        QPainterPath path;
        path.addText(0, 0, font, QString(kDottedCircle));
        return path;
    }();
    // One frame for all pictures, fitted to the points that reach furthest, so that
    // the circles line up along the toolbar.
    static const QRectF frame = [&font] {
        QRectF all = ring.boundingRect();
        for (QChar p : Hebrew::Points)
            all = all.united(grown(pointOutline(font, p)).boundingRect());
        return all;
    }();
    const QPainterPath mark = grown(pointOutline(font, point));

    // Drawn anew for every size a button may ask for: a scaled-down point is a blur.
    QIcon icon;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    for (int size = 16; size <= kIconSize; ++size) {
        QPixmap pixmap(QSize(size, size) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal scale = (size - 1) / qMax(frame.width(), frame.height());
        painter.translate(size / 2.0, size / 2.0);
        painter.scale(scale, scale);
        painter.translate(-frame.center());
        const QColor circleInk(40, 50, 110);
        painter.setPen(QPen(circleInk, 0.9 / scale));
        painter.setBrush(circleInk);
        painter.drawPath(ring);
        const QColor pointInk(10, 10, 60);
        painter.setPen(QPen(pointInk, 0.4 / scale));
        painter.setBrush(pointInk);
        painter.drawPath(mark);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon toolbarImage(int index)
{
    switch (index) {
    case 14:
        return glyph(QStringLiteral("ב"), true, 17); // bold
    case 15:
        return glyph(QStringLiteral("״"), true, 18); // quotation
    case 16:
        return glyph(QStringLiteral("∑"), false, 15); // mathematics
    case 17:
        return glyph(QStringLiteral("ק"), false, 11); // small text
    case 18:
        return themed("globe"); // Wikipedia
    case 19:
        return glyph(QStringLiteral("↵"), true, 15); // line break
    case 20:
        return themed("format-list-unordered"); // example sentences
    case 21:
        return themed("preferences-desktop-locale"); // translations
    case 22:
        return glyph(QStringLiteral("<>"), false, 12); // no wiki markup
    case 23:
        return themed("go-jump"); // read the page
    case 24:
        return themed("view-refresh"); // recent changes
    case 25:
        return themed("document-edit"); // edit the page
    case 26:
        return themed("edit-find"); // Google
    case 27:
        return themed("insert-image"); // Commons
    default:
        return QIcon();
    }
}

QIcon menuImage(int index)
{
    switch (index) {
    case 23:
        return themed("checkmark"); // browser menu installed
    case 24:
        return themed("internet-web-browser"); // browser menu not installed
    case 29:
        return themed("preferences-desktop-locale");
    case 38:
        return themed("text-plain"); // a recent file
    default:
        return QIcon();
    }
}

} // namespace AppIcons
