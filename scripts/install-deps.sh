#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test, fuzz,
# package and screenshot both programs. Safe to run again: apt-get runs only
# when a package is missing.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build pkg-config clang clang-format libclang-rt-14-dev
  # Qt 6: Widgets, PrintSupport, Test (qt6-base-dev), Charts, platform plugins
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-qpa-plugins libqt6svg6 libgl-dev libxkbcommon-dev
  # lock-key state on X11 comes from XKB in libX11
  libx11-dev
  # tests and benchmarks
  libgtest-dev libbenchmark-dev valgrind
  # real-window checks and screenshots
  xvfb xauth xdotool imagemagick x11-utils
  # Cyrillic glyphs for the Russian texts
  fonts-dejavu-core
  # packaging and desktop-entry checks
  dpkg-dev file desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
