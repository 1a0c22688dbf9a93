#include "Court.h"
#include "support/TestMain.h"

#include <QTest>

using namespace game_test;

namespace {
const QStringList& kStatColumns = StatColumns();
}

// Recording actions through the stat menu, with the keyboard alone, and the stats view.
class TestStatCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PreferMemoryBackedTemp();
        QuietOffscreenWarnings();
    }

    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(',')))); }

    void eachItemRecordsOneRow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("rating");
        QTest::addColumn<QString>("stat");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<bool>("subtract");
        QTest::addColumn<int>("box");

        const QList<StatItem>& items = StatItems();
        int box = 0;
        for (bool subtract : {false, true}) {
            for (const StatItem& item : items) {
                box = box % 12 + 1;
                QTest::addRow("%s%s, box %d", item.name, subtract ? ", taken back" : "", box)
                    << int(item.key) << item.rating << QString::fromLatin1(item.stat) << item.columns
                    << QString::fromLatin1(item.middle) << subtract << box;
            }
        }
    }

    void eachItemRecordsOneRow()
    {
        QFETCH(int, key);
        QFETCH(int, rating);
        QFETCH(QString, stat);
        QFETCH(QStringList, columns);
        QFETCH(QString, middle);
        QFETCH(bool, subtract);
        QFETCH(int, box);
        Court c(box % 2 ? QStringLiteral("LEFT") : QStringLiteral("RIGHT"));
        QVERIFY(c.show());
        if (subtract)
            QVERIFY(c.accessKey(Qt::Key_M));
        QCOMPARE(c.subtract()->isChecked(), subtract);
        const RecordId player = c.screen->boxPlayerId(box);
        QVERIFY(!player.isNull());
        const QString shown = c.box(box)->text().replace(QLatin1Char('\n'), QLatin1Char(' '));

        QVERIFY(c.record(box, Qt::Key(key), rating));

        const auto rows = c.app.rows(QStringLiteral("SELECT GAMEID, PLAYERID, POSITION, ") + kStatColumns.join(", ")
                                     + QStringLiteral(" FROM PLAY"));
        QCOMPARE(rows.size(), 1);
        const QVariantList& row = rows.first();
        QCOMPARE(row[0].toString(), c.gameId.text());
        QCOMPARE(row[1].toString(), player.text());
        QCOMPARE(row[2].toInt(), box);
        const int value = (rating > 0 ? rating : 1) * (subtract ? -1 : 1);
        for (int i = 0; i < kStatColumns.size(); ++i) {
            const QVariant v = row[3 + i];
            if (columns.contains(kStatColumns[i]))
                QCOMPARE(v.toInt(), value);
            else
                QVERIFY2(v.isNull(), qPrintable(kStatColumns[i] + QStringLiteral(" should be empty")));
        }
        const QString lead = rating > 0 ? (subtract ? QStringLiteral("Subtracted a ") : QStringLiteral("Added a "))
                                        : (subtract ? QStringLiteral("Subtracted 1 ") : QStringLiteral("Added 1 "));
        QCOMPARE(c.status()->text(), lead + stat + middle + shown);
        // The selection stays on the box; the mode stays as it was.
        QCOMPARE(c.whiteBoxes(), QList<int>{box});
        QCOMPARE(c.subtract()->isChecked(), subtract);
        QVERIFY(MsgBoxHook::asked().isEmpty());
    }

    void actionsInOneSecondAreAllKept()
    {
        Court c;
        const QDateTime frozen(QDate(2026, 3, 1), QTime(19, 0, 0));
        Clock::setOverride([frozen] { return frozen; });
        QVERIFY(c.show());
        for (int i = 0; i < 5; ++i)
            QVERIFY(c.record(6, Qt::Key_D));
        QCOMPARE(c.app.count(QStringLiteral("PLAY")), 5);
        QCOMPARE(c.app.scalar(QStringLiteral("SELECT COUNT(DISTINCT PLAYID) FROM PLAY")).toInt(), 1);
        QCOMPARE(c.app.scalar(QStringLiteral("SELECT SUM(DIG) FROM PLAY")).toInt(), 5);
    }

    void aRefusedActionLeavesTheStatusLineAndSaysWhy()
    {
        Court c;
        QVERIFY(c.show());
        QVERIFY(c.record(2, Qt::Key_K));
        const QString before = c.status()->text();
        QVERIFY(before.startsWith(QStringLiteral("Added 1 Kill")));
        Execute(QStringLiteral("DROP TABLE PLAY"));
        QVERIFY(c.record(5, Qt::Key_D));
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QVERIFY2(MsgBoxHook::asked().first().prompt.contains(QStringLiteral("PLAY"), Qt::CaseInsensitive),
                 qPrintable(MsgBoxHook::asked().first().prompt));
        QCOMPARE(MsgBoxHook::asked().first().icon, QMessageBox::Critical);
        QCOMPARE(c.status()->text(), before);
        QVERIFY(c.screen->isVisible());
    }

    void statsViewShowsTheTotalsOfThisGame_data()
    {
        QTest::addColumn<QString>("actions"); // access keys in order; "-" toggles subtraction mode
        QTest::addColumn<QString>("percentage");
        QTest::addColumn<QList<int>>("totals"); // attempts, kills, errors, then the nine others
        QTest::newRow("nothing recorded") << ""
                                          << "0.000" << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("2 kills, 1 error, 3 attempts") << "K K E"
                                                      << "0.333" << QList<int>{3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("0 kills, 2 errors, 4 attempts") << "E E A A"
                                                       << "-0.500" << QList<int>{4, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("a kill with its attempt taken back")
            << "K - A"
            << "1000000.000" << QList<int>{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("every other kind once, one dig taken back")
            << "S R D D C O B L H T P - D"
            << "0.000" << QList<int>{0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    }

    void statsViewShowsTheTotalsOfThisGame()
    {
        QFETCH(QString, actions);
        QFETCH(QString, percentage);
        QFETCH(QList<int>, totals);
        Court c(QStringLiteral("RIGHT"));
        const int box = 8;
        // The same player's actions in another game do not count.
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT, DIG) "
                               "VALUES ('2001-01-01 10:00:00', '2001-01-01 10:00:00', ?, 8, 5, 5, 5)"),
                {Bind(c.screen->boxPlayerId(box))});
        QVERIFY(c.show());
        for (const QString& a : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (a == QLatin1String("-")) {
                QVERIFY(c.accessKey(Qt::Key_M));
                continue;
            }
            const Qt::Key key = Qt::Key(Qt::Key_A + (a.at(0).toLatin1() - 'A'));
            QVERIFY(c.record(box, key, key == Qt::Key_P ? 2 : 0));
        }
        MsgBoxHook::clear();
        QVERIFY(c.record(box, Qt::Key_V));

        const QStringList labels{"Attempts",
                                 "Kills",
                                 "Errors",
                                 "Serve Aces",
                                 "Serve Errors",
                                 "Digs",
                                 "Receiving Errors",
                                 "Solo Blocks",
                                 "Blocking Assists",
                                 "Blocking Errors",
                                 "Ball Handling Errors",
                                 "Set Assists"};
        QStringList lines{QStringLiteral("Percentage = ") + percentage};
        for (int i = 0; i < labels.size(); ++i)
            lines << labels[i] + QStringLiteral(" = ") + QString::number(totals[i]);
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        const MsgBoxHook::Asked asked = MsgBoxHook::asked().first();
        QCOMPARE(asked.prompt, lines.join(QLatin1Char('\n')));
        QCOMPARE(asked.title,
                 c.home[1].name + QStringLiteral(" #") + QString::number(c.home[1].number) + QStringLiteral(" Stats"));
        QCOMPARE(asked.icon, QMessageBox::Information);
        QCOMPARE(asked.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Looking changes nothing, and the status line is cleared afterwards.
        QCOMPARE(c.status()->text(), QString());
        QCOMPARE(c.app.scalar(QStringLiteral("SELECT COUNT(*) FROM PLAY WHERE GAMEID = ?"), {Bind(c.gameId)}).toInt(),
                 actions.count(QLatin1Char(' ')) + (actions.isEmpty() ? 0 : 1) - actions.count(QLatin1Char('-')));
    }
};

SIDELINES_TEST(TestStatCommands)
#include "tst_stats.moc"
