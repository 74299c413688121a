#!/usr/bin/env bash
# Installs what is missing, builds an optimised tree and starts one program:
#   scripts/run.sh velmar [FILE]    or    scripts/run.sh kestrun
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-velmar}
shift || true
bash scripts/install-deps.sh
cmake --preset release
case "$program" in
  velmar)  cmake --build --preset release --target velmar
           exec ./build/release/velmar/app/velmar "$@" ;;
  kestrun) cmake --build --preset release --target kestrun
           exec ./build/release/kestrun/shell/kestrun "$@" ;;
  *) echo "usage: scripts/run.sh velmar|kestrun" >&2; exit 2 ;;
esac
