#include "dialogs/preferences/PreferencesDialog.h"

#include "dialogs/preferences/PreferenceRules.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "platform/DesktopIntegration.h"
#include "platform/KeyStore.h"
#include "platform/Settings.h"
#include "platform/WikiPasswordStore.h"
#include "ui_PreferencesDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

QPixmap themePicture(const char *name, QStyle::StandardPixmap fallback, const QWidget *widget)
{
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
    if (icon.isNull())
        icon = widget->style()->standardIcon(fallback);
    return icon.pixmap(16, 16);
}

} // namespace

PreferencesDialog::PreferencesDialog(PreferencesModel &preferences, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::PreferencesDialog>())
    , m_preferences(preferences)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(HebrewUi::davidFont(16));

    m_ui->AutoSaveText->setFixedWidth(20);
    m_ui->AutoSaveText->setTextMargins(0, 0, 0, 0);
    m_ui->AutoSaveText->raise();
    m_ui->AutoSaveCheck->installEventFilter(this);

    ClickableLabel *const browseLabels[] = {m_ui->F2Browse, m_ui->F3Browse, m_ui->F4Browse};
    ClickableLabel *const clearLabels[] = {m_ui->F2Del, m_ui->F3Del, m_ui->F4Del};
    for (int key = 0; key < 3; ++key) {
        browseLabels[key]->setPixmap(themePicture("document-open", QStyle::SP_DialogOpenButton, this));
        clearLabels[key]->setPixmap(themePicture("edit-clear", QStyle::SP_DialogResetButton, this));
        connect(browseLabels[key], &ClickableLabel::clicked, this, [this, key] { browse(key); });
        connect(clearLabels[key], &ClickableLabel::clicked, this, [this, key] { clearKey(key); });
        HebrewUi::setUpPathField(*fileEdit(key));
    }

    m_chooseFile = [this] {
        QFileDialog *dialog = openFileDialog();
        return dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()
            ? dialog->selectedFiles().first()
            : QString();
    };

    connect(m_ui->Tray, &QCheckBox::clicked, &m_preferences, &PreferencesModel::setTray);
    connect(m_ui->MaxWindows, &QCheckBox::clicked, &m_preferences, &PreferencesModel::setMaximizeWindows);
    connect(m_ui->WrapLines, &QCheckBox::clicked, &m_preferences, &PreferencesModel::setWordWrap);
    connect(m_ui->AutoSaveCheck, &QCheckBox::clicked, this, &PreferencesDialog::changeAutoSave);
    connect(m_ui->AutoSaveText, &QLineEdit::textEdited, &m_preferences, &PreferencesModel::setAutoSaveText);
    connect(m_ui->TxtSupport, &QCheckBox::clicked, this, &PreferencesDialog::changeTextFileVerb);
    connect(m_ui->RecentChangesTime, &QCheckBox::clicked, &m_preferences, &PreferencesModel::setKeepRecentChangesTime);
    connect(m_ui->Highlighting, &QCheckBox::clicked, &m_preferences, &PreferencesModel::setHighlighting);
    connect(m_ui->SpellCheck, &QCheckBox::clicked, &m_preferences, &PreferencesModel::setSpellCheck);
    connect(m_ui->WikiApi, &QLineEdit::editingFinished, this,
            [this] { m_preferences.setWikiApi(m_ui->WikiApi->text()); });
    connect(m_ui->WikiUser, &QLineEdit::editingFinished, this, [this] {
        m_preferences.setWikiUser(m_ui->WikiUser->text());
        showWikiPassword();
    });
    connect(m_ui->WikiPassword, &QLineEdit::editingFinished, this, &PreferencesDialog::storeWikiPassword);
    reflect();
}

PreferencesDialog::~PreferencesDialog() = default;

// Made on first use: a file dialog reads its folder as soon as it exists, which would
// cost every start for a button seldom pressed. Kept, so it opens where it was left.
QFileDialog *PreferencesDialog::openFileDialog()
{
    if (m_openFile)
        return m_openFile;
    m_openFile = new QFileDialog(this, QStringLiteral("בחר קובץ"));
    // Linux programs carry no extension, so the dialog opens on "All Files" and
    // adds no ".exe" to a typed name.
    m_openFile->setObjectName(QStringLiteral("OpenFile"));
    m_openFile->setFileMode(QFileDialog::ExistingFile);
    m_openFile->setAcceptMode(QFileDialog::AcceptOpen);
    m_openFile->setNameFilters({QStringLiteral("EXE Files (*.exe)"), QStringLiteral("All Files (*)")});
    m_openFile->selectNameFilter(QStringLiteral("All Files (*)"));
    m_openFile->setSizeGripEnabled(true);
    HebrewUi::setUpFileDialog(*m_openFile);
    return m_openFile;
}

