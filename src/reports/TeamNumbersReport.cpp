// The team numbers in the report: the figures per team and rotation, the longest runs, how the
// points were won, the timeouts and the score flow of each game in the document; the team numbers
// and the rallies for spreadsheets.

#include "base/Names.h"
#include "reports/ReportData.h"
#include "reports/ReportParts.h"

#include <QCoreApplication>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

using namespace ReportParts;

QString PercentText(std::optional<double> value)
{
    if (!value)
        return NoFigure();
    return QString::number(*value * 100.0, 'f', 1) + QLatin1Char('%');
}

QString PlusMinusText(int value)
{
    return value > 0 ? QLatin1Char('+') + QString::number(value) : QString::number(value);
}

QStringList RotationNames(const TeamNumbers::Team& team, const ReportStore::LineUpRoster& players)
{
    int gone = 0;
    for (const TeamNumbers::Rotation& r : team.rotations)
        gone += !r.player.isNull() && !players.count(r.player) ? 1 : 0;
    QStringList names;
    int goneSeen = 0;
    for (const TeamNumbers::Rotation& r : team.rotations) {
        if (r.player.isNull()) {
            names << QCoreApplication::translate("ReportData", "Rotation with zone 1 empty");
        } else if (const auto found = players.find(r.player); found != players.end()) {
            // The name is data: it is joined as characters, never read as a pattern.
            names << QCoreApplication::translate("ReportData", "Rotation of #%1 %2")
                         .arg(QString::number(found->second.number), names::Shown(found->second.name));
        } else if (gone == 1) {
            names << QCoreApplication::translate("ReportData", "Rotation of a player no longer on the roster");
        } else {
            names << QCoreApplication::translate("ReportData", "Rotation of a player no longer on the roster (%1)")
                         .arg(++goneSeen);
        }
    }
    return names;
}

QStringList TallyFigures(const TeamNumbers::Tally& t)
{
    return {QString::number(t.served),   QString::number(t.wonServing),   PercentText(t.breakPoint()),
            QString::number(t.received), QString::number(t.wonReceiving), PercentText(t.sideout()),
            QString::number(t.won()),    QString::number(t.lost()),       PlusMinusText(t.plusMinus())};
}

namespace {
// Heads and legends marked for translation, in the user's language.
template <size_t N> QList<TallyHead> Translated(const char* const (&heads)[N][2])
{
    QList<TallyHead> out;
    for (const auto& [head, legend] : heads)
        out.append(
            {QCoreApplication::translate("ReportData", head), QCoreApplication::translate("ReportData", legend)});
    return out;
}
} // namespace

QList<TallyHead> TallyHeads()
{
    static const char* const heads[][2]
        = {{QT_TRANSLATE_NOOP("ReportData", "SRV"), QT_TRANSLATE_NOOP("ReportData", "rallies served")},
           {QT_TRANSLATE_NOOP("ReportData", "WS"), QT_TRANSLATE_NOOP("ReportData", "points won on own serve")},
           {QT_TRANSLATE_NOOP("ReportData", "BP%"), QT_TRANSLATE_NOOP("ReportData", "break-point percentage WS/SRV")},
           {QT_TRANSLATE_NOOP("ReportData", "REC"),
            QT_TRANSLATE_NOOP("ReportData", "rallies received (the other side served)")},
           {QT_TRANSLATE_NOOP("ReportData", "WR"),
            QT_TRANSLATE_NOOP("ReportData", "points won on the other side's serve, its serve errors included")},
           {QT_TRANSLATE_NOOP("ReportData", "SO%"), QT_TRANSLATE_NOOP("ReportData", "sideout percentage WR/REC")},
           {QT_TRANSLATE_NOOP("ReportData", "W"), QT_TRANSLATE_NOOP("ReportData", "points won")},
           {QT_TRANSLATE_NOOP("ReportData", "L"), QT_TRANSLATE_NOOP("ReportData", "points lost")},
           {QT_TRANSLATE_NOOP("ReportData", "+/-"), QT_TRANSLATE_NOOP("ReportData", "points won less points lost")}};
    return Translated(heads);
}

