#include "club/ClubStore.h"

#include "club/ClubConnection.h"
#include "club/ClubMapping.h"
#include "club/ClubStatements.h"
#include "club/ClubTables.h"
#include "club/ClubWorkingTables.h"
#include "storage/Database.h"
#include "storage/RecordIssue.h"
#include "club/OrderedHandoff.h"
#include "storage/RowBlock.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlError>

#include <atomic>
#include <exception>
#include <set>
#include <string_view>

namespace ClubStore {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ClubStore)
};

// The bulk of one match as the server sent it, taken apart by the thread that fetched it.
struct ServerBulk
{
    RowBlock played, plays, rally;
    RowBlock boxes;  // the actions' boxes, summed here (Boxes)
};

struct FetchedMatch
{
    MatchRows head;
    ServerBulk bulk;
};

// Every player the bulk's rows name: those who played, acted, came on or went off, and stood in
// a line-up.
QStringList NamedPlayers(const ServerBulk& bulk)
{
    std::set<std::string_view> named;
    auto take = [&](const RowBlock& rows, const TableShape& shape) {
        std::vector<int> columns;
        for (qsizetype i = 0; i < shape.columns.size(); ++i)
            if (NamesPlayer(shape.columns[i]))
                columns.push_back(int(i));
        for (size_t r = 0; r < rows.rowCount(); ++r)
            for (const int c : columns)
                if (const RowBlock::Cell& cell = rows.cell(r, c); cell.kind == RowBlock::Cell::Text)
                    named.insert(rows.text(cell));
    };
    take(bulk.played, PlayedShape());
    take(bulk.plays, PlayShape());
    take(bulk.rally, RallyShape());
    QStringList ids;
    for (const std::string_view id : named)
        ids << QString::fromUtf8(id.data(), qsizetype(id.size()));
    return ids;
}

// One match of the server, of the copy its match row names; nothing when the server does not
// hold the match (any more).
std::optional<FetchedMatch> ReadServerMatch(Server& server, const ServerKey& key)
{
    QSqlQuery& q = server.run(ServerMatchRead(), {key.bench, Bind(key.match)});
    if (!q.next()) {
        q.finish();
        return std::nullopt;
    }
    FetchedMatch m;
    m.head.bench = key.bench;
    m.head.match = {q.value(0), q.value(1), q.value(2)};
    m.head.teams = JsonRows(q.value(3).toString());
    m.head.players = JsonRows(q.value(4).toString());
    m.head.games = JsonRows(q.value(5).toString());
    const std::vector<bool> whole[3] = {WholeColumns(PlayedShape()), WholeColumns(PlayShape()), WholeColumns(RallyShape())};
    const std::optional<RowBlock> played = RowBlock::parse(q.value(6).toString().toUtf8(), whole[0]);
    const std::optional<RowBlock> plays = RowBlock::parse(q.value(7).toString().toUtf8(), whole[1]);
    const std::optional<RowBlock> rally = RowBlock::parse(q.value(8).toString().toUtf8(), whole[2], int(RallyCarriedFrom()));
    q.finish();
    const std::optional<RowBlock> boxes = plays ? Boxes(*plays) : std::nullopt;
    if (!played || !plays || !rally || !boxes)
        throw DbError(Words::tr("The club server sent rows of the match %1 that this program cannot read.")
                          .arg(RecordId::fromText(m.head.match.value(0).toString()).displayText()),
                      QString());
    m.bulk = {std::move(*played), std::move(*plays), std::move(*rally), std::move(*boxes)};

    m.head.playerIds = NamedPlayers(m.bulk);
    QSet<QString> onRoster;
    for (const QVariantList& row : m.head.players)
        onRoster << row.value(0).toString();
    std::vector<QVariantList> more;
    for (const QString& id : std::as_const(m.head.playerIds))
        if (!onRoster.contains(id))
            more.push_back({id});
    if (!more.empty()) {
        QSqlQuery& extra = server.run(kServerMorePlayersRead, {key.bench, ArrayOf(more, 0), key.bench});
        if (extra.next()) {
            for (QVariantList& row : JsonRows(extra.value(0).toString()))
                m.head.players.push_back(std::move(row));
            QSet<QString> teams;
            for (const QVariantList& row : m.head.teams)
                teams << row.value(0).toString();
            for (QVariantList& row : JsonRows(extra.value(1).toString()))
                if (!teams.contains(row.value(0).toString()))
                    m.head.teams.push_back(std::move(row));
        }
        extra.finish();
    }
    return m;
}

// Writes the fetched matches into the working tables on the shared connection, as a restore from
// the archive does, a match at a time as they arrive: each match's identifiers given theirs here
// (OtherBenches), its rows written in the one transaction of the rows, and the mapping committed
// just before the rows are.
class Restorer
{
public:
    Restorer(const QString& archivePath, const QString& benchId) : m_archivePath(archivePath), m_bench(benchId) {}
    Restorer(const Restorer&) = delete;
    Restorer& operator=(const Restorer&) = delete;

