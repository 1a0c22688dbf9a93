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
        team.raw().bindValue(0, teams.last());
        team.raw().bindValue(1, QStringLiteral("%1 Team %2").arg(shape.prefix).arg(i + 1));
        team.exec();
        QStringList roster;
        for (int p = 0; p < shape.playersPerTeam; ++p) {
            roster << id(shape.start.addSecs(100 + i * shape.playersPerTeam + p));
            player.raw().bindValue(0, roster.last());
            player.raw().bindValue(1, teams.last());
            player.raw().bindValue(2, QStringLiteral("%1 Player %2-%3").arg(shape.prefix).arg(i + 1).arg(p + 1));
            player.raw().bindValue(3, p + 1);
            player.exec();
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
        match.raw().bindValue(0, id(when));
        match.raw().bindValue(1, teams[home]);
        match.raw().bindValue(2, teams[away]);
        match.exec();
        for (int g = 1; g <= shape.games; ++g) {
            const QString gameId = id(when.addSecs(60 * g));
            QStringList court;
            for (int side : {home, away})
                for (int j = 0; j < 6; ++j)
                    court << rosters[side][(g + j) % shape.playersPerTeam];
            for (const QString& p : court) {
                played.raw().bindValue(0, gameId);
                played.raw().bindValue(1, p);
                played.exec();
            }
            int entry = 0;
            int step = 0;
            int score[2] = {0, 0};
            auto log = [&](const QString& kind, int side, const QVariant& amount, const QVariant& who, const QVariant& stat,
                           const QVariant& position) {
                rally.raw().bindValue(0, gameId);
                rally.raw().bindValue(1, ++entry);
                rally.raw().bindValue(2, kind == QLatin1String("POINT") ? step : ++step);
                rally.raw().bindValue(3, kind);
                rally.raw().bindValue(4, when.addSecs(60 * g + entry).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
                rally.raw().bindValue(5, side);
                rally.raw().bindValue(6, entry % 2);
                rally.raw().bindValue(7, amount);
                rally.raw().bindValue(8, score[0]);
                rally.raw().bindValue(9, score[1]);
                rally.raw().bindValue(10, who);
                rally.raw().bindValue(11, stat);
                rally.raw().bindValue(12, position);
                for (int z = 0; z < 12; ++z)
                    rally.raw().bindValue(13 + z, court[z]);
                rally.exec();
            };
            log(QStringLiteral("START"), 0, QVariant(), QVariant(), QVariant(), QVariant());
            for (int r = 0; r < shape.playsPerGame; ++r) {
                const StatKind& kind = kStatKinds[size_t((r + m + g) % int(kStatKinds.size()))];
                const int who = r % court.size();
                const int value = kind.shape == StatShape::Rating ? 1 + r % kTopRating : 1;
                play.raw().bindValue(0, gameId);
                play.raw().bindValue(1, id(when.addSecs(60 * g + r)));
                play.raw().bindValue(2, court[who]);
                play.raw().bindValue(3, 1 + r % 12);
                for (size_t k = 0; k < kStatKinds.size(); ++k) {
                    const bool counted = &kStatKinds[k] == &kind
                                         || (kind.shape == StatShape::Attack && QLatin1String(kStatKinds[k].column) == QLatin1String("ATTEMPT"));
                    play.raw().bindValue(4 + int(k), counted ? QVariant(value) : QVariant());
                }
                play.exec();
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
            game.raw().bindValue(0, id(when));
            game.raw().bindValue(1, gameId);
            game.raw().bindValue(2, g);
            game.raw().bindValue(3, score[0]);
            game.raw().bindValue(4, score[1]);
            game.exec();
        }
    }
    t.commit();
}
