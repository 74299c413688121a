#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test, fuzz,
# package and screenshot both programs and to run circscan's examples. Safe
# to run again: apt-get runs only when a package is missing.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build pkg-config clang clang-format libclang-rt-14-dev
  # Qt 6: Widgets, PrintSupport, Test (qt6-base-dev), Charts, Svg, platform plugins
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev qt6-qpa-plugins libqt6svg6 libgl-dev libxkbcommon-dev
  # lock-key state on X11 comes from XKB in libX11
  libx11-dev
  # circscan: parallel loops, command line, JSON, SHA-256 of shard files
  libtbb-dev libcli11-dev nlohmann-json3-dev libssl-dev
  # tests and benchmarks (NetworkX is the scan circscan is measured against)
  libgtest-dev libbenchmark-dev valgrind hyperfine python3-networkx
  # circscan's Python module, built for Debian's python3, and what its tests use
  pybind11-dev python3-dev python3-pytest python3-pandas python3-tqdm
  # the decimal-comma test of AveD needs a Russian locale
  locales
  # real-window checks and screenshots, under a small window manager
  xvfb xauth xdotool imagemagick x11-utils openbox x11-apps
  # another program's window that takes the focus over kestrun in the check
  xterm
  # the desktops of today in the checks: a dark GTK theme that Qt reads, and a
  # Wayland session with XWayland; PIL measures the screenshots' contrast
  qt6-gtk-platformtheme gnome-themes-extra weston xwayland qt6-wayland python3-pil
  # Cyrillic glyphs for the Russian texts
  fonts-dejavu-core
  # Qt's own dialogs and messages in Russian (kestrun loads qtbase_ru.qm)
  qt6-translations-l10n
  # packaging checks: desktop entries, Debian policy, AppStream metadata
  dpkg-dev file desktop-file-utils lintian appstream
  # CI reads the tests' JUnit results for skipped tests
  python3
  # CI runs circscan's sharding examples: a one-node Slurm cluster with munge,
  # started by the check itself beside any system one, and GNU parallel
  slurmctld slurmd slurm-client munge parallel
)

# Generates the Russian locale once; locale-gen rewrites every listed locale,
# so it runs only when ru_RU.UTF-8 is missing.
ensure_locale() {
  if locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    return 0
  fi
  echo "install-deps: generating ru_RU.UTF-8"
  sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
else
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
ensure_locale
