#pragma once

// A season as a bench records it, written straight into the working tables of the shared
// connection for the club server's tests and benchmarks: teams and rosters, matches of several
// games, each game's line-ups, actions of every kind and its rally log (the start, an entry per
// action, a point after every second action). Two benches seeded from the same moment get the same
// identifiers, as two benches recording at the same time would.

#include "storage/Database.h"
#include "base/RecordId.h"
#include "base/StatKinds.h"

#include <QDateTime>
#include <QStringList>
#include <algorithm>

struct SeasonShape
{
    QString prefix;       // names every team: "<prefix> Team 1"
    QDateTime start;      // when the first record was made; none: 2026-01-10 18:00
    int teams = 2;
    int playersPerTeam = 8;
    int matches = 3;
    int games = 3;
    int playsPerGame = 20;
};

// Runs a prepared statement with these values, in order.
inline void RunWith(Query& q, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        q.raw().bindValue(i, values[i]);
    q.exec();
}

inline void SeedSeason(SeasonShape shape)
{
    if (!shape.start.isValid())
        shape.start = QDateTime(QDate(2026, 1, 10), QTime(18, 0));
    Transaction t;
    auto id = [](const QDateTime& when) { return RecordId(when).text(); };
    QList<QStringList> rosters;
    QStringList teams;
    Query team(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, ?)"));
    Query player(QStringLiteral("INSERT INTO PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < shape.teams; ++i) {
        teams << id(shape.start.addSecs(i));
        RunWith(team, {teams.last(), QStringLiteral("%1 Team %2").arg(shape.prefix).arg(i + 1)});
        QStringList roster;
        for (int p = 0; p < shape.playersPerTeam; ++p) {
            roster << id(shape.start.addSecs(100 + i * shape.playersPerTeam + p));
            RunWith(player, {roster.last(), teams.last(),
                             QStringLiteral("%1 Player %2-%3").arg(shape.prefix).arg(i + 1).arg(p + 1), p + 1});
        }
        rosters << roster;
    }
    QStringList columns{QStringLiteral("GAMEID"), QStringLiteral("PLAYID"), QStringLiteral("PLAYERID"),
                        QStringLiteral("POSITION")};
    for (const StatKind& k : kStatKinds)
        columns << QString::fromLatin1(k.column);
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    Query match(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"));
    Query game(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) VALUES (?, ?, ?, ?, ?)"));
    Query played(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES (?, ?)"));
    Query play(QStringLiteral("INSERT INTO PLAY (%1) VALUES (%2)").arg(columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    Query rally(QStringLiteral(
        "INSERT INTO RALLY (GAMEID, ENTRY, STEP, KIND, ENTERED, SIDE, SERVER, AMOUNT, HOMESCORE, AWAYSCORE, PLAYERID, "
        "OUTID, STAT, POSITION, REVERSES, H1, H2, H3, H4, H5, H6, A1, A2, A3, A4, A5, A6) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, NULL, ?, ?, NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int m = 0; m < shape.matches; ++m) {
        const QDateTime when = shape.start.addDays(1 + m / 4).addSecs(3600 * (m % 4));
        const int home = m % shape.teams;
        const int away = (home + 1 + (m / shape.teams) % (shape.teams - 1)) % shape.teams;
        RunWith(match, {id(when), teams[home], teams[away]});
        for (int g = 1; g <= shape.games; ++g) {
            const QString gameId = id(when.addSecs(60 * g));
            QStringList court;
            for (int side : {home, away})
                for (int j = 0; j < 6; ++j)
                    court << rosters[side][(g + j) % shape.playersPerTeam];
            for (const QString& p : court)
                RunWith(played, {gameId, p});
            int entry = 0;
            int step = 0;
            int score[2] = {0, 0};
            auto log = [&](const QString& kind, int side, const QVariant& amount, const QVariant& who, const QVariant& stat,
                           const QVariant& position) {
                ++entry;
                if (kind != QLatin1String("POINT"))
                    ++step;
                QVariantList values{gameId, entry, step, kind,
                                    when.addSecs(60 * g + entry).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                    side, entry % 2, amount, score[0], score[1], who, stat, position};
                for (const QString& p : court)
                    values << p;
                RunWith(rally, values);
            };
            log(QStringLiteral("START"), 0, QVariant(), QVariant(), QVariant(), QVariant());
            for (int r = 0; r < shape.playsPerGame; ++r) {
                const StatKind& kind = kStatKinds[size_t((r + m + g) % int(kStatKinds.size()))];
                const int who = r % court.size();
                const int value = kind.shape == StatShape::Rating ? 1 + r % kTopRating : 1;
                QVariantList values{gameId, id(when.addSecs(60 * g + r)), court[who], 1 + r % 12};
                for (const StatKind& k : kStatKinds) {
                    const bool counted = &k == &kind
                                         || (kind.shape == StatShape::Attack && QLatin1String(k.column) == QLatin1String("ATTEMPT"));
                    values << (counted ? QVariant(value) : QVariant());
                }
                RunWith(play, values);
                log(QStringLiteral("ACTION"), who < 6 ? 0 : 1, value, court[who], QString::fromLatin1(kind.column), 1 + r % 12);
                if (r % 2 == 1) {
                    const int winner = (r / 2 + m) % 3 == 0 ? 1 : 0;
                    ++score[winner];
                    log(QStringLiteral("POINT"), winner, 1, QVariant(), QVariant(), QVariant());
                    // The side that won the point rotates now and then: a game has many line-ups.
                    if (r % 4 == 3)
                        std::rotate(court.begin() + 6 * winner, court.begin() + 6 * winner + 1, court.begin() + 6 * winner + 6);
                }
            }
            RunWith(game, {id(when), gameId, g, score[0], score[1]});
        }
    }
    t.commit();
}
