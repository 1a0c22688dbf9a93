#include "storage/MatchStore.h"
#include "ReportSeed.h"
#include "storage/ReportStore.h"
#include "reports/ReportData.h"
#include "reports/clsReport.h"
#include "reports/frmReportView.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

namespace {

// Words of a printed line with the column just after each: right-aligned figures end where their
// heading ends. The reader's invisible marks around right-to-left runs take no column.
QList<std::pair<QString, int>> wordEnds(QString line)
{
    line.remove(QRegularExpression(QStringLiteral("[\\x{200e}\\x{200f}\\x{202a}-\\x{202e}\\x{2066}-\\x{2069}]")));
    QList<std::pair<QString, int>> out;
    for (auto it = QRegularExpression(QStringLiteral("\\S+")).globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        out.append({m.captured(), int(m.capturedEnd())});
    }
    return out;
}

// A line whose figures all differ, so that a figure under the wrong heading shows.
ReportLine figures(const QString& name, int number)
{
    ReportLine l;
    l.team = QStringLiteral("Hawks");
    l.playerId = l.player = name;
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
    void figuresStayUnderTheirHeadings_data() { table::Rows(QStringLiteral("boxscore.txt")); }

    void figuresStayUnderTheirHeadings()
    {
        QFETCH(QString, name);
        TestApp app;
        const ReportModel model
            = MakeReportModel(ReportLayout::PositionsTogether, {}, {figures(name, 12), figures("Bo", 3)});
        frmReportView window(model);
        const QString pdf = app.dir() + "/report.pdf";
        QVERIFY(window.saveAsPdf(pdf));
        const QStringList printed = seed::pdfText(pdf).split('\n');
        const auto head
            = std::find_if(printed.begin(), printed.end(), [](const QString& l) { return l.contains(" PTS"); });
        QVERIFY2(head != printed.end(), qPrintable(printed.join('\n')));
        const auto headings = wordEnds(*head);
        const QList<BoxColumn> cols = BoxColumns(model.layout);
        QCOMPARE(headings.size(), cols.size() + 2); // "#" and "Player" first
        // The first printed line of each player's row holds all the figures.
        int seen = 0;
        for (auto line = head + 1; line != printed.end() && seen < 2; ++line) {
            const auto words = wordEnds(*line);
            if (words.size() < cols.size())
                continue;
            for (int c = 0; c < cols.size(); ++c) {
                const int end = headings[c + 2].second;
                const auto under = std::find_if(words.begin(), words.end(),
                                                [end](const auto& w) { return std::abs(w.second - end) <= 2; });
                QVERIFY2(under != words.end() && under->first == cols[c].text(model.teams[0].lines[seen], false),
                         qPrintable(headings[c + 2].first + " in\n" + QStringList(head, head + 8).join('\n')));
            }
            ++seen;
        }
        QCOMPARE(seen, 2);
        // The name as the characters it is made of, never as markup: on screen, on paper (where
        // "ff" is one glyph and a tab's two sides read as two places) and in the file.
        QVERIFY(window.findChild<QTextBrowser*>("txtPreview")->toPlainText().contains(name));
        const QRegularExpression blank("\\s");
        if (!name.isRightToLeft() && !name.contains('\t'))
            QVERIFY(seed::pdfText(pdf, {})
                        .normalized(QString::NormalizationForm_KC)
                        .remove(blank)
                        .contains(QString(name).remove(blank)));
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
        const QStringList pages = seed::pdfText(pdf).split('\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 2);
        for (int p = 0; p < pages.size(); ++p) {
            QVERIFY2(pages[p].contains(QRegularExpression("\\bGP\\s+K\\s+E\\s+TA\\s+PCT\\b")), qPrintable(pages[p]));
            QVERIFY(pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())));
        }
        // Word boxes in points: the last column ends at the right margin of landscape Letter (792
        // points, 10 mm margins); a word's box is about 1.16 times its font's size in this font.
        double ptsRight = 0, smallest = 1e9;
        static const QRegularExpression word("yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(PTS|Player)<");
        for (auto it = word.globalMatch(seed::pdfText(pdf, {"-bbox"})); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(4) == "PTS")
                ptsRight = std::max(ptsRight, m.captured(2).toDouble());
            smallest = std::min(smallest, m.captured(3).toDouble() - m.captured(1).toDouble());
        }
        QVERIFY2(ptsRight > 792 - 28.35 - 8, qPrintable(QString::number(ptsRight)));
        QVERIFY2(smallest >= 9 * 1.1 && smallest < 1e9, qPrintable(QString::number(smallest)));
    }

    void maxPrepsAsImported()
    {
        TestApp app;
        const seed::Season s = seed::addSeason(app);
        // Apart, so that a player's several lines must become one.
        const ReportStatement st = BuildReportStatement(seed::choices(s, "apart"));
        QFile expected(QStringLiteral(SIDELINES_TEST_DATA "/maxpreps_expected.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        // The header, then the players: shirts 1 to 3 are the Hawks', 4 and 5 the Eagles', 6 and 7
        // the Vipers'. MaxPreps takes one team a file.
        const QStringList lines = QString::fromUtf8(expected.readAll()).split('\n');
        const ReportModel model = MakeReportModel(st.layout, {}, ReportStore::Fill(st));
        QCOMPARE(model.teams.size(), 3);
        const QList<QStringList> files{lines.mid(1, 3), lines.mid(4, 2), lines.mid(6, 2)};
        for (int t = 0; t < 3; ++t)
            QCOMPARE(ReportMaxPreps(model.teams[t]), (QStringList{lines[0]} + files[t]).join('\n') + '\n');
    }

    // Each player's sum fits but the team's totals do not (a player's own overflow is the wizard's test).
    void overflowInTotalsNamesTheTeam()
    {
        TestApp app;
        const RecordId t = app.addTeam("T");
        const RecordId g = seed::addGame(seed::addMatch(seed::at(8, 1, 10, 0), t, app.addTeam("U")), 1);
        const qint64 third = std::numeric_limits<qint64>::max() / 3 + 1;
        for (const char* name : {"A", "B", "C"}) {
            // Kept totals as another tool could leave them.
            const RecordId p = app.addPlayer(t, name, name[0] - 'A' + 1);
            seed::addPlayed(g, p);
            Execute("INSERT INTO TOTALS (GAMEID, PLAYERID, POSITION, KILL, ATTEMPT) VALUES (?, ?, 1, ?, ?)",
                    {Bind(g), Bind(p), third, third});
        }
        const ReportStatement st = BuildReportStatement({});
        QString named;
        try {
            MakeReportModel(st.layout, {}, ReportStore::Fill(st));
        } catch (const ReportOverflow& e) {
            named = e.who();
        }
        QCOMPARE(named, QStringLiteral("the totals of T"));
    }

    void matchResultHeading()
    {
        TestApp app;
        const seed::Season s = seed::addSeason(app);
        for (const auto& [game, home, away] : {std::tuple{"m1g1", 25, 20}, {"m1g2", 18, 25}, {"m1g3", 15, 10}})
            Execute("UPDATE GAME SET HOMESCORE = ?, AWAYSCORE = ? WHERE GAMEID = ?", {home, away, Bind(s[game])});
        // A match without a game (one with its games is TestReportFlows::headingInOneForm's).
        Execute("DELETE FROM GAME WHERE MATCHID = ?", {Bind(s["m2"])});
        QCOMPARE(ResultText(ReportStore::Result(s["m2"])), QStringLiteral("Hawks v Vipers, no game recorded"));
        // The match's own length, when it was kept with it, decides which games are won.
        MatchStore::SaveOptions(s["m1"], {QStringLiteral("LEFT"), 5, 25, false, false});
        QCOMPARE(ResultText(ReportStore::Result(s["m1"])),
                 seed::kEagles + " 1, Hawks 1 (20\u201325, 25\u201318, 10\u201315 unfinished)");
    }

    // Only games the rules decided are won; a game left before its end is shown as it stood.
    void matchResult_data() { table::Rows(QStringLiteral("boxscore.txt")); }
    void matchResult()
    {
        QFETCH(int, games);
        QFETCH(int, points);
        QFETCH(QList<int>, scores);
        QFETCH(QString, result);
        ReportStore::MatchResult r;
        r.home = QStringLiteral("Hawks");
        r.away = QStringLiteral("Owls");
        for (qsizetype i = 0; i + 1 < scores.size(); i += 2)
            r.games.emplace_back(scores[i], scores[i + 1]);
        if (games)
            r.format = GameRules::MatchFormat{games, points};
        QCOMPARE(ResultText(r), result);
    }
};

SIDELINES_TEST(TestBoxScore)
#include "tst_boxscore.moc"
