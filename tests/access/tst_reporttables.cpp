#include "reports/ReportModels.h"
#include "reports/frmReportView.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QTest>

namespace {

void Collect(QAccessibleInterface* iface, QAccessible::Role role, QList<QAccessibleInterface*>& out, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 30)
        return;
    if (iface->role() == role)
        out << iface;
    for (int i = 0; i < iface->childCount(); ++i)
        Collect(iface->child(i), role, out, depth + 1);
}

QString Name(QAccessibleInterface* iface)
{
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("(none)");
}

// A table as a screen reader's table commands meet it: its name, then each row's cells, each cell
// after its column's header ("K 5") where it has one.
QStringList Read(QAccessibleInterface* table)
{
    QAccessibleTableInterface* t = table->tableInterface();
    QStringList out{Name(table)};
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < t->columnCount(); ++c) {
            QAccessibleInterface* cell = t->cellAt(r, c);
            QAccessibleTableCellInterface* at = cell ? cell->tableCellInterface() : nullptr;
            if (!at || at->rowIndex() != r || at->columnIndex() != c || at->table() != table)
                return {QStringLiteral("cell %1,%2 is not where it says").arg(r).arg(c)};
            QStringList heads;
            for (QAccessibleInterface* h : at->columnHeaderCells() + at->rowHeaderCells())
                heads << Name(h);
            const QString role = cell->role() == QAccessible::ColumnHeader ? QStringLiteral("^")
                : cell->role() == QAccessible::RowHeader                   ? QStringLiteral(">")
                                                                           : QString();
            cells << (heads.isEmpty() ? role + Name(cell) : heads.join(QLatin1Char('/')) + QLatin1Char(' ') + Name(cell));
        }
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

} // namespace

// The report window's tables as assistive technology sees them: each a table of rows and cells
// whose cells know their column headers, in the language of the run; the preview's text is still
// read as text.
class TestReportTables : public QObject
{
    Q_OBJECT

private slots:
    void tablesWithHeaders()
    {
        TestApp app;
        frmReportView window(reportmodels::TwoTeams());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
        QList<QAccessibleInterface*> tables;
        Collect(root, QAccessible::Table, tables);
        QCOMPARE(tables.size(), 9);

        QStringList heads;
        for (const BoxColumn& c : BoxColumns(ReportLayout::PositionsTogether))
            heads << c.head;
        const QString number = QCoreApplication::translate("ReportData", "#");
        const QString player = QCoreApplication::translate("ReportData", "Player");
        const QStringList hawks = Read(tables[1]);
        QCOMPARE(hawks.value(0), QStringLiteral("Harbour Hawks"));
        QCOMPARE(hawks.value(1), QStringLiteral("^%1|^%2|^").arg(number, player) + heads.join(QStringLiteral("|^")));
        // Ann Lee: 5 kills of 12 attacks, 1 error: ".333" as the user's language writes it.
        const QStringList ann = hawks.value(2).split(QLatin1Char('|'));
        QCOMPARE(ann.mid(0, 2), (QStringList{number + QStringLiteral(" 7"), player + QStringLiteral(" Ann Lee")}));
        const auto cellOf = [&](const char* column) {
            return ann.value(2 + heads.indexOf(StatText(kStatKinds[StatIndex(column)].heading)));
        };
        QCOMPARE(cellOf("KILL"), StatText(kStatKinds[StatIndex("KILL")].heading) + QStringLiteral(" 5"));
        QCOMPARE(cellOf("ATTEMPT"), StatText(kStatKinds[StatIndex("ATTEMPT")].heading) + QStringLiteral(" 12"));
        QCOMPARE(ann.value(2 + heads.indexOf(QCoreApplication::translate("ReportData", "PCT"))),
                 QCoreApplication::translate("ReportData", "PCT") + QLatin1Char(' ') + LocalFigure(QStringLiteral(".333")));
        QCOMPARE(hawks.size(), 2 + 2 + 1); // name, header, two players, the totals

        // The report's heading: each value after its label, the label a row header.
        const QStringList heading = Read(tables[0]);
        QCOMPARE(heading.value(2), QStringLiteral(">%1|%1 Owls at Harbour Hawks")
                                       .arg(QCoreApplication::translate("ReportData", "Match:")));
        // The team numbers and the runs are named after their team.
        QCOMPARE(Name(tables[3]), QStringLiteral("Harbour Hawks"));
        QCOMPARE(Name(tables[4]), QStringLiteral("Harbour Hawks"));
        QCOMPARE(Read(tables[4]).value(1),
                 QStringLiteral("^%1|^%2").arg(QCoreApplication::translate("ReportData", "Match"),
                                              QCoreApplication::translate("ReportData", "Longest run of points in each game")));

        // The charts are pictures named by their captions; the preview's text still reads as text.
        QList<QAccessibleInterface*> charts;
        Collect(root, QAccessible::Graphic, charts);
        QCOMPARE(charts.size(), 2);
        QVERIFY(Name(charts[0]).contains(QStringLiteral("Harbour Hawks 16")));
        QAccessibleInterface* preview = QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("txtPreview"));
        QVERIFY(preview->textInterface());
        QVERIFY(preview->textInterface()->text(0, preview->textInterface()->characterCount()).contains(
            QStringLiteral("Ann Lee")));
    }
};

SIDELINES_TEST(TestReportTables)
#include "tst_reporttables.moc"
