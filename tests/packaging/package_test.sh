#!/usr/bin/env bash
# Builds the Debian packages with CPack, checks their control fields and lintian's verdict, unpacks
# them into a temporary root and checks what a desktop installation needs: the file layout, the
# desktop entry and metainfo (validators), the unpacked console starting on the offscreen platform
# with a fresh module on its unpacked emulator (and on another build of the library put first on
# LD_LIBRARY_PATH), and a C program built against the unpacked development package.
#
# Environment (set by CTest): CPACK, CPACK_CONFIG, VERSION, APP_ID, LIBDIR (multiarch library
# folder), PROBE_DIR (folder of another build of libtillcore.so.1), SELL_ITEM_SOURCE.
set -euo pipefail
unset LD_LIBRARY_PATH TILLCORE_DB TILLCORE_TRACE

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

tmp="$(mktemp -d)"
console_pid=""
cleanup() {
  [ -n "$console_pid" ] && kill "$console_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# 1. The packages.
"$CPACK" -G DEB --config "$CPACK_CONFIG" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 || {
  cat "$tmp/cpack.log"
  exit 1
}
arch="$(dpkg --print-architecture)"
console_deb="$tmp/out/tillmate_${VERSION}_${arch}.deb"
dev_deb="$tmp/out/tillmate-dev_${VERSION}_${arch}.deb"
for deb in "$console_deb" "$dev_deb"; do
  [ -f "$deb" ] || {
    echo "FAIL: no package $deb; cpack wrote: $(ls "$tmp/out")"
    exit 1
  }
done

# 2. Control fields: package, field, pattern its value must match.
while read -r deb field pattern; do
  value="$(dpkg-deb --field "$deb" "$field")"
  [[ "$value" =~ $pattern ]] || fail "$(basename "$deb") $field is '$value', expected /$pattern/"
done <<FIELDS
$console_deb Package ^tillmate$
$console_deb Version ^${VERSION//./\\.}$
$console_deb Section ^utils$
$console_deb Priority ^optional$
$console_deb Maintainer ^Dravik\ Engineering\ SIA\ <support@tillmate\.example>$
$console_deb Depends (^|\ )libqt6widgets6(\ |,|$)
$console_deb Depends (^|\ )libsqlite3-0(\ |,|$)
$console_deb Depends (^|\ )zlib1g(\ |,|$)
$console_deb Description ^service\ console\ for\ Quenta\ fiscal\ modules
$dev_deb Package ^tillmate-dev$
$dev_deb Section ^libdevel$
$dev_deb Depends ^tillmate\ \(=\ ${VERSION//./\\.}\)$
$dev_deb Description ^Tillmate\ device\ library\ -\ development\ files
FIELDS

# 3. lintian: no errors (its warnings are printed for the log).
start=$SECONDS
if ! lintian --fail-on error --tag-display-limit 0 "$console_deb" "$dev_deb" >"$tmp/lintian.log" 2>&1; then
  fail "lintian reports errors"
fi
sed 's/^/lintian: /' "$tmp/lintian.log"
echo "lintian took $((SECONDS - start)) s"

# 4. The unpacked files.
root="$tmp/root"
dpkg-deb -x "$console_deb" "$root"
dpkg-deb -x "$dev_deb" "$root"
private="$root/usr/$LIBDIR/tillmate"
for path in usr/bin/tillmate "usr/$LIBDIR/tillmate/libtillcore.so.1" \
  "usr/share/applications/$APP_ID.desktop" "usr/share/metainfo/$APP_ID.metainfo.xml" \
  "usr/share/icons/hicolor/scalable/apps/$APP_ID.svg" usr/share/doc/tillmate/copyright \
  usr/share/doc/tillmate/changelog.gz usr/share/doc/tillmate-dev/copyright usr/include/tillcore.h \
  "usr/$LIBDIR/tillmate/libtillcore.so" "usr/$LIBDIR/pkgconfig/tillcore.pc"; do
  [ -e "$root/$path" ] || fail "missing /$path"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png: $(file -b "$png")"
done
for program in "$root"/usr/bin/*; do
  name="$(basename "$program")"
  [ -f "$root/usr/share/man/man1/$name.1.gz" ] || fail "no man page for $name"
  zcat "$root/usr/share/man/man1/$name.1.gz" | grep -q "^\.TH .*\"[^\"]*$VERSION\"" ||
    fail "man page of $name does not carry version $VERSION"
done
# The library files stay out of the development package's link's way: the link is the only
# development file in the private folder, and the console's package holds the soname file.
[ "$(readlink "$private/libtillcore.so")" = libtillcore.so.1 ] || fail "libtillcore.so does not link to the soname"
dpkg-deb --contents "$console_deb" | grep -q "/libtillcore\.so$" && fail "the console's package holds libtillcore.so"

# 5. Desktop entry and metainfo.
desktop="$root/usr/share/applications/$APP_ID.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$APP_ID.metainfo.xml" || fail "appstreamcli validate"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an unpacked program"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not an unpacked icon"
grep -q "<release version=\"$VERSION\"" "$root/usr/share/metainfo/$APP_ID.metainfo.xml" ||
  fail "metainfo does not name release $VERSION"

# 6. The unpacked console on a fresh module, until its main window has been painted; then which
# libtillcore.so.1 the process mapped. Case: name, LD_LIBRARY_PATH, the library file expected.
window_painted='Drawing QRegion\(0,0 [0-9]+x[0-9]+\) of QWidget\(0x[0-9a-f]+, name="FormMain"\)'
while read -r case library_path expected; do
  [ "$library_path" = - ] && library_path=""
  log="$tmp/console-$case.log"
  QT_QPA_PLATFORM=offscreen TILLCORE_DB=:memory: QT_LOGGING_RULES="qt.widgets.painting=true" \
    LD_LIBRARY_PATH="$library_path" "$root/usr/bin/tillmate" >"$log" 2>&1 &
  console_pid=$!
  shown=0
  for _ in $(seq 300); do
    grep -Eq "$window_painted" "$log" && shown=1 && break
    kill -0 "$console_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ "$shown" = 1 ]; then
    mapped="$(awk '$6 ~ /libtillcore\.so/ {print $6}' "/proc/$console_pid/maps" | sort -u)"
    [ "$mapped" = "$(realpath "$expected")" ] ||
      fail "$case: the console mapped '$mapped', expected $(realpath "$expected")"
    echo "$case: window shown, device library $mapped"
  else
    fail "$case: the console's window was not shown within 30 s"
    grep -v "qt.widgets.painting" "$log" | tail -20
  fi
  kill "$console_pid" 2>/dev/null || true
  wait "$console_pid" 2>/dev/null || true
  console_pid=""
done <<CASES
packaged-emulator - $private/libtillcore.so.1
library-path-first $PROBE_DIR $PROBE_DIR/libtillcore.so.1
CASES

# 7. A C program built against the unpacked development package through pkg-config.
export PKG_CONFIG_PATH="$root/usr/$LIBDIR/pkgconfig"
flags="$(pkg-config --cflags --libs tillcore)"
echo "pkg-config --cflags --libs tillcore: $flags"
[ "$(pkg-config --modversion tillcore)" = "$VERSION" ] || fail "tillcore.pc version is not $VERSION"
# shellcheck disable=SC2086 # the flags are words
cc -std=c11 -Wall -Wextra -Werror "$SELL_ITEM_SOURCE" $flags -o "$tmp/sell_item" || fail "sell_item does not build"
if [ -x "$tmp/sell_item" ]; then
  linked="$(ldd "$tmp/sell_item" | awk '$1 == "libtillcore.so.1" {print $3}')"
  [ "$(realpath "$linked")" = "$(realpath "$private/libtillcore.so.1")" ] ||
    fail "sell_item resolves libtillcore.so.1 to '$linked', not the unpacked emulator"
  output="$(TILLCORE_DB=:memory: "$tmp/sell_item")" || fail "sell_item failed: $output"
  echo "$output"
  for expected in "turnover 14.70" "next receipt 2" "Coffee beans 1 kg"; do
    grep -qF "$expected" <<<"$output" || fail "sell_item did not read back '$expected'"
  done
fi

[ "$failures" -eq 0 ] && echo "packages: all checks passed"
exit $((failures > 0))