QStringList PointsWonFigures(const TeamNumbers::PointsWon& won)
{
    return {QString::number(won.attack), QString::number(won.block),  QString::number(won.serve),
            QString::number(won.errors), QString::number(won.other), QString::number(won.total())};
}

QList<TallyHead> PointsWonHeads()
{
    static const char* const heads[][2]
        = {{QT_TRANSLATE_NOOP("ReportData", "ATK"), QT_TRANSLATE_NOOP("ReportData", "points won by a kill")},
           {QT_TRANSLATE_NOOP("ReportData", "BLK"), QT_TRANSLATE_NOOP("ReportData", "points won by a block")},
           {QT_TRANSLATE_NOOP("ReportData", "ACE"), QT_TRANSLATE_NOOP("ReportData", "points won by a serve ace")},
           {QT_TRANSLATE_NOOP("ReportData", "OPE"), QT_TRANSLATE_NOOP("ReportData", "points won by the other side's errors")},
           {QT_TRANSLATE_NOOP("ReportData", "OTH"),
            QT_TRANSLATE_NOOP("ReportData", "points scored without a deciding action recorded")},
           {QT_TRANSLATE_NOOP("ReportData", "WON"), QT_TRANSLATE_NOOP("ReportData", "points won in all")}};
    return Translated(heads);
}

QString TimeoutsText(const TeamNumbers::Flow& flow)
{
    if (flow.timeouts.empty())
        return QCoreApplication::translate("ReportData", "No timeout in game %1.").arg(flow.number);
    QStringList taken;
    for (const TeamNumbers::FlowTimeout& t : flow.timeouts)
        taken << QCoreApplication::translate("ReportData", "%1 at %2\u2013%3")
                     .arg(flow.names[size_t(t.side == Rally::kAway ? 1 : 0)])
                     .arg(t.homeScore)
                     .arg(t.awayScore);
    return QCoreApplication::translate("ReportData", "Timeouts in game %1: %2.")
        .arg(QString::number(flow.number), taken.join(QStringLiteral(", ")));
}

