#include "dialogs/translations/TranslationsDialog.h"

#include "support/MainWindowFixture.h"
#include "support/WindowTestCase.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

// The dialog on its own, shown for a selection: the template it hands back.
struct TranslationsHarness
{
    QString selection;
    QString written = QStringLiteral("unchanged");
    TranslationsDialog dialog;

    explicit TranslationsHarness(const QString &selected = QString())
        : selection(selected)
    {
        QObject::connect(&dialog, &TranslationsDialog::templateWritten, &dialog,
                         [this](const QString &text) { written = text; });
        dialog.showTranslations(selection);
    }

    template <typename T> T *child(const char *name)
    {
        return MainWindowFixture::child<T>(dialog, QLatin1String(name));
    }
    QTreeView *list() { return child<QTreeView>("AllTrans"); }
    int count() { return list()->model()->rowCount(); }
    // A double click on a row, as the list reports it.
    void doubleClick(int row)
    {
        const QModelIndex index = list()->model()->index(row, 0);
        list()->setCurrentIndex(index);
        emit list()->doubleClicked(index);
    }

    void add(const QString &language, const QString &words)
    {
        auto *langs = child<QComboBox>("Langs");
        langs->setCurrentIndex(langs->findText(language));
        child<QLineEdit>("Words")->setText(words);
        QTest::mouseClick(child<QPushButton>("AddLang"), Qt::LeftButton);
    }

    QStringList shown()
    {
        QStringList rows;
        const QAbstractItemModel *model = list()->model();
        for (int i = 0; i < model->rowCount(); ++i)
            rows << model->index(i, 0).data().toString() + QStringLiteral(" / ") + model->index(i, 1).data().toString();
        return rows;
    }
};

class TranslationsDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void controls()
    {
        TranslationsHarness h;
        QCOMPARE(h.dialog.windowTitle(), QStringLiteral("הוספת תרגומים"));
        QVERIFY(h.dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(h.dialog.windowFlags() & Qt::Tool, Qt::Tool);
        QVERIFY(!h.dialog.isModal());
        QCOMPARE(h.dialog.layoutDirection(), Qt::RightToLeft);
        auto *langs = h.child<QComboBox>("Langs");
        QCOMPARE(langs->count(), 62);
        QCOMPARE(langs->itemText(29), QStringLiteral("טוק פיסין"));
        QCOMPARE(langs->toolTip(), QStringLiteral("שפת התרגום"));
        QCOMPARE(h.child<QLineEdit>("Words")->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(h.child<QLineEdit>("Words")->toolTip(),
                 QStringLiteral(" amazing, wonderful :התרגומים בשפה הנבחרת. למשל"));
        QVERIFY(h.child<QPushButton>("AddLang")->isDefault());
        QCOMPARE(h.child<QLabel>("TransCount")->text(), QStringLiteral("0 שפות"));
        QVERIFY(!h.child<QPushButton>("AddAll")->isEnabled());
        QVERIFY(h.child<QPushButton>("AddAll")->font().bold());
        QCOMPARE(h.child<QPushButton>("AddAll")->text(), QStringLiteral("הוסף הכול"));
        QCOMPARE(h.child<QPushButton>("Clear")->text(), QStringLiteral("נקה"));
        QVERIFY(!h.child<QLabel>("ArabReplace")->isVisible());
        // Column 0 stands at the right, as in a right-to-left list, and the words take
        // the list's width beyond the two columns: no empty header stub is left.
        QVERIFY(h.list()->header()->sectionViewportPosition(0) > h.list()->header()->sectionViewportPosition(1));
        h.dialog.showTranslations(h.selection);
        QCOMPARE(h.list()->header()->length(), h.list()->viewport()->width());
        QVERIFY(h.list()->header()->sectionSize(0) >= 200);
        QCOMPARE(h.list()->header()->sectionSize(1), 100);
    }

    // Adding twice, removing with a double click and the count that follows.
    void addAndRemove()
    {
        TranslationsHarness h;
        h.add(QStringLiteral("רוסית"), QStringLiteral("дом"));
        h.add(QStringLiteral("אנגלית"), QStringLiteral("house"));
        h.add(QStringLiteral("אנגלית"), QStringLiteral("home"));
        QCOMPARE(h.shown(), (QStringList{"house, home / אנגלית", "дом / רוסית"}));
        QVERIFY(h.child<QLineEdit>("Words")->text().isEmpty());
        QCOMPARE(h.child<QLabel>("TransCount")->text(), QStringLiteral("2 שפות"));
        QVERIFY(h.child<QPushButton>("AddAll")->isEnabled());

        HebrewMessageBox::presetAnswer(QMessageBox::Yes);
        h.doubleClick(1);
        QCOMPARE(MainWindowFixture::askedTexts(),
                 QStringList{QStringLiteral("האם ברצונך למחוק את תרגומי ה\u200F\u200Fרוסית?\u200F")});
        QCOMPARE(HebrewMessageBox::asked().first().kind, int(HebrewMessageBox::Confirmation));
        QCOMPARE(h.shown(), QStringList{"house, home / אנגלית"});

        HebrewMessageBox::presetAnswer(QMessageBox::Yes);
        h.doubleClick(0);
        QCOMPARE(h.child<QLabel>("TransCount")->text(), QStringLiteral("0 שפות"));
        QVERIFY(!h.child<QPushButton>("AddAll")->isEnabled());
    }

    void clearAsksFirst()
    {
        TranslationsHarness h;
        h.add(QStringLiteral("אנגלית"), QStringLiteral("house"));
        QTest::mouseClick(h.child<QPushButton>("Clear"), Qt::LeftButton); // answered No
        QCOMPARE(h.count(), 1);
        QCOMPARE(MainWindowFixture::askedTexts(),
                 QStringList{QStringLiteral("האם ברצונך למחוק את כל התרגומים?\u200F")});
        HebrewMessageBox::presetAnswer(QMessageBox::Yes);
        QTest::mouseClick(h.child<QPushButton>("Clear"), Qt::LeftButton);
        QCOMPARE(h.count(), 0);
    }

    // A selected template replaces the list; a selection without one leaves it.
    void showingReadsTheSelection()
    {
        TranslationsHarness h(QStringLiteral("{{תרגומים|\r\n* רוסית: {{ת|רוסית|mir}} (שלום, עולם)\r\n}}"));
        QCOMPARE(h.shown(), QStringList{"mir (שלום, עולם) / רוסית"});
        h.add(QStringLiteral("אנגלית"), QStringLiteral("peace"));
        QCOMPARE(h.shown(), (QStringList{"peace / אנגלית", "mir (שלום, עולם) / רוסית"}));
        emit h.list()->header()->sectionClicked(0);
        QCOMPARE(h.shown(), (QStringList{"mir (שלום, עולם) / רוסית", "peace / אנגלית"}));
        QTest::mouseClick(h.child<QPushButton>("AddAll"), Qt::LeftButton);
        QCOMPARE(h.written,
                 QStringLiteral("{{תרגומים|\r\n* רוסית: {{ת|רוסית|mir}} (שלום, עולם)\r\n"
                                "* אנגלית: {{ת|אנגלית|peace}}\r\n}}"));
        h.dialog.hide();
        h.selection = QStringLiteral("plain");
        h.dialog.showTranslations(h.selection);
        QCOMPARE(h.count(), 2);
    }
};

QTEST_MAIN(TranslationsDialogTest)
#include "TranslationsDialogTest.moc"
