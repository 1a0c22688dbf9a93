#pragma once

// Reports made as the report window gets them, without a database: two teams, their box scores and
// team numbers, two games with rally logs and one without.

#include "rules/RallyLog.h"
#include "reports/ReportData.h"

namespace reportmodels {

inline QDateTime At(int day, int hour)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, 0));
}

inline ReportLine Line(const QString& team, const QString& player, int number, int kills, int errors, int attempts)
{
    ReportLine l;
    l.team = team;
    l.playerId = team + player;
    l.player = player;
    l.number = number;
    l.position = 0;
    l.games = 2;
    l.counts[StatIndex("KILL")] = kills;
    l.counts[StatIndex("ERROR")] = errors;
    l.counts[StatIndex("ATTEMPT")] = attempts;
    l.counts[StatIndex("DIG")] = number % 4;
    l.pass = {2 * number, number};
    return l;
}

// A game of a match as its log has it: the points in the order won (H home, A away).
inline TeamNumbers::GameRecord Game(int number, const QString& points)
{
    TeamNumbers::GameRecord g;
    g.match = RecordId(At(5, 18));
    g.game = RecordId(At(5, 18).addSecs(60 * number));
    g.number = number;
    g.teams = {RecordId(At(1, 20)), RecordId(At(1, 21))};
    g.names = {QStringLiteral("Harbour Hawks"), QStringLiteral("Owls <d'Or> & Co")};
    Rally::Book book;
    book.append(book.start({}, Rally::kHome, g.match.dateTime()));
    for (const QChar p : points)
        book.append(book.point(p == QLatin1Char('H') ? Rally::kHome : Rally::kAway, 1, true, g.match.dateTime()));
    g.log = book.log();
    g.homeScore = int(points.count(QLatin1Char('H')));
    g.awayScore = int(points.count(QLatin1Char('A')));
    return g;
}

// A report of two teams with a game of each kind the report shows: logged, and one without a log.
inline ReportModel TwoTeams()
{
    const QString owls = QStringLiteral("Owls <d'Or> & Co");
    ReportHeading heading;
    heading.dates = QStringLiteral("All Dates");
    heading.match = QStringLiteral("Owls at Harbour Hawks");
    heading.game = QStringLiteral("All Games");
    heading.team = QStringLiteral("All Teams");
    heading.player = QStringLiteral("All Players");
    heading.position = QStringLiteral("All Positions");
    heading.order = QStringLiteral("By Kills");
    ReportModel model = MakeReportModel(ReportLayout::PositionsTogether, heading,
                                        {Line(QStringLiteral("Harbour Hawks"), QStringLiteral("Ann Lee"), 7, 5, 1, 12),
                                         Line(QStringLiteral("Harbour Hawks"), QStringLiteral("Bea Moreno-Castellanos"),
                                              12, 2, 2, 9),
                                         Line(owls, QStringLiteral("Cat O'Hara"), 3, 4, 0, 7)});
    TeamNumbers::GameRecord unlogged = Game(3, QString());
    unlogged.log.clear();
    model.rallies = MakeReportRallies({Game(1, QStringLiteral("HHAHAAHHHAHHAAHHHAHAHHAHH")),
                                       Game(2, QStringLiteral("AAHAAHAHAAAHAAHAHAAAHAAHA")), unlogged},
                                      {}, {});
    return model;
}

} // namespace reportmodels
