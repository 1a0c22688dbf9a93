#include "reports/ReportData.h"

#include "core/mConstants.h"
#include "core/Database.h"

#include <QColor>
#include <QFont>
#include <QMap>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

QString LineKey(const QString& playerId, const QVariant& position)
{
    const QString pos = position.isNull() ? QStringLiteral("-") : QString::number(position.toInt());
    return playerId + QLatin1Char('|') + pos;
}

double ReportLine::hitting() const
{
    // Without attempts there is nothing to rate; a take-back can leave a line at zero attempts.
    if (attempts <= 0)
        return 0.0;
    return double(kills - errors) / double(attempts);
}

double ReportLine::passAverage() const
{
    if (hasTally)
        return pass.average();
    return storedPassRows > 0 ? storedPassSum / storedPassRows : 0.0;
}

void ReportLine::add(const ReportLine& o)
{
    kills += o.kills;
    errors += o.errors;
    attempts += o.attempts;
    setAssists += o.setAssists;
    aces += o.aces;
    serveErrors += o.serveErrors;
    receiveErrors += o.receiveErrors;
    digs += o.digs;
    soloBlocks += o.soloBlocks;
    blockAssists += o.blockAssists;
    blockErrors += o.blockErrors;
    ballHandleErrors += o.ballHandleErrors;
    pass.sum += o.pass.sum;
    pass.net += o.pass.net;
    hasTally = hasTally || o.hasTally;
    storedPassSum += o.storedPassSum;
    storedPassRows += o.storedPassRows;
}

int ReportModel::lineCount() const
{
    int n = 0;
    for (const ReportTeam& t : teams)
        n += int(t.lines.size());
    return n;
}

QString FormatHitting(double value)
{
    QString text = QString::number(value, 'f', 3);
    if (text == QLatin1String("-0.000"))
        text = QStringLiteral("0.000");
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text;
}

QString FormatPassing(double value)
{
    const QString text = QString::number(value, 'f', 2);
    return text == QLatin1String("-0.00") ? QStringLiteral("0.00") : text;
}

QString ReportTitle()
{
    return QStringLiteral("Player Statistics");
}

namespace {

int compareText(const QString& a, const QString& b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c : QString::compare(a, b, Qt::CaseSensitive);
}

int positionRank(const ReportLine& l)
{
    return l.position.isNull() ? 99 : l.position.toInt();
}

// Ties fall back on the name, then the position, then the identifier, so the order never depends
// on how the engine happened to return the rows.
bool byNameThenPosition(const ReportLine& a, const ReportLine& b)
{
    if (const int c = compareText(a.player, b.player))
        return c < 0;
    if (positionRank(a) != positionRank(b))
        return positionRank(a) < positionRank(b);
    return a.playerId < b.playerId;
}

std::function<double(const ReportLine&)> sortValue(const QString& column)
{
    static const QMap<QString, std::function<double(const ReportLine&)>> values{
        {QStringLiteral("PERCENTAGE"), [](const ReportLine& l) { return l.hitting(); }},
        {QStringLiteral("KILL"), [](const ReportLine& l) { return double(l.kills); }},
        {QStringLiteral("ERROR"), [](const ReportLine& l) { return double(l.errors); }},
        {QStringLiteral("ATTEMPT"), [](const ReportLine& l) { return double(l.attempts); }},
        {QStringLiteral("DIG"), [](const ReportLine& l) { return double(l.digs); }},
        {QStringLiteral("SERVEACE"), [](const ReportLine& l) { return double(l.aces); }},
        {QStringLiteral("SERVEERROR"), [](const ReportLine& l) { return double(l.serveErrors); }},
        {QStringLiteral("RECEIVEERROR"), [](const ReportLine& l) { return double(l.receiveErrors); }},
        {QStringLiteral("SOLOBLOCK"), [](const ReportLine& l) { return double(l.soloBlocks); }},
        {QStringLiteral("BLOCKASSIST"), [](const ReportLine& l) { return double(l.blockAssists); }},
        {QStringLiteral("BLOCKERROR"), [](const ReportLine& l) { return double(l.blockErrors); }},
        {QStringLiteral("SETASSIST"), [](const ReportLine& l) { return double(l.setAssists); }},
    };
    return values.value(column.toUpper());
}

void sortLines(QList<ReportLine>& lines, const QString& column)
{
    const auto value = sortValue(column);
    if (!value) {
        // Team and name orders: names ascending within each team's table.
        std::stable_sort(lines.begin(), lines.end(), byNameThenPosition);
        return;
    }
    // Totals and the percentage: leaders first.
    std::stable_sort(lines.begin(), lines.end(), [&value](const ReportLine& a, const ReportLine& b) {
        const double va = value(a);
        const double vb = value(b);
        if (va != vb)
            return va > vb;
        return byNameThenPosition(a, b);
    });
}

}  // namespace

