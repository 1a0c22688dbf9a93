#include "ReportSeed.h"
#include "storage/RallyStore.h"
#include "storage/ReportStore.h"
#include "widgets/mConstants.h"
#include "reports/ReportData.h"
#include "reports/ReportEngine.h"
#include "reports/clsReport.h"
#include "reports/frmReportView.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

// Plays a game's script on the court's log (after what it holds already), each command stored as
// the court stores it:
//   start:h | start:a   the game begins, home or away serving first (both line-ups of `court`)
//   ph pa               a point won by home / away (the side that sides out turns)
//   se                  a serve error of the side serving: the point goes to the other side
//   kh ka               a kill of home's / away's zone 4, which wins the point
//   to:h to:a           a timeout of home / away
//   u                   the take-back of the last command
void Record(const RecordId& game, const Rally::Court& court, const QString& script)
{
    Rally::Book book(RallyStore::GameLog(game));
    const QDateTime at(QDate(2026, 3, 5), QTime(18, 10));
    const StatKind* serveError = StatByColumn(QStringLiteral("SERVEERROR"));
    QVERIFY(serveError);
    for (const QString& word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Rally::StepWrite step;
        QList<RecordId> onCourt;
        if (word.startsWith(QLatin1String("start:"))) {
            step = book.start(court, word.endsWith(QLatin1Char('h')) ? Rally::kHome : Rally::kAway, at);
            for (const Rally::Zones& side : court)
                onCourt += QList<RecordId>(side.begin(), side.end());
        } else if (word == QLatin1String("ph") || word == QLatin1String("pa")) {
            step = book.point(word == QLatin1String("ph") ? Rally::kHome : Rally::kAway, 1, true, at);
        } else if (word == QLatin1String("se")) {
            const int side = book.serving();
            const RecordId server = book.court()[size_t(side)][0];
            step = book.action(server, side, 1 + 6 * side, *serveError, 1,
                               Rally::PointFromAction(*serveError, side, 1, book.log()), true, at);
        } else if (word == QLatin1String("kh") || word == QLatin1String("ka")) {
            const int side = word == QLatin1String("kh") ? Rally::kHome : Rally::kAway;
            const StatKind* kill = StatByColumn(QStringLiteral("KILL"));
            step = book.action(book.court()[size_t(side)][3], side, 4 + 6 * side, *kill, 1, side, true, at);
        } else if (word.startsWith(QLatin1String("to:"))) {
            step = book.timeout(word.endsWith(QLatin1Char('h')) ? Rally::kHome : Rally::kAway, at);
        } else if (word == QLatin1String("u")) {
            step = book.takeBack(at).value_or(Rally::StepWrite{});
        } else {
            QFAIL(qPrintable("unknown word " + word));
        }
        RallyStore::Write(game, step, onCourt);
        book.append(step);
    }
}

// The recorded season of these tests:
//   3/5/26  Eagles at Hawks: game 1 home serving first, a serve error, a point taken back (4-3);
//           game 2 away serving first (2-3); game 3 recorded before the log (25-20)
//   3/12/26 Owls at Vipers: one game (2-0)
// Hawks wear 1-7 (#2's name is markup, to be shown as written), Eagles 11-17; the Eagles' #13 has
// left the roster since.
seed::Season RecordSeason(TestApp& app)
{
    seed::Season id;
    const auto squad = [&](const char* team, const QString& name, const QStringList& players, int first) {
        id[team] = app.addTeam(name);
        Rally::Zones zones;
        for (int i = 0; i < players.size(); ++i) {
            const RecordId p = app.addPlayer(id[team], players[i], first + i);
            id[players[i].section(' ', 0, 0).toLower()] = p;
            if (i < 6)
                zones[size_t(i)] = p;
        }
        return zones;
    };
    const Rally::Zones hawks = squad(
        "hawks", "Hawks", {"Ann Lee", "<b>Bea</b> Kim", "Cat Roy", "Dot Ames", "Eve Bo", "Fay Dunn", "Gia Park"}, 1);
    const Rally::Zones eagles
        = squad("eagles", "Eagles", {"Ida Cole", "Jo Hart", "Kay Moss", "Lu Fenn", "Mo Gray", "Nia Holt"}, 11);
    const Rally::Zones vipers = squad("vipers", "Vipers", {"V1", "V2", "V3", "V4", "V5", "V6"}, 21);
    const Rally::Zones owls = squad("owls", "Owls", {"O1", "O2", "O3", "O4", "O5", "O6"}, 31);

    id["m1"] = seed::addMatch(seed::at(3, 5, 18, 0), id["hawks"], id["eagles"]);
    id["m2"] = seed::addMatch(seed::at(3, 12, 19, 0), id["vipers"], id["owls"]);
    for (const char* g : {"m1g1", "m1g2", "m1g3", "m2g1"})
        id[g] = seed::addGame(id[QString::fromLatin1(g).left(2)], QString::fromLatin1(g).right(1).toInt());
    Record(id["m1g1"], {hawks, eagles}, QStringLiteral("start:h ph pa pa se ph ph u pa ph"));
    Record(id["m1g2"], {hawks, eagles}, QStringLiteral("start:a pa pa pa ph ph"));
    Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = 25, AWAYSCORE = 20 WHERE GAMEID = ?"), {Bind(id["m1g3"])});
    Record(id["m2g1"], {vipers, owls}, QStringLiteral("start:h ph ph"));
    Execute(QStringLiteral("DELETE FROM PLAYER WHERE PLAYERID = ?"), {Bind(id["kay"])});
    return id;
}

