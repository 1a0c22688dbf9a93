-- Schema version 6: what a scout file said of each match imported from one, so that the same
-- match is known again whatever encoding its names were read in, and after the exit has moved it
-- to the archive of saved matches (which shares this schema and keeps the row with its match).
--
-- SCOUTMATCH: one row per match imported from a scout file. FILEKEY is the file's own account of
-- the match: its date and time, its two teams' codes of [3TEAMS] (home first) and every set's
-- score, as "2015-01-25 14:31:13|BR4|MB4|25-16 25-14 25-22". A match recorded on the court has
-- no row.
CREATE TABLE SCOUTMATCH (
    MATCHID TEXT NOT NULL PRIMARY KEY,
    FILEKEY TEXT NOT NULL
);
CREATE INDEX SCOUTMATCH_FILEKEY ON SCOUTMATCH (FILEKEY);
