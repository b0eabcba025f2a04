#!/usr/bin/env bash
# Installs what is missing, builds the client and the order server, starts the order server with
# the demonstration accounts in the background, then the client. The server stops when the
# client exits, however the script ends.
#
# Demonstration accounts: trader / trader1 (normal trader), restricted / restricted1 (restricted
# trader). The journal of the trades sent goes to build/demo/trades.jsonl, the server's console
# to the terminal and to build/demo/order-server.log.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target talvenor talvenor-order-server

demo=build/demo
mkdir -p "$demo"
log="$demo/order-server.log"

server=
follower=
stop_server() {
  if [[ -n $server ]]; then
    kill -TERM "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  if [[ -n $follower ]]; then
    kill "$follower" 2>/dev/null || true
    wait "$follower" 2>/dev/null || true
  fi
}
trap stop_server EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

build/default/tools/order-server/talvenor-order-server --journal "$demo/trades.jsonl" >"$log" 2>&1 &
server=$!

# The client connects only when asked to log in, but the server must be listening by then.
until grep -q '^talvenor-order-server listening on ' "$log"; do
  if ! kill -0 "$server" 2>/dev/null; then
    wait "$server" || true
    server=
    echo "The order server did not start:" >&2
    cat "$log" >&2
    exit 1
  fi
  sleep 0.1
done
tail -n +1 -f "$log" &
follower=$!

build/default/app/talvenor "$@"
