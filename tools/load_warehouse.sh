#!/usr/bin/env bash
# Creates the control tables of a warehouse and loads metadata into them.
#
#   load_warehouse.sh sqlite FILE [DATA.sql...]
#       replaces FILE by a new SQLite database holding the control tables
#   load_warehouse.sh postgres PREFIX [DATA.sql...]
#       drops and recreates the schema PREFIX (folded to lower case) in the
#       PostgreSQL database named by PGHOST, PGPORT, PGUSER, PGPASSWORD and
#       PGDATABASE, with the control tables in it
#
# Then loads the data files in the order given (default: the sample warehouse,
# samples/warehouse.sql); "-" reads one from standard input. Data files name
# the tables without a schema, so the same file loads into both systems. All
# data is loaded in one transaction: on any error nothing of it is kept.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

usage() {
    echo "usage: load_warehouse.sh sqlite FILE [DATA.sql...]"
    echo "       load_warehouse.sh postgres PREFIX [DATA.sql...]"
    exit 2
}
[ $# -ge 2 ] || usage
dbms=$1 target=$2
shift 2
data=("$@")
[ ${#data[@]} -gt 0 ] || data=("$top/samples/warehouse.sql")
for f in "${data[@]}"; do
    [ "$f" = - ] || [ -r "$f" ] || { echo "load_warehouse.sh: cannot read $f"; exit 1; }
done

# Concatenates the data files (standard input for "-").
data_text() {
    local f
    for f in "${data[@]}"; do
        if [ "$f" = - ]; then cat; else cat "$f"; fi
        echo
    done
}

case "$dbms" in
sqlite)
    rm -f "$target" "$target-journal"
    {
        cat "$top"/schema/sqlite/*.sql
        echo "BEGIN;"
        data_text
        echo "COMMIT;"
    } | sqlite3 -bail "$target"
    ;;
postgres)
    [[ "$target" =~ ^[A-Za-z_][A-Za-z0-9_]*$ ]] || {
        echo "load_warehouse.sh: the prefix must be a plain SQL name: $target"
        exit 1
    }
    prefix=${target,,}
    export PGCLIENTENCODING=UTF8
    {
        echo "SET client_min_messages = warning;"
        echo "DROP SCHEMA IF EXISTS $prefix CASCADE;"
        sed "s/@PREFIX@/$prefix/g" "$top"/schema/postgresql/*.sql
        echo "SET search_path TO $prefix;"
        data_text
    } | psql -X -q -v ON_ERROR_STOP=1 --single-transaction -o /dev/null -f -
    ;;
*)
    usage
    ;;
esac