ReportModel LoadReportModel(ReportLayout layout, const ReportSelection& selection)
{
    ReportModel model;
    model.layout = layout;
    model.selection = selection;

    QHash<QString, int> games;
    {
        Query q(QStringLiteral("SELECT PLAYERID, SUM(GAMESPLAYED) FROM GAMECOUNT GROUP BY PLAYERID"));
        q.raw().setForwardOnly(true);
        q.exec();
        while (q.next())
            games.insert(q.value(0).toString(), q.value(1).toInt());
    }

    // The values are read straight from the statement: a record per row, with its field names,
    // made reading a season's report a third slower.
    constexpr int kColumns = 17;
    std::vector<std::array<QVariant, kColumns>> rows;
    {
        Query q(QStringLiteral(
            "SELECT TEAMNAME, PLAYERID, PLAYERNAME, POSITION, KILL, ATTEMPT, ERROR, SERVEACE, SERVEERROR, DIG, "
            "RECEIVEERROR, SOLOBLOCK, BLOCKASSIST, BLOCKERROR, BALLHANDLEERROR, SETASSIST, PASSING "
            "FROM REPORT ORDER BY rowid"));
        q.raw().setForwardOnly(true);
        q.exec();
        while (q.next()) {
            std::array<QVariant, kColumns>& r = rows.emplace_back();
            for (int i = 0; i < kColumns; ++i)
                r[size_t(i)] = q.value(i);
        }
    }

    ProgressScope progress(QStringLiteral("Preparing the report..."), int(rows.size()));
    const bool apart = layout == ReportLayout::PositionsApart;
    QMap<QString, QList<ReportLine>> byTeam;
    QHash<QString, QPair<QString, int>> where;  // team + line key -> (team, index in its list)
    int done = 0;
    for (const auto& r : rows) {
        ReportLine line;
        line.team = r[0].toString();
        line.playerId = r[1].toString();
        line.player = r[2].toString();
        if (apart) {
            const QVariant& raw = r[3];
            if (!raw.isNull()) {
                int pos = raw.toInt();
                if (pos > 6)
                    pos -= 6;
                line.position = pos;
            }
        } else {
            line.position = 0;
        }
        line.kills = r[4].toLongLong();
        line.attempts = r[5].toLongLong();
        line.errors = r[6].toLongLong();
        line.aces = r[7].toLongLong();
        line.serveErrors = r[8].toLongLong();
        line.digs = r[9].toLongLong();
        line.receiveErrors = r[10].toLongLong();
        line.soloBlocks = r[11].toLongLong();
        line.blockAssists = r[12].toLongLong();
        line.blockErrors = r[13].toLongLong();
        line.ballHandleErrors = r[14].toLongLong();
        line.setAssists = r[15].toLongLong();
        const double stored = r[16].toDouble();
        if (stored != 0.0) {
            line.storedPassSum = stored;
            line.storedPassRows = 1;
        }

        const QString key = LineKey(line.playerId, line.position);
        const QString teamKey = line.team + QChar(0x1F) + key;
        auto found = where.constFind(teamKey);
        if (found == where.constEnd()) {
            // The tally covers every row of the line, so it is taken once, with the line's first row.
            const auto tally = selection.passes.constFind(key);
            if (tally != selection.passes.constEnd()) {
                line.pass = *tally;
                line.hasTally = true;
            }
            line.games = games.value(line.playerId);
            QList<ReportLine>& list = byTeam[line.team];
            where.insert(teamKey, {line.team, int(list.size())});
            list.append(line);
        } else {
            ReportLine merged = line;
            merged.pass = {};
            merged.hasTally = false;
            byTeam[found->first][found->second].add(merged);
        }
        progress.step(++done);
    }

    QStringList names = byTeam.keys();
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return compareText(a, b) < 0; });
    for (const QString& name : names) {
        ReportTeam team;
        team.name = name;
        team.lines = byTeam.value(name);
        sortLines(team.lines, selection.sortColumn);
        team.totals.team = name;
        team.totals.player = QStringLiteral("Team Totals");
        for (const ReportLine& l : team.lines)
            team.totals.add(l);
        model.teams.append(team);
    }
    return model;
}

