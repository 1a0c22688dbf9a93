#include "core/ReportStore.h"

#include "core/Database.h"
#include "core/mConstants.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QStringList>
#include <array>

namespace {

QString Placeholders(qsizetype count)
{
    QString marks;
    for (qsizetype i = 0; i < count; ++i)
        marks += i ? QStringLiteral(",?") : QStringLiteral("?");
    return marks;
}

// REPORT's values of one row: names, position, percentage, the summed kinds, pass average, rows.
constexpr std::size_t ReportValues()
{
    std::size_t n = 5 + 2;
    for (const StatKind& k : kStatKinds)
        n += k.shape != StatShape::Rating ? 1 : 0;
    return n;
}

QVariantList BindAll(const QList<RecordId>& ids)
{
    QVariantList values;
    values.reserve(ids.size());
    for (const RecordId& id : ids)
        values << Bind(id);
    return values;
}

} // namespace

namespace ReportStore {

std::vector<QDate> MatchDates()
{
    std::vector<QDate> days;
    for (const QSqlRecord& r : SelectAll(
             QStringLiteral("SELECT DISTINCT date(MATCHID) FROM MATCH WHERE date(MATCHID) IS NOT NULL ORDER BY 1")))
        days.push_back(QDate::fromString(r.value(0).toString(), Qt::ISODate));
    return days;
}

std::vector<MatchRow> Matches(const ReportChoices& dates)
{
    // Home and away names come from one row per match, so an entry can never pair one match's
    // home team with another's away team; a deleted team leaves its match listed.
    const BoundSql w = DateCondition(dates, QStringLiteral("MATCH.MATCHID"));
    std::vector<MatchRow> out;
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT MATCH.MATCHID, AWAY.TEAMNAME, HOME.TEAMNAME FROM MATCH "
                                                        "LEFT JOIN TEAM AS HOME ON HOME.TEAMID = MATCH.HOMETEAMID "
                                                        "LEFT JOIN TEAM AS AWAY ON AWAY.TEAMID = MATCH.AWAYTEAMID "
                                                        "WHERE 1 = 1 %1ORDER BY MATCH.MATCHID")
                                             .arg(w.sql),
                                         w.binds)) {
        const QString text = r.value(0).toString();
        out.push_back({RecordId::fromText(text), text, r.value(1), r.value(2)});
    }
    return out;
}

MatchResult Result(const RecordId& match)
{
    MatchResult result;
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT HOME.TEAMNAME, AWAY.TEAMNAME FROM MATCH "
                                                        "LEFT JOIN TEAM AS HOME ON HOME.TEAMID = MATCH.HOMETEAMID "
                                                        "LEFT JOIN TEAM AS AWAY ON AWAY.TEAMID = MATCH.AWAYTEAMID "
                                                        "WHERE MATCH.MATCHID = ?"),
                                         {Bind(match)})) {
        result.home = r.value(0);
        result.away = r.value(1);
    }
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM GAME WHERE MATCHID = ? "
                                                        "ORDER BY GAMENUMBER, GAMEID"),
                                         {Bind(match)}))
        result.games.emplace_back(r.value(0).toInt(), r.value(1).toInt());
    return result;
}

int GameCount(const RecordId& match)
{
    const auto rows = SelectAll(QStringLiteral("SELECT COUNT(*) FROM GAME WHERE MATCHID = ?"), {Bind(match)});
    return rows.empty() ? 0 : rows.front().value(0).toInt();
}

std::vector<NamedRow> Teams(const QList<RecordId>& matches)
{
    std::vector<NamedRow> out;
    if (matches.isEmpty())
        return out;
    for (const QSqlRecord& r :
         SelectAll(QStringLiteral("SELECT DISTINCT TEAM.TEAMID, TEAM.TEAMNAME FROM TEAM INNER JOIN MATCH "
                                  "ON (TEAM.TEAMID = MATCH.HOMETEAMID OR TEAM.TEAMID = MATCH.AWAYTEAMID) "
                                  "WHERE MATCH.MATCHID IN (%1) ORDER BY TEAM.TEAMNAME, TEAM.TEAMID")
                       .arg(Placeholders(matches.size())),
                   BindAll(matches)))
        out.push_back({RecordId::fromText(r.value(0).toString()), r.value(1).toString(), QString()});
    return out;
}

