#include "game/clsGame.h"
#include "core/Database.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QTest>

namespace {
// Stands in for the court screen: remembers highlights, captions and the status line.
class FakeView : public GameView
{
public:
    QList<QPair<int, bool>> highlights;
    QString status = QStringLiteral("before");
    bool subtract = false;
    void setBoxSelected(int index, bool selected) override { highlights << qMakePair(index, selected); }
    QString boxCaption(int index) const override { return QStringLiteral("Box%1 Lee\n#7").arg(index); }
    void showStatus(const QString& text) override { status = text; }
    bool subtractMode() const override { return subtract; }
};

const QStringList kColumns{"ATTEMPT",      "KILL",      "ERROR",       "SERVEACE",   "SERVEERROR",      "DIG",
                           "RECEIVEERROR", "SOLOBLOCK", "BLOCKASSIST", "BLOCKERROR", "BALLHANDLEERROR", "SETASSIST",
                           "PASSING"};
} // namespace

class TestGameRecording : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    FakeView view;
    clsGame game;
    RecordId gameId, player;

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        view = FakeView();
        game = clsGame();
        gameId = NewRecordId(RecordKind::Game);
        player = app->addPlayer(app->addTeam(QStringLiteral("T")), QStringLiteral("Lee"), 7);
        game.setGameID(gameId);
        game.setView(&view);
    }
    void cleanup() { app.reset(); }

    void selectingABox()
    {
        QCOMPARE(int(game.LastIndex()), 1);
        game.PlayerOnClick(9);
        game.PlayerOnClick(9);
        game.PlayerOnClick(2);
        QCOMPARE(view.highlights,
                 (QList<QPair<int, bool>>{{1, false}, {9, true}, {9, false}, {9, true}, {9, false}, {2, true}}));
        QCOMPARE(int(game.LastIndex()), 2);
    }

    void eachStatWritesItsRow_data()
    {
        QTest::addColumn<QString>("stat");
        QTest::addColumn<bool>("subtract");
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<QString>("status");
        const QString box = QStringLiteral("Box9 Lee\n#7");
        struct Ordinary
        {
            const char* stat;
            const char* column;
        };
        const Ordinary ordinary[] = {{"Attempt", "ATTEMPT"},
                                     {"ServeAce", "SERVEACE"},
                                     {"ServeError", "SERVEERROR"},
                                     {"Dig", "DIG"},
                                     {"ReceiveError", "RECEIVEERROR"},
                                     {"SoloBlock", "SOLOBLOCK"},
                                     {"BlockAssist", "BLOCKASSIST"},
                                     {"BlockError", "BLOCKERROR"},
                                     {"BallHandleError", "BALLHANDLEERROR"},
                                     {"SetAssist", "SETASSIST"}};
        for (bool sub : {false, true}) {
            const int v = sub ? -1 : 1;
            const QString mode = sub ? QStringLiteral(" taken back") : QString();
            const QString lead1 = sub ? QStringLiteral("Subtracted 1 ") : QStringLiteral("Added 1 ");
            const QString leadA = sub ? QStringLiteral("Subtracted a ") : QStringLiteral("Added a ");
            for (const Ordinary& o : ordinary) {
                QTest::addRow("%s%s", o.stat, qPrintable(mode))
                    << QString::fromLatin1(o.stat) << sub << QVariantMap{{QString::fromLatin1(o.column), v}}
                    << lead1 + QString::fromLatin1(o.stat) + QStringLiteral(" to ") + box;
            }
            for (const char* attack : {"Kill", "Error"}) {
                QTest::addRow("%s%s", attack, qPrintable(mode))
                    << QString::fromLatin1(attack) << sub
                    << QVariantMap{{QString::fromLatin1(attack).toUpper(), v}, {QStringLiteral("ATTEMPT"), v}}
                    << lead1 + QString::fromLatin1(attack) + QStringLiteral(" and 1 Attempt to ") + box;
            }
            for (int q = 1; q <= 3; ++q) {
                QTest::addRow("pass %d%s", q, qPrintable(mode))
                    << QString::number(q) << sub << QVariantMap{{QStringLiteral("PASSING"), q * v}}
                    << leadA + QString::number(q) + QStringLiteral(" Passing stat to ") + box;
            }
        }
    }

    void eachStatWritesItsRow()
    {
        QFETCH(QString, stat);
        QFETCH(bool, subtract);
        QFETCH(QVariantMap, values);
        QFETCH(QString, status);
        view.subtract = subtract;
        game.PlayerOnClick(9);
        const QDateTime frozen(QDate(2026, 6, 1), QTime(19, 0, 5));
        Clock::setOverride([frozen] { return frozen; });
        game.AddStat(stat, player);
        QCOMPARE(view.status, status);

        const auto rows = app->rows(QStringLiteral("SELECT GAMEID, PLAYID, PLAYERID, POSITION, ")
                                    + kColumns.join(QStringLiteral(", ")) + QStringLiteral(" FROM PLAY"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toString(), gameId.text());
        QCOMPARE(rows[0][1].toString(), QStringLiteral("2026-06-01 19:00:05"));
        QCOMPARE(rows[0][2].toString(), player.text());
        QCOMPARE(rows[0][3].toInt(), 9);
        for (int c = 0; c < kColumns.size(); ++c) {
            const QVariant got = rows[0][4 + c];
            if (values.contains(kColumns[c]))
                QCOMPARE(got.toInt(), values.value(kColumns[c]).toInt());
            else
                QVERIFY2(got.isNull(), qPrintable(kColumns[c]));
        }
    }

    void takingBackNetsOut()
    {
        game.AddStat(QStringLiteral("3"), player);
        game.AddStat(QStringLiteral("Kill"), player);
        view.subtract = true;
        game.AddStat(QStringLiteral("3"), player);
        game.AddStat(QStringLiteral("Kill"), player);
        game.AddStat(QStringLiteral("Kill"), player); // more than was recorded: goes below zero
        QCOMPARE(app->rows(QStringLiteral("SELECT SUM(PASSING), SUM(KILL), SUM(ATTEMPT), COUNT(*) FROM PLAY")),
                 (QList<QVariantList>{{0, -1, -1, 5}}));
    }

    void aFailedWriteLeavesTheStatusLine_data()
    {
        QTest::addColumn<QString>("stat");
        QTest::newRow("ordinary") << "Dig";
        QTest::newRow("attack") << "Kill";
        QTest::newRow("pass") << "2";
        QTest::newRow("unknown stat") << "Dig); DROP TABLE PLAY; --";
    }

    void aFailedWriteLeavesTheStatusLine()
    {
        QFETCH(QString, stat);
        if (!stat.contains(QLatin1Char(';')))
            Execute(QStringLiteral(
                "CREATE TRIGGER refuse BEFORE INSERT ON PLAY BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
        bool thrown = false;
        try {
            game.AddStat(stat, player);
        } catch (const DbError&) {
            thrown = true;
        }
        QVERIFY(thrown);
        QCOMPARE(view.status, QStringLiteral("before"));
        QCOMPARE(app->count(QStringLiteral("PLAY")), 0);
    }

    void withoutAScreenNothingBreaks()
    {
        clsGame loose;
        loose.setGameID(gameId);
        loose.PlayerOnClick(4);
        loose.AddStat(QStringLiteral("Dig"), player);
        QCOMPARE(app->scalar(QStringLiteral("SELECT POSITION FROM PLAY")).toInt(), 4);
    }
};

SIDELINES_TEST(TestGameRecording)
#include "tst_gamerecording.moc"
