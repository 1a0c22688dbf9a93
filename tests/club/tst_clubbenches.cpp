#include "ClubTest.h"
#include "support/TestMain.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace club;

namespace {
// One bench of its own: a folder with the program, its database and archive beside it (a portable
// copy), and its settings, as another laptop has them.
struct BenchFolder
{
    QTemporaryDir dir;
    QString role;
    QStringList report; // the report on every game before the exit, as the bench saw it

    QString data() const { return dir.filePath(QStringLiteral("data")); }
    QString config() const { return dir.filePath(QStringLiteral("config")); }
    QString program() const { return dir.filePath(QStringLiteral("sidelines")); }
    QString database() const { return dir.filePath(QStringLiteral("Rally2.db")); }
    QString archive() const { return dir.filePath(QStringLiteral("Archive.db")); }
    QString benchId() const
    {
        return QSettings(config() + QStringLiteral("/Sidelines/sidelines.conf"), QSettings::IniFormat)
            .value(QStringLiteral("Club/BenchId"))
            .toString();
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config());
        // No key store entry for this role: libpq takes the password from here, as a scheduled job
        // would from its password file.
        env.insert(QStringLiteral("PGPASSWORD"), Password(role));
        return env;
    }

    // The program itself, without a window, on this bench's folders.
    void start(QProcess& process, const QStringList& arguments) const
    {
        process.setProcessEnvironment(environment());
        process.start(program(), arguments);
    }
};

// Records a season on the bench, notes its report, leaves through the exit, and sets its club
// server with the program's own command.
void Prepare(BenchFolder& bench, const QString& role, const SeasonShape& shape, const QString& database)
{
    bench.role = role;
    QVERIFY(QFile::copy(QStringLiteral(SIDELINES_EXE), bench.program()));
    QString error;
    QVERIFY2(Db::createFresh(bench.database(), &error) && Db::open(bench.database(), &error), qPrintable(error));
    SeedSeason(shape);
    bench.report = ReportLines();
    ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
    QCOMPARE(ArchiveStore::DefaultPath(), bench.archive());
    Db::close();

    QProcess set;
    bench.start(set, {QStringLiteral("--club-server"),
                      QStringLiteral("host=%1 port=%2 dbname=%3 user=%4")
                          .arg(Server()->folder())
                          .arg(Server()->port())
                          .arg(database, role)});
    QVERIFY(set.waitForFinished(30000));
    QVERIFY2(set.exitCode() == 0, set.readAllStandardError().constData());
    QVERIFY(!bench.benchId().isEmpty());
}

QStringList Lines(const QByteArray& output, const char* start)
{
    QStringList out;
    for (const QString& line : QString::fromUtf8(output).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String(start)))
            out << line;
    return out;
}
} // namespace

