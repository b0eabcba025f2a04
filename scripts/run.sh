#!/usr/bin/env bash
# Installs what is missing, builds, and starts the client.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/app/talvenor "$@"
