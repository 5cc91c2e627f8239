#!/usr/bin/env bash
# Runs a command with a private PostgreSQL server: a new cluster in a temporary folder,
# listening on a free loopback port, its connection text in VIREO_TEST_POSTGRES. The
# server is stopped and its folder removed when the command ends, also when it fails.
#   scripts/postgres.sh COMMAND [ARGS...]
# The server refuses to run as root: as root, the cluster belongs to the postgres user.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: scripts/postgres.sh COMMAND [ARGS...]" >&2; exit 2; }

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
  echo "postgres.sh: no PostgreSQL server is installed (scripts/setup.sh installs it)" >&2
  exit 1
fi

folder=$(mktemp -d "${TMPDIR:-/tmp}/vireo-postgres.XXXXXX")
as_server=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres: "$folder"
  as_server=(runuser -u postgres --)
fi

stop_server() {
  if [ -f "$folder/data/postmaster.pid" ]; then
    "${as_server[@]}" "$bindir/pg_ctl" -D "$folder/data" -m immediate stop >/dev/null 2>&1 || true
  fi
  rm -rf "$folder"
}
trap stop_server EXIT

"${as_server[@]}" "$bindir/initdb" -D "$folder/data" -U vireo --auth=trust -E UTF8 --locale=C >"$folder/initdb.log" 2>&1 ||
  { cat "$folder/initdb.log" >&2; exit 1; }

# Durability is not what the tests look at: without disk syncs the server is several times
# faster at making databases and committing.
started=
for attempt in 1 2 3 4 5 6 7 8; do
  port=$((20000 + RANDOM % 40000))
  if "${as_server[@]}" "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 \
       -o "-c listen_addresses=127.0.0.1 -p $port -k $folder -c fsync=off -c synchronous_commit=off
           -c full_page_writes=off -c max_connections=100" start >/dev/null 2>&1; then
    started=1
    break
  fi
done
if [ -z "$started" ]; then
  echo "postgres.sh: the server did not start; its log:" >&2
  cat "$folder/server.log" >&2 || true
  exit 1
fi

export VIREO_TEST_POSTGRES="postgresql://vireo@127.0.0.1:$port/postgres"
echo "postgres.sh: PostgreSQL on 127.0.0.1:$port for this run (VIREO_TEST_POSTGRES)" >&2
"$@"
