#!/usr/bin/env bash
# Start-up cost and resident memory of the program: starts it RUNS times on the offscreen
# platform and prints the median of the CPU time spent until it went idle and of VmRSS.
# Usage: bench/startup_memory.sh [path/to/tresmon] (default build-release/tresmon)
set -euo pipefail
exe="${1:-build-release/tresmon}"
runs="${RUNS:-7}"
tick_ms=$((1000 / $(getconf CLK_TCK)))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/tresmon"
mkdir -m 700 "$work/run"

rss=() cpu=() wall=()
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run" "$work/tresmon" &
    pid=$!
    # Idle once the CPU time stops growing for 200 ms.
    last=-1 still=0
    while ((still < 20)); do
        now=$(awk '{print $14 + $15}' "/proc/$pid/stat")
        if [ "$now" = "$last" ]; then still=$((still + 1)); else still=0; ready=$(date +%s%N); fi
        last=$now
        sleep 0.01
    done
    wall+=($(((ready - start) / 1000000)))
    cpu+=($((last * tick_ms)))
    rss+=($(awk '/VmRSS/ {print $2}' "/proc/$pid/status"))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }
echo "runs: $runs"
echo "start-up wall time until idle (median): $(median "${wall[@]}") ms"
echo "start-up CPU time (median): $(median "${cpu[@]}") ms"
echo "resident memory after start (median): $(( $(median "${rss[@]}") / 1024 )) MB ($(median "${rss[@]}") kB)"
