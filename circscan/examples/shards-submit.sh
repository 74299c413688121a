#!/bin/sh
# Submits shards.sbatch as a job array and the merge as a job that starts once
# every part has succeeded (and is cancelled if one fails); prints the merge
# job's id. Arguments go to the array's sbatch, e.g. --array=1-4.
set -eu
array=$(sbatch --parsable "$@" "$(dirname "$0")/shards.sbatch")
sbatch --parsable --job-name=circscan-merge --dependency="afterok:${array%%;*}" \
  --kill-on-invalid-dep=yes --wrap 'circscan merge part*.json --format csv > best.csv'
