#include "ReportModels.h"
#include "ReportSeed.h"
#include "widgets/MsgBox.h"
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
    return reportmodels::Line(team, player, number, 3, 0, 6);
}

// A report of these lines with a game of three points, the home team's, the away team's and the
// home team's: what the team numbers and the rally file are written from.
ReportModel withLog(const std::vector<ReportLine>& lines)
{
    ReportModel model = MakeReportModel(ReportLayout::PositionsTogether, {}, lines);
    model.rallies = MakeReportRallies({reportmodels::Game(1, QStringLiteral("HAH"))}, {}, {});
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

    // The hitting percentage and the pass average of a line, and of its team's totals: on screen
    // and paper the figure, or "–" where there is none; in the file a cell without a figure is
    // left empty, as a spreadsheet reads a column of figures as numbers only when no cell holds text.
    void hittingAndPassOnScreenAndInTheFile_data() { table::Rows(QStringLiteral("exports.txt")); }
    void hittingAndPassOnScreenAndInTheFile()
    {
        QFETCH(QList<int>, line);
        QFETCH(QString, pct);
        QFETCH(QString, pass);
        ReportLine l = teamLine("Hawks", "Ann", 1);
        l.counts[StatIndex("KILL")] = line[0];
        l.counts[StatIndex("ERROR")] = line[1];
        l.counts[StatIndex("ATTEMPT")] = line[2];
        l.pass = {line[3], line[4]};
        const ReportModel model = MakeReportModel(ReportLayout::PositionsTogether, {}, {l});
        const QStringList rows = ReportCsv(model).split("\r\n");
        const QList<BoxColumn> cols = BoxColumns(model.layout);
        for (const auto& [column, cell] : {std::pair{QStringLiteral("PCT"), pct}, std::pair{QStringLiteral("PASS"), pass}}) {
            const int at = int(rows[0].split(',').indexOf(column));
            QVERIFY(at > 0);
            // The player, then the team's totals of that one player.
            QCOMPARE(rows[1].split(',').value(at), cell);
            QCOMPARE(rows[2].split(',').value(at), cell);
            const auto shown = std::find_if(cols.begin(), cols.end(), [&](const BoxColumn& c) { return c.head == column; });
            QCOMPARE(shown->text(model.teams[0].lines[0], false), cell.isEmpty() ? NoFigure() : cell);
        }
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
    void exportsFromTheButtons_data() { table::Rows(QStringLiteral("exports.txt")); }

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
                contents(folder + "/" + files[0]).contains("\r\nHarbour Hawks,Team Totals,,,2,1,50.0%,1,1,100.0%,2,1,1,,0,0,0,0,2\r\n"));
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
