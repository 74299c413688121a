#!/usr/bin/env bash
# Installs both programs into a staging folder, validates their desktop
# entries, builds the Debian packages and checks what they hold.
#   .ci/package-check.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?usage: package-check.sh BUILD_DIR}")
stage=$build/stage
rm -rf "$stage" "$build/packages"

fail() { echo "package-check: FAIL: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr
for app in velmar kestrun; do
  for f in usr/bin/$app usr/share/applications/$app.desktop \
           usr/share/icons/hicolor/scalable/apps/$app.svg \
           usr/share/icons/hicolor/48x48/apps/$app.png; do
    [ -e "$stage/$f" ] || fail "cmake --install did not put /$f in place"
  done
  desktop-file-validate "$stage/usr/share/applications/$app.desktop" ||
    fail "$app.desktop does not validate"
done
echo "package-check: ok: install tree and desktop entries"

(cd "$build" && cpack -G DEB -B "$PWD/packages" >/dev/null)
for app in velmar kestrun; do
  deb=$(ls "$build"/packages/${app}_*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || fail "no Debian package for $app"
  contents=$(dpkg-deb -c "$deb")
  info=$(dpkg-deb -I "$deb")
  for f in ./usr/bin/$app ./usr/share/applications/$app.desktop \
           ./usr/share/icons/hicolor/scalable/apps/$app.svg; do
    grep -qF " $f" <<<"$contents" || fail "$deb lacks $f"
  done
  grep -q "^ Package: $app$" <<<"$info" || fail "$deb is not named $app"
  grep -q "^ Version: 1.0.0.1$" <<<"$info" || fail "$deb has the wrong version"
  # Library dependencies come from the binary itself.
  for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -q "^ Depends:.*$lib" <<<"$info" || fail "$deb does not depend on $lib"
  done
  echo "package-check: ok: $(basename "$deb")"
done
grep -q "libqt6charts6" <<<"$(dpkg-deb -I "$build"/packages/kestrun_*.deb)" ||
  fail "kestrun's package does not depend on libqt6charts6"
grep -q "libqt6printsupport6" <<<"$(dpkg-deb -I "$build"/packages/velmar_*.deb)" ||
  fail "velmar's package does not depend on libqt6printsupport6"
echo "package-check: 2 passed, 0 failed"
