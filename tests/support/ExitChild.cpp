// The child of the exit's kill test: records matches and leaves as the program does, in a loop,
// until it is killed; says "recorded N" once match N is committed, "leaving" before each exit.
//   sidelines_exit_child DATABASE ARCHIVE FIRST

#include "storage/ArchiveStore.h"
#include "storage/Database.h"
#include "widgets/mConstants.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    InitResources();
    QString error;
    if (argc != 4 || !Db::open(QString::fromLocal8Bit(argv[1]), &error))
        return std::fprintf(stderr, "cannot start: %s\n", qPrintable(error)), 2;
    const RecordId season(QDateTime(QDate(2026, 2, 1), QTime(18, 0)));
    try {
        for (int n = QByteArray(argv[3]).toInt();; ++n) {
            // Match n, at minute n: two games, two players on court and 50 actions in each.
            Transaction t;
            const QString match = season.addSecs(qint64(n) * 60).text();
            Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, 'home', 'away')"), {match});
            for (int g = 1; g <= 2; ++g) {
                const QString game = season.addSecs(qint64(n) * 60 + g).text();
                Execute(QStringLiteral("INSERT INTO GAME VALUES (?, ?, ?, 25, ?)"), {match, game, g, n % 25});
                Execute(QStringLiteral("INSERT INTO PLAYED VALUES (?, 'ann'), (?, 'bea')"), {game, game});
                for (int a = 0; a < 50; ++a)
                    Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT) "
                                           "VALUES (?, ?, ?, ?, 1, 1)"),
                            {game, game, a % 2 ? QStringLiteral("ann") : QStringLiteral("bea"), 1 + a % 6});
            }
            t.commit();
            std::printf("recorded %d\n", n);
            // Now and then two matches are left behind together.
            if (n % 3 != 1) {
                std::printf("leaving\n");
                std::fflush(stdout);
                ArchiveStore::ArchiveThenForget(QString::fromLocal8Bit(argv[2]));
            }
            std::fflush(stdout);
        }
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
}
