#include "app/TOptions.h"

#include "app/PreferenceRules.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "platform/DesktopIntegration.h"
#include "platform/KeyStore.h"
#include "ui_TOptions.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

namespace {

const QString Preferences = QStringLiteral("Preferences");
const QString Shortcuts = QStringLiteral("Shortcuts");
const QString Yes = QStringLiteral("Yes");
const QString No = QStringLiteral("No");

QString yesNo(bool on)
{
    return on ? Yes : No;
}

QString shortcutKey(int key)
{
    return QStringLiteral("F%1").arg(key + 2);
}

QPixmap themePicture(const char *name, QStyle::StandardPixmap fallback, const QWidget *widget)
{
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
    if (icon.isNull())
        icon = widget->style()->standardIcon(fallback);
    return icon.pixmap(16, 16);
}

} // namespace

TOptions::TOptions(QTimer *autoSaveTimer, WordWrapSetter setWordWrap, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TOptions>())
    , m_timer2(autoSaveTimer)
    , m_setWordWrap(std::move(setWordWrap))
    , m_openFile(new QFileDialog(this, QStringLiteral("בחר קובץ")))
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    QFont font(QStringLiteral("David"));
    font.setPixelSize(16);
    setFont(font);

    m_ui->AutoSaveText->setFixedWidth(20);
    m_ui->AutoSaveText->setTextMargins(0, 0, 0, 0);
    m_ui->AutoSaveText->raise();
    m_ui->AutoSaveCheck->installEventFilter(this);

    ClickableLabel *const browse[] = {m_ui->F2Browse, m_ui->F3Browse, m_ui->F4Browse};
    ClickableLabel *const clear[] = {m_ui->F2Del, m_ui->F3Del, m_ui->F4Del};
    for (int key = 0; key < 3; ++key) {
        browse[key]->setPixmap(themePicture("document-open", QStyle::SP_DialogOpenButton, this));
        clear[key]->setPixmap(themePicture("edit-clear", QStyle::SP_DialogResetButton, this));
        connect(browse[key], &ClickableLabel::clicked, this, [this, key] { this->browse(key); });
        connect(clear[key], &ClickableLabel::clicked, this, [this, key] { clearKey(key); });
    }

    // Linux programs carry no extension, so the dialog opens on "All Files" and
    // adds no ".exe" to a typed name.
    m_openFile->setObjectName(QStringLiteral("OpenFile"));
    m_openFile->setFileMode(QFileDialog::ExistingFile);
    m_openFile->setAcceptMode(QFileDialog::AcceptOpen);
    m_openFile->setNameFilters({QStringLiteral("EXE Files (*.exe)"), QStringLiteral("All Files (*)")});
    m_openFile->selectNameFilter(QStringLiteral("All Files (*)"));
    m_openFile->setSizeGripEnabled(true);
    m_chooseFile = [this] {
        return m_openFile->exec() == QDialog::Accepted && !m_openFile->selectedFiles().isEmpty()
            ? m_openFile->selectedFiles().first()
            : QString();
    };

    connect(m_ui->Tray, &QCheckBox::clicked, this, &TOptions::TrayClick);
    connect(m_ui->MaxWindows, &QCheckBox::clicked, this, &TOptions::MaxWindowsClick);
    connect(m_ui->WrapLines, &QCheckBox::clicked, this, &TOptions::WrapLinesClick);
    connect(m_ui->AutoSaveCheck, &QCheckBox::clicked, this, &TOptions::AutoSaveCheckClick);
    connect(m_ui->AutoSaveText, &QLineEdit::textEdited, this, &TOptions::AutoSaveTextChange);
    connect(m_ui->TxtSupport, &QCheckBox::clicked, this, &TOptions::TxtSupportClick);
    connect(m_ui->RecentChangesTime, &QCheckBox::clicked, this, &TOptions::RecentChangesTimeClick);

    readSettings(true);
}

TOptions::~TOptions() = default;