namespace {


// The teams whose numbers a report shows, by name as the box score orders them: every team of the
// games covered, or only the chosen one.
std::vector<std::pair<RecordId, QString>> ShownTeams(const ReportRallies& r)
{
    std::vector<std::pair<RecordId, QString>> teams;
    for (const TeamNumbers::GameRecord& g : r.games)
        for (size_t side = 0; side < 2; ++side) {
            const RecordId& id = g.teams[side];
            if (r.team && !(id == *r.team))
                continue;
            if (std::none_of(teams.begin(), teams.end(), [&](const auto& t) { return t.first == id; }))
                teams.emplace_back(id, g.names[side]);
        }
    std::stable_sort(teams.begin(), teams.end(),
                     [](const auto& a, const auto& b) { return QString::localeAwareCompare(a.second, b.second) < 0; });
    return teams;
}

const TeamNumbers::Team* NumbersOf(const ReportRallies& r, const RecordId& id)
{
    for (const TeamNumbers::Team& t : r.numbers.teams)
        if (t.id == id)
            return &t;
    return nullptr;
}

// Each match's name, made once for the whole section: every team's tables name the matches it
// played, and the date in the user's form was most of the cost of a season's tables.
class MatchNames
{
public:
    const QString& of(const TeamNumbers::GameRecord& g)
    {
        auto found = m_names.constFind(g.match);
        if (found == m_names.constEnd())
            found = m_names.insert(g.match, MatchName(g));
        return *found;
    }

private:
    QHash<RecordId, QString> m_names;
};

// A team's longest run in each of its games, grouped by match: the match's name, then the games
// ("Game 1: 5") and the games without a log ("No rally log for game 3").
QList<QStringList> RunsByMatch(const ReportRallies& r, const RecordId& team, const TeamNumbers::Team* numbers,
                               MatchNames& names)
{
    QList<QStringList> rows;
    RecordId match;
    QStringList games;
    const TeamNumbers::GameRecord* first = nullptr;
    for (const TeamNumbers::GameRecord& g : r.games) {
        if (!(g.teams[0] == team) && !(g.teams[1] == team))
            continue;
        if (!first || !(g.match == match)) {
            if (first)
                rows.append({names.of(*first), games.join(QStringLiteral(", "))});
            games.clear();
            first = &g;
            match = g.match;
        }
        if (!TeamNumbers::Logged(g.log)) {
            games << QCoreApplication::translate("ReportData", "No rally log for game %1").arg(g.number);
            continue;
        }
        int longest = 0;
        if (numbers)
            for (const TeamNumbers::Run& run : numbers->runs)
                if (run.match == g.match && run.game == g.number)
                    longest = std::max(longest, run.points);
        games << QCoreApplication::translate("ReportData", "Game %1: %2").arg(g.number).arg(longest);
    }
    if (first)
        rows.append({names.of(*first), games.join(QStringLiteral(", "))});
    return rows;
}

// A team's points won per game, each game named by its number (and its match, when the report
// covers several), then over all of them.
FigureRows PointsWonRows(const ReportRallies& r, const TeamNumbers::Team& team, MatchNames& names)
{
    const bool oneMatch = std::all_of(r.games.begin(), r.games.end(),
                                      [&](const TeamNumbers::GameRecord& g) { return g.match == r.games.front().match; });
    FigureRows rows;
    for (const TeamNumbers::GamePoints& game : team.games) {
        const auto record = std::find_if(r.games.begin(), r.games.end(), [&](const TeamNumbers::GameRecord& g) {
            return g.match == game.match && g.number == game.game;
        });
        QString label = QCoreApplication::translate("ReportData", "Game %1").arg(game.game);
        if (!oneMatch && record != r.games.end())
            label = QStringLiteral("%1, %2").arg(names.of(*record), label);
        rows.append({label, PointsWonFigures(game.won)});
    }
    rows.append({QCoreApplication::translate("ReportData", "Team Totals"), PointsWonFigures(team.won)});
    return rows;
}

} // namespace

