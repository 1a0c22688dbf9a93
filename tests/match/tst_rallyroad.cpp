#include "MatchKeys.h"
#include "storage/RallyStore.h"
#include "storage/ReportStore.h"
#include "rules/TeamNumbers.h"
#include "widgets/mConstants.h"
#include "game/Court.h"
#include "match/clsMatch.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTest>

using namespace drive;

namespace {

using namespace matchkeys;

void CtrlZ(QWidget* w)
{
    QTest::keyClick(court::Focus(w), Qt::Key_Z, Qt::ControlModifier);
}

// What the court says after a command: the status line, the serve mark's box and name, and the
// newest entry of the strip.
QString Say(QWidget* w)
{
    auto* serve = Child<QLabel>(w, QStringLiteral("lblServe"));
    auto* strip = Child<QListWidget>(w, QStringLiteral("lstLog"));
    return QStringLiteral("%1 | box %2 %3 | %4")
        .arg(Child<QLabel>(w, QStringLiteral("lblStatus"))->text())
        .arg(serve->property("box").toInt())
        .arg(serve->accessibleName(), strip->count() ? strip->item(0)->text() : QString());
}

QString Shirts(const Rally::Zones& zones, const QHash<RecordId, int>& numbers)
{
    QStringList out;
    for (const RecordId& id : zones)
        out << QString::number(numbers.value(id, -1));
    return out.join(QLatin1Char('-'));
}

QString Pct(std::optional<double> v)
{
    return v ? QString::number(*v * 100, 'f', 1) : QStringLiteral("-");
}

} // namespace

// Matches recorded through the real windows by keyboard, with the rally log: the serve, points
// both ways, rotations by hand and by side-out, a substitution, take-backs of every kind, points
// from the deciding action; the log and the team numbers are checked against what was played, and
// taking everything back leaves the game as it began.
class TestRallyRoad : public QObject
{
    Q_OBJECT

    std::unique_ptr<court::Seeded> seeded;
    QHash<RecordId, int> shirts;

    // The points that stand in the match's only game: "served>won score home-zones away-zones".
    QStringList Points() const
    {
        const RecordId game = RecordId::fromText(seeded->app.scalar(QStringLiteral("SELECT GAMEID FROM GAME")).toString());
        QStringList out;
        for (const Rally::Point& p : Rally::StandingPoints(RallyStore::GameLog(game)))
            out << QStringLiteral("%1>%2 %3:%4 %5 %6")
                       .arg(p.server == 0 ? 'H' : 'A')
                       .arg(p.winner == 0 ? 'H' : 'A')
                       .arg(p.homeScore)
                       .arg(p.awayScore)
                       .arg(Shirts(p.zones[0], shirts), Shirts(p.zones[1], shirts));
        return out;
    }

    // Each team's numbers: "won:lost bp so runs | rotation: served/won received/won ...".
    QStringList Numbers() const
    {
        const RecordId game = RecordId::fromText(seeded->app.scalar(QStringLiteral("SELECT GAMEID FROM GAME")).toString());
        TeamNumbers::GameRecord g;
        g.game = game;
        g.number = 1;
        g.teams = {seeded->session.homeTeamId, seeded->session.awayTeamId};
        g.names = {QStringLiteral("Harbour Hawks"), QStringLiteral("Owls d'Or")};
        g.log = RallyStore::GameLog(game);
        QStringList out;
        for (const TeamNumbers::Team& t : TeamNumbers::Compute({g}).teams) {
            QString line = QStringLiteral("%1 %2:%3 bp %4 so %5 run %6 |")
                               .arg(t.name)
                               .arg(t.tally.won())
                               .arg(t.tally.lost())
                               .arg(Pct(t.tally.breakPoint()), Pct(t.tally.sideout()))
                               .arg(t.runs.front().points);
            for (const TeamNumbers::Rotation& r : t.rotations)
                line += QStringLiteral(" #%1 %2/%3 %4/%5")
                            .arg(shirts.value(r.player))
                            .arg(r.tally.served)
                            .arg(r.tally.wonServing)
                            .arg(r.tally.received)
                            .arg(r.tally.wonReceiving);
            out << line;
        }
        return out;
    }

