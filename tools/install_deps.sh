#!/usr/bin/env bash
# Installs the Debian packages that building, the demo and the tests need.
# Needs root only when something is missing.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(cmake make g++ libc-dev-bin libgtest-dev libgmock-dev googletest
          unixodbc unixodbc-dev odbcinst libsqliteodbc sqlite3 libabsl-dev libjemalloc-dev
          odbc-postgresql postgresql-15 postgresql-client-15 clang-format time
          clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" != 0 ]; then
        echo "install_deps.sh: missing packages: ${missing[*]}" >&2
        echo "install_deps.sh: install them as root (for example: sudo bash $0)" >&2
        exit 1
    fi
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
