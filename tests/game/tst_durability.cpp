#include "Keys.h"
#include "game/clsGame.h"
#include "game/frmGame.h"
#include "core/MsgBox.h"
#include "core/Database.h"
#include "roster/clsPlayer.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <cstdio>

using namespace game_test;

namespace {

constexpr auto kDatabaseVariable = "SIDELINES_RECORDING_DB";
constexpr int kActions = 400;

// Action i of the recording: which box, which stat menu item.
int BoxOf(int i)
{
    return i % 12 + 1;
}
const StatItem& ItemOf(int i)
{
    return StatItems()[(i * 7) % StatItems().size()];
}

// The six players of a team on court, first six by shirt number.
QList<std::shared_ptr<clsPlayer>> Starters(const RecordId& team)
{
    QList<std::shared_ptr<clsPlayer>> out;
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT PLAYERID, PLAYERNAME, PLAYERNUMBER FROM PLAYER "
                                                        "WHERE TEAMID = ? ORDER BY PLAYERNUMBER LIMIT 6"),
                                         {Bind(team)})) {
        auto p = std::make_shared<clsPlayer>();
        p->setPlayerID(RecordId::fromText(r.value(0).toString()));
        p->setPlayerName(r.value(1).toString());
        p->setPlayerNumber(qint16(r.value(2).toInt()));
        out << p;
    }
    return out;
}

} // namespace

// Run by the durability test in a process of its own (test_game RecordingHelper, with the
// database named in SIDELINES_RECORDING_DB): records actions on the court screen and prints a
// line each time the status line has said that an action was recorded. The parent kills it at
// a random moment. In an ordinary test run it has nothing to do.
class RecordingHelper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void recordUntilKilled()
    {
        const QString path = qEnvironmentVariable(kDatabaseVariable);
        if (path.isEmpty())
            QSKIP("runs only in the process started by the durability test");
        MsgBoxHook::install();
        QString error;
        QVERIFY2(Db::open(path, &error), qPrintable(error));
        const auto match = SelectAll(QStringLiteral("SELECT M.HOMETEAMID, M.AWAYTEAMID, G.GAMEID FROM MATCH M "
                                                    "JOIN GAME G ON G.MATCHID = M.MATCHID"));
        QCOMPARE(int(match.size()), 1);
        auto game = std::make_shared<clsGame>();
        game->setGameID(RecordId::fromText(match.front().value(2).toString()));
        game->setGameNumber(1);
        {
            frmGame screen;
            screen.strSide = QStringLiteral("LEFT");
            screen.colHomePlayers = Starters(RecordId::fromText(match.front().value(0).toString()));
            screen.colAwayPlayers = Starters(RecordId::fromText(match.front().value(1).toString()));
            screen.setGame(game);
            screen.SetUpHome();
            screen.SetUpAway();
            screen.show();
            screen.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&screen));
            Keys keys(&screen);
            auto* status = Child<QLabel>(&screen, QStringLiteral("lblStatus"));
            for (int i = 0; i < kActions; ++i) {
                status->clear();
                QVERIFY(keys.record(BoxOf(i), ItemOf(i)));
                QVERIFY(status->text().startsWith(QStringLiteral("Added ")));
                std::printf("RECORDED %d\n", i);
                std::fflush(stdout);
            }
            screen.bShowMessage = false;
        }
        Db::close();
    }
};

// A recording killed at any moment keeps every action whose status line was shown.
class TestDurability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PreferMemoryBackedTemp();
        QuietOffscreenWarnings();
    }

    void killedRecordingLosesNothingItShowed_data()
    {
        QTest::addColumn<int>("seed");
        for (int run = 1; run <= 20; ++run)
            QTest::addRow("run %d", run) << 7919 * run;
    }

    void killedRecordingLosesNothingItShowed()
    {
        QFETCH(int, seed);
        QRandomGenerator rng{quint32(seed)};
        TestApp app;
        const RecordId home = app.addTeam(QStringLiteral("Hawks"));
        const RecordId away = app.addTeam(QStringLiteral("Owls"));
        for (int i = 1; i <= 6; ++i) {
            app.addPlayer(home, QStringLiteral("Hawk %1").arg(i), i);
            app.addPlayer(away, QStringLiteral("Owl %1").arg(i), 10 + i);
        }
        const RecordId matchId = NewRecordId(RecordKind::Match);
        const RecordId gameId = NewRecordId(RecordKind::Game);
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
                {Bind(matchId), Bind(home), Bind(away)});
        Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                               "VALUES (?, ?, 1, 0, 0)"),
                {Bind(matchId), Bind(gameId)});
        QList<RecordId> players; // box order: home in 1-6, away in 7-12
        for (const RecordId& team : {home, away}) {
            for (const auto& p : Starters(team))
                players << p->PlayerID();
        }

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kDatabaseVariable), app.dbPath());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("RecordingHelper")});
        QVERIFY(child.waitForStarted());

        // Kill it after a random number of announced actions, at a random point of the next.
        const int killAfter = int(rng.bounded(1, 80));
        QByteArray out;
        auto announced = [&out] { return int(out.count("RECORDED ")); };
        while (announced() < killAfter && child.state() == QProcess::Running) {
            child.waitForReadyRead(1000);
            out += child.readAllStandardOutput();
        }
        QCOMPARE(child.state(), QProcess::Running);
        const int spin = int(rng.bounded(0, 20000));
        for (int i = 0; i < spin; ++i)
            out += child.readAllStandardOutput();
        child.kill(); // SIGKILL: no chance to tidy up
        QVERIFY(child.waitForFinished());
        out += child.readAllStandardOutput();
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        int shown = 0;
        for (const QByteArray& line : out.split('\n')) {
            if (line.startsWith("RECORDED ")) {
                QCOMPARE(line.mid(9).toInt(), shown);
                ++shown;
            }
        }
        QVERIFY(shown >= killAfter);

        QCOMPARE(app.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        const auto rows
            = app.rows(QStringLiteral("SELECT GAMEID, PLAYERID, POSITION, ") + StatColumns().join(QStringLiteral(", "))
                       + QStringLiteral(" FROM PLAY ORDER BY rowid"));
        // Every announced action is there; at most the one under way when the kill came is more.
        QVERIFY2(rows.size() >= shown, qPrintable(QStringLiteral("%1 rows, %2 shown").arg(rows.size()).arg(shown)));
        QVERIFY2(rows.size() <= shown + 1, qPrintable(QStringLiteral("%1 rows, %2 shown").arg(rows.size()).arg(shown)));
        for (int i = 0; i < rows.size(); ++i) {
            const QVariantList& row = rows[i];
            const StatItem& item = ItemOf(i);
            QCOMPARE(row[0].toString(), gameId.text());
            QCOMPARE(row[1].toString(), players[BoxOf(i) - 1].text());
            QCOMPARE(row[2].toInt(), BoxOf(i));
            for (int c = 0; c < StatColumns().size(); ++c) {
                if (item.columns.contains(StatColumns()[c]))
                    QCOMPARE(row[3 + c].toInt(), item.rating > 0 ? item.rating : 1);
                else
                    QVERIFY(row[3 + c].isNull());
            }
        }
    }
};

SIDELINES_TEST(RecordingHelper)
SIDELINES_TEST(TestDurability)
#include "tst_durability.moc"
