#include "core/ArchiveStore.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace {
// The rows a statement reads from a file through a connection of its own (so only what was
// committed counts), each as its values joined by '|', sorted.
QStringList Rows(const QString& path, const QString& sql)
{
    QStringList out;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(sql, db);
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i).toString();
            out << row.join(QLatin1Char('|'));
        }
    }
    QSqlDatabase::removeDatabase(name);
    out.sort();
    return out;
}

// Every row of the match tables, table by table.
QStringList Dump(const QString& path)
{
    QStringList out;
    for (const QString table : {"MATCH", "GAME", "PLAYED", "PLAY", "TOTALS", "RALLY"})
        out << table << Rows(path, "SELECT * FROM " + table);
    return out;
}

// Per match: its games, actions, players on court and the actions its kept totals count; and a
// line for rows of no match (half deleted or half copied).
QStringList Shapes(const QString& path)
{
    const QString games = QStringLiteral("(SELECT GAMEID FROM GAME G WHERE G.MATCHID = M.MATCHID)");
    return Rows(path, QStringLiteral("SELECT M.MATCHID, (SELECT COUNT(*) FROM GAME G WHERE G.MATCHID = M.MATCHID), "
                                     "(SELECT COUNT(*) FROM PLAY WHERE GAMEID IN %1), (SELECT COUNT(*) FROM PLAYED "
                                     "WHERE GAMEID IN %1), (SELECT TOTAL(ACTIONS) FROM TOTALS WHERE GAMEID IN %1) "
                                     "FROM MATCH M UNION ALL SELECT 'orphans', COUNT(*), 0, 0, 0 FROM PLAY "
                                     "WHERE GAMEID NOT IN (SELECT GAMEID FROM GAME) HAVING COUNT(*) > 0")
                                  .arg(games));
}

QString Id(int n)
{
    return RecordId(QDateTime(QDate(2026, 2, 1), QTime(18, 0)).addSecs(qint64(n) * 60)).text();
}

// Match n with its games; each game has two players on court, three actions and the log's start
// and a point.
void SeedMatch(int n, int games)
{
    Execute(QStringLiteral("INSERT INTO MATCH VALUES (?, 'home', 'away')"), {Id(n)});
    for (int g = 1; g <= games; ++g) {
        const QString game = RecordId::fromText(Id(n)).addSecs(g).text();
        Execute(QStringLiteral("INSERT INTO GAME VALUES (?, ?, ?, ?, ?)"), {Id(n), game, g, 20 + g, 25 - n});
        Execute(QStringLiteral("INSERT INTO PLAYED VALUES (?, 'ann'), (?, 'bea')"), {game, game});
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT, PASSING) VALUES "
                               "(?, ?, 'ann', 4, 1, 1, NULL), (?, ?, 'bea', 2, NULL, NULL, 3), "
                               "(?, ?, 'ann', 4, -1, -1, NULL)"),
                QVariantList(6, game));
        Execute(QStringLiteral("INSERT INTO RALLY (GAMEID, ENTRY, STEP, KIND, ENTERED, SERVER, HOMESCORE, AWAYSCORE, "
                               "H1, A1) VALUES (?, 1, 1, 'START', ?, 0, 0, 0, 'ann', 'bea'), "
                               "(?, 2, 2, 'POINT', ?, 1, 1, 0, 'ann', 'bea')"),
                {game, game, game, game});
    }
}
}  // namespace

class TestArchive : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> m_app;
    QString m_archive;

