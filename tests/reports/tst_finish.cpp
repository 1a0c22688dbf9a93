#include "ReportSeed.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include "reports/ReportEngine.h"
#include "reports/frmReportView.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

using drive::choose;
using drive::click;
using drive::get;
using drive::Choices;
using drive::finishWith;
using drive::walk;

namespace {

// REPORT as comparable lines: team|player|position|K A E SA SE DIG RE BS BA BE BHE AST|pass|pct|rows
QStringList reportLines(const TestApp& app)
{
    QStringList out;
    for (const QVariantList& r : app.rows(QStringLiteral(
             "SELECT TEAMNAME, PLAYERNAME, POSITION, KILL, ATTEMPT, ERROR, SERVEACE, SERVEERROR, DIG, RECEIVEERROR, "
             "SOLOBLOCK, BLOCKASSIST, BLOCKERROR, BALLHANDLEERROR, SETASSIST, PASSING, PERCENTAGE, GAMESPLAYED FROM REPORT"))) {
        QStringList totals;
        for (int i = 3; i < 15; ++i)
            totals << r[i].toString();
        QString team = r[0].toString();
        if (team == seed::eaglesName())
            team = QStringLiteral("Eagles");
        out << QStringList{team, r[1].toString(), r[2].isNull() ? QStringLiteral("-") : r[2].toString(),
                           totals.join(QLatin1Char(' ')), QString::number(r[15].toDouble(), 'f', 2),
                           QString::number(r[16].toDouble(), 'f', 7), r[17].toString()}
                   .join(QLatin1Char('|'));
    }
    out.sort();
    return out;
}

QStringList gameCounts(const TestApp& app)
{
    QStringList out;
    for (const QVariantList& r : app.rows(QStringLiteral(
             "SELECT PLAYER.PLAYERNAME, GAMECOUNT.GAMESPLAYED FROM GAMECOUNT LEFT JOIN PLAYER ON PLAYER.PLAYERID = GAMECOUNT.PLAYERID")))
        out << r[0].toString() + QLatin1Char('=') + r[1].toString();
    out.sort();
    return out;
}

QString row(const char* team, const char* player, const char* pos, const char* totals, const char* pass, const char* pct,
            int rows)
{
    return QStringList{QString::fromUtf8(team), QString::fromUtf8(player), QString::fromUtf8(pos), QString::fromUtf8(totals),
                       QString::fromUtf8(pass), QString::fromUtf8(pct), QString::number(rows)}
        .join(QLatin1Char('|'));
}

constexpr auto kNone = "0 0 0 0 0 0 0 0 0 0 0 0";
constexpr auto kZero = "0.0000000";

}  // namespace

Q_DECLARE_METATYPE(drive::Choices)

