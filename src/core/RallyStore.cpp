#include "core/RallyStore.h"

#include "core/Database.h"
#include "core/MatchStore.h"
#include "core/PlayStore.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace RallyStore {

namespace {
const QString kColumns = QStringLiteral(
    "GAMEID, ENTRY, STEP, KIND, ENTERED, SIDE, SERVER, AMOUNT, HOMESCORE, AWAYSCORE, PLAYERID, OUTID, STAT, "
    "POSITION, REVERSES, H1, H2, H3, H4, H5, H6, A1, A2, A3, A4, A5, A6");
constexpr int kZonesAt = 15; // the column of H1 in kColumns

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QVariant OrNull(int value, bool present)
{
    return present ? QVariant(value) : QVariant(QMetaType::fromType<int>());
}

QVariant TextOrNull(const QString& text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

QVariantList Values(const RecordId& game, const Rally::Entry& e)
{
    using Rally::Kind;
    QVariantList v{Bind(game),
                   e.entry,
                   e.step,
                   Rally::KindName(e.kind),
                   e.entered.toString(kTimeFormat),
                   OrNull(e.side, e.side >= 0),
                   OrNull(e.server, e.server >= 0),
                   OrNull(e.amount, e.kind == Kind::Point || e.kind == Kind::Rotate || e.kind == Kind::Action
                                        || e.kind == Kind::Undo),
                   e.homeScore,
                   e.awayScore,
                   Bind(e.player),
                   Bind(e.out),
                   TextOrNull(e.stat),
                   OrNull(e.position, e.position > 0),
                   OrNull(e.reverses, e.kind == Kind::Undo)};
    for (const Rally::Zones& side : e.zones)
        for (const RecordId& id : side)
            v << Bind(id);
    return v;
}

Rally::Entry Read(const QSqlQuery& q)
{
    Rally::Entry e;
    e.entry = q.value(1).toInt();
    e.step = q.value(2).toInt();
    e.kind = Rally::KindFromName(q.value(3).toString()).value_or(Rally::Kind::Start);
    e.entered = RecordId::fromText(q.value(4).toString()).dateTime();
    e.side = q.value(5).isNull() ? -1 : q.value(5).toInt();
    e.server = q.value(6).isNull() ? -1 : q.value(6).toInt();
    e.amount = q.value(7).toInt();
    e.homeScore = q.value(8).toInt();
    e.awayScore = q.value(9).toInt();
    e.player = RecordId::fromText(q.value(10).toString());
    e.out = RecordId::fromText(q.value(11).toString());
    e.stat = q.value(12).toString();
    e.position = q.value(13).toInt();
    e.reverses = q.value(14).toInt();
    for (size_t s = 0; s < 2; ++s)
        for (size_t z = 0; z < 6; ++z)
            e.zones[s][z] = RecordId::fromText(q.value(kZonesAt + int(s * 6 + z)).toString());
    return e;
}

QString Marks(qsizetype count)
{
    QString marks;
    for (qsizetype i = 0; i < count; ++i)
        marks += i ? QStringLiteral(",?") : QStringLiteral("?");
    return marks;
}

const QString& InsertStatement()
{
    static const QString insert
        = QStringLiteral("INSERT INTO RALLY (%1) VALUES (%2)").arg(kColumns, Marks(kColumns.count(QLatin1Char(',')) + 1));
    return insert;
}
} // namespace

QString Columns()
{
    return kColumns;
}

void Append(const RecordId& game, const Rally::Log& entries)
{
    for (const Rally::Entry& e : entries)
        ExecuteKept(InsertStatement(), Values(game, e));
}

void Write(const RecordId& game, const Rally::StepWrite& step, const QList<RecordId>& onCourt)
{
    if (game.isNull())
        throw DbError(QCoreApplication::translate("RallyStore", "There is no game under way to record in."), QString());
    const QString& insert = InsertStatement();
    Transaction t;
    for (int side = 0; side < 2; ++side) {
        const int change = step.scoreChange[size_t(side)];
        if (change == 0)
            continue;
        // Relative to the stored score, so that the row never depends on what a screen shows.
        const QString sql = side == Rally::kHome
                                ? QStringLiteral("UPDATE GAME SET HOMESCORE = HOMESCORE + ? WHERE GAMEID = ?")
                                : QStringLiteral("UPDATE GAME SET AWAYSCORE = AWAYSCORE + ? WHERE GAMEID = ?");
        if (ExecuteKept(sql, {change, Bind(game)}) != 1)
            throw DbError(QCoreApplication::translate("RallyStore",
                                                      "The point was not stored: this game is not in the database."),
                          sql);
    }
    if (!onCourt.isEmpty())
        MatchStore::RecordPlayed(game, onCourt);
    for (const Rally::PlayWrite& play : step.plays)
        PlayStore::RecordAction(game, NewRecordId(RecordKind::Play), play.player, play.position, *play.kind,
                                play.value);
    for (const Rally::Entry& e : step.entries)
        ExecuteKept(insert, Values(game, e));
    t.commit();
}

Rally::Log GameLog(const RecordId& game)
{
    return GameLogs({game})[game];
}

std::map<RecordId, Rally::Log> GameLogs(const QList<RecordId>& games)
{
    std::map<RecordId, Rally::Log> logs;
    if (games.isEmpty())
        return logs;
    QVariantList binds;
    for (const RecordId& g : games)
        binds << Bind(g);
    Query q(QStringLiteral("SELECT %1 FROM RALLY WHERE GAMEID IN (%2) ORDER BY GAMEID, ENTRY")
                .arg(kColumns, Marks(games.size())),
            binds);
    q.raw().setForwardOnly(true);
    q.exec();
    while (q.next())
        logs[RecordId::fromText(q.value(0).toString())].push_back(Read(q.raw()));
    return logs;
}

} // namespace RallyStore
