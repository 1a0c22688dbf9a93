#include "reports/ReportModels.h"
#include "reports/frmReportView.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Run(const QString& program, const QStringList& arguments, QString* error)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = QStringLiteral("%1 failed (%2): %3")
                     .arg(program, p.errorString(), QString::fromUtf8(p.readAllStandardError()));
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A text's lines with their blanks as one, empty lines left out.
QStringList Lines(const QString& text)
{
    QStringList out;
    for (QString line : text.split(QRegularExpression(QStringLiteral("[\n\f]")))) {
        line = line.simplified();
        if (!line.isEmpty())
            out << line;
    }
    return out;
}

// Where the page's lines part from the paper's, or empty when they say the same line for line. The
// two lay lines out in their own widths: a paragraph the paper wrapped is one line on the page, and
// the numbers along a chart's edge are one line on paper; such lines are joined before they are
// compared. What only paper has is left out: its page numbers and the column headings it repeats
// at the top of a page.
QString Difference(QStringList page, QStringList paper)
{
    static const QRegularExpression pageNumber(QStringLiteral("^Page \\d+ of \\d+$"));
    QStringList headings; // the header rows met so far
    qsizetype i = 0, j = 0;
    bool newPage = false;
    while (i < page.size() && j < paper.size()) {
        if (pageNumber.match(paper[j]).hasMatch()) {
            paper.removeAt(j);
            newPage = true;
            continue;
        }
        if (newPage && headings.contains(paper[j]) && page[i] != paper[j]) {
            paper.removeAt(j);
            continue;
        }
        newPage = false;
        if (page[i] == paper[j]) {
            if (page[i].startsWith(QLatin1String("# ")) || page[i].startsWith(QLatin1String("Rotation ")))
                headings << page[i];
            ++i;
            ++j;
        } else if (j + 1 < paper.size() && page[i].startsWith(paper[j] + QLatin1Char(' '))) {
            paper[j] += QLatin1Char(' ') + paper[j + 1];
            paper.removeAt(j + 1);
        } else if (i + 1 < page.size() && paper[j].startsWith(page[i] + QLatin1Char(' '))) {
            page[i] += QLatin1Char(' ') + page[i + 1];
            page.removeAt(i + 1);
        } else {
            return QStringLiteral("line %1 of the page \"%2\" against the paper's \"%3\"").arg(i + 1).arg(page[i], paper[j]);
        }
    }
    while (j < paper.size() && pageNumber.match(paper[j]).hasMatch())
        ++j;
    if (i < page.size())
        return QStringLiteral("the page goes on: \"%1\"").arg(page.mid(i).join(QLatin1Char('|')));
    if (j < paper.size())
        return QStringLiteral("the paper goes on: \"%1\"").arg(paper.mid(j).join(QLatin1Char('|')));
    return {};
}

} // namespace

// The report saved as a web page, opened in Debian's Chromium: it reads as the PDF reads, line for
// line; its tables are tables with captions and column headers; the axe-core checker finds nothing
// to fault; and the page's picture is left for a look (SIDELINES_KEEP_PAGE=FOLDER keeps the files).
class TestReportPage : public QObject
{
    Q_OBJECT

private slots:
    void pageInABrowser()
    {
        TestApp app;
        QTemporaryDir scratch;
        const QString keep = qEnvironmentVariable("SIDELINES_KEEP_PAGE");
        const QString folder = keep.isEmpty() ? scratch.path() : keep;
        frmReportView window(reportmodels::TwoTeams());
        const QString pdf = folder + QStringLiteral("/report.pdf"), html = folder + QStringLiteral("/report.html");
        QVERIFY(window.saveAsPdf(pdf));
        QVERIFY(window.saveAsHtml(html));
        QString error;
        // The paper's text in the order it was drawn: a row of a table is a line.
        const QString paper = Run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")}, &error);
        QVERIFY2(!paper.isEmpty(), qPrintable(error));
        QVERIFY2(QFileInfo::exists(QStringLiteral(SIDELINES_AXE)), "axe-core is missing: run scripts/setup.sh");
        const QString out = Run(QStringLiteral("node"),
                                {QStringLiteral(SIDELINES_BROWSER_DIR "/page_check.mjs"), QStringLiteral("chromium"),
                                 QStringLiteral(SIDELINES_AXE), html, folder + QStringLiteral("/report.png")},
                                &error);
        QVERIFY2(!out.isEmpty(), qPrintable(error));
        const QJsonObject seen = QJsonDocument::fromJson(out.toUtf8()).object();

        const QString difference = Difference(Lines(seen.value(QStringLiteral("text")).toString()), Lines(paper));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(seen.value(QStringLiteral("language")).toString(), QStringLiteral("en"));
        const QJsonArray violations = seen.value(QStringLiteral("violations")).toArray();
        QVERIFY2(violations.isEmpty(), QJsonDocument(violations).toJson().constData());

        // As a screen reader gets them: each team's box score and numbers named by their caption
        // with their column headers, each list of runs named after its team, the report's heading
        // a table of row headers.
        QStringList tables;
        for (const QJsonValue t : seen.value(QStringLiteral("tables")).toArray()) {
            const QJsonObject table = t.toObject();
            QStringList heads;
            for (const QJsonValue h : table.value(QStringLiteral("columnHeaders")).toArray())
                heads << h.toString();
            tables << QStringLiteral("%1: %2 (%3 row headers)")
                          .arg(table.value(QStringLiteral("name")).toString(), heads.join(QLatin1Char(',')))
                          .arg(table.value(QStringLiteral("rowHeaders")).toArray().size());
        }
        const QString owls = QStringLiteral("Owls <d'Or> & Co");
        const QString box = QStringLiteral(": #,Player,GP,K,E,TA,PCT,AST,SA,SE,RE,DIG,BS,BA,BE,BHE,PASS,PTS (0 row headers)");
        const QString numbers = QStringLiteral(": Rotation,SRV,WS,BP%,REC,WR,SO%,W,L,+/- (0 row headers)");
        const QString runs = QStringLiteral(": Match,Longest run of points in each game (0 row headers)");
        const QString won = QStringLiteral(": Points won,ATK,BLK,ACE,OPE,OTH,WON (0 row headers)");
        QCOMPARE(tables, (QStringList{QStringLiteral(":  (7 row headers)"), QStringLiteral("Harbour Hawks") + box,
                                      owls + box, QStringLiteral("Harbour Hawks") + numbers,
                                      QStringLiteral("Harbour Hawks") + runs, QStringLiteral("Harbour Hawks") + won,
                                      owls + numbers, owls + runs, owls + won}));
        QCOMPARE(seen.value(QStringLiteral("charts")).toVariant().toStringList(),
                 (QStringList{QStringLiteral("Game 1: ") + owls + QStringLiteral(" 9, Harbour Hawks 16"),
                              QStringLiteral("Game 2: ") + owls + QStringLiteral(" 17, Harbour Hawks 8")}));
    }
};

SIDELINES_TEST(TestReportPage)
#include "tst_reportpage.moc"
