-- Sidelines club server: the rights of the benches. Run once after schema.sql, as the tables'
-- owner, in the club's database:
--     psql -d sidelines -f roles.sql
-- Then one login role per bench, a member of "benches":
--     createuser --pwprompt --role=benches bench_hall
--
-- A bench may read every bench's rows, and insert and update only its own: the rows whose BENCH
-- is a bench registered under its own login role. It may not delete, nor create or change any
-- table. Row-level security enforces this in the server, whatever program connects.

SET client_min_messages = warning;

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'benches') THEN
        CREATE ROLE benches NOLOGIN;
    END IF;
    -- Only the benches (and the owner) may connect, and none of them may make tables, not even
    -- temporary ones.
    EXECUTE format('REVOKE ALL ON DATABASE %I FROM PUBLIC', current_database());
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO benches', current_database());
END
$$;

REVOKE CREATE ON SCHEMA public FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO benches;
REVOKE ALL ON bench, team, player, match, game, played, play, rally FROM PUBLIC;
GRANT SELECT, INSERT, UPDATE ON bench, team, player, match, game, played, play, rally TO benches;

-- A bench registers itself under the login role it connects with, and may only ever change that
-- registration.
ALTER TABLE bench ENABLE ROW LEVEL SECURITY;
DROP POLICY IF EXISTS read_every_bench ON bench;
DROP POLICY IF EXISTS add_own_bench ON bench;
DROP POLICY IF EXISTS change_own_bench ON bench;
CREATE POLICY read_every_bench ON bench FOR SELECT TO benches USING (true);
CREATE POLICY add_own_bench ON bench FOR INSERT TO benches WITH CHECK (rolename = current_user);
CREATE POLICY change_own_bench ON bench FOR UPDATE TO benches
    USING (rolename = current_user) WITH CHECK (rolename = current_user);

-- Every other table: read all, write the rows of one's own bench.
DO $$
DECLARE
    t text;
    own text := 'bench IN (SELECT benchid FROM bench WHERE rolename = current_user)';
BEGIN
    FOREACH t IN ARRAY ARRAY['team', 'player', 'match', 'game', 'played', 'play', 'rally'] LOOP
        EXECUTE format('ALTER TABLE %I ENABLE ROW LEVEL SECURITY', t);
        EXECUTE format('DROP POLICY IF EXISTS read_every_bench ON %I', t);
        EXECUTE format('DROP POLICY IF EXISTS add_own_rows ON %I', t);
        EXECUTE format('DROP POLICY IF EXISTS change_own_rows ON %I', t);
        EXECUTE format('CREATE POLICY read_every_bench ON %I FOR SELECT TO benches USING (true)', t);
        EXECUTE format('CREATE POLICY add_own_rows ON %I FOR INSERT TO benches WITH CHECK (%s)', t, own);
        EXECUTE format('CREATE POLICY change_own_rows ON %I FOR UPDATE TO benches USING (%s) WITH CHECK (%s)',
                       t, own, own);
    END LOOP;
END
$$;
