#!/bin/sh
# Runs the parts with GNU parallel, one single-threaded part per core, and
# merges them. Arguments go to parallel; over ssh, with circscan on every host:
#   shards-parallel.sh -S host1,host2 --return 'part{}.json' --cleanup
set -eu
search=${SEARCH:-best --n 1000..1400 --k 3}
parts=${SHARDS:-8}
parallel "$@" "circscan $search --threads 1 --shard {}/$parts --format json > part{}.json" ::: $(seq "$parts")
circscan merge part*.json --format csv > best.csv