namespace ReportParts {

// The team numbers of each team shown, then the score flow of each game, grouped by match.
void InsertRallies(QTextCursor& c, const Look& look, const QFont& base, qreal u, const ReportRallies& r)
{
    QTextBlockFormat sectionBlock;
    sectionBlock.setTopMargin(16 * u);
    sectionBlock.setBottomMargin(2 * u);
    sectionBlock.setLayoutDirection(Qt::LeftToRight);
    sectionBlock.setHeadingLevel(2);
    QTextBlockFormat noteBlock = Aligned(Qt::AlignLeft);
    noteBlock.setTopMargin(2 * u);
    const auto note = [&](const QString& text) {
        c.insertBlock(noteBlock);
        c.insertText(text, look.grey);
    };

    c.insertBlock(sectionBlock);
    c.insertText(QCoreApplication::translate("ReportData", "Team Numbers"), look.title);
    note(QCoreApplication::translate(
        "ReportData",
        "Every rally of the games chosen, from each game's rally log; a point taken back counts nowhere."));
    if (r.playerChosen)
        note(QCoreApplication::translate(
            "ReportData",
            "The player and position chosen do not narrow the team numbers: they count every rally of "
            "these games."));

    QStringList heads;
    QStringList legend;
    for (const TallyHead& h : TallyHeads()) {
        heads << h.head;
        legend << QStringLiteral("%1 %2").arg(h.head, h.legend);
    }
    QStringList wonHeads;
    for (const TallyHead& h : PointsWonHeads()) {
        wonHeads << h.head;
        legend << QStringLiteral("%1 %2").arg(h.head, h.legend);
    }
    // The figures are counts of one team's points: the heads are the widest texts but for a season.
    QStringList wonLongest = wonHeads;
    for (const TeamNumbers::Team& t : r.numbers.teams)
        for (int i = 0; i < wonLongest.size(); ++i)
            if (PointsWonFigures(t.won)[i].size() > wonLongest[i].size())
                wonLongest[i] = PointsWonFigures(t.won)[i];
    // Every team's rows first, so that each column is made as wide as its widest text of them all.
    struct Part
    {
        RecordId id;
        QString name;
        const TeamNumbers::Team* numbers;
        FigureRows rows;
    };
    std::vector<Part> parts;
    MatchNames matchNames;
    QStringList longest = heads;
    // The percentages as the user's language writes them; the CSV keeps the point.
    const auto paper = [](QStringList figures) {
        for (QString& f : figures)
            f = LocalFigure(f);
        return figures;
    };
    for (const auto& [id, name] : ShownTeams(r)) {
        Part& part = parts.emplace_back(Part{id, name, NumbersOf(r, id), {}});
        if (!part.numbers)
            continue;
        const QStringList names = RotationNames(*part.numbers, r.players);
        for (size_t i = 0; i < part.numbers->rotations.size(); ++i)
            part.rows.append({names[qsizetype(i)], paper(TallyFigures(part.numbers->rotations[i].tally))});
        part.rows.append(
            {QCoreApplication::translate("ReportData", "Team Totals"), paper(TallyFigures(part.numbers->tally))});
        for (const auto& row : part.rows)
            for (int i = 0; i < row.second.size() && i < longest.size(); ++i)
                if (row.second[i].size() > longest[i].size())
                    longest[i] = row.second[i];
    }
    for (const Part& part : parts) {
        const RecordId& id = part.id;
        const TeamNumbers::Team* numbers = part.numbers;
        QTextBlockFormat teamBlock;
        teamBlock.setTopMargin(10 * u);
        teamBlock.setBottomMargin(2 * u);
        teamBlock.setLayoutDirection(Qt::LeftToRight);
        teamBlock.setHeadingLevel(kTableHeading);
        c.insertBlock(teamBlock);
        c.insertText(part.name, look.team);
        if (numbers)
            InsertFigureTable(c, look, base, u, QCoreApplication::translate("ReportData", "Rotation"), heads, longest,
                              part.rows, true);
        QTextBlockFormat gap;
        gap.setTopMargin(4 * u);
        gap.setLayoutDirection(Qt::LeftToRight);
        c.insertBlock(gap);
        InsertTextTable(c, look, u,
                        {QCoreApplication::translate("ReportData", "Match"),
                         QCoreApplication::translate("ReportData", "Longest run of points in each game")},
                        RunsByMatch(r, id, numbers, matchNames));
        if (numbers && !numbers->games.empty()) {
            c.insertBlock(gap);
            InsertFigureTable(c, look, base, u, QCoreApplication::translate("ReportData", "Points won"), wonHeads,
                              wonLongest, PointsWonRows(r, *numbers, matchNames), true);
        }
    }
    QTextBlockFormat legendBlock;
    legendBlock.setTopMargin(6 * u);
    legendBlock.setLayoutDirection(Qt::LeftToRight);
    c.insertBlock(legendBlock);
    c.insertText(legend.join(QStringLiteral("; ")) + QLatin1Char('.'), look.small);

    c.insertBlock(sectionBlock);
    c.insertText(QCoreApplication::translate("ReportData", "Score Flow"), look.title);
    note(QCoreApplication::translate(
        "ReportData",
        "The lead after each rally that stands: above the middle line the home team leads, below it the away "
        "team. A dashed line marks a timeout, in the colour of the side that took it."));
    QTextBlockFormat matchBlock = Aligned(Qt::AlignLeft);
    matchBlock.setTopMargin(8 * u);
    matchBlock.setBottomMargin(2 * u);
    matchBlock.setHeadingLevel(kTableHeading);
    // Charts side by side as the width allows, with room between their rows.
    QTextBlockFormat chartsBlock = Aligned(Qt::AlignLeft);
    chartsBlock.setLineHeight(6 * u, QTextBlockFormat::LineDistanceHeight);
    // The flows come in the games' order, one for each game.
    const std::vector<TeamNumbers::Flow>& flows = r.numbers.games;
    for (size_t i = 0; i < r.games.size() && i < flows.size();) {
        const RecordId match = r.games[i].match;
        c.insertBlock(matchBlock);
        c.insertText(matchNames.of(r.games[i]), look.bold);
        size_t end = i;
        while (end < r.games.size() && r.games[end].match == match)
            ++end;
        bool charted = false;
        for (size_t k = i; k < end && k < flows.size(); ++k) {
            const TeamNumbers::Flow& flow = flows[k];
            if (!flow.logged)
                continue;
            if (!charted)
                c.insertBlock(chartsBlock);
            charted = true;
            const QTextCharFormat chart = ScoreFlowFormat(flow, u);
            c.insertText(QString(QChar::ObjectReplacementCharacter), chart);
            c.insertText(QStringLiteral("  "), look.plain);
        }
        // Each game's timeouts under the charts, with the scores they were taken at.
        for (size_t k = i; k < end && k < flows.size(); ++k) {
            if (!flows[k].logged)
                continue;
            c.insertBlock(noteBlock);
            c.insertText(TimeoutsText(flows[k]), look.plain);
        }
        // A game recorded before the log has no flow to draw.
        for (size_t k = i; k < end && k < flows.size(); ++k) {
            if (flows[k].logged)
                continue;
            c.insertBlock(noteBlock);
            c.insertText(QCoreApplication::translate("ReportData", "No rally log for game %1").arg(r.games[k].number),
                         look.plain);
        }
        i = end;
    }
}

} // namespace ReportParts

