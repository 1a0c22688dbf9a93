#include "ReportSeed.h"
#include "widgets/MsgBox.h"
#include "rules/RallyLog.h"
#include "reports/ReportData.h"
#include "reports/frmReportView.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(QList<drive::Step>)

namespace {

// A line of a team, with a pass average and a hitting percentage.
ReportLine teamLine(const QString& team, const QString& player, int number)
{
    ReportLine l;
    l.team = team;
    l.playerId = team + player;
    l.player = player;
    l.number = number;
    l.position = 0;
    l.games = 2;
    l.counts[StatIndex("KILL")] = 3;
    l.counts[StatIndex("ATTEMPT")] = 6;
    l.pass = {4, 2};
    return l;
}

// The rally log of one game, Hawks at home to Owls, three points: what the team numbers and the
// rally file are written from.
ReportRallies loggedGame()
{
    TeamNumbers::GameRecord g;
    g.match = seed::at(3, 5, 18, 0);
    g.game = g.match.addSecs(60);
    g.number = 1;
    g.teams = {seed::at(1, 1, 0, 0), seed::at(1, 1, 0, 1)};
    g.names = {QStringLiteral("Hawks"), QStringLiteral("Owls")};
    Rally::Book book;
    const QDateTime at = g.match.dateTime();
    book.append(book.start({}, Rally::kHome, at));
    for (int side : {Rally::kHome, Rally::kAway, Rally::kHome})
        book.append(book.point(side, 1, true, at));
    g.log = book.log();
    g.homeScore = 2;
    g.awayScore = 1;
    return MakeReportRallies({g}, {}, {});
}

// A report of these lines with the game above.
ReportModel withLog(const std::vector<ReportLine>& lines)
{
    ReportModel model = MakeReportModel(ReportLayout::PositionsTogether, {}, lines);
    model.rallies = loggedGame();
    return model;
}

// HOME and the user's folder settings pointed at a folder of the test's own, with or without a
// Documents folder in it; put back when it goes.
class OwnHome
{
public:
    explicit OwnHome(bool documents) : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(".config")));
        if (documents)
            QDir(m_dir.path()).mkdir("Documents");
    }
    ~OwnHome()
    {
        qputenv("HOME", m_home);
        if (m_config.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_config);
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_home, m_config;
};

// Types a name into the file dialog and presses Enter, as the user does in the window that has
// the focus (the dialog follows its name box only while that box has the focus).
drive::Step SaveAs(const QString& name)
{
    return drive::Steps({drive::Look([](QWidget* w) {
                             w->activateWindow();
                             QVERIFY(QTest::qWaitForWindowActive(w));
                         }),
                         drive::Type("fileNameEdit", name), drive::Key(Qt::Key_Return)});
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

} // namespace

