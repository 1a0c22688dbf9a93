#include "storage/MatchStore.h"
#include "storage/ReportStore.h"
#include "storage/ScoutStore.h"
#include "game/Court.h"
#include "match/MatchKeys.h"
#include "match/clsMatch.h"
#include "reports/ReportSeed.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QThread>
#include <cstdio>

namespace {

constexpr auto kChild = "SIDELINES_KILLED_MATCH_CHILD";
constexpr auto kDatabase = "SIDELINES_KILLED_MATCH_DB";
constexpr auto kFrom = "SIDELINES_KILLED_MATCH_FROM"; // the first command to run; 0: start the match
constexpr auto kStop = "SIDELINES_KILLED_MATCH_STOP"; // the command after which to wait for the kill

// The script's commands are numbered; game 1 ends with command 8 (the next game), game 2 with 13.
constexpr int kLastOfGame1 = 8;
constexpr int kLast = 13;

// Each command and the line-up between the games happen at a time of their own, the same in every
// run, so that a match recorded in one go and one killed and continued store the same rows.
QDateTime At(int command, int seconds = 0)
{
    return QDateTime(QDate(2026, 4, 18), QTime(15, 0)).addSecs(qint64(command + 1) * 60 + seconds);
}

QDateTime gNow;

drive::Step CourtOf(int from, int stop);

// The script's commands as court::Play takes them, but for a timeout (T and the key of the side
// that takes it) and the next game (E). Away serves first in game 1 (home on the left: boxes 1-6),
// so home does in game 2 (home on the right).
const QStringList kScript{
    "b4D", // an action
    "b2K", // home's kill: its point, and the side-out turns it
    "b5I", // home's libero in for zone 5
    "TA", // away's timeout
    "b8K", // away's kill: its point and turn
    "Z", // taken back, turn and all
    "A", // away's point by the button: the same turn
    "b2K", // home's kill: home turns, and the libero leaves the front row by herself
    "E", // the next game, with the same starters and liberos
    "b3K", // away's kill (away's zone 3 on the left)
    "TH", // home's timeout
    "b12I", // home's libero in for zone 6 (on the right)
    "H", // home's point by the button
    "N", // the end of the match
};

// One command of the script on the court of its game; one that cannot be given stops the child at
// once, so that the test says so instead of waiting.
void Command(int i, QWidget* w, int stop)
{
    const QString& command = kScript[i];
    if (command.startsWith(QLatin1Char('T'))) {
        drive::Windows({drive::Key(Qt::Key(command.back().unicode()))});
        QTest::keyClick(court::Focus(w), Qt::Key_T, Qt::ControlModifier);
    } else if (command == QLatin1String("E")) {
        drive::Windows({[](QWidget* lineUp) {
                            gNow = At(kLastOfGame1, 30);
                            court::AltKey(lineUp, Qt::Key_G);
                        },
                        CourtOf(kLastOfGame1 + 1, stop)});
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        court::AltKey(w, Qt::Key_E);
    } else {
        if (command == QLatin1String("N"))
            MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        if (!court::Play(w, command))
            qFatal("command %d (%s) was not taken", i, qPrintable(command));
    }
    std::printf("DONE %d\n", i);
    std::fflush(stdout);
    // Stopped here until the kill comes.
    while (i == stop)
        QThread::sleep(1);
}

// The commands of one game's court from `from` on.
drive::Step CourtOf(int from, int stop)
{
    return [from, stop](QWidget* w) {
        const int last = from <= kLastOfGame1 ? kLastOfGame1 : kLast;
        for (int i = from; i <= last; ++i) {
            gNow = At(i);
            Command(i, w, stop);
        }
    };
}

RecordId TeamNamed(const QString& name)
{
    return RecordId::fromText(SelectAll(QStringLiteral("SELECT TEAMID FROM TEAM WHERE TEAMNAME = ?"), {name})
                                  .front()
                                  .value(0)
                                  .toString());
}

// What a match leaves for the user: the report (its text and every chart), the team numbers' and
// the rallies' files, the scout file, and the rows themselves.
QStringList Results(const QString& database)
{
    QString error;
    if (!Db::open(database, &error))
        return {error};
    // The scout file says when it was written: at one moment for every run.
    Clock::setOverride([] { return At(100); });
    const auto tidy = qScopeGuard([] {
        Clock::setOverride({});
        Db::close();
    });
    QStringList out;
    const RecordId match = RecordId::fromText(SelectAll(QStringLiteral("SELECT MATCHID FROM MATCH")).front().value(0).toString());
    ReportChoices choices;
    choices.match = match;
    const ReportModel model = seed::Model(choices);
    QTextDocument doc;
    FillReportDocument(doc, model, {});
    out << doc.toPlainText().split(QLatin1Char('\n'));
    for (const TeamNumbers::Flow& f : ScoreFlowsIn(doc)) {
        QStringList leads;
        for (int lead : f.leads)
            leads << QString::number(lead);
        for (const TeamNumbers::FlowTimeout& t : f.timeouts)
            leads << QStringLiteral("T%1@%2").arg(t.side).arg(t.afterRally);
        out << QStringLiteral("flow %1: %2").arg(f.number).arg(leads.join(QLatin1Char(' ')));
    }
    out << TeamNumbersCsv(model).split(QStringLiteral("\r\n"));
    out << RalliesCsv(model, ReportStore::LineUpsOf(model.rallies.games)).split(QStringLiteral("\r\n"));
    out << QString::fromUtf8(ScoutStore::ExportMatch(match)).split(QStringLiteral("\r\n"));
    for (const char* table : {"MATCH", "GAME", "PLAYED", "PLAY", "RALLY", "TOTALS"})
        out << QString::fromLatin1(table) << FileRows(database, QStringLiteral("SELECT * FROM ") + QLatin1String(table));
    return out;
}

} // namespace