// Benches as separate processes of the program itself (sidelines --send-club), at the same
// moment, and stopped half way.
class TestClubBenches : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(Server(), "no PostgreSQL test server"); }
    void cleanup() { Db::close(); }

    // Four benches whose records were made in the same seconds send at once: every match is on the
    // server once and whole, and the report across the benches is the four reports together.
    void fourBenchesAtOnce()
    {
        const QString database = NewDatabase();
        BenchFolder benches[4];
        const char* roles[] = {"bench_a", "bench_b", "bench_c", "bench_d"};
        QStringList together;
        for (int i = 0; i < 4; ++i) {
            Prepare(benches[i], QLatin1String(roles[i]), {QStringLiteral("Bench %1").arg(i + 1), {}, 3, 8, 4, 2, 16}, database);
            together += benches[i].report;
        }
        QProcess senders[4];
        for (int i = 0; i < 4; ++i)
            benches[i].start(senders[i], {QStringLiteral("--send-club")});
        for (int i = 0; i < 4; ++i) {
            QVERIFY(senders[i].waitForFinished(60000));
            const QByteArray out = senders[i].readAllStandardOutput();
            QVERIFY2(senders[i].exitCode() == 0, senders[i].readAllStandardError().constData());
            QCOMPARE(Lines(out, "sent: ").size(), 4);
        }
        for (const BenchFolder& b : benches)
            QCOMPARE(ServerShapes(database, b.benchId()), LocalShapes(b.archive()));
        QCOMPARE(Server()->value("SELECT COUNT(*) || ' ' || COUNT(DISTINCT MATCHID) || ' ' || MAX(COPY) FROM MATCH;", database),
                 QStringLiteral("16 4 1"));

        // Head office: a fifth installation restores the lot.
        TestApp office;
        QCOMPARE(RestoreAll(Server()->socketServer(database, "bench_a"), Password("bench_a")).restored.size(), 16);
        together.sort();
        QCOMPARE(ReportLines(), together);
    }

    // A send cut short, by the server stopping as in a crash or by the bench's process being
    // killed, loses nothing and doubles nothing: what the server committed is whole, what the
    // bench marked sent is there, and the next send brings the rest, each once.
    void cutShortLosesAndDoublesNothing_data()
    {
        QTest::addColumn<bool>("serverStops");
        QTest::newRow("server stopped") << true;
        QTest::newRow("bench killed") << false;
    }
    void cutShortLosesAndDoublesNothing()
    {
        QFETCH(bool, serverStops);
        const QString database = NewDatabase();
        BenchFolder bench;
        constexpr int kMatches = 30;
        Prepare(bench, QStringLiteral("bench_a"), {QStringLiteral("Harbour"), {}, 4, 9, kMatches, 2, 30}, database);
        const QStringList roster = Dump(bench.archive(), {"TEAM", "PLAYER"});
        const QStringList local = LocalShapes(bench.archive());

        QProcess sender;
        bench.start(sender, {QStringLiteral("--send-club")});
        QByteArray out;
        while (Lines(out, "sent: ").size() < 3 && sender.waitForReadyRead(30000))
            out += sender.readAllStandardOutput();
        QVERIFY2(Lines(out, "sent: ").size() >= 3, sender.readAllStandardError().constData());
        if (serverStops) {
            QVERIFY(Server()->stop(true));
        } else {
            sender.kill();
        }
        QVERIFY(sender.waitForFinished(30000));
        out += sender.readAllStandardOutput();
        if (serverStops) {
            QVERIFY(Server()->startAgain());
            QCOMPARE(sender.exitCode(), 1);
            // Said in words, with what went and what waits.
            const QString said = QString::fromUtf8(sender.readAllStandardError());
            QVERIFY2(said.contains(QStringLiteral("The connection to the club server was lost.")), qPrintable(said));
            QVERIFY2(said.contains(QRegularExpression(QStringLiteral("\\d+ of %1 matches went to the club server; \\d+ "
                                                                     "wait for the next send.").arg(kMatches))),
                     qPrintable(said));
        }
        const QStringList announced = Lines(out, "sent: ");
        QVERIFY2(announced.size() < kMatches, "the send ended before it could be cut short");

        // Nothing of the bench's own rows changed; whatever the server has is whole; whatever the
        // bench marked sent, the server has.
        QCOMPARE(Dump(bench.archive(), {"TEAM", "PLAYER"}), roster);
        QCOMPARE(LocalShapes(bench.archive()), local);
        const QStringList onServer = ServerShapes(database, bench.benchId());
        for (const QString& shape : onServer)
            QVERIFY2(local.contains(shape), qPrintable(shape));
        // What the bench said it sent, and what it marked sent, the server has.
        const QStringList marked = FileRows(bench.archive(), QStringLiteral("SELECT MATCHID FROM CLUBSENT"));
        const QString held = onServer.join(QLatin1Char('\n'));
        for (const QString& id : marked)
            QVERIFY2(held.contains(id), qPrintable(id));
        QVERIFY(onServer.size() >= announced.size());
        const ClubServer server = Server()->socketServer(database, bench.role);
        QCOMPARE(int(ClubStore::WaitingMatches(bench.archive(), bench.benchId(), server).size()), kMatches - int(marked.size()));

        QProcess again;
        bench.start(again, {QStringLiteral("--send-club")});
        QVERIFY(again.waitForFinished(60000));
        QVERIFY2(again.exitCode() == 0, again.readAllStandardError().constData());
        // What the server held without the bench's mark is told as already there, not as sent.
        const QByteArray told = again.readAllStandardOutput();
        QCOMPARE(Lines(told, "already on the server: ").size(), onServer.size() - marked.size());
        QCOMPARE(Lines(told, "sent: ").size(), kMatches - onServer.size());
        QCOMPARE(ServerShapes(database, bench.benchId()), local);
        QCOMPARE(Server()->value("SELECT COUNT(*) FROM MATCH;", database), QString::number(kMatches));
        QVERIFY(ClubStore::WaitingMatches(bench.archive(), bench.benchId(), server).empty());
    }
};

SIDELINES_TEST(TestClubBenches)
#include "tst_clubbenches.moc"
