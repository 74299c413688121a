#!/usr/bin/env bash
# Installs what is missing, builds an optimised tree and starts one program:
#   scripts/run.sh velmar [FILE]  |  scripts/run.sh kestrun  |  scripts/run.sh circscan ARGS...
# What the build prints goes to stderr, so circscan's results alone reach stdout.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-velmar}
shift || true
case "$program" in
  velmar)   binary=velmar/app/velmar ;;
  kestrun)  binary=kestrun/shell/kestrun ;;
  circscan) binary=circscan/circscan ;;
  *) echo "usage: scripts/run.sh velmar|kestrun|circscan [ARGS...]" >&2; exit 2 ;;
esac
{
  bash scripts/install-deps.sh
  cmake --preset release
  cmake --build --preset release --target "$program"
} >&2
exec "./build/release/$binary" "$@"
