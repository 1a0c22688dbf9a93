#include "core/ArchiveStore.h"
#include "core/Database.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace {
const QStringList kMatchTables{QStringLiteral("MATCH"), QStringLiteral("GAME"), QStringLiteral("PLAYED"),
                               QStringLiteral("PLAY"), QStringLiteral("TOTALS")};

// Every row of the match tables of a file (read through a connection of its own, so only what
// was committed counts), table by table, in a fixed order.
QStringList Dump(const QString& path)
{
    QStringList out;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            return {QStringLiteral("cannot open")};
        for (const QString& table : kMatchTables) {
            // Table names come from the list above. Actions may be alike in every column, so the
            // rows are sorted whole here rather than by the engine.
            QSqlQuery q(QStringLiteral("SELECT * FROM %1").arg(table), db);
            QStringList rows;
            while (q.next()) {
                QStringList row{table};
                for (int i = 0; i < q.record().count(); ++i)
                    row << q.value(i).toString();
                rows << row.join(QLatin1Char('|'));
            }
            rows.sort();
            out << rows << QStringLiteral("%1 rows %2").arg(table).arg(rows.size());
        }
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}

QString Id(int n)
{
    return RecordId(QDateTime(QDate(2026, 2, 1), QTime(18, 0)).addSecs(qint64(n) * 60)).text();
}

// Match n with `games` games; each game has two players on court and a few actions of theirs.
void SeedMatch(int n, int games = 2)
{
    Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, 'home', 'away')"),
            {Id(n)});
    for (int g = 1; g <= games; ++g) {
        const QString game = RecordId::fromText(Id(n)).addSecs(g).text();
        Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) VALUES (?, ?, ?, ?, ?)"),
                {Id(n), game, g, 20 + g, 25 - n});
        Execute(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES (?, 'ann'), (?, 'bea')"), {game, game});
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT, PASSING) VALUES "
                               "(?, ?, 'ann', 4, 1, 1, NULL), (?, ?, 'bea', 2, NULL, NULL, 3), (?, ?, 'ann', 4, -1, -1, NULL)"),
                {game, game, game, game, game, game});
    }
}

// The matches, games and actions in a file: per match its games, actions, players on court and
// the actions its kept totals count.
QList<QVariantList> MatchShapes(const QString& path)
{
    QList<QVariantList> out;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        const QString games = QStringLiteral("(SELECT GAMEID FROM GAME G WHERE G.MATCHID = M.MATCHID)");
        QSqlQuery q(QStringLiteral("SELECT M.MATCHID, (SELECT COUNT(*) FROM GAME G WHERE G.MATCHID = M.MATCHID), "
                                   "(SELECT COUNT(*) FROM PLAY WHERE GAMEID IN %1), "
                                   "(SELECT COUNT(*) FROM PLAYED WHERE GAMEID IN %1), "
                                   "(SELECT TOTAL(ACTIONS) FROM TOTALS WHERE GAMEID IN %1) FROM MATCH M")
                        .arg(games),
                    db);
        while (q.next())
            out << QVariantList{q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                                q.value(4).toInt()};
        // Rows of no match (a half-deleted or half-copied match) show up as a line of their own.
        QSqlQuery orphans(QStringLiteral("SELECT (SELECT COUNT(*) FROM GAME WHERE MATCHID NOT IN (SELECT MATCHID FROM MATCH)) "
                                         "+ (SELECT COUNT(*) FROM PLAY WHERE GAMEID NOT IN (SELECT GAMEID FROM GAME))"),
                          db);
        if (orphans.next() && orphans.value(0).toInt() != 0)
            out << QVariantList{QStringLiteral("orphans"), orphans.value(0).toInt()};
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}
}  // namespace

class TestArchive : public QObject
{
    Q_OBJECT

private:
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

