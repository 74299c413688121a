#!/bin/sh
#SBATCH --job-name=circscan --array=1-32 --cpus-per-task=8
# One part of the search per array task; shards-submit.sh merges them.
# SEARCH may be exported before sbatch; the number of parts is the array's
# last index, unless SHARDS says otherwise (when only some parts are run again).
search=${SEARCH:-best --n 1000..1400 --k 3}
parts=${SHARDS:-$SLURM_ARRAY_TASK_MAX}
circscan $search --threads "${SLURM_CPUS_PER_TASK:-1}" \
  --shard "$SLURM_ARRAY_TASK_ID/$parts" --format json > "part$SLURM_ARRAY_TASK_ID.json"
