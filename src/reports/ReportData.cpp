#include "reports/ReportData.h"

#include "core/MatchStore.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>
#include <algorithm>
#include <cstdlib>
#include <vector>

int ReportModel::lineCount() const
{
    int n = 0;
    for (const ReportTeam& t : teams)
        n += int(t.lines.size());
    return n;
}

ReportModel MakeReportModel(ReportLayout layout, const ReportHeading& heading, const std::vector<ReportLine>& lines)
{
    ReportModel model;
    model.layout = layout;
    model.heading = heading;
    for (const ReportLine& l : lines) {
        // Teams come one after another, so a new name starts a new table.
        if (model.teams.isEmpty() || model.teams.last().name != l.team) {
            ReportTeam& team = model.teams.emplace_back();
            team.name = l.team;
            team.totals.team = l.team;
            team.totals.player = QCoreApplication::translate("ReportData", "Team Totals");
        }
        ReportTeam& team = model.teams.last();
        if (!l.halfPoints())
            throw ReportOverflow(QStringLiteral("%1 (%2)").arg(l.player, l.team));
        team.lines.append(l);
        ReportLine& added = team.lines.last();
        added.continued = team.lines.size() > 1 && team.lines[team.lines.size() - 2].playerId == l.playerId;
        if (!team.totals.add(l) || !team.totals.halfPoints())
            throw ReportOverflow(QCoreApplication::translate("ReportData", "the totals of %1").arg(l.team));
    }
    return model;
}

QString FormatHitting(std::optional<double> value)
{
    return HittingText(value, false);
}

QString FormatPassing(double value)
{
    const QString text = QString::number(value, 'f', 2);
    return text == QLatin1String("-0.00") ? QStringLiteral("0.00") : text;
}

QString PassText(const PassTally& pass)
{
    return pass.net > 0 ? FormatPassing(pass.average()) : NoFigure();
}

QString PointsText(qint64 half)
{
    // Written from the magnitude, so that -1 half point reads "-0.5".
    const quint64 magnitude = half < 0 ? 0 - quint64(half) : quint64(half);
    QString text = QString::number(magnitude / 2);
    if (magnitude % 2)
        text += QLatin1String(".5");
    return half < 0 ? QLatin1Char('-') + text : text;
}

ReportRallies MakeReportRallies(std::vector<TeamNumbers::GameRecord> games, ReportStore::LineUpRoster players,
                                const ReportChoices& choices)
{
    ReportRallies r;
    r.numbers = TeamNumbers::Compute(games, choices.team);
    r.games = std::move(games);
    r.players = std::move(players);
    r.team = choices.team;
    r.playerChosen = choices.player.has_value() || choices.position != 0;
    return r;
}

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
                         .arg(QString::number(found->second.number), found->second.name);
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
    QList<TallyHead> out;
    for (const auto& [head, legend] : heads)
        out.append(
            {QCoreApplication::translate("ReportData", head), QCoreApplication::translate("ReportData", legend)});
    return out;
}

QString ReportTitle()
{
    return QCoreApplication::translate("ReportData", "Player Statistics");
}

QString JerseyText(const ReportLine& l)
{
    return l.number.isNull() ? QString() : QString::number(l.number.toLongLong());
}

QString BoxColumn::text(const ReportLine& l, bool totals) const
{
    switch (kind) {
    case Kind::Position:
        // A player who took part without any recorded action has no position to show.
        return totals ? QString() : l.position.isNull() ? NoFigure() : QString::number(l.position.toInt());
    case Kind::Games:
        return totals || l.continued ? QString() : QString::number(l.games);
    case Kind::Hitting:
        return FormatHitting(l.hitting());
    case Kind::Points: {
        const std::optional<qint64> half = l.halfPoints();
        return half ? PointsText(*half) : NoFigure();
    }
    case Kind::Stat:
        break;
    }
    if (kStatKinds[stat].shape == StatShape::Rating)
        return PassText(l.pass);
    return QString::number(l.counts[stat]);
}

