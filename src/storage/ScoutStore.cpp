#include "storage/ScoutStore.h"

#include "base/Names.h"
#include "storage/ArchiveStore.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "storage/PlayStore.h"
#include "storage/RallyStore.h"
#include "storage/RosterStore.h"
#include "storage/Progress.h"
#include "storage/RecordIssue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <cstring>
#include <set>

namespace ScoutStore {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ScoutStore)
};

// The stored team of this name (compared without regard to case, in any script), the first the
// roster lists whose identifier is one of ours.
std::optional<RecordId> TeamNamed(const QString& name)
{
    for (const ListedTeam& t : RosterStore::ListTeams())
        if (t.name.trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0 && RecordId::isStoredForm(t.idText))
            return RecordId::fromText(t.idText);
    return std::nullopt;
}

// A team's players by shirt number; where two share a number, the one made first.
std::map<int, RecordId> PlayersByNumber(const RecordId& team)
{
    std::map<int, RecordId> out;
    for (const PlayerRow& p : RosterStore::TeamPlayers(team))
        if (!p.id.isNull())
            out.emplace(p.number, p.id);
    return out;
}

QVariant DayStart(const QDate& day)
{
    return RecordId(QDateTime(day, QTime(0, 0))).text();
}

// The schemas a match may already be stored in: the working tables, and the archive when it is
// attached. Fixed words, the only ones besides the tables' names in the statements below.
const QString kWorking = QStringLiteral("main");
const QString kArchive = QStringLiteral("archive");

// The stored match with these teams on the match's day and the same score in every set.
std::optional<RecordId> SameMatch(const QString& schema, const Scout::ScoutMatch& m, const RecordId& home,
                                  const RecordId& away)
{
    const auto rows = SelectAll(QStringLiteral("SELECT MATCHID FROM %1.MATCH WHERE HOMETEAMID = ? AND AWAYTEAMID = ? "
                                               "AND MATCHID >= ? AND MATCHID < ? ORDER BY MATCHID")
                                    .arg(schema),
                                {Bind(home), Bind(away), DayStart(m.date), DayStart(m.date.addDays(1))});
    for (const QSqlRecord& row : rows) {
        const RecordId id = RecordId::fromText(row.value(0).toString());
        const auto games = SelectAll(
            QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM %1.GAME WHERE MATCHID = ? ORDER BY GAMENUMBER, GAMEID")
                .arg(schema),
            {Bind(id)});
        bool same = games.size() == m.sets.size();
        for (size_t i = 0; same && i < games.size(); ++i)
            same = games[i].value(0).toInt() == m.sets[i].home && games[i].value(1).toInt() == m.sets[i].away;
        if (same)
            return id;
    }
    return std::nullopt;
}

// The stored match imported from a file that said the same of it.
std::optional<RecordId> SameFileKey(const QString& schema, const QString& key)
{
    const auto rows = SelectAll(
        QStringLiteral("SELECT MATCHID FROM %1.SCOUTMATCH WHERE FILEKEY = ? ORDER BY MATCHID").arg(schema), {key});
    if (rows.empty())
        return std::nullopt;
    return RecordId::fromText(rows.front().value(0).toString());
}

// A stored match as the match listing names it.
QString Caption(const QString& schema, const RecordId& match)
{
    for (const QSqlRecord& r :
         SelectAll(QStringLiteral("SELECT H.TEAMNAME, A.TEAMNAME FROM %1.MATCH M "
                                  "LEFT JOIN %1.TEAM H ON H.TEAMID = M.HOMETEAMID "
                                  "LEFT JOIN %1.TEAM A ON A.TEAMID = M.AWAYTEAMID WHERE M.MATCHID = ?")
                       .arg(schema),
                   {Bind(match)})) {
        auto name = [&](int i) { return r.isNull(i) ? std::nullopt : std::optional<QString>(r.value(i).toString()); };
        return MatchCaption(name(1), name(0), MatchWhen(match));
    }
    return MatchWhen(match);
}

QString Caption(const RecordId& match)
{
    return Caption(kWorking, match);
}

// The match of the file as stored already in one schema: by what the file said of it, else by
// its teams, day and set scores.
std::optional<Duplicate> Stored(const QString& schema, const Scout::ScoutMatch& m,
                                const std::array<std::optional<RecordId>, 2>& teams)
{
    std::optional<RecordId> same = SameFileKey(schema, Scout::FileKey(m));
    if (!same && teams[0] && teams[1] && !(*teams[0] == *teams[1]))
        same = SameMatch(schema, m, *teams[0], *teams[1]);
    if (!same)
        return std::nullopt;
    Duplicate d;
    d.match = *same;
    d.caption = Caption(schema, *same);
    d.archived = schema == kArchive;
    return d;
}

