#include "ReportSeed.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include "reports/ReportData.h"
#include "reports/ReportEngine.h"
#include "reports/frmReportView.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"

#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using drive::Choices;
using drive::finishWith;

namespace {

QStringList csvLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = f.readAll();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringList lines = QString::fromUtf8(data).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList words(const QString& line)
{
    return line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The CSV line of a player (or "Team Totals") as the words the printed line must show, in order:
// the team is the table's heading and empty cells print nothing.
QStringList printedWords(const QString& csvLine)
{
    QStringList cells = csvLine.split(QLatin1Char(','));
    cells.removeFirst();
    QStringList out;
    for (const QString& c : cells)
        out << words(c);
    return out;
}

}  // namespace

// The report window: what it shows, prints, saves and exports.
class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        if (auto* w = VB_REPORT().LastWindow())
            w->close();
        QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(','))));
    }

    void boxScoreFigures_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("hitting");
        QTest::newRow("a third") << 1.0 / 3.0 << ".333";
        QTest::newRow("negative") << -0.125 << "-.125";
        QTest::newRow("perfect") << 1.0 << "1.000";
        QTest::newRow("nothing") << 0.0 << ".000";
        QTest::newRow("all errors") << -1.0 << "-1.000";
        QTest::newRow("tiny negative rounds to zero") << -0.0002 << ".000";
        QTest::newRow("rounds up") << 0.6666666 << ".667";
    }

    void boxScoreFigures()
    {
        QFETCH(double, value);
        QFETCH(QString, hitting);
        QCOMPARE(FormatHitting(value), hitting);
    }

    void lines_data()
    {
        QTest::addColumn<bool>("apart");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QStringList>("expected");
        const QString eagles = QStringLiteral("\"O'Brien's \"\"Eagles\"\"\"");
        const QString head = QStringLiteral("Team,Player,GP,K,E,TA,PCT,AST,SA,SE,RE,DIG,BS,BA,BE,BHE,PASS");
        const QString ann = QStringLiteral("Hawks,Ann,3,7,1,15,.400,0,0,0,0,1,0,0,0,0,2.00");
        const QString bea = QStringLiteral("Hawks,Bea,1,0,0,0,.000,0,0,0,0,0,0,0,0,0,0.00");
        const QString cat = QStringLiteral("Hawks,Cat,2,0,0,0,.000,0,2,1,0,0,0,0,0,0,2.50");
        const QString hawks = QStringLiteral("Hawks,Team Totals,,7,1,15,.400,0,2,1,0,1,0,0,0,0,2.40");
        const QString dee = eagles + QStringLiteral(",Dee,2,1,0,1,1.000,0,0,0,0,0,1,2,0,0,0.00");
        const QString eve = eagles + QStringLiteral(",Eve,2,1,0,1,1.000,3,0,0,1,0,0,0,1,1,0.00");
        const QString eaglesTotal = eagles + QStringLiteral(",Team Totals,,2,0,2,1.000,3,0,0,1,0,1,2,1,1,0.00");
        const QString fay = QStringLiteral("Vipers,Fay,1,0,0,0,.000,0,0,0,0,2,0,0,0,0,0.00");
        const QString gus = QStringLiteral("Vipers,Gus,1,0,1,1,-1.000,0,0,0,0,0,0,0,0,0,0.00");
        const QString vipers = QStringLiteral("Vipers,Team Totals,,0,1,1,-1.000,0,0,0,0,2,0,0,0,0,0.00");

        QTest::newRow("together, by team name")
            << false << "By Teamname"
            << QStringList{head, ann, bea, cat, hawks, dee, eve, eaglesTotal, fay, gus, vipers};
        QTest::newRow("together, aces lead")
            << false << "By Service Aces"
            << QStringList{head, cat, ann, bea, hawks, dee, eve, eaglesTotal, fay, gus, vipers};
        QTest::newRow("together, errors lead")
            << false << "By Errors"
            << QStringList{head, ann, bea, cat, hawks, dee, eve, eaglesTotal, gus, fay, vipers};

        const QString headApart = QStringLiteral("Team,Player,Pos,GP,K,E,TA,PCT,AST,SA,SE,RE,DIG,BS,BA,BE,BHE,PASS");
        // Zones 2 and 8 are one line, and so are 3 and 9, 1 and 7.
        QTest::newRow("apart, kills lead")
            << true << "By Kills"
            << QStringList{headApart,
                           QStringLiteral("Hawks,Ann,2,3,5,1,12,.333,0,0,0,0,1,0,0,0,0,2.00"),
                           QStringLiteral("Hawks,Ann,5,3,2,0,3,.667,0,0,0,0,0,0,0,0,0,0.00"),
                           QStringLiteral("Hawks,Bea,,1,0,0,0,.000,0,0,0,0,0,0,0,0,0,0.00"),
                           QStringLiteral("Hawks,Cat,3,2,0,0,0,.000,0,2,1,0,0,0,0,0,0,2.50"),
                           QStringLiteral("Hawks,Team Totals,,,7,1,15,.400,0,2,1,0,1,0,0,0,0,2.40"),
                           eagles + QStringLiteral(",Dee,1,2,1,0,1,1.000,0,0,0,0,0,1,2,0,0,0.00"),
                           eagles + QStringLiteral(",Eve,6,2,1,0,1,1.000,0,0,0,0,0,0,0,0,0,0.00"),
                           eagles + QStringLiteral(",Eve,4,2,0,0,0,.000,3,0,0,1,0,0,0,1,1,0.00"),
                           eagles + QStringLiteral(",Team Totals,,,2,0,2,1.000,3,0,0,1,0,1,2,1,1,0.00"),
                           QStringLiteral("Vipers,Fay,1,1,0,0,0,.000,0,0,0,0,2,0,0,0,0,0.00"),
                           QStringLiteral("Vipers,Gus,2,1,0,1,1,-1.000,0,0,0,0,0,0,0,0,0,0.00"),
                           QStringLiteral("Vipers,Team Totals,,,0,1,1,-1.000,0,0,0,0,2,0,0,0,0,0.00")};
    }

    void lines()
    {
        QFETCH(bool, apart);
        QFETCH(QString, order);
        QFETCH(QStringList, expected);
        TestApp app;
        seed::addSeason(app);
        Choices c;
        c.apart = apart;
        c.order = order;
        QVERIFY(finishWith(c));
        frmReportView* window = VB_REPORT().LastWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->objectName(), QStringLiteral("frmReportView"));

        const QString csv = app.dir() + QStringLiteral("/report.csv");
        QVERIFY(window->exportCsv(csv));
        QCOMPARE(csvLines(csv), expected);

        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = app.dir() + QStringLiteral("/report.pdf");
        QVERIFY(window->saveAsPdf(pdf));
        const QString text = pdfText(pdf);
        QVERIFY(!text.isEmpty());
        const QStringList printed = text.split(QLatin1Char('\n'));
        // Every line of the table shows up on paper, in the same order, cell by cell.
        int from = 0;
        for (const QString& line : expected.mid(1)) {
            const QStringList want = printedWords(line);
            int found = -1;
            for (int i = from; i < printed.size() && found < 0; ++i)
                if (words(printed[i]) == want)
                    found = i;
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("not printed in order: ") + want.join(QLatin1Char(' '))));
            from = found + 1;
        }
        for (const QString& teamHeading : {QStringLiteral("Hawks"), seed::eaglesName(), QStringLiteral("Vipers")})
            QVERIFY2(printed.contains(teamHeading.trimmed()) || text.contains(teamHeading), qPrintable(teamHeading));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Order:\\s+") + QRegularExpression::escape(order))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Dates:\\s+All Dates"))));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{});
    }

    void headingStatesTheChoices()
    {
        TestApp app;
        seed::addSeason(app);
        Choices c;
        c.first = QStringLiteral("03/05/2026");
        c.second = QStringLiteral("03/12/2026");
        c.match = QStringLiteral("Hawks vs Vipers");
        c.game = QStringLiteral("Game 1");
        c.team = QStringLiteral("Hawks");
        c.player = QStringLiteral("Ann");
        c.position = QStringLiteral("Position 5");
        c.order = QStringLiteral("By Digs");
        QVERIFY(finishWith(c));
        frmReportView* window = VB_REPORT().LastWindow();
        QVERIFY(window);
        const QString shown = Child<QTextBrowser>(window, QStringLiteral("txtPreview"))->toPlainText();
        const QList<QPair<QString, QString>> heading{
            {QStringLiteral("Dates:"), QStringLiteral("03/05/2026 thru 03/12/2026")},
            {QStringLiteral("Match:"), QStringLiteral("Hawks vs Vipers on 2026-03-12 19:00:00")},
            {QStringLiteral("Game:"), QStringLiteral("Game 1")},
            {QStringLiteral("Team:"), QStringLiteral("Hawks")},
            {QStringLiteral("Player:"), QStringLiteral("Ann")},
            {QStringLiteral("Position:"), QStringLiteral("Position 5 (positions apart)")},
            {QStringLiteral("Order:"), QStringLiteral("By Digs")}};
        for (const auto& [label, value] : heading) {
            const QRegularExpression line(QRegularExpression::escape(label) + QStringLiteral("\\s+")
                                          + QRegularExpression::escape(value));
            QVERIFY2(shown.contains(line), qPrintable(label + value + QStringLiteral(" in\n") + shown));
        }
        const QString csv = app.dir() + QStringLiteral("/one.csv");
        QVERIFY(window->exportCsv(csv));
        QCOMPARE(csvLines(csv).mid(1), (QStringList{QStringLiteral("Hawks,Ann,5,1,2,0,3,.667,0,0,0,0,0,0,0,0,0,0.00"),
                                                     QStringLiteral("Hawks,Team Totals,,,2,0,3,.667,0,0,0,0,0,0,0,0,0,0.00")}));
    }

    void nothingToReport()
    {
        // A player picked who never took part in the chosen match: an empty report, not a failure.
        TestApp app;
        seed::addSeason(app);
        Choices c;
        c.match = QStringLiteral("Hawks vs Vipers");
        c.player = QStringLiteral("Bea");
        QVERIFY(finishWith(c));
        frmReportView* window = VB_REPORT().LastWindow();
        QVERIFY(window);
        QCOMPARE(window->model().lineCount(), 0);
        QVERIFY(Child<QTextBrowser>(window, QStringLiteral("txtPreview"))
                    ->toPlainText()
                    .contains(QStringLiteral("No statistics were recorded for these choices.")));
        const QString csv = app.dir() + QStringLiteral("/empty.csv");
        QVERIFY(window->exportCsv(csv));
        QCOMPARE(csvLines(csv).size(), 1);
        QCOMPARE(MsgBoxHook::prompts(), QStringList{});
    }

    void escapeClosesTheWindow()
    {
        TestApp app;
        seed::addSeason(app);
        QVERIFY(finishWith(Choices{}));
        QPointer<frmReportView> window = VB_REPORT().LastWindow();
        QVERIFY(window);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window || !window->isVisible());
    }

    void namesStayData()
    {
        // Names that a spreadsheet would run as formulas, or that carry markup, are shown as written.
        TestApp app;
        const RecordId t = app.addTeam(QStringLiteral("=HYPERLINK(\"x\")"));
        const RecordId u = app.addTeam(QStringLiteral("<b>Bold</b>"));
        const RecordId p = app.addPlayer(t, QStringLiteral("+Plus, Comma"), 1);
        const RecordId q = app.addPlayer(u, QStringLiteral("<i>Tag</i>"), 2);
        const RecordId g = seed::addGame(seed::addMatch(seed::at(9, 1, 10, 0), t, u), 1);
        seed::addPlayed(g, p);
        seed::addPlayed(g, q);
        QVERIFY(finishWith(Choices{}));
        frmReportView* window = VB_REPORT().LastWindow();
        QVERIFY(window);
        const QString csv = app.dir() + QStringLiteral("/names.csv");
        QVERIFY(window->exportCsv(csv));
        const QStringList lines = csvLines(csv);
        QVERIFY2(lines.contains(QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\",\"'+Plus, Comma\",1,0,0,0,.000,0,0,0,0,0,0,0,0,0,0.00")),
                 qPrintable(lines.join(QLatin1Char('\n'))));
        const QString shown = Child<QTextBrowser>(window, QStringLiteral("txtPreview"))->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("<b>Bold</b>")));
        QVERIFY(shown.contains(QStringLiteral("<i>Tag</i>")));
    }

    void unwritableFileIsReported_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::newRow("csv") << false;
        QTest::newRow("pdf") << true;
    }

    void unwritableFileIsReported()
    {
        QFETCH(bool, pdf);
        TestApp app;
        seed::addSeason(app);
        QVERIFY(finishWith(Choices{}));
        frmReportView* window = VB_REPORT().LastWindow();
        QVERIFY(window);
        const QString path = app.dir() + QStringLiteral("/no such folder/report.") + (pdf ? "pdf" : "csv");
        QVERIFY(!(pdf ? window->saveAsPdf(path) : window->exportCsv(path)));
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QVERIFY(MsgBoxHook::asked().first().prompt.contains(QStringLiteral("no such folder")));
        QCOMPARE(MsgBoxHook::asked().first().icon, QMessageBox::Warning);
        QVERIFY(!QFile::exists(path));
    }
};

SIDELINES_TEST(TestReportWindow)
#include "tst_reportview.moc"
