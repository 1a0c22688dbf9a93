#include "support/TestMain.h"
#include "widgets/MsgBox.h"

#include <QTest>

// A list in a message: whole while short, else its first few and how many more, the whole of it
// for the details; nothing of it lost either way.
class TestListedItems : public QObject
{
    Q_OBJECT

private slots:
    void firstFewThenHowManyMore_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QString>("tail"); // how the shown text ends
        QTest::newRow("one") << 1 << false << "\nmatch 1";
        QTest::newRow("as many as shown") << 5 << false << "\nmatch 5";
        QTest::newRow("one more") << 6 << true << "\nmatch 4\n...and 2 more (Show Details lists them all).";
        QTest::newRow("a season") << 809 << true << "\nmatch 4\n...and 805 more (Show Details lists them all).";
    }
    void firstFewThenHowManyMore()
    {
        QFETCH(int, count);
        QFETCH(bool, cut);
        QFETCH(QString, tail);
        QStringList items;
        for (int i = 1; i <= count; ++i)
            items << QStringLiteral("match %1").arg(i);
        const ListedItems listed = ListFirstFew(QStringLiteral("Left as they are:"), items);
        QCOMPARE(listed.cut, cut);
        QVERIFY(listed.shown.startsWith(QStringLiteral("Left as they are:\nmatch 1")));
        QVERIFY2(listed.shown.endsWith(tail), qPrintable(listed.shown));
        QCOMPARE(listed.whole, QStringLiteral("Left as they are:\n") + items.join(QLatin1Char('\n')));
        QVERIFY(listed.shown.count(QLatin1Char('\n')) <= 5);
    }
};

SIDELINES_TEST(TestListedItems)
#include "tst_listed.moc"