std::vector<NamedRow> Players(const QList<RecordId>& teams)
{
    std::vector<NamedRow> out;
    if (teams.isEmpty())
        return out;
    for (const QSqlRecord& r :
         SelectAll(QStringLiteral("SELECT PLAYER.PLAYERID, PLAYER.PLAYERNAME, TEAM.TEAMNAME FROM PLAYER "
                                  "LEFT JOIN TEAM ON TEAM.TEAMID = PLAYER.TEAMID "
                                  "WHERE PLAYER.TEAMID IN (%1) "
                                  "ORDER BY PLAYER.PLAYERNAME, TEAM.TEAMNAME, PLAYER.PLAYERID")
                       .arg(Placeholders(teams.size())),
                   BindAll(teams)))
        out.push_back({RecordId::fromText(r.value(0).toString()), r.value(1).toString(), r.value(2).toString()});
    return out;
}

bool KeptLinesHold(const ReportStatement& st)
{
    if (st.keptLinesHold.isEmpty())
        return false;
    const auto answer = SelectAll(st.keptLinesHold);
    return !answer.empty() && answer.front().value(0).toInt() == 1;
}

std::vector<ReportLine> Fill(const ReportStatement& st, ProgressScope* progress)
{
    namespace C = ReportColumn;
    Transaction transaction;
    Execute(QStringLiteral("DELETE FROM REPORT"));
    Execute(QStringLiteral("DELETE FROM GAMECOUNT"));
    Execute(st.gameCount.sql, st.gameCount.binds);

    // REPORT's values are copied out of the statement as they come, without a record (and its
    // field names) per row; a line's sums are read from its first row only.
    std::vector<std::array<QVariant, ReportValues()>> rows;
    std::vector<ReportLine> lines;
    try {
        const BoundSql& statement = KeptLinesHold(st) ? st.keptLines : st.lines;
        Query select(statement.sql, statement.binds);
        select.raw().setForwardOnly(true);
        select.exec();
        while (select.next()) {
            auto& r = rows.emplace_back();
            std::size_t i = 0;
            for (int c : {C::Team, C::PlayerId, C::Player, C::Position, C::Percentage})
                r[i++] = select.value(c);
            for (std::size_t k = 0; k < kStatKinds.size(); ++k)
                if (kStatKinds[k].shape != StatShape::Rating)
                    r[i++] = select.value(C::StatRaw(k));
            // A pass taken back is no pass: the ratings left are averaged over the passes left.
            r[i++] = PassTally{select.value(C::PassSum).toLongLong(), select.value(C::PassNet).toLongLong()}.average();
            r[i++] = select.value(C::Rows);
            if (select.value(C::FirstOfLine).toInt() != 1)
                continue;
            ReportLine line;
            line.team = r[0].toString();
            line.playerId = r[1].toString();
            line.player = r[2].toString();
            line.number = select.value(C::Number);
            line.position = r[3];
            line.games = select.value(C::Games).toInt();
            for (std::size_t k = 0; k < kStatKinds.size(); ++k)
                line.counts[k] = select.value(C::StatLine(k)).toLongLong();
            line.pass = {select.value(C::LinePassSum).toLongLong(), select.value(C::LinePassNet).toLongLong()};
            // Apart, the games a player took part in without any action make a line without a
            // position; it says nothing beside the player's other lines (the games played are
            // the player's, from GAMECOUNT), so it is kept only for a player who has no other.
            // A player's lines come together, the one without a position last.
            if (!lines.empty() && lines.back().playerId == line.playerId && line.position.isNull())
                continue;
            lines.push_back(std::move(line));
        }
        // The engine may stop on a row it cannot compute (a sum out of range) without failing exec.
        if (select.raw().lastError().isValid())
            throw DbError(select.raw().lastError().text(), statement.sql);
    } catch (const DbError& e) {
        // Sums out of range come from rows other tools wrote: the user is told whose they are.
        if (!st.overflow.sql.isEmpty() && e.message().contains(QLatin1String("overflow"), Qt::CaseInsensitive)) {
            QStringList who;
            for (const QSqlRecord& r : SelectAll(st.overflow.sql, st.overflow.binds))
                who << QStringLiteral("%1 (%2)").arg(r.value(1).toString(), r.value(0).toString());
            if (!who.isEmpty())
                throw ReportOverflow(who.join(QStringLiteral(", ")));
        }
        throw;
    }
    if (progress)
        progress->setCount(int(rows.size()) + 1);

    Query insert(st.insertReport);
    QSqlQuery& q = insert.raw();
    int done = 0;
    for (const auto& r : rows) {
        for (std::size_t i = 0; i < r.size(); ++i)
            q.bindValue(int(i), r[i]);
        insert.exec();
        if (progress)
            progress->step(++done);
    }
    transaction.commit();
    if (progress)
        progress->step(++done);
    return lines;
}

} // namespace ReportStore
