#!/usr/bin/env bash
# Runs the README's sharding examples for real, scaled down: the GNU parallel
# script, and the Slurm job array with its dependent merge on a one-node
# cluster (munged, slurmctld, slurmd) started here, as root, from a
# configuration in a temporary folder. Each merge must equal the single run
# byte for byte. The daemons are stopped and the folder removed however the
# check ends.
#   .ci/slurm-check.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?usage: slurm-check.sh BUILD_DIR}")
examples=$(realpath "$(dirname "$0")/../circscan/examples")
[ -x "$build/circscan/circscan" ] || { echo "slurm-check: FAIL: no $build/circscan/circscan" >&2; exit 1; }
# slurmd starts every job as its owner and SlurmUser is root: both need root.
[ "$(id -u)" -eq 0 ] || { echo "slurm-check: FAIL: must run as root" >&2; exit 1; }

# The examples call plain `circscan`, as a reader would after installing it.
export PATH=$build/circscan:$PATH
export SEARCH='best --n 300..500 --k 3'
parts=4
unset SHARDS
tmp=$(mktemp -d /tmp/slurm-check.XXXXXX)
# Agrees to GNU parallel's citation notice and keeps its files out of $HOME.
export PARALLEL=--will-cite PARALLEL_HOME=$tmp/parallel-home
export SLURM_CONF=$tmp/slurm.conf

pids=()      # the daemons this script started, in start order
submitted=
cleanup() {
  local status=$? i
  # Jobs first, so that no job step outlives the slurmd that started it.
  if [ -n "$submitted" ]; then
    scancel --user=root 2>/dev/null || true
    for _ in $(seq 30); do
      [ -z "$(squeue -h -o %i 2>/dev/null)" ] && break
      sleep 1
    done
  fi
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$tmp"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "slurm-check: FAIL: $*" >&2
  local log
  for log in "$tmp"/*.err "$tmp"/work/slurm-*.out; do
    [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
  done
  exit 1
}

# The README shows shards.sbatch without its comments; both must say the same.
shown=$(awk '/\(circscan\/examples\/shards\.sbatch\)\):$/ { f = 1; next }
  f && /^```sh$/ { p = 1; next } p && /^```$/ { exit } p' "$examples/../../README.md")
[ "$shown" = "$(grep -v '^# ' "$examples/shards.sbatch")" ] ||
  fail "the README's shards.sbatch differs from circscan/examples/shards.sbatch"

read -ra search <<<"$SEARCH"
circscan "${search[@]}" --format csv >"$tmp/single.csv"

# GNU parallel, in a folder of its own so that only its parts are merged.
mkdir "$tmp/parallel"
(cd "$tmp/parallel" && SHARDS=$parts sh "$examples/shards-parallel.sh") ||
  fail "the GNU parallel example failed"
cmp "$tmp/single.csv" "$tmp/parallel/best.csv" || fail "GNU parallel: merge differs from the single run"
echo "slurm-check: ok: GNU parallel, $parts parts merged equal the single run"

# Ports of their own, so that a Slurm already on this machine is left alone.
read -r ctld_port slurmd_port < <(python3 -c '
import socket
s = [socket.socket() for _ in range(2)]
for x in s: x.bind(("127.0.0.1", 0))
print(*(x.getsockname()[1] for x in s))') || fail "no free ports for slurmctld and slurmd"

node=$(hostname -s)
mkdir -p "$tmp/state" "$tmp/spool" "$tmp/work"
# munged wants its socket's folder open to every user that asks it.
chmod 755 "$tmp"
dd if=/dev/urandom of="$tmp/munge.key" bs=1024 count=1 status=none
chmod 600 "$tmp/munge.key"
cat >"$SLURM_CONF" <<EOF
ClusterName=check
SlurmctldHost=$node(127.0.0.1)
SlurmctldPort=$ctld_port
SlurmdPort=$slurmd_port
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$tmp/munge.socket
MpiDefault=none
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
ReturnToService=2
MailProg=/bin/true
StateSaveLocation=$tmp/state
SlurmdSpoolDir=$tmp/spool
SlurmctldPidFile=$tmp/slurmctld.pid
SlurmdPidFile=$tmp/slurmd.pid
NodeName=$node NodeAddr=127.0.0.1 CPUs=$(nproc) RealMemory=100 State=UNKNOWN
PartitionName=check Nodes=$node Default=YES MaxTime=INFINITE State=UP
EOF

# The daemons run in the foreground, so that their ids are the ones stopped
# at the end, and log to stderr, which a failure shows. The key and socket
# serve this check alone, so --force overrides munged's refusal of folders it
# finds too open, which depends on the runner's /tmp.
munged --foreground --force --key-file="$tmp/munge.key" --socket="$tmp/munge.socket" \
  --pid-file="$tmp/munged.pid" --seed-file="$tmp/munge.seed" 2>"$tmp/munged.err" &
pids+=($!)
for _ in $(seq 50); do [ -S "$tmp/munge.socket" ] && break; sleep 0.2; done
[ -S "$tmp/munge.socket" ] || fail "munged did not start"

slurmctld -D -f "$SLURM_CONF" >"$tmp/slurmctld.err" 2>&1 &
pids+=($!)
slurmd -D -f "$SLURM_CONF" -N "$node" >"$tmp/slurmd.err" 2>&1 &
pids+=($!)
start=$SECONDS
until [ "$(sinfo -h -n "$node" -o %t 2>/dev/null)" = idle ]; do
  ((SECONDS - start < 60)) || fail "the node did not become idle within 60 s"
  for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null || fail "a daemon stopped at start"; done
  sleep 1
done
echo "slurm-check: one-node cluster up in $((SECONDS - start)) s"

# The array's size alone sets the number of parts, as in the README; one CPU
# a task fits any runner.
cd "$tmp/work"
submitted=1
merge=$(sh "$examples/shards-submit.sh" --array=1-$parts --cpus-per-task=1) ||
  fail "shards-submit.sh could not submit the jobs"
start=$SECONDS
# The cluster is this script's alone: an empty queue means both jobs ended.
while [ -n "$(squeue -h -o %i)" ]; do
  ((SECONDS - start < 180)) || fail "the jobs did not finish within 180 s"
  sleep 2
done
state=$(scontrol show job "$merge" | grep -o 'JobState=[A-Z_]*' || true)
[ "$state" = JobState=COMPLETED ] || fail "the merge job ended with ${state:-no state}"
cmp "$tmp/single.csv" "$tmp/work/best.csv" || fail "Slurm: merge differs from the single run"
echo "slurm-check: ok: Slurm array of $parts parts and its merge job equal the single run ($((SECONDS - start)) s)"