QList<BoxColumn> BoxColumns(ReportLayout layout)
{
    std::vector<std::size_t> kinds;
    for (std::size_t i = 0; i < kStatKinds.size(); ++i)
        kinds.push_back(i);
    std::stable_sort(kinds.begin(), kinds.end(), [](std::size_t a, std::size_t b) {
        return kStatKinds[a].boxScoreRank < kStatKinds[b].boxScoreRank;
    });
    using K = BoxColumn::Kind;
    QList<BoxColumn> c;
    if (layout == ReportLayout::PositionsApart)
        c.append({QCoreApplication::translate("ReportData", "Pos"),
                  QCoreApplication::translate("ReportData", "court position (zones n and n+6 together)"), K::Position});
    c.append({QCoreApplication::translate("ReportData", "GP"),
              QCoreApplication::translate("ReportData", "games played"), K::Games});
    for (std::size_t k : kinds) {
        c.append({StatText(kStatKinds[k].heading), StatText(kStatKinds[k].legend), K::Stat, k});
        // The percentage follows the attacks it is taken from.
        if (k == StatIndex("ATTEMPT"))
            c.append({QCoreApplication::translate("ReportData", "PCT"),
                      QCoreApplication::translate("ReportData", "hitting percentage (K-E)/TA"), K::Hitting});
    }
    c.append({QCoreApplication::translate("ReportData", "PTS"),
              QCoreApplication::translate("ReportData", "points K + SA + BS + \u00bd BA"), K::Points});
    return c;
}

namespace {

// The document's pieces, in one place so that the screen and the paper look alike.
struct Look
{
    QTextCharFormat plain, bold, header, grey, small, title, team;
    QColor headerColour{0x1f, 0x3a, 0x5f};
    QColor stripe{0xee, 0xf2, 0xf7};
    QColor totalsColour{0xd9, 0xde, 0xe5};
};

// Every block is laid out left to right so that a right-to-left name stays inside its own cell
// and the columns never move; the name itself is still shown in its own direction.
QTextBlockFormat Aligned(Qt::Alignment align)
{
    QTextBlockFormat block;
    block.setAlignment(align | Qt::AlignAbsolute);
    block.setLayoutDirection(Qt::LeftToRight);
    return block;
}

// Names are data: a cell gets its text as plain characters, never as markup.
void PutText(QTextCursor cursor, const QString& text, const QTextCharFormat& format, const QTextBlockFormat& block)
{
    cursor.setBlockFormat(block);
    cursor.insertText(text, format);
}

// One row of a table: each cell's text with its column's block format, the row shaded when the
// colour is valid.
void PutRow(QTextTable* table, int row, const QStringList& texts, const QList<QTextBlockFormat>& blocks,
            const QTextCharFormat& format, const QColor& background)
{
    QTextTableCellFormat shade;
    shade.setBackground(background);
    for (int col = 0; col < texts.size(); ++col) {
        QTextTableCell cell = table->cellAt(row, col);
        if (background.isValid())
            cell.setFormat(shade);
        PutText(cell.firstCursorPosition(), texts[col], format, blocks.value(col, blocks.last()));
    }
}

QTextTableFormat TableFormat(qreal u)
{
    QTextTableFormat f;
    f.setBorder(0);
    f.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    f.setCellSpacing(0);
    f.setCellPadding(2 * u);
    f.setLayoutDirection(Qt::LeftToRight);
    f.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    return f;
}

// How a match is named above its games: as every list names it, the away team first.
QString MatchName(const TeamNumbers::GameRecord& g)
{
    const QString when = g.match.isNull() ? QString() : QLocale().toString(g.match.dateTime(), QLocale::ShortFormat);
    return MatchCaption(g.names[1], g.names[0], when);
}

using FigureRows = QList<std::pair<QString, QStringList>>;

// A table in the box score's look: a heading row, then rows of a label and figures on right tab
// stops of one fixed-width cell, so that no label can move a figure; the last row is a totals row
// when `totals` is set. Each column is as wide as the widest text of `longest` (the widest of every
// table, so that the tables' columns line up), measured in bold as the headings are written.
void InsertFigureTable(QTextCursor& c, const Look& look, const QFont& base, qreal u, const QString& labelHead,
                       const QStringList& heads, const QStringList& longest, const FigureRows& rows, bool totals)
{
    QFont boldFont = base;
    boldFont.setBold(true);
    const QFontMetricsF bold(boldFont);
    QList<QTextOption::Tab> tabs;
    qreal x = 0;
    for (const QString& text : longest) {
        x += std::max(bold.horizontalAdvance(text), bold.horizontalAdvance(QStringLiteral("0000"))) + 6 * u;
        tabs.append(QTextOption::Tab(x, QTextOption::RightTab));
    }
    const qreal pad = 2 * u;
    QTextTableFormat format = TableFormat(u);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::VariableLength, 0), QTextLength(QTextLength::FixedLength, x + 2 * pad + 1)});
    format.setHeaderRowCount(1);
    QTextBlockFormat figuresBlock = Aligned(Qt::AlignLeft);
    figuresBlock.setTabPositions(tabs);
    QTextTable* table = c.insertTable(int(rows.size()) + 1, 2, format);
    const auto fill = [&](int r, const QString& label, const QStringList& figures, const QTextCharFormat& text,
                          const QColor& background) {
        PutRow(table, r, {label, QLatin1Char('\t') + figures.join(QLatin1Char('\t'))},
               {Aligned(Qt::AlignLeft), figuresBlock}, text, background);
    };
    fill(0, labelHead, heads, look.header, look.headerColour);
    for (int r = 0; r < rows.size(); ++r) {
        const bool last = totals && r == rows.size() - 1;
        fill(r + 1, rows[r].first, rows[r].second, last ? look.bold : look.plain,
             last          ? look.totalsColour
                 : (r % 2) ? look.stripe
                           : QColor());
    }
    c.movePosition(QTextCursor::End);
}