QString TeamNumbersCsv(const ReportModel& model)
{
    const ReportRallies& r = model.rallies;
    const QStringList head{QCoreApplication::translate("ReportData", "Team"),
                           QCoreApplication::translate("ReportData", "Line"),
                           QCoreApplication::translate("ReportData", "Match"),
                           QCoreApplication::translate("ReportData", "Game"),
                           QCoreApplication::translate("ReportData", "Served"),
                           QCoreApplication::translate("ReportData", "Won Serving"),
                           QCoreApplication::translate("ReportData", "Break Point %"),
                           QCoreApplication::translate("ReportData", "Received"),
                           QCoreApplication::translate("ReportData", "Won Receiving"),
                           QCoreApplication::translate("ReportData", "Sideout %"),
                           QCoreApplication::translate("ReportData", "Won"),
                           QCoreApplication::translate("ReportData", "Lost"),
                           QCoreApplication::translate("ReportData", "+/-"),
                           QCoreApplication::translate("ReportData", "Longest Run"),
                           QCoreApplication::translate("ReportData", "Won by Attack"),
                           QCoreApplication::translate("ReportData", "Won by Block"),
                           QCoreApplication::translate("ReportData", "Won by Serve"),
                           QCoreApplication::translate("ReportData", "Won by Opponent Errors"),
                           QCoreApplication::translate("ReportData", "Won Otherwise")};
    QString out = head.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    const auto write = [&](QStringList fields) { out += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n"); };
    const auto figures = [](const TeamNumbers::Tally& t) {
        // Numbers as a spreadsheet reads them: no sign on a gain, nothing where there is no figure.
        QStringList f = TallyFigures(t);
        for (QString& text : f)
            if (text == NoFigure())
                text.clear();
        f[8] = QString::number(t.plusMinus());
        return f;
    };
    // The points won by each way, without the sum the report adds; none for a rotation.
    const auto won = [](const TeamNumbers::PointsWon* points) {
        return points ? PointsWonFigures(*points).mid(0, 5) : QStringList(5, QString());
    };
    for (const auto& [id, name] : ShownTeams(r)) {
        const QString team = csvField(csvText(name));
        const TeamNumbers::Team* numbers = NumbersOf(r, id);
        if (numbers) {
            const QStringList names = RotationNames(*numbers, r.players);
            for (size_t i = 0; i < numbers->rotations.size(); ++i)
                write(QStringList{team, csvField(csvText(names[qsizetype(i)])), QString(), QString()}
                      + figures(numbers->rotations[i].tally) + QStringList{QString()} + won(nullptr));
            write(QStringList{team, csvField(QCoreApplication::translate("ReportData", "Team Totals")), QString(),
                              QString()}
                  + figures(numbers->tally) + QStringList{QString()} + won(&numbers->won));
        }
        for (const TeamNumbers::GameRecord& g : r.games) {
            if (!(g.teams[0] == id) && !(g.teams[1] == id))
                continue;
            QStringList fields{team, QString(), g.match.text(), QString::number(g.number)};
            QString longest;
            const TeamNumbers::PointsWon* points = nullptr;
            if (TeamNumbers::Logged(g.log)) {
                fields[1] = csvField(QCoreApplication::translate("ReportData", "Game"));
                int most = 0;
                if (numbers) {
                    for (const TeamNumbers::Run& run : numbers->runs)
                        if (run.match == g.match && run.game == g.number)
                            most = std::max(most, run.points);
                    for (const TeamNumbers::GamePoints& game : numbers->games)
                        if (game.match == g.match && game.game == g.number)
                            points = &game.won;
                }
                longest = QString::number(most);
            } else {
                fields[1]
                    = csvField(QCoreApplication::translate("ReportData", "No rally log for game %1").arg(g.number));
            }
            for (int i = 0; i < 9; ++i)
                fields << QString();
            write(fields << longest << won(points));
        }
    }
    return out;
}

namespace {
// How a point ended, as the stat menu names the deciding action in English: a file for other
// programs reads the same whatever the language.
QString EndedText(const QString& column)
{
    const StatKind* kind = column.isEmpty() ? nullptr : StatByColumn(column);
    if (!kind)
        return QStringLiteral("Point Only");
    return QString::fromLatin1(kind->caption).remove(QLatin1Char('&'));
}
} // namespace

QString RalliesCsv(const ReportModel& model, const ReportStore::WholeLineUps& lineUps)
{
    const ReportRallies& r = model.rallies;
    // The header is a fixed format for other programs, never translated.
    QString out = QStringLiteral("Match,Game,Rally,Served,Won,HomeScore,AwayScore,HomeZones,AwayZones,Ended,Player\r\n");
    const auto zones = [&](const Rally::Zones& side) {
        QStringList shirts;
        for (const RecordId& id : side) {
            const auto found = lineUps.players.find(id);
            // A zone left empty stays empty; a player no longer on the roster has no number to give.
            shirts << (found != lineUps.players.end() ? QString::number(found->second.number)
                           : id.isNull()              ? QString()
                                                      : QStringLiteral("?"));
        }
        return csvField(csvText(shirts.join(QLatin1Char('-'))));
    };
    const auto endedBy = [&](const RecordId& id) {
        if (id.isNull())
            return QString();
        const auto found = lineUps.players.find(id);
        return found == lineUps.players.end()
                   ? QStringLiteral("?")
                   : QStringLiteral("#%1 %2").arg(QString::number(found->second.number), found->second.name);
    };
    for (const TeamNumbers::GameRecord& g : r.games) {
        const auto log = lineUps.logs.find(g.game);
        if (log == lineUps.logs.end())
            continue;
        const QString served[2] = {csvField(csvText(g.names[0])), csvField(csvText(g.names[1]))};
        int rally = 0;
        for (const Rally::Point& p : Rally::StandingPoints(log->second)) {
            const QStringList fields{g.match.text(),
                                     QString::number(g.number),
                                     QString::number(++rally),
                                     served[p.server == Rally::kAway ? 1 : 0],
                                     served[p.winner == Rally::kAway ? 1 : 0],
                                     QString::number(p.homeScore),
                                     QString::number(p.awayScore),
                                     zones(p.zones[0]),
                                     zones(p.zones[1]),
                                     EndedText(p.ended),
                                     csvField(csvText(endedBy(p.endedBy)))};
            out += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        }
    }
    return out;
}

