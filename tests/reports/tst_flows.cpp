#include "ReportSeed.h"
#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"
#include "reports/ReportEngine.h"
#include "reports/clsReport.h"
#include "reports/frmReportView.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLocale>
#include <QRegularExpression>
#include <QTextBrowser>
#include <algorithm>

namespace {

int page(QWidget* w)
{
    for (int p = 1; p <= 4; ++p)
        if (Child<QGroupBox>(w, QStringLiteral("frameReport%1").arg(p))->isVisible())
            return p;
    return 0;
}

// Picks an entry of a list with the keyboard: Home, then Down until it shows.
drive::Step Pick(const QString& list, const QString& text)
{
    return [list, text](QWidget* w) {
        auto* box = Child<QComboBox>(w, list);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < box->count() && box->currentText() != text; ++i)
            QTest::keyClick(box, Qt::Key_Down);
    };
}

drive::Step Toggle(const QString& box)
{
    return [box](QWidget* w) {
        Child<QCheckBox>(w, box)->setFocus();
        QTest::keyClick(Child<QCheckBox>(w, box), Qt::Key_Space);
    };
}

QStringList words(const QString& line)
{
    return line.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
}

} // namespace

// The wizard and the report window, driven as the user does.
class TestReportFlows : public QObject
{
    Q_OBJECT

private slots:
    // Dates are written in the user's own form: these tests speak American English.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void cleanup()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (auto* w = VB_REPORT().LastWindow())
            w->close();
        drive::EndTest();
    }

    void walkFinishAndTakeAway()
    {
        TestApp app;
        seed::addSeason(app);
        QList<int> pages;
        QStringList matches;
        auto seePage = drive::Look([&](QWidget* w) { pages << page(w); });
        auto seeMatches = drive::Look([&](QWidget* w) {
            for (auto* box = Child<QComboBox>(w, "cmbMatch"); matches.size() < box->count();)
                matches << box->itemText(int(matches.size()));
        });
        const auto enter = drive::Key(Qt::Key_Return);
        QList<drive::Step> steps;
        steps << seePage << Pick("cmbYear_0", "3/5/26") << Toggle("chkThru_0") << Pick("cmbYear_1", "3/12/26") << enter
              << seePage << seeMatches << enter << seePage << Pick("cmbTeam", "Hawks") << enter << seePage
              << drive::Click("cmdBack") << seePage << drive::Click("cmdNext") << seePage
              << Pick("cmbPosition", "Position 2") << Pick("cmbOrder", "By Kills") << enter;
        drive::Windows({drive::Steps(steps)});
        clsReport().Start();
        QCOMPARE(pages, (QList<int>{1, 2, 3, 4, 3, 4}));
        QCOMPARE(matches,
                 (QStringList{seed::kEagles + " vs Hawks on 3/5/26 6:00 PM", "Hawks vs Vipers on 3/12/26 7:00 PM",
                              "All Matches"}));
        QCOMPARE(VB_REPORT().ReportFileName(), pubAppPath + "vbpositn.rpt");
        QCOMPARE(MsgBoxHook::prompts(), QStringList{});
        QCOMPARE(StatusText(), QString());
        QVERIFY(!QApplication::overrideCursor());
        frmReportView* window = VB_REPORT().LastWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Report - Player Statistics"));

        const QStringList expected{"Team,#,Player,Pos,GP,K,E,TA,PCT,AST,SA,SE,RE,DIG,BS,BA,BE,BHE,PASS,PTS",
                                   "Hawks,1,Ann,2,3,5,1,12,.333,0,0,0,0,1,0,0,0,0,2.00,5",
                                   "Hawks,,Team Totals,,,5,1,12,.333,0,0,0,0,1,0,0,0,0,2.00,5"};
        const QString csv = app.dir() + "/report.csv";
        QVERIFY(window->exportCsv(csv));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "\xEF\xBB\xBF" + expected.join("\r\n").toUtf8() + "\r\n");

        const QString pdf = app.dir() + "/report.pdf";
        QVERIFY(window->saveAsPdf(pdf));
        const QString text = seed::pdfText(pdf);
        const QStringList printed = text.split('\n');
        // The heading states the choices and the legend explains the columns (the figures on paper
        // are the box score's tests).
        for (const char* heading : {"Dates: 3/5/26 thru 3/12/26", "Team: Hawks", "Player: All Players",
                                    "Position: Position 2 (positions apart)", "Order: By Kills"})
            QVERIFY2(std::any_of(printed.begin(), printed.end(),
                                 [&](const QString& l) { return words(l) == words(heading); }),
                     qPrintable(QString::fromLatin1(heading) + " in\n" + text));
        QVERIFY(text.contains("PCT hitting percentage (K-E)/TA; AST set assists"));
        QVERIFY(Child<QTextBrowser>(window, "txtPreview")->toPlainText().contains("Match:\nAll Matches"));
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // The heading speaks one form of dates, the user's, on every line (the wizard's lists say the
    // same), and names the teams of a match in one order, the away team first, on every line.
    void headingInOneForm_data() { table::Rows(QStringLiteral("flows.txt")); }

    void headingInOneForm()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, days);
        QFETCH(QString, when);
        TestApp app;
        const seed::Season s = seed::addSeason(app);
        for (const auto& [game, home, away] : {std::tuple{"m1g1", 25, 20}, {"m1g2", 18, 25}, {"m1g3", 15, 10}})
            Execute("UPDATE GAME SET HOMESCORE = ?, AWAYSCORE = ? WHERE GAMEID = ?", {home, away, Bind(s[game])});
        QLocale::setDefault(QLocale(locale));
        const QString match = seed::kEagles + " vs Hawks on " + when;
        const auto enter = drive::Key(Qt::Key_Return);
        drive::Windows({drive::Steps({Pick("cmbYear_0", days[0]), Toggle("chkThru_0"), Pick("cmbYear_1", days[1]),
                                      enter, Pick("cmbMatch", match), enter, enter, enter})});
        clsReport().Start();
        frmReportView* window = VB_REPORT().LastWindow();
        QVERIFY(window);
        // The title, then the heading's labels and texts, a line each.
        QCOMPARE(Child<QTextBrowser>(window, "txtPreview")->toPlainText().split('\n').mid(1, 8),
                 (QStringList{"Dates:", days[0] + " thru " + days[1], "Match:", match,
                              "Result:", seed::kEagles + " 1, Hawks 2 (20\u201325, 25\u201318, 10\u201315)",
                              "Game:", "All Games"}));
    }

    // What stops the wizard, where it stays and what the user is told: the dates' checks, and a
    // report that fails on Finish, which keeps page 4 as it was and the report made before.
    void wizardStays_data() { table::Rows(QStringLiteral("flows.txt")); }

    void wizardStays()
    {
        QFETCH(QString, dates);
        QFETCH(QString, breaking);
        QFETCH(int, pageAfter);
        QFETCH(QString, message);
        TestApp app;
        seed::addSeason(app);
        Execute("INSERT INTO REPORT (TEAMNAME, KILL) VALUES ('Old', 9)");
        Execute("INSERT INTO GAMECOUNT (PLAYERID, GAMESPLAYED) VALUES ('x', 4)");
        // The table names are the test's own.
        const bool table = !breaking.contains(' ');
        const QString rename = QStringLiteral("ALTER TABLE %1 RENAME TO %2");
        const QStringList d = dates.split(';');
        int seen = 0;
        QString order;
        QList<drive::Step> steps;
        if (breaking.isEmpty()) {
            steps << Pick("cmbYear_0", d[0]) << Toggle("chkThru_0");
            if (!d[1].isEmpty())
                steps << Pick("cmbYear_1", d[1]);
            if (!d[2].isEmpty())
                steps << Pick("cmbYear_0", d[2]);
            steps << drive::Click("cmdNext");
        } else {
            steps << drive::Click("cmdNext") << drive::Click("cmdNext") << drive::Click("cmdNext")
                  << Pick("cmbOrder", "By Digs") << drive::Look([&](QWidget*) {
                         Execute(table ? rename.arg(breaking, breaking + "_AWAY") : breaking);
                     })
                  << drive::Click("cmdFinish");
        }
        steps << drive::Look([&](QWidget* w) {
            seen = w->isVisible() ? page(w) : 0;
            order = Child<QComboBox>(w, "cmbOrder")->currentText();
            if (table && !breaking.isEmpty())
                Execute(rename.arg(breaking + "_AWAY", breaking));
        }) << drive::Key(Qt::Key_Escape);
        drive::Windows({drive::Steps(steps)});
        clsReport().Start();
        QCOMPARE(seen, pageAfter);
        QVERIFY2(breaking.isEmpty() || order == QLatin1String("By Digs"), qPrintable(order));
        QCOMPARE(MsgBoxHook::prompts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(app.rows("SELECT TEAMNAME, KILL FROM REPORT"), (QList<QVariantList>{{"Old", 9}}));
        QCOMPARE(app.count("GAMECOUNT"), 1);
        QVERIFY(!VB_REPORT().LastWindow());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(StatusText(), QString());
    }
};

SIDELINES_TEST(TestReportFlows)
#include "tst_flows.moc"
