#include "ReportSeed.h"
#include "core/ReportStore.h"
#include "reports/ReportData.h"
#include "reports/clsReport.h"
#include "reports/frmReportView.h"
#include "support/TestMain.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

namespace {

QString pdfText(const QString& pdf, const QStringList& options = {QStringLiteral("-layout")})
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return QString();
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// Words of a text line with the column just after each: right-aligned figures end where their
// heading ends.
QList<std::pair<QString, int>> wordEnds(const QString& line)
{
    QList<std::pair<QString, int>> out;
    static const QRegularExpression word(QStringLiteral("\\S+"));
    // The reader marks right-to-left runs with invisible characters that take no column.
    static const QRegularExpression marks(QStringLiteral("[\\x{200e}\\x{200f}\\x{202a}-\\x{202e}\\x{2066}-\\x{2069}]"));
    for (auto it = word.globalMatch(QString(line).remove(marks)); it.hasNext();) {
        const auto m = it.next();
        out.append({m.captured(), int(m.capturedEnd())});
    }
    return out;
}

// A line whose every figure differs from the others, so a figure under the wrong heading shows.
ReportLine figures(const QString& name, int number)
{
    ReportLine l;
    l.team = QStringLiteral("Hawks");
    l.playerId = name;
    l.player = name;
    l.number = number;
    l.position = 0;
    l.games = 4;
    for (std::size_t k = 0; k < kStatKinds.size(); ++k)
        l.counts[k] = 20 + qint64(k);
    l.counts[StatIndex("ATTEMPT")] = 90;
    l.pass = {7, 3};
    return l;
}

} // namespace

