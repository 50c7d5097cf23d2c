#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A real PostgreSQL for the school's tests, in a folder of its own:
#   school_server.sh start FOLDER SETUP   initdb, start on a free loopback port, run
#                                         tallymoo-school-setup with two teachers, and
#                                         write FOLDER/settings for the tests
#   school_server.sh stop FOLDER          stop it and remove the folder
# PostgreSQL refuses to run as root, so as root it runs as nobody.
set -euo pipefail
bin=/usr/lib/postgresql/15/bin
action="$1" folder="$2"

as_server() {
    if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}

stop() {
    if [ -f "$folder/data/postmaster.pid" ]; then
        as_server "$bin/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null || true
    fi
    rm -rf "$folder"
}

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

start() {
    local setup="$1" port
    stop
    mkdir -p "$folder"
    [ "$(id -u)" -eq 0 ] && chown nobody "$folder"
    as_server "$bin/initdb" -D "$folder/data" --auth-local=trust --auth-host=scram-sha-256 \
        --encoding=UTF8 --locale=C.UTF-8 --no-sync >"$folder/initdb.log"
    port=$(free_port)
    # In the configuration rather than on pg_ctl's line, so a plain "pg_ctl start"
    # (the fault program's restarts) starts it the same way.
    cat >>"$folder/data/postgresql.conf" <<EOF
listen_addresses = '127.0.0.1'
port = $port
unix_socket_directories = '$folder'
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 200
EOF
    as_server "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 start >/dev/null
    # Copied to the server's folder, which its user can read wherever the
    # source tree lies (a clone in /root is closed to nobody).
    cp "$setup" "$(dirname "$setup")/schema.sql" "$folder/"
    as_server env TALLYMOO_SCHOOL_SCHEMA="$folder/schema.sql" \
        "$folder/tallymoo-school-setup" --host "$folder" --port "$port" --teacher teacher --teacher-password wang-laoshi \
        --lab-password lab-secret --lab-host 127.0.0.1 >"$folder/setup.log"
    as_server env TALLYMOO_SCHOOL_SCHEMA="$folder/schema.sql" \
        "$folder/tallymoo-school-setup" --host "$folder" --port "$port" --teacher teacher_li --teacher-password li-laoshi \
        --lab-host 127.0.0.1 >>"$folder/setup.log"
    cat >"$folder/settings" <<EOF
server=host=127.0.0.1 port=$port dbname=tallymoo connect_timeout=3
lab=host=127.0.0.1 port=$port dbname=tallymoo connect_timeout=3 user=tallymoo_lab password=lab-secret
teacher=host=127.0.0.1 port=$port dbname=tallymoo connect_timeout=3 user=teacher password=wang-laoshi
other_teacher=host=127.0.0.1 port=$port dbname=tallymoo connect_timeout=3 user=teacher_li password=li-laoshi
administrator=host=$folder port=$port dbname=tallymoo user=$(as_server id -un)
data=$folder/data
EOF
    chmod a+r "$folder/settings"
}

case "$action" in
    start) start "$3" ;;
    stop) stop ;;
    *) echo "usage: school_server.sh start FOLDER SETUP | stop FOLDER" >&2; exit 2 ;;
esac
