#include "reports/ReportData.h"

#include "reports/ReportParts.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <vector>

using namespace ReportParts;

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
        RegisterScoreFlow(doc);
        InsertRallies(c, look, base, u, model.rallies);
    }
    c.endEditBlock();
}

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

