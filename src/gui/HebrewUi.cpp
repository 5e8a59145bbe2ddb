#include "gui/HebrewUi.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QTextOption>
#include <QTranslator>
#include <QTreeView>

namespace HebrewUi {

namespace {

bool hasLetterOutsideIsolates(QStringView line)
{
    int isolates = 0;
    for (const QChar c : line) {
        switch (c.direction()) {
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
            ++isolates;
            break;
        case QChar::DirPDI:
            isolates = qMax(0, isolates - 1);
            break;
        case QChar::DirL:
        case QChar::DirR:
        case QChar::DirAL:
            if (isolates == 0)
                return true;
            break;
        default:
            break;
        }
    }
    return false;
}

// The style's few right-to-left mends.
class HebrewStyle : public QProxyStyle
{
public:
    // A style's picture on a dialog button pushes the caption against the far edge;
    // the caption alone stays centred.
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // A combo box's text runs in the box's own direction: the painter starts in the
    // application's, which shows the file dialog's "/usr/share" as "usr/share/". Its
    // list draws each row as a menu item whose option Qt makes in the application's
    // direction, so a row takes the box's direction here.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (!painter || !option) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        if (element == CE_MenuItem && qobject_cast<const QComboBox *>(widget)
            && option->direction != widget->layoutDirection()) {
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
                QStyleOptionMenuItem row(*item);
                row.direction = widget->layoutDirection();
                drawInDirection(element, row, painter, widget);
                return;
            }
        }
        if (element == CE_ComboBoxLabel) {
            drawInDirection(element, *option, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    void drawInDirection(ControlElement element, const QStyleOption &option, QPainter *painter,
                         const QWidget *widget) const
    {
        const Qt::LayoutDirection was = painter->layoutDirection();
        painter->setLayoutDirection(option.direction);
        QProxyStyle::drawControl(element, &option, painter, widget);
        painter->setLayoutDirection(was);
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
    for (const char *name : {"lookInCombo", "fileNameEdit", "fileTypeCombo", "treeView", "listView"}) {
        if (auto *part = dialog.findChild<QWidget *>(QLatin1String(name)))
            part->setLayoutDirection(Qt::LeftToRight);
    }
    if (auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("treeView")))
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void setUpWikiText(QPlainTextEdit &view)
{
    // Left alone, Qt gives each line the direction of its first strong character, and
    // a line starting with "==" or "{{" would run left to right.
    QTextDocument *document = view.document();
    QTextOption option = document->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    document->setDefaultTextOption(option);
}

QString leftToRight(const QString &text)
{
    return QChar(0x2066) + text + QChar(0x2069);
}

QString isolatePaths(const QString &message, const QStringList &paths)
{
    QString out;
    qsizetype from = 0;
    while (from < message.size()) {
        // The longest path that starts first, so that "/a/b" is not cut at "/a".
        qsizetype at = -1, length = 0;
        for (const QString &path : paths) {
            if (path.isEmpty())
                continue;
            const qsizetype i = message.indexOf(path, from);
            if (i >= 0 && (at < 0 || i < at || (i == at && path.size() > length))) {
                at = i;
                length = path.size();
            }
        }
        if (at < 0)
            break;
        out += QStringView(message).mid(from, at - from);
        out += leftToRight(message.mid(at, length));
        from = at + length;
    }
    out += QStringView(message).mid(from);
    return out;
}

QString rightToLeftLines(const QString &text)
{
    QString out;
    out.reserve(text.size() + 4);
    bool first = true;
    for (const QStringView line : QStringView(text).tokenize(u'\n')) {
        if (!first)
            out += u'\n';
        first = false;
        if (!line.trimmed().isEmpty() && !hasLetterOutsideIsolates(line))
            out += QChar(0x200F);
        out += line;
    }
    return out;
}

void setUpPathField(QWidget &field)
{
    field.setLayoutDirection(Qt::LeftToRight);
}

bool install(QApplication &app)
{
    app.setLayoutDirection(Qt::RightToLeft);
    app.setStyle(new HebrewStyle);
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

void setUpArticleEditor(QPlainTextEdit &editor)
{
    setUpWikiText(editor);
    editor.setFont(davidFont(16));
}

} // namespace HebrewUi
