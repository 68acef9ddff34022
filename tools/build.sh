#!/usr/bin/env bash
# Configures and builds (Release-with-debug-info, Ninja, ccache): everything,
# or only the targets named as arguments. TW_BUILD_DIR names the folder
# (default build) and TW_CMAKE_ARGS adds configure options, as the
# sanitizer build does. TW_JOBS caps the parallel compile jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${TW_BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TW_CMAKE_ARGS:-} >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
if ! cmake --build "$dir" --parallel "${TW_JOBS:-$(nproc)}" "${targets[@]}"; then
  # An existing build folder can miss the moc output of a newly added
  # Q_OBJECT file; regenerate it once and try again.
  find "$dir" -maxdepth 3 -type d -name '*_autogen' -exec rm -rf {} +
  cmake --build "$dir" --parallel "${TW_JOBS:-$(nproc)}" "${targets[@]}"
fi
