#include "base/StatKinds.h"
#include "game/PlayerStats.h"
#include "reports/ReportData.h"
#include "reports/ReportModels.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QLocale>
#include <QTest>
#include <QTextDocument>

// Figures with a decimal point read as the user's language writes them on the screen and paper
// (the box score, the player's stats view); the files for other programs keep the point.
class TestLocalFigures : public QObject
{
    Q_OBJECT

    QLocale m_before;

private slots:
    void init() { m_before = QLocale(); }
    void cleanup() { QLocale::setDefault(m_before); }

    void decimalsInTheUsersLanguage_data() { table::Rows(QStringLiteral("figures.txt")); }
    void decimalsInTheUsersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, shown);
        QLocale::setDefault(QLocale(locale));
        ReportLine line = reportmodels::Line(QStringLiteral("Harbour Hawks"), QStringLiteral("Ann Lee"), 4, 3, 1, 8);
        line.counts[StatIndex("BLOCKASSIST")] = 1;
        line.pass = {5, 2};
        const ReportModel model = MakeReportModel(ReportLayout::PositionsTogether, ReportHeading{}, {line});
        QTextDocument doc;
        FillReportDocument(doc, model, ReportMetrics{});
        const QString paper = doc.toPlainText();
        // On the player's line and the team's totals alike.
        for (const QString& figure : shown)
            QVERIFY2(paper.count(figure) == 2, qPrintable(figure + QLatin1Char('\n') + paper));
        // The spreadsheet file keeps the point, whatever the language.
        const QString csv = ReportCsv(model);
        for (const char* figure : {".250", "2.50", "3.5"})
            QVERIFY2(csv.contains(QLatin1String(figure)), qPrintable(csv));
        QVERIFY(!csv.contains(QLatin1String(",250")));

        StatTotals totals;
        totals.values[StatIndex("KILL")] = 3;
        totals.values[StatIndex("ERROR")] = 1;
        totals.values[StatIndex("ATTEMPT")] = 8;
        const QString view = PlayerStatsMessage(totals).section(QLatin1Char('\n'), 0, 0);
        const QString whole = shown[0].startsWith(QLatin1Char('.')) ? QLatin1Char('0') + shown[0] : shown[0];
        QVERIFY2(view.endsWith(QLatin1String(" = ") + whole), qPrintable(view));
    }
};

SIDELINES_TEST(TestLocalFigures)
#include "tst_figures.moc"
