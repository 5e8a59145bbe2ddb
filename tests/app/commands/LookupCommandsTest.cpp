#include "app/commands/LookupCommands.h"

#include "support/MainWindowFixture.h"
#include "dialogs/lookups/DictionaryDialog.h"
#include "dialogs/lookups/EtymologyDialog.h"
#include "dialogs/lookups/SourcesDialog.h"
#include "support/WindowTestCase.h"

#include <QLineEdit>
#include <QTest>

class LookupCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // The menu item shows its window; a second press while it is open brings the
    // same window forward, and what was typed in it stays for the next use.
    void showsAndBringsForward_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("query");
        QTest::newRow("Translations") << "Translations"
                                      << "TTranslate"
                                      << "TransQuery";
        QTest::newRow("Etymology") << "Etymology"
                                   << "TEtym"
                                   << "EtymQuery";
        QTest::newRow("BibleFind") << "BibleFind"
                                   << "TBibleForm"
                                   << "QueryText";
    }

    void showsAndBringsForward()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(QString, query);
        DictionaryDialog dictionary;
        EtymologyDialog etymology;
        SourcesDialog sources;
        LookupCommands commands(dictionary, etymology, sources);
        const auto press = [&] {
            if (action == QLatin1String("Translations"))
                commands.showTranslations();
            else if (action == QLatin1String("Etymology"))
                commands.showEtymology();
            else
                commands.showSources();
        };
        const QList<QWidget *> windows{&dictionary, &etymology, &sources};
        QWidget *dialog = nullptr;
        for (QWidget *w : windows) {
            QVERIFY(!w->isVisible());
            if (w->objectName() == window)
                dialog = w;
        }
        QVERIFY(dialog);
        press();
        QVERIFY(dialog->isVisible());
        for (QWidget *w : windows)
            QCOMPARE(w->isVisible(), w == dialog);
        MainWindowFixture::child<QLineEdit>(*dialog, query)->setText(QStringLiteral("מים"));
        press();
        QVERIFY(dialog->isVisible());
        // Closed and shown again, it still holds the query.
        dialog->close();
        press();
        QVERIFY(dialog->isVisible());
        QCOMPARE(MainWindowFixture::child<QLineEdit>(*dialog, query)->text(), QStringLiteral("מים"));
    }
};

QTEST_MAIN(LookupCommandsTest)
#include "LookupCommandsTest.moc"