// Why the file's match is refused: where it already is.
QString AlreadyStored(const Duplicate& d)
{
    if (d.archived)
        return Words::tr("this match is already in the archive of saved matches: %1; File > Restore Saved Matches "
                         "brings it back.")
            .arg(d.caption);
    return Words::tr("this match is already among the recorded matches: %1.").arg(d.caption);
}

// The first second from `from` on that neither the table nor this import holds yet. The
// statements are fixed; only the identifier is bound.
RecordId FreeId(const QString& exists, RecordId from, const std::set<RecordId>& taken)
{
    for (;;) {
        if (!taken.count(from) && SelectAll(exists, {Bind(from)}).empty())
            return from;
        from = from.addSecs(1);
    }
}

const QString kMatchExists = QStringLiteral("SELECT 1 FROM MATCH WHERE MATCHID = ?");
const QString kGameExists = QStringLiteral("SELECT 1 FROM GAME WHERE GAMEID = ?");

} // namespace

Plan PlanImport(const Scout::ScoutMatch& m)
{
    Plan plan;
    for (int side = 0; side < 2; ++side) {
        plan.teams[size_t(side)] = TeamNamed(m.teams[size_t(side)].name);
        if (plan.teams[size_t(side)])
            plan.players[size_t(side)] = PlayersByNumber(*plan.teams[size_t(side)]);
    }
    plan.duplicate = Stored(kWorking, m, plan.teams);
    // The archive is only read, and only when there is one.
    const QString archive = ArchiveStore::DefaultPath();
    if (!plan.duplicate && QFileInfo::exists(archive)) {
        ArchiveStore::Attached attached(archive);
        plan.duplicate = Stored(kArchive, m, plan.teams);
    }
    return plan;
}

Imported Import(const Scout::ScoutMatch& m, ProgressScope* progress)
{
    using namespace Scout;
    Plan plan = PlanImport(m);
    if (plan.duplicate)
        throw RefusalError(Refusal{m.matchLine, AlreadyStored(*plan.duplicate)});
    // Two teams of the same name in the file were refused by the reader; two stored teams that
    // the names both find would make one team play itself.
    if (plan.teams[0] && plan.teams[1] && *plan.teams[0] == *plan.teams[1])
        throw RefusalError(Refusal{m.teams[kAway].line, Words::tr("both teams are the same team of the roster.")});

    Imported result;
    std::array<RecordId, 2> teams;
    std::vector<PlayerRow> newPlayers;
    // Named as every caption names a match: the away team first.
    for (int side : {kAway, kHome}) {
        const Team& t = m.teams[size_t(side)];
        // A new player's team as the roster names it.
        QString teamName = t.name;
        if (plan.teams[size_t(side)]) {
            teams[size_t(side)] = *plan.teams[size_t(side)];
            teamName = RosterStore::TeamName(teams[size_t(side)]).value_or(t.name);
        } else {
            teams[size_t(side)] = NewRecordId(RecordKind::Team);
            result.newTeams << t.name;
        }
        for (const Player& p : t.players) {
            if (!plan.newPlayer(side, p.number))
                continue;
            const PlayerRow row{NewRecordId(RecordKind::Player), teams[size_t(side)], p.name(), p.number};
            plan.players[size_t(side)][p.number] = row.id;
            newPlayers.push_back(row);
            result.newPlayers << Words::tr("%2 #%1 (%3)").arg(p.number).arg(names::Shown(p.name()), names::Shown(teamName));
        }
    }
    // Every shirt's player at hand: the games ask for one at each line.
    std::array<std::array<RecordId, 100>, 2> byShirt;
    for (int side = 0; side < 2; ++side)
        for (const auto& [number, id] : plan.players[size_t(side)])
            if (number >= 0 && number < 100)
                byShirt[size_t(side)][size_t(number)] = id;
    const std::vector<Game> games
        = BuildGames(m, [&](int side, int number) { return byShirt[size_t(side)][size_t(number)]; });

    if (progress)
        progress->setCount(int(games.size()) + 2);
    Transaction t;
    for (int side = 0; side < 2; ++side)
        if (!plan.teams[size_t(side)])
            RosterStore::AddTeam(teams[size_t(side)], m.teams[size_t(side)].name);
    for (const PlayerRow& p : newPlayers) {
        // A shirt is worn by one player of a team; the roster was read before the transaction.
        if (RosterStore::AddPlayer(p))
            throw RefusalError(Refusal{m.matchLine,
                                       Words::tr("shirt number %1 of %2 was given to a player of the roster "
                                                 "meanwhile; import the file again.")
                                           .arg(p.number)
                                           .arg(RosterStore::TeamName(p.teamId).value_or(QString()))});
    }
    // Looked for again inside the transaction: another copy may have imported it meanwhile.
    if (const std::optional<Duplicate> same = Stored(kWorking, m, {teams[0], teams[1]}))
        throw RefusalError(Refusal{m.matchLine, AlreadyStored(*same)});
    if (progress)
        progress->step(1);

    // The match is stored under its own date and time, so that reports by date find it; a match
    // of another pair of teams at the same moment takes the next free second.
    const RecordId match = FreeId(kMatchExists, RecordId(QDateTime(m.date, m.startTime())), {});
    MatchStore::AddPlayedMatch(match, teams[0], teams[1]);
    Execute(QStringLiteral("INSERT INTO SCOUTMATCH (MATCHID, FILEKEY) VALUES (?, ?)"), {Bind(match), FileKey(m)});
    if (progress)
        progress->step(2);
    std::set<RecordId> gameIds;
    RecordId previous;
    for (size_t i = 0; i < games.size(); ++i) {
        const Game& g = games[i];
        // Each game under the moment its first line was scouted, after the game before it.
        RecordId base(g.started);
        if (!previous.isNull() && base <= previous)
            base = previous.addSecs(1);
        const RecordId game = FreeId(kGameExists, base, gameIds);
        gameIds.insert(game);
        previous = game;
        MatchStore::AddPlayedGame(match, game, g.number, g.home, g.away);
        MatchStore::RecordPlayed(game, g.played);
        std::vector<PlayStore::ActionRow> rows;
        rows.reserve(g.plays.size());
        QDateTime lastAt;
        RecordId play;
        for (const GamePlay& p : g.plays) {
            // Actions of one moment come together; the moment's identifier is made once.
            if (p.at != lastAt) {
                lastAt = p.at;
                play = RecordId(p.at);
            }
            rows.push_back({play, p.player, p.position, p.kind, p.value});
        }
        PlayStore::RecordActions(game, rows);
        RallyStore::Append(game, g.log);
        if (progress)
            progress->step(int(i) + 3);
    }
    t.commit();
    // Identifiers were taken from the file's clock, not ours: the next new record looks again at
    // what the tables hold.
    ResetRecordIds();
    result.match = match;
    result.caption = Caption(match);
    return result;
}