QLineEdit *PreferencesDialog::fileEdit(int key) const
{
    QLineEdit *const edits[] = {m_ui->F2File, m_ui->F3File, m_ui->F4File};
    return edits[key];
}

void PreferencesDialog::reflect()
{
    for (int key = 0; key < 3; ++key)
        fileEdit(key)->setText(m_preferences.shortcutProgram(key));
    m_ui->Tray->setChecked(m_preferences.tray());
    m_ui->MaxWindows->setChecked(m_preferences.maximizeWindows());
    const bool autoSave = m_preferences.autoSaveText() != QLatin1String("0");
    m_ui->AutoSaveCheck->setChecked(autoSave);
    m_ui->AutoSaveText->setEnabled(autoSave);
    m_ui->AutoSaveText->setText(m_preferences.autoSaveText());
    m_ui->WrapLines->setChecked(m_preferences.wordWrap());
    m_ui->RecentChangesTime->setChecked(m_preferences.keepsRecentChangesTime());
    m_ui->Highlighting->setChecked(m_preferences.highlighting());
    m_ui->SpellCheck->setChecked(m_preferences.spellCheck());
    m_ui->WikiApi->setText(m_preferences.wikiApi());
    m_ui->WikiUser->setText(m_preferences.wikiUser());
    showWikiPassword();
}

void PreferencesDialog::showWikiPassword()
{
    m_ui->WikiPassword->clear();
    m_shownPassword.clear();
    const QString user = m_preferences.wikiUser();
    m_ui->WikiPassword->setEnabled(!user.isEmpty());
    if (user.isEmpty())
        return;
    WikiPasswordStore::read(user, this, [this, user](const QString &password, const QString &) {
        if (user != m_preferences.wikiUser())
            return;
        m_shownPassword = password;
        m_ui->WikiPassword->setText(password);
    });
}

void PreferencesDialog::storeWikiPassword()
{
    const QString password = m_ui->WikiPassword->text();
    const QString user = m_preferences.wikiUser();
    if (user.isEmpty() || password == m_shownPassword)
        return;
    m_shownPassword = password;
    WikiPasswordStore::write(user, password, this, [](const QString &error) {
        if (!error.isEmpty())
            HebrewMessageBox::notice(
                QStringLiteral("לא ניתן לשמור את סיסמת הבוט במאגר הסודות של שולחן העבודה: %1").arg(error));
    });
}

void PreferencesDialog::showPreferences()
{
    Settings::ReportOnce once;
    m_preferences.load(false);
    reflect();
    const QString command = KeyStore().valueAt(DesktopIntegration::TextVerbKey + QStringLiteral("\\command"));
    if (PreferenceRules::commandNamesProgram(command, QCoreApplication::applicationFilePath())
        && !m_ui->TxtSupport->isChecked()) {
        m_ui->TxtSupport->setChecked(true);
        changeTextFileVerb(true);
    }
    show();
    raise();
    activateWindow();
    m_ui->Dummy->setFocus();
}

void PreferencesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    placeAutoSaveText();
}

void PreferencesDialog::changeAutoSave(bool on)
{
    m_ui->AutoSaveText->setEnabled(on);
    if (!on)
        m_ui->AutoSaveText->setText(QStringLiteral("0"));
    m_preferences.setAutoSaveEnabled(on);
}

void PreferencesDialog::changeTextFileVerb(bool on)
{
    KeyStore store;
    bool ok;
    if (on) {
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

void PreferencesDialog::browse(int key)
{
    const QString path = m_chooseFile ? m_chooseFile() : QString();
    if (path.isEmpty())
        return;
    m_preferences.setShortcutProgram(key, path);
    fileEdit(key)->setText(path);
}

void PreferencesDialog::clearKey(int key)
{
    m_preferences.setShortcutProgram(key, QString());
    fileEdit(key)->clear();
}

bool PreferencesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->AutoSaveCheck && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeAutoSaveText();
    return QDialog::eventFilter(watched, event);
}

// The minutes edit stands in the run of spaces inside the check box's caption.
void PreferencesDialog::placeAutoSaveText()
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
    const int middle = box->isRightToLeft() ? contents.right() + 1 - before - gap / 2
                                            : contents.left() + before + gap / 2;
    QLineEdit *edit = m_ui->AutoSaveText;
    const int height = std::min(edit->sizeHint().height(), box->height());
    const QPoint topLeft = box->mapTo(this, QPoint(middle - edit->width() / 2, (box->height() - height) / 2));
    edit->setGeometry(QRect(topLeft, QSize(edit->width(), height)));
}