// A table of two text columns in the same look: a heading row, then the rows.
void InsertTextTable(QTextCursor& c, const Look& look, qreal u, const QStringList& heads,
                     const QList<QStringList>& rows)
{
    QTextTableFormat format = TableFormat(u);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 40), QTextLength(QTextLength::PercentageLength, 60)});
    format.setHeaderRowCount(1);
    QTextTable* table = c.insertTable(int(rows.size()) + 1, int(heads.size()), format);
    for (int r = 0; r <= rows.size(); ++r) {
        QStringList texts;
        for (int col = 0; col < heads.size(); ++col)
            texts << (r == 0 ? heads.value(col) : rows[r - 1].value(col));
        PutRow(table, r, texts, {Aligned(Qt::AlignLeft)}, r == 0 ? look.header : look.plain,
               r == 0 ? look.headerColour : (r % 2 == 0) ? look.stripe : QColor());
    }
    c.movePosition(QTextCursor::End);
}

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

// A team's longest run in each of its games, grouped by match: the match's name, then the games
// ("Game 1: 5") and the games without a log ("No rally log for game 3").
QList<QStringList> RunsByMatch(const ReportRallies& r, const RecordId& team, const TeamNumbers::Team* numbers)
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
                rows.append({MatchName(*first), games.join(QStringLiteral(", "))});
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
        rows.append({MatchName(*first), games.join(QStringLiteral(", "))});
    return rows;
}

TeamNumbers::Flow FlowOf(const QTextFormat& f)
{
    TeamNumbers::Flow flow;
    flow.number = f.intProperty(ScoreFlow::Number);
    flow.names = {f.stringProperty(ScoreFlow::Home), f.stringProperty(ScoreFlow::Away)};
    flow.homeScore = f.intProperty(ScoreFlow::HomeScore);
    flow.awayScore = f.intProperty(ScoreFlow::AwayScore);
    flow.logged = true;
    const QList<int> leads = f.property(ScoreFlow::Leads).value<QList<int>>();
    flow.leads.assign(leads.begin(), leads.end());
    return flow;
}

// Draws the score-flow objects of a document, at the resolution of whatever it is painted on.
class ScoreFlowObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override
    {
        const qreal u = format.doubleProperty(ScoreFlow::UnitsPerPoint);
        return QSizeF(ScoreFlow::kWidth * u, ScoreFlow::kHeight * u);
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override
    {
        DrawScoreFlow(*painter, rect, FlowOf(format), format.doubleProperty(ScoreFlow::UnitsPerPoint));
    }
};

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
    // Every team's rows first, so that each column is made as wide as its widest text of them all.
    struct Part
    {
        RecordId id;
        QString name;
        const TeamNumbers::Team* numbers;
        FigureRows rows;
    };
    std::vector<Part> parts;
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
                        RunsByMatch(r, id, numbers));
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
        "team."));
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
        c.insertText(MatchName(r.games[i]), look.bold);
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
            QTextCharFormat chart;
            chart.setObjectType(kScoreFlowObject);
            chart.setProperty(ScoreFlow::Number, flow.number);
            chart.setProperty(ScoreFlow::Home, flow.names[0]);
            chart.setProperty(ScoreFlow::Away, flow.names[1]);
            chart.setProperty(ScoreFlow::HomeScore, flow.homeScore);
            chart.setProperty(ScoreFlow::AwayScore, flow.awayScore);
            chart.setProperty(ScoreFlow::Leads, QVariant::fromValue(QList<int>(flow.leads.begin(), flow.leads.end())));
            chart.setProperty(ScoreFlow::UnitsPerPoint, u);
            c.insertText(QString(QChar::ObjectReplacementCharacter), chart);
            c.insertText(QStringLiteral("  "), look.plain);
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

} // namespace

