#pragma once

// A small season with known totals, written straight into the test's database.

#include "support/Fixture.h"

#include "core/Database.h"
#include "core/RecordId.h"
#include "core/ReportQuery.h"
#include "core/StatKinds.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

namespace seed {

inline RecordId at(int month, int day, int hour, int minute)
{
    return RecordId(QDateTime(QDate(2026, month, day), QTime(hour, minute)));
}

inline RecordId addMatch(const RecordId& id, const RecordId& home, const RecordId& away)
{
    Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
            {Bind(id), Bind(home), Bind(away)});
    return id;
}

// Game n of a match, n minutes after it.
inline RecordId addGame(const RecordId& match, int number)
{
    const RecordId id = match.addSecs(60 * number);
    Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) VALUES (?, ?, ?, 0, 0)"),
            {Bind(match), Bind(id), number});
    return id;
}

inline void addPlayed(const RecordId& game, const RecordId& player)
{
    Execute(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES (?, ?)"), {Bind(game), Bind(player)});
}

// count actions of one kind, one PLAY row each as the court writes them (an attack result also
// counts an attempt); a negative count writes take-backs. For the rating kind, count is the rating.
inline void addStat(const RecordId& game, const RecordId& player, int position, const char* column, int count)
{
    const StatKind* kind = StatByColumn(QString::fromLatin1(column));
    Q_ASSERT(kind);
    const bool rating = kind->shape == StatShape::Rating;
    const bool attack = kind->shape == StatShape::Attack;
    const int value = rating ? count : (count < 0 ? -1 : 1);
    // The column names come from the stat table, never from data.
    const QString sql = QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, %1) VALUES (?, ?, ?, ?, ?%2)")
                            .arg(QString::fromLatin1(kind->column) + (attack ? QStringLiteral(", ATTEMPT") : QString()),
                                 attack ? QStringLiteral(", ?") : QString());
    QVariantList values{Bind(game), Bind(game), Bind(player), position, value};
    if (attack)
        values << value;
    for (int i = 0; i < (rating ? 1 : std::abs(count)); ++i)
        Execute(sql, values);
}

inline const QString& eaglesName()
{
    static const QString name = QStringLiteral("O'Brien's \"Eagles\"");
    return name;
}

//   03/05/2026 Hawks (home) v O'Brien's "Eagles": three games
//   03/12/2026 Vipers (home) v Hawks: one game
//   03/20/2026 Eagles (home) v Vipers: one game
struct Season
{
    QHash<QString, RecordId> ids;  // teams, players and matches by their short names
    RecordId operator[](const QString& name) const { return ids.value(name); }
};

inline Season addSeason(TestApp& app)
{
    Season s;
    auto& id = s.ids;
    id["hawks"] = app.addTeam(QStringLiteral("Hawks"));
    id["eagles"] = app.addTeam(eaglesName());
    id["vipers"] = app.addTeam(QStringLiteral("Vipers"));
    int number = 0;
    for (const char* team : {"hawks", "hawks", "hawks", "eagles", "eagles", "vipers", "vipers"}) {
        const QString name = QStringList{"Ann", "Bea", "Cat", "Dee", "Eve", "Fay", "Gus"}[number++];
        id[name.toLower()] = app.addPlayer(id[team], name, number);
    }
    id["m1"] = addMatch(at(3, 5, 18, 0), id["hawks"], id["eagles"]);
    id["m2"] = addMatch(at(3, 12, 19, 0), id["vipers"], id["hawks"]);
    id["m3"] = addMatch(at(3, 20, 18, 30), id["eagles"], id["vipers"]);
    const RecordId m1g1 = addGame(id["m1"], 1), m1g2 = addGame(id["m1"], 2), m1g3 = addGame(id["m1"], 3);
    const RecordId m2g1 = addGame(id["m2"], 1), m3g1 = addGame(id["m3"], 1);
    for (const char* p : {"ann", "bea", "cat", "dee", "eve"})
        addPlayed(m1g1, id[p]);
    addPlayed(m1g2, id["ann"]);
    addPlayed(m1g2, id["cat"]);
    addPlayed(m1g3, id["dee"]);
    addPlayed(m2g1, id["ann"]);
    addPlayed(m2g1, id["fay"]);
    addPlayed(m3g1, id["eve"]);
    addPlayed(m3g1, id["gus"]);

    // Ann: 5 kills, 1 error, 6 more attempts in zone 2; a dig and passes 2, 3, 3 taken back in
    // zone 8; 2 kills and an attempt in zone 5 of the second match. Bea records nothing.
    addStat(m1g1, id["ann"], 2, "KILL", 5);
    addStat(m1g1, id["ann"], 2, "ERROR", 1);
    addStat(m1g1, id["ann"], 2, "ATTEMPT", 6);
    addStat(m1g2, id["ann"], 8, "DIG", 1);
    for (int rating : {2, 3, -3})
        addStat(m1g2, id["ann"], 8, "PASSING", rating);
    addStat(m2g1, id["ann"], 5, "KILL", 2);
    addStat(m2g1, id["ann"], 5, "ATTEMPT", 1);
    // Cat: zones 3 and 9 are one line: passes 3, 3, 3 and 1 average 10 / 4, not 3.00 and 1.00.
    addStat(m1g1, id["cat"], 3, "SERVEACE", 1);
    addStat(m1g1, id["cat"], 3, "SERVEERROR", 1);
    for (int i = 0; i < 3; ++i)
        addStat(m1g1, id["cat"], 3, "PASSING", 3);
    addStat(m1g2, id["cat"], 9, "SERVEACE", 1);
    addStat(m1g2, id["cat"], 9, "PASSING", 1);
    addStat(m1g1, id["dee"], 7, "SOLOBLOCK", 1);
    addStat(m1g1, id["dee"], 7, "BLOCKASSIST", 2);
    addStat(m1g3, id["dee"], 1, "KILL", 1);
    for (const char* column : {"SETASSIST", "SETASSIST", "SETASSIST", "BALLHANDLEERROR", "RECEIVEERROR", "BLOCKERROR"})
        addStat(m1g1, id["eve"], 4, column, 1);
    addStat(m3g1, id["eve"], 6, "KILL", 1);
    addStat(m2g1, id["fay"], 1, "DIG", 2);
    addStat(m2g1, id["fay"], 1, "PASSING", 3);
    addStat(m2g1, id["fay"], 1, "PASSING", -3);
    addStat(m3g1, id["gus"], 2, "ERROR", 1);
    return s;
}

// Choices written as "team=eagles;from=03-05;thru=03-12;game=2;pos=2;apart;order=KILL".
inline ReportChoices choices(const Season& s, const QString& text)
{
    ReportChoices c;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString key = part.section(QLatin1Char('='), 0, 0), value = part.section(QLatin1Char('='), 1);
        const QDate day = QDate::fromString(QStringLiteral("2026-") + value, Qt::ISODate);
        if (key == QLatin1String("from"))
            c.firstDate = day;
        else if (key == QLatin1String("thru"))
            c.thruDate = day;
        else if (key == QLatin1String("match"))
            c.match = s[value];
        else if (key == QLatin1String("team"))
            c.team = s[value];
        else if (key == QLatin1String("player"))
            c.player = s[value];
        else if (key == QLatin1String("game"))
            c.game = value.toInt();
        else if (key == QLatin1String("pos"))
            c.position = value.toInt();
        else if (key == QLatin1String("apart"))
            c.positionsApart = true;
        else if (key == QLatin1String("order"))
            c.order = value;
    }
    return c;
}

}  // namespace seed