void applyWordWrap(QPlainTextEdit *editor, bool on)
{
    editor->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    editor->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

std::unique_ptr<TOptions> TOptions::forMainWindow(TForm1 &form)
{
    auto options = std::make_unique<TOptions>(
        form.timer2(), [&form](bool on) { applyWordWrap(form.articleText(), on); }, &form);
    connect(form.action(QStringLiteral("Prefs")), &QAction::triggered, options.get(), &TOptions::PrefsClick);
    return options;
}

bool TOptions::trayChecked() const
{
    return m_ui->Tray->isChecked();
}

QLineEdit *TOptions::fileEdit(int key) const
{
    QLineEdit *const edits[] = {m_ui->F2File, m_ui->F3File, m_ui->F4File};
    return edits[key];
}

// A check box set from here runs its handler only when its state changes, so
// each step below does what that chain would do, and no more.
void TOptions::readSettings(bool atCreation)
{
    for (int key = 0; key < 3; ++key)
        fileEdit(key)->setText(Settings::read(Shortcuts, shortcutKey(key)));

    if (Settings::read(Preferences, QStringLiteral("Tray")) != Yes) {
        Settings::write(Preferences, QStringLiteral("Tray"), No);
        m_ui->Tray->setChecked(false);
    } else if (!m_ui->Tray->isChecked()) {
        m_ui->Tray->setChecked(true);
        TrayClick();
    }

    if (Settings::read(Preferences, QStringLiteral("Maximize")) != Yes) {
        Settings::write(Preferences, QStringLiteral("Maximize"), No);
        m_ui->MaxWindows->setChecked(false);
        Settings::setExternalWindowShowMode(Settings::ShowMode::Normal);
    } else if (!m_ui->MaxWindows->isChecked()) {
        m_ui->MaxWindows->setChecked(true);
        MaxWindowsClick();
    }

    const QString stored = Settings::read(Preferences, QStringLiteral("AutoSave"), QStringLiteral("0"));
    const int minutes = PreferenceRules::autoSaveMinutes(stored);
    const QString shown = QString::number(minutes);
    m_ui->AutoSaveCheck->setChecked(minutes != 0);
    m_ui->AutoSaveText->setEnabled(minutes != 0);
    if (atCreation || m_ui->AutoSaveText->text() != shown || stored != shown) {
        m_ui->AutoSaveText->setText(shown);
        AutoSaveTextChange();
    } else {
        startAutoSave(shown);
    }

    const bool wrap = Settings::read(Preferences, QStringLiteral("WordWrap"), Yes) == Yes;
    setWordWrap(wrap);
    m_ui->WrapLines->setChecked(wrap);
    if (wrap && atCreation)
        Settings::write(Preferences, QStringLiteral("WordWrap"), Yes);

    const QString recent = Settings::read(Preferences, QStringLiteral("RecentChanges"), QStringLiteral("0"));
    m_lastRecentChangesTime = recent;
    m_ui->RecentChangesTime->setChecked(recent != QLatin1String("0"));
}

void TOptions::PrefsClick()
{
    Settings::ReportOnce once;
    readSettings(false);
    const QString command = KeyStore().valueAt(DesktopIntegration::TextVerbKey + QStringLiteral("\\command"));
    if (PreferenceRules::commandNamesProgram(command, QCoreApplication::applicationFilePath())
        && !m_ui->TxtSupport->isChecked()) {
        m_ui->TxtSupport->setChecked(true);
        TxtSupportClick();
    }
    show();
    raise();
    activateWindow();
    m_ui->Dummy->setFocus();
}

void TOptions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    placeAutoSaveText();
}

void TOptions::setWordWrap(bool on)
{
    if (m_setWordWrap)
        m_setWordWrap(on);
}

void TOptions::startAutoSave(const QString &text)
{
    if (!m_timer2)
        return;
    m_timer2->stop();
    // A zero interval would make a Qt timer fire without pause; it means "never".
    const int interval = PreferenceRules::autoSaveInterval(text);
    if (interval > 0)
        m_timer2->start(interval);
}

void TOptions::TrayClick()
{
    Settings::write(Preferences, QStringLiteral("Tray"), yesNo(m_ui->Tray->isChecked()));
}