void FillReportDocument(QTextDocument& doc, const ReportModel& model, const ReportMetrics& m)
{
    const ReportHeading& s = model.heading;
    const bool apart = model.layout == ReportLayout::PositionsApart;
    const QList<BoxColumn> cols = BoxColumns(model.layout);
    const qreal u = m.unitsPerPoint;

    doc.clear();
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setStyleHint(QFont::SansSerif);
    base.setPointSizeF(m.pointSize);
    doc.setDefaultFont(base);
    doc.setDocumentMargin(4 * u);
    // A name too long for its column wraps inside its cell, even without a blank to break at.
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(Qt::LeftToRight);
    doc.setDefaultTextOption(option);

    Look look;
    look.plain.setFont(base);
    look.bold = look.plain;
    look.bold.setFontWeight(QFont::Bold);
    look.header = look.bold;
    look.header.setForeground(Qt::white);
    look.grey = look.plain;
    look.grey.setForeground(QColor(0x55, 0x55, 0x55));
    look.small = look.grey;
    // The legend stays at the report's size: on paper nothing is printed below 9 points.
    look.small.setFont(base);
    look.title = look.bold;
    QFont titleFont = base;
    titleFont.setPointSizeF(m.pointSize * 1.6);
    titleFont.setBold(true);
    look.title.setFont(titleFont);
    look.team = look.plain;
    QFont teamFont = base;
    teamFont.setPointSizeF(m.pointSize * 1.25);
    teamFont.setBold(true);
    look.team.setFont(teamFont);

    QTextCursor c(&doc);
    // One edit: the document is laid out once, when the report is complete.
    c.beginEditBlock();
    QTextBlockFormat titleBlock;
    titleBlock.setBottomMargin(4 * u);
    titleBlock.setLayoutDirection(Qt::LeftToRight);
    titleBlock.setHeadingLevel(1);
    c.setBlockFormat(titleBlock);
    c.insertText(ReportTitle(), look.title);

    // The heading: what was chosen, and the match's result when one match is reported.
    QList<std::pair<QString, QString>> heading{{QCoreApplication::translate("ReportData", "Dates:"), s.dates},
                                               {QCoreApplication::translate("ReportData", "Match:"), s.match}};
    if (!s.result.isEmpty())
        heading.append({QCoreApplication::translate("ReportData", "Result:"), s.result});
    heading.append({{QCoreApplication::translate("ReportData", "Game:"), s.game},
                    {QCoreApplication::translate("ReportData", "Team:"), s.team},
                    {QCoreApplication::translate("ReportData", "Player:"), s.player},
                    {QCoreApplication::translate("ReportData", "Position:"),
                     s.position
                         + (apart ? QCoreApplication::translate("ReportData", " (positions apart)")
                                  : QCoreApplication::translate("ReportData", " (positions together)"))},
                    {QCoreApplication::translate("ReportData", "Order:"), s.order}});
    const QTextBlockFormat left = Aligned(Qt::AlignLeft), right = Aligned(Qt::AlignRight);
    QTextTableFormat headingFormat = TableFormat(u);
    headingFormat.setCellPadding(1 * u);
    QTextTable* headingTable = c.insertTable(int(heading.size()), 2, headingFormat);
    for (int r = 0; r < heading.size(); ++r) {
        PutText(headingTable->cellAt(r, 0).firstCursorPosition(), heading[r].first, look.grey, left);
        PutText(headingTable->cellAt(r, 1).firstCursorPosition(), heading[r].second, look.bold, left);
    }
    c.movePosition(QTextCursor::End);

    if (model.teams.isEmpty()) {
        QTextBlockFormat f;
        f.setTopMargin(10 * u);
        c.insertBlock(f);
        QTextCharFormat note = look.plain;
        note.setFontItalic(true);
        c.insertText(QCoreApplication::translate("ReportData", "No statistics were recorded for these choices."), note);
    }

    // Every figure of every table first, so that each column is made as wide as its widest text.
    struct Row
    {
        QString number, name;
        QStringList figures;
    };
    QList<QList<Row>> tables;
    QStringList head;
    for (const BoxColumn& col : cols)
        head << col.head;
    QStringList longest = head;
    auto keep = [&](const QStringList& figures) {
        for (int i = 0; i < figures.size(); ++i)
            if (figures[i].size() > longest[i].size())
                longest[i] = figures[i];
    };
    for (const ReportTeam& team : model.teams) {
        QList<Row>& rows = tables.emplace_back();
        for (const ReportLine& l : team.lines) {
            Row& row = rows.emplace_back(Row{JerseyText(l), l.player, {}});
            for (const BoxColumn& col : cols)
                row.figures << LocalFigure(col.text(l, false));
            keep(row.figures);
        }
        Row& totals = rows.emplace_back(Row{QString(), team.totals.player, {}});
        for (const BoxColumn& col : cols)
            totals.figures << LocalFigure(col.text(team.totals, true));
        keep(totals.figures);
    }

    // A row is a table row of three cells: the shirt number, the name, and the figures on right
    // tab stops of one block. The name's cell takes what the other two leave of the width and
    // wraps a long name; the figures' cell has a fixed width, so no name can move a figure from
    // under its heading. Three cells a row instead of one per figure keep a season's report quick
    // to lay out. Widths are measured as the document measures its fonts (at the screen's
    // resolution), in bold as the headings and totals are written.
    QFont boldFont = base;
    boldFont.setBold(true);
    const QFontMetricsF bold(boldFont);
    const qreal pad = 2 * u;
    QList<QTextOption::Tab> tabs;
    qreal x = 0;
    for (int i = 0; i < cols.size(); ++i) {
        x += std::max({bold.horizontalAdvance(longest[i]), bold.horizontalAdvance(QStringLiteral("-1.000")),
                       bold.horizontalAdvance(QStringLiteral("0000"))})
            + 4 * u;
        tabs.append(QTextOption::Tab(x, QTextOption::RightTab));
    }
    const QList<QTextLength> widths{
        QTextLength(QTextLength::FixedLength, bold.horizontalAdvance(QStringLiteral("000")) + 2 * pad),
        QTextLength(QTextLength::VariableLength, 0), QTextLength(QTextLength::FixedLength, x + 2 * pad + 1)};
    QTextBlockFormat figuresBlock = right;
    figuresBlock.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    figuresBlock.setTabPositions(tabs);

    for (int t = 0; t < model.teams.size(); ++t) {
        QTextBlockFormat teamBlock;
        teamBlock.setTopMargin(10 * u);
        teamBlock.setBottomMargin(2 * u);
        teamBlock.setLayoutDirection(Qt::LeftToRight);
        teamBlock.setHeadingLevel(kTableHeading);
        c.insertBlock(teamBlock);
        c.insertText(model.teams[t].name, look.team);

        QTextTableFormat format = TableFormat(u);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints(widths);
        // Printed on several pages, every page starts with the column headings.
        format.setHeaderRowCount(1);
        const QList<Row>& rows = tables[t];
        QTextTable* table = c.insertTable(int(rows.size()) + 1, 3, format);
        auto fillRow = [&](int r, const Row& row, const QTextCharFormat& text, const QColor& background) {
            PutRow(table, r, {row.number, row.name, QLatin1Char('\t') + row.figures.join(QLatin1Char('\t'))},
                   {right, left, figuresBlock}, text, background);
        };
        fillRow(0,
                Row{QCoreApplication::translate("ReportData", "#"), QCoreApplication::translate("ReportData", "Player"),
                    head},
                look.header, look.headerColour);
        for (int r = 0; r < rows.size(); ++r) {
            const bool totals = r == rows.size() - 1;
            fillRow(r + 1, rows[r], totals ? look.bold : look.plain,
                    totals        ? look.totalsColour
                        : (r % 2) ? look.stripe
                                  : QColor());
        }
        c.movePosition(QTextCursor::End);
    }

    QStringList legend;
    for (const BoxColumn& col : cols)
        legend << QStringLiteral("%1 %2").arg(col.head, col.legend);
    QTextBlockFormat legendBlock;
    legendBlock.setTopMargin(10 * u);
    legendBlock.setLayoutDirection(Qt::LeftToRight);
    c.insertBlock(legendBlock);
    c.insertText(legend.join(QStringLiteral("; ")) + QLatin1Char('.'), look.small);
    if (!model.rallies.games.empty()) {
        QAbstractTextDocumentLayout* layout = doc.documentLayout();
        if (!layout->handlerForObject(kScoreFlowObject))
            layout->registerHandler(kScoreFlowObject, new ScoreFlowObject(&doc));
        InsertRallies(c, look, base, u, model.rallies);
    }
    c.endEditBlock();
}

