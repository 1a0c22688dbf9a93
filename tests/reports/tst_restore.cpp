#include "ReportSeed.h"
#include "core/ArchiveStore.h"
#include "core/ReportStore.h"
#include "core/RosterStore.h"
#include "reports/ReportData.h"
#include "support/TestMain.h"

#include <QTest>

// A season left through the exit and restored from the archive reports exactly as before, even
// when a team and its players were deleted from the roster in between.
class TestRestoreReport : public QObject
{
    Q_OBJECT

private slots:
    void sameReportAfterExitAndRestore_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<bool>("rosterLost");
        QTest::newRow("everything") << QString() << false;
        QTest::newRow("everything, Vipers deleted") << QString() << true;
        QTest::newRow("positions apart, Vipers deleted") << QStringLiteral("apart;order=KILL") << true;
        QTest::newRow("one match, game 1") << QStringLiteral("match=m2;game=1") << true;
    }

    void sameReportAfterExitAndRestore()
    {
        QFETCH(QString, choices);
        QFETCH(bool, rosterLost);
        TestApp app;
        const seed::Season s = seed::addSeason(app);
        auto report = [&] {
            const ReportStatement st = BuildReportStatement(seed::choices(s, choices));
            return ReportCsv(MakeReportModel(st.layout, {}, ReportStore::Fill(st)));
        };
        const QString before = report();
        QVERIFY(before.count(QLatin1Char('\n')) > 3);
        const QString archive = ArchiveStore::DefaultPath();

        ArchiveStore::ArchiveThenForget(archive);
        if (rosterLost)
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

SIDELINES_TEST(TestRestoreReport)
#include "tst_restore.moc"
