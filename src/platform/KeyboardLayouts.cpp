#include "platform/KeyboardLayouts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

// Last: the X11 headers define names such as KeyPress and None as macros.
#if QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#endif

namespace KeyboardLayouts {

namespace {

Activator &activator()
{
    static Activator current;
    return current;
}

// Group names are the descriptions of the configured layouts ("Hebrew",
// "English (US)"), read afresh as the user may change them at any time.
void switchX11Group(const QString &layout)
{
#if QT_CONFIG(xcb)
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return;
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return;
    QStringList names;
    if (XkbGetNames(display, XkbGroupNamesMask, keyboard) == Success && keyboard->names) {
        for (int g = 0; g < XkbNumKbdGroups; ++g) {
            const Atom atom = keyboard->names->groups[g];
            char *name = atom ? XGetAtomName(display, atom) : nullptr;
            names.append(name ? QString::fromUtf8(name) : QString());
            if (name)
                XFree(name);
        }
    }
    XkbFreeKeyboard(keyboard, 0, True);
    const int group = groupFor(layout, names);
    XkbStateRec state;
    if (group < 0 || XkbGetState(display, XkbUseCoreKbd, &state) != Success || state.group == group)
        return;
    XkbLockGroup(display, XkbUseCoreKbd, unsigned(group));
    XFlush(display);
#else
    Q_UNUSED(layout);
#endif
}

} // namespace

QString layoutFor(Qt::LayoutDirection direction)
{
    return direction == Qt::RightToLeft ? Hebrew : UsEnglish;
}

int groupFor(const QString &layout, const QStringList &groupNames)
{
    for (int g = 0; g < groupNames.size(); ++g) {
        const QString &name = groupNames.at(g);
        const bool matches = layout == Hebrew ? name.startsWith(QLatin1String("Hebrew"))
                                              : layout == UsEnglish
                && (name == QLatin1String("English") || name.startsWith(QLatin1String("English (US)")));
        if (matches)
            return g;
    }
    return -1;
}

void install(QApplication &app)
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    if (!activator())
        activator() = switchX11Group;
    QObject::connect(&app, &QApplication::focusChanged, &app, [](QWidget *, QWidget *now) {
        if (now && activator())
            activator()(layoutFor(now->layoutDirection()));
    });
}

void setActivatorForTesting(Activator replacement)
{
    activator() = std::move(replacement);
}

} // namespace KeyboardLayouts
