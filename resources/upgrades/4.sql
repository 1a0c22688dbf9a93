-- Schema version 4: the rally log. One ordered log per game of everything that changes the court:
-- the start (line-ups and who serves first), every point with who served it and who won it, every
-- rotation and substitution, every action (its PLAY row keeps the figures; the entry orders it
-- among the points) and every take-back. Nothing is ever deleted or changed: a take-back is an
-- entry of its own that names the step it reverses, so the court at any moment can be rebuilt
-- from the log and the team numbers (sideout, break points, rotations) computed from it.
--
-- ENTRY orders the entries of a game from 1. STEP groups the entries of one command of the user
-- (an action with the point it scored and the rotation that point caused); a take-back reverses a
-- whole step. KIND is START, POINT, ROTATE, SUB, ACTION or UNDO. SIDE is 0 for home, 1 for away:
-- the point's winner, the side rotated or substituted, the acting player's side. SERVER is the
-- side that served the point (at START: the side that serves first). AMOUNT is +1 or -1 for a
-- point (-1: subtraction mode) and a rotation (-1: back), the PLAY value of an action. The scores
-- are those after the entry. PLAYERID is the acting player or the one who came on, OUTID the one
-- who went off. STAT is the action's PLAY column, POSITION its box. REVERSES is the step an UNDO
-- takes back. H1-H6 and A1-A6 are the players in zones 1-6 of each side: for a point those the
-- rally was played with, otherwise those on court after the entry.
CREATE TABLE RALLY (
    GAMEID    TEXT NOT NULL,
    ENTRY     INTEGER NOT NULL,
    STEP      INTEGER NOT NULL,
    KIND      TEXT NOT NULL,
    ENTERED   TEXT NOT NULL,
    SIDE      INTEGER,
    SERVER    INTEGER,
    AMOUNT    INTEGER,
    HOMESCORE INTEGER NOT NULL,
    AWAYSCORE INTEGER NOT NULL,
    PLAYERID  TEXT,
    OUTID     TEXT,
    STAT      TEXT,
    POSITION  INTEGER,
    REVERSES  INTEGER,
    H1 TEXT, H2 TEXT, H3 TEXT, H4 TEXT, H5 TEXT, H6 TEXT,
    A1 TEXT, A2 TEXT, A3 TEXT, A4 TEXT, A5 TEXT, A6 TEXT,
    PRIMARY KEY (GAMEID, ENTRY)
) WITHOUT ROWID;

-- The team numbers read only the start, the points and the take-backs of the games a report
-- covers, with zone 1 of each side: a season's worth of them from this index alone, without
-- walking the actions between them.
CREATE INDEX RALLY_POINTS ON RALLY (GAMEID, ENTRY, STEP, KIND, SIDE, SERVER, AMOUNT, HOMESCORE, AWAYSCORE,
                                    REVERSES, H1, A1)
    WHERE KIND IN ('START', 'POINT', 'UNDO');
