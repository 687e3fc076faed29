#!/usr/bin/env bash
# Fuzzes the number text (ParseNumber, FaultOf, the quoting, NumberToText) with libFuzzer.
#
#   fuzz/run.sh [seconds]      default 60
#
# Installs clang and its libFuzzer runtime when missing, configures a clang
# build of its own in build-fuzz/, builds fuzz_numtext and runs it for the
# given time over a copy of fuzz/corpus/ (the committed seeds are only read).
# Exits non-zero when the fuzzer finds a crash; the input that caused it is
# kept in build-fuzz/fuzz-artifacts/.
set -euo pipefail

seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: fuzz/run.sh [seconds]   (a whole number of seconds, default 60)" >&2
    exit 2
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=build-fuzz

# What the clang build needs on a fresh Debian machine.
debs=(clang libclang-rt-14-dev cmake make pkg-config qt6-base-dev coinor-libclp-dev)
missing=()
for p in "${debs[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' \
        || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" = 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -DMSWEIGHT_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target fuzz_numtext -j"$(nproc)"

# New inputs go to the first corpus folder, a copy; the seeds are read only.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$build/fuzz-artifacts"
cp -R fuzz/corpus/. "$work/corpus/"

status=0
"$build/fuzz/fuzz_numtext" "$work/corpus" fuzz/corpus \
    -dict=fuzz/numtext.dict \
    -max_len=4096 \
    -max_total_time="$seconds" \
    -timeout=30 \
    -rss_limit_mb=4096 \
    -artifact_prefix="$build/fuzz-artifacts/" \
    -print_final_stats=1 \
    || status=$?

if [ "$status" -ne 0 ]; then
    echo "fuzz_numtext found a problem (exit $status); the input is in $build/fuzz-artifacts/." >&2
    echo "Replay it with: $build/fuzz/fuzz_numtext $build/fuzz-artifacts/<file>" >&2
    exit "$status"
fi
echo "fuzz_numtext: no problem found in $seconds s."
