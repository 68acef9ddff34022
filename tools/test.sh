#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --no-tests=error --parallel "$(nproc)" --timeout 300
