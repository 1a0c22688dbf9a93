#include "storage/ArchiveStore.h"
#include "storage/MatchStore.h"
#include "support/Fixture.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QSqlQuery>
#include <QTest>

namespace {
// Every row of the match tables, table by table.
QStringList Dump(const QString& path)
{
    QStringList out;
    for (const QString table : {"MATCH", "GAME", "PLAYED", "PLAY", "TOTALS", "RALLY", "SCOUTMATCH"})
        out << table << FileRows(path, "SELECT * FROM " + table);
    return out;
}

// Per match: its games, actions, players on court and the actions its kept totals count; and a
// line for rows of no match (half deleted or half copied).
QStringList Shapes(const QString& path)
{
    const QString games = QStringLiteral("(SELECT GAMEID FROM GAME G WHERE G.MATCHID = M.MATCHID)");
    return FileRows(path, QStringLiteral("SELECT M.MATCHID, (SELECT COUNT(*) FROM GAME G WHERE G.MATCHID = M.MATCHID), "
                                     "(SELECT COUNT(*) FROM PLAY WHERE GAMEID IN %1), (SELECT COUNT(*) FROM PLAYED "
                                     "WHERE GAMEID IN %1), (SELECT TOTAL(ACTIONS) FROM TOTALS WHERE GAMEID IN %1) "
                                     "FROM MATCH M UNION ALL SELECT 'orphans', COUNT(*), 0, 0, 0 FROM PLAY "
                                     "WHERE GAMEID NOT IN (SELECT GAMEID FROM GAME) HAVING COUNT(*) > 0")
                                  .arg(games));
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file the engine will read but never write: its header's write version (byte 18) past what
// it writes, which holds for the administrator too.
bool MakeReadOnly(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(18) && file.write("\x03", 1) == 1;
}

QString Id(int n)
{
    return RecordId(QDateTime(QDate(2026, 2, 1), QTime(18, 0)).addSecs(qint64(n) * 60)).text();
}

// Match n with its games; each game has two players on court, three actions and the log's start
// (with a libero), a point won by a kill, a libero swap and a timeout. An odd match came from a
// scout file and keeps its options, so that it can be continued.
void SeedMatch(int n, int games)
{
    Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, 'home', 'away')"), {Id(n)});
    if (n % 2) {
        Execute(QStringLiteral("INSERT INTO SCOUTMATCH VALUES (?, ?)"), {Id(n), QStringLiteral("file %1").arg(n)});
        Execute(QStringLiteral("UPDATE MATCH SET GAMES = 5, POINTS = 25, SIDE = 'RIGHT', SIDEOUTROTATE = 1, "
                               "SCOREFROMACTION = 0 WHERE MATCHID = ?"),
                {Id(n)});
    }
    for (int g = 1; g <= games; ++g) {
        const QString game = RecordId::fromText(Id(n)).addSecs(g).text();
        Execute(QStringLiteral("INSERT INTO GAME VALUES (?, ?, ?, ?, ?)"), {Id(n), game, g, 20 + g, 25 - n});
        Execute(QStringLiteral("INSERT INTO PLAYED VALUES (?, 'ann'), (?, 'bea')"), {game, game});
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT, PASSING) VALUES "
                               "(?, ?, 'ann', 4, 1, 1, NULL), (?, ?, 'bea', 2, NULL, NULL, 3), "
                               "(?, ?, 'ann', 4, -1, -1, NULL)"),
                QVariantList(6, game));
        Execute(QStringLiteral("INSERT INTO RALLY (GAMEID, ENTRY, STEP, KIND, ENTERED, SERVER, HOMESCORE, AWAYSCORE, "
                               "PLAYERID, STAT, POSITION, H1, A1) VALUES (?, 1, 1, 'START', ?, 0, 0, 0, 'lib', NULL, "
                               "NULL, 'ann', 'bea'), (?, 2, 2, 'POINT', ?, 1, 1, 0, 'ann', 'KILL', 4, 'ann', 'bea')"),
                {game, game, game, game});
        Execute(QStringLiteral("INSERT INTO RALLY (GAMEID, ENTRY, STEP, KIND, ENTERED, SIDE, AMOUNT, HOMESCORE, "
                               "AWAYSCORE, PLAYERID, OUTID, H1, A1) VALUES (?, 3, 3, 'LIBERO', ?, 0, 1, 1, 0, 'lib', "
                               "'ann', 'lib', 'bea'), (?, 4, 4, 'TIMEOUT', ?, 1, NULL, 1, 0, NULL, NULL, 'lib', 'bea')"),
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
        QCOMPARE(m_archive, QFileInfo(m_app->dbPath()).canonicalPath() + QStringLiteral("/Archive.db"));
    }

    void cleanup() { m_app.reset(); }

    // The exit copies every match whole (the archive's own trigger makes its kept totals), then
    // empties the working tables; a restore brings back exactly what was there. A match restored
    // and played on replaces its archived copy when it is left again; one left unchanged is not
    // copied twice.
    void exitArchivesAndRestoreBringsBack_data() { table::Rows(QStringLiteral("archive.txt")); }
    void exitArchivesAndRestoreBringsBack()
    {
        QFETCH(QString, change);
        SeedMatch(0, 2);
        SeedMatch(1, 3);
        const QStringList recorded = Dump(m_app->dbPath());
        ArchiveStore::ArchiveThenForget(m_archive);
        QCOMPARE(Dump(m_archive), recorded);
        QCOMPARE(Dump(m_app->dbPath()), (QStringList{"MATCH", "GAME", "PLAYED", "PLAY", "TOTALS", "RALLY", "SCOUTMATCH"}));

        const QList<RecordId> both{RecordId::fromText(Id(0)), RecordId::fromText(Id(1))};
        QCOMPARE(ArchiveStore::Restore(m_archive, both).restored, both);
        QCOMPARE(Dump(m_app->dbPath()), recorded);

        // A match left while it was being recorded comes back as one to continue by choice: no
        // recording is under way.
        MatchStore::ForgetMatches();
        FileRows(m_archive, QStringLiteral("UPDATE MATCH SET RECORDING = 1"));
        QCOMPARE(ArchiveStore::Restore(m_archive, both).restored, both);
        QCOMPARE(Dump(m_app->dbPath()), recorded);
        FileRows(m_archive, QStringLiteral("UPDATE MATCH SET RECORDING = 0"));

        if (!change.isEmpty())
            Execute(change);
        const QStringList played = Dump(m_app->dbPath());
        QCOMPARE(ArchiveStore::ArchiveMatches(m_archive), change.isEmpty() ? 0 : 1);
        QCOMPARE(Dump(m_archive), played);
    }

    // An archive that cannot take the matches stops the exit before anything is emptied, with a
    // message that names the file once; an older one is upgraded (after a copy) and keeps what it
    // held, unless it cannot be written, when neither a copy nor an upgrade is tried. With nothing
    // recorded and no archive yet, none is made.
    void archiveFiles_data() { table::Rows(QStringLiteral("archive.txt")); }
    void archiveFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, readOnly);
        QFETCH(bool, recorded);
        QFETCH(bool, works);
        QString error;
        QFile file(m_archive);
        if (contents.startsWith('v')) {
            QVERIFY(Db::createFresh(m_archive, &error, contents == "v0" ? 0 : Db::kSchemaVersion));
            FileRows(m_archive, QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES ('2025-01-01 10:00:00', 'h', 'a')"));
            FileRows(m_archive, QStringLiteral("PRAGMA user_version = %1").arg(contents == "v0" ? 0 : 99));
        } else if (contents == "other") {
            FileRows(m_archive, QStringLiteral("CREATE TABLE NOTES (LINE TEXT)"));
        } else if (!contents.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents == "empty" ? "" : contents) >= 0);
            file.close();
        }
        if (readOnly)
            QVERIFY(MakeReadOnly(m_archive));
        const QByteArray archived = Bytes(m_archive);
        if (recorded)
            SeedMatch(0, 1);
        const QStringList before = Dump(m_app->dbPath());
        try {
            ArchiveStore::ArchiveThenForget(m_archive);
            QVERIFY(works);
            QCOMPARE(QFileInfo::exists(m_archive), recorded);
            if (recorded)
                QCOMPARE(Shapes(m_archive).size(), contents == "v0" ? 2 : 1);
            QCOMPARE(m_app->count(QStringLiteral("MATCH")), 0);
        } catch (const ArchiveStore::ArchiveError& e) {
            QVERIFY2(!works, qPrintable(e.message()));
            QCOMPARE(e.path(), m_archive);
            QCOMPARE(e.message().count(QDir::toNativeSeparators(m_archive)), 1);
            QVERIFY2(!e.reason().contains(m_archive), qPrintable(e.reason()));
            QCOMPARE(Dump(m_app->dbPath()), before);
            QCOMPARE(Bytes(m_archive), archived);
        }
        QCOMPARE(QFileInfo::exists(m_archive + QStringLiteral(".schema0.bak")), contents == "v0" && works);
    }

    // The exit writes only what has changed. With every match archived as it stands and the
    // roster as archived, it only reads the archive: an archive that cannot be written still
    // lets it empty the working tables, and a writable one is left byte for byte. A change is
    // written row by row, or refused whole by an archive that cannot be written.
    void exitWritesOnlyWhatChanged_data() { table::Rows(QStringLiteral("archive.txt")); }
    void exitWritesOnlyWhatChanged()
    {
        QFETCH(QString, change);
        QFETCH(bool, readOnly);
        QFETCH(QStringList, written);
        Execute(QStringLiteral("INSERT INTO TEAM VALUES ('t1', 'Hawks'), ('t2', 'Owls')"));
        Execute(QStringLiteral("INSERT INTO PLAYER VALUES ('p1', 't1', 'Ana', 7), ('p2', 't2', 'Bo', 8)"));
        SeedMatch(0, 2);
        SeedMatch(1, 1);
        ArchiveStore::ArchiveThenForget(m_archive);
        const QList<RecordId> both{RecordId::fromText(Id(0)), RecordId::fromText(Id(1))};
        QCOMPARE(ArchiveStore::Restore(m_archive, both).restored, both);
        // The archive notes each row written to it.
        FileRows(m_archive, QStringLiteral("CREATE TABLE WRITTEN (ROW TEXT)"));
        for (const QString table : {"TEAM", "PLAYER", "MATCH"}) {
            const QString key = table == QLatin1String("TEAM") ? "TEAMID" : table == QLatin1String("PLAYER") ? "PLAYERID" : "MATCHID";
            for (const QString event : {"INSERT", "UPDATE"})
                FileRows(m_archive, QStringLiteral("CREATE TRIGGER NOTE_%1_%2 AFTER %2 ON %1 BEGIN INSERT INTO WRITTEN "
                                               "VALUES ('%1 ' || NEW.%3); END")
                                    .arg(table, event, key));
        }
        if (readOnly)
            QVERIFY(MakeReadOnly(m_archive));
        if (!change.isEmpty())
            Execute(change);
        const QByteArray archived = Bytes(m_archive);
        const QStringList before = Dump(m_app->dbPath());

        const bool refused = written == QStringList{"refused"};
        try {
            ArchiveStore::ArchiveThenForget(m_archive);
            QVERIFY(!refused);
        } catch (const ArchiveStore::ArchiveError& e) {
            QVERIFY2(refused, qPrintable(e.message()));
            QCOMPARE(e.path(), m_archive);
            QVERIFY2(e.reason().contains(QLatin1String("readonly")), qPrintable(e.reason()));
        }
        const QStringList emptied{"MATCH", "GAME", "PLAYED", "PLAY", "TOTALS", "RALLY", "SCOUTMATCH"};
        QCOMPARE(Dump(m_app->dbPath()), refused ? before : emptied);
        if (refused || written.isEmpty())
            QCOMPARE(Bytes(m_archive), archived);
        else
            QCOMPARE(FileRows(m_archive, QStringLiteral("SELECT ROW FROM WRITTEN")), written);
        // No journal of a write left beside it.
        QCOMPARE(QDir(QFileInfo(m_archive).path()).entryList({QStringLiteral("Archive.db*")}),
                 QStringList{QStringLiteral("Archive.db")});
    }

    // Each database keeps the archive beside it, so that matches left on one database are never
    // offered on another (a portable copy and an installed one on the same computer); a database
    // reached through a link shares the archive of the file it leads to.
    void archiveSitsBesideTheDatabaseInUse_data() { table::Rows(QStringLiteral("archive.txt")); }
    void archiveSitsBesideTheDatabaseInUse()
    {
        QFETCH(QString, opened);
        QFETCH(QString, archiveIn);
        QFETCH(int, offered);
        QTemporaryDir root;
        const QString dbName = QString::fromLatin1(Db::kFileName);
        const auto database = [&](const QString& folder) { return root.filePath(folder + QLatin1Char('/') + dbName); };
        QString error;
        for (const QString folder : {"first", "second", "linked"})
            QVERIFY(QDir(root.path()).mkdir(folder));
        QVERIFY(Db::createFresh(database("first"), &error) && Db::createFresh(database("second"), &error));
        QVERIFY(QFile::link(database("first"), database("linked")));

        QVERIFY2(Db::open(database("first"), &error), qPrintable(error));
        SeedMatch(0, 1);
        ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
        QVERIFY2(Db::open(database(opened), &error), qPrintable(error));
        const QString archive = ArchiveStore::DefaultPath();
        QCOMPARE(archive, QFileInfo(root.path()).canonicalFilePath() + QLatin1Char('/') + archiveIn + "/Archive.db");
        QCOMPARE(int(ArchiveStore::ListMatches(archive).size()), offered);
        // Not in the user's data folder, whatever database is in use.
        QCOMPARE(QDir(qEnvironmentVariable("XDG_DATA_HOME")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        Db::close();
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
