#include "club/ClubTables.h"

#include "storage/RallyStore.h"
#include "base/StatKinds.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace ClubStore {

namespace {

TableShape Shape(const QString& table, const QStringList& columns, const QSet<QString>& integers, bool matchId = false)
{
    return {table, columns, integers, matchId};
}

// The line-up on court at a log entry, home zones 1-6 then away: the same on many entries in a
// row, so that its players are best found by taking each distinct line-up apart once.
bool IsLineupColumn(const QString& c)
{
    return c.size() == 2 && (c[0] == QLatin1Char('H') || c[0] == QLatin1Char('A')) && c[1] >= QLatin1Char('1')
           && c[1] <= QLatin1Char('6');
}

QStringList LineupColumns()
{
    QStringList lineup;
    for (const QString& c : RallyShape().columns)
        if (IsLineupColumn(c))
            lineup << c;
    return lineup;
}

} // namespace

const TableShape& TeamShape()
{
    static const TableShape s = Shape(QStringLiteral("TEAM"), {QStringLiteral("TEAMID"), QStringLiteral("TEAMNAME")}, {});
    return s;
}

const TableShape& PlayerShape()
{
    static const TableShape s = Shape(QStringLiteral("PLAYER"),
                                    {QStringLiteral("PLAYERID"), QStringLiteral("TEAMID"), QStringLiteral("PLAYERNAME"),
                                     QStringLiteral("PLAYERNUMBER")},
                                    {QStringLiteral("PLAYERNUMBER")});
    return s;
}

const TableShape& GameShape()
{
    static const TableShape s = Shape(QStringLiteral("GAME"),
                                    {QStringLiteral("MATCHID"), QStringLiteral("GAMEID"), QStringLiteral("GAMENUMBER"),
                                     QStringLiteral("HOMESCORE"), QStringLiteral("AWAYSCORE")},
                                    {QStringLiteral("GAMENUMBER"), QStringLiteral("HOMESCORE"), QStringLiteral("AWAYSCORE")},
                                    true);
    return s;
}

const TableShape& PlayedShape()
{
    static const TableShape s = Shape(QStringLiteral("PLAYED"), {QStringLiteral("GAMEID"), QStringLiteral("PLAYERID")}, {});
    return s;
}

const TableShape& PlayShape()
{
    static const TableShape s = [] {
        QStringList columns{QStringLiteral("GAMEID"), QStringLiteral("PLAYID"), QStringLiteral("PLAYERID"),
                            QStringLiteral("POSITION")};
        QSet<QString> integers{QStringLiteral("POSITION")};
        for (const StatKind& k : kStatKinds) {
            columns << QString::fromLatin1(k.column);
            integers << QString::fromLatin1(k.column);
        }
        return Shape(QStringLiteral("PLAY"), columns, integers);
    }();
    return s;
}

QStringList BoxColumns()
{
    QStringList columns{QStringLiteral("GAMEID"), QStringLiteral("PLAYERID"), QStringLiteral("POSITION")};
    for (const StatKind& k : kStatKinds)
        if (k.shape != StatShape::Rating)
            columns << QString::fromLatin1(k.column);
    return columns << QStringLiteral("PASSSUM") << QStringLiteral("PASSNET") << QStringLiteral("ACTIONS");
}

const TableShape& RallyShape()
{
    static const TableShape s = [] {
        QStringList columns;
        for (const QString& c : RallyStore::Columns().split(QLatin1Char(',')))
            columns << c.trimmed();
        return Shape(QStringLiteral("RALLY"), columns,
                    {QStringLiteral("ENTRY"), QStringLiteral("STEP"), QStringLiteral("SIDE"), QStringLiteral("SERVER"),
                     QStringLiteral("AMOUNT"), QStringLiteral("HOMESCORE"), QStringLiteral("AWAYSCORE"),
                     QStringLiteral("POSITION"), QStringLiteral("REVERSES")});
    }();
    return s;
}

bool NamesPlayer(const QString& c)
{
    return c == QLatin1String("PLAYERID") || c == QLatin1String("OUTID") || IsLineupColumn(c);
}

std::vector<bool> WholeColumns(const TableShape& shape)
{
    std::vector<bool> whole;
    for (const QString& c : shape.columns)
        whole.push_back(shape.integers.contains(c));
    return whole;
}

qsizetype RallyCarriedFrom()
{
    const QStringList& columns = RallyShape().columns;
    const qsizetype from = columns.size() - LineupColumns().size();
    Q_ASSERT(std::all_of(columns.begin() + from, columns.end(), IsLineupColumn));
    return from;
}

QStringList ContentColumns(const TableShape& shape)
{
    QStringList columns = shape.columns;
    if (shape.hasMatchId)
        columns.removeAll(QStringLiteral("MATCHID"));
    return columns;
}

QString ArrayOf(const std::vector<QVariantList>& rows, int column)
{
    QString out;
    out.reserve(qsizetype(rows.size()) * 22 + 2);
    out += QLatin1Char('{');
    bool first = true;
    for (const QVariantList& row : rows) {
        if (!first)
            out += QLatin1Char(',');
        first = false;
        const QVariant& v = row.at(column);
        if (v.isNull()) {
            out += QLatin1String("NULL");
            continue;
        }
        if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int) {
            out += QString::number(v.toLongLong());
            continue;
        }
        out += QLatin1Char('"');
        const QString text = v.toString();
        if (!text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\\'))) {
            out += text;
        } else {
            for (const QChar c : text) {
                if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
                    out += QLatin1Char('\\');
                out += c;
            }
        }
        out += QLatin1Char('"');
    }
    out += QLatin1Char('}');
    return out;
}

QVariantList Arrays(const TableShape& shape, const std::vector<QVariantList>& rows)
{
    QVariantList arrays;
    const QStringList content = ContentColumns(shape);
    for (const QString& c : content)
        arrays << ArrayOf(rows, int(shape.columns.indexOf(c)));
    return arrays;
}

std::vector<QVariantList> JsonRows(const QString& json)
{
    std::vector<QVariantList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(json.toUtf8()).array()) {
        QVariantList values;
        for (const QJsonValue& v : row.toArray()) {
            if (v.isNull())
                values << QVariant();
            else if (v.isDouble() && v.toDouble() == double(v.toInteger()))
                values << QVariant(v.toInteger());
            else
                values << v.toVariant();
        }
        rows.push_back(std::move(values));
    }
    return rows;
}

} // namespace ClubStore