private slots:
    void init()
    {
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->ok());
        m_archive = ArchiveStore::DefaultPath();
        QVERIFY2(m_archive.startsWith(m_app->dir()), qPrintable(m_archive));
    }

    void cleanup() { m_app.reset(); }

    // The exit copies every match whole (the archive's own trigger makes its kept totals), then
    // empties the working tables; a restore brings back exactly what was there. A match restored
    // and played on replaces its archived copy when it is left again; one left unchanged is not
    // copied twice.
    void exitArchivesAndRestoreBringsBack_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("nothing") << QString();
        QTest::newRow("an action") << QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, DIG) "
                                                     "VALUES ('2026-02-01 18:00:01', 'x', 'bea', 2, 1)");
        QTest::newRow("a point") << QStringLiteral("UPDATE GAME SET AWAYSCORE = 9 WHERE GAMEID = '2026-02-01 18:00:02'");
        QTest::newRow("a player on court") << QStringLiteral("INSERT INTO PLAYED VALUES ('2026-02-01 18:00:01', 'cat')");
        QTest::newRow("a game") << QStringLiteral("INSERT INTO GAME VALUES ('2026-02-01 18:00:00', 'g3', 3, 0, 0)");
        QTest::newRow("a log entry") << QStringLiteral("INSERT INTO RALLY (GAMEID, ENTRY, STEP, KIND, ENTERED, HOMESCORE, "
                                                       "AWAYSCORE) VALUES ('2026-02-01 18:00:01', 3, 3, 'ROTATE', 'x', 1, 0)");
    }

    void exitArchivesAndRestoreBringsBack()
    {
        QFETCH(QString, change);
        SeedMatch(0, 2);
        SeedMatch(1, 3);
        const QStringList recorded = Dump(m_app->dbPath());
        ArchiveStore::ArchiveThenForget(m_archive);
        QCOMPARE(Dump(m_archive), recorded);
        QCOMPARE(Dump(m_app->dbPath()), (QStringList{"MATCH", "GAME", "PLAYED", "PLAY", "TOTALS", "RALLY"}));

        const QList<RecordId> both{RecordId::fromText(Id(0)), RecordId::fromText(Id(1))};
        QCOMPARE(ArchiveStore::Restore(m_archive, both).restored, both);
        QCOMPARE(Dump(m_app->dbPath()), recorded);

        if (!change.isEmpty())
            Execute(change);
        const QStringList played = Dump(m_app->dbPath());
        QCOMPARE(ArchiveStore::ArchiveMatches(m_archive), change.isEmpty() ? 0 : 1);
        QCOMPARE(Dump(m_archive), played);
    }

    // An archive that cannot take the matches stops the exit before anything is emptied; an
    // older one is upgraded (after a copy) and keeps what it held.
    void archiveFiles_data()
    {
        QTest::addColumn<QByteArray>("contents"); // "v0", "v99": a database of that version
        QTest::addColumn<bool>("works");
        QTest::newRow("none yet") << QByteArray() << true;
        QTest::newRow("empty, as a stop while making it left it") << QByteArray("empty") << true;
        QTest::newRow("older version") << QByteArray("v0") << true;
        QTest::newRow("newer version") << QByteArray("v99") << false;
        QTest::newRow("not a database") << QByteArray("some text") << false;
    }

    void archiveFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, works);
        QString error;
        QFile file(m_archive);
        if (contents.startsWith('v')) {
            QVERIFY(Db::createFresh(m_archive, &error, contents == "v0" ? 0 : Db::kSchemaVersion));
            Rows(m_archive, QStringLiteral("INSERT INTO MATCH VALUES ('2025-01-01 10:00:00', 'h', 'a')"));
            Rows(m_archive, QStringLiteral("PRAGMA user_version = %1").arg(contents == "v0" ? 0 : 99));
        } else if (!contents.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents == "empty" ? "" : contents) >= 0);
            file.close();
        }
        SeedMatch(0, 1);
        const QStringList recorded = Dump(m_app->dbPath());
        try {
            ArchiveStore::ArchiveThenForget(m_archive);
            QVERIFY(works);
            QCOMPARE(Shapes(m_archive).size(), contents == "v0" ? 2 : 1);
            QCOMPARE(m_app->count(QStringLiteral("MATCH")), 0);
        } catch (const DbError& e) {
            QVERIFY2(!works, qPrintable(e.message()));
            QCOMPARE(Dump(m_app->dbPath()), recorded);
        }
        QCOMPARE(QFileInfo::exists(m_archive + QStringLiteral(".schema0.bak")), contents == "v0");
    }

    // A process killed at any moment of recording or leaving loses no match: each one announced
    // as recorded is whole in the working tables or in the archive (or both, between the
    // archive's commit and the emptying), and nothing half-copied is left anywhere.
    void killedAtAnyMomentLosesNoMatch()
    {
        const QString db = m_app->dbPath();
        Db::close(); // the child has the working file to itself
        const QString archive = QFileInfo(db).path() + QStringLiteral("/Archive.db");
        QStringList announced;
        for (int run = 0; run < 20; ++run) {
            QProcess child;
            child.start(QStringLiteral(SIDELINES_EXIT_CHILD), {db, archive, QString::number(run * 1000)});
            QVERIFY(child.waitForStarted());
            // Killed once it has recorded a match, at a random moment of what follows, however fast
            // the machine.
            QByteArray out;
            while (!out.contains("recorded ") && child.waitForReadyRead(10000))
                out += child.readAllStandardOutput();
            QTest::qWait(QRandomGenerator::global()->bounded(160));
            QVERIFY2(child.state() == QProcess::Running, child.readAllStandardError().constData());
            child.kill();
            QVERIFY(child.waitForFinished());
            out += child.readAllStandardOutput();
            for (const QString& line : QString::fromLatin1(out).split(QLatin1Char('\n'))) {
                if (line.startsWith(QLatin1String("recorded ")))
                    announced << Id(line.mid(9).toInt());
            }

            QSet<QString> kept;
            for (const QString& path : {db, archive}) {
                for (const QString& shape : Shapes(path)) {
                    QCOMPARE(shape.section(QLatin1Char('|'), 1), QStringLiteral("2|100|4|100"));
                    kept << shape.section(QLatin1Char('|'), 0, 0);
                }
            }
            for (const QString& id : announced)
                QVERIFY2(kept.contains(id), qPrintable(QStringLiteral("run %1 lost match %2").arg(run).arg(id)));
        }
        QVERIFY(announced.size() >= 20);
    }
};

SIDELINES_TEST(TestArchive)
#include "tst_archive.moc"