    // One match, in the order asked for: another bench's identifiers given theirs here, then its
    // rows written, unless the working tables have the match already.
    void restore(FetchedMatch& match)
    {
        MatchRows& head = match.head;
        // Named as the server names it, which is what the user chose from.
        const RecordId asServer = RecordId::fromText(head.match.value(0).toString());
        BulkIds ids;
        if (head.bench != m_bench) {
            if (!m_others)
                m_others.emplace(m_archivePath);
            ids = m_others->map(head);
        }
        if (!m_rows)
            startWriting();
        Writers& w = *m_writers;
        QSqlQuery& known = w.known.raw();
        known.bindValue(0, head.match.value(0));
        if (!known.exec())
            throw DbError(known.lastError().databaseText(), known.lastQuery());
        const bool there = known.next();
        known.finish();
        if (there) {
            m_result.skipped << asServer;
            return;
        }
        w.teams.insert(head.teams);
        w.players.insert(head.players);
        RunBound(w.match, head.match);
        w.games.insert(head.games);
        const ServerBulk& bulk = match.bulk;
        w.played.write(bulk.played, ids);
        w.plays.write(bulk.plays, ids);
        w.rally.write(bulk.rally, ids);
        QVariantList games;
        const qsizetype gameId = GameShape().columns.indexOf(QStringLiteral("GAMEID"));
        for (const QVariantList& game : head.games)
            games << game.value(gameId);
        m_totals->add(bulk.boxes, ids, games);
        m_result.restored << asServer;
    }

    ArchiveStore::RestoreResult finish()
    {
        if (!m_rows)
            startWriting();
        m_writers.reset();
        m_totals->addToZones();
        m_totals->putBack();
        m_totals.reset();
        if (m_others)
            m_others->commit();
        // The season's log is copied into the file at the pause after, not by this commit.
        const CheckpointAtPause later;
        m_rows->commit();
        m_rows.reset();
        // Records may have come with identifiers newer than any this run has issued.
        ResetRecordIds();
        return m_result;
    }

private:
    struct Writers
    {
        Query known{QStringLiteral("SELECT 1 FROM main.MATCH WHERE MATCHID = ?")};
        Query match{QStringLiteral("INSERT INTO main.MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)")};
        Inserter teams{TeamShape()}, players{PlayerShape()}, games{GameShape()};
        BulkWriter played{PlayedShape()}, plays{PlayShape()}, rally{RallyShape()};
    };

    void startWriting()
    {
        m_rows.emplace();
        m_totals.emplace();
        m_writers.emplace();
    }

    QString m_archivePath;
    QString m_bench;
    // Declared in the order they are made; they go in the reverse one (the rollbacks last).
    std::optional<OtherBenches> m_others;
    std::optional<Transaction> m_rows;
    std::optional<TotalsAfterwards> m_totals;
    std::optional<Writers> m_writers;
    ArchiveStore::RestoreResult m_result;
};

// How far the fetch may run ahead of the writing: enough to keep both connections busy, few
// enough that a season never waits in memory whole.
constexpr size_t kFetchAhead = 6;

} // namespace

ArchiveStore::RestoreResult RestoreFromServer(const ClubServer& settings, const QString& password,
                                              const QList<ServerKey>& keys, const QString& archivePath,
                                              const QString& benchId, ClubCall& call)
{
    const size_t count = size_t(keys.size());
    Restorer restorer(archivePath, benchId);
    // What the workers have fetched, for the calling thread to write; nothing for a match the
    // server no longer holds. A stop, or a failure on the other connection, wakes no one itself:
    // the workers waiting for the writing look at it now and then.
    std::atomic<bool> failed{false};
    OrderedHandoff<std::optional<FetchedMatch>> arrivals(count, kFetchAhead,
                                                         [&call, &failed] { return call.stopped() || failed.load(); });

    // The calling thread takes what has arrived in the order asked for, and maps and writes at
    // most `most` matches (one per arrival while the call waits, so that the call's quiet limit
    // hears of progress at the pace it is made; the rest once the workers are done). A match that
    // has arrived is the calling thread's: the workers never touch it again.
    std::exception_ptr localFailure;
    auto writeArrived = [&](size_t most) {
        for (size_t written = 0; written < most; ++written) {
            std::optional<OrderedHandoff<std::optional<FetchedMatch>>::Item> arrived = arrivals.tryTake();
            if (!arrived)
                return;
            if (arrived->value)
                restorer.restore(*arrived->value);
        }
    };

    // Building a match's rows is most of the server's work: two connections fetch every other
    // match, so that the server builds two at once while this thread writes.
    auto work = [&](ClubCall& c) {
        std::atomic<int> done{0};
        const int steps = int(count);
        auto fetch = [&](Server& server, size_t first) {
            for (size_t i = first; i < count && !c.stopped() && !failed.load(); i += 2) {
                if (!arrivals.waitForRoom(i) || !arrivals.put(i, ReadServerMatch(server, keys[qsizetype(i)])))
                    break;
                c.progressed(++done, steps);
            }
        };
        Server server(settings, password, c);
        OnTwoConnections(server, settings, password, c, count, failed, fetch);
    };

    auto onArrival = [&](int, int, const QString&) {
        if (localFailure)
            return;
        try {
            writeArrived(1);
        } catch (...) {
            // Written on this thread while the workers fetch: they are stopped, and the failure
            // is the one reported.
            localFailure = std::current_exception();
            call.abandon();
            arrivals.close();
        }
    };
    try {
        call.run(work, onArrival);
    } catch (const DbError&) {
        if (localFailure)
            std::rethrow_exception(localFailure);
        throw;
    }
    if (localFailure)
        std::rethrow_exception(localFailure);
    writeArrived(count);
    if (arrivals.taken() < count)
        throw DbError(Words::tr("Not every chosen match came from the club server; nothing was restored."), QString());
    return restorer.finish();
}

} // namespace ClubStore