// A team's part of the "Team Numbers" section as the document reads: each table row as
// "label|figures", figures apart by blanks, then the longest runs as "match|runs".
QStringList TeamSection(const QString& plain, const QString& team)
{
    const QStringList lines = plain.split(QLatin1Char('\n'));
    qsizetype at = lines.indexOf(QStringLiteral("Team Numbers"));
    if (at < 0)
        return {};
    at = lines.indexOf(team, at);
    if (at < 0)
        return {};
    QStringList rows;
    for (qsizetype i = at + 1; i + 1 < lines.size(); ++i) {
        const QString& label = lines[i];
        const QString& next = lines[i + 1];
        if (next.startsWith(QLatin1Char('\t'))) {
            if (label != QLatin1String("Rotation"))
                rows << label + QLatin1Char('|') + next.split(QLatin1Char('\t'), Qt::SkipEmptyParts).join(' ');
            ++i;
        } else if (label == QLatin1String("Match")) {
            ++i; // the heading of the runs
        } else if (label.contains(QLatin1String(" vs "))) {
            rows << label + QLatin1Char('|') + next;
            ++i;
        } else if (!label.isEmpty() && !rows.isEmpty()) {
            break;
        }
    }
    return rows;
}

// The chart's fills: the home team's lead, the away team's.
constexpr QRgb kHomeFill = 0xc4d3e8, kAwayFill = 0xf4d3ae;

// A logged game's flow with these leads after its rallies.
TeamNumbers::Flow Flow(const QList<int>& leads)
{
    TeamNumbers::Flow flow;
    flow.names = {"Hawks", "Eagles"};
    flow.logged = true;
    flow.leads.assign(leads.begin(), leads.end());
    return flow;
}

// A game's chart as the report draws it, two units per point.
QImage Chart(const TeamNumbers::Flow& flow)
{
    const qreal u = 2;
    QImage image(QSize(int(ScoreFlow::kWidth * u), int(ScoreFlow::kHeight * u)), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    DrawScoreFlow(p, QRectF(QPointF(0, 0), image.size()), flow, u);
    return image;
}

QString Leads(const std::vector<int>& leads)
{
    QStringList out;
    for (int l : leads)
        out << QString::number(l);
    return out.join(' ');
}

} // namespace