// What the report window writes, and where: the files handed on, as their readers take them.
class TestReportExports : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { drive::EndTest(); }

    // A spreadsheet reads a column of figures as numbers only when no cell holds text: a cell
    // without a figure is left empty there, while the screen and the paper keep "–".
    void csvLeavesNoFigureEmpty_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QList<qint64>>("line"); // kills, errors, attempts, pass sum, net passes
        QTest::addColumn<QString>("cell"); // in the file; "–" on screen when empty
        auto row = [](const char* tag, const char* column, QList<qint64> l, const char* cell) {
            QTest::newRow(tag) << QString::fromLatin1(column) << l << QString::fromLatin1(cell);
        };
        row("never passed", "PASS", {3, 1, 6, 0, 0}, "");
        row("every pass taken back", "PASS", {3, 1, 6, 0, -1}, "");
        row("passed", "PASS", {3, 1, 6, 5, 2}, "2.50");
        row("attempts taken back below the kills", "PCT", {3, 0, 1, 4, 2}, "");
        row("errors without a kill, none attempted", "PCT", {0, 2, 0, 4, 2}, "");
        row("attacked", "PCT", {3, 1, 6, 4, 2}, ".333");
        row("nothing attacked", "PCT", {0, 0, 0, 4, 2}, ".000");
    }

    void csvLeavesNoFigureEmpty()
    {
        QFETCH(QString, column);
        QFETCH(QList<qint64>, line);
        QFETCH(QString, cell);
        ReportLine l = teamLine("Hawks", "Ann", 1);
        l.counts[StatIndex("KILL")] = line[0];
        l.counts[StatIndex("ERROR")] = line[1];
        l.counts[StatIndex("ATTEMPT")] = line[2];
        l.pass = {line[3], line[4]};
        const ReportModel model = MakeReportModel(ReportLayout::PositionsTogether, {}, {l});
        const QStringList rows = ReportCsv(model).split("\r\n");
        const int at = int(rows[0].split(',').indexOf(column));
        QVERIFY(at > 0);
        // The player, then the team's totals of that one player.
        QCOMPARE(rows[1].split(',').value(at), cell);
        QCOMPARE(rows[2].split(',').value(at), cell);
        const QList<BoxColumn> cols = BoxColumns(model.layout);
        const auto shown = std::find_if(cols.begin(), cols.end(), [&](const BoxColumn& c) { return c.head == column; });
        QCOMPARE(shown->text(model.teams[0].lines[0], false), cell.isEmpty() ? NoFigure() : cell);
    }

    // A team's name in a file name: what no file system takes becomes "_", nothing is hidden, and
    // two teams never share a file, even where only the case tells their names apart.
    void maxPrepsFileNames_data() { table::Rows(QStringLiteral("exports.txt")); }

    void maxPrepsFileNames()
    {
        QFETCH(QStringList, teams);
        QFETCH(QStringList, files);
        QStringList expected;
        for (const QString& f : files)
            expected << "/data/week 3/" + f;
        QCOMPARE(MaxPrepsPaths("/data/week 3/season.txt", teams), expected);
    }

    // Each export from its button, as the user does it: the file dialog opens in the Documents
    // folder (in the home folder when there is none, never the program's), a name typed without
    // the export's extension gets it, and MaxPreps writes a file per team and names them.
    void exportsFromTheButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("documents");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("teams");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("message");
        const QString several = "MaxPreps reads one team from a file, so a file was written for each team in %1:\n";
        QTest::newRow("CSV into Documents")
            << "cmdExportCsv" << true << "season" << 2 << QStringList{"season.csv"} << "";
        QTest::newRow("PDF without Documents")
            << "cmdSavePdf" << false << "season" << 1 << QStringList{"season.pdf"} << "";
        QTest::newRow("CSV, a date in the name")
            << "cmdExportCsv" << true << "week 12.03" << 1 << QStringList{"week 12.03.csv"} << "";
        QTest::newRow("MaxPreps, one team, extension typed")
            << "cmdExportMaxPreps" << true << "season.TXT" << 1 << QStringList{"season.TXT"} << "";
        QTest::newRow("MaxPreps, two teams") << "cmdExportMaxPreps" << true << "season" << 2
                                             << QStringList{"season - Hawks.txt", "season - O'Brien's _Eagles_.txt"}
                                             << several + "season - Hawks.txt\nseason - O'Brien's _Eagles_.txt";
        QTest::newRow("team numbers into Documents")
            << "cmdExportTeamNumbers" << true << "numbers" << 1 << QStringList{"numbers.csv"} << "";
        QTest::newRow("rallies without Documents")
            << "cmdExportRallies" << false << "week 12.03" << 1 << QStringList{"week 12.03.csv"} << "";
    }

    void exportsFromTheButtons()
    {
        QFETCH(QString, button);
        QFETCH(bool, documents);
        QFETCH(QString, typed);
        QFETCH(int, teams);
        QFETCH(QStringList, files);
        QFETCH(QString, message);
        TestApp app;
        const OwnHome home(documents);
        const QString folder = documents ? home.path() + "/Documents" : home.path();
        std::vector<ReportLine> lines{teamLine("Hawks", "Ann", 1), teamLine("Hawks", "Bea", 2)};
        if (teams > 1)
            lines.push_back(teamLine(seed::kEagles, "Cy", 3));
        frmReportView window(withLog(lines));
        window.show();
        QString opened;
        drive::Windows({drive::Steps(
            {drive::Look([&](QWidget* w) { opened = qobject_cast<QFileDialog*>(w)->directory().absolutePath(); }),
             SaveAs(typed)})});
        QTest::mouseClick(Child<QPushButton>(&window, button), Qt::LeftButton);
        QCOMPARE(opened, folder);
        QCOMPARE(filesIn(folder), files);
        QCOMPARE(MsgBoxHook::prompts(),
                 message.isEmpty() ? QStringList() : QStringList{message.arg(QDir::toNativeSeparators(folder))});
        if (button == "cmdExportMaxPreps") {
            // Each file holds its own team's players only.
            const QString header = ReportMaxPreps(ReportTeam{});
            QCOMPARE(contents(folder + "/" + files[0]).count('\n'), 3);
            QVERIFY(contents(folder + "/" + files[0]).startsWith(header.toUtf8() + "1|2|"));
            if (teams > 1)
                QCOMPARE(contents(folder + "/" + files[1]).mid(header.size()).left(4), "3|2|");
        } else if (button == "cmdExportCsv") {
            QVERIFY(contents(folder + "/" + files[0]).contains("Ann"));
        } else if (button == "cmdExportTeamNumbers") {
            QCOMPARE(contents(folder + "/" + files[0]), "\xEF\xBB\xBF" + TeamNumbersCsv(window.model()).toUtf8());
            QVERIFY(
                contents(folder + "/" + files[0]).contains("\r\nHawks,Team Totals,,,2,1,50.0%,1,1,100.0%,2,1,1,,0,0,0,0,2\r\n"));
        } else if (button == "cmdExportRallies") {
            // The game is not in the database: the file holds the header alone.
            QCOMPARE(contents(folder + "/" + files[0]),
                     "\xEF\xBB\xBFMatch,Game,Rally,Served,Won,HomeScore,AwayScore,HomeZones,AwayZones,Ended,Player\r\n");
        }
        window.close();
    }

    // Files that writing the teams' MaxPreps files would replace, which the file dialog did not
    // ask about, are asked about first: No goes back to the dialog and writes nothing.
    void maxPrepsAsksBeforeReplacing()
    {
        TestApp app;
        const OwnHome home(true);
        const QString folder = home.path() + "/Documents";
        QFile old(folder + "/season - Hawks.txt");
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("kept") == 4);
        old.close();
        frmReportView window(MakeReportModel(ReportLayout::PositionsTogether, {},
                                             {teamLine("Hawks", "Ann", 1), teamLine("Owls", "Cy", 3)}));
        window.show();
        QString again;
        const drive::Step save = SaveAs("season");
        drive::Windows({drive::Answer(QMessageBox::No, save),
                        drive::Steps({drive::Look([&](QWidget* w) {
                                          again = qobject_cast<QFileDialog*>(w)->selectedFiles().value(0);
                                      }),
                                      drive::Key(Qt::Key_Escape)})});
        QTest::mouseClick(Child<QPushButton>(&window, "cmdExportMaxPreps"), Qt::LeftButton);
        QCOMPARE(MsgBoxHook::prompts(),
                 QStringList{"These files already exist:\n" + QDir::toNativeSeparators(old.fileName())
                             + "\nDo you want to replace them?"});
        QCOMPARE(MsgBoxHook::asked().value(0).defaultButton, QMessageBox::No);
        QCOMPARE(again, folder + "/season.txt");
        QCOMPARE(filesIn(folder), QStringList{"season - Hawks.txt"});
        QCOMPARE(contents(old.fileName()), "kept");
        window.close();
    }

    // Enter in the report window is Close, also after a button was used: it never prints or
    // writes a file again.
    void enterCloses_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* b : {"cmdPrint", "cmdSavePdf", "cmdExportCsv", "cmdExportMaxPreps", "cmdExportTeamNumbers",
                              "cmdExportRallies"})
            QTest::newRow(b) << QString::fromLatin1(b);
    }

    void enterCloses()
    {
        QFETCH(QString, button);
        TestApp app;
        const OwnHome home(true);
        frmReportView window(withLog({teamLine("Hawks", "Ann", 1)}));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* b = Child<QPushButton>(&window, button);
        // The button as a click leaves it: with the focus, its dialog gone again.
        b->setFocus();
        QCOMPARE(window.focusWidget(), b);
        ModalWatch watch;
        QTest::keyClick(b, Qt::Key_Return);
        QTest::qWait(50);
        QCOMPARE(watch.titles(), QStringList());
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }
};

SIDELINES_TEST(TestReportExports)
#include "tst_exports.moc"