// Run by the kill test in a process of its own (test_shell KilledMatchChild): records the script's
// match by keys on the database it is given, from the command it is told, starting the match or
// taking it up as the program does at start, and waits after the command it is told until it is
// killed.
class KilledMatchChild : public QObject
{
    Q_OBJECT

private slots:
    void recordTheScript()
    {
        if (qEnvironmentVariableIsEmpty(kChild))
            QSKIP("runs only in the process started by the kill test");
        court::Prepare();
        TestApp app;
        Db::close();
        QString error;
        QVERIFY2(Db::open(qEnvironmentVariable(kDatabase), &error), qPrintable(error));
        gNow = At(-1);
        Clock::setOverride([] { return gNow; });
        const int from = qEnvironmentVariableIntValue(kFrom);
        const int stop = qEnvironmentVariableIsEmpty(kStop) ? -1 : qEnvironmentVariableIntValue(kStop);
        if (from == 0) {
            drive::Windows({matchkeys::PickTeam(TeamNamed(QStringLiteral("Harbour Hawks"))),
                            matchkeys::PickTeam(TeamNamed(QStringLiteral("Owls d'Or"))),
                            matchkeys::AltKeys({Qt::Key_3, Qt::Key_1, Qt::Key_L, Qt::Key_O, Qt::Key_D}, true),
                            [](QWidget* w) {
                                matchkeys::SixEachByKeys(w);
                                for (Qt::Key key : {Qt::Key_L, Qt::Key_I}) {
                                    court::AltKey(w, key);
                                    QTest::keyClick(court::Focus(w), Qt::Key_Down);
                                    QTest::keyClick(court::Focus(w), Qt::Key_Down);
                                }
                                court::AltKey(w, Qt::Key_A); // away serves first
                                court::AltKey(w, Qt::Key_G);
                            },
                            CourtOf(0, stop)});
            clsMatch().StartNewMatch();
        } else {
            // Taken up as the start does after a stop.
            drive::Windows({CourtOf(from, stop)});
            MsgBoxHook::setNextAnswer(QMessageBox::Yes);
            QVERIFY(clsMatch::OfferToContinueAfterStop());
        }
        std::printf("FINISHED\n");
        std::fflush(stdout);
        drive::EndTest();
        Clock::setOverride({});
    }
};

