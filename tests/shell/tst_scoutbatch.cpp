#include "storage/ArchiveStore.h"
#include "storage/MatchStore.h"
#include "storage/Database.h"
#include "scoutfile/ScoutFile.h"
#include "core/ScoutFixture.h"
#include "shell/ScoutBatch.h"
#include "shell/frmSplash.h"
#include "support/Fixture.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>

using namespace scoutfixture;

// The scout commands of the built program, run without any display on a portable copy of it
// (the program and its database in a folder of their own).
class TestScoutBatch : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    QString program() const { return dir->filePath(QStringLiteral("sidelines")); }

    QString file(const QString& name, const QByteArray& bytes) const
    {
        QFile f(dir->filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }

    struct Run
    {
        int status = -1;
        QStringList out;
        QString err;
    };

    Run run(const QStringList& arguments) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir->filePath(QStringLiteral("data")));
        p.setProcessEnvironment(env);
        p.start(program(), arguments);
        Run r;
        if (!p.waitForFinished(120000))
            return r;
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    // What the database beside the program holds (each match and its number of actions), read
    // through a connection of the test's own.
    QStringList matches() const
    {
        return FileRows(dir->filePath(QStringLiteral("Rally2.db")),
                        QStringLiteral("SELECT M.MATCHID || ' ' || (SELECT COUNT(*) FROM PLAY P JOIN GAME G ON "
                                       "G.GAMEID = P.GAMEID WHERE G.MATCHID = M.MATCHID) FROM MATCH M"));
    }

    // A line of the fixture with the dates of the real match (%1) and of its renamed copy (%2) as
    // the user's language writes them.
    static QString Dated(const QString& line)
    {
        return QString(line)
            .replace(QStringLiteral("%1"), MatchWhen(RecordId::fromText(QStringLiteral("2015-01-25 14:31:13"))))
            .replace(QStringLiteral("%2"), MatchWhen(RecordId::fromText(QStringLiteral("2015-02-02 14:31:13"))));
    }

    // Each line printed starts with its file's name and then the fixture's line.
    static void Printed(const QStringList& out, const QStringList& paths, const QString& lines)
    {
        const QStringList expected = lines.split(QLatin1Char('\n'));
        QCOMPARE(out.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(out[i].startsWith(QDir::toNativeSeparators(paths[i]) + QStringLiteral(": ") + Dated(expected[i])),
                     qPrintable(out[i]));
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QFile::copy(QStringLiteral(SIDELINES_EXE), program()));
        QString error;
        QVERIFY2(Db::createFresh(dir->filePath(QStringLiteral("Rally2.db")), &error), qPrintable(error));
    }
    void cleanup() { dir.reset(); }

    // One line per file; status 0 only when every file went in; a refused file names its line and
    // leaves nothing behind, even beside files that went in.
    void importPrintsALinePerFile_data() { table::Rows(QStringLiteral("scoutbatch.txt")); }
    void importPrintsALinePerFile()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, lines);
        QFETCH(QStringList, stored);
        QStringList paths;
        for (const QString& f : files) {
            if (f == QLatin1String("good") || f == QLatin1String("again"))
                paths << file(QStringLiteral("%1.dvw").arg(f), Fixture());
            else if (f == QLatin1String("cut"))
                paths << file(QStringLiteral("cut.dvw"), Join(Lines().mid(0, 700)));
            else if (f == QLatin1String("cp1250"))
                paths << file(QStringLiteral("cp1250.dvw"),
                              Encoded(Declaring("UTF-8", Fixture()), QStringLiteral("windows-1250")));
            else if (f == QLatin1String("fifo")) {
                paths << dir->filePath(QStringLiteral("fifo.dvw"));
                QCOMPARE(::mkfifo(QFile::encodeName(paths.last()).constData(), 0600), 0);
            } else if (f.startsWith(QLatin1Char('/')))
                paths << f;
            else if (f == QLatin1String("undeclared"))
                paths << file(QStringLiteral("undeclared.dvw"), Encoded(Fixture(), QStringLiteral("windows-1250")));
            else
                paths << dir->filePath(QStringLiteral("missing.dvw"));
        }
        const Run r = run(QStringList{QStringLiteral("--import")} + options + paths);
        QVERIFY2(r.status == status, qPrintable(r.out.join('\n') + r.err));
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        Printed(r.out, paths, lines);
        QCOMPARE(matches(), stored);
    }

    // Every match of the working tables into a folder, one file each named by date and teams, each
    // one the reader takes back; wrong arguments are refused with the usage and status 2.
    void exportWritesEveryMatch()
    {
        QVERIFY(run({QStringLiteral("--import"), file(QStringLiteral("a.dvw"), Fixture()),
                     file(QStringLiteral("b.dvw"), Renamed("Hawks", "Owls", "02/02/2015"))})
                    .status
                == 0);
        const QString out = dir->filePath(QStringLiteral("season/export"));
        const Run r = run({QStringLiteral("--export-scout"), out});
        QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(r.err));
        QCOMPARE(
            r.out,
            (QStringList{QDir::toNativeSeparators(out + QStringLiteral("/2015-01-25 Nova KBM Branik vs Braslovče.dvw")),
                         QDir::toNativeSeparators(out + QStringLiteral("/2015-02-02 Owls vs Hawks.dvw"))}));
        for (const QString& path : r.out) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const Scout::ReadResult read = Scout::Read(f.readAll(), Scout::Encoding::Automatic, QDate(2026, 12, 31));
            QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        }
        // Again into the same folder: the files there stay as they are, the new ones take a number.
        QFile mine(r.out[0]);
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("the user's own") > 0);
        mine.close();
        const Run again = run({QStringLiteral("--export-scout"), out});
        QVERIFY2(again.status == 0 && again.err.isEmpty(), qPrintable(again.err));
        QCOMPARE(again.out,
                 (QStringList{QDir::toNativeSeparators(out + QStringLiteral("/2015-01-25 Nova KBM Branik vs Braslovče (2).dvw")),
                              QDir::toNativeSeparators(out + QStringLiteral("/2015-02-02 Owls vs Hawks (2).dvw"))}));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("the user's own"));
        for (const QStringList& wrong :
             {QStringList{"--encoding", "klingon", "--import", "x.dvw"}, QStringList{"--import"},
              QStringList{"--export-scout", out, "--import", "x.dvw"}}) {
            const Run bad = run(wrong);
            QVERIFY2(bad.status == 2 && bad.out.isEmpty() && !bad.err.isEmpty(), qPrintable(wrong.join(' ')));
        }
    }

    // A match moved to the archive by the exit is not imported again: the archive is looked in
    // for every file, and a broken one refuses each file naming it.
    void archiveLookedInForEveryFile_data() { table::Rows(QStringLiteral("scoutbatch.txt")); }
    void archiveLookedInForEveryFile()
    {
        QFETCH(bool, broken);
        QFETCH(QString, lines);
        const QString good = file(QStringLiteral("a.dvw"), Fixture());
        QCOMPARE(run({QStringLiteral("--import"), good}).status, 0);
        const QString archive = dir->filePath(QStringLiteral("Archive.db"));
        {
            QString error;
            QVERIFY(Db::open(dir->filePath(QStringLiteral("Rally2.db")), &error));
            ArchiveStore::ArchiveThenForget(archive);
            Db::close();
        }
        QCOMPARE(matches(), QStringList());
        if (broken) {
            QFile f(archive);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("no database") > 0);
        }
        const QStringList files{good, file(QStringLiteral("b.dvw"), Renamed("Hawks", "Owls", "02/02/2015"))};
        const Run r = run(QStringList{QStringLiteral("--import")} + files);
        QCOMPARE(r.status, 1);
        Printed(r.out, files, lines);
        QCOMPARE(matches().size(), broken ? 0 : 1);
    }

    // On a terminal, the file being imported is named while it is, one line per file that the
    // file's result takes the place of.
    void progressOnATerminal()
    {
        QString error;
        QVERIFY(Db::open(dir->filePath(QStringLiteral("Rally2.db")), &error));
        const auto closed = qScopeGuard([] { Db::close(); });
        const QStringList files{file(QStringLiteral("a.dvw"), Fixture()), dir->filePath(QStringLiteral("none.dvw"))};
        QString out, progress;
        QTextStream outStream(&out), progressStream(&progress);
        QCOMPARE(ScoutBatch::ImportFiles(files, Scout::Encoding::Automatic, outStream, &progressStream), 1);
        QCOMPARE(progress, QStringLiteral("Importing 1 of 2: %1...\r\x1b[KImporting 2 of 2: %2...\r\x1b[K")
                               .arg(QDir::toNativeSeparators(files[0]), QDir::toNativeSeparators(files[1])));
        QCOMPARE(out.count(QLatin1Char('\n')), 2);
    }

    // The lock that keeps a second copy of the program off the database keeps these commands off
    // it too: a running copy would not know the rows written under it, and its exit would empty
    // them. A lock file that cannot be used refuses both, naming it and the system's reason,
    // except on a database that nothing can write, which the export may still read. Whatever is
    // refused leaves the database as it was and writes no file.
    void lockKeepsTheCommandsOff_data() { table::Rows(QStringLiteral("scoutbatch.txt")); }
    void lockKeepsTheCommandsOff()
    {
        QFETCH(QString, blocker);
        QFETCH(bool, readOnly);
        QFETCH(bool, importing);
        QFETCH(int, status);
        QFETCH(QString, said);
        QCOMPARE(run({QStringLiteral("--import"), file(QStringLiteral("a.dvw"), Fixture())}).status, 0);
        const QString database = dir->filePath(QStringLiteral("Rally2.db"));
        if (readOnly) {
            QFile header(database);
            QVERIFY(header.open(QIODevice::ReadWrite) && header.seek(18) && header.write("\x03", 1) == 1);
        }
        const QString lockPath = dir->filePath(SidelinesStart::LockFileName());
        QProcess holder;
        if (blocker == QLatin1String("held")) {
            // The shell becomes the sleeping process that holds the lock, and says when it does.
            holder.start(QStringLiteral("sh"),
                         {QStringLiteral("-c"),
                          QStringLiteral("exec 9>\"$0\" && flock -n 9 && echo held && exec sleep 60"), lockPath});
            QVERIFY(holder.waitForStarted());
            QVERIFY(QTest::qWaitFor([&] {
                return holder.readAllStandardOutput().contains("held") || holder.state() == QProcess::NotRunning;
            }));
            QCOMPARE(holder.state(), QProcess::Running);
        } else {
            QVERIFY(QDir().mkdir(lockPath));
        }
        QFile db(database);
        QVERIFY(db.open(QIODevice::ReadOnly));
        const QByteArray before = db.readAll();

        const QString out = dir->filePath(QStringLiteral("export"));
        const Run r = importing
            ? run({QStringLiteral("--import"), file(QStringLiteral("b.dvw"), Renamed("Hawks", "Owls", "02/02/2015"))})
            : run({QStringLiteral("--export-scout"), out});
        if (holder.state() != QProcess::NotRunning) {
            holder.kill();
            holder.waitForFinished();
        }
        QVERIFY2(r.status == status, qPrintable(r.out.join('\n') + r.err));
        said.replace(QStringLiteral("%1"), QDir::toNativeSeparators(lockPath))
            .replace(QStringLiteral("%2"), qt_error_string(EISDIR));
        QVERIFY2(said.isEmpty() ? r.err.isEmpty() : r.err.contains(said), qPrintable(r.err));
        QVERIFY(db.seek(0));
        QVERIFY(db.readAll() == before);
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), status == 0 ? 1 : 0);
        // Left as it was found, for the user to look at.
        QVERIFY(QFileInfo(lockPath).isDir() || blocker == QLatin1String("held"));
    }
};

SIDELINES_TEST(TestScoutBatch)
#include "tst_scoutbatch.moc"