// The team numbers of a report: computed from the games' rally logs as stored, shown on screen
// and on paper, and written to their own file and to the rally file.
class TestTeamNumbersReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }
    void cleanup()
    {
        if (auto* w = VB_REPORT().LastWindow())
            w->close();
        drive::EndTest();
    }

    // Every row worked out by hand from the scripts above. Game 1 (H: Hawks, A: Eagles):
    //   1 H serves, H wins   2 H serves, A wins (A turns: #12 serves)   3 A serves, A wins
    //   4 A's serve error: H wins (H turns: #2 serves)   5 H serves, H wins   (6 H wins, taken back)
    //   6 H serves, A wins (A turns: #13)   7 A serves, H wins (H turns)
    // Game 2: 1-3 A serves, A wins   4 A serves, H wins (H turns)   5 H serves, H wins.
    // The teams of the section, each team's part, the score flow's match headings and each chart's
    // teams and leads after each point that stands: over several matches, every team's runs name
    // the matches that team played, and the score flow heads each match's charts with its own name.
    void numbersInTheDocument_data() { table::Rows(QStringLiteral("teamnumbers.txt")); }
    void numbersInTheDocument()
    {
        QFETCH(QString, choices);
        QFETCH(QString, expected);
        QFETCH(bool, playerNote);
        TestApp app;
        const seed::Season s = RecordSeason(app);
        const ReportModel model = seed::Model(seed::choices(s, choices));
        frmReportView window(model);
        const QTextDocument* doc = Child<QTextBrowser>(&window, "txtPreview")->document();
        const QString plain = doc->toPlainText();

        QStringList shown, got;
        for (const char* team : {"Eagles", "Hawks", "Owls", "Vipers"}) {
            const QStringList section = TeamSection(plain, team);
            if (!section.isEmpty())
                shown << QString::fromLatin1(team);
            got << QString::fromLatin1(team) + ':' << section;
        }
        got.prepend("teams: " + shown.join(' '));
        got << "score flow:" << plain.mid(plain.lastIndexOf("Score Flow")).split('\n').filter(" vs ");
        got << "charts:";
        for (const TeamNumbers::Flow& f : ScoreFlowsIn(*doc))
            got << QStringLiteral("%1, %2 at %3: %4").arg(f.number).arg(f.names[1], f.names[0], Leads(f.leads));
        QCOMPARE(got, table::Section(QStringLiteral("teamnumbers.txt"), QStringLiteral("numbers: ") + expected));
        QCOMPARE(plain.contains("The player and position chosen do not narrow the team numbers"), playerNote);
        // Game 3 is said to have no log under each of its teams shown and among the charts.
        const int withThird = int(shown.contains("Hawks")) + int(shown.contains("Eagles")) + 1;
        QCOMPARE(plain.count("No rally log for game 3"), choices.startsWith("game=") ? 0 : withThird);
    }

    // Each game's timeouts with the scores they were taken at, under its chart and on it, and the
    // points won by attack among the points won.
    void timeoutsAndPointsWonInTheDocument()
    {
        TestApp app;
        const seed::Season s = RecordSeason(app);
        Record(s["m2g1"], {}, QStringLiteral("to:a kh ph to:h to:a u"));
        const ReportModel model = seed::Model(seed::choices(s, "match=m2"));
        frmReportView window(model);
        const QTextDocument* doc = Child<QTextBrowser>(&window, "txtPreview")->document();
        const QString plain = doc->toPlainText();
        QVERIFY2(plain.contains("Timeouts in game 1: Owls at 2\u20130, Vipers at 4\u20130."), qPrintable(plain));
        const std::vector<TeamNumbers::Flow> flows = ScoreFlowsIn(*doc);
        QCOMPARE(flows.size(), size_t(1));
        QList<std::pair<int, int>> timeouts; // after which rally, whose
        for (const auto& t : flows[0].timeouts)
            timeouts.append({t.afterRally, t.side});
        QCOMPARE(timeouts, (QList<std::pair<int, int>>{{2, int(Rally::kAway)}, {4, int(Rally::kHome)}}));
        QCOMPARE(TeamSection(plain, "Vipers").mid(3),
                 (QStringList{"Points won|ATK BLK ACE OPE OTH WON", "Game 1|1 0 0 0 3 4", "Team Totals|1 0 0 0 3 4"}));
        // A game without one says so.
        const ReportModel first = seed::Model(seed::choices(s, "match=m1"));
        frmReportView other(first);
        QVERIFY(Child<QTextBrowser>(&other, "txtPreview")->toPlainText().contains("No timeout in game 2."));
    }

    // The team numbers' own file: each rotation and the totals, then each game's longest run, the
    // figures as a spreadsheet reads them (no sign on a gain, empty where there is no figure).
    void teamNumbersCsv()
    {
        TestApp app;
        const seed::Season s = RecordSeason(app);
        const QString csv = TeamNumbersCsv(seed::Model(seed::choices(s, "match=m1")));
        QCOMPARE(csv.split("\r\n"), table::Section(QStringLiteral("teamnumbers.txt"), QStringLiteral("teamNumbersCsv")) << "");
    }

    // The rallies' file as the report has it, for several choices.
    void ralliesCsv_data() { table::Rows(QStringLiteral("teamnumbers.txt")); }
    void ralliesCsv()
    {
        QFETCH(QString, choices);
        QFETCH(QString, expected);
        TestApp app;
        const seed::Season s = RecordSeason(app);
        const ReportModel model = seed::Model(seed::choices(s, choices));
        expected = table::Section(QStringLiteral("teamnumbers.txt"), QStringLiteral("rallies: ") + expected).join("\r\n") + "\r\n";
        QCOMPARE(RalliesCsv(model, ReportStore::LineUpsOf(model.rallies.games)), expected);
        // The file is the report's: points recorded and taken back since it was made are not in it.
        Record(s["m1g2"], {}, QStringLiteral("ph u u"));
        Record(s["m2g1"], {}, QStringLiteral("ph pa"));
        QCOMPARE(RalliesCsv(model, ReportStore::LineUpsOf(model.rallies.games)), expected);
    }

    // A report of games recorded before the log says so instead of numbers, and offers no file of them.
    void gamesWithoutALog()
    {
        TestApp app;
        const seed::Season s = RecordSeason(app);
        frmReportView window(seed::Model(seed::choices(s, "game=3")));
        const QString plain = Child<QTextBrowser>(&window, "txtPreview")->document()->toPlainText();
        QVERIFY(plain.contains("Team Numbers"));
        QCOMPARE(TeamSection(plain, "Hawks"), QStringList{"Eagles vs Hawks on 3/5/26 6:00 PM|No rally log for game 3"});
        QVERIFY(!plain.contains("Team Totals\n\t"));
        QVERIFY(ScoreFlowsIn(*Child<QTextBrowser>(&window, "txtPreview")->document()).empty());
        QVERIFY(!Child<QPushButton>(&window, "cmdExportTeamNumbers")->isEnabled());
        QVERIFY(!Child<QPushButton>(&window, "cmdExportRallies")->isEnabled());
        // Nothing of the kind for a report that covers no game at all.
        frmReportView empty(seed::Model(seed::choices(s, "from=01-01")));
        QVERIFY(!Child<QTextBrowser>(&empty, "txtPreview")->toPlainText().contains("Team Numbers"));
    }

    // The chart shows who led: the home team's colour above the middle line, the away team's below.
    void chartShowsTheLead_data() { table::Rows(QStringLiteral("teamnumbers.txt")); }
    void chartShowsTheLead()
    {
        QFETCH(QList<int>, leads);
        QFETCH(bool, homeAhead);
        QFETCH(bool, awayAhead);
        const qreal u = 2; // units per point, as Chart() draws
        const QImage image = Chart(Flow(leads));
        // The fills' colours, and where they are: the home team's all above the away team's.
        int home = 0, away = 0, homeLowest = -1, awayHighest = image.height();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y) & 0xffffff;
                if (c == kHomeFill) {
                    ++home;
                    homeLowest = std::max(homeLowest, y);
                } else if (c == kAwayFill) {
                    ++away;
                    awayHighest = std::min(awayHighest, y);
                }
            }
        QCOMPARE(home > 100, homeAhead);
        QCOMPARE(away > 100, awayAhead);
        QVERIFY2(homeLowest < awayHighest, qPrintable(QStringLiteral("%1 %2").arg(homeLowest).arg(awayHighest)));
        // The frame is drawn on white within the rectangle it was given.
        QCOMPARE(image.pixel(image.width() / 2, 3 * int(u)) & 0xffffff, 0xffffffu);
    }

    // Every rally takes its own width at the lead it left, the last one too: a game of two
    // rallies fills two levels, each over half of the plot.
    void chartGivesEveryRallyItsWidth_data() { table::Rows(QStringLiteral("teamnumbers.txt")); }
    void chartGivesEveryRallyItsWidth()
    {
        QFETCH(QList<int>, leads);
        QFETCH(bool, homeAhead);
        const QRgb fill = homeAhead ? kHomeFill : kAwayFill;
        const QImage image = Chart(Flow(leads));
        // The depth of the fill in each column of the plot.
        QList<int> depths;
        for (int x = 0; x < image.width(); ++x) {
            int depth = 0;
            for (int y = 0; y < image.height(); ++y)
                depth += (image.pixel(x, y) & 0xffffff) == fill ? 1 : 0;
            if (depth > 0)
                depths << depth;
        }
        QVERIFY(!depths.isEmpty());
        const int shallow = *std::min_element(depths.begin(), depths.end());
        const int deep = *std::max_element(depths.begin(), depths.end());
        QVERIFY2(std::abs(deep - 2 * shallow) <= 3, qPrintable(QStringLiteral("%1 %2").arg(shallow).arg(deep)));
        const auto deepColumns = std::count_if(depths.begin(), depths.end(), [&](int d) { return d > (shallow + deep) / 2; });
        QVERIFY2(std::abs(2 * int(deepColumns) - int(depths.size())) <= 4,
                 qPrintable(QStringLiteral("%1 of %2").arg(deepColumns).arg(depths.size())));
    }

    // A timeout is marked between the rallies it came between, in its side's colour.
    void chartMarksTimeouts_data() { table::Rows(QStringLiteral("teamnumbers.txt")); }
    void chartMarksTimeouts()
    {
        QFETCH(int, side);
        QFETCH(int, after);
        QFETCH(QString, colour);
        const QRgb ink = colour.toUInt(nullptr, 16);
        TeamNumbers::Flow flow = Flow({1, 0, -1, -2});
        const QImage plain = Chart(flow);
        flow.timeouts.push_back({after, side, 0, 0});
        const QImage marked = Chart(flow);
        // Where the two differ, and how much of that is the side's ink.
        int left = marked.width(), right = -1, inked = 0;
        for (int y = 0; y < marked.height(); ++y)
            for (int x = 0; x < marked.width(); ++x)
                if (marked.pixel(x, y) != plain.pixel(x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    inked += (marked.pixel(x, y) & 0xffffff) == ink ? 1 : 0;
                }
        QVERIFY(right >= left);
        QVERIFY2(inked > 20, qPrintable(QString::number(inked)));
        // The plot takes the chart's width but its margin on the left: the mark stands at the
        // boundary after that rally, not elsewhere.
        const double at = (left + right) / 2.0 / marked.width();
        const double expected = 0.1 + 0.85 * after / 4.0;
        QVERIFY2(std::abs(at - expected) < 0.08, qPrintable(QStringLiteral("%1 %2").arg(at).arg(expected)));
        QVERIFY(right - left < marked.width() / 10);
    }

    // The paper shows what the screen shows: the section, its notes and each chart with its
    // caption, drawn as lines and text (no picture that would blur when printed).
    void onPaper()
    {
        TestApp app;
        const seed::Season s = RecordSeason(app);
        frmReportView window(seed::Model(seed::choices(s, "match=m1")));
        const QString pdf = app.dir() + "/report.pdf";
        QVERIFY(window.saveAsPdf(pdf));
        const QString text = seed::pdfText(pdf, {});
        for (const char* expected :
             {"Team Numbers", "Rotation of #2 <b>Bea</b> Kim", "No rally log for game 3", "Score Flow",
              "Game 1: Eagles 3, Hawks 4", "Game 2: Eagles 3, Hawks 2", "Hawks ahead", "Eagles ahead"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QProcess images;
        images.start("pdfimages", {"-list", pdf});
        QVERIFY(images.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(images.readAllStandardOutput()).trimmed().count('\n'), 1); // the heading only
    }

    // Finish makes the team numbers with the box score, under the same gauge: the window opens on
    // them, offers both files, and writes the rallies' file with the line-ups the database holds
    // (what the files hold besides is exportsFromTheButtons' test).
    void fromTheWizard()
    {
        TestApp app;
        const seed::Season s = RecordSeason(app);
        QList<drive::Step> steps{drive::Key(Qt::Key_Return), drive::Look([](QWidget* w) {
                                     auto* list = Child<QComboBox>(w, "cmbMatch");
                                     list->setCurrentIndex(list->findText("Eagles vs Hawks on 3/5/26 6:00 PM"));
                                 }),
                                 drive::Key(Qt::Key_Return), drive::Key(Qt::Key_Return), drive::Key(Qt::Key_Return)};
        drive::Windows({drive::Steps(steps)});
        clsReport().Start();
        frmReportView* window = VB_REPORT().LastWindow();
        QVERIFY(window);
        QCOMPARE(window->model().rallies.games.size(), size_t(3));
        const QString plain = Child<QTextBrowser>(window, "txtPreview")->toPlainText();
        QCOMPARE(TeamSection(plain, "Hawks").value(2), QStringLiteral("Team Totals|5 3 60.0% 7 3 42.9% 6 6 0"));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(StatusText(), QString());
        for (const char* button : {"cmdExportTeamNumbers", "cmdExportRallies"})
            QVERIFY(Child<QPushButton>(window, button)->isEnabled());
        const QString rallies = app.dir() + "/rallies.csv";
        QVERIFY(window->exportRallies(rallies));
        QFile b(rallies);
        QVERIFY(b.open(QIODevice::ReadOnly));
        const QString lines = RalliesCsv(window->model(), ReportStore::LineUpsOf(window->model().rallies.games));
        QCOMPARE(b.readAll(), "\xEF\xBB\xBF" + lines.toUtf8());
        QCOMPARE(lines.count("\r\n"), 13);
    }
};

SIDELINES_TEST(TestTeamNumbersReport)
#include "tst_teamnumbers.moc"
