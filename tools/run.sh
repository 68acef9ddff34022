#!/usr/bin/env bash
# Installs what is needed, builds, starts the sample site on loopback, points
# this user's Tickerwatch at it, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/build.sh
port=${SAMPLESITE_PORT:-8088}
./build/tools/samplesite/samplesite --port "$port" --point-user-here &
site=$!
trap 'kill $site 2>/dev/null || true' EXIT
sleep 0.5
./build/tickerwatch
