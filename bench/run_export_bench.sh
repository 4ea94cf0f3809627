#!/usr/bin/env bash
# Export benchmark: generates warehouses of about N objects (default 10000 and
# 100000), loads each into a SQLite control database, exports all its
# databases with qrt2exp2 under /usr/bin/time -v, and for comparison times a
# plain sqlite3 scan of every row of every table of the same file.
#
#   bench/run_export_bench.sh BUILD_DIR [N...]
#
# Prints one line per size: objects asked for, rows in the file, lines of the
# tag file, export wall time and peak memory, scan wall time.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: run_export_bench.sh BUILD_DIR [N...]}" && pwd)
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 100000)
bin=$build/stage/bin
work=$build/bench-export
mkdir -p "$work"

printf '%-9s %-9s %-10s %-10s %-12s %-9s\n' objects rows tag_lines export_s peak_rss_kb scan_s
for n in "${sizes[@]}"; do
    dir=$work/wh$n
    rm -rf "$dir"
    mkdir -p "$dir"
    "$bin/generate_warehouse" --seed=1 --objects="$n" "$dir/warehouse.sql" "$dir/export.inp" \
        > "$dir/generate.log"
    "$top/tools/load_warehouse.sh" sqlite "$dir/control.db" "$dir/warehouse.sql" > "$dir/load.log"
    printf '[QRTBENCH]\nDriver=SQLite3\nDatabase=%s\n' "$dir/control.db" > "$dir/odbc.ini"

    (cd "$dir" && ODBCINI=$dir/odbc.ini ODBCSYSINI=/etc HQSPATH=$build/stage \
        /usr/bin/time -v -o time.txt "$bin/qrt2exp2" export.inp QRTBENCH bench bench \
        prefix=QRT feedback=feedback.txt > output.txt) || {
        echo "export of $n objects failed:"; cat "$dir/output.txt"; exit 1; }
    grep -q ':RC.0/0' "$dir/feedback.txt" || { cat "$dir/feedback.txt"; exit 1; }

    elapsed=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$dir/time.txt" |
        awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; printf "%.2f", s }')
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$dir/time.txt")
    lines=$(wc -l < "$dir/export.tag")

    # Every row of every table, read by the sqlite3 shell.
    tables=$(sqlite3 "$dir/control.db" "SELECT name FROM sqlite_master WHERE type = 'table'")
    scan_sql=""
    count_sql="SELECT 0"
    for t in $tables; do
        scan_sql+="SELECT * FROM \"$t\";"
        count_sql+=" + (SELECT count(*) FROM \"$t\")"
    done
    rows=$(sqlite3 "$dir/control.db" "$count_sql")
    start=$(date +%s.%N)
    sqlite3 "$dir/control.db" "$scan_sql" > /dev/null
    end=$(date +%s.%N)
    scan=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')

    printf '%-9s %-9s %-10s %-10s %-12s %-9s\n' "$n" "$rows" "$lines" "$elapsed" "$peak" "$scan"
done
