-- Schema version 7: a match that can be continued after the program stopped, the libero, timeouts
-- and how each point ended.
--
-- MATCH keeps the options the match is played with, so that a match can be taken up again exactly
-- as it stood: GAMES (3 or 5), POINTS per game (15 or 25), SIDE of the game under way ('LEFT': home
-- plays on the left half, 'RIGHT'), SIDEOUTROTATE and SCOREFROMACTION (1 when set). They are empty
-- for a match recorded before this version or taken from a scout file, which cannot be continued.
-- RECORDING is 1 from the moment a match is opened for recording until the user leaves it, so that
-- a start that finds it still 1 knows the program stopped while the match was being recorded; it is
-- written before the first entry and cleared by the user's own leaving, so that a stop at any moment
-- leaves it telling the truth. ENDED is 1 once the user ended the match (End Match), decided by the
-- rules or not: such a match is not offered for continuing.
ALTER TABLE MATCH ADD COLUMN GAMES INTEGER;
ALTER TABLE MATCH ADD COLUMN POINTS INTEGER;
ALTER TABLE MATCH ADD COLUMN SIDE TEXT;
ALTER TABLE MATCH ADD COLUMN SIDEOUTROTATE INTEGER;
ALTER TABLE MATCH ADD COLUMN SCOREFROMACTION INTEGER;
ALTER TABLE MATCH ADD COLUMN RECORDING INTEGER NOT NULL DEFAULT 0;
ALTER TABLE MATCH ADD COLUMN ENDED INTEGER NOT NULL DEFAULT 0;

-- The rally log (see version 4) gains two kinds of entry and says more in two it had:
--   LIBERO   a libero swap: SIDE, PLAYERID who came on, OUTID who went off, AMOUNT +1 when the
--            libero came on and -1 when she went off (by her key, or by herself when a rotation
--            would have taken her to the front row or to serve: then in the rotation's step).
--   TIMEOUT  a timeout of SIDE, at the scores it holds.
--   START    PLAYERID names the home side's libero for the game and OUTID the away side's.
--   POINT    STAT, PLAYERID and POSITION are the deciding action's (its PLAY column, its player and
--            box): the scoring side's kill, ace or block, or the other side's error. Empty: a
--            point scored without one, or recorded before this version.
-- The team numbers read the timeouts and how the points ended beside the points: the index they
-- read alone holds them too.
DROP INDEX IF EXISTS RALLY_POINTS;
CREATE INDEX RALLY_POINTS ON RALLY (GAMEID, ENTRY, STEP, KIND, SIDE, SERVER, AMOUNT, HOMESCORE, AWAYSCORE,
                                    REVERSES, STAT, PLAYERID, H1, A1)
    WHERE KIND IN ('START', 'POINT', 'UNDO', 'TIMEOUT');
