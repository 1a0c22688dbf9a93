// Scout files: a 1,000-line file imported (read, checked, written in one transaction), the match
// exported again, a season's 50 files imported by the program from the command line, and one
// rally of 80,000 lines.
//
// Targets: the import within 300 ms; the export within 100 ms; `sidelines --import` of 50 files
// within twice the time the engine itself takes to insert the same rows into the same tables with
// their triggers; the long rally within 2 s. Each is set beside the bare work it cannot go below,
// measured in the same run: the imports against the engine copying the rows they wrote (schema,
// triggers and all); the export against reading the match's rows.
//
// Build with -DSIDELINES_BENCH=ON (Release), run build-bench/bench/bench_scout.

#include "BenchSupport.h"
#include "storage/Database.h"
#include "base/RecordId.h"
#include "scoutfile/ScoutFile.h"
#include "storage/ScoutStore.h"
#include "widgets/mConstants.h"
#include "storage/RecordIssue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kFileLines = 1000;
// A season's files are longer: 50 of them hold about 32,000 action rows, as a real season's do.
constexpr int kSeasonFileLines = 1200;
constexpr int kSeasonFiles = 50;
const QDate kToday(2026, 12, 31);

// A match of three to five sets between two squads of twelve, scouted rally by rally (serve,
// pass, set, attack, now and then a dig and a counter-attack), with digs added to its rallies
// until the file has exactly `lines` lines. day and names make each file another match.
QByteArray MakeFile(int day, const QString& home, const QString& away, int lines = kFileLines)
{
    using namespace Scout;
    for (quint32 seed = quint32(day) + 1;; seed += 1000) {
        ScoutMatch m;
        m.date = QDate(2026, 1, 10).addDays(day);
        m.time = QTime(19, 0);
        m.teams[0].name = home;
        m.teams[1].name = away;
        m.teams[0].code = QStringLiteral("H");
        m.teams[1].code = QStringLiteral("V");
        for (int side = 0; side < 2; ++side)
            for (int n = 1; n <= 12; ++n) {
                Player p;
                p.number = side * 20 + n;
                p.firstName = QStringLiteral("Player");
                p.lastName = QStringLiteral("%1-%2").arg(side ? QStringLiteral("Away") : QStringLiteral("Home")).arg(n);
                m.teams[size_t(side)].players.push_back(p);
            }
        QRandomGenerator random(seed);
        QTime clock(19, 0);
        auto code = [](int side, int number, char skill, char eval) { return ActionCode(side, number, skill, eval); };
        for (int set = 1; set <= kMaxSets; ++set) {
            for (int side = 0; side < 2; ++side)
                for (int n = 0; n < 6; ++n)
                    m.teams[size_t(side)].players[size_t(n)].sets[size_t(set - 1)] = QString::number(n + 1);
            Court court{Zones{1, 2, 3, 4, 5, 6}, Zones{21, 22, 23, 24, 25, 26}};
            std::array<int, 2> score{0, 0};
            auto add = [&](Line::Kind kind, const QString& text) {
                Line l;
                l.kind = kind;
                l.code = text;
                l.time = clock;
                l.set = set;
                l.zones = court;
                m.lines.push_back(l);
            };
            add(Line::Kind::LineUp, QStringLiteral("*z1>LUp"));
            add(Line::Kind::LineUp, QStringLiteral("az1>LUp"));
            int server = set % 2 ? 0 : 1;
            const int limit = set == kMaxSets ? 15 : 25;
            while (!((score[0] >= limit || score[1] >= limit) && std::abs(score[0] - score[1]) >= 2)) {
                clock = clock.addSecs(25);
                const int receiver = 1 - server;
                add(Line::Kind::Action, code(server, court[size_t(server)][0], 'S', '+'));
                add(Line::Kind::Action, code(receiver, court[size_t(receiver)][4], 'R', "#!-"[random.bounded(3)]));
                add(Line::Kind::Action, code(receiver, court[size_t(receiver)][2], 'E', '#'));
                int winner = receiver;
                const int roll = int(random.bounded(10));
                if (roll < 5) {
                    add(Line::Kind::Action, code(receiver, court[size_t(receiver)][3], 'A', '#'));
                } else if (roll < 7) {
                    add(Line::Kind::Action, code(receiver, court[size_t(receiver)][1], 'A', '='));
                    winner = server;
                } else {
                    add(Line::Kind::Action, code(receiver, court[size_t(receiver)][3], 'A', '+'));
                    add(Line::Kind::Action, code(server, court[size_t(server)][5], 'D', '+'));
                    add(Line::Kind::Action, code(server, court[size_t(server)][3], 'A', '#'));
                    winner = server;
                }
                ++score[size_t(winner)];
                add(Line::Kind::Point,
                    QStringLiteral("%1p%2:%3")
                        .arg(QLatin1Char(winner ? 'a' : '*'))
                        .arg(score[0], 2, 10, QLatin1Char('0'))
                        .arg(score[1], 2, 10, QLatin1Char('0')));
                if (winner != server) {
                    Zones& z = court[size_t(winner)];
                    std::rotate(z.begin(), z.begin() + 1, z.end());
                    add(Line::Kind::Rotation, QStringLiteral("%1z1").arg(QLatin1Char(winner ? 'a' : '*')));
                }
                server = winner;
            }
            add(Line::Kind::SetEnd, QStringLiteral("**%1set").arg(set));
            SetResult r;
            r.played = true;
            r.home = score[0];
            r.away = score[1];
            m.setResults.push_back(r);
            ++m.teams[score[0] > score[1] ? 0 : 1].setsWon;
            if (std::max(m.teams[0].setsWon, m.teams[1].setsWon) == 3)
                break;
        }
        QByteArray bytes = Write(m);
        int missing = lines - int(bytes.count('\n'));
        if (missing < 0)
            continue; // a long match: another one
        // A dig by the side that lost the rally, just before the point, in rally after rally.
        std::vector<size_t> points;
        for (size_t i = 0; i < m.lines.size(); ++i)
            if (m.lines[i].kind == Line::Kind::Point)
                points.push_back(i);
        for (int k = 0; k < missing; ++k) {
            const size_t at = points[size_t(k) * points.size() / size_t(missing)] + size_t(k);
            Line dig = m.lines[at];
            const int loser = dig.code.startsWith(QLatin1Char('*')) ? 1 : 0;
            dig.kind = Line::Kind::Action;
            dig.code = code(loser, dig.zones[size_t(loser)][5], 'D', '-');
            m.lines.insert(m.lines.begin() + std::ptrdiff_t(at), dig);
        }
        return Write(m);
    }
}

