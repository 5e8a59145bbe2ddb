#include "dialogs/quotes/logic/QuotesSearch.h"

#include <QTest>

class QuotesSearchTest : public QObject
{
    Q_OBJECT

private slots:
    // A space becomes "+", Hebrew its UTF-8 escapes, and the site restriction follows.
    void address()
    {
        QCOMPARE(QuotesSearch::address(QStringLiteral("בית OR ab")),
                 QStringLiteral("https://www.google.com/search?hl=en&q=%d7%91%d7%99%d7%aa+OR+ab+site%3Abenyehuda.org"));
    }
};

QTEST_GUILESS_MAIN(QuotesSearchTest)
#include "QuotesSearchTest.moc"
