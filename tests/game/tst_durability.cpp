#include "Court.h"
#include "support/TestMain.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

using namespace court;

namespace {
constexpr auto kChildVariable = "SIDELINES_RECORDING_CHILD";
// Set in the child when the log is to be copied back into the file after every commit, so that a
// kill lands in the middle of a checkpoint as often as not.
constexpr auto kCheckpointVariable = "SIDELINES_CHECKPOINT_EVERY_COMMIT";
int BoxOf(int i)
{
    return i * 5 % 12 + 1;
}
} // namespace

// Run by the durability test in a process of its own (test_game RecordingHelper): names its
// database, then records every kind of action on the court screen in turn and prints a line each
// time the status line has said so, until it is killed.
class RecordingHelper : public QObject
{
    Q_OBJECT

private slots:
    void recordUntilKilled()
    {
        if (qEnvironmentVariableIsEmpty(kChildVariable))
            QSKIP("runs only in the process started by the durability test");
        Prepare();
        Court c;
        QVERIFY(c.show());
        if (!qEnvironmentVariableIsEmpty(kCheckpointVariable))
            Execute(QStringLiteral("PRAGMA wal_autocheckpoint = 1"));
        std::printf("DB %s\n", qPrintable(c.app.dbPath()));
        for (int i = 0;; ++i) {
            const StatExpect& e = kStats[i % kStats.size()];
            c.screen->showStatus(QString());
            QVERIFY(c.record(BoxOf(i), e.key(), e.value() == 2 ? 2 : 0));
            QVERIFY(c.status().startsWith(QStringLiteral("Added ")));
            std::printf("RECORDED %d\n", i);
            std::fflush(stdout);
        }
    }
};

// A recording killed at any moment keeps every action whose status line was shown.
class TestDurability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prepare(); }

    void killedRecordingLosesNothingItShowed_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<bool>("checkpointing");
        for (int run = 1; run <= 20; ++run)
            QTest::addRow("run %d%s", run, run % 2 ? "" : ", checkpoint after every commit")
                << 7919 * run << (run % 2 == 0);
    }
    void killedRecordingLosesNothingItShowed()
    {
        QFETCH(int, seed);
        QFETCH(bool, checkpointing);
        QRandomGenerator rng{quint32(seed)};
        // Whatever the killed child leaves behind goes with this folder.
        const QTemporaryDir leftovers;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
        env.insert(QStringLiteral("TMPDIR"), leftovers.path());
        if (checkpointing)
            env.insert(QString::fromLatin1(kCheckpointVariable), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("RecordingHelper")});
        QVERIFY(child.waitForStarted());
        // Killed after a random number of announced actions, at a random point of the next.
        const int killAfter = int(rng.bounded(1, 80));
        QByteArray out;
        while (out.count("RECORDED ") < killAfter && child.state() == QProcess::Running) {
            child.waitForReadyRead(1000);
            out += child.readAllStandardOutput();
        }
        QCOMPARE(child.state(), QProcess::Running);
        for (int i = int(rng.bounded(0, 20000)); i > 0; --i)
            out += child.readAllStandardOutput();
        child.kill(); // SIGKILL: no chance to tidy up
        QVERIFY(child.waitForFinished());
        out += child.readAllStandardOutput();
        const int shown = int(out.count("RECORDED "));
        QString path, error;
        for (const QByteArray& line : out.split('\n'))
            if (line.startsWith("DB "))
                path = QString::fromLocal8Bit(line.mid(3));
        QVERIFY2(!path.isEmpty() && Db::open(path, &error), qPrintable(error));
        const auto tidy = qScopeGuard([] { Db::close(); });

        QCOMPARE(SelectAll(QStringLiteral("PRAGMA integrity_check")).front().value(0).toString(), QStringLiteral("ok"));
        const auto rows = SelectAll(QStringLiteral("SELECT P.GAMEID = (SELECT GAMEID FROM GAME), L.PLAYERNAME, "
                                                   "P.POSITION, ")
                                    + kPlayColumns.join(QStringLiteral(", "))
                                    + QStringLiteral(" FROM PLAY P JOIN PLAYER L ON L.PLAYERID = P.PLAYERID "
                                                     "ORDER BY P.rowid"));
        // Every announced action is there; at most the one under way when the kill came is more.
        QVERIFY2(int(rows.size()) >= shown && int(rows.size()) <= shown + 1,
                 qPrintable(QStringLiteral("%1 rows, %2 shown").arg(rows.size()).arg(shown)));
        for (int i = 0; i < int(rows.size()); ++i) {
            const StatExpect& e = kStats[i % kStats.size()];
            const int box = BoxOf(i);
            QVERIFY(rows[size_t(i)].value(0).toBool());
            QCOMPARE(rows[size_t(i)].value(1).toString(),
                     box <= 6 ? QStringLiteral("Hawk %1").arg(box) : QStringLiteral("Owl %1").arg(box - 6));
            QCOMPARE(rows[size_t(i)].value(2).toInt(), box);
            for (int c = 0; c < kPlayColumns.size(); ++c)
                QCOMPARE(rows[size_t(i)].value(3 + c).toInt(), e.columns.contains(kPlayColumns[c]) ? e.value() : 0);
        }
        // The kept totals went in with each action, or not at all.
        QStringList sums, mismatches;
        for (const QString& column : kPlayColumns) {
            // Pass ratings are kept as their sum.
            const QString kept = column == QLatin1String("PASSING") ? QStringLiteral("PASSSUM") : column;
            sums << QStringLiteral("COALESCE(SUM(%1), 0) AS %1").arg(column);
            mismatches << QStringLiteral("T.%1 IS NOT S.%2").arg(kept, column);
        }
        const auto differing = SelectAll(
            QStringLiteral("SELECT COUNT(*) FROM (SELECT PLAYERID, GAMEID, POSITION, %1 FROM PLAY GROUP BY 1, 2, 3) S "
                           "LEFT JOIN TOTALS T USING (PLAYERID, GAMEID, POSITION) WHERE %2")
                .arg(sums.join(QStringLiteral(", ")), mismatches.join(QStringLiteral(" OR "))));
        QCOMPARE(differing.front().value(0).toInt(), 0);
    }
};

SIDELINES_TEST(RecordingHelper)
SIDELINES_TEST(TestDurability)
#include "tst_durability.moc"
