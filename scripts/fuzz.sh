#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each one on its seed
# corpus for the given number of seconds (default 60). Fails on any finding;
# what a target found is kept in build-fuzz/findings/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
"$here/scripts/deps.sh"
if ! command -v clang++ >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang
fi
dir="$here/build-fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLNEST_FUZZ=ON >/dev/null
cmake --build "$dir"
mkdir -p "$dir/findings"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in document language settings dates; do
  # New inputs go to a scratch folder; the seeds in the repository stay as they are.
  work="$(mktemp -d)"
  log="$dir/fuzz_$target.log"
  echo "fuzz_$target: $seconds s"
  if ! "$dir/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$dir/findings/$target-" "$work" "$here/tests/fuzz/corpus/$target" \
      >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz_$target found a fault; the input is in $dir/findings/" >&2
    exit 1
  fi
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|DONE" "$log" || true
  rm -rf "$work"
done
