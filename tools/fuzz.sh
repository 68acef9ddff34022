#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (and the address and
# undefined-behaviour sanitizers) into build-fuzz, then runs them.
#   tools/fuzz.sh --smoke          every target for 20 s (CI)
#   tools/fuzz.sh TARGET SECONDS   one target, longer
#   tools/fuzz.sh --build          build only
# Corpora grow in build-fuzz/corpus; the checked-in seeds stay as they are.
# A crash leaves its input in build-fuzz/crashes and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq clang libclang-rt-dev
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_FUZZ=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"
[ "${1:-}" = "--build" ] && exit 0

targets=()
for t in fuzz/fuzz_*.cpp; do targets+=("$(basename "$t" .cpp)"); done

export QT_QPA_PLATFORM=offscreen
# The allocator keeps freed memory during a run: its release to the system
# can stall a busy machine long enough to look like a hang.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:allocator_release_to_os_interval_ms=-1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

run() { # target seconds
  local t=$1 secs=$2
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/crashes/$t"
  local seeds=()
  [ -d "fuzz/seeds/$t" ] && seeds=("fuzz/seeds/$t")
  echo "== $t: ${secs}s"
  local log="build-fuzz/$t.log" rc=0
  # A generous limit per input: only a real hang fails, not a busy machine.
  "build-fuzz/fuzz/$t" "build-fuzz/corpus/$t" "${seeds[@]}" -max_total_time="$secs" -timeout=60 \
    -rss_limit_mb=2048 -max_len=65536 -artifact_prefix="build-fuzz/crashes/$t/" -print_final_stats=1 \
    >"$log" 2>&1 || rc=$?
  grep -E '^(stat::number_of_executed_units|==[0-9]+==|SUMMARY|fuzz check|INFO: seed corpus)' "$log" || true
  if [ "$rc" -ne 0 ]; then
    echo "!! $t failed (exit $rc); its input is in build-fuzz/crashes/$t"
    tail -40 "$log"
  fi
  return "$rc"
}

if [ "${1:-}" = "--smoke" ]; then
  failed=0
  for t in "${targets[@]}"; do run "$t" 20 || failed=1; done
  exit $failed
fi
[ $# -eq 2 ] || { echo "usage: tools/fuzz.sh --smoke | --build | TARGET SECONDS" >&2; exit 2; }
run "$1" "$2"
