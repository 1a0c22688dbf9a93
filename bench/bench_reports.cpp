// Report timings on a season-sized database: 40 teams, 600 players, 200 matches, 1,000 games and
// 1,000,000 recorded actions, and a rally log for every game but the last of every tenth match
// (those were recorded before the log): some 45 points a game, each with its actions, rotations
// and a take-back now and then. The database is generated once (in one transaction) and kept in
// the temporary folder for later runs; each run works on a copy.
//
// Targets: each page's lists filled within 100 ms; "Finish" (report made and its window open)
// within 100 ms with every catch-all entry and within 30 ms for one match; the team numbers of the
// whole season (the part of Finish that reads the logs and computes them) within 100 ms, measured
// beside the engine's own walk of the same log rows, which no reading of them can beat; the report
// window with 600 lines open within 300 ms.

#include "BenchSupport.h"
#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "rules/RallyLog.h"
#include "storage/RallyStore.h"
#include "base/RecordId.h"
#include "storage/ReportStore.h"
#include "widgets/mConstants.h"
#include "reports/ReportEngine.h"
#include "reports/clsReport.h"
#include "reports/frmReport.h"
#include "reports/frmReportView.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kTeams = 40;
constexpr int kPlayersPerTeam = 15;
constexpr int kMatches = 200;
constexpr int kGamesPerMatch = 5;
constexpr int kPlaysPerGame = 1000;
constexpr int kOnCourt = 6;

QString idText(const QDateTime& when)
{
    return RecordId(when).text();
}

// A game's rally log as the court writes it, played to 25 (two clear) by a fixed sequence of
// numbers: each rally a reception, a set and a dig before its point, the server winning two rallies
// in five; every seventeenth point taken back.
Rally::Log playedLog(const Rally::Court& court, int seed, const QDateTime& at)
{
    static const StatKind* kinds[] = {StatByColumn(QStringLiteral("PASSING")),
                                      StatByColumn(QStringLiteral("SETASSIST")), StatByColumn(QStringLiteral("DIG"))};
    quint32 state = quint32(seed) * 2654435761u + 1;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    Rally::Book book;
    book.append(book.start(court, seed % 2, at));
    for (int rally = 1;; ++rally) {
        const int home = book.score(Rally::kHome), away = book.score(Rally::kAway);
        if ((home >= 25 || away >= 25) && std::abs(home - away) >= 2)
            break;
        const int serving = book.serving();
        for (int a = 0; a < 3; ++a) {
            const int side = a == 1 ? serving : Rally::Other(serving);
            const int zone = int(next() % 6);
            book.append(book.action(court[size_t(side)][size_t(zone)], side, zone + 1 + 6 * side, *kinds[a],
                                    a == 0 ? 1 + int(next() % 3) : 1, std::nullopt, true, at));
        }
        const int winner = next() % 5 < 2 ? serving : Rally::Other(serving);
        book.append(book.point(winner, 1, true, at));
        if (rally % 17 == 0)
            book.append(*book.takeBack(at));
    }
    return book.log();
}

// Every column of a stored entry, in the order RallyStore::Columns() names them.
QVariantList storedEntry(const QString& game, const Rally::Entry& e)
{
    const auto orNull
        = [](int value, bool present) { return present ? QVariant(value) : QVariant(QMetaType::fromType<int>()); };
    const auto id
        = [](const RecordId& r) { return r.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(r.text()); };
    using Rally::Kind;
    QVariantList v{game,
                   e.entry,
                   e.step,
                   Rally::KindName(e.kind),
                   e.entered.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                   orNull(e.side, e.side >= 0),
                   orNull(e.server, e.server >= 0),
                   orNull(e.amount, e.kind != Kind::Start && e.kind != Kind::Sub),
                   e.homeScore,
                   e.awayScore,
                   id(e.player),
                   id(e.out),
                   e.stat.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(e.stat),
                   orNull(e.position, e.position > 0),
                   orNull(e.reverses, e.kind == Kind::Undo)};
    for (const Rally::Zones& side : e.zones)
        for (const RecordId& p : side)
            v << id(p);
    return v;
}

