#!/bin/sh
# Reproduces one row of docs/records.md: the largest circulant of degree 2K
# and diameter D, searched down from the lattice bound with a checkpoint
# under docs/records/ (run it again after a stop and it resumes), then the
# first search (circscan::reference) on CHECKS randomly drawn N above the
# answer, each of which must have no set. From the repository root, after
#   cmake --preset release
#   cmake --build --preset release --target circscan circscan_reference_check
# usage: circscan/examples/record.sh K D [CHECKS]
set -eu
k=$1
d=$2
checks=${3:-3}
build=${CIRCSCAN_BUILD:-build/release/circscan}
checkpoint=docs/records/k$k-d$d.ckpt
mkdir -p docs/records
row=$(/usr/bin/time -f "largest: wall %e s, CPU %U s user + %S s system, %M KB" \
  "$build/circscan" largest --k "$k" --diameter "$d" --checkpoint "$checkpoint" --format csv |
  tail -n 1)
echo "$row"
n=$(echo "$row" | cut -d, -f3)
bound=$(python3 -c "from math import comb; print(sum(2**i * comb($k, i) * comb($d, i) for i in range($k + 1)))")
if [ "$checks" -gt 0 ] && [ "$n" -lt "$bound" ]; then
  "$build/bench/circscan_reference_check" "$k" "$d" $(shuf -i "$((n + 1))-$bound" -n "$checks")
fi