namespace {

struct Column {
    QString head;
    QString legend;
    std::function<QString(const ReportLine&, bool totals)> text;
};

QString n(qint64 v)
{
    return QString::number(v);
}

QList<Column> columns(ReportLayout layout)
{
    QList<Column> c;
    if (layout == ReportLayout::PositionsApart)
        c.append({QStringLiteral("Pos"), QStringLiteral("court position (zones n and n+6 together)"),
                  [](const ReportLine& l, bool totals) {
                      return totals || l.position.isNull() ? QString() : QString::number(l.position.toInt());
                  }});
    c.append({QStringLiteral("GP"), QStringLiteral("games played"),
              [](const ReportLine& l, bool totals) { return totals ? QString() : QString::number(l.games); }});
    c.append({QStringLiteral("K"), QStringLiteral("kills"), [](const ReportLine& l, bool) { return n(l.kills); }});
    c.append({QStringLiteral("E"), QStringLiteral("attack errors"),
              [](const ReportLine& l, bool) { return n(l.errors); }});
    c.append({QStringLiteral("TA"), QStringLiteral("total attacks"),
              [](const ReportLine& l, bool) { return n(l.attempts); }});
    c.append({QStringLiteral("PCT"), QStringLiteral("hitting percentage (K-E)/TA"),
              [](const ReportLine& l, bool) { return FormatHitting(l.hitting()); }});
    c.append({QStringLiteral("AST"), QStringLiteral("set assists"),
              [](const ReportLine& l, bool) { return n(l.setAssists); }});
    c.append({QStringLiteral("SA"), QStringLiteral("service aces"), [](const ReportLine& l, bool) { return n(l.aces); }});
    c.append({QStringLiteral("SE"), QStringLiteral("service errors"),
              [](const ReportLine& l, bool) { return n(l.serveErrors); }});
    c.append({QStringLiteral("RE"), QStringLiteral("receiving errors"),
              [](const ReportLine& l, bool) { return n(l.receiveErrors); }});
    c.append({QStringLiteral("DIG"), QStringLiteral("digs"), [](const ReportLine& l, bool) { return n(l.digs); }});
    c.append({QStringLiteral("BS"), QStringLiteral("solo blocks"),
              [](const ReportLine& l, bool) { return n(l.soloBlocks); }});
    c.append({QStringLiteral("BA"), QStringLiteral("block assists"),
              [](const ReportLine& l, bool) { return n(l.blockAssists); }});
    c.append({QStringLiteral("BE"), QStringLiteral("block errors"),
              [](const ReportLine& l, bool) { return n(l.blockErrors); }});
    c.append({QStringLiteral("BHE"), QStringLiteral("ball-handling errors"),
              [](const ReportLine& l, bool) { return n(l.ballHandleErrors); }});
    c.append({QStringLiteral("PASS"), QStringLiteral("average pass rating (1 to 3)"),
              [](const ReportLine& l, bool) { return FormatPassing(l.passAverage()); }});
    return c;
}

}  // namespace

