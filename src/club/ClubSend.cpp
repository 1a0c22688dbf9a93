#include "club/ClubStore.h"

#include "club/ClubConnection.h"
#include "club/ClubStatements.h"
#include "club/ClubTables.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "club/OrderedHandoff.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

namespace ClubStore {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ClubStore)
};

// One saved match's rows from the archive.
MatchRows ReadLocal(LocalFile& archive, const RecordId& match)
{
    MatchRows m;
    const QVariant id = Bind(match);
    const auto matchRows = archive.rows(kLocalMatchRead, {id});
    if (matchRows.empty())
        throw DbError(Words::tr("The match %1 is no longer in the archive.").arg(match.displayText()), kLocalMatchRead);
    m.match = matchRows.front();
    m.games = archive.rows(LocalRead(GameShape()), {id});
    for (auto [bulk, shape] : {std::pair{&m.played, &PlayedShape()}, std::pair{&m.plays, &PlayShape()},
                              std::pair{&m.rally, &RallyShape()}})
        *bulk = archive.rows(LocalBulkRead(*shape), {id}).front().value(0).toString();
    m.players = archive.rows(kLocalPlayersRead, {id, id, id, id});
    QVariantList teamBinds{m.match.value(1), m.match.value(2)};
    for (const QVariantList& p : m.players)
        teamBinds << p.value(0);
    // A statement per player count; few distinct counts occur.
    m.teams = archive.rows(LocalTeamsRead(int(m.players.size())), teamBinds);
    return m;
}

// Sends one match; false when the server already had it as it stands.
bool WriteServer(Server& server, const Bench& bench, const MatchRows& m, const QString& digest)
{
    QVariantList values{bench.id};
    values += Arrays(TeamShape(), m.teams);
    values << bench.id;
    values += Arrays(PlayerShape(), m.players);
    values << bench.id << m.match.value(0) << m.match.value(1) << m.match.value(2) << digest;
    values << bench.id << m.match.value(0);
    values += Arrays(GameShape(), m.games);
    for (const QString* bulk : {&m.played, &m.plays, &m.rally})
        values << bench.id << m.match.value(0) << *bulk;
    QSqlQuery& q = server.run(ServerMatchWrite(), values);
    const bool changed = q.next();
    q.finish();
    return changed;
}

// The waiting matches read from the archive on a thread of its own, a few matches ahead of the
// sends, so that the archive is read while the server stores the matches before. The thread has
// its own connection to the archive (a connection belongs to the thread that opened it); a
// failure there comes back from next() at the match it stopped at.
class ArchiveReader
{
public:
    ArchiveReader(const QString& path, const std::vector<Waiting>& waiting)
        : m_path(path), m_waiting(waiting), m_rows(waiting.size(), kAhead), m_thread([this] { read(); })
    {
    }
    ~ArchiveReader()
    {
        m_rows.close();
        m_thread.join();
    }
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    // The next waiting match in order with its rows, each taken once (the senders share them);
    // nothing once every one has been taken.
    std::optional<OrderedHandoff<MatchRows>::Item> next() { return m_rows.take(); }

private:
    static constexpr size_t kAhead = 3;

    void read()
    {
        try {
            LocalFile archive(m_path);
            for (size_t i = 0; i < m_waiting.size(); ++i) {
                if (!m_rows.waitForRoom(i) || !m_rows.put(i, ReadLocal(archive, m_waiting[i].match)))
                    return;
            }
        } catch (...) {
            m_rows.fail(std::current_exception());
        }
    }

    const QString m_path;
    const std::vector<Waiting>& m_waiting;
    OrderedHandoff<MatchRows> m_rows;
    std::thread m_thread;  // last: starts once the rest is in place
};

} // namespace

int SendReport::sentCount() const
{
    int n = 0;
    for (const Sent& s : matches)
        n += s.sent ? 1 : 0;
    return n;
}