// The box score as it is read: on screen, on paper, in the files handed on.
class TestBoxScore : public QObject
{
    Q_OBJECT

private slots:
    void figuresStayUnderTheirHeadings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("60 characters") << QStringLiteral("Maximiliana Evangelina Wolfeschlegelsteinhausenbergerdorff-Q");
        QTest::newRow("right to left") << QStringLiteral("\u05e9\u05e8\u05d4 \u05db\u05d4\u05df 12 \u0645\u062d\u0645\u062f");
        QTest::newRow("markup") << QStringLiteral("<b>x</b><img src=\"/etc/passwd\">");
        QTest::newRow("tab and line break") << QStringLiteral("Tab\tin\nname");
    }

    void figuresStayUnderTheirHeadings()
    {
        QFETCH(QString, name);
        QCOMPARE(name.size() == 60, QByteArray(QTest::currentDataTag()) == "60 characters");
        TestApp app;
        const ReportModel model
            = MakeReportModel(ReportLayout::PositionsTogether, {}, {figures(name, 12), figures("Bo", 3)});
        frmReportView window(model);
        const QString pdf = app.dir() + "/report.pdf";
        QVERIFY(window.saveAsPdf(pdf));
        const QStringList printed = pdfText(pdf).split('\n');
        const int head = int(std::find_if(printed.begin(), printed.end(),
                                          [](const QString& l) { return l.contains(QRegularExpression("\\bPTS\\b")); })
                             - printed.begin());
        QVERIFY2(head < printed.size(), qPrintable(printed.join('\n')));
        const auto headings = wordEnds(printed[head]);
        const QList<BoxColumn> cols = BoxColumns(model.layout);
        QCOMPARE(headings.size(), cols.size() + 2); // "#" and "Player" first
        // Both players' figures: the first text line of each row holds them all.
        QStringList rowsSeen;
        for (int i = head + 1; i < printed.size() && rowsSeen.size() < 2; ++i) {
            const auto words = wordEnds(printed[i]);
            if (words.size() < cols.size())
                continue;
            const ReportLine& l = model.teams[0].lines[rowsSeen.size()];
            for (int c = 0; c < cols.size(); ++c) {
                const auto& [heading, end] = headings[c + 2];
                const auto under = std::find_if(words.begin(), words.end(),
                                                [end = end](const auto& w) { return std::abs(w.second - end) <= 2; });
                QVERIFY2(under != words.end() && under->first == cols[c].text(l, false),
                         qPrintable(heading + " in\n" + printed.mid(head, 8).join('\n')));
            }
            rowsSeen << printed[i];
        }
        QCOMPARE(rowsSeen.size(), 2);
        // Shown as the characters it is made of, never as markup, on screen, on paper and in the file.
        const QString plain = window.findChild<QTextBrowser*>("txtPreview")->toPlainText();
        QVERIFY2(plain.contains(name), qPrintable(plain));
        // Compared as characters: the PDF joins "ff" into one glyph, and the reader takes a tab's
        // two sides for two places.
        QString compact = pdfText(pdf, {}).normalized(QString::NormalizationForm_KC), wanted = name;
        compact.remove(QRegularExpression("\\s"));
        wanted.remove(QRegularExpression("\\s"));
        if (!name.isRightToLeft() && !name.contains('\t'))
            QVERIFY2(compact.contains(wanted), qPrintable(compact));
        QVERIFY(ReportCsv(model).contains(QString(name).replace('"', "\"\"")));
    }

    void paperFillsThePageAndRepeatsHeadings()
    {
        TestApp app;
        std::vector<ReportLine> lines;
        for (int i = 0; i < 90; ++i)
            lines.push_back(figures(QStringLiteral("Player %1").arg(i, 2, 10, QChar('0')), i));
        const QString pdf = app.dir() + "/long.pdf";
        QVERIFY(frmReportView(MakeReportModel(ReportLayout::PositionsTogether, {}, lines)).saveAsPdf(pdf));
        const QString text = pdfText(pdf);
        const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 2);
        for (int p = 0; p < pages.size(); ++p) {
            QVERIFY2(pages[p].contains(QRegularExpression("\\bGP\\s+K\\s+E\\s+TA\\s+PCT\\b")), qPrintable(pages[p]));
            QVERIFY(pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())));
        }
        // Word boxes in points: the figures at 9 points or more, the last column at the page's
        // right margin (landscape Letter, 792 points wide, 10 mm margins).
        const QString boxes = pdfText(pdf, {QStringLiteral("-bbox")});
        static const QRegularExpression word(
            "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
        double ptsRight = 0, smallest = 1e9;
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(5) == QLatin1String("PTS"))
                ptsRight = std::max(ptsRight, m.captured(3).toDouble());
            if (m.captured(5) == QLatin1String("Player"))
                smallest = std::min(smallest, m.captured(4).toDouble() - m.captured(2).toDouble());
        }
        QVERIFY2(ptsRight > 792 - 28.35 - 8, qPrintable(QString::number(ptsRight)));
        // A word's box is about 1.16 times its point size tall in this font.
        QVERIFY2(smallest >= 9 * 1.1 && smallest < 1e9, qPrintable(QString::number(smallest)));
    }

    void windowFitsTheScreen()
    {
        TestApp app;
        frmReportView window(MakeReportModel(ReportLayout::PositionsTogether, {}, {figures("Bo", 3)}));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect area = window.screen()->availableGeometry();
        QVERIFY2(area.contains(window.frameGeometry()), qPrintable(QString("%1x%2").arg(area.width()).arg(area.height())));
        for (QPushButton* b : window.findChildren<QPushButton*>()) {
            QVERIFY(b->isVisible());
            QVERIFY(window.rect().contains(QRect(b->mapTo(&window, QPoint()), b->size())));
        }
    }

    void maxPrepsAsImported()
    {
        TestApp app;
        const seed::Season s = seed::addSeason(app);
        // Apart, so that a player's several lines must become one.
        const ReportStatement st = BuildReportStatement(seed::choices(s, "apart"));
        const ReportModel model = MakeReportModel(st.layout, {}, ReportStore::Fill(st));
        QFile expected(QFINDTESTDATA("maxpreps_expected.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(ReportMaxPreps(model), QString::fromUtf8(expected.readAll()));
    }

    void playerLinesStayTogether_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("lines");
        // A: zone 1 five kills in six attempts, zone 2 one kill in six attempts, and a game with
        // no action; B: zone 3 three kills in three attempts.
        QTest::newRow("kills") << "KILL"
                               << "A 1 2 5,A 2  1,B 3 1 3";
        QTest::newRow("percentage") << "PERCENTAGE"
                                    << "B 3 1 3,A 1 2 5,A 2  1";
        QTest::newRow("name") << "PLAYERNAME"
                              << "A 1 2 5,A 2  1,B 3 1 3";
    }

    void playerLinesStayTogether()
    {
        QFETCH(QString, order);
        QFETCH(QString, lines);
        TestApp app;
        const RecordId t = app.addTeam("T");
        const RecordId a = app.addPlayer(t, "A", 1), b = app.addPlayer(t, "B", 2);
        const RecordId m = seed::addMatch(seed::at(8, 1, 10, 0), t, app.addTeam("U"));
        const RecordId g1 = seed::addGame(m, 1), g2 = seed::addGame(m, 2);
        for (const auto& [game, player] : {std::pair{g1, a}, {g1, b}, {g2, a}})
            seed::addPlayed(game, player);
        seed::addStat(g1, a, 1, "KILL", 5);
        seed::addStat(g1, a, 1, "ATTEMPT", 1);
        seed::addStat(g1, a, 2, "KILL", 1);
        seed::addStat(g1, a, 2, "ATTEMPT", 5);
        seed::addStat(g1, b, 3, "KILL", 3);
        const ReportChoices c = seed::choices({}, "apart;order=" + order);
        const ReportModel model = MakeReportModel(ReportLayout::PositionsApart, {}, ReportStore::Fill(BuildReportStatement(c)));
        const QList<BoxColumn> cols = BoxColumns(model.layout);
        QStringList got;
        for (const ReportLine& l : model.teams.value(0).lines)
            got << QStringList{l.player, cols[0].text(l, false), cols[1].text(l, false), cols[2].text(l, false)}.join(' ');
        QCOMPARE(got.join(','), lines);
    }

    void overflowNamesWhose_data()
    {
        QTest::addColumn<QList<qint64>>("kills"); // per player: A's two games, then B's and C's
        QTest::addColumn<QString>("who");
        const qint64 big = std::numeric_limits<qint64>::max() / 2 + 1;
        QTest::newRow("one player's games") << QList<qint64>{big, big, 1, 1} << "A (T)";
        // Each player's sums fit; the team's do not.
        const qint64 third = std::numeric_limits<qint64>::max() / 3;
        QTest::newRow("a team's totals") << QList<qint64>{third, 9, third, third} << "the totals of T";
    }

    void overflowNamesWhose()
    {
        QFETCH(QList<qint64>, kills);
        QFETCH(QString, who);
        TestApp app;
        const RecordId t = app.addTeam("T");
        const RecordId m = seed::addMatch(seed::at(8, 1, 10, 0), t, app.addTeam("U"));
        const RecordId g1 = seed::addGame(m, 1), g2 = seed::addGame(m, 2);
        const QList<RecordId> players{app.addPlayer(t, "A", 1), app.addPlayer(t, "B", 2), app.addPlayer(t, "C", 3)};
        // Kept totals as another tool could leave them; the kills also count as attempts.
        const QList<std::pair<RecordId, RecordId>> where{
            {g1, players[0]}, {g2, players[0]}, {g1, players[1]}, {g1, players[2]}};
        for (int i = 0; i < where.size(); ++i) {
            seed::addPlayed(where[i].first, where[i].second);
            Execute("INSERT INTO TOTALS (GAMEID, PLAYERID, POSITION, KILL, ATTEMPT, ACTIONS) VALUES (?, ?, 1, ?, ?, 1)",
                    {Bind(where[i].first), Bind(where[i].second), kills[i], kills[i]});
        }
        QString named;
        try {
            const ReportStatement st = BuildReportStatement({});
            MakeReportModel(st.layout, {}, ReportStore::Fill(st));
        } catch (const ReportOverflow& e) {
            named = e.who();
        }
        QCOMPARE(named, who);
    }

    void matchResultHeading()
    {
        TestApp app;
        const seed::Season s = seed::addSeason(app);
        for (const auto& [game, home, away] : {std::tuple{"m1g1", 25, 20}, {"m1g2", 18, 25}, {"m1g3", 15, 10}})
            Execute("UPDATE GAME SET HOMESCORE = ?, AWAYSCORE = ? WHERE GAMEID = ?", {home, away, Bind(s[game])});
        QCOMPARE(ResultText(ReportStore::Result(s["m1"])),
                 QStringLiteral("Hawks 2, O'Brien's \"Eagles\" 1 (25\u201320, 18\u201325, 15\u201310)"));
        Execute("DELETE FROM GAME WHERE MATCHID = ?", {Bind(s["m2"])});
        QCOMPARE(ResultText(ReportStore::Result(s["m2"])), QStringLiteral("Vipers v Hawks, no game recorded"));
    }
};

SIDELINES_TEST(TestBoxScore)
#include "tst_boxscore.moc"
