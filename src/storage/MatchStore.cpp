#include "storage/MatchStore.h"

#include "base/Names.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QLocale>
#include <map>

QString MatchCaption(const std::optional<QString>& away, const std::optional<QString>& home, const QString& when)
{
    const QString deleted = QCoreApplication::translate("MatchCaption", "(deleted team)");
    return names::Shown(away.value_or(deleted)) + QCoreApplication::translate("MatchCaption", " vs ")
        + names::Shown(home.value_or(deleted))
        + QCoreApplication::translate("MatchCaption", " on ") + when;
}

QString MatchWhen(const RecordId& match)
{
    return match.isNull() ? QString() : QLocale().toString(match.dateTime(), QLocale::ShortFormat);
}

namespace MatchStore {

namespace {
const QString kInsertGame = QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                                           "VALUES (?, ?, ?, ?, ?)");
const QString kInsertMatch = QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)");
}

void AddPlayedMatch(const RecordId& match, const RecordId& home, const RecordId& away)
{
    Execute(kInsertMatch, {Bind(match), Bind(home), Bind(away)});
}

void AddPlayedGame(const RecordId& match, const RecordId& game, int gameNumber, int homeScore, int awayScore)
{
    Execute(kInsertGame, {Bind(match), Bind(game), gameNumber, homeScore, awayScore});
}

void AddMatch(const RecordId& match, const RecordId& home, const RecordId& away, const RecordId& firstGame,
              int gameNumber, const std::optional<MatchOptions>& options)
{
    Transaction t;
    Execute(kInsertMatch, {Bind(match), Bind(home), Bind(away)});
    Execute(kInsertGame, {Bind(match), Bind(firstGame), gameNumber, 0, 0});
    if (options) {
        SaveOptions(match, *options);
        SetRecording(match, true);
    }
    t.commit();
}

void AddGame(const RecordId& match, const RecordId& game, int gameNumber, const std::optional<QString>& side)
{
    Transaction t;
    Execute(kInsertGame, {Bind(match), Bind(game), gameNumber, 0, 0});
    if (side)
        Execute(QStringLiteral("UPDATE MATCH SET SIDE = ? WHERE MATCHID = ?"), {*side, Bind(match)});
    t.commit();
}

void SaveOptions(const RecordId& match, const MatchOptions& o)
{
    Execute(QStringLiteral("UPDATE MATCH SET SIDE = ?, GAMES = ?, POINTS = ?, SIDEOUTROTATE = ?, SCOREFROMACTION = ? "
                           "WHERE MATCHID = ?"),
            {o.side, o.games, o.points, int(o.sideOutRotate), int(o.scoreFromAction), Bind(match)});
}

namespace {
const QString kOptionColumns = QStringLiteral("M.SIDE, M.GAMES, M.POINTS, M.SIDEOUTROTATE, M.SCOREFROMACTION");
// The options from their five columns at `at`; nothing when they were never kept.
std::optional<MatchOptions> OptionsAt(const QSqlRecord& r, int at)
{
    for (int i = at; i < at + 5; ++i)
        if (r.isNull(i))
            return std::nullopt;
    MatchOptions o;
    o.side = r.value(at).toString() == QLatin1String("RIGHT") ? QStringLiteral("RIGHT") : QStringLiteral("LEFT");
    o.games = r.value(at + 1).toInt() == 5 ? 5 : 3;
    o.points = r.value(at + 2).toInt() == 25 ? 25 : 15;
    o.sideOutRotate = r.value(at + 3).toInt() != 0;
    o.scoreFromAction = r.value(at + 4).toInt() != 0;
    return o;
}
} // namespace

std::optional<MatchOptions> Options(const RecordId& match)
{
    const auto rows = SelectAll(QStringLiteral("SELECT %1 FROM MATCH M WHERE M.MATCHID = ?").arg(kOptionColumns),
                                {Bind(match)});
    return rows.empty() ? std::nullopt : OptionsAt(rows.front(), 0);
}

void SetRecording(const RecordId& match, bool recording)
{
    Execute(QStringLiteral("UPDATE MATCH SET RECORDING = ? WHERE MATCHID = ?"), {int(recording), Bind(match)});
}

void EndMatch(const RecordId& match)
{
    Execute(QStringLiteral("UPDATE MATCH SET ENDED = 1, RECORDING = 0 WHERE MATCHID = ?"), {Bind(match)});
}

std::vector<OpenMatch> OpenMatches()
{
    std::vector<OpenMatch> out;
    for (const QSqlRecord& r : SelectAll(
             QStringLiteral("SELECT M.MATCHID, M.HOMETEAMID, M.AWAYTEAMID, H.TEAMNAME, A.TEAMNAME, M.RECORDING, %1 "
                            "FROM MATCH M LEFT JOIN TEAM H ON H.TEAMID = M.HOMETEAMID "
                            "LEFT JOIN TEAM A ON A.TEAMID = M.AWAYTEAMID WHERE M.ENDED = 0 ORDER BY M.MATCHID DESC")
                 .arg(kOptionColumns))) {
        const std::optional<MatchOptions> options = OptionsAt(r, 6);
        if (!options)
            continue;
        OpenMatch m;
        m.id = RecordId::fromText(r.value(0).toString());
        m.homeTeam = RecordId::fromText(r.value(1).toString());
        m.awayTeam = RecordId::fromText(r.value(2).toString());
        if (!r.isNull(3))
            m.homeName = r.value(3).toString();
        if (!r.isNull(4))
            m.awayName = r.value(4).toString();
        m.recording = r.value(5).toInt() != 0;
        m.options = *options;
        out.push_back(std::move(m));
    }
    // The games of every match offered in one statement: a season restored for its reports is
    // hundreds of matches, most of them ended.
    std::map<QString, size_t> at;
    for (size_t i = 0; i < out.size(); ++i)
        at.emplace(out[i].id.text(), i);
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT G.MATCHID, G.HOMESCORE, G.AWAYSCORE FROM GAME G "
                                                        "JOIN MATCH M ON M.MATCHID = G.MATCHID WHERE M.ENDED = 0 "
                                                        "ORDER BY G.MATCHID, G.GAMENUMBER, G.GAMEID"))) {
        const auto found = at.find(r.value(0).toString());
        if (found != at.end())
            out[found->second].scores.emplace_back(r.value(1).toInt(), r.value(2).toInt());
    }
    return out;
}

std::optional<std::pair<RecordId, RecordId>> Teams(const RecordId& match)
{
    const auto rows = SelectAll(QStringLiteral("SELECT HOMETEAMID, AWAYTEAMID FROM MATCH WHERE MATCHID = ?"), {Bind(match)});
    if (rows.empty())
        return std::nullopt;
    return std::pair{RecordId::fromText(rows.front().value(0).toString()),
                     RecordId::fromText(rows.front().value(1).toString())};
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
