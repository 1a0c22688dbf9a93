-- Schema version 5: what this installation has exchanged with the club server. Only the archive
-- of saved matches (Archive.db) fills these two tables; the working database has them empty, as
-- both files share one schema.
--
-- CLUBSENT: the matches a club server (SERVER: "host:port/database") holds, each as it stood when
-- it went there (DIGEST sums up its games, scores and rows), under the bench that sent it. A saved
-- match waits for the club server while it has no row here for that server and bench, or while it
-- no longer matches its DIGEST (a match restored and played on); a match of another bench never
-- waits here.
CREATE TABLE CLUBSENT (
    MATCHID TEXT NOT NULL,
    SERVER  TEXT NOT NULL,
    BENCH   TEXT NOT NULL,
    DIGEST  TEXT NOT NULL,
    SENT    TEXT NOT NULL,
    PRIMARY KEY (MATCHID, SERVER)
) WITHOUT ROWID;

-- CLUBRECORD: the records of other benches restored from the club server, and the identifier each
-- has on this computer. Identifiers are only unique on one machine, so a team, player, match or
-- game of another bench keeps its own identifier here only while no record of this computer has
-- it; otherwise it takes the next free second. KIND is TEAM, PLAYER, MATCH or GAME.
CREATE TABLE CLUBRECORD (
    BENCH    TEXT NOT NULL,
    KIND     TEXT NOT NULL,
    SERVERID TEXT NOT NULL,
    LOCALID  TEXT NOT NULL,
    PRIMARY KEY (BENCH, KIND, SERVERID)
) WITHOUT ROWID;
CREATE UNIQUE INDEX CLUBRECORD_LOCAL ON CLUBRECORD (KIND, LOCALID);