void FillReportDocument(QTextDocument& doc, const ReportModel& model, const ReportMetrics& m)
{
    const ReportSelection& s = model.selection;
    const bool apart = model.layout == ReportLayout::PositionsApart;
    const QList<Column> cols = columns(model.layout);
    const qreal u = m.unitsPerPoint;

    doc.clear();
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setStyleHint(QFont::SansSerif);
    base.setPointSizeF(m.pointSize);
    doc.setDefaultFont(base);
    doc.setDocumentMargin(4 * u);

    // One line of the box score is one paragraph with right-aligned tab stops: the figures line
    // up as in a table, and a season's report still lays out quickly.
    QList<QTextOption::Tab> tabs;
    qreal x = m.nameWidth * u;
    for (int i = 0; i < cols.size(); ++i) {
        x += m.numberWidth * u;
        tabs.append(QTextOption::Tab(x - 3 * u, QTextOption::RightTab));
    }
    auto lineFormat = [&](const QColor& background) {
        QTextBlockFormat f;
        f.setTabPositions(tabs);
        f.setTopMargin(0);
        f.setBottomMargin(0);
        f.setLeftMargin(3 * u);
        f.setLineHeight(135, QTextBlockFormat::ProportionalHeight);
        if (background.isValid())
            f.setBackground(background);
        return f;
    };
    QTextCharFormat plain;
    plain.setFont(base);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat header = bold;
    header.setForeground(Qt::white);
    QTextCharFormat grey = plain;
    grey.setForeground(QColor(0x55, 0x55, 0x55));

    QTextCursor c(&doc);
    QTextCharFormat title = bold;
    QFont titleFont = base;
    titleFont.setPointSizeF(m.pointSize * 1.6);
    titleFont.setBold(true);
    title.setFont(titleFont);
    QTextBlockFormat titleBlock;
    titleBlock.setBottomMargin(4 * u);
    c.setBlockFormat(titleBlock);
    c.insertText(ReportTitle(), title);

    QTextBlockFormat headingBlock;
    headingBlock.setTabPositions({QTextOption::Tab(m.pointSize * 7 * u, QTextOption::LeftTab)});
    auto headingLine = [&](const QString& label, const QString& value) {
        c.insertBlock(headingBlock);
        c.insertText(label, grey);
        c.insertText(QStringLiteral("\t"), plain);
        c.insertText(value, bold);
    };
    headingLine(QStringLiteral("Dates:"), s.dates);
    headingLine(QStringLiteral("Match:"), s.match);
    headingLine(QStringLiteral("Game:"), s.game);
    headingLine(QStringLiteral("Team:"), s.team);
    headingLine(QStringLiteral("Player:"), s.player);
    headingLine(QStringLiteral("Position:"),
                s.position + (apart ? QStringLiteral(" (positions apart)") : QStringLiteral(" (positions together)")));
    headingLine(QStringLiteral("Order:"), s.order);

    if (model.teams.isEmpty()) {
        QTextBlockFormat f;
        f.setTopMargin(10 * u);
        c.insertBlock(f);
        QTextCharFormat note = plain;
        note.setFontItalic(true);
        c.insertText(QStringLiteral("No statistics were recorded for these choices."), note);
    }

    QFont teamFont = base;
    teamFont.setPointSizeF(m.pointSize * 1.25);
    teamFont.setBold(true);
    QTextCharFormat teamFormat = plain;
    teamFormat.setFont(teamFont);
    const QColor headerColour(0x1f, 0x3a, 0x5f);
    const QColor stripe(0xee, 0xf2, 0xf7);
    const QColor totalsColour(0xd9, 0xde, 0xe5);
    for (const ReportTeam& team : model.teams) {
        QTextBlockFormat teamBlock;
        teamBlock.setTopMargin(10 * u);
        teamBlock.setBottomMargin(2 * u);
        c.insertBlock(teamBlock);
        c.insertText(team.name, teamFormat);

        QStringList head{QStringLiteral("Player")};
        for (const Column& col : cols)
            head << col.head;
        c.insertBlock(lineFormat(headerColour));
        c.insertText(head.join(QLatin1Char('\t')), header);
        int i = 0;
        for (const ReportLine& l : team.lines) {
            QStringList cells{l.player};
            for (const Column& col : cols)
                cells << col.text(l, false);
            c.insertBlock(lineFormat((i++ % 2) ? stripe : QColor()));
            c.insertText(cells.join(QLatin1Char('\t')), plain);
        }
        QStringList totals{team.totals.player};
        for (const Column& col : cols)
            totals << col.text(team.totals, true);
        c.insertBlock(lineFormat(totalsColour));
        c.insertText(totals.join(QLatin1Char('\t')), bold);
    }

    QStringList legend;
    for (const Column& col : cols)
        legend << QStringLiteral("%1 %2").arg(col.head, col.legend);
    QTextBlockFormat legendBlock;
    legendBlock.setTopMargin(10 * u);
    c.insertBlock(legendBlock);
    QTextCharFormat small = grey;
    QFont smallFont = base;
    smallFont.setPointSizeF(m.pointSize * 0.85);
    small.setFont(smallFont);
    c.insertText(legend.join(QStringLiteral("; ")) + QLatin1Char('.'), small);
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
        || value.contains(QLatin1Char('\r')) || value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '))) {
        QString q = value;
        q.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + q + QLatin1Char('"');
    }
    return value;
}

}  // namespace

QString ReportCsv(const ReportModel& model)
{
    const QList<Column> cols = columns(model.layout);
    QStringList head{QStringLiteral("Team"), QStringLiteral("Player")};
    for (const Column& c : cols)
        head << c.head;
    QString out = head.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    auto line = [&](const QString& team, const ReportLine& l, bool totals) {
        QStringList f{csvField(csvText(team)), csvField(csvText(l.player))};
        for (const Column& c : cols)
            f << csvField(c.text(l, totals));
        out += f.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    for (const ReportTeam& team : model.teams) {
        for (const ReportLine& l : team.lines)
            line(team.name, l, false);
        line(team.name, team.totals, true);
    }
    return out;
}