std::vector<ListedMatch> ListMatches()
{
    std::vector<ListedMatch> out;
    QHash<QString, size_t> at;
    for (const StoredMatch& s : MatchStore::ListMatches()) {
        at.insert(s.id.text(), out.size());
        out.push_back({s.id, s.homeName, s.awayName, {}});
    }
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT MATCHID, HOMESCORE, AWAYSCORE FROM GAME "
                                                        "ORDER BY MATCHID, GAMENUMBER, GAMEID"))) {
        const auto it = at.constFind(r.value(0).toString());
        if (it != at.constEnd())
            out[*it].scores << std::pair{r.value(1).toInt(), r.value(2).toInt()};
    }
    return out;
}

Scout::RecordedMatch Recorded(const RecordId& matchId)
{
    using Scout::ExportError;
    const auto rows
        = SelectAll(QStringLiteral("SELECT HOMETEAMID, AWAYTEAMID FROM MATCH WHERE MATCHID = ?"), {Bind(matchId)});
    if (rows.empty())
        throw ExportError(
            QCoreApplication::translate("ScoutStore", "The match of %1 is no longer among the recorded matches.")
                .arg(MatchWhen(matchId)));
    const std::array<RecordId, 2> teams{RecordId::fromText(rows.front().value(0).toString()),
                                        RecordId::fromText(rows.front().value(1).toString())};
    Scout::RecordedMatch r;
    r.when = matchId.dateTime();
    r.teamIds = teams;
    for (int side = 0; side < 2; ++side) {
        const std::optional<QString> name = RosterStore::TeamName(teams[size_t(side)]);
        if (!name)
            throw ExportError(QCoreApplication::translate(
                                  "ScoutStore",
                                  "The %1 team of this match has been deleted from the roster, with its players: "
                                  "their actions cannot be written.")
                                  .arg(side == Scout::kHome ? QCoreApplication::translate("ScoutStore", "home")
                                                            : QCoreApplication::translate("ScoutStore", "away")));
        r.teams[size_t(side)] = *name;
    }

    QList<RecordId> gameIds;
    QVariantList binds;
    for (const QSqlRecord& g : SelectAll(QStringLiteral("SELECT GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME "
                                                        "WHERE MATCHID = ? ORDER BY GAMENUMBER, GAMEID"),
                                         {Bind(matchId)})) {
        Scout::RecordedGame game;
        game.number = g.value(1).toInt();
        game.home = g.value(2).toInt();
        game.away = g.value(3).toInt();
        r.games.push_back(game);
        gameIds << RecordId::fromText(g.value(0).toString());
        binds << g.value(0);
    }
    QHash<QString, size_t> gameAt;
    for (qsizetype i = 0; i < gameIds.size(); ++i)
        gameAt.insert(gameIds[i].text(), size_t(i));
    std::set<RecordId> inMatch;
    if (!gameIds.isEmpty()) {
        QString marks;
        for (qsizetype i = 0; i < gameIds.size(); ++i)
            marks += i ? QStringLiteral(",?") : QStringLiteral("?");
        const std::map<RecordId, Rally::Log> logs = RallyStore::GameLogs(gameIds);
        for (qsizetype i = 0; i < gameIds.size(); ++i) {
            const auto it = logs.find(gameIds[i]);
            if (it != logs.end())
                r.games[size_t(i)].log = it->second;
        }
        for (const QSqlRecord& p : SelectAll(
                 QStringLiteral("SELECT GAMEID, PLAYERID FROM PLAYED WHERE GAMEID IN (%1) ORDER BY rowid").arg(marks),
                 binds)) {
            const RecordId id = RecordId::fromText(p.value(1).toString());
            r.games[gameAt.value(p.value(0).toString())].played << id;
            inMatch.insert(id);
        }
        // Each row's kind: the one column of the stat table it fills (an attack result fills its
        // attempt too, so the attempt counts alone only when nothing else is filled).
        QStringList columns;
        for (const StatKind& k : kStatKinds)
            columns << QString::fromLatin1(k.column);
        const auto plays = SelectAll(QStringLiteral("SELECT GAMEID, PLAYID, PLAYERID, POSITION, %1 FROM PLAY "
                                                    "WHERE GAMEID IN (%2) ORDER BY rowid")
                                         .arg(columns.join(QStringLiteral(", ")), marks),
                                     binds);
        for (const QSqlRecord& p : plays) {
            Scout::RecordedPlay play;
            play.player = RecordId::fromText(p.value(2).toString());
            play.position = p.value(3).toInt();
            play.at = RecordId::fromText(p.value(1).toString()).dateTime();
            const StatKind* attempt = nullptr;
            for (size_t k = 0; k < kStatKinds.size(); ++k) {
                if (p.isNull(4 + int(k)))
                    continue;
                if (kStatKinds[k].shape == StatShape::Count && std::strcmp(kStatKinds[k].key, "Attempt") == 0) {
                    attempt = &kStatKinds[k];
                    continue;
                }
                play.column = QString::fromLatin1(kStatKinds[k].column);
                play.value = p.value(4 + int(k)).toInt();
                break;
            }
            if (play.column.isEmpty() && attempt) {
                play.column = QString::fromLatin1(attempt->column);
                play.value = p.value(4 + int(attempt - kStatKinds.data())).toInt();
            }
            if (play.column.isEmpty())
                continue;
            r.games[gameAt.value(p.value(0).toString())].plays.push_back(play);
            inMatch.insert(play.player);
        }
        for (const auto& [game, log] : logs)
            for (const Rally::Entry& e : log) {
                inMatch.insert(e.player);
                for (const Rally::Zones& side : e.zones)
                    inMatch.insert(side.begin(), side.end());
            }
    }
    // Each team's roster; of two players of one team with the same shirt, the one who took part
    // in the match (the file can hold one number once).
    for (int side = 0; side < 2; ++side) {
        std::map<int, std::vector<Scout::RecordedPlayer>> byNumber;
        for (const PlayerRow& p : RosterStore::TeamPlayers(teams[size_t(side)]))
            byNumber[p.number].push_back({p.id, p.name, p.number});
        for (auto& [number, players] : byNumber) {
            std::vector<Scout::RecordedPlayer> keep;
            for (const Scout::RecordedPlayer& p : players)
                if (inMatch.count(p.id))
                    keep.push_back(p);
            if (keep.empty())
                keep.push_back(players.front());
            for (const Scout::RecordedPlayer& p : keep)
                r.players[size_t(side)].push_back(p);
        }
    }
    return r;
}

QByteArray ExportMatch(const RecordId& match)
{
    return Scout::Write(Scout::FromRecorded(Recorded(match)));
}

QString FileName(const ListedMatch& match)
{
    const QString deleted = Words::tr("deleted team");
    // Each name within what any file system takes in a name, with room for the date.
    auto team = [&](const std::optional<QString>& name) { return name.value_or(deleted).left(60).trimmed(); };
    QString name = match.id.date().toString(Qt::ISODate) + QLatin1Char(' ') + team(match.awayName) + Words::tr(" vs ")
        + team(match.homeName);
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return name.trimmed() + QStringLiteral(".dvw");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Scout::ExportError(Words::tr("The scout file could not be written to %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace ScoutStore
