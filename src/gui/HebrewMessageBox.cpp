#include "gui/HebrewMessageBox.h"

#include "gui/HebrewUi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

namespace {

bool g_testMode = false;
QList<QMessageBox::StandardButton> g_answers;
QList<HebrewMessageBox::Asked> g_asked;

// The buttons in the toolkit's order, with their captions.
struct ButtonCaption
{
    QMessageBox::StandardButton button;
    const char16_t *caption;
};
const ButtonCaption MessageButtonCaptions[] = {
    {QMessageBox::Yes, u"&כן"},
    {QMessageBox::No, u"&לא"},
    {QMessageBox::Ok, u"&אישור"},
    {QMessageBox::Cancel, u"&ביטול"},
    {QMessageBox::Abort, u"צא"},
    {QMessageBox::Retry, u"נסה שוב"},
    {QMessageBox::Ignore, u"התעלם"},
    {QMessageBox::YesToAll, u"כן לכול"},
    // The toolkit has no plain "All" button; SaveAll stands in for it.
    {QMessageBox::NoToAll, u"לא לכול"},
    {QMessageBox::SaveAll, u"הכול"},
    {QMessageBox::Help, u"עזרה"},
};

QMessageBox::Icon iconFor(int kind)
{
    switch (kind) {
    case HebrewMessageBox::Warning:
        return QMessageBox::Warning;
    case HebrewMessageBox::Error:
        return QMessageBox::Critical;
    case HebrewMessageBox::Information:
        return QMessageBox::Information;
    case HebrewMessageBox::Confirmation:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

QWidget *ownerWindow()
{
    return QApplication::activeWindow();
}

} // namespace

QString HebrewMessageBox::caption(int kind)
{
    switch (kind) {
    case Warning:
        return QStringLiteral("אזהרה");
    case Error:
        return QStringLiteral("שגיאה");
    case Information:
        return QStringLiteral("מידע");
    case Confirmation:
        return QStringLiteral("אישור");
    default:
        return QString();
    }
}

QString HebrewMessageBox::buttonCaption(QMessageBox::StandardButton button)
{
    for (const auto &b : MessageButtonCaptions) {
        if (b.button == button)
            return QString::fromUtf16(b.caption);
    }
    return QString();
}

QMessageBox::StandardButton HebrewMessageBox::show(const QString &text, int kind, QMessageBox::StandardButtons buttons,
                                                   int helpContext)
{
    Q_UNUSED(helpContext); // there is no context help file to point into
    if (g_testMode) {
        g_asked.append({text, kind, buttons});
        return g_answers.isEmpty() ? QMessageBox::No : g_answers.takeFirst();
    }
    const std::unique_ptr<QMessageBox> box = build(text, kind, buttons, ownerWindow());
    box->exec();
    return box->standardButton(box->clickedButton());
}

std::unique_ptr<QMessageBox> HebrewMessageBox::build(const QString &text, int kind,
                                                     QMessageBox::StandardButtons buttons, QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(iconFor(kind), kind < 0 ? AppTitle : caption(kind),
                                             HebrewUi::rightToLeftLines(text), QMessageBox::NoButton, parent);
    box->setLayoutDirection(Qt::RightToLeft);
    for (const auto &b : MessageButtonCaptions) {
        if (buttons.testFlag(b.button)) {
            box->addButton(b.button)->setText(QString::fromUtf16(b.caption));
        }
    }
    if (buttons.testFlag(QMessageBox::Ok))
        box->setDefaultButton(QMessageBox::Ok);
    else if (buttons.testFlag(QMessageBox::Yes))
        box->setDefaultButton(QMessageBox::Yes);
    else if (buttons.testFlag(QMessageBox::Retry))
        box->setDefaultButton(QMessageBox::Retry);
    return box;
}

bool HebrewMessageBox::askYesNo(const QString &text)
{
    return show(text, Confirmation, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QMessageBox::StandardButton HebrewMessageBox::choose(const QString &text, const QList<Choice> &choices)
{
    if (g_testMode) {
        QMessageBox::StandardButtons buttons;
        for (const Choice &c : choices)
            buttons |= c.button;
        g_asked.append({text, Confirmation, buttons});
        if (!g_answers.isEmpty())
            return g_answers.takeFirst();
        return choices.isEmpty() ? QMessageBox::NoButton : choices.constLast().button;
    }
    const std::unique_ptr<QMessageBox> box = buildChoice(text, choices, ownerWindow());
    box->exec();
    const QMessageBox::StandardButton pressed = box->standardButton(box->clickedButton());
    return pressed != QMessageBox::NoButton || choices.isEmpty() ? pressed : choices.constLast().button;
}

std::unique_ptr<QMessageBox> HebrewMessageBox::buildChoice(const QString &text, const QList<Choice> &choices,
                                                           QWidget *parent)
{
    auto box = build(text, Confirmation, QMessageBox::NoButton, parent);
    for (const Choice &c : choices)
        box->addButton(c.button)->setText(c.caption);
    if (!choices.isEmpty()) {
        box->setDefaultButton(choices.constFirst().button);
        box->setEscapeButton(box->button(choices.constLast().button));
    }
    return box;
}

void HebrewMessageBox::notice(const QString &text)
{
    if (g_testMode) {
        g_asked.append({text, -1, QMessageBox::Ok});
        return;
    }
    // Laid out by the same hand as the questions, so both read right to left alike.
    build(text, -1, QMessageBox::Ok, ownerWindow())->exec();
}

void HebrewMessageBox::setTestMode(bool on)
{
    g_testMode = on;
    g_answers.clear();
    g_asked.clear();
}

void HebrewMessageBox::presetAnswer(QMessageBox::StandardButton answer)
{
    g_answers.append(answer);
}

const QList<HebrewMessageBox::Asked> &HebrewMessageBox::asked()
{
    return g_asked;
}

void HebrewMessageBox::clearAsked()
{
    g_asked.clear();
}