// A match killed (SIGKILL, in a separate process) right after any kind of command, restarted,
// continued and finished, leaves exactly what the same match recorded in one go leaves: the same
// report, the same files, the same rows.
class TestKilledMatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_seed;
    QStringList m_inOneGo;

    // Runs the child on a database until it says FINISHED, or until it has said "DONE stop" and
    // is killed then. Returns what it said.
    static QByteArray RunChild(const QString& database, int from, int stop, const QString& leftovers)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChild), QStringLiteral("1"));
        env.insert(QString::fromLatin1(kDatabase), database);
        env.insert(QString::fromLatin1(kFrom), QString::number(from));
        env.insert(QStringLiteral("TMPDIR"), leftovers);
        if (stop >= 0)
            env.insert(QString::fromLatin1(kStop), QString::number(stop));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("KilledMatchChild")});
        if (!child.waitForStarted())
            return "did not start";
        QByteArray out;
        const QByteArray until = stop >= 0 ? QByteArray("DONE ") + QByteArray::number(stop) + '\n' : "FINISHED\n";
        // A child that hangs is given up on, so that the test fails instead of timing out.
        const QDeadlineTimer deadline(120000);
        while (!out.contains(until) && child.state() == QProcess::Running && !deadline.hasExpired()) {
            child.waitForReadyRead(1000);
            out += child.readAllStandardOutput();
        }
        if (stop >= 0) {
            child.kill(); // SIGKILL: nothing of it is tidied up
            child.waitForFinished();
        } else {
            if (!child.waitForFinished(60000))
                child.kill();
            if (child.exitCode() != 0)
                out += "\nexit " + QByteArray::number(child.exitCode()) + child.readAllStandardError();
        }
        return out + child.readAllStandardOutput();
    }

private slots:
    void initTestCase()
    {
        court::Prepare();
        // Both teams and their players, once, in a file every run starts from.
        {
            court::Seeded seeded;
            MatchStore::ForgetMatches();
            Db::close();
            m_seed = m_dir.filePath(QStringLiteral("seed.db"));
            QVERIFY(QFile::copy(seeded.app.dbPath(), m_seed));
        }
        const QString once = m_dir.filePath(QStringLiteral("once.db"));
        QVERIFY(QFile::copy(m_seed, once));
        const QByteArray said = RunChild(once, 0, -1, m_dir.path());
        QVERIFY2(said.contains("FINISHED"), said.constData());
        m_inOneGo = Results(once);
        QVERIFY(m_inOneGo.size() > 100);
        // The script did what it says: two libero swaps by her key and a return by herself, two
        // timeouts, one of five steps taken back.
        const auto kinds = [&](const char* kind) {
            return FileRows(once, QStringLiteral("SELECT KIND, AMOUNT FROM RALLY WHERE KIND = '%1'").arg(QLatin1String(kind)));
        };
        QCOMPARE(kinds("LIBERO"), (QStringList{"LIBERO|-1", "LIBERO|1", "LIBERO|1"}));
        QCOMPARE(kinds("TIMEOUT").size(), 2);
        QCOMPARE(kinds("UNDO").size(), 1);
    }

    void killedAndContinuedLeavesTheSame_data() { table::Rows(QStringLiteral("killed.txt")); }
    void killedAndContinuedLeavesTheSame()
    {
        QFETCH(int, killedAfter);
        const QString killed = m_dir.filePath(QStringLiteral("killed%1.db").arg(killedAfter));
        QVERIFY(QFile::copy(m_seed, killed));
        // Killed in the first game's court, or, for a stop in game 2, after reaching it in one go.
        const QByteArray first = RunChild(killed, 0, killedAfter, m_dir.path());
        QVERIFY2(first.contains("DONE " + QByteArray::number(killedAfter)), first.constData());
        const QByteArray second = RunChild(killed, killedAfter + 1, -1, m_dir.path());
        QVERIFY2(second.contains("FINISHED"), second.constData());
        QVERIFY2(!second.contains("DONE " + QByteArray::number(killedAfter) + '\n'), second.constData());
        const QStringList results = Results(killed);
        QCOMPARE(results.size(), m_inOneGo.size());
        for (qsizetype i = 0; i < results.size(); ++i)
            QCOMPARE(results[i], m_inOneGo[i]);
    }
};

SIDELINES_TEST(KilledMatchChild)
SIDELINES_TEST(TestKilledMatch)
#include "tst_killed.moc"
