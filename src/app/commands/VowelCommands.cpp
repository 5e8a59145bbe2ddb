#include "app/commands/VowelCommands.h"

#include "app/Settings.h"
#include "app/TForm1.h"
#include "wikitext/Hebrew.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

const struct {
    const char *name;
    char16_t point;
} kButtons[] = {
    {"Dagesh", 0x05BC},
    {"Shin_Left", 0x05C2},
    {"Shin_Right", 0x05C1},
    {"Kubuts", 0x05BB},
    {"Shuruk", 0x05BC},
    {"Hirik", 0x05B4},
    {"Schwa", 0x05B0},
    {"Tsere", 0x05B5},
    {"Hataf_Segol", 0x05B1},
    {"Segol", 0x05B6},
    {"Hataf_Patah", 0x05B2},
    {"Patah", 0x05B7},
    {"Hataf_Kamats", 0x05B3},
    {"Kamats", 0x05B8},
    {"Holam", 0x05B9},
};

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

const QString kPreferences = QStringLiteral("Preferences");
const QString kNikkud = QStringLiteral("Nikkud");

} // namespace

VowelCommands::VowelCommands(TForm1 &form)
    : QObject(&form)
    , m_form(form)
{
    for (const auto &button : kButtons) {
        QAction *action = form.action(QString::fromLatin1(button.name));
        if (!action)
            continue;
        const QChar point(button.point);
        action->setIcon(pointIcon(point));
        if (auto *button = qobject_cast<QToolButton *>(form.toolBar()->widgetForAction(action)))
            button->setIconSize(QSize(kIconSize, kIconSize));
        connect(action, &QAction::triggered, this, [this, point] { InsertVowelPoint(point); });
    }
    if (QMenu *popup = form.toolbarPopup())
        connect(popup, &QMenu::aboutToShow, this, &VowelCommands::ToolbarPopupPopup);
    if (QAction *nikkud = form.action(kNikkud))
        connect(nikkud, &QAction::triggered, this, &VowelCommands::NikkudClick);
}

QChar VowelCommands::pointOf(const QString &buttonName)
{
    for (const auto &button : kButtons) {
        if (buttonName == QLatin1String(button.name))
            return QChar(button.point);
    }
    return QChar();
}

QStringList VowelCommands::buttonNames()
{
    QStringList names;
    for (const auto &button : kButtons)
        names << QString::fromLatin1(button.name);
    return names;
}

QIcon VowelCommands::pointIcon(QChar point)
{
    QFont font(QStringLiteral("David"));
    font.setPixelSize(100);
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

void VowelCommands::InsertVowelPoint(QChar point)
{
    if (!m_form.articleText()->isEnabled())
        return;
    m_form.editor().editExcerpt([point](const EditorState &s) { return ::InsertVowelPoint(s, point); });
}

void VowelCommands::ToolbarPopupPopup()
{
    const QString value = Settings::read(kPreferences, kNikkud, QStringLiteral("No"));
    m_form.action(kNikkud)->setChecked(value != QLatin1String("No"));
}

void VowelCommands::NikkudClick(bool checked)
{
    Settings::write(kPreferences, kNikkud, checked ? QStringLiteral("Yes") : QStringLiteral("No"));
    m_form.setVowelToolbarVisible(checked);
}
