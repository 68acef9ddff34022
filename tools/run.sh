#!/usr/bin/env bash
# Installs what is needed, builds the program and the sample site, starts the
# site on loopback, points this user's Tickerwatch at it, and starts the
# program. Without a display it runs itself again under a virtual one (Xvfb,
# which the installed packages bring), so the same command works anywhere.
#   SAMPLESITE_PORT  the port to try first (8088); a taken port gives a free one
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${TW_RUN_UNDER_XVFB:-}" ]; then
  bash tools/deps.sh
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display; running on a virtual one (xvfb-run)" >&2
    TW_RUN_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash tools/run.sh "$@"
  fi
fi

# Only what the run needs; the test programs are built by tools/test.sh.
bash tools/build.sh tickerwatch samplesite

work=$(mktemp -d)
site=""
app=""
cleanup() {
  for pid in $app $site; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# Starts the site on port $1 and waits (10 s at most) for its "LISTENING"
# line; fails when the site gives up, as it does on a port that is taken.
# The site points the settings at itself only once it listens.
start_site() {
  : >"$work/out"
  ./build/tools/samplesite/samplesite --port "$1" --point-user-here >"$work/out" 2>"$work/err" &
  site=$!
  for _ in $(seq 100); do
    if grep -q '^LISTENING ' "$work/out"; then
      return 0
    fi
    if ! kill -0 "$site" 2>/dev/null; then
      wait "$site" 2>/dev/null || true
      site=""
      return 1
    fi
    sleep 0.1
  done
  kill "$site" 2>/dev/null || true
  wait "$site" 2>/dev/null || true
  site=""
  return 1
}

want=${SAMPLESITE_PORT:-8088}
if ! start_site "$want"; then
  echo "run.sh: the sample site cannot use port $want ($(head -c 300 "$work/err")); taking a free port" >&2
  if ! start_site 0; then
    echo "run.sh: the sample site did not start:" >&2
    cat "$work/err" >&2
    exit 1
  fi
fi
port=$(sed -n 's/^LISTENING //p' "$work/out")
echo "run.sh: sample site listening on 127.0.0.1:$port; Tickerwatch fetches every site from there" >&2

# In the background, so a stop signal reaches the clean-up at once.
./build/tickerwatch &
app=$!
status=0
wait "$app" || status=$?
app=""
exit "$status"
