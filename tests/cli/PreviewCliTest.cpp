#include "support/CliRun.h"

#include <QTest>

using CliRun::run;

class PreviewCliTest : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString bayit = QStringLiteral("==בַּיִת==\n|כתיב מלא=בית\n|נטיות=ר' בָּתִּים\n");
        QTest::newRow("inflection-query") << QStringList{"inflection-query", "--with-inflections", "--caret", "3"}
                                          << bayit << 0 << "בַּיִת OR בית OR בָּתִּים OR בתים\n"
                                          << "";
        QTest::newRow("preview") << QStringList{"preview"} << "==שָׁלוֹם (פירוש)==\n# x" << 0 << "==שָׁלוֹם (פירוש)==\r\n# x"
                                 << "open https://he.wiktionary.org/w/index.php?title=שלום&action=edit\n";
        QTest::newRow("preview without a root") << QStringList{"preview"} << "{{נטיות פעלים|שורש=\n}}" << 1 << ""
                                                << "לא ניתן להציג תצוגה מקדימה: בדף השורש לא נכתב השורש "
                                                   "(\"שורש=\").\u200F\n";
    }

    void commands()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const auto r = run<QString>(args, input);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
    }
};

QTEST_GUILESS_MAIN(PreviewCliTest)
#include "PreviewCliTest.moc"
