#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang++-14, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each over its seed corpus in
# fuzz/corpus/<target> and then for a fixed number of generated inputs.
#
#   tools/dev/fuzz.sh            20,000 inputs per target (what ./test runs)
#   tools/dev/fuzz.sh 1000000    a longer run: that many inputs per target
#   tools/dev/fuzz.sh 0          only the seed corpora (regression inputs)
#
# New inputs go to build/fuzz/corpus/<target> (never into the repository);
# a crash leaves its input as build/fuzz/crash-* and ends with exit 1.
set -euo pipefail
cd "$(dirname "$0")/../.."

runs="${1:-20000}"
if ! [[ "$runs" =~ ^[0-9]+$ ]]; then
  echo "usage: tools/dev/fuzz.sh [runs per target]" >&2
  exit 2
fi

export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-time_macros,include_file_mtime,include_file_ctime}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"${PEKTO_JOBS:-2}"

# Target and the longest input it is given (an employee file is 1465 lines;
# longer seeds, such as a whole year file, are cut to this length).
targets=(employee_files:8192 system_file:4096 wage_types:4096 rc_script:4096 json_lines:4096
         history_files:8192 settings_files:4096 http_response:4096 update_archive:8192)
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
status=0
for entry in "${targets[@]}"; do
  target="${entry%%:*}"
  max_len="${entry##*:}"
  work="build/fuzz/corpus/$target"
  mkdir -p "$work"
  start=$SECONDS
  if ! "build/fuzz/fuzz/${target}_fuzzer" -runs="$runs" -max_len="$max_len" -seed=1 -timeout=25 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="build/fuzz/crash-$target-" \
       "$work" "fuzz/corpus/$target" >"build/fuzz/$target.log" 2>&1; then
    echo "fuzz: $target FAILED (see build/fuzz/$target.log)" >&2
    tail -n 40 "build/fuzz/$target.log" >&2
    status=1
    continue
  fi
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "build/fuzz/$target.log" | tail -n 1)
  echo "fuzz: $target ok, ${executed:-?} inputs in $((SECONDS - start)) s"
done
exit $status
