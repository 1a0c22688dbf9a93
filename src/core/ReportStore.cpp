#include "core/ReportStore.h"

#include "core/Database.h"
#include "core/mConstants.h"

#include <QSqlRecord>
#include <array>

namespace {

QString Placeholders(qsizetype count)
{
    QString marks;
    for (qsizetype i = 0; i < count; ++i)
        marks += i ? QStringLiteral(",?") : QStringLiteral("?");
    return marks;
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

std::vector<ReportLine> Fill(const ReportStatement& st, ProgressScope* progress)
{
    namespace C = ReportColumn;
    Transaction transaction;
    Execute(QStringLiteral("DELETE FROM REPORT"));
    Execute(QStringLiteral("DELETE FROM GAMECOUNT"));
    Execute(st.gameCount.sql, st.gameCount.binds);

    // The values are copied out of the statement as they come, without a record (and its field
    // names) per row.
    std::vector<std::array<QVariant, C::Count>> rows;
    {
        Query select(st.lines.sql, st.lines.binds);
        select.raw().setForwardOnly(true);
        select.exec();
        while (select.next()) {
            auto& r = rows.emplace_back();
            for (int i = 0; i < C::Count; ++i)
                r[size_t(i)] = select.value(i);
        }
    }
    if (progress)
        progress->setCount(int(rows.size()) + 1);

    std::vector<ReportLine> lines;
    Query insert(st.insertReport);
    QSqlQuery& q = insert.raw();
    int done = 0;
    for (const auto& r : rows) {
        int i = 0;
        for (int c : {C::Team, C::PlayerId, C::Player, C::Position, C::Percentage})
            q.bindValue(i++, r[size_t(c)]);
        for (std::size_t k = 0; k < kStatKinds.size(); ++k)
            if (kStatKinds[k].shape != StatShape::Rating)
                q.bindValue(i++, r[size_t(C::StatRaw(k))]);
        // A pass taken back is no pass: the ratings left are averaged over the passes left.
        q.bindValue(i++, PassTally{r[C::PassSum].toLongLong(), r[C::PassNet].toLongLong()}.average());
        q.bindValue(i++, r[C::Rows]);
        insert.exec();

        if (r[C::FirstOfLine].toInt() == 1) {
            ReportLine& line = lines.emplace_back();
            line.team = r[C::Team].toString();
            line.playerId = r[C::PlayerId].toString();
            line.player = r[C::Player].toString();
            line.position = r[C::Position];
            line.games = r[C::Games].toInt();
            for (std::size_t k = 0; k < kStatKinds.size(); ++k)
                line.counts[k] = r[size_t(C::StatLine(k))].toLongLong();
            line.pass = {r[C::LinePassSum].toLongLong(), r[C::LinePassNet].toLongLong()};
        }
        if (progress)
            progress->step(++done);
    }
    transaction.commit();
    if (progress)
        progress->step(++done);
    return lines;
}

} // namespace ReportStore
