// Continuing a match after a stop: from the choice to the court on the screen as the match stood,
// for a five-game match of about 1,000 log entries, against reading that match's rows alone
// (its MATCH and GAME rows and every log entry, each value taken) on the same connection in the
// same run. Target: the median at most 100 ms.
//
// Build with -DSIDELINES_BENCH=ON (Release), run build-bench/bench/bench_continue.

#include "BenchSupport.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "rules/RallyLog.h"
#include "storage/RallyStore.h"
#include "base/RecordId.h"
#include "storage/RosterStore.h"
#include "base/StatKinds.h"
#include "game/frmGame.h"
#include "match/clsMatch.h"
#include "storage/RecordIssue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// A database with two teams of eight and one match of five games, each game a few hundred log
// entries of actions, points with their side-out turns, libero swaps and timeouts, left as a stop
// leaves it: being recorded, its last game under way.
struct Fixture
{
    QTemporaryDir dir;
    RecordId match;
    int entries = 0;

    Fixture()
    {
        const QString path = dir.filePath(QStringLiteral("Rally2.db"));
        QString error;
        if (!Db::createFresh(path, &error) || !Db::open(path, &error))
            qFatal("database: %s", qPrintable(error));
        std::array<RecordId, 2> teams{NewRecordId(RecordKind::Team), NewRecordId(RecordKind::Team)};
        RosterStore::AddTeam(teams[0], QStringLiteral("Hawks"));
        RosterStore::AddTeam(teams[1], QStringLiteral("Owls"));
        std::array<QList<RecordId>, 2> players;
        for (int side = 0; side < 2; ++side)
            for (int i = 1; i <= 8; ++i) {
                const RecordId id = NewRecordId(RecordKind::Player);
                if (RosterStore::AddPlayer(PlayerRow{id, teams[size_t(side)], QStringLiteral("Player %1").arg(i), side * 10 + i}))
                    qFatal("seeding: a shirt number given twice");
                players[size_t(side)] << id;
            }
        match = NewRecordId(RecordKind::Match);
        const StatKind* kill = StatByColumn(QStringLiteral("KILL"));
        const StatKind* dig = StatByColumn(QStringLiteral("DIG"));
        const StatKind* pass = StatByColumn(QStringLiteral("PASSING"));
        const StatKind* attempt = StatByColumn(QStringLiteral("ATTEMPT"));
        QDateTime at = QDateTime::currentDateTime();
        for (int number = 1; number <= 5; ++number) {
            const RecordId game = NewRecordId(RecordKind::Game);
            if (number == 1)
                MatchStore::AddMatch(match, teams[0], teams[1], game, 1,
                                     MatchStore::MatchOptions{QStringLiteral("LEFT"), 5, 25, true, true});
            else
                MatchStore::AddGame(match, game, number, number % 2 ? QStringLiteral("LEFT") : QStringLiteral("RIGHT"));
            Rally::Book book;
            const auto write = [&](const Rally::StepWrite& step, const QList<RecordId>& onCourt = {}) {
                RallyStore::Write(game, step, onCourt);
                book.append(step);
                at = at.addSecs(5);
            };
            Rally::Court court;
            for (int side = 0; side < 2; ++side)
                for (size_t z = 0; z < 6; ++z)
                    court[size_t(side)][z] = players[size_t(side)][qsizetype(z)];
            write(book.start(court, number % 2, at, {players[0][7], players[1][7]}),
                  players[0].mid(0, 6) + players[1].mid(0, 6));
            // The last game stops midway.
            const int limit = number == 5 ? 8 : 25;
            for (int rally = 0; std::max(book.score(0), book.score(1)) < limit; ++rally) {
                const int side = (rally * 7 + number) % 5 < 3 ? Rally::kHome : Rally::kAway;
                if (rally % 6 == 0 && Rally::CheckLibero(book.log(), side, 6) != Rally::LiberoMove::NoLibero)
                    write(book.libero(side, 6, at));
                if (rally % 11 == 5)
                    write(book.timeout(Rally::Other(side), at));
                write(book.action(book.court()[size_t(side)][4], side, 5 + 6 * side, *pass, 2, std::nullopt, true, at));
                if (rally % 2)
                    write(book.action(book.court()[size_t(side)][2], side, 3 + 6 * side, *attempt, 1, std::nullopt,
                                      true, at));
                write(book.action(book.court()[size_t(side)][4], side, 5 + 6 * side, *dig, 1, std::nullopt, true, at));
                write(book.action(book.court()[size_t(side)][3], side, 4 + 6 * side, *kill, 1,
                                  Rally::PointFromAction(*kill, side, 1, book.log()), true, at));
            }
            entries += int(book.log().size());
        }
    }
    ~Fixture() { Db::close(); }
};

// The physical part of continuing: every row of the match that a continuation could read, once.
double ReadRowsAlone(const RecordId& match)
{
    QElapsedTimer t;
    t.start();
    int values = 0;
    for (const char* sql : {"SELECT * FROM MATCH WHERE MATCHID = ?", "SELECT * FROM GAME WHERE MATCHID = ?",
                            "SELECT R.* FROM RALLY R JOIN GAME G ON G.GAMEID = R.GAMEID WHERE G.MATCHID = ? "
                            "ORDER BY R.GAMEID, R.ENTRY"}) {
        QSqlQuery q(Db::connection());
        q.setForwardOnly(true);
        q.prepare(QString::fromLatin1(sql));
        q.addBindValue(match.text());
        q.exec();
        const int columns = q.record().count();
        while (q.next())
            for (int i = 0; i < columns; ++i)
                values += q.value(i).isNull() ? 0 : 1;
    }
    benchmark::DoNotOptimize(values);
    return double(t.nsecsElapsed()) / 1e6;
}

// From the choice to the court shown and painted, as the match stood; then the court is left.
double ContinueToTheCourt(const RecordId& match)
{
    QElapsedTimer t;
    double shown = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* court = qobject_cast<frmGame*>(QApplication::activeModalWidget());
        if (!court || !court->isVisible())
            return;
        court->repaint();
        shown = double(t.nsecsElapsed()) / 1e6;
        watch.stop();
        court->bShowMessage = false;
        court->reject();
    });
    watch.start(0);
    t.start();
    if (!clsMatch().ContinueMatch(match))
        return -1;
    return shown;
}

void BM_ContinueFiveGameMatch(benchmark::State& state)
{
    Fixture f;
    std::vector<double> ours, rows;
    for (auto _ : state) {
        ours.push_back(ContinueToTheCourt(f.match));
        rows.push_back(ReadRowsAlone(f.match));
    }
    if (std::any_of(ours.begin(), ours.end(), [](double ms) { return ms < 0; }))
        state.SkipWithError("the court did not open");
    state.counters["entries"] = f.entries;
    state.counters["continue_median_ms"] = Percentile(ours, 0.5);
    state.counters["continue_p99_ms"] = Percentile(ours, 0.99);
    state.counters["rows_alone_median_ms"] = Percentile(rows, 0.5);
    state.counters["rows_alone_p99_ms"] = Percentile(rows, 0.99);
}
BENCHMARK(BM_ContinueFiveGameMatch)->Iterations(40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchApp bench(argc, argv, "bench_continue");
    return RunBenchmarks(argc, argv);
}
