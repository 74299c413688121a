#!/usr/bin/env bash
# Installs the programs into a staging folder, validates their desktop entries
# and AppStream metadata, builds the Debian packages, checks what they hold
# and has lintian judge them as a Debian reviewer would.
#   .ci/package-check.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?usage: package-check.sh BUILD_DIR}")
stage=$build/stage
rm -rf "$stage" "$build/packages"
version=1.0.0.1-1
passed=0

fail() { echo "package-check: FAIL: $*" >&2; exit 1; }
ok() { echo "package-check: ok: $*"; passed=$((passed + 1)); }

DESTDIR=$stage cmake --install "$build" --prefix /usr
for app in velmar kestrun; do
  for f in usr/bin/$app usr/share/applications/$app.desktop \
           usr/share/icons/hicolor/scalable/apps/$app.svg \
           usr/share/icons/hicolor/48x48/apps/$app.png \
           usr/share/metainfo/io.github.velmar_kestrun.$app.metainfo.xml; do
    [ -e "$stage/$f" ] || fail "cmake --install did not put /$f in place"
  done
  # Hints count too: one of them is a menu entry listed under two categories.
  out=$(desktop-file-validate "$stage/usr/share/applications/$app.desktop" 2>&1) &&
    [ -z "$out" ] || fail "$app.desktop does not validate: $out"
done
ok "install tree and desktop entries"

