-- SPDX-License-Identifier: GPL-3.0-or-later
-- The school's database: classes, pupils, assignments and every answer the lab
-- computers send. Loaded once by tallymoo-school-setup as the database's
-- administrator, who owns every table and function here.
--
-- Who may do what, whoever holds the connection settings:
--   tallymoo_teacher  the group of the teachers' own login roles (SCRAM). A
--                     teacher reads the rows of the classes they made, and
--                     writes only through the teacher's functions below.
--   tallymoo_lab      the lab computers' login. It may call join_class and
--                     pupil_login; with a pupil's session token set on its
--                     connection (SET tallymoo.session = TOKEN) it reads that
--                     class's assignments and that pupil's answers, and adds
--                     answers for that pupil to that class's assignments.
--                     Nothing else: no pupil's PIN, no other class.

CREATE SCHEMA tallymoo;
CREATE SCHEMA tallymoo_crypto;
CREATE EXTENSION IF NOT EXISTS pgcrypto SCHEMA tallymoo_crypto;
REVOKE ALL ON SCHEMA tallymoo_crypto FROM PUBLIC;
REVOKE ALL ON SCHEMA tallymoo FROM PUBLIC;
GRANT USAGE ON SCHEMA tallymoo TO tallymoo_teacher, tallymoo_lab;

CREATE TABLE tallymoo.school_class(
    id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    name text NOT NULL UNIQUE CHECK (length(name) BETWEEN 1 AND 40 AND name !~ '[[:cntrl:]]'),
    teacher name NOT NULL,
    join_code text NOT NULL UNIQUE
);

