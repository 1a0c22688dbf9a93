-- Sidelines club server: the matches of every bench of a club in one PostgreSQL database.
--
-- Run once, as the role that is to own the tables, in the club's database:
--     psql -d sidelines -f schema.sql
-- then roles.sql, which gives the benches their rights.
--
-- Every row carries its bench (BENCH: the UUID each installation makes once), because record
-- identifiers (date-times to the second) are only unique on one computer: two benches may make a
-- team in the same second, and a team recorded on two benches stays two rows.
--
-- A bench never deletes. A match it sends again (played on after a restore) gets the next COPY
-- number in its MATCH row and its games, line-ups, actions and rally log go in again under that
-- number; every reader takes only the copy the MATCH row names, so a match sent twice is there
-- once. Older copies can be cleared by the owner now and then (see the README).
--
-- The columns are those of the benches' own database; PLAY has one column per kind of action, so
-- a new kind of action needs its column here too.

CREATE TABLE bench (
    benchid   uuid PRIMARY KEY,
    benchname text NOT NULL,
    rolename  name NOT NULL DEFAULT current_user,
    seen      timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE team (
    bench    uuid NOT NULL REFERENCES bench,
    teamid   text NOT NULL,
    teamname text NOT NULL,
    PRIMARY KEY (bench, teamid)
);

CREATE TABLE player (
    bench        uuid NOT NULL REFERENCES bench,
    playerid     text NOT NULL,
    teamid       text NOT NULL,
    playername   text NOT NULL,
    playernumber integer NOT NULL,
    PRIMARY KEY (bench, playerid)
);

CREATE TABLE match (
    bench      uuid NOT NULL REFERENCES bench,
    matchid    text NOT NULL,
    hometeamid text NOT NULL,
    awayteamid text NOT NULL,
    copy       integer NOT NULL,
    digest     text NOT NULL,
    sent       timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (bench, matchid)
);

CREATE TABLE game (
    bench      uuid NOT NULL,
    matchid    text NOT NULL,
    copy       integer NOT NULL,
    gameid     text NOT NULL,
    gamenumber integer NOT NULL,
    homescore  integer NOT NULL,
    awayscore  integer NOT NULL,
    PRIMARY KEY (bench, matchid, copy, gameid),
    FOREIGN KEY (bench, matchid) REFERENCES match
);

CREATE TABLE played (
    bench    uuid NOT NULL,
    matchid  text NOT NULL,
    copy     integer NOT NULL,
    gameid   text NOT NULL,
    playerid text NOT NULL,
    PRIMARY KEY (bench, matchid, copy, gameid, playerid),
    FOREIGN KEY (bench, matchid) REFERENCES match
);

-- Actions may share a PLAYID, so the table has no key. Its rows and the rally log's arrive with
-- their match row in the same transaction, so they go without a per-row reference check.
CREATE TABLE play (
    bench           uuid NOT NULL,
    matchid         text NOT NULL,
    copy            integer NOT NULL,
    gameid          text NOT NULL,
    playid          text NOT NULL,
    playerid        text NOT NULL,
    position        integer NOT NULL,
    attempt         integer,
    kill            integer,
    error           integer,
    serveace        integer,
    serveerror      integer,
    dig             integer,
    receiveerror    integer,
    soloblock       integer,
    blockassist     integer,
    blockerror      integer,
    ballhandleerror integer,
    setassist       integer,
    passing         integer
);
CREATE INDEX play_match ON play (bench, matchid, copy);

CREATE TABLE rally (
    bench     uuid NOT NULL,
    matchid   text NOT NULL,
    copy      integer NOT NULL,
    gameid    text NOT NULL,
    entry     integer NOT NULL,
    step      integer NOT NULL,
    kind      text NOT NULL,
    entered   text NOT NULL,
    side      integer,
    server    integer,
    amount    integer,
    homescore integer NOT NULL,
    awayscore integer NOT NULL,
    playerid  text,
    outid     text,
    stat      text,
    position  integer,
    reverses  integer,
    h1 text, h2 text, h3 text, h4 text, h5 text, h6 text,
    a1 text, a2 text, a3 text, a4 text, a5 text, a6 text,
    PRIMARY KEY (bench, matchid, copy, gameid, entry)
);