void TOptions::MaxWindowsClick()
{
    const bool on = m_ui->MaxWindows->isChecked();
    Settings::setExternalWindowShowMode(on ? Settings::ShowMode::Maximized : Settings::ShowMode::Normal);
    Settings::write(Preferences, QStringLiteral("Maximize"), yesNo(on));
}

void TOptions::WrapLinesClick()
{
    const bool on = m_ui->WrapLines->isChecked();
    Settings::write(Preferences, QStringLiteral("WordWrap"), yesNo(on));
    setWordWrap(on);
}

void TOptions::AutoSaveCheckClick()
{
    if (m_ui->AutoSaveCheck->isChecked()) {
        m_ui->AutoSaveText->setEnabled(true);
        startAutoSave(m_ui->AutoSaveText->text());
        return;
    }
    m_ui->AutoSaveText->setText(QStringLiteral("0"));
    if (m_timer2)
        m_timer2->stop();
    m_ui->AutoSaveText->setEnabled(false);
    Settings::write(Preferences, QStringLiteral("AutoSave"), QStringLiteral("0"));
}

void TOptions::AutoSaveTextChange()
{
    const QString text = m_ui->AutoSaveText->text();
    Settings::write(Preferences, QStringLiteral("AutoSave"), text);
    startAutoSave(text);
}

void TOptions::TxtSupportClick()
{
    KeyStore store;
    bool ok;
    if (m_ui->TxtSupport->isChecked()) {
        ok = store.openKey(DesktopIntegration::TextVerbKey + QLatin1Char('\\'), true)
            && store.writeString(QString(), DesktopIntegration::TextVerbCaption)
            && store.openKey(QStringLiteral("command\\"), true)
            && store.writeString(QString(),
                                 DesktopIntegration::textVerbCommand(QCoreApplication::applicationFilePath()));
    } else {
        ok = store.deleteKey(DesktopIntegration::TextVerbKey);
    }
    if (!ok)
        Settings::report(store.errorString());
}

void TOptions::RecentChangesTimeClick()
{
    const auto step = PreferenceRules::recentChangesClicked(m_ui->RecentChangesTime->isChecked(),
                                                            m_lastRecentChangesTime);
    m_lastRecentChangesTime = step.lastTime;
    if (!step.write.isNull())
        Settings::write(Preferences, QStringLiteral("RecentChanges"), step.write);
}

void TOptions::browse(int key)
{
    const QString path = m_chooseFile ? m_chooseFile() : QString();
    if (path.isEmpty())
        return;
    Settings::write(Shortcuts, shortcutKey(key), QLatin1Char('"') + path + QLatin1Char('"'));
    fileEdit(key)->setText(path);
}

void TOptions::clearKey(int key)
{
    Settings::write(Shortcuts, shortcutKey(key), QString());
    fileEdit(key)->clear();
}

bool TOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->AutoSaveCheck && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeAutoSaveText();
    return QDialog::eventFilter(watched, event);
}

// The minutes edit stands in the run of spaces inside the check box's caption.
void TOptions::placeAutoSaveText()
{
    QCheckBox *box = m_ui->AutoSaveCheck;
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const QFontMetrics metrics(box->font());
    const QString text = box->text();
    const qsizetype gapStart = text.indexOf(QStringLiteral("  "));
    qsizetype gapEnd = gapStart;
    while (gapEnd < text.size() && text.at(gapEnd) == QLatin1Char(' '))
        ++gapEnd;
    const int before = metrics.horizontalAdvance(text.left(gapStart));
    const int gap = metrics.horizontalAdvance(text.mid(gapStart, gapEnd - gapStart));
    const int middle = box->isRightToLeft() ? contents.right() + 1 - before - gap / 2 : contents.left() + before + gap / 2;
    QLineEdit *edit = m_ui->AutoSaveText;
    const int height = std::min(edit->sizeHint().height(), box->height());
    const QPoint topLeft = box->mapTo(this, QPoint(middle - edit->width() / 2, (box->height() - height) / 2));
    edit->setGeometry(QRect(topLeft, QSize(edit->width(), height)));
}
