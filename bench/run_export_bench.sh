#!/usr/bin/env bash
# Export benchmark: generates warehouses of about N objects (default 10000 and
# 100000), loads each into a SQLite control database and into a throwaway
# PostgreSQL cluster on a loopback port, and exports all their databases with
# qrt2exp2 under /usr/bin/time -v, RUNS times each (default 3).
#
#   bench/run_export_bench.sh BUILD_DIR [N...]
#   RUNS=5 DBMS="sqlite" bench/run_export_bench.sh build 100000
#
# The floor, measured in the same run: every row of every control table read
# once by the DBMS's own client (sqlite3, psql) into /dev/null, plus writing
# the tag file's bytes to a new file. One more export with the "HQOdbc" trace
# on counts the statements executed (the count per statement text is kept in
# the work folder, statements.txt).
#
# Prints one line per DBMS and size, medians over the runs: objects asked
# for, rows in the control tables, size of the tag file, export wall time,
# floor, their ratio, microseconds per object, peak resident memory and the
# number of statements executed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: run_export_bench.sh BUILD_DIR [N...]}" && pwd)
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 100000)
runs=${RUNS:-3}
read -r -a systems <<< "${DBMS:-sqlite postgres}"
bin=$build/stage/bin
work=$build/bench-export
mkdir -p "$work"

pg_port=${BENCH_PG_PORT:-$((40000 + $$ % 10000))}
pg_dir=/tmp/qrt-bench-pg-$pg_port
pg_env=(PGHOST=127.0.0.1 PGPORT=$pg_port PGUSER=qrt PGPASSWORD=qrtpw PGDATABASE=qrt)
pg_started=0
stop_pg() {
    [ "$pg_started" = 0 ] || "$top/tools/pg_cluster.sh" stop "$pg_dir" > /dev/null 2>&1 || true
}
trap stop_pg EXIT

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
seconds_since() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f\n", b - a }'; }

# SQL run by the DBMS's own client on the control tables of a warehouse.
run_sql() { # dbms dir sql
    if [ "$1" = sqlite ]; then
        sqlite3 "$2/control.db" "$3"
    else
        env "${pg_env[@]}" psql -X -q -A -t -v ON_ERROR_STOP=1 -c "SET search_path TO bench" -c "$3"
    fi
}

# Reads every row of every control table once and copies the tag file.
floor_once() { # dbms dir
    local dbms=$1 dir=$2 start
    start=$(date +%s.%N)
    if [ "$dbms" = sqlite ]; then
        sqlite3 "$dir/control.db" "$(cat "$dir/scan.sql")" > /dev/null
    else
        env "${pg_env[@]}" psql -X -q -A -t -f "$dir/scan.sql" > /dev/null
    fi
    cat "$dir/export.tag" > "$dir/floor.tag"
    seconds_since "$start"
    rm -f "$dir/floor.tag"
}

export_once() { # dir dsn user password -> "seconds peak_kb"
    local dir=$1
    (cd "$dir" && ODBCINI=$dir/odbc.ini ODBCSYSINI=/etc HQSPATH=$build/stage \
        /usr/bin/time -v -o time.txt "$bin/qrt2exp2" export.inp "$2" "$3" "$4" \
        prefix="$5" feedback=feedback.txt > output.txt 2>&1) || {
        echo "export failed:" >&2; cat "$dir/output.txt" >&2; exit 1; }
    grep -q ':RC.0/0' "$dir/feedback.txt" || { cat "$dir/feedback.txt" >&2; exit 1; }
    local elapsed peak
    elapsed=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$dir/time.txt" |
        awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; printf "%.2f", s }')
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$dir/time.txt")
    echo "$elapsed $peak"
}

printf '%-8s %-8s %-8s %-8s %-9s %-8s %-7s %-8s %-8s %-10s\n' dbms objects rows tag_mib \
    export_s floor_s ratio us_obj peak_mib statements
