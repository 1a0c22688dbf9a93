#include "storage/RosterStore.h"

#include "storage/Database.h"

namespace RosterStore {

std::vector<ListedTeam> ListTeams()
{
    Query q(QStringLiteral("SELECT TEAMID, TEAMNAME FROM TEAM ORDER BY rowid"));
    q.raw().setForwardOnly(true);
    q.exec();
    std::vector<ListedTeam> rows;
    while (q.next())
        rows.push_back({q.value(0).toString(), q.value(1).toString()});
    return rows;
}

std::vector<ListedPlayer> ListPlayers(const RecordId& team)
{
    Query q(QStringLiteral("SELECT PLAYERID, PLAYERNAME, PLAYERNUMBER FROM PLAYER WHERE TEAMID = ? ORDER BY rowid"),
            {Bind(team)});
    q.raw().setForwardOnly(true);
    q.exec();
    std::vector<ListedPlayer> rows;
    while (q.next())
        rows.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toInt()});
    return rows;
}

std::optional<QString> TeamName(const RecordId& team)
{
    const auto rows = SelectAll(QStringLiteral("SELECT TEAMNAME FROM TEAM WHERE TEAMID = ?"), {Bind(team)});
    if (rows.empty())
        return std::nullopt;
    return rows.front().value(0).toString();
}

std::optional<PlayerRow> Player(const RecordId& player)
{
    const auto rows = SelectAll(
        QStringLiteral("SELECT TEAMID, PLAYERNAME, PLAYERNUMBER FROM PLAYER WHERE PLAYERID = ?"), {Bind(player)});
    if (rows.empty())
        return std::nullopt;
    const QSqlRecord& r = rows.front();
    return PlayerRow{player, RecordId::fromText(r.value(0).toString()), r.value(1).toString(), r.value(2).toInt()};
}

int PlayerCount(const RecordId& team)
{
    const auto rows = SelectAll(QStringLiteral("SELECT COUNT(TEAMID) AS PLAYERCOUNT FROM PLAYER WHERE TEAMID = ?"),
                                {Bind(team)});
    return rows.empty() ? 0 : rows.front().value(0).toInt();
}

int TeamsWithId(const RecordId& team)
{
    const auto rows
        = SelectAll(QStringLiteral("SELECT COUNT(*) FROM TEAM WHERE CAST(TEAMID AS TEXT) = ?"), {Bind(team)});
    return rows.empty() ? 0 : rows.front().value(0).toInt();
}

int PlayersWithId(const RecordId& player)
{
    const auto rows
        = SelectAll(QStringLiteral("SELECT COUNT(*) FROM PLAYER WHERE CAST(PLAYERID AS TEXT) = ?"), {Bind(player)});
    return rows.empty() ? 0 : rows.front().value(0).toInt();
}

QList<PlayerRow> TeamPlayers(const RecordId& team)
{
    QList<PlayerRow> players;
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT PLAYERID, PLAYERNAME, PLAYERNUMBER FROM PLAYER "
                                                        "WHERE TEAMID = ? ORDER BY PLAYERID"),
                                         {Bind(team)}))
        players << PlayerRow{RecordId::fromText(r.value(0).toString()), team, r.value(1).toString(),
                             r.value(2).toInt()};
    return players;
}

void AddTeam(const RecordId& team, const QString& name)
{
    Execute(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, ?)"), {Bind(team), name});
}

void RenameTeam(const RecordId& team, const QString& name)
{
    Execute(QStringLiteral("UPDATE TEAM SET TEAMNAME = ? WHERE TEAMID = ?"), {name, Bind(team)});
}

void DeleteTeam(const RecordId& team)
{
    Transaction transaction;
    Execute(QStringLiteral("DELETE FROM TEAM WHERE TEAMID = ?"), {Bind(team)});
    Execute(QStringLiteral("DELETE FROM PLAYER WHERE TEAMID = ?"), {Bind(team)});
    transaction.commit();
}

namespace {
// Another player of the team with the number, the first one stored; read inside the transaction
// that has just written the player.
std::optional<NumberTaken> OtherWearer(const PlayerRow& player)
{
    const auto rows = SelectAll(QStringLiteral("SELECT P.PLAYERID, P.PLAYERNAME, T.TEAMNAME FROM PLAYER P "
                                               "LEFT JOIN TEAM T ON T.TEAMID = P.TEAMID "
                                               "WHERE P.TEAMID = ? AND P.PLAYERNUMBER = ? AND P.PLAYERID <> ? "
                                               "ORDER BY P.rowid LIMIT 1"),
                                {Bind(player.teamId), player.number, Bind(player.id)});
    if (rows.empty())
        return std::nullopt;
    const QSqlRecord& r = rows.front();
    return NumberTaken{
        PlayerRow{RecordId::fromText(r.value(0).toString()), player.teamId, r.value(1).toString(), player.number},
        r.value(2).toString()};
}
} // namespace

std::optional<NumberTaken> AddPlayer(const PlayerRow& player)
{
    Transaction transaction;
    Execute(QStringLiteral("INSERT INTO PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) VALUES (?, ?, ?, ?)"),
            {Bind(player.id), Bind(player.teamId), player.name, player.number});
    if (std::optional<NumberTaken> taken = OtherWearer(player))
        return taken; // rolled back with the transaction
    transaction.commit();
    return std::nullopt;
}

std::optional<NumberTaken> UpdatePlayer(const PlayerRow& player)
{
    Transaction transaction;
    Execute(QStringLiteral("UPDATE PLAYER SET TEAMID = ?, PLAYERNUMBER = ?, PLAYERNAME = ? WHERE PLAYERID = ?"),
            {Bind(player.teamId), player.number, player.name, Bind(player.id)});
    if (std::optional<NumberTaken> taken = OtherWearer(player))
        return taken;
    transaction.commit();
    return std::nullopt;
}

void DeletePlayer(const RecordId& player)
{
    Execute(QStringLiteral("DELETE FROM PLAYER WHERE PLAYERID = ?"), {Bind(player)});
}

} // namespace RosterStore