std::vector<Waiting> WaitingMatches(const QString& archivePath, const QString& benchId, const ClubServer& server)
{
    std::vector<Waiting> out;
    if (!QFileInfo::exists(archivePath))
        return out;
    LocalFile archive(archivePath);
    for (const QVariantList& row : archive.rows(WaitingStatement(), {server.place(), benchId})) {
        Waiting w;
        w.match = RecordId::fromText(row.value(0).toString());
        w.digest = row.value(1).toString();
        const auto name = [](const QVariant& v) { return v.isNull() ? std::nullopt : std::optional<QString>(v.toString()); };
        w.caption = MatchCaption(name(row.value(3)), name(row.value(2)), row.value(0).toString());
        out.push_back(std::move(w));
    }
    return out;
}

void SendWaiting(const QString& archivePath, const Bench& bench, const ClubServer& settings, const QString& password,
                 ClubCall& call, SendReport* report)
{
    const std::vector<Waiting> waiting = WaitingMatches(archivePath, bench.id, settings);
    report->matches.clear();
    report->failure.clear();
    for (const Waiting& w : waiting)
        report->matches.push_back({w, false});
    if (waiting.empty())
        return;
    const int count = int(waiting.size()) + 1;
    LocalFile archive(archivePath);
    // The archive is told what the server has committed a batch at a time, not with a disk sync
    // per match: a mark lost with a stop only sends that match again, and the server, finding it
    // there as it stands, keeps its copy.
    // Storing a match is the server's work, one statement at a time on a connection: two
    // connections each send the next match that waits, so that the server stores two at once.
    // Each match is still its own transaction. The first connection's thread marks what either
    // has sent.
    std::mutex lock;                // the report's marks and unmarked, written by both threads
    std::vector<size_t> unmarked;   // committed, not yet marked in the archive
    QElapsedTimer sinceMarked;
    sinceMarked.start();
    auto mark = [&] {
        std::vector<size_t> marking;
        {
            std::lock_guard<std::mutex> hold(lock);
            marking = unmarked;
        }
        if (marking.empty())
            return;
        const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        archive.begin();
        for (const size_t i : marking)
            archive.run(kMarkSent, {Bind(waiting[i].match), settings.place(), bench.id, waiting[i].digest, now});
        archive.commit();
        // Only added to meanwhile: the first ones are those marked.
        std::lock_guard<std::mutex> hold(lock);
        unmarked.erase(unmarked.begin(), unmarked.begin() + qsizetype(marking.size()));
        sinceMarked.restart();
    };
    try {
        Server server(settings, password, call);
        server.run(kServerBenchWrite, {bench.id, bench.name});
        call.progressed(1, count);
        ArchiveReader reader(archivePath, waiting);
        std::atomic<int> done{1};
        std::atomic<bool> failed{false};
        OnTwoConnections(server, settings, password, call, waiting.size(), failed, [&](Server& on, size_t first) {
            while (!call.stopped() && !failed.load()) {
                const std::optional<OrderedHandoff<MatchRows>::Item> taken = reader.next();
                if (!taken)
                    break;
                const size_t i = taken->index;
                const Waiting& w = waiting[i];
                const MatchRows& rows = taken->value;
                // A send of the same match from elsewhere at the same moment may take the copy
                // number first; once more then finds it there or takes the next.
                bool changed = false;
                for (int attempt = 0;; ++attempt) {
                    try {
                        changed = WriteServer(on, bench, rows, w.digest);
                        break;
                    } catch (const DbError&) {
                        if (attempt > 0 || call.stopped() || !on.db().isOpen())
                            throw;
                    }
                }
                // Marked only once the server has committed it.
                {
                    std::lock_guard<std::mutex> hold(lock);
                    report->matches[i].sent = true;
                    report->matches[i].alreadyThere = !changed;
                    unmarked.push_back(i);
                }
                if (first == 0 && sinceMarked.elapsed() > 1000)
                    mark();
                // Named as it goes only when it went: one the server already held is told apart
                // from the report once the call is over.
                call.progressed(++done, count, changed ? w.caption : QString());
            }
        });
        mark();
    } catch (const DbError& e) {
        report->failure = e.message();
        try {
            mark();
        } catch (const DbError&) {
            // Those matches wait, and go again as they stand: nothing is lost or doubled.
        }
        throw;
    }
}

} // namespace ClubStore
