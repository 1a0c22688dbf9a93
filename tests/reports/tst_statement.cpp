#include "ReportSeed.h"
#include "storage/ArchiveStore.h"
#include "storage/ReportStore.h"
#include "storage/RosterStore.h"
#include "reports/ReportData.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QTest>

namespace {

// The report as the spreadsheet gets it, without the heading row: each team's name when its
// table starts, then one line per player (or position) in order, closed by the team's totals.
QStringList reportOf(const ReportChoices& c)
{
    const ReportStatement st = BuildReportStatement(c);
    const QString csv = ReportCsv(MakeReportModel(st.layout, {}, ReportStore::Fill(st)));
    QStringList out;
    for (const QString& line : csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1)) {
        if (out.isEmpty() || out.last().startsWith(QLatin1String(",Team Totals")))
            out << line.section(QLatin1Char(','), 0, 0) + QLatin1Char(':');
        out << line.section(QLatin1Char(','), 1);
    }
    return out;
}

// The first column of each row of a check on the database file, in order.
QStringList texts(const TestApp& app, const QString& sql)
{
    QStringList out;
    for (const QVariantList& r : app.rows(sql))
        out << r[0].toString();
    return out;
}

// REPORT as it is left for other readers, one row per player and raw zone:
// team|player|position|one figure per summed kind|pass|percentage|joined rows
QStringList reportTable(const TestApp& app)
{
    QStringList columns;
    for (const StatKind& k : kStatKinds)
        if (k.shape != StatShape::Rating)
            columns << QString::fromLatin1(k.column);
    // The column names come from the stat table.
    return texts(app,
                 QStringLiteral("SELECT substr(TEAMNAME, 1, 5) || '|' || PLAYERNAME || '|' || IFNULL(POSITION, '-') "
                                "|| '|' || %1 || printf('|%.2f|%.3f|', PASSING, PERCENTAGE) || GAMESPLAYED "
                                "FROM REPORT ORDER BY 1")
                     .arg(columns.join(QStringLiteral(" || ' ' || "))));
}

} // namespace

// The report statement and the report's storage over a seeded database, without any window.
class TestReportStatement : public QObject
{
    Q_OBJECT

private slots:
    // Each choice's lines, "(no line)" for none.
    void lines_data() { table::Rows(QStringLiteral("statement.txt")); }
    void lines()
    {
        QFETCH(QString, choices);
        TestApp app;
        const seed::Season s = seed::addSeason(app);
        const QStringList got = reportOf(seed::choices(s, choices));
        QCOMPARE(got.isEmpty() ? QStringList{QStringLiteral("(no line)")} : got,
                 table::Section(QStringLiteral("statement.txt"), QStringLiteral("lines: ") + QTest::currentDataTag()));
    }

    // One row per team, player and raw zone; the percentage per row, GAMESPLAYED its joined rows.
    void reportTableAsBefore()
    {
        TestApp app;
        seed::addSeason(app);
        ReportStore::Fill(BuildReportStatement({}));
        QCOMPARE(reportTable(app), table::Section(QStringLiteral("statement.txt"), QStringLiteral("reportTableAsBefore")));
        QCOMPARE(texts(app,
                       "SELECT PLAYERNAME || '=' || GAMESPLAYED FROM GAMECOUNT "
                       "JOIN PLAYER ON PLAYER.PLAYERID = GAMECOUNT.PLAYERID ORDER BY 1"),
                 (QStringList{"Ann=3", "Bea=1", "Cat=3", "Dee=2", "Eve=2", "Fay=1", "Gus=1"}));
    }

    void eachKindLandsInItsColumn()
    {
        // One action row holding k + 1 of kind k (a rating of 1 for the rating kind).
        TestApp app;
        const RecordId t = app.addTeam("T"), p = app.addPlayer(t, "P", 1);
        const RecordId g = seed::addGame(seed::addMatch(seed::at(8, 1, 10, 0), t, app.addTeam("U")), 1);
        seed::addPlayed(g, p);
        QStringList columns;
        QVariantList values{Bind(g), Bind(g), Bind(p)};
        for (std::size_t k = 0; k < kStatKinds.size(); ++k) {
            columns << QString::fromLatin1(kStatKinds[k].column);
            values << (kStatKinds[k].shape == StatShape::Rating ? 1 : int(k) + 1);
        }
        // The column names come from the stat table.
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, %1) VALUES (?, ?, ?, 4%2)")
                    .arg(columns.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(columns.size())),
                values);
        const std::vector<ReportLine> lines = ReportStore::Fill(BuildReportStatement({}));
        QCOMPARE(lines.size(), size_t(1));
        QCOMPARE(lines[0].pass.sum, 1);
        for (std::size_t k = 0; k < kStatKinds.size(); ++k) {
            if (kStatKinds[k].shape == StatShape::Rating)
                continue;
            QCOMPARE(lines[0].counts[k], qint64(k) + 1);
            QCOMPARE(app.scalar(QStringLiteral("SELECT %1 FROM REPORT").arg(columns[int(k)])).toLongLong(),
                     qint64(k) + 1);
        }
    }

    void csvKeepsNamesAsData()
    {
        // A spreadsheet would run these names as formulas.
        ReportLine l;
        l.team = "=HYPERLINK(\"x\")";
        l.player = "+Plus, Comma";
        const QString csv = ReportCsv(MakeReportModel(ReportLayout::PositionsTogether, {}, {l}));
        QCOMPARE(csv.split("\r\n").value(1),
                 "\"'=HYPERLINK(\"\"x\"\")\",,\"'+Plus, Comma\",0,0,0,0,.000,0,0,0,0,0,0,0,0,0,,0");
    }

    // The wizard's lists narrow to the match chosen (the dates are the window's walk).
    void wizardLists()
    {
        TestApp app;
        const seed::Season s = seed::addSeason(app);
        QList<RecordId> teams;
        QStringList names;
        for (const ReportStore::NamedRow& t : ReportStore::Teams({s["m2"]}))
            teams << t.id;
        for (const ReportStore::NamedRow& p : ReportStore::Players(teams))
            names << p.name;
        QCOMPARE(teams, (QList<RecordId>{s["hawks"], s["vipers"]}));
        QCOMPARE(names, (QStringList{"Ann", "Bea", "Cat", "Fay", "Gus"}));
        QCOMPARE(ReportStore::GameCount(s["m1"]), 3);
    }

    // A season left through the exit and restored from the archive reports exactly as before,
    // even when a team and its players were deleted from the roster in between.
    void sameReportAfterExitAndRestore_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::newRow("everything") << QString();
        QTest::newRow("one match, game 1") << QStringLiteral("match=m2;game=1");
    }

    void sameReportAfterExitAndRestore()
    {
        QFETCH(QString, choices);
        TestApp app;
        const seed::Season s = seed::addSeason(app);
        auto report = [&] { return reportOf(seed::choices(s, choices)); };
        const QStringList before = report();
        QVERIFY(before.size() > 3);
        const QString archive = ArchiveStore::DefaultPath();

        ArchiveStore::ArchiveThenForget(archive);
        RosterStore::DeleteTeam(s["vipers"]);
        QVERIFY(report() != before);

        QList<RecordId> all;
        for (const ArchiveStore::ArchivedMatch& m : ArchiveStore::ListMatches(archive))
            all << m.id;
        QCOMPARE(all, (QList<RecordId>{s["m1"], s["m2"], s["m3"]}));
        QCOMPARE(ArchiveStore::Restore(archive, all).restored, all);
        QCOMPARE(report(), before);
    }
};

SIDELINES_TEST(TestReportStatement)
#include "tst_statement.moc"
