#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
set -euo pipefail
pkgs=(cmake ninja-build g++ ccache qt6-base-dev qt6-speech-dev qt6-declarative-dev
      qt6-speech-flite-plugin libgl-dev xvfb xauth python3-aiosmtpd
      leafnode socat openbox x11-utils xdg-utils)
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
# The news tests start leafnode themselves; a packaged listener on port 119
# is not wanted where systemd runs.
if command -v systemctl >/dev/null && [ -d /run/systemd/system ]; then
  $SUDO systemctl disable --now leafnode.socket >/dev/null 2>&1 || true
fi
