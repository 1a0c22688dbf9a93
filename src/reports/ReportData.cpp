#include "reports/ReportData.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
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
        team.lines.append(l);
        team.totals.add(l);
    }
    return model;
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
    return QCoreApplication::translate("ReportData", "Player Statistics");
}

QString BoxColumn::text(const ReportLine& l, bool totals) const
{
    switch (kind) {
    case Kind::Position:
        return totals || l.position.isNull() ? QString() : QString::number(l.position.toInt());
    case Kind::Games:
        return totals ? QString() : QString::number(l.games);
    case Kind::Hitting:
        return FormatHitting(l.hitting());
    case Kind::Stat:
        break;
    }
    if (kStatKinds[stat].shape == StatShape::Rating)
        return FormatPassing(l.passAverage());
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
        c.append({QString::fromLatin1(kStatKinds[k].heading), StatText(kStatKinds[k].legend), K::Stat, k});
        // The percentage follows the attacks it is taken from.
        if (k == StatIndex("ATTEMPT"))
            c.append({QCoreApplication::translate("ReportData", "PCT"),
                      QCoreApplication::translate("ReportData", "hitting percentage (K-E)/TA"), K::Hitting});
    }
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
    headingLine(QCoreApplication::translate("ReportData", "Dates:"), s.dates);
    headingLine(QCoreApplication::translate("ReportData", "Match:"), s.match);
    headingLine(QCoreApplication::translate("ReportData", "Game:"), s.game);
    headingLine(QCoreApplication::translate("ReportData", "Team:"), s.team);
    headingLine(QCoreApplication::translate("ReportData", "Player:"), s.player);
    headingLine(QCoreApplication::translate("ReportData", "Position:"),
                s.position
                    + (apart ? QCoreApplication::translate("ReportData", " (positions apart)")
                             : QCoreApplication::translate("ReportData", " (positions together)")));
    headingLine(QCoreApplication::translate("ReportData", "Order:"), s.order);

    if (model.teams.isEmpty()) {
        QTextBlockFormat f;
        f.setTopMargin(10 * u);
        c.insertBlock(f);
        QTextCharFormat note = plain;
        note.setFontItalic(true);
        c.insertText(QCoreApplication::translate("ReportData", "No statistics were recorded for these choices."), note);
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

        QStringList head{QCoreApplication::translate("ReportData", "Player")};
        for (const BoxColumn& col : cols)
            head << col.head;
        c.insertBlock(lineFormat(headerColour));
        c.insertText(head.join(QLatin1Char('\t')), header);
        int i = 0;
        for (const ReportLine& l : team.lines) {
            QStringList cells{l.player};
            for (const BoxColumn& col : cols)
                cells << col.text(l, false);
            c.insertBlock(lineFormat((i++ % 2) ? stripe : QColor()));
            c.insertText(cells.join(QLatin1Char('\t')), plain);
        }
        QStringList totals{team.totals.player};
        for (const BoxColumn& col : cols)
            totals << col.text(team.totals, true);
        c.insertBlock(lineFormat(totalsColour));
        c.insertText(totals.join(QLatin1Char('\t')), bold);
    }

    QStringList legend;
    for (const BoxColumn& col : cols)
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
    QStringList head{QCoreApplication::translate("ReportData", "Team"),
                     QCoreApplication::translate("ReportData", "Player")};
    for (const BoxColumn& c : cols)
        head << c.head;
    QString out = head.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    auto line = [&](const QString& team, const ReportLine& l, bool totals) {
        QStringList f{csvField(csvText(team)), csvField(csvText(l.player))};
        for (const BoxColumn& c : cols)
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