# Warnings fail as errors do; pedantic remarks are only shown.
appstreamcli validate --no-net --pedantic "$stage"/usr/share/metainfo/*.metainfo.xml ||
  fail "AppStream metadata does not validate"
appstreamcli validate-tree --no-net "$stage" || fail "AppStream metadata and the tree disagree"
ok "AppStream metadata"

(cd "$build" && cpack -G DEB -B "$PWD/packages" >/dev/null)

# The files every package carries, and a man page for every program in it.
check_common() {  # deb package contents info
  local f bin
  grep -q "^ Package: $2$" <<<"$4" || fail "$1 is not named $2"
  grep -q "^ Version: $version$" <<<"$4" || fail "$1 has the wrong version"
  grep -q "^ Maintainer: [^<]*[^ <] <[^>]*@[^>]*>$" <<<"$4" || fail "$1 has no named maintainer"
  grep -q "^ Section: science$" <<<"$4" || fail "$1 has the wrong section"
  grep -q "^ Priority: optional$" <<<"$4" || fail "$1 has no priority"
  for f in ./usr/share/doc/$2/copyright ./usr/share/doc/$2/changelog.Debian.gz; do
    grep -qF " $f" <<<"$3" || fail "$1 lacks $f"
  done
  for bin in $(awk '$6 ~ "^\\./usr/bin/." { sub("^\\./usr/bin/", "", $6); print $6 }' <<<"$3"); do
    grep -qF " ./usr/share/man/man1/$bin.1.gz" <<<"$3" || fail "$1 has no man page for $bin"
  done
}

for app in velmar kestrun; do
  deb=$(ls "$build"/packages/${app}_*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || fail "no Debian package for $app"
  contents=$(dpkg-deb -c "$deb")
  info=$(dpkg-deb -I "$deb")
  check_common "$deb" "$app" "$contents" "$info"
  for f in ./usr/bin/$app ./usr/share/applications/$app.desktop \
           ./usr/share/icons/hicolor/scalable/apps/$app.svg \
           ./usr/share/metainfo/io.github.velmar_kestrun.$app.metainfo.xml; do
    grep -qF " $f" <<<"$contents" || fail "$deb lacks $f"
  done
  # Library dependencies come from the binary itself.
  for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -q "^ Depends:.*$lib" <<<"$info" || fail "$deb does not depend on $lib"
  done
  ok "$(basename "$deb")"
done
grep -q "libqt6charts6" <<<"$(dpkg-deb -I "$build"/packages/kestrun_*.deb)" ||
  fail "kestrun's package does not depend on libqt6charts6"
# Read at run time for Qt's own dialogs, so no library link shows it.
grep -q "qt6-translations-l10n" <<<"$(dpkg-deb -I "$build"/packages/kestrun_*.deb)" ||
  fail "kestrun's package does not depend on qt6-translations-l10n"
grep -q "libqt6printsupport6" <<<"$(dpkg-deb -I "$build"/packages/velmar_*.deb)" ||
  fail "velmar's package does not depend on libqt6printsupport6"

# The command-line scanner is packaged once its program is part of the build.
deb=$(ls "$build"/packages/circscan_*.deb 2>/dev/null | head -n 1) || true
if [ -n "$deb" ]; then
  contents=$(dpkg-deb -c "$deb")
  info=$(dpkg-deb -I "$deb")
  check_common "$deb" circscan "$contents" "$info"
  grep -qF " ./usr/bin/circscan" <<<"$contents" || fail "$deb lacks /usr/bin/circscan"
  # Shard files and checkpoints carry SHA-256 digests from OpenSSL's libcrypto.
  grep -q "^ Depends:.*libssl3" <<<"$info" || fail "$deb does not depend on libssl3"
  ! grep -qE " \./usr/share/(applications|icons|metainfo)/." <<<"$contents" ||
    fail "$deb carries a menu entry, icons or metadata"
  ok "$(basename "$deb")"
fi

# The Python module is packaged once it is part of the build: the extension
# and the Python files in Debian's Python path, nothing else.
python_dir=./usr/lib/python3/dist-packages/circscan
python_deb=$(ls "$build"/packages/python3-circscan_*.deb 2>/dev/null | head -n 1) || true
if [ -n "$python_deb" ]; then
  deb=$python_deb
  contents=$(dpkg-deb -c "$deb")
  info=$(dpkg-deb -I "$deb")
  check_common "$deb" python3-circscan "$contents" "$info"
  grep -qE " $python_dir/_circscan\.cpython-[^/]*\.so$" <<<"$contents" ||
    fail "$deb lacks the compiled module"
  grep -qF " $python_dir/__init__.py" <<<"$contents" || fail "$deb lacks $python_dir/__init__.py"
  ! grep -qE " \./usr/(bin|share/(applications|icons|metainfo|man))/." <<<"$contents" ||
    fail "$deb carries programs, menu entries or man pages"
  for dep in "python3 (>= 3" "python3 (<< 3" libtbb libstdc++6; do
    grep -qF "$dep" <<<"$(grep "^ Depends:" <<<"$info")" || fail "$deb does not depend on $dep"
  done
  ok "$(basename "$deb")"
fi

# Warnings fail as errors do; an override is allowed only with a comment
# saying why, and each package installs its overrides for lintian to read.
lintian --profile debian --fail-on error,warning --display-level '>=info' \
  "$build"/packages/*.deb 2> >(grep -v 'root privileges' >&2) ||
  fail "lintian finds errors or warnings"
for deb in "$build"/packages/*.deb; do
  name=$(dpkg-deb -f "$deb" Package)
  overrides=$(dpkg-deb --fsys-tarfile "$deb" |
    tar -xOf - "./usr/share/lintian/overrides/$name" 2>/dev/null) || continue
  awk '/^#/ { why = 1; next } /^[[:space:]]*$/ { why = 0; next } !why { exit 1 }' \
    <<<"$overrides" || fail "$name has a lintian override without a comment saying why"
done
ok "lintian: no error, no warning"

# The Python module installs, imports with Debian's own python3 from outside
# the build (as a user would, writing its compiled files), and is removed
# without leaving a file behind.
if [ -n "$python_deb" ]; then
  dpkg-query -W -f='${Status}' python3-circscan 2>/dev/null | grep -q 'install ok installed' &&
    fail "python3-circscan is installed already; remove it before the check"
  dpkg -i "$python_deb" >/dev/null || fail "$(basename "$python_deb") does not install"
  out=$(cd / && env -u PYTHONPATH /usr/bin/python3 -c \
    'import circscan; print(circscan.best(n=range(5, 11), k=2)[-1].generators)' 2>&1) || true
  dpkg --purge python3-circscan >/dev/null || fail "python3-circscan does not remove"
  [ "$out" = "(1, 4)" ] || fail "the installed module answers '$out' instead of (1, 4)"
  [ ! -e "${python_dir#.}" ] || fail "removing python3-circscan leaves ${python_dir#.} behind"
  ok "python3-circscan installs, imports with /usr/bin/python3 and removes cleanly"
fi
echo "package-check: $passed passed, 0 failed"
