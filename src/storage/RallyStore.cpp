#include "storage/RallyStore.h"

#include "storage/BlockInsert.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "storage/PlayStore.h"
#include "storage/RecordIssue.h"
#include "storage/EngineRead.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <array>
#include <string>
#include <unordered_map>

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

// The kinds whose entries carry an amount; the others store none.
bool HasAmount(Rally::Kind kind)
{
    using Rally::Kind;
    return kind == Kind::Point || kind == Kind::Rotate || kind == Kind::Action || kind == Kind::Undo
        || kind == Kind::Libero;
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
                   OrNull(e.amount, HasAmount(e.kind)),
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
    using Rally::Kind;
    if (entries.empty())
        return;
    // One statement for the whole log, as in Values(): entry by entry, the driver's work for each
    // of the 27 values cost many times the engine's own.
    RowBlock rows(kColumns.count(QLatin1Char(',')) + 1);
    StoredTexts texts;
    std::array<std::string, size_t(Kind::Timeout) + 1> kinds;
    for (const Rally::Entry& e : entries) {
        texts.add(rows, game);
        rows.addNumber(e.entry);
        rows.addNumber(e.step);
        std::string& kind = kinds[size_t(e.kind)];
        if (kind.empty())
            kind = Rally::KindName(e.kind).toStdString();
        rows.addText(kind);
        texts.add(rows, e.entered);
        auto numberOrNull = [&](int value, bool present) { present ? rows.addNumber(value) : rows.addNull(); };
        numberOrNull(e.side, e.side >= 0);
        numberOrNull(e.server, e.server >= 0);
        numberOrNull(e.amount, HasAmount(e.kind));
        rows.addNumber(e.homeScore);
        rows.addNumber(e.awayScore);
        texts.add(rows, e.player);
        texts.add(rows, e.out);
        if (e.stat.isEmpty())
            rows.addNull();
        else
            rows.addText(e.stat.toStdString());
        numberOrNull(e.position, e.position > 0);
        numberOrNull(e.reverses, e.kind == Kind::Undo);
        for (const Rally::Zones& side : e.zones)
            for (const RecordId& id : side)
                texts.add(rows, id);
    }
    BlockInsert(QStringLiteral("RALLY"), kColumns.split(QStringLiteral(", ")), {}).insert(rows);
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

std::map<RecordId, Rally::Log> PointLogs(const QList<RecordId>& games, LineUps lineUps)
{
    using Rally::Kind;
    std::map<RecordId, Rally::Log> logs;
    // A season holds tens of thousands of these entries, so only what is asked for is read (the
    // kind as a number, and of the line-ups zone 1 alone unless all six are wanted), straight from
    // the engine: through the query classes, each value's wrapping cost more than its reading.
    const bool whole = lineUps == LineUps::Whole;
    const QString zones
        = whole ? QStringLiteral("H1, H2, H3, H4, H5, H6, A1, A2, A3, A4, A5, A6") : QStringLiteral("H1, A1");
    const int perSide = whole ? 6 : 1;
    constexpr int zonesAt = 12;
    // A season's line-ups name the same few hundred players tens of thousands of times, and a
    // column most often names the same player as in the row before.
    std::unordered_map<std::string, RecordId> players;
    std::array<std::pair<std::string, RecordId>, zonesAt + 12> last;
    const auto player = [&](const EngineRead& r, int column) {
        const std::string_view text = r.bytes(column);
        if (text.empty())
            return RecordId();
        auto& [lastText, lastId] = last[size_t(column)];
        if (text == lastText)
            return lastId;
        auto found = players.find(std::string(text));
        if (found == players.end()) {
            const RecordId id = RecordId::fromText(QString::fromUtf8(text.data(), qsizetype(text.size())));
            found = players.emplace(std::string(text), id).first;
        }
        lastText = found->first;
        lastId = found->second;
        return lastId;
    };
    // In slices, so that a season of games never meets the engine's limit on bound values. The
    // kinds are written as the index RALLY_POINTS names them (the program's own words, no value
    // of a user's), so that the engine reads that index alone.
    constexpr qsizetype slice = 500;
    for (qsizetype from = 0; from < games.size(); from += slice) {
        const QList<RecordId> part = games.mid(from, slice);
        EngineRead r(QStringLiteral("SELECT GAMEID, ENTRY, STEP, CASE KIND WHEN 'START' THEN 0 WHEN 'POINT' THEN 1 WHEN "
                                    "'TIMEOUT' THEN 3 ELSE 2 END, SIDE, SERVER, AMOUNT, HOMESCORE, AWAYSCORE, REVERSES, "
                                    "STAT, PLAYERID, %1 FROM RALLY WHERE KIND IN ('START', 'POINT', 'UNDO', 'TIMEOUT') AND "
                                    "GAMEID IN (%2) ORDER BY GAMEID, ENTRY")
                         .arg(zones, Marks(part.size())));
        for (qsizetype i = 0; i < part.size(); ++i)
            r.bind(int(i) + 1, part[i].text());
        std::string gameText;
        Rally::Log* log = nullptr;
        while (r.next()) {
            // The rows of one game come together: its identifier is read once.
            const std::string_view text = r.bytes(0);
            if (!log || text != gameText) {
                gameText = std::string(text);
                log = &logs[RecordId::fromText(QString::fromUtf8(text.data(), qsizetype(text.size())))];
            }
            Rally::Entry& e = log->emplace_back();
            e.entry = r.number(1);
            e.step = r.number(2);
            const int kind = r.number(3);
            e.kind = kind == 0 ? Kind::Start : kind == 1 ? Kind::Point : kind == 3 ? Kind::Timeout : Kind::Undo;
            e.side = r.isNull(4) ? -1 : r.number(4);
            e.server = r.isNull(5) ? -1 : r.number(5);
            e.amount = r.number(6);
            e.homeScore = r.number(7);
            e.awayScore = r.number(8);
            e.reverses = r.number(9);
            // Only a point's deciding action is wanted; the start's players are its liberos.
            if (e.kind == Kind::Point) {
                e.stat = r.text(10);
                e.player = player(r, 11);
            }
            for (int s = 0; s < 2; ++s)
                for (int z = 0; z < perSide; ++z)
                    e.zones[size_t(s)][size_t(z)] = player(r, zonesAt + s * perSide + z);
        }
    }
    return logs;
}

} // namespace RallyStore
