-- Sidelines database. Identifiers are local date-times stored as text 'YYYY-MM-DD HH:MM:SS',
-- so they sort and compare as time. The program never creates these tables: this file (database
-- version 0) and the upgrades after it (upgrades/N.sql, version N) are the only definition, written
-- into a fresh Rally2.db by the build and the install step; an older file is upgraded at start.

CREATE TABLE TEAM (
    TEAMID   TEXT NOT NULL PRIMARY KEY,
    TEAMNAME TEXT NOT NULL
);

CREATE TABLE PLAYER (
    PLAYERID     TEXT NOT NULL PRIMARY KEY,
    TEAMID       TEXT NOT NULL,
    PLAYERNAME   TEXT NOT NULL,
    PLAYERNUMBER INTEGER NOT NULL
);
CREATE INDEX PLAYER_TEAMID ON PLAYER (TEAMID);

CREATE TABLE MATCH (
    MATCHID    TEXT NOT NULL PRIMARY KEY,
    HOMETEAMID TEXT NOT NULL,
    AWAYTEAMID TEXT NOT NULL
);

CREATE TABLE GAME (
    MATCHID    TEXT NOT NULL,
    GAMEID     TEXT NOT NULL PRIMARY KEY,
    GAMENUMBER INTEGER NOT NULL,
    HOMESCORE  INTEGER NOT NULL DEFAULT 0,
    AWAYSCORE  INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX GAME_MATCHID ON GAME (MATCHID);

-- Actions may share a PLAYID (two within one second), so it is no key.
CREATE TABLE PLAY (
    GAMEID          TEXT NOT NULL,
    PLAYID          TEXT NOT NULL,
    PLAYERID        TEXT NOT NULL,
    POSITION        INTEGER NOT NULL,
    ATTEMPT         INTEGER,
    KILL            INTEGER,
    ERROR           INTEGER,
    SERVEACE        INTEGER,
    SERVEERROR      INTEGER,
    DIG             INTEGER,
    RECEIVEERROR    INTEGER,
    SOLOBLOCK       INTEGER,
    BLOCKASSIST     INTEGER,
    BLOCKERROR      INTEGER,
    BALLHANDLEERROR INTEGER,
    SETASSIST       INTEGER,
    PASSING         INTEGER
);
-- Covers every column the reports sum, so a report reads the index alone, never the table rows.
CREATE INDEX PLAY_PLAYER_GAME ON PLAY (PLAYERID, GAMEID, POSITION, ATTEMPT, KILL, ERROR, SERVEACE, SERVEERROR, DIG,
                                       RECEIVEERROR, SOLOBLOCK, BLOCKASSIST, BLOCKERROR, BALLHANDLEERROR, SETASSIST,
                                       PASSING);
CREATE INDEX PLAY_GAME ON PLAY (GAMEID);

CREATE TABLE PLAYED (
    GAMEID   TEXT NOT NULL,
    PLAYERID TEXT NOT NULL
);
CREATE UNIQUE INDEX PLAYED_GAME_PLAYER ON PLAYED (GAMEID, PLAYERID);
CREATE INDEX PLAYED_PLAYER ON PLAYED (PLAYERID);

-- Working tables of the last report.
CREATE TABLE REPORT (
    TEAMNAME        TEXT,
    PLAYERID        TEXT,
    PLAYERNAME      TEXT,
    POSITION        INTEGER,
    PERCENTAGE      REAL,
    KILL            INTEGER,
    ATTEMPT         INTEGER,
    ERROR           INTEGER,
    SERVEACE        INTEGER,
    SERVEERROR      INTEGER,
    DIG             INTEGER,
    RECEIVEERROR    INTEGER,
    SOLOBLOCK       INTEGER,
    BLOCKASSIST     INTEGER,
    BLOCKERROR      INTEGER,
    BALLHANDLEERROR INTEGER,
    SETASSIST       INTEGER,
    PASSING         REAL,
    GAMESPLAYED     INTEGER
);

CREATE TABLE GAMECOUNT (
    PLAYERID    TEXT,
    GAMESPLAYED INTEGER
);