std::vector<TeamNumbers::Flow> ScoreFlowsIn(const QTextDocument& doc)
{
    std::vector<TeamNumbers::Flow> flows;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().objectType() != kScoreFlowObject)
                continue;
            // Charts of equal games may share one fragment: one flow per object.
            for (int i = 0; i < f.length(); ++i)
                flows.push_back(FlowOf(f.charFormat()));
        }
    return flows;
}

QString ScoreFlowCaption(const TeamNumbers::Flow& flow, std::optional<QString> away, std::optional<QString> home)
{
    // The away team first, as every caption has it.
    return QCoreApplication::translate("ReportData", "Game %1: %2 %3, %4 %5")
        .arg(QString::number(flow.number), away.value_or(flow.names[1]), QString::number(flow.awayScore),
             home.value_or(flow.names[0]), QString::number(flow.homeScore));
}

void DrawScoreFlow(QPainter& p, const QRectF& rect, const TeamNumbers::Flow& flow, qreal u)
{
    const QColor ink(0x33, 0x33, 0x33), frame(0xbb, 0xbb, 0xbb), grid(0xe4, 0xe4, 0xe4);
    const QColor homeInk(0x1f, 0x3a, 0x5f), awayInk(0xa3, 0x4a, 0x00);
    const QColor homeFill(0xc4, 0xd3, 0xe8), awayFill(0xf4, 0xd3, 0xae);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Sizes in document units: the painter of the page is scaled from them, so the text is given
    // in those units too rather than in points of whatever device it lands on.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(7.5 * u)));
    QFont bold = font;
    bold.setPixelSize(std::max(1, qRound(8.5 * u)));
    bold.setBold(true);
    const QFontMetricsF fm(font), bm(bold);
    const qreal pad = 4 * u;

    const QRectF box = rect.adjusted(u, u, -u, -u);
    p.setPen(QPen(frame, 0.75 * u));
    p.setBrush(Qt::white);
    p.drawRect(box);

    const auto caption = [&](const QString& away, const QString& home) { return ScoreFlowCaption(flow, away, home); };
    QString text = ScoreFlowCaption(flow);
    const qreal room = box.width() - 2 * pad;
    if (bm.horizontalAdvance(text) > room) {
        const qreal each = std::max<qreal>(0, (room - bm.horizontalAdvance(caption({}, {}))) / 2);
        text = caption(bm.elidedText(flow.names[1], Qt::ElideRight, each),
                       bm.elidedText(flow.names[0], Qt::ElideRight, each));
    }
    p.setFont(bold);
    p.setPen(ink);
    p.drawText(QPointF(box.left() + pad, box.top() + pad + bm.ascent()), text);

    // The plot: the lead up and down from the middle line, one step for each rally.
    const int rallies = int(flow.leads.size());
    int most = 1;
    for (int lead : flow.leads)
        most = std::max(most, std::abs(lead));
    const qreal labelWidth = fm.horizontalAdvance(QString::number(most * 10)) + 3 * u;
    const QRectF plot(QPointF(box.left() + pad + labelWidth, box.top() + pad + bm.height() + 2 * u),
                      QPointF(box.right() - pad, box.bottom() - pad - fm.height() - u));
    // The leads take the plot but a band at its top and bottom, where the sides' names stand clear
    // of the line.
    const qreal band = fm.height() + 2 * u;
    const QRectF leads = plot.adjusted(0, band, 0, -band);
    // Marks on the lead every step, as close as the text allows.
    static const int kSteps[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    int step = 1, top = most;
    for (int candidate : kSteps) {
        step = candidate;
        top = (most + step - 1) / step * step;
        if (leads.height() / 2 / (top / step) >= fm.height() * 1.1)
            break;
    }
    const qreal zero = leads.center().y();
    const auto y = [&](int lead) { return zero - leads.height() / 2 * lead / top; };
    const int span = std::max(rallies, 1);
    const auto x = [&](int rally) { return plot.left() + plot.width() * rally / span; };

    // Who led, in that team's colour, under the marks and the line.
    QPainterPath steps(QPointF(x(0), y(0)));
    int lead = 0;
    for (int rally = 1; rally <= rallies; ++rally) {
        steps.lineTo(x(rally), y(lead));
        lead = flow.leads[size_t(rally - 1)];
        steps.lineTo(x(rally), y(lead));
    }
    QPainterPath area = steps;
    area.lineTo(x(rallies), y(0));
    area.closeSubpath();
    // Cut at the middle line rather than clipped: an SVG picture of the chart keeps no clip.
    QPainterPath homeSide, awaySide;
    homeSide.addRect(QRectF(plot.left(), plot.top(), plot.width(), zero - plot.top()));
    awaySide.addRect(QRectF(plot.left(), zero, plot.width(), plot.bottom() - zero));
    p.fillPath(area.intersected(homeSide), homeFill);
    p.fillPath(area.intersected(awaySide), awayFill);
    p.setFont(font);
    for (int mark = step; mark <= top; mark += step) {
        p.setPen(QPen(grid, 0.5 * u));
        for (int sign : {1, -1})
            p.drawLine(QPointF(plot.left(), y(sign * mark)), QPointF(plot.right(), y(sign * mark)));
        // The margin reads how far ahead; which side is ahead is written inside the plot.
        p.setPen(ink);
        for (int sign : {1, -1})
            p.drawText(QRectF(box.left() + pad, y(sign * mark) - fm.height() / 2, labelWidth - 3 * u, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(mark));
    }
    p.drawText(QRectF(box.left() + pad, zero - fm.height() / 2, labelWidth - 3 * u, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    // Rallies counted along the bottom, as often as their numbers fit.
    int every = 1;
    for (int candidate : kSteps) {
        every = candidate;
        if (plot.width() / span * every >= fm.horizontalAdvance(QStringLiteral("000")) + 2 * u)
            break;
    }
    for (int rally = every; rally <= rallies; rally += every) {
        p.setPen(QPen(grid, 0.5 * u));
        p.drawLine(QPointF(x(rally), plot.top()), QPointF(x(rally), plot.bottom()));
        p.setPen(ink);
        p.drawText(QRectF(x(rally) - 20 * u, plot.bottom() + u, 40 * u, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(rally));
    }

    p.setPen(QPen(ink, 0.75 * u));
    p.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
    p.setPen(QPen(ink, 1.25 * u, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(steps);

    // Which side is ahead, in its colour, in the bands at the top and the bottom of the plot.
    const auto ahead = [&](const QString& name, const QColor& colour, bool above) {
        const QString label = fm.elidedText(QCoreApplication::translate("ReportData", "%1 ahead").arg(name),
                                            Qt::ElideRight, plot.width() - 4 * u);
        p.setPen(colour);
        p.drawText(QRectF(plot.left() + 2 * u, above ? plot.top() + u : plot.bottom() - u - fm.height(),
                          plot.width() - 4 * u, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, label);
    };
    ahead(flow.names[0], homeInk, true);
    ahead(flow.names[1], awayInk, false);
    p.restore();
}

namespace {

// A spreadsheet takes a cell that starts with one of these as a formula; names are data, never code.
QString csvText(const QString& value)
{
    QString v = value;
    if (!v.isEmpty() && QStringLiteral("=+-@\t\r").contains(v.front()))
        v.prepend(QLatin1Char('\''));
    return v;
}

QString csvField(const QString& value)
{
    if (value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\n'))
        || value.contains(QLatin1Char('\r')) || value.startsWith(QLatin1Char(' '))
        || value.endsWith(QLatin1Char(' '))) {
        QString q = value;
        q.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + q + QLatin1Char('"');
    }
    return value;
}

} // namespace

QString ReportCsv(const ReportModel& model)
{
    const QList<BoxColumn> cols = BoxColumns(model.layout);
    QStringList head{QCoreApplication::translate("ReportData", "Team"), QCoreApplication::translate("ReportData", "#"),
                     QCoreApplication::translate("ReportData", "Player")};
    for (const BoxColumn& c : cols)
        head << c.head;
    QString out = head.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    auto line = [&](const QString& team, const ReportLine& l, bool totals) {
        QStringList f{csvField(csvText(team)), JerseyText(l), csvField(csvText(l.player))};
        for (const BoxColumn& c : cols) {
            const QString text = c.text(l, totals);
            f << (text == NoFigure() ? QString() : csvField(text));
        }
        out += f.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    for (const ReportTeam& team : model.teams) {
        for (const ReportLine& l : team.lines)
            line(team.name, l, false);
        line(team.name, team.totals, true);
    }
    return out;
}

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
                           QCoreApplication::translate("ReportData", "Longest Run")};
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
    for (const auto& [id, name] : ShownTeams(r)) {
        const QString team = csvField(csvText(name));
        const TeamNumbers::Team* numbers = NumbersOf(r, id);
        if (numbers) {
            const QStringList names = RotationNames(*numbers, r.players);
            for (size_t i = 0; i < numbers->rotations.size(); ++i)
                write(QStringList{team, csvField(csvText(names[qsizetype(i)])), QString(), QString()}
                      + figures(numbers->rotations[i].tally) + QStringList{QString()});
            write(QStringList{team, csvField(QCoreApplication::translate("ReportData", "Team Totals")), QString(),
                              QString()}
                  + figures(numbers->tally) + QStringList{QString()});
        }
        for (const TeamNumbers::GameRecord& g : r.games) {
            if (!(g.teams[0] == id) && !(g.teams[1] == id))
                continue;
            QStringList fields{team, QString(), g.match.text(), QString::number(g.number)};
            QString longest;
            if (TeamNumbers::Logged(g.log)) {
                fields[1] = csvField(QCoreApplication::translate("ReportData", "Game"));
                int most = 0;
                if (numbers)
                    for (const TeamNumbers::Run& run : numbers->runs)
                        if (run.match == g.match && run.game == g.number)
                            most = std::max(most, run.points);
                longest = QString::number(most);
            } else {
                fields[1]
                    = csvField(QCoreApplication::translate("ReportData", "No rally log for game %1").arg(g.number));
            }
            for (int i = 0; i < 9; ++i)
                fields << QString();
            write(fields << longest);
        }
    }
    return out;
}

QString RalliesCsv(const ReportModel& model, const ReportStore::WholeLineUps& lineUps)
{
    const ReportRallies& r = model.rallies;
    // The header is a fixed format for other programs, never translated.
    QString out = QStringLiteral("Match,Game,Rally,Served,Won,HomeScore,AwayScore,HomeZones,AwayZones\r\n");
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
                                     zones(p.zones[1])};
            out += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        }
    }
    return out;
}

QString ReportMaxPreps(const ReportTeam& team)
{
    // The header MaxPreps expects, field for field; a field is filled when a kind of the stat
    // table names it, or for the shirt number, the games played and the good receptions.
    static const QStringList fields{QStringLiteral("Jersey"),
                                    QStringLiteral("MatchGamesPlayed"),
                                    QStringLiteral("TotalServes"),
                                    QStringLiteral("ServingAces"),
                                    QStringLiteral("ServingErrors"),
                                    QStringLiteral("ServingPoints"),
                                    QStringLiteral("AttacksAttempts"),
                                    QStringLiteral("AttacksKills"),
                                    QStringLiteral("AttacksErrors"),
                                    QStringLiteral("ServingReceivedSuccess"),
                                    QStringLiteral("ServingReceivedErrors"),
                                    QStringLiteral("BlocksSolo"),
                                    QStringLiteral("BlocksAssists"),
                                    QStringLiteral("BlocksErrors"),
                                    QStringLiteral("BallHandlingAttempt"),
                                    QStringLiteral("Assists"),
                                    QStringLiteral("AssistsErrors"),
                                    QStringLiteral("Digs"),
                                    QStringLiteral("DigsErrors")};
    QString out = fields.join(QLatin1Char('|')) + QLatin1Char('\n');
    auto write = [&](const ReportLine& p) {
        QStringList values;
        for (const QString& field : fields) {
            QString value;
            if (field == QLatin1String("Jersey")) {
                value = JerseyText(p);
            } else if (field == QLatin1String("MatchGamesPlayed")) {
                value = QString::number(p.games);
            } else {
                for (std::size_t k = 0; k < kStatKinds.size(); ++k) {
                    if (!kStatKinds[k].maxPreps || field != QLatin1String(kStatKinds[k].maxPreps))
                        continue;
                    // Every pass is rated 1 to 3, and each is a reception that kept the ball in play.
                    value = QString::number(kStatKinds[k].shape == StatShape::Rating ? p.pass.net : p.counts[k]);
                }
            }
            values << value;
        }
        out += values.join(QLatin1Char('|')) + QLatin1Char('\n');
    };
    // A player's lines (one per position when positions are apart) make one line; they come
    // together, the games played on the first.
    std::optional<ReportLine> player;
    for (const ReportLine& l : team.lines) {
        if (player && player->playerId == l.playerId) {
            if (!player->add(l))
                throw ReportOverflow(QStringLiteral("%1 (%2)").arg(l.player, l.team));
            continue;
        }
        if (player)
            write(*player);
        player = l;
    }
    if (player)
        write(*player);
    return out;
}

#include "ReportData.moc"
