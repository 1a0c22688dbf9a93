#include "club/ClubStore.h"

#include "club/ClubConnection.h"
#include "club/ClubStatements.h"

#include <QHash>
#include <QSqlQuery>

// The club code's other parts: its tables (ClubTables), statements (ClubStatements), connections
// (ClubConnection), the send (ClubSend) and the restore (ClubRestore, ClubMapping,
// ClubWorkingTables). Here, what the server holds.

namespace ClubStore {

Found Test(const ClubServer& settings, const QString& password, ClubCall& call)
{
    Found found;
    Server server(settings, password, call);
    {
        QSqlQuery& who = server.run(kServerWho, {});
        if (who.next()) {
            found.serverVersion = who.value(0).toString();
            found.user = who.value(1).toString();
        }
        who.finish();
    }
    call.progressed(1, 2);
    // A database without the tables, or a role without the right to read them, still connects.
    QSqlQuery counts(server.db());
    if (counts.exec(kServerCounts) && counts.next()) {
        found.tables = true;
        found.matches = counts.value(0).toInt();
        found.benches = counts.value(1).toInt();
    }
    call.progressed(2, 2);
    return found;
}

std::vector<ServerMatch> ListServerMatches(const ClubServer& settings, const QString& password, ClubCall& call)
{
    Server server(settings, password, call);
    std::vector<ServerMatch> out;
    QHash<QString, size_t> index;
    {
        QSqlQuery& q = server.run(kServerMatchList, {});
        while (q.next()) {
            ServerMatch m;
            m.bench = q.value(0).toString();
            m.benchName = q.value(1).toString();
            m.match.id = RecordId::fromText(q.value(2).toString());
            if (!q.isNull(3))
                m.match.homeName = q.value(3).toString();
            if (!q.isNull(4))
                m.match.awayName = q.value(4).toString();
            index.insert(m.bench + QLatin1Char('|') + q.value(2).toString(), out.size());
            out.push_back(std::move(m));
        }
        q.finish();
    }
    call.progressed(1, 2);
    QSqlQuery& q = server.run(kServerScoreList, {});
    while (q.next()) {
        const auto at = index.constFind(q.value(0).toString() + QLatin1Char('|') + q.value(1).toString());
        if (at != index.constEnd())
            out[*at].match.scores.append({q.value(2).toInt(), q.value(3).toInt()});
    }
    q.finish();
    call.progressed(2, 2);
    return out;
}

} // namespace ClubStore