    // What every take-back must bring back: the scores, the boxes, the kept totals' figures and
    // the report's lines.
    QStringList State(QWidget* w) const
    {
        auto* screen = qobject_cast<frmGame*>(w);
        QStringList out;
        out << Child<QLabel>(w, QStringLiteral("lblScore_0"))->text() + QLatin1Char(':')
                   + Child<QLabel>(w, QStringLiteral("lblScore_1"))->text();
        out << seeded->app.scalar(QStringLiteral("SELECT HOMESCORE || ':' || AWAYSCORE FROM GAME")).toString();
        QStringList boxes;
        for (int n = 1; n <= 12; ++n)
            boxes << QString::number(shirts.value(screen->boxPlayerId(n)));
        out << boxes.join(QLatin1Char(','));
        // Figures only: ACTIONS counts rows, and a take-back is a row of its own.
        for (const QVariantList& row : seeded->app.rows(QStringLiteral(
                 "SELECT PLAYERID, POSITION, ATTEMPT, KILL, ERROR, SERVEACE, SERVEERROR, DIG, RECEIVEERROR, SOLOBLOCK, "
                 "BLOCKASSIST, BLOCKERROR, BALLHANDLEERROR, SETASSIST, PASSSUM, PASSNET FROM TOTALS "
                 "WHERE ATTEMPT OR KILL OR ERROR OR SERVEACE OR SERVEERROR OR DIG OR RECEIVEERROR OR SOLOBLOCK "
                 "OR BLOCKASSIST OR BLOCKERROR OR BALLHANDLEERROR OR SETASSIST OR PASSSUM OR PASSNET "
                 "ORDER BY PLAYERID, POSITION"))) {
            QStringList cells;
            for (const QVariant& v : row)
                cells << v.toString();
            out << cells.join(QLatin1Char(' '));
        }
        ReportChoices choices;
        choices.match = seeded->session.matchId;
        for (const ReportLine& line : ReportStore::Fill(BuildReportStatement(choices))) {
            QStringList cells{line.player, QString::number(line.games)};
            for (qint64 c : line.counts)
                cells << QString::number(c);
            cells << QString::number(line.pass.sum) << QString::number(line.pass.net);
            out << cells.join(QLatin1Char(' '));
        }
        return out;
    }

private slots:
    void initTestCase() { court::Prepare(); }
    void init()
    {
        seeded = std::make_unique<court::Seeded>();
        MatchStore::ForgetMatches();
        shirts.clear();
        for (int t = 0; t < 2; ++t)
            for (const PlayerRow& p : RosterStore::TeamPlayers(t == 0 ? seeded->session.homeTeamId
                                                                      : seeded->session.awayTeamId))
                shirts.insert(p.id, p.number);
    }
    void cleanup()
    {
        EndTest();
        seeded.reset();
    }

