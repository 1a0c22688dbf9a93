#include "core/MatchStore.h"

#include "core/Database.h"

#include <QCoreApplication>
#include <QLocale>

QString MatchCaption(const std::optional<QString>& away, const std::optional<QString>& home, const QString& when)
{
    const QString deleted = QCoreApplication::translate("MatchCaption", "(deleted team)");
    return away.value_or(deleted) + QCoreApplication::translate("MatchCaption", " vs ") + home.value_or(deleted)
        + QCoreApplication::translate("MatchCaption", " on ") + when;
}

QString MatchWhen(const RecordId& match)
{
    return match.isNull() ? QString() : QLocale().toString(match.dateTime(), QLocale::ShortFormat);
}

namespace MatchStore {

namespace {
const QString kInsertGame = QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                                           "VALUES (?, ?, ?, 0, 0)");
}

void AddMatch(const RecordId& match, const RecordId& home, const RecordId& away, const RecordId& firstGame,
              int gameNumber)
{
    Transaction t;
    Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
            {Bind(match), Bind(home), Bind(away)});
    Execute(kInsertGame, {Bind(match), Bind(firstGame), gameNumber});
    t.commit();
}

void AddGame(const RecordId& match, const RecordId& game, int gameNumber)
{
    Execute(kInsertGame, {Bind(match), Bind(game), gameNumber});
}

int AddPoint(const RecordId& game, bool home, int delta)
{
    // Relative to the stored score, so that the row never depends on what a screen shows; the
    // texts are fixed, one per side and sign.
    const bool up = delta > 0;
    const QString sql = home ? (up ? QStringLiteral("UPDATE GAME SET HOMESCORE = HOMESCORE + 1 WHERE GAMEID = ?")
                                   : QStringLiteral("UPDATE GAME SET HOMESCORE = HOMESCORE - 1 WHERE GAMEID = ?"))
                             : (up ? QStringLiteral("UPDATE GAME SET AWAYSCORE = AWAYSCORE + 1 WHERE GAMEID = ?")
                                   : QStringLiteral("UPDATE GAME SET AWAYSCORE = AWAYSCORE - 1 WHERE GAMEID = ?"));
    return Execute(sql, {Bind(game)});
}

void RecordPlayed(const RecordId& game, const QList<RecordId>& players)
{
    if (players.isEmpty())
        return;
    // A row without its game or player would be ignored silently by the statement below.
    if (game.isNull())
        throw DbError(
            QCoreApplication::translate("MatchStore", "There is no game under way to put the players on court in."),
            QString());
    QString sql = QStringLiteral("INSERT OR IGNORE INTO PLAYED (GAMEID, PLAYERID) VALUES ");
    QVariantList values;
    for (int i = 0; i < players.size(); ++i) {
        if (players[i].isNull())
            throw DbError(QCoreApplication::translate("MatchStore", "A player on court has no identifier."), QString());
        sql += i == 0 ? QStringLiteral("(?, ?)") : QStringLiteral(", (?, ?)");
        values << Bind(game) << Bind(players[i]);
    }
    // The unique index keeps every pair at most once.
    Execute(sql, values);
}

std::vector<GameScore> GameScores(const RecordId& match)
{
    std::vector<GameScore> out;
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME "
                                                        "WHERE MATCHID = ? ORDER BY GAMENUMBER, GAMEID"),
                                         {Bind(match)}))
        out.push_back({RecordId::fromText(r.value(0).toString()), r.value(1).toInt(), r.value(2).toInt(),
                       r.value(3).toInt()});
    return out;
}

std::vector<StoredMatch> ListMatches()
{
    // Both names come with their match in one row, so an entry can never pair one match's home
    // team with another's away team; a team deleted since still leaves its match listed.
    const auto rows = SelectAll(QStringLiteral("SELECT M.MATCHID, H.TEAMNAME, A.TEAMNAME FROM MATCH M "
                                               "LEFT JOIN TEAM H ON H.TEAMID = M.HOMETEAMID "
                                               "LEFT JOIN TEAM A ON A.TEAMID = M.AWAYTEAMID "
                                               "ORDER BY M.MATCHID"));
    std::vector<StoredMatch> out;
    out.reserve(rows.size());
    for (const QSqlRecord& row : rows) {
        StoredMatch m;
        m.id = RecordId::fromText(row.value(0).toString());
        if (!row.isNull(1))
            m.homeName = row.value(1).toString();
        if (!row.isNull(2))
            m.awayName = row.value(2).toString();
        out.push_back(std::move(m));
    }
    return out;
}

void ForgetMatches()
{
    Transaction t;
    Execute(QStringLiteral("DELETE FROM GAME"));
    Execute(QStringLiteral("DELETE FROM MATCH"));
    Execute(QStringLiteral("DELETE FROM PLAY"));
    Execute(QStringLiteral("DELETE FROM PLAYED"));
    Execute(QStringLiteral("DELETE FROM RALLY"));
    Execute(QStringLiteral("DELETE FROM SCOUTMATCH"));
    // The kept totals are the actions' sums: they go with the actions. The game totals first: their
    // triggers take each one off the totals per box and per player-game, which must still be there
    // to take it from.
    Execute(QStringLiteral("DELETE FROM TOTALS"));
    Execute(QStringLiteral("DELETE FROM ZONETOTALS"));
    Execute(QStringLiteral("DELETE FROM GAMETOTALS"));
    t.commit();
}

} // namespace MatchStore