bool generateSeason(const QString& path)
{
    QString error;
    if (!Db::createFresh(path, &error) || !Db::open(path, &error)) {
        std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    Transaction t;
    const QDateTime base(QDate(2025, 8, 1), QTime(9, 0, 0));
    QStringList teams;
    QList<QStringList> players;
    {
        Query team(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, ?)"));
        Query player(
            QStringLiteral("INSERT INTO PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) VALUES (?, ?, ?, ?)"));
        for (int i = 0; i < kTeams; ++i) {
            teams << idText(base.addSecs(i));
            team.raw().bindValue(0, teams.last());
            team.raw().bindValue(1, QStringLiteral("Team %1").arg(i + 1, 2, 10, QLatin1Char('0')));
            team.exec();
            QStringList roster;
            for (int p = 0; p < kPlayersPerTeam; ++p) {
                roster << idText(base.addSecs(1000 + i * kPlayersPerTeam + p));
                player.raw().bindValue(0, roster.last());
                player.raw().bindValue(1, teams.last());
                player.raw().bindValue(2, QStringLiteral("Player %1-%2").arg(i + 1).arg(p + 1));
                player.raw().bindValue(3, p + 1);
                player.exec();
            }
            players << roster;
        }
    }
    Query match(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"));
    Query game(
        QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) VALUES (?, ?, ?, 0, 0)"));
    Query played(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES (?, ?)"));
    Query play(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, ATTEMPT, KILL, ERROR, SERVEACE, "
                              "SERVEERROR, DIG, RECEIVEERROR, SOLOBLOCK, BLOCKASSIST, BLOCKERROR, BALLHANDLEERROR, "
                              "SETASSIST, PASSING) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    QString marks = QStringLiteral("?");
    for (qsizetype c = RallyStore::Columns().count(QLatin1Char(',')); c > 0; --c)
        marks += QStringLiteral(",?");
    Query entry(QStringLiteral("INSERT INTO RALLY (%1) VALUES (%2)").arg(RallyStore::Columns(), marks));
    Query score(QStringLiteral("UPDATE GAME SET HOMESCORE = ?, AWAYSCORE = ? WHERE GAMEID = ?"));
    const QDateTime season(QDate(2026, 1, 5), QTime(18, 0, 0));
    for (int m = 0; m < kMatches; ++m) {
        // Four matches an evening, fifty match days.
        const QDateTime when = season.addDays(m / 4).addSecs(3600 * (m % 4));
        const int home = m % kTeams;
        const int away = (home + 1 + 3 * (m / kTeams)) % kTeams;
        match.raw().bindValue(0, idText(when));
        match.raw().bindValue(1, teams[home]);
        match.raw().bindValue(2, teams[away]);
        match.exec();
        for (int g = 1; g <= kGamesPerMatch; ++g) {
            const QDateTime gameWhen = when.addSecs(60 * (g - 1) + 1);
            const QString gameId = idText(gameWhen);
            game.raw().bindValue(0, idText(when));
            game.raw().bindValue(1, gameId);
            game.raw().bindValue(2, g);
            game.exec();
            QStringList court;
            for (int side : {home, away})
                for (int j = 0; j < kOnCourt; ++j)
                    court << players[side][(3 * (m / kTeams) + g + j) % kPlayersPerTeam];
            for (const QString& p : court) {
                played.raw().bindValue(0, gameId);
                played.raw().bindValue(1, p);
                played.exec();
            }
            if (g < kGamesPerMatch || m % 10 != 0) {
                Rally::Court zones;
                for (int j = 0; j < 2 * kOnCourt; ++j)
                    zones[size_t(j / kOnCourt)][size_t(j % kOnCourt)] = RecordId::fromText(court[j]);
                const Rally::Log log = playedLog(zones, m * kGamesPerMatch + g, gameWhen);
                for (const Rally::Entry& e : log) {
                    const QVariantList values = storedEntry(gameId, e);
                    for (int c = 0; c < values.size(); ++c)
                        entry.raw().bindValue(c, values[c]);
                    entry.exec();
                }
                score.raw().bindValue(0, log.back().homeScore);
                score.raw().bindValue(1, log.back().awayScore);
                score.raw().bindValue(2, gameId);
                score.exec();
            }
            for (int r = 0; r < kPlaysPerGame; ++r) {
                const int who = r % court.size();
                const int kind = (r / court.size()) % 13;
                const bool takeBack = r % 47 == 0;
                play.raw().bindValue(0, gameId);
                play.raw().bindValue(1, idText(gameWhen.addSecs(r / 3)));
                play.raw().bindValue(2, court[who]);
                play.raw().bindValue(3, 1 + (who + r / 97) % 12);
                for (int c = 0; c < 13; ++c)
                    play.raw().bindValue(4 + c, QVariant());
                const int value = kind == 12 ? 1 + r % 3 : 1;
                play.raw().bindValue(4 + kind, takeBack ? -value : value);
                if (kind == 1 || kind == 2)
                    play.raw().bindValue(4, takeBack ? -1 : 1);
                play.exec();
            }
        }
    }
    t.commit();
    Db::close();
    return true;
}

// The kept season is named after the schema it was made with, so that a changed index is
// measured as it ships instead of a season made before the change.
QString cachedSeasonPath()
{
    QByteArray text;
    for (int version = 0; version <= Db::kSchemaVersion; ++version) {
        QFile script(version == 0 ? QStringLiteral(":/schema.sql") : QStringLiteral(":/upgrades/%1.sql").arg(version));
        if (script.open(QIODevice::ReadOnly))
            text += script.readAll();
    }
    const QString key = QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex().left(12));
    return QDir::temp().filePath(QStringLiteral("sidelines-bench-season-v4-%1.db").arg(key));
}

// A working copy of the season for one benchmark.
struct Season
{
    QTemporaryDir dir;
    bool ok = false;
    Season()
    {
        const QString cached = cachedSeasonPath();
        if (!QFile::exists(cached)) {
            // Made under another name and renamed when whole, so that a run cut short never
            // leaves a half-made season to be measured by the next.
            const QString part = cached + QStringLiteral(".part");
            for (const char* suffix : {"", "-wal", "-shm", "-journal"})
                QFile::remove(part + QLatin1String(suffix));
            if (!generateSeason(part) || !QFile::rename(part, cached))
                return;
        }
        const QString path = dir.filePath(QStringLiteral("Rally2.db"));
        QString error;
        ok = QFile::copy(cached, path) && Db::open(path, &error);
        pubAppPath = dir.path() + QLatin1Char('/');
    }
    ~Season() { Db::close(); }
};

// The wizard with its own lists, filled as the user's "Next >" presses fill them.
struct Wizard
{
    frmReport form;
    clsReport report{&form};
    void years()
    {
        // The years are filled just before the wizard is shown modally; close it at once.
        QTimer::singleShot(0, &form, [this] { form.reject(); });
        report.RefreshYear();
    }
    void page2()
    {
        report.RefreshMatch();
        report.RefreshGames();
    }
    void page3() { report.RefreshTeam(); }
    void page4()
    {
        report.RefreshPlayers();
        report.RefreshPosition();
        report.RefreshOrder();
    }
    // Every page as "Next >" fills it, each list left at its catch-all but for the match, which
    // may be one from the middle of the season.
    void allPages(bool oneMatch = false)
    {
        years();
        page2();
        if (oneMatch) {
            form.cmbMatch->setCurrentIndex(form.cmbMatch->count() / 2);
            report.RefreshGames();
        }
        page3();
        page4();
    }
};

void BM_Page1_Dates(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    Wizard w;
    for (auto _ : state)
        w.years();
    state.counters["entries"] = w.form.cmbYear[0]->count();
}

void BM_Page2_MatchesAndGames(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    Wizard w;
    w.years();
    for (auto _ : state)
        w.page2();
    state.counters["entries"] = w.form.cmbMatch->count();
}

void BM_Page3_Teams(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    Wizard w;
    w.years();
    w.page2();
    for (auto _ : state)
        w.page3();
    state.counters["entries"] = w.form.cmbTeam->count();
}

void BM_Page4_PlayersPositionsOrder(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    Wizard w;
    w.years();
    w.page2();
    w.page3();
    for (auto _ : state)
        w.page4();
    state.counters["entries"] = w.form.cmbPlayer->count();
}

double EngineWalkMs(qint64* rows, int tries = 3);

// Finish, with every list at its catch-all, or with one match of the season chosen, beside the
// engine's own walk of the season's log rows (the anchor of the team numbers) in the same run.
void BM_Finish(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    Wizard w;
    w.allPages(state.range(0) == 1);
    for (auto _ : state) {
        w.report.Finish();
        state.PauseTiming();
        if (auto* window = VB_REPORT().LastWindow()) {
            state.counters["lines"] = window->model().lineCount();
            delete window;
        }
        state.ResumeTiming();
    }
    state.counters["rows"] = double(SelectAll(QStringLiteral("SELECT COUNT(*) FROM REPORT")).front().value(0).toInt());
    state.counters["anchor_engine_walk_ms"] = EngineWalkMs(nullptr);
}

// The storage part of Finish alone: REPORT and GAMECOUNT filled and the lines read, every list at
// its catch-all.
void BM_Fill(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    Wizard w;
    w.allPages();
    const ReportStatement st = BuildReportStatement(w.form.Choices());
    bool perBox = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportStore::Fill(st, nullptr, &perBox));
    state.counters["kept_per_box"] = perBox ? 1 : 0;
}

// The team numbers as Finish makes them, every list at its catch-all (the whole season) or one
// match chosen: the games and their logs read, the line-ups' players, the numbers computed.
void BM_TeamNumbers(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    Wizard w;
    w.allPages(state.range(0) == 1);
    const ReportChoices choices = w.form.Choices();
    ReportRallies rallies;
    for (auto _ : state) {
        std::vector<TeamNumbers::GameRecord> games = ReportStore::RallyGames(choices);
        ReportStore::LineUpRoster players = ReportStore::LineUpPlayers(games);
        rallies = MakeReportRallies(std::move(games), std::move(players), choices);
        benchmark::DoNotOptimize(rallies);
    }
    std::size_t points = 0;
    for (const TeamNumbers::Flow& f : rallies.numbers.games)
        points += f.leads.size();
    state.counters["games"] = double(rallies.games.size());
    state.counters["points"] = double(points);
    state.counters["teams"] = double(rallies.numbers.teams.size());
    state.counters["anchor_engine_walk_ms"] = EngineWalkMs(nullptr);
}

// The anchor of the team numbers: the engine alone walking the same log rows of the whole season
// by the same index (the start, points, timeouts and take-backs of every game, with every column
// the numbers read) and adding them up, with nothing handed to the program. No reading of the logs
// can be quicker. In milliseconds, the best of a few tries.
double EngineWalkMs(qint64* rows, int tries)
{
    QVariantList games;
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT GAMEID FROM GAME ORDER BY GAMEID")))
        games << r.value(0);
    QString marks = QStringLiteral("?");
    for (qsizetype i = 1; i < games.size(); ++i)
        marks += QStringLiteral(",?");
    const QString sql = QStringLiteral("SELECT COUNT(*), SUM(ENTRY + STEP + COALESCE(SIDE, 0) + COALESCE(SERVER, 0) "
                                       "+ COALESCE(AMOUNT, 0) + HOMESCORE + AWAYSCORE + COALESCE(REVERSES, 0)), "
                                       "SUM(length(KIND) + length(GAMEID) + length(STAT) + length(PLAYERID) + length(H1) "
                                       "+ length(A1)) FROM RALLY WHERE KIND IN ('START', 'POINT', 'UNDO', 'TIMEOUT') "
                                       "AND GAMEID IN (%1)")
                            .arg(marks);
    double best = 0;
    for (int i = 0; i < tries; ++i) {
        QElapsedTimer t;
        t.start();
        Query q(sql, games);
        q.exec();
        if (q.next() && rows)
            *rows = q.value(0).toLongLong();
        const double ms = double(t.nsecsElapsed()) / 1e6;
        best = i == 0 ? ms : std::min(best, ms);
    }
    return best;
}

void BM_TeamNumbers_EngineWalk(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    qint64 rows = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(EngineWalkMs(&rows, 1));
    state.counters["rows"] = double(rows);
}

void BM_ReportWindow_600Lines(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    Wizard w;
    w.allPages();
    w.report.Finish();
    delete VB_REPORT().LastWindow();
    for (auto _ : state) {
        frmReportView* window = VB_REPORT().Run();
        state.PauseTiming();
        state.counters["lines"] = window->model().lineCount();
        delete window;
        state.ResumeTiming();
    }
}

// The parts of opening the window: grouping the statement's lines under their teams; writing and
// laying out the report.
void BM_ReportWindow_Parts(benchmark::State& state)
{
    Season season;
    if (!season.ok)
        return state.SkipWithError("no season database");
    Wizard w;
    w.allPages();
    w.report.Finish();
    delete VB_REPORT().LastWindow();
    const ReportModel model = VB_REPORT().Report();
    std::vector<ReportLine> lines;
    for (const ReportTeam& team : model.teams)
        lines.insert(lines.end(), team.lines.begin(), team.lines.end());
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            benchmark::DoNotOptimize(MakeReportModel(model.layout, model.heading, lines));
            break;
        default: {
            QTextDocument doc;
            FillReportDocument(doc, model, ReportMetrics{});
            doc.setTextWidth(1100);
            benchmark::DoNotOptimize(doc.size());
        }
        }
    }
}

} // namespace

BENCHMARK(BM_ReportWindow_Parts)->ArgName("part")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page1_Dates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page2_MatchesAndGames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page3_Teams)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page4_PlayersPositionsOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Finish)->ArgName("one_match")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamNumbers)->ArgName("one_match")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamNumbers_EngineWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportWindow_600Lines)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    BenchApp bench(argc, argv, "bench_reports");
    // No message box may stop a timing run.
    MsgBoxHook::install();
    return RunBenchmarks(argc, argv);
}
