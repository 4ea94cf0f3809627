#!/usr/bin/env bash
# Starts or stops a throwaway PostgreSQL 15 cluster for the tests.
#   pg_cluster.sh start DIR PORT   creates DIR, initdb, starts the server on
#                                  127.0.0.1:PORT, creates the role and
#                                  database named by QRT_PG_USER / QRT_PG_DB
#   pg_cluster.sh stop DIR         stops the server and removes DIR
# The server runs as the user who calls the script; only root, whom initdb
# refuses, runs it as the "postgres" user (and DIR then belongs to that user).
set -euo pipefail
bin=$(ls -d /usr/lib/postgresql/15/bin 2>/dev/null || true)
[ -n "$bin" ] || { echo "PostgreSQL 15 server binaries not installed"; exit 1; }
user=${QRT_PG_USER:-qrt}
password=${QRT_PG_PASSWORD:-qrtpw}
db=${QRT_PG_DB:-qrt}
as_server_user() {
    if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
case "${1:-}" in
start)
    dir=$2 port=$3
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_server_user "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    mkdir -p "$dir"
    [ "$(id -u)" != 0 ] || chown postgres "$dir"
    as_server_user "$bin/initdb" -D "$dir/data" -U postgres --auth-local=trust \
        --auth-host=scram-sha-256 -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
    as_server_user "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
        -o "-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories=$dir -c fsync=off" start >/dev/null
    as_server_user "$bin/psql" -h "$dir" -p "$port" -U postgres -d postgres -v ON_ERROR_STOP=1 -q \
        -c "CREATE ROLE $user LOGIN PASSWORD '$password'" \
        -c "CREATE DATABASE $db OWNER $user" >/dev/null
    echo "PostgreSQL started on 127.0.0.1:$port"
    ;;
stop)
    dir=$2
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_server_user "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    fi
    rm -rf "$dir"
    echo "PostgreSQL stopped"
    ;;
*)
    echo "usage: pg_cluster.sh start DIR PORT | stop DIR"; exit 2 ;;
esac
