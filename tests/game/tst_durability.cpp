#include "Court.h"
#include "support/TestMain.h"

#include <QProcess>
#include <QRandomGenerator>
#include <cstdio>

using namespace court;

namespace {

constexpr auto kDatabaseVariable = "SIDELINES_RECORDING_DB";

// Action i of the recording: box, access key, rating and the columns it must fill.
struct Action
{
    Qt::Key key;
    int rating;
    QStringList columns;
};
const QList<Action> kActions{{Qt::Key_K, 0, {"KILL", "ATTEMPT"}}, {Qt::Key_P, 2, {"PASSING"}},
                             {Qt::Key_D, 0, {"DIG"}},            {Qt::Key_E, 0, {"ERROR", "ATTEMPT"}},
                             {Qt::Key_T, 0, {"SETASSIST"}},      {Qt::Key_O, 0, {"SOLOBLOCK"}}};
const QStringList kColumns{"ATTEMPT", "KILL", "ERROR", "DIG", "SOLOBLOCK", "SETASSIST", "PASSING"};
int BoxOf(int i)
{
    return i % 12 + 1;
}

} // namespace

// Run by the durability test in a process of its own (test_game RecordingHelper, with the
// database named in SIDELINES_RECORDING_DB): records actions on the court screen and prints a
// line each time the status line has said so, until it is killed.
class RecordingHelper : public QObject
{
    Q_OBJECT

private slots:
    void recordUntilKilled()
    {
        const QString path = qEnvironmentVariable(kDatabaseVariable);
        if (path.isEmpty())
            QSKIP("runs only in the process started by the durability test");
        Prepare();
        MsgBoxHook::install();
        QString error;
        QVERIFY2(Db::open(path, &error), qPrintable(error));
        const QSqlRecord row = SelectAll(QStringLiteral("SELECT M.MATCHID, M.HOMETEAMID, M.AWAYTEAMID, G.GAMEID "
                                                        "FROM MATCH M JOIN GAME G ON G.MATCHID = M.MATCHID"))
                                   .front();
        MatchSession session;
        session.matchId = RecordId::fromText(row.value(0).toString());
        session.homeTeamId = RecordId::fromText(row.value(1).toString());
        session.awayTeamId = RecordId::fromText(row.value(2).toString());
        session.game->setGameID(RecordId::fromText(row.value(3).toString()));
        session.game->setGameNumber(1);
        session.loadRosters();
        frmGame screen(session);
        for (int t = 0; t < 2; ++t) {
            for (const PlayerRow& r : session.rosters[size_t(t)].players) {
                auto p = std::make_shared<clsPlayer>();
                p->setPlayerID(r.id);
                (t == 0 ? screen.colHomePlayers : screen.colAwayPlayers) << p;
            }
        }
        screen.SetUpHome();
        screen.SetUpAway();
        screen.show();
        QApplication::setActiveWindow(&screen);
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        auto* status = Child<QLabel>(&screen, QStringLiteral("lblStatus"));
        for (int i = 0;; ++i) {
            status->clear();
            const Action& a = kActions[i % kActions.size()];
            QVERIFY(Record(&screen, BoxOf(i), a.key, a.rating));
            QVERIFY(status->text().startsWith(QStringLiteral("Added ")));
            std::printf("RECORDED %d\n", i);
            std::fflush(stdout);
        }
    }
};

// A recording killed at any moment keeps every action whose status line was shown.
class TestDurability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prepare(); }

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
        QList<RecordId> players; // box order: home in 1-6, away in 7-12
        for (const RecordId& team : {home, away})
            for (int i = 1; i <= 6; ++i)
                players << app.addPlayer(team, QStringLiteral("P%1").arg(i), i);
        const RecordId game = NewRecordId(RecordKind::Game);
        MatchStore::AddMatch(NewRecordId(RecordKind::Match), home, away, game, 1);

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kDatabaseVariable), app.dbPath());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("RecordingHelper")});
        QVERIFY(child.waitForStarted());
        // Killed after a random number of announced actions, at a random point of the next.
        const int killAfter = int(rng.bounded(1, 80));
        QByteArray out;
        while (out.count("RECORDED ") < killAfter && child.state() == QProcess::Running) {
            child.waitForReadyRead(1000);
            out += child.readAllStandardOutput();
        }
        QCOMPARE(child.state(), QProcess::Running);
        for (int i = int(rng.bounded(0, 20000)); i > 0; --i)
            out += child.readAllStandardOutput();
        child.kill(); // SIGKILL: no chance to tidy up
        QVERIFY(child.waitForFinished());
        out += child.readAllStandardOutput();
        const int shown = int(out.count("RECORDED "));
        QVERIFY(shown >= killAfter);

        QCOMPARE(app.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        const auto rows = app.rows(QStringLiteral("SELECT GAMEID, PLAYERID, POSITION, ")
                                   + kColumns.join(QStringLiteral(", ")) + QStringLiteral(" FROM PLAY ORDER BY rowid"));
        // Every announced action is there; at most the one under way when the kill came is more.
        QVERIFY2(rows.size() >= shown && rows.size() <= shown + 1,
                 qPrintable(QStringLiteral("%1 rows, %2 shown").arg(rows.size()).arg(shown)));
        for (int i = 0; i < rows.size(); ++i) {
            const Action& a = kActions[i % kActions.size()];
            QCOMPARE(rows[i].mid(0, 3), (QVariantList{game.text(), players[BoxOf(i) - 1].text(), BoxOf(i)}));
            for (int c = 0; c < kColumns.size(); ++c)
                QCOMPARE(rows[i][3 + c].isNull() ? 0 : rows[i][3 + c].toInt(),
                         a.columns.contains(kColumns[c]) ? (a.rating ? a.rating : 1) : 0);
        }
    }
};

SIDELINES_TEST(RecordingHelper)
SIDELINES_TEST(TestDurability)
#include "tst_durability.moc"
