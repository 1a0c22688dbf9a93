// The child of the exit's kill test: records matches and leaves as the program does, in a loop,
// until the test kills it. Each match is announced on stdout once it is committed.
//   sidelines_exit_child DATABASE ARCHIVE FIRST

#include "core/ArchiveStore.h"
#include "core/Database.h"
#include "core/mConstants.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>
#include <cstdlib>

namespace {
const QDateTime kBase(QDate(2026, 2, 1), QTime(18, 0));

QString at(qint64 secs)
{
    return RecordId(kBase.addSecs(secs)).text();
}

// Match n (the n-th minute of the season): two games, two players on court in each, 50 actions each game.
void record(int n)
{
    Transaction t;
    const QString match = at(qint64(n) * 60);
    Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, 'home', 'away')"), {match});
    for (int g = 1; g <= 2; ++g) {
        const QString game = at(qint64(n) * 60 + g);
        Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                               "VALUES (?, ?, ?, 25, ?)"),
                {match, game, g, n % 25});
        for (const char* player : {"ann", "bea"})
            Execute(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES (?, ?)"), {game, QLatin1String(player)});
        for (int a = 0; a < 50; ++a)
            Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT) "
                                   "VALUES (?, ?, ?, ?, 1, 1)"),
                    {game, game, a % 2 ? QStringLiteral("ann") : QStringLiteral("bea"), 1 + a % 6});
    }
    t.commit();
}
}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    InitResources();
    QString error;
    if (argc != 4 || !Db::open(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "cannot start: %s\n", qPrintable(error));
        return 2;
    }
    const QString archive = QString::fromLocal8Bit(argv[2]);
    try {
        for (int n = std::atoi(argv[3]);; ++n) {
            record(n);
            std::printf("recorded %d\n", n);
            std::fflush(stdout);
            // Now and then two matches are left behind together.
            if (n % 3 == 1)
                continue;
            std::printf("leaving\n");
            std::fflush(stdout);
            ArchiveStore::ArchiveThenForget(archive);
            std::printf("left\n");
            std::fflush(stdout);
        }
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
}
