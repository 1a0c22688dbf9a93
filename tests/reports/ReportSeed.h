#pragma once

// A small season with known totals, written straight into the test's database.

#include "storage/Database.h"
#include "base/RecordId.h"
#include "storage/ReportQuery.h"
#include "storage/ReportStore.h"
#include "base/StatKinds.h"
#include "reports/ReportData.h"
#include "reports/clsReport.h"
#include "support/Fixture.h"

#include <QDateTime>
#include <QHash>
#include <QProcess>
#include <QStringList>

namespace seed {

// The report of the choices as Finish makes it: the heading's result for one match, the box score
// and the team numbers.
inline ReportModel Model(ReportChoices choices)
{
    if (choices.match)
        choices.heading.result = ResultText(ReportStore::Result(*choices.match));
    const ReportStatement st = BuildReportStatement(choices);
    ReportModel model = MakeReportModel(st.layout, choices.heading, ReportStore::Fill(st));
    std::vector<TeamNumbers::GameRecord> games = ReportStore::RallyGames(choices);
    ReportStore::LineUpRoster players = ReportStore::LineUpPlayers(games);
    model.rallies = MakeReportRallies(std::move(games), std::move(players), choices);
    return model;
}

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
    Execute(
        QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) VALUES (?, ?, ?, 0, 0)"),
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
    const QString sql
        = QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, %1) VALUES (?, ?, ?, ?, ?%2)")
              .arg(QString::fromLatin1(kind->column) + (attack ? QStringLiteral(", ATTEMPT") : QString()),
                   attack ? QStringLiteral(", ?") : QString());
    QVariantList values{Bind(game), Bind(game), Bind(player), position, value};
    if (attack)
        values << value;
    for (int i = 0; i < (rating ? 1 : std::abs(count)); ++i)
        Execute(sql, values);
}

inline const QString kEagles = QStringLiteral("O'Brien's \"Eagles\"");

//   03/05/2026 Hawks (home) v O'Brien's "Eagles": three games
//   03/12/2026 Vipers (home) v Hawks: one game
//   03/20/2026 Eagles (home) v Vipers: one game
using Season = QHash<QString, RecordId>; // teams, players and matches by their short names

inline Season addSeason(TestApp& app)
{
    Season id;
    id["hawks"] = app.addTeam(QStringLiteral("Hawks"));
    id["eagles"] = app.addTeam(kEagles);
    id["vipers"] = app.addTeam(QStringLiteral("Vipers"));
    int number = 0;
    for (const char* team : {"hawks", "hawks", "hawks", "eagles", "eagles", "vipers", "vipers"}) {
        const QString name = QStringList{"Ann", "Bea", "Cat", "Dee", "Eve", "Fay", "Gus"}[number++];
        id[name.toLower()] = app.addPlayer(id[team], name, number);
    }
    id["m1"] = addMatch(at(3, 5, 18, 0), id["hawks"], id["eagles"]);
    id["m2"] = addMatch(at(3, 12, 19, 0), id["vipers"], id["hawks"]);
    id["m3"] = addMatch(at(3, 20, 18, 30), id["eagles"], id["vipers"]);
    for (const char* g : {"m1g1", "m1g2", "m1g3", "m2g1", "m3g1"})
        id[g] = addGame(id[QString::fromLatin1(g).left(2)], QString::fromLatin1(g).right(1).toInt());
    for (const QString& line :
         QStringLiteral("m1g1 ann bea cat dee eve,m1g2 ann cat,m1g3 dee,m2g1 ann cat fay,m3g1 eve gus").split(',')) {
        const QStringList f = line.split(' ');
        for (const QString& p : f.mid(1))
            addPlayed(id[f[0]], id[p]);
    }
    // Game, player, zone, kind, count (a rating for passes). Ann: zone 2 with zone 8 (a dig, and
    // passes of 2, 3 and a 3 taken back), zone 5 in the second match; Bea records nothing; Cat's
    // passes in zones 3 and 9 average 10 / 4 together, not 3.00 and 1.00 apart, her kills rank
    // between Ann's two zones, and she records nothing in the second match.
    const QString actions = "m1g1 ann 2 KILL 5,m1g1 ann 2 ERROR 1,m1g1 ann 2 ATTEMPT 6,m1g2 ann 8 DIG 1,"
                            "m1g2 ann 8 PASSING 2,m1g2 ann 8 PASSING 3,m1g2 ann 8 PASSING -3,m2g1 ann 5 KILL 2,"
                            "m2g1 ann 5 ATTEMPT 1,m1g1 cat 3 SERVEACE 1,m1g1 cat 3 SERVEERROR 1,m1g1 cat 3 PASSING 3,"
                            "m1g1 cat 3 PASSING 3,m1g1 cat 3 PASSING 3,m1g2 cat 9 SERVEACE 1,m1g2 cat 9 PASSING 1,"
                            "m1g1 dee 7 SOLOBLOCK 1,m1g1 dee 7 BLOCKASSIST 2,m1g3 dee 1 KILL 1,m1g1 eve 4 SETASSIST 3,"
                            "m1g1 eve 4 BALLHANDLEERROR 1,m1g1 eve 4 RECEIVEERROR 1,m1g1 eve 4 BLOCKERROR 1,"
                            "m3g1 eve 6 KILL 1,m2g1 fay 1 DIG 2,m2g1 fay 1 PASSING 3,m2g1 fay 1 PASSING -3,"
                            "m3g1 gus 2 ERROR 1,m1g1 cat 3 KILL 3";
    for (const QString& action : actions.split(',')) {
        const QStringList f = action.split(' ');
        addStat(id[f[0]], id[f[1]], f[2].toInt(), qPrintable(f[3]), f[4].toInt());
    }
    return id;
}

// Choices written as "team=eagles;from=03-05;thru=03-12;game=2;pos=2;apart;order=KILL".
inline ReportChoices choices(const Season& s, const QString& text)
{
    QHash<QString, QString> v;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        v.insert(part.section(QLatin1Char('='), 0, 0), part.section(QLatin1Char('='), 1));
    auto day = [&](const QString& key) {
        return v.contains(key) ? std::optional(QDate::fromString("2026-" + v[key], Qt::ISODate)) : std::nullopt;
    };
    auto id = [&](const QString& key) { return v.contains(key) ? std::optional(s.value(v[key])) : std::nullopt; };
    ReportChoices c;
    c.firstDate = day("from");
    c.thruDate = day("thru");
    c.match = id("match");
    c.team = id("team");
    c.player = id("player");
    c.game = v.contains("game") ? std::optional(v["game"].toInt()) : std::nullopt;
    c.position = v.value("pos").toInt();
    c.positionsApart = v.contains("apart");
    c.order = v.value("order", c.order);
    return c;
}

// The text of a printed file as pdftotext reads it.
inline QString pdfText(const QString& pdf, const QStringList& options = {QStringLiteral("-layout")})
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    return reader.waitForFinished(30000) ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
}

} // namespace seed
