#!/usr/bin/env bash
# Configures and builds into build/ (Release-with-debug-info, Ninja, ccache):
# everything, or only the targets named as arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
if ! cmake --build build --parallel "$(nproc)" "${targets[@]}"; then
  # An existing build folder can miss the moc output of a newly added
  # Q_OBJECT file; regenerate it once and try again.
  find build -maxdepth 3 -type d -name '*_autogen' -exec rm -rf {} +
  cmake --build build --parallel "$(nproc)" "${targets[@]}"
fi