CREATE TABLE tallymoo.pupil(
    id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    class_id bigint NOT NULL REFERENCES tallymoo.school_class(id),
    -- Sorted as a teacher reads a list of names, by pinyin (ICU's Chinese order).
    name text COLLATE "zh-x-icu" NOT NULL CHECK (length(name) BETWEEN 1 AND 12 AND name !~ '[[:cntrl:]]'),
    pin_hash text NOT NULL,
    -- Wrong PINs in a row; five lock the pupil out for a while, so a PIN of
    -- four digits cannot be tried through.
    failed_logins int NOT NULL DEFAULT 0,
    locked_until timestamptz,
    UNIQUE (class_id, name)
);

CREATE TABLE tallymoo.assignment(
    id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    class_id bigint NOT NULL REFERENCES tallymoo.school_class(id),
    topic_key text NOT NULL CHECK (length(topic_key) BETWEEN 1 AND 80 AND topic_key !~ '[[:cntrl:][:space:]]'),
    title text NOT NULL CHECK (title !~ '[[:cntrl:]]'),
    question_count int NOT NULL CHECK (question_count BETWEEN 1 AND 100),
    due date NOT NULL,
    seed bigint NOT NULL,
    made_at timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX assignment_of_class ON tallymoo.assignment(class_id);

-- The pupils an assignment is for when it is not for the whole class.
CREATE TABLE tallymoo.assignment_pupil(
    assignment_id bigint NOT NULL REFERENCES tallymoo.assignment(id),
    pupil_id bigint NOT NULL REFERENCES tallymoo.pupil(id),
    PRIMARY KEY (assignment_id, pupil_id)
);

-- One answered question. The id is made on the lab computer when the sheet
-- is marked, so a retried upload adds nothing (INSERT ... ON CONFLICT DO NOTHING).
CREATE TABLE tallymoo.answer(
    id uuid PRIMARY KEY,
    assignment_id bigint NOT NULL REFERENCES tallymoo.assignment(id),
    pupil_id bigint NOT NULL REFERENCES tallymoo.pupil(id),
    position int NOT NULL CHECK (position BETWEEN 0 AND 999),
    topic_key text NOT NULL,
    question text NOT NULL,
    typed text NOT NULL,
    correct text NOT NULL,
    is_right boolean NOT NULL,
    ms bigint CHECK (ms >= 0),
    error_kind text NOT NULL DEFAULT '',
    answered_at timestamp NOT NULL,
    received_at timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX answer_of_assignment ON tallymoo.answer(assignment_id, pupil_id, position);
CREATE INDEX answer_of_pupil ON tallymoo.answer(pupil_id, answered_at);

-- A pupil's login on a lab computer; only the token's hash is kept.
CREATE TABLE tallymoo.pupil_session(
    token_hash bytea PRIMARY KEY,
    pupil_id bigint NOT NULL REFERENCES tallymoo.pupil(id),
    class_id bigint NOT NULL REFERENCES tallymoo.school_class(id),
    expires_at timestamptz NOT NULL
);

-- The session of the connection's pupil, from the token set on it.
CREATE FUNCTION tallymoo.session_hash() RETURNS bytea
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog AS $$
    SELECT tallymoo_crypto.digest(coalesce(current_setting('tallymoo.session', true), ''), 'sha256')
$$;

CREATE FUNCTION tallymoo.session_pupil() RETURNS bigint
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog AS $$
    SELECT pupil_id FROM tallymoo.pupil_session
     WHERE token_hash = tallymoo.session_hash() AND expires_at > now()
$$;

CREATE FUNCTION tallymoo.session_class() RETURNS bigint
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog AS $$
    SELECT class_id FROM tallymoo.pupil_session
     WHERE token_hash = tallymoo.session_hash() AND expires_at > now()
$$;

-- Whether the class is the calling teacher's. Teachers log in as themselves,
-- so the session's user is the teacher even inside the definer's functions.
CREATE FUNCTION tallymoo.teaches(wanted_class bigint) RETURNS boolean
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog AS $$
    SELECT EXISTS (SELECT 1 FROM tallymoo.school_class c WHERE c.id = wanted_class AND c.teacher = session_user)
$$;

-- Whether an assignment is for the pupil: for the whole class, or the pupil
-- is in its group (which the lab reads through this function alone).
CREATE FUNCTION tallymoo.in_group(wanted_assignment bigint, wanted_pupil bigint) RETURNS boolean
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog AS $$
    SELECT NOT EXISTS (SELECT 1 FROM tallymoo.assignment_pupil g WHERE g.assignment_id = wanted_assignment)
        OR EXISTS (SELECT 1 FROM tallymoo.assignment_pupil g
                    WHERE g.assignment_id = wanted_assignment AND g.pupil_id = wanted_pupil)
$$;

-- --- what the lab computers call -------------------------------------------

-- The class of a join code: its id and name, nothing when there is none.
CREATE FUNCTION tallymoo.join_class(code text)
RETURNS TABLE(class_id bigint, class_name text)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog AS $$
    SELECT id, name FROM tallymoo.school_class WHERE join_code = upper(btrim(code))
$$;

-- A new session for the pupil of that class, name and PIN: its token, given
-- once and kept only hashed. No row for a wrong PIN, an unknown name or a
-- pupil locked out after five wrong PINs in a row (for ten minutes).
CREATE FUNCTION tallymoo.pupil_login(code text, pupil_name text, pin text)
RETURNS TABLE(token text, pupil_id bigint, class_id bigint)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog AS $$
DECLARE
    wanted tallymoo.pupil%ROWTYPE;
    fresh text;
BEGIN
    SELECT p.* INTO wanted FROM tallymoo.pupil p JOIN tallymoo.school_class c ON c.id = p.class_id
     WHERE c.join_code = upper(btrim(code)) AND p.name = btrim(pupil_name) FOR UPDATE OF p;
    IF NOT FOUND OR coalesce(wanted.locked_until > now(), false) THEN
        RETURN;
    END IF;
    IF wanted.pin_hash <> tallymoo_crypto.crypt(pin, wanted.pin_hash) THEN
        UPDATE tallymoo.pupil SET failed_logins = failed_logins + 1,
               locked_until = CASE WHEN failed_logins + 1 >= 5 THEN now() + interval '10 minutes' END
         WHERE id = wanted.id;
        RETURN;
    END IF;
    UPDATE tallymoo.pupil SET failed_logins = 0, locked_until = NULL WHERE id = wanted.id;
    DELETE FROM tallymoo.pupil_session WHERE expires_at < now();
    fresh := encode(tallymoo_crypto.gen_random_bytes(24), 'hex');
    INSERT INTO tallymoo.pupil_session VALUES
        (tallymoo_crypto.digest(fresh, 'sha256'), wanted.id, wanted.class_id, now() + interval '30 days');
    RETURN QUERY SELECT fresh, wanted.id, wanted.class_id;
END
$$;

-- --- what the teachers call ------------------------------------------------

-- A join code: eight letters and digits that cannot be mistaken for others.
CREATE FUNCTION tallymoo.fresh_join_code() RETURNS text
LANGUAGE sql VOLATILE SECURITY DEFINER SET search_path = pg_catalog AS $$
    SELECT string_agg(substr('ABCDEFGHJKLMNPQRSTUVWXYZ23456789', get_byte(b, i) % 32 + 1, 1), '' ORDER BY i)
      FROM (SELECT tallymoo_crypto.gen_random_bytes(8) AS b) r, generate_series(0, 7) AS i
$$;

CREATE FUNCTION tallymoo.add_class(class_name text)
RETURNS TABLE(class_id bigint, join_code text)
LANGUAGE sql VOLATILE SECURITY DEFINER SET search_path = pg_catalog AS $$
    INSERT INTO tallymoo.school_class(name, teacher, join_code)
    VALUES (btrim(class_name), session_user, tallymoo.fresh_join_code())
    RETURNING id, join_code
$$;

-- The calling teacher's class of that name; refused when the teacher has none.
CREATE FUNCTION tallymoo.own_class(class_name text) RETURNS bigint
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog AS $$
DECLARE
    target bigint;
BEGIN
    SELECT id INTO target FROM tallymoo.school_class WHERE name = btrim(class_name) AND teacher = session_user;
    IF target IS NULL THEN
        RAISE EXCEPTION 'no class % of yours', class_name USING ERRCODE = 'P0002';
    END IF;
    RETURN target;
END
$$;

-- A pupil of the teacher's class, or the same pupil with a new PIN.
CREATE FUNCTION tallymoo.add_pupil(class_name text, pupil_name text, pin text) RETURNS bigint
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog AS $$
DECLARE
    target bigint;
    added bigint;
BEGIN
    target := tallymoo.own_class(class_name);
    IF pin !~ '^[0-9]{4,8}$' THEN
        RAISE EXCEPTION 'a PIN is 4 to 8 digits' USING ERRCODE = '22023';
    END IF;
    INSERT INTO tallymoo.pupil(class_id, name, pin_hash)
    VALUES (target, btrim(pupil_name), tallymoo_crypto.crypt(pin, tallymoo_crypto.gen_salt('bf')))
    ON CONFLICT (class_id, name) DO UPDATE
       SET pin_hash = excluded.pin_hash, failed_logins = 0, locked_until = NULL
    RETURNING id INTO added;
    RETURN added;
END
$$;

-- Practice for the teacher's class (or those of its pupils named): its id.
CREATE FUNCTION tallymoo.assign(class_name text, topic text, title text, question_count int, due date,
                                seed bigint, pupil_names text[] DEFAULT '{}') RETURNS bigint
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog AS $$
DECLARE
    target bigint;
    added bigint;
BEGIN
    target := tallymoo.own_class(class_name);
    INSERT INTO tallymoo.assignment(class_id, topic_key, title, question_count, due, seed)
    VALUES (target, topic, title, question_count, due, seed) RETURNING id INTO added;
    INSERT INTO tallymoo.assignment_pupil
    SELECT added, p.id FROM tallymoo.pupil p WHERE p.class_id = target AND p.name = ANY (pupil_names);
    IF (SELECT count(*) FROM tallymoo.assignment_pupil WHERE assignment_id = added)
       <> cardinality(pupil_names) THEN
        RAISE EXCEPTION 'a pupil named is not in class %', class_name USING ERRCODE = 'P0002';
    END IF;
    NOTIFY tallymoo_assignment;
    RETURN added;
END
$$;

-- --- who reads what ------------------------------------------------------

ALTER TABLE tallymoo.school_class ENABLE ROW LEVEL SECURITY;
ALTER TABLE tallymoo.pupil ENABLE ROW LEVEL SECURITY;
ALTER TABLE tallymoo.assignment ENABLE ROW LEVEL SECURITY;
ALTER TABLE tallymoo.assignment_pupil ENABLE ROW LEVEL SECURITY;
ALTER TABLE tallymoo.answer ENABLE ROW LEVEL SECURITY;
ALTER TABLE tallymoo.pupil_session ENABLE ROW LEVEL SECURITY;

GRANT SELECT ON tallymoo.school_class, tallymoo.assignment, tallymoo.assignment_pupil, tallymoo.answer
    TO tallymoo_teacher;
GRANT SELECT (id, class_id, name) ON tallymoo.pupil TO tallymoo_teacher;
CREATE POLICY own_classes ON tallymoo.school_class FOR SELECT TO tallymoo_teacher
    USING (teacher = current_user);
CREATE POLICY own_pupils ON tallymoo.pupil FOR SELECT TO tallymoo_teacher
    USING (tallymoo.teaches(class_id));
CREATE POLICY own_assignments ON tallymoo.assignment FOR SELECT TO tallymoo_teacher
    USING (tallymoo.teaches(class_id));
-- "IN (the teacher's assignments)" is worked out once a statement, not once
-- an answer: a term's view reads hundreds of thousands.
CREATE POLICY own_groups ON tallymoo.assignment_pupil FOR SELECT TO tallymoo_teacher
    USING (assignment_id IN (SELECT a.id FROM tallymoo.assignment a));
CREATE POLICY own_answers ON tallymoo.answer FOR SELECT TO tallymoo_teacher
    USING (assignment_id IN (SELECT a.id FROM tallymoo.assignment a));

GRANT SELECT ON tallymoo.assignment TO tallymoo_lab;
CREATE POLICY session_assignments ON tallymoo.assignment FOR SELECT TO tallymoo_lab
    USING (class_id = tallymoo.session_class() AND tallymoo.in_group(id, tallymoo.session_pupil()));
GRANT SELECT, INSERT ON tallymoo.answer TO tallymoo_lab;
CREATE POLICY session_answers ON tallymoo.answer FOR SELECT TO tallymoo_lab
    USING (pupil_id = tallymoo.session_pupil());
CREATE POLICY session_uploads ON tallymoo.answer FOR INSERT TO tallymoo_lab
    WITH CHECK (pupil_id = tallymoo.session_pupil()
                AND EXISTS (SELECT 1 FROM tallymoo.assignment a WHERE a.id = assignment_id));


REVOKE EXECUTE ON ALL FUNCTIONS IN SCHEMA tallymoo FROM PUBLIC;
GRANT EXECUTE ON FUNCTION tallymoo.session_pupil(), tallymoo.session_class(), tallymoo.session_hash(),
    tallymoo.in_group(bigint, bigint) TO tallymoo_lab;
GRANT EXECUTE ON FUNCTION tallymoo.join_class(text), tallymoo.pupil_login(text, text, text) TO tallymoo_lab;
GRANT EXECUTE ON FUNCTION tallymoo.teaches(bigint), tallymoo.add_class(text),
    tallymoo.add_pupil(text, text, text), tallymoo.assign(text, text, text, int, date, bigint, text[])
    TO tallymoo_teacher;
