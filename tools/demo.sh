#!/usr/bin/env bash
# Installs what is missing, builds the program and its message files (not the
# tests), loads the sample warehouse into a SQLite control database with its
# DSN, and exports every section of it (databases, processes with their
# cascades, program groups, star schemas: samples/export.inp with /s); the tag
# file is printed and the program's exit status is the script's. The build
# folder is the one the tests use, so tools/run_tests.sh afterwards only adds
# the test programs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/tools/install_deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build" -j"$(nproc)" --target qrt2exp2
export HQSPATH=$top/build/stage

demo=$top/build/demo
rm -rf "$demo"
mkdir -p "$demo"
bash "$top/tools/load_warehouse.sh" sqlite "$demo/control.db"
printf '[QRTSAMPLE]\nDriver=SQLite3\nDatabase=%s\nNoCreat=1\n' "$demo/control.db" >"$demo/odbc.ini"
export ODBCINI=$demo/odbc.ini ODBCSYSINI=/etc
cp "$top/samples/export.inp" "$demo/export.inp"

cd "$demo"
status=0
"$HQSPATH/bin/qrt2exp2" export.inp QRTSAMPLE demo demo /s || status=$?
if [ -f export.tag ]; then
    echo "---- $demo/export.tag"
    cat export.tag
fi
exit "$status"