    // The exit copies every match whole (its kept totals made again by the archive's own
    // trigger), then empties the working tables; a restore brings back exactly what was there.
    // A match restored and played on replaces its archived copy when it is left again; one left
    // unchanged is not copied twice.
    void exitArchivesAndRestoreBringsBack_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("nothing") << QString();
        QTest::newRow("an action") << QStringLiteral(
            "INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, DIG) VALUES ('2026-02-01 18:00:01', 'x', 'bea', 2, 1)");
        QTest::newRow("a point") << QStringLiteral("UPDATE GAME SET AWAYSCORE = AWAYSCORE + 1 WHERE GAMEID = '2026-02-01 18:00:02'");
        QTest::newRow("a player on court") << QStringLiteral(
            "INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES ('2026-02-01 18:00:01', 'cat')");
        QTest::newRow("a game") << QStringLiteral(
            "INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
            "VALUES ('2026-02-01 18:00:00', '2026-02-01 18:00:09', 3, 0, 0)");
    }

    void exitArchivesAndRestoreBringsBack()
    {
        QFETCH(QString, change);
        SeedMatch(0, 2);
        SeedMatch(1, 3);
        const QStringList recorded = Dump(m_app->dbPath());
        QVERIFY(recorded.contains(QStringLiteral("PLAY rows 15")));

        ArchiveStore::ArchiveThenForget(m_archive);
        QCOMPARE(Dump(m_archive), recorded);
        for (const QString& table : kMatchTables)
            QCOMPARE(m_app->count(table), 0);

        const auto result = ArchiveStore::Restore(m_archive, {RecordId::fromText(Id(0)), RecordId::fromText(Id(1))});
        QCOMPARE(result.restored.size(), 2);
        QCOMPARE(Dump(m_app->dbPath()), recorded);

        if (!change.isEmpty())
            Execute(change);
        const QStringList played = Dump(m_app->dbPath());
        QCOMPARE(ArchiveStore::ArchiveMatches(m_archive), change.isEmpty() ? 0 : 1);
        QCOMPARE(Dump(m_archive), played);
    }

    // A match already among the working ones is left as it is there and named; the others of
    // the same choice come back.
    void restoreSkipsMatchesAlreadyThere()
    {
        SeedMatch(0);
        SeedMatch(1);
        ArchiveStore::ArchiveThenForget(m_archive);
        ArchiveStore::Restore(m_archive, {RecordId::fromText(Id(0))});
        Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = 99"));
        const auto result = ArchiveStore::Restore(m_archive, {RecordId::fromText(Id(0)), RecordId::fromText(Id(1))});
        QCOMPARE(result.skipped, QList<RecordId>{RecordId::fromText(Id(0))});
        QCOMPARE(result.restored, QList<RecordId>{RecordId::fromText(Id(1))});
        QCOMPARE(m_app->scalar(QStringLiteral("SELECT COUNT(*) FROM GAME WHERE HOMESCORE = 99")).toInt(), 2);
        QCOMPARE(m_app->count(QStringLiteral("PLAY")), 12);
        const auto listed = ArchiveStore::ListMatches(m_archive);
        QCOMPARE(listed.size(), size_t(2));
        QCOMPARE(listed[1].scores, (QList<std::pair<int, int>>{{21, 24}, {22, 24}}));
    }

    // An archive that cannot take the matches stops the exit before anything is emptied; an
    // older archive is upgraded (after a copy) and keeps what it held.
    void archiveFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");  // written as the archive file; "v0": a version 0 database
        QTest::addColumn<bool>("works");
        QTest::newRow("none yet") << QByteArray() << true;
        QTest::newRow("older version") << QByteArray("v0") << true;
        QTest::newRow("newer version") << QByteArray("v99") << false;
        QTest::newRow("not a database") << QByteArray("just some text that is not a database") << false;
        QTest::newRow("a folder in its place") << QByteArray("folder") << false;
    }

    void archiveFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, works);
        QString error;
        if (contents.startsWith('v')) {
            QVERIFY(Db::createFresh(m_archive, &error, contents == "v0" ? 0 : Db::kSchemaVersion));
            const QString name = QStringLiteral("older");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(m_archive);
                QVERIFY(db.open());
                QSqlQuery(QStringLiteral("INSERT INTO MATCH VALUES ('2025-01-01 10:00:00', 'h', 'a')"), db);
                if (contents == "v99")
                    QSqlQuery(QStringLiteral("PRAGMA user_version = 99"), db);
            }
            QSqlDatabase::removeDatabase(name);
        } else if (contents == "folder") {
            QVERIFY(QDir().mkpath(m_archive));
        } else if (!contents.isEmpty()) {
            QFile file(m_archive);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        SeedMatch(0);
        const QStringList recorded = Dump(m_app->dbPath());
        bool threw = false;
        try {
            ArchiveStore::ArchiveThenForget(m_archive);
        } catch (const DbError& e) {
            threw = true;
            QVERIFY2(!works, qPrintable(e.message()));
        }
        QCOMPARE(threw, !works);
        if (works) {
            QCOMPARE(MatchShapes(m_archive).size(), contents.isEmpty() ? 1 : 2);
            QCOMPARE(m_app->count(QStringLiteral("MATCH")), 0);
        } else {
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
        const QString archive = QFileInfo(db).dir().filePath(QStringLiteral("Archive.db"));
        QStringList announced;
        int killedWhileLeaving = 0;
        for (int run = 0; run < 20; ++run) {
            QProcess child;
            child.start(QStringLiteral(SIDELINES_EXIT_CHILD), {db, archive, QString::number(run * 1000)});
            QVERIFY(child.waitForStarted());
            QTest::qWait(40 + QRandomGenerator::global()->bounded(160));
            QVERIFY2(child.state() == QProcess::Running, child.readAllStandardError().constData());
            child.kill();
            QVERIFY(child.waitForFinished());
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            const QStringList lines = QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char('\n'),
                                                                                                   Qt::SkipEmptyParts);
            for (const QString& line : lines) {
                if (line.startsWith(QLatin1String("recorded ")))
                    announced << Id(line.mid(9).toInt());
            }
            if (!lines.isEmpty() && lines.last() == QLatin1String("leaving"))
                ++killedWhileLeaving;
            const QByteArray failure = child.readAllStandardError();
            QVERIFY2(failure.isEmpty(), failure.constData());

            QSet<QString> kept;
            for (const QString& path : {db, archive}) {
                for (const QVariantList& shape : MatchShapes(path)) {
                    QCOMPARE(shape.mid(1), (QVariantList{2, 100, 4, 100}));
                    kept << shape[0].toString();
                }
            }
            for (const QString& id : announced)
                QVERIFY2(kept.contains(id), qPrintable(QStringLiteral("run %1 lost match %2").arg(run).arg(id)));
        }
        QVERIFY(announced.size() > 20);
        qInfo("%lld matches recorded, %d of 20 runs killed while leaving", qint64(announced.size()), killedWhileLeaving);
    }
};

SIDELINES_TEST(TestArchive)
#include "tst_archive.moc"