bool OpenFresh(const QString& path)
{
    QFile::remove(path);
    QString error;
    Db::close();
    ResetRecordIds();
    if (!Db::createFresh(path, &error) || !Db::open(path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    return true;
}

// The rows of one imported database copied by the engine itself into a fresh one (schema, triggers
// and all) from an attached copy, in one transaction per match as the import commits each file:
// the least the tables' own work can take; untilClosed counts the close too, which puts the
// database's log into its file as the program's close does. Returns the milliseconds, and the
// action rows copied.
double EngineCopy(const QString& from, const QString& to, qint64* actions, bool untilClosed = false)
{
    if (!OpenFresh(to))
        return -1;
    const QStringList matches = [&] {
        QStringList ids;
        Execute(QStringLiteral("ATTACH DATABASE ? AS source"), {from});
        for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT MATCHID FROM source.MATCH ORDER BY MATCHID")))
            ids << r.value(0).toString();
        return ids;
    }();
    const bool scoutMatch = !SelectAll(QStringLiteral("SELECT 1 FROM source.sqlite_master WHERE name = 'SCOUTMATCH'"))
                                 .empty();
    const QString games = QStringLiteral("(SELECT GAMEID FROM source.GAME WHERE MATCHID = ?)");
    QStringList statements{
        QStringLiteral("INSERT OR IGNORE INTO main.TEAM SELECT * FROM source.TEAM WHERE TEAMID IN (SELECT HOMETEAMID "
                       "FROM source.MATCH WHERE MATCHID = ? UNION SELECT AWAYTEAMID FROM source.MATCH WHERE MATCHID = ?)"),
        QStringLiteral("INSERT OR IGNORE INTO main.PLAYER SELECT * FROM source.PLAYER WHERE TEAMID IN (SELECT HOMETEAMID "
                       "FROM source.MATCH WHERE MATCHID = ? UNION SELECT AWAYTEAMID FROM source.MATCH WHERE MATCHID = ?)"),
        QStringLiteral("INSERT INTO main.MATCH SELECT * FROM source.MATCH WHERE MATCHID = ?"),
        QStringLiteral("INSERT INTO main.GAME SELECT * FROM source.GAME WHERE MATCHID = ?"),
        QStringLiteral("INSERT INTO main.PLAYED SELECT * FROM source.PLAYED WHERE GAMEID IN %1").arg(games),
        QStringLiteral("INSERT INTO main.PLAY SELECT * FROM source.PLAY WHERE GAMEID IN %1").arg(games),
        QStringLiteral("INSERT INTO main.RALLY SELECT * FROM source.RALLY WHERE GAMEID IN %1").arg(games)};
    if (scoutMatch)
        statements << QStringLiteral("INSERT INTO main.SCOUTMATCH SELECT * FROM source.SCOUTMATCH WHERE MATCHID = ?");
    QElapsedTimer clock;
    clock.start();
    for (const QString& id : matches) {
        Transaction t;
        for (const QString& sql : statements)
            Execute(sql, QVariantList(sql.count(QLatin1Char('?')), id));
        t.commit();
    }
    double ms = double(clock.nsecsElapsed()) / 1e6;
    *actions = SelectAll(QStringLiteral("SELECT COUNT(*) FROM main.PLAY")).front().value(0).toLongLong();
    Execute(QStringLiteral("DETACH DATABASE source"));
    clock.start();
    Db::close();
    // The program's own run ends the same way: its log checkpointed into the file.
    if (untilClosed)
        ms += double(clock.nsecsElapsed()) / 1e6;
    return ms;
}

// A file read and imported in this process, time after time into a fresh database, beside the
// engine copying the rows it wrote; what is printed begins with `what`.
void ImportBesideTheEngine(benchmark::State& state, const QByteArray& file, const char* what, double target)
{
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("Rally2.db"));
    std::vector<double> import, engine;
    qint64 actions = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!OpenFresh(db)) {
            state.SkipWithError("no database");
            return;
        }
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        const Scout::ReadResult read = Scout::Read(file, Scout::Encoding::Automatic, kToday);
        if (!read.ok()) {
            state.SkipWithError(qPrintable(read.refusal.text()));
            return;
        }
        ScoutStore::Import(*read.match);
        import.push_back(double(clock.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        Db::close();
        engine.push_back(EngineCopy(db, dir.filePath(QStringLiteral("engine.db")), &actions));
        state.ResumeTiming();
    }
    std::printf("%s of %d lines read and imported: median %.1f ms, worst %.1f ms (target %.0f ms); the engine "
                "inserting its %lld action rows and log with their triggers: median %.1f ms\n",
                what, int(file.count('\n')), Percentile(import, 0.5), Percentile(import, 1.0), target, actions,
                Percentile(engine, 0.5));
    state.counters["median_ms"] = Percentile(import, 0.5);
    state.counters["worst_ms"] = Percentile(import, 1.0);
    state.counters["engine_ms"] = Percentile(engine, 0.5);
}

void BM_ImportThousandLineFile(benchmark::State& state)
{
    ImportBesideTheEngine(state, MakeFile(0, QStringLiteral("Harbour Hawks"), QStringLiteral("Westfield Eagles")),
                          "a file", 300);
}
BENCHMARK(BM_ImportThousandLineFile)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_ExportMatch(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("Rally2.db"));
    if (!OpenFresh(db)) {
        state.SkipWithError("no database");
        return;
    }
    const QByteArray file = MakeFile(0, QStringLiteral("Harbour Hawks"), QStringLiteral("Westfield Eagles"));
    const RecordId match = ScoutStore::Import(*Scout::Read(file, Scout::Encoding::Automatic, kToday).match).match;
    const QString out = dir.filePath(QStringLiteral("out.dvw"));
    std::vector<double> exported, read;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        ScoutStore::WriteFile(out, ScoutStore::ExportMatch(match));
        exported.push_back(double(clock.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        clock.start();
        for (const char* sql : {"SELECT * FROM GAME WHERE MATCHID = ?",
                                "SELECT * FROM PLAY WHERE GAMEID IN (SELECT GAMEID FROM GAME WHERE MATCHID = ?)",
                                "SELECT * FROM PLAYED WHERE GAMEID IN (SELECT GAMEID FROM GAME WHERE MATCHID = ?)",
                                "SELECT * FROM RALLY WHERE GAMEID IN (SELECT GAMEID FROM GAME WHERE MATCHID = ?)"})
            benchmark::DoNotOptimize(SelectAll(QString::fromLatin1(sql), {Bind(match)}).size());
        read.push_back(double(clock.nsecsElapsed()) / 1e6);
        state.ResumeTiming();
    }
    std::printf(
        "export of the match: median %.1f ms, worst %.1f ms (target 100 ms); reading its rows: median %.1f ms\n",
        Percentile(exported, 0.5), Percentile(exported, 1.0), Percentile(read, 0.5));
    state.counters["median_ms"] = Percentile(exported, 0.5);
    state.counters["worst_ms"] = Percentile(exported, 1.0);
    state.counters["read_rows_ms"] = Percentile(read, 0.5);
    Db::close();
}
BENCHMARK(BM_ExportMatch)->Iterations(30)->Unit(benchmark::kMillisecond);

// The program itself on a portable copy (its database beside it), started once for 50 files,
// beside the engine copying the rows that import wrote.
void BM_ImportSeasonFromCommandLine(benchmark::State& state)
{
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < kSeasonFiles; ++i) {
        QFile f(dir.filePath(QStringLiteral("match-%1.dvw").arg(i)));
        f.open(QIODevice::WriteOnly);
        f.write(MakeFile(i, QStringLiteral("Team %1").arg(i % 10), QStringLiteral("Team %1").arg(10 + i % 7),
                        kSeasonFileLines));
        files << f.fileName();
    }
    const QString program = dir.filePath(QStringLiteral("sidelines"));
    if (!QFile::copy(QStringLiteral(SIDELINES_EXE), program)) {
        state.SkipWithError("cannot copy the program");
        return;
    }
    const QString db = dir.filePath(QStringLiteral("Rally2.db"));
    std::vector<double> command, engine;
    qint64 actions = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Db::close();
        QFile::remove(db);
        QFile::remove(dir.filePath(QStringLiteral("Archive.db")));
        QString error;
        Db::createFresh(db, &error);
        // An archive beside it, as after any exit: each file is looked for there too.
        Db::createFresh(dir.filePath(QStringLiteral("Archive.db")), &error);
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        QProcess p;
        p.start(program, QStringList{QStringLiteral("--import")} + files);
        p.waitForFinished(600000);
        command.push_back(double(clock.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        if (p.exitCode() != 0) {
            state.SkipWithError(p.readAllStandardOutput().constData());
            return;
        }
        engine.push_back(EngineCopy(db, dir.filePath(QStringLiteral("engine.db")), &actions, true));
        state.ResumeTiming();
    }
    const double ratio = Percentile(command, 0.5) / std::max(1.0, Percentile(engine, 0.5));
    std::printf("sidelines --import of %d files (%lld action rows): median %.0f ms, worst %.0f ms; the engine "
                "inserting the same rows into the same tables with their triggers, a transaction per match, and "
                "closing the file: median %.0f ms; %.2fx (target at most 2x)\n",
                kSeasonFiles, actions, Percentile(command, 0.5), Percentile(command, 1.0), Percentile(engine, 0.5),
                ratio);
    state.counters["median_ms"] = Percentile(command, 0.5);
    state.counters["worst_ms"] = Percentile(command, 1.0);
    state.counters["engine_ms"] = Percentile(engine, 0.5);
    state.counters["ratio"] = ratio;
}
BENCHMARK(BM_ImportSeasonFromCommandLine)->Iterations(3)->Unit(benchmark::kMillisecond);

// One set of one rally that never ends: 80,000 contacts (a dig of each side in turn) before its
// only point, read and imported; beside it, the engine copying the rows that import wrote.
QByteArray LongRallyFile(int contacts)
{
    using namespace Scout;
    ScoutMatch m;
    m.date = QDate(2026, 2, 1);
    m.time = QTime(19, 0);
    m.teams[0].name = QStringLiteral("Endless Home");
    m.teams[1].name = QStringLiteral("Endless Away");
    for (int side = 0; side < 2; ++side)
        for (int n = 1; n <= 6; ++n) {
            Player p;
            p.number = side * 20 + n;
            p.lastName = QStringLiteral("Player %1").arg(p.number);
            p.sets[0] = QString::number(n);
            m.teams[size_t(side)].players.push_back(p);
        }
    const Court court{Zones{1, 2, 3, 4, 5, 6}, Zones{21, 22, 23, 24, 25, 26}};
    auto add = [&](const QString& code) {
        Line l;
        l.code = code;
        l.time = QTime(19, 0);
        l.set = 1;
        l.zones = court;
        m.lines.push_back(l);
    };
    add(QStringLiteral("*z1>LUp"));
    add(QStringLiteral("az1>LUp"));
    add(ActionCode(kHome, 1, 'S', '+'));
    for (int i = 0; i < contacts; ++i)
        add(ActionCode(i % 2, (i % 2) * 20 + 1 + i % 6, 'D', '+'));
    add(QStringLiteral("*p01:00"));
    add(QStringLiteral("**1set"));
    SetResult r;
    r.played = true;
    r.home = 1;
    m.setResults.push_back(r);
    m.teams[0].setsWon = 1;
    return Write(m);
}

void BM_ImportOneLongRally(benchmark::State& state)
{
    ImportBesideTheEngine(state, LongRallyFile(80000), "one rally", 2000);
}
BENCHMARK(BM_ImportOneLongRally)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchApp bench(argc, argv, "bench_scout");
    return RunBenchmarks(argc, argv);
}