    // Score and rotation by hand: away serves first, the serve goes back and forth, a rotation by
    // hand, take-backs of a point, an action and a rotation, a substitution that the take-back
    // passes over, a point taken off in subtraction mode and that taking off taken back.
    void pointsByHand()
    {
        QStringList seen;
        Windows({
            PickTeam(seeded->session.homeTeamId),
            PickTeam(seeded->session.awayTeamId),
            AltKeys({Qt::Key_3, Qt::Key_1, Qt::Key_L}, true),
            [](QWidget* w) {
                SixEachByKeys(w);
                AltKeys({Qt::Key_A, Qt::Key_G})(w); // away serves first
            },
            [&](QWidget* w) {
                seen << Say(w);
                court::AltKey(w, Qt::Key_H); // 1:0, won on the other side's serve
                seen << Say(w);
                court::AltKey(w, Qt::Key_R); // home turns by hand
                seen << Say(w);
                court::AltKey(w, Qt::Key_H); // 2:0 on home's serve
                court::AltKey(w, Qt::Key_A); // 2:1, the serve back to away
                court::AltKey(w, Qt::Key_O);
                seen << Say(w);
                court::Record(w, 7, Qt::Key_K); // a kill of away's zone 1
                court::AltKey(w, Qt::Key_A); // 2:2
                CtrlZ(w); // the point,
                seen << Say(w);
                CtrlZ(w); // the kill,
                seen << Say(w);
                CtrlZ(w); // and away's turn are taken back
                seen << Say(w);
                court::AltKey(w, Qt::Key_O);
                QTest::keyClick(court::Focus(w), Qt::Key_G, Qt::AltModifier);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
            },
            [](QWidget* w) { // home's zone 3 makes way for Hawk 7
                Steps({ChooseRow(QStringLiteral("lstTeam_1"), 2), Click(QStringLiteral("cmdHMoveBack")),
                       ChooseRow(QStringLiteral("lstTeam_0"), 0), Click(QStringLiteral("cmdHMoveStart")),
                       AltKeys({Qt::Key_G})})(w);
            },
            [&](QWidget* w) {
                seen << Say(w);
                CtrlZ(w); // passes over the substitution: away's second turn
                seen << Say(w);
                court::AltKey(w, Qt::Key_M);
                court::AltKey(w, Qt::Key_A); // away's point taken off: 2:0
                court::AltKey(w, Qt::Key_M);
                seen << Say(w);
                CtrlZ(w); // and that taken back: 2:1
                court::Record(w, 4, Qt::Key_K);
                court::AltKey(w, Qt::Key_H); // 3:1
                seen << Say(w);
                seen << Points() << Numbers();
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                court::AltKey(w, Qt::Key_N);
            },
        });
        clsMatch().StartNewMatch();
        QCOMPARE(seen, table::Section(QStringLiteral("rallyroad.txt"), QStringLiteral("pointsByHand")));
        // The game's row, the kill that stands and the one taken back.
        QCOMPARE(seeded->app.rows(QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM GAME")),
                 (QList<QVariantList>{{3, 1}}));
        QCOMPARE(seeded->app.rows(QStringLiteral("SELECT POSITION, SUM(KILL), SUM(ATTEMPT), COUNT(*) FROM PLAY "
                                                 "GROUP BY PLAYERID, POSITION ORDER BY POSITION")),
                 (QList<QVariantList>{{4, 1, 1, 1}, {7, 0, 0, 2}}));
    }

    // One key per rally with both options on, then every entry taken back one by one: the game
    // is as it began, and a further take-back has nothing left.
    void oneKeyPerRallyThenAllTakenBack()
    {
        QStringList seen, before, after;
        int entries = 0;
        Windows({
            PickTeam(seeded->session.homeTeamId),
            PickTeam(seeded->session.awayTeamId),
            AltKeys({Qt::Key_3, Qt::Key_1, Qt::Key_L, Qt::Key_O, Qt::Key_D}, true),
            [](QWidget* w) {
                SixEachByKeys(w);
                AltKeys({Qt::Key_G})(w); // home serves first, as proposed
            },
            [&](QWidget* w) {
                before = State(w);
                court::Record(w, 1, Qt::Key_S); // ace: 1:0
                court::Record(w, 1, Qt::Key_R); // serve error: 1:1, away turns
                court::Record(w, 7, Qt::Key_R); // away's serve error: 2:1, home turns
                court::Record(w, 2, Qt::Key_K); // kill: 3:1
                court::Record(w, 9, Qt::Key_B); // block assist: 3:2, away turns
                court::Record(w, 10, Qt::Key_B); // the block's second player: no point
                CtrlZ(w);
                CtrlZ(w); // the first assist, its point and its turn
                court::Record(w, 8, Qt::Key_C); // receiving error: 4:1
                court::Record(w, 3, Qt::Key_P, 2); // a pass: no point
                seen << Say(w) << Points() << Numbers();
                entries = seeded->app.count(QStringLiteral("RALLY"));
                for (int i = 0; i < 30 && !Say(w).startsWith(QLatin1String("Nothing to take back")); ++i)
                    CtrlZ(w);
                seen << Say(w);
                after = State(w);
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                court::AltKey(w, Qt::Key_N);
            },
        });
        const int beeps = BeepCount();
        clsMatch().StartNewMatch();
        QCOMPARE(BeepCount() - beeps, 1);
        QCOMPARE(seen,
                 table::Section(QStringLiteral("rallyroad.txt"), QStringLiteral("oneKeyPerRallyThenAllTakenBack")));
        QCOMPARE(after, before);
        // Nothing was deleted: every take-back is an entry of its own.
        QVERIFY(seeded->app.count(QStringLiteral("RALLY")) > entries);
    }
};

SIDELINES_TEST(TestRallyRoad)
#include "tst_rallyroad.moc"
