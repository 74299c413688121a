#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test headless, as many at a time as there are cores (each test is its
# own process with its own temporary files and settings). The results are
# also written to build/dev/ctest-junit.xml.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev --parallel "$(nproc)"