for n in "${sizes[@]}"; do
    gen=$work/gen$n
    mkdir -p "$gen"
    "$bin/generate_warehouse" --seed=1 --objects="$n" "$gen/warehouse.sql" "$gen/export.inp" \
        > "$gen/generate.log"
    for dbms in "${systems[@]}"; do
        dir=$work/$dbms$n
        rm -rf "$dir"
        mkdir -p "$dir"
        cp "$gen/export.inp" "$dir/"
        if [ "$dbms" = sqlite ]; then
            "$top/tools/load_warehouse.sh" sqlite "$dir/control.db" "$gen/warehouse.sql" \
                > "$dir/load.log"
            printf '[QRTBENCH]\nDriver=SQLite3\nDatabase=%s\n' "$dir/control.db" > "$dir/odbc.ini"
            tables=$(sqlite3 "$dir/control.db" \
                "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")
            login=(bench bench QRT)
        else
            if [ "$pg_started" = 0 ]; then
                "$top/tools/pg_cluster.sh" start "$pg_dir" "$pg_port" > /dev/null
                pg_started=1
            fi
            env "${pg_env[@]}" "$top/tools/load_warehouse.sh" postgres BENCH "$gen/warehouse.sql" \
                > "$dir/load.log"
            run_sql postgres "$dir" "ANALYZE" > /dev/null 2>&1
            printf '[QRTBENCH]\nDriver=PostgreSQL Unicode\nServername=127.0.0.1\nPort=%s\nDatabase=qrt\nSSLmode=disable\n' \
                "$pg_port" > "$dir/odbc.ini"
            tables=$(run_sql postgres "$dir" \
                "SELECT tablename FROM pg_tables WHERE schemaname = 'bench' ORDER BY 1")
            login=(qrt qrtpw BENCH)
        fi
        : > "$dir/scan.sql"
        count_sql="SELECT 0"
        [ "$dbms" = sqlite ] || echo "SET search_path TO bench;" > "$dir/scan.sql"
        for t in $tables; do
            echo "SELECT * FROM \"$t\";" >> "$dir/scan.sql"
            count_sql+=" + (SELECT count(*) FROM \"$t\")"
        done
        rows=$(run_sql "$dbms" "$dir" "$count_sql")

        : > "$dir/export_s" ; : > "$dir/peak_kb" ; : > "$dir/floor_s"
        for ((r = 0; r < runs; r++)); do
            read -r elapsed peak < <(export_once "$dir" QRTBENCH "${login[@]}")
            echo "$elapsed" >> "$dir/export_s"
            echo "$peak" >> "$dir/peak_kb"
            floor_once "$dbms" "$dir" >> "$dir/floor_s"
        done
        cp "$dir/export.tag" "$dir/timed.tag"

        # The counted run: the same export with the statement counts traced.
        run_sql "$dbms" "$dir" "INSERT INTO configuration (component, name, type, value_char,
            value_int, short_name) VALUES ('HQOdbc', 'TRACELVL', 'I', NULL, 1, 'bench')"
        export_once "$dir" QRTBENCH "${login[@]}" > /dev/null
        run_sql "$dbms" "$dir" "DELETE FROM configuration WHERE component = 'HQOdbc'"
        cmp -s <(grep -v '^:COMMENT. Time:' "$dir/export.tag") \
            <(grep -v '^:COMMENT. Time:' "$dir/timed.tag") ||
            echo "note: the traced export of $dbms $n differs from the timed one" >&2
        sed -n '/^------------ Statements executed:/,$p' "$dir/output.txt" > "$dir/statements.txt"
        statements=$(sed -n 's/^------------ Statements executed: //p' "$dir/statements.txt" |
            tail -1)

        export_med=$(median < "$dir/export_s")
        floor_med=$(median < "$dir/floor_s")
        peak_med=$(median < "$dir/peak_kb")
        tag_bytes=$(stat -c %s "$dir/timed.tag")
        awk -v d="$dbms" -v n="$n" -v rows="$rows" -v tb="$tag_bytes" -v e="$export_med" \
            -v f="$floor_med" -v p="$peak_med" -v s="${statements:-?}" 'BEGIN {
                printf "%-8s %-8s %-8s %-8.1f %-9.2f %-8.3f %-7.1f %-8.1f %-8.1f %-10s\n",
                    d, n, rows, tb / 1048576, e, f, (f > 0 ? e / f : 0), e * 1e6 / n,
                    p / 1024, s }'
    done
done