// What "Finish" writes into REPORT and GAMECOUNT, and how it fails.
class TestReportData : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        if (auto* w = VB_REPORT().LastWindow())
            w->close();
        QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(','))));
    }

    void reportTables_data()
    {
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<QStringList>("games");
        QTest::addColumn<QString>("layout");

        // Each group of rows is one team, one player name, one player and one raw zone.
        const QString annZone2 = row("Hawks", "Ann", "0", "5 12 1 0 0 0 0 0 0 0 0 0", "0.00", "0.3333333", 12);
        const QString annZone8 = row("Hawks", "Ann", "0", "0 0 0 0 0 1 0 0 0 0 0 0", "2.00", kZero, 4);
        const QString annZone5 = row("Hawks", "Ann", "0", "2 3 0 0 0 0 0 0 0 0 0 0", "0.00", "0.6666666", 3);
        const QString bea = row("Hawks", "Bea", "0", kNone, "0.00", kZero, 1);
        const QString catZone3 = row("Hawks", "Cat", "0", "0 0 0 1 1 0 0 0 0 0 0 0", "3.00", kZero, 5);
        const QString catZone9 = row("Hawks", "Cat", "0", "0 0 0 1 0 0 0 0 0 0 0 0", "1.00", kZero, 2);
        const QString deeZone7 = row("Eagles", "Dee", "0", "0 0 0 0 0 0 0 1 2 0 0 0", "0.00", kZero, 3);
        const QString deeZone1 = row("Eagles", "Dee", "0", "1 1 0 0 0 0 0 0 0 0 0 0", "0.00", "0.9999999", 1);
        const QString eveZone4 = row("Eagles", "Eve", "0", "0 0 0 0 0 0 1 0 0 1 1 3", "0.00", kZero, 6);
        const QString eveZone6 = row("Eagles", "Eve", "0", "1 1 0 0 0 0 0 0 0 0 0 0", "0.00", "0.9999999", 1);
        const QString fay = row("Vipers", "Fay", "0", "0 0 0 0 0 2 0 0 0 0 0 0", "0.00", kZero, 4);
        const QString gus = row("Vipers", "Gus", "0", "0 1 1 0 0 0 0 0 0 0 0 0", "0.00", "-0.9999999", 1);
        const QStringList all{annZone2, annZone8, annZone5, bea, catZone3, catZone9, deeZone7, deeZone1,
                              eveZone4, eveZone6, fay, gus};
        const QStringList allGames{"Ann=3", "Bea=1", "Cat=2", "Dee=2", "Eve=2", "Fay=1", "Gus=1"};
        auto at = [](QString line, const char* pos) {
            QStringList f = line.split(QLatin1Char('|'));
            f[2] = QString::fromLatin1(pos);
            return f.join(QLatin1Char('|'));
        };
        auto sorted = [](QStringList l) {
            l.sort();
            return l;
        };

        Choices c;
        QTest::newRow("everything, positions together") << c << sorted(all) << allGames << "vbsum.rpt";

        c.apart = true;
        QTest::newRow("everything, positions apart")
            << c
            << sorted({at(annZone2, "2"), at(annZone8, "2"), at(annZone5, "5"), at(bea, "-"), at(catZone3, "3"),
                       at(catZone9, "3"), at(deeZone7, "1"), at(deeZone1, "1"), at(eveZone4, "4"), at(eveZone6, "6"),
                       at(fay, "1"), at(gus, "2")})
            << allGames << "vbpositn.rpt";

        c = Choices{};
        c.position = QStringLiteral("Position 2");
        QTest::newRow("one position: zones 2 and 8 only")
            << c << sorted({at(annZone2, "2"), at(annZone8, "2"), at(gus, "2")}) << allGames << "vbpositn.rpt";

        c = Choices{};
        c.first = QStringLiteral("03/12/2026");
        QTest::newRow("one date") << c << sorted({annZone5, fay}) << QStringList{"Ann=1", "Fay=1"} << "vbsum.rpt";

        c.first = QStringLiteral("03/05/2026");
        c.second = QStringLiteral("03/12/2026");
        QTest::newRow("date range, both ends included")
            << c << sorted({annZone2, annZone8, annZone5, bea, catZone3, catZone9, deeZone7, deeZone1, eveZone4, fay})
            << QStringList{"Ann=3", "Bea=1", "Cat=2", "Dee=2", "Eve=1", "Fay=1"} << "vbsum.rpt";

        c = Choices{};
        c.team = seed::eaglesName();
        QTest::newRow("team with quotes in its name")
            << c << sorted({deeZone7, deeZone1, eveZone4, eveZone6}) << QStringList{"Dee=2", "Eve=2"} << "vbsum.rpt";

        c = Choices{};
        c.player = QStringLiteral("Ann");
        QTest::newRow("one player") << c << sorted({annZone2, annZone8, annZone5}) << QStringList{"Ann=3"} << "vbsum.rpt";

        c = Choices{};
        c.game = QStringLiteral("Game 2");
        QTest::newRow("second games") << c << sorted({annZone8, catZone9}) << QStringList{"Ann=1", "Cat=1"} << "vbsum.rpt";

        c = Choices{};
        c.match = seed::eaglesName() + QStringLiteral(" vs Hawks");
        QTest::newRow("one match")
            << c << sorted({annZone2, annZone8, bea, catZone3, catZone9, deeZone7, deeZone1, eveZone4})
            << QStringList{"Ann=2", "Bea=1", "Cat=2", "Dee=2", "Eve=1"} << "vbsum.rpt";

        c.game = QStringLiteral("Game 1");
        c.team = QStringLiteral("Hawks");
        c.order = QStringLiteral("By Kills");
        QTest::newRow("one match, first game, one team")
            << c << sorted({annZone2, bea, row("Hawks", "Cat", "0", "0 0 0 1 1 0 0 0 0 0 0 0", "3.00", kZero, 5)})
            << QStringList{"Ann=1", "Bea=1", "Cat=1"} << "vbsum.rpt";
    }

    void reportTables()
    {
        QFETCH(Choices, choices);
        QFETCH(QStringList, report);
        QFETCH(QStringList, games);
        QFETCH(QString, layout);
        TestApp app;
        seed::addSeason(app);
        QVERIFY(finishWith(choices));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{});
        QCOMPARE(reportLines(app), report);
        QCOMPARE(gameCounts(app), games);
        QCOMPARE(VB_REPORT().ReportFileName(), pubAppPath + layout);
        QVERIFY(pubOK);
        QVERIFY(VB_REPORT().LastWindow());
        QVERIFY(VB_REPORT().LastWindow()->isVisible());
        QCOMPARE(StatusText(), QString());
        QVERIFY(!QApplication::overrideCursor());
    }

    void eachTotalLandsInItsColumn()
    {
        TestApp app;
        const RecordId t = app.addTeam(QStringLiteral("T"));
        const RecordId u = app.addTeam(QStringLiteral("U"));
        const RecordId p = app.addPlayer(t, QStringLiteral("P"), 1);
        const RecordId g = seed::addGame(seed::addMatch(seed::at(8, 1, 10, 0), t, u), 1);
        seed::addPlayed(g, p);
        const QStringList columns{"KILL", "ERROR", "ATTEMPT", "SERVEACE", "SERVEERROR", "DIG", "RECEIVEERROR",
                                  "SOLOBLOCK", "BLOCKASSIST", "BLOCKERROR", "BALLHANDLEERROR", "SETASSIST"};
        // Counts 1 to 12 in this order; kills and errors add to the attempts.
        for (int i = 0; i < columns.size(); ++i)
            seed::addStat(g, p, 4, columns[i], i + 1);
        QVERIFY(finishWith(Choices{}));
        const auto rows = app.rows(QStringLiteral(
            "SELECT KILL, ERROR, ATTEMPT, SERVEACE, SERVEERROR, DIG, RECEIVEERROR, SOLOBLOCK, BLOCKASSIST, BLOCKERROR, "
            "BALLHANDLEERROR, SETASSIST, PLAYERNAME, TEAMNAME, POSITION FROM REPORT"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0], (QVariantList{1, 2, 3 + 1 + 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, "P", "T", 0}));
    }

    void rowsWithEqualTotalsAreNotCollapsed()
    {
        // Positions together: one dig in zone 3 and one in zone 9 are two rows with equal values;
        // both must be kept, or a dig is lost.
        TestApp app;
        const RecordId t = app.addTeam(QStringLiteral("T"));
        const RecordId p = app.addPlayer(t, QStringLiteral("P"), 1);
        const RecordId g = seed::addGame(seed::addMatch(seed::at(8, 1, 10, 0), t, app.addTeam(QStringLiteral("U"))), 1);
        seed::addPlayed(g, p);
        seed::addStat(g, p, 3, QStringLiteral("DIG"), 1);
        seed::addStat(g, p, 9, QStringLiteral("DIG"), 1);
        QVERIFY(finishWith(Choices{}));
        QCOMPARE(app.scalar(QStringLiteral("SELECT SUM(DIG) FROM REPORT")).toInt(), 2);
        QCOMPARE(app.count(QStringLiteral("REPORT")), 2);
    }

    void onlyTheGamesAPlayerTookPartInCount()
    {
        // P played games 1 and 2 of the match and recorded a kill in zone 4 of game 1 only; a dig
        // of P in game 3, which P never took part in, is no part of the report. Q took part in
        // game 1 but Q's team is not in the match: Q's kill is no part of the report, while the
        // game count, which never asked for the team, still counts Q's game.
        TestApp app;
        const RecordId t = app.addTeam(QStringLiteral("T"));
        const RecordId u = app.addTeam(QStringLiteral("U"));
        const RecordId v = app.addTeam(QStringLiteral("V"));
        const RecordId p = app.addPlayer(t, QStringLiteral("P"), 1);
        const RecordId q = app.addPlayer(v, QStringLiteral("Q"), 2);
        const RecordId m = seed::addMatch(seed::at(8, 1, 10, 0), t, u);
        const RecordId g1 = seed::addGame(m, 1);
        const RecordId g2 = seed::addGame(m, 2);
        const RecordId g3 = seed::addGame(m, 3);
        seed::addPlayed(g1, p);
        seed::addPlayed(g2, p);
        seed::addPlayed(g1, q);
        seed::addStat(g1, p, 4, QStringLiteral("KILL"), 1);
        seed::addStat(g3, p, 4, QStringLiteral("DIG"), 1);
        seed::addStat(g1, q, 2, QStringLiteral("KILL"), 1);
        Choices c;
        c.apart = true;
        QVERIFY(finishWith(c));
        QCOMPARE(reportLines(app), (QStringList{row("T", "P", "-", kNone, "0.00", kZero, 1),
                                                row("T", "P", "4", "1 1 0 0 0 0 0 0 0 0 0 0", "0.00", "0.9999999", 1)}));
        QCOMPARE(gameCounts(app), (QStringList{"P=2", "Q=1"}));
    }

    void passAverage_data()
    {
        QTest::addColumn<QList<int>>("passes");
        QTest::addColumn<QString>("average");
        QTest::newRow("2, 3 and 3 taken back") << QList<int>{2, 3, -3} << "2.00";
        QTest::newRow("3 taken back, none left") << QList<int>{3, -3} << "0.00";
        QTest::newRow("1, 2, 3") << QList<int>{1, 2, 3} << "2.00";
        QTest::newRow("3, 3, 1") << QList<int>{3, 3, 1} << "2.33";
        QTest::newRow("no pass") << QList<int>{} << "0.00";
    }

    void passAverage()
    {
        QFETCH(QList<int>, passes);
        QFETCH(QString, average);
        TestApp app;
        const RecordId t = app.addTeam(QStringLiteral("T"));
        const RecordId p = app.addPlayer(t, QStringLiteral("P"), 1);
        const RecordId g = seed::addGame(seed::addMatch(seed::at(8, 1, 10, 0), t, app.addTeam(QStringLiteral("U"))), 1);
        seed::addPlayed(g, p);
        for (int rating : passes)
            seed::addPass(g, p, 6, rating);
        QVERIFY(finishWith(Choices{}));
        QCOMPARE(QString::number(app.scalar(QStringLiteral("SELECT PASSING FROM REPORT")).toDouble(), 'f', 2), average);
    }

    void failureKeepsTheWizardOpen_data()
    {
        QTest::addColumn<QString>("dropped");
        QTest::newRow("first statement fails") << "REPORT";
        QTest::newRow("game count fails after the report rows") << "GAMECOUNT";
    }

    void failureKeepsTheWizardOpen()
    {
        QFETCH(QString, dropped);
        TestApp app;
        seed::addSeason(app);
        Execute(QStringLiteral("INSERT INTO REPORT (TEAMNAME, PLAYERNAME, KILL) VALUES ('Old', 'Report', 9)"));
        Execute(QStringLiteral("INSERT INTO GAMECOUNT (PLAYERID, GAMESPLAYED) VALUES ('x', 4)"));
        int pageAfterFailure = 0;
        bool openAfterFailure = false, cursorAfterFailure = true, finishedSecondTime = false;
        QString statusAfterFailure = QStringLiteral("?");
        QStringList reportAfterFailure;
        drive::runWizard([&](QWidget* w) {
            Choices c;
            c.order = QStringLiteral("By Kills");
            QVERIFY(walk(w, c));
            // The table names are the test's own constants.
            Execute(QStringLiteral("ALTER TABLE %1 RENAME TO %1_AWAY").arg(dropped));
            click(get<QPushButton>(w, "cmdFinish"));
            openAfterFailure = w->isVisible();
            pageAfterFailure = drive::page(w);
            cursorAfterFailure = QApplication::overrideCursor() != nullptr;
            statusAfterFailure = StatusText();
            // Mend the database; the choices are kept and Finish works this time.
            Execute(QStringLiteral("ALTER TABLE %1_AWAY RENAME TO %1").arg(dropped));
            reportAfterFailure = app.rows(QStringLiteral("SELECT TEAMNAME FROM REPORT")).isEmpty()
                                     ? QStringList{}
                                     : QStringList{app.scalar(QStringLiteral("SELECT TEAMNAME FROM REPORT")).toString()};
            QCOMPARE(get<QComboBox>(w, "cmbOrder")->currentText(), QStringLiteral("By Kills"));
            click(get<QPushButton>(w, "cmdFinish"));
            finishedSecondTime = !w->isVisible();
        });
        QVERIFY(openAfterFailure);
        QCOMPARE(pageAfterFailure, 4);
        QVERIFY(!cursorAfterFailure);
        QCOMPARE(statusAfterFailure, QString());
        const auto asked = MsgBoxHook::asked();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, QStringLiteral("Error Creating report please try again"));
        QCOMPARE(asked[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(asked[0].icon, QMessageBox::NoIcon);
        QCOMPARE(asked[0].title, QStringLiteral("Sidelines"));
        // Nothing half-done: the last report's rows are still there after the failure.
        QCOMPARE(reportAfterFailure, QStringList{QStringLiteral("Old")});
        QVERIFY(finishedSecondTime);
        QCOMPARE(app.count(QStringLiteral("REPORT")), 12);
        QCOMPARE(app.count(QStringLiteral("GAMECOUNT")), 7);
    }
};

SIDELINES_TEST(TestReportData)
#include "tst_finish.moc"
