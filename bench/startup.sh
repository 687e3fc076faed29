#!/usr/bin/env bash
# Start-up of the real window against a floor (a window of the same size with
# one label), both up to their first paint on the offscreen platform: median
# wall time under hyperfine, median peak memory (max RSS) under GNU time, and
# the ratios form / floor. Goals: time at most 1.25x, memory at most 1.2x.
#
#   bench/startup.sh                      build in build-bench/, measure, print
#   BUILD=dir ROUNDS=n RUNS=n WARMUP=n MEMORY_RUNS=n bench/startup.sh
#   BEFORE=rev bench/startup.sh           also the program as of git revision
#                                         rev, built in build-bench/before/
#
# The programs take turns: ROUNDS hyperfine calls of RUNS runs of each, each
# after WARMUP runs that are not counted, so that a change in the machine's
# load falls on all alike.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build-bench}
rounds=${ROUNDS:-100}
runs=${RUNS:-2}
warmup=${WARMUP:-1}
memory_runs=${MEMORY_RUNS:-21}
out=$build/bench/startup
sudo=$([ "$(id -u)" = 0 ] || echo sudo)

# hyperfine times, GNU time reads max RSS, jq reads hyperfine's JSON.
missing=()
command -v hyperfine >/dev/null || missing+=(hyperfine)
[ -x /usr/bin/time ] || missing+=(time)
command -v jq >/dev/null || missing+=(jq)
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_startup_form bench_startup_floor
programs=(-n form -n floor "$build/bench/bench_startup_form" "$build/bench/bench_startup_floor")
if [ -n "${BEFORE:-}" ]; then
    before=$build/before
    rm -rf "$before/src" && mkdir -p "$before/src"
    git -C "$root" archive "$BEFORE" | tar -x -C "$before/src"
    cmake -S "$before/src" -B "$before/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
    cmake --build "$before/build" -j"$(nproc)" --target bench_startup_form
    programs=(-n form -n floor -n before "${programs[@]:4}" "$before/build/bench/bench_startup_form")
fi

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d) # Qt wants one, private to the user
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
export XDG_RUNTIME_DIR
form=$build/bench/bench_startup_form
floor=$build/bench/bench_startup_floor
mkdir -p "$out"
rm -f "$out"/round-*.json "$out"/*.rss "$out"/hyperfine.log

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

echo "$(lscpu | sed -n 's/^Model name: *//p'), $(nproc) CPUs; load average $(cut -d' ' -f1-3 /proc/loadavg)"
for ((r = 1; r <= rounds; ++r)); do
    hyperfine -N --warmup "$warmup" --runs "$runs" --style basic "${programs[@]}" \
        --export-json "$out/round-$r.json" >>"$out/hyperfine.log" 2>&1 ||
        { cat "$out/hyperfine.log"; exit 1; }
done
# All rounds in one file, each program's times in one list.
jq -s '{results: [.[].results[]] | group_by(.command)
        | map({command: .[0].command, times: [.[].times[]]})}' \
    "$out"/round-*.json >"$out/startup.json"
times() { jq -r --arg c "$1" '.results[] | select(.command == $c) | .times[]' "$out/startup.json"; }
form_ms=$(times form | median | awk '{ printf "%.2f", $1 * 1000 }')
floor_ms=$(times floor | median | awk '{ printf "%.2f", $1 * 1000 }')

# Peak memory, the programs again taking turns.
for ((i = 0; i < memory_runs; ++i)); do
    /usr/bin/time -f %M -a -o "$out/form.rss" "$form"
    /usr/bin/time -f %M -a -o "$out/floor.rss" "$floor"
done
form_kib=$(median <"$out/form.rss")
floor_kib=$(median <"$out/floor.rss")

echo "start-up to the first paint, median of $((rounds * runs)) runs each (all times: $out/startup.json)"
echo "  form   $form_ms ms"
echo "  floor  $floor_ms ms"
echo "  ratio  $(ratio "$form_ms" "$floor_ms") (goal: at most 1.25)"
if [ -n "${BEFORE:-}" ]; then
    before_ms=$(times before | median | awk '{ printf "%.2f", $1 * 1000 }')
    echo "  before $before_ms ms ($BEFORE), ratio to the floor $(ratio "$before_ms" "$floor_ms"); now / before $(ratio "$form_ms" "$before_ms")"
fi
echo "peak memory (max RSS), median of $memory_runs runs each"
echo "  form   $form_kib KiB"
echo "  floor  $floor_kib KiB"
echo "  ratio  $(ratio "$form_kib" "$floor_kib") (goal: at most 1.2)"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
