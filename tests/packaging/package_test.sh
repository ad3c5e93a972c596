#!/usr/bin/env bash
# Installs the built tree into a temporary prefix and packages it as a .deb,
# then checks what a desktop, a software centre and a package manager will
# see: the desktop entry, window class, icon and metainfo agree, the
# AppStream catalog lists the program with its icon, and lintian finds no
# error in the package.
set -euo pipefail

build_dir=$1
for tool in cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli lintian; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
program_pid=
cleanup() {
  [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# The desktop id is whatever the build named the desktop entry.
desktop_entry=$(basename "$(ls "$build_dir"/packaging/*.desktop)")
app_id=${desktop_entry%.desktop}
expected_files=(
  bin/tolvani
  lib/tolvani/tolvani
  lib/tolvani/Complete.dic
  share/applications/$desktop_entry
  share/metainfo/$app_id.metainfo.xml
  share/icons/hicolor/scalable/apps/$app_id.svg
  share/doc/tolvani/copyright
  share/doc/tolvani/changelog.gz
  share/man/man1/tolvani.1.gz
)
icon_sizes=(16 22 24 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
  expected_files+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done

# 1. cmake --install lays the program and its dictionary side by side.
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for file in "${expected_files[@]}"; do
  [[ -e $prefix/$file ]] || fail "installed tree lacks $file"
done
[[ -L $prefix/bin/tolvani ]] || fail "bin/tolvani is not a link"
[[ $(readlink "$prefix/bin/tolvani") == ../lib/tolvani/tolvani ]] || fail "bin/tolvani points elsewhere"
cmp -s "$prefix/lib/tolvani/Complete.dic" "$(dirname "$0")/../../data/Complete.dic" \
  || fail "installed dictionary differs from data/Complete.dic"

# The launcher in bin must find the dictionary beside the real program: a
# failed start would print its error report.
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work "$prefix/bin/tolvani" 2>"$work/stderr" &
program_pid=$!
# Loaded means it has read as many bytes as the dictionary holds; the
# toolkit itself reads far less (fonts and libraries are mapped).
dictionary_size=$(stat -c %s "$prefix/lib/tolvani/Complete.dic")
read_bytes=0
for _ in {1..100}; do
  read_bytes=$(awk '$1 == "rchar:" { print $2 }' "/proc/$program_pid/io" 2>/dev/null || echo 0)
  (( ${read_bytes:-0} >= dictionary_size )) && break
  sleep 0.1
done
(( ${read_bytes:-0} >= dictionary_size )) \
  || fail "the installed program read $read_bytes of the dictionary's $dictionary_size bytes: $(cat "$work/stderr")"
# Then it settles in its event loop, its main thread asleep in poll(), or
# reports what went wrong.
for _ in {1..100}; do
  kill -0 "$program_pid" 2>/dev/null || break
  [[ $(cat "/proc/$program_pid/wchan" 2>/dev/null) == *poll* ]] && break
  sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended: $(cat "$work/stderr")"
if grep -q '^Error ' "$work/stderr"; then fail "the installed program reported: $(cat "$work/stderr")"; fi
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true; program_pid=

# Each icon is the size its folder says.
for size in "${icon_sizes[@]}"; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  # Width and height are the big-endian words at bytes 16 and 20.
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" \
    | awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')
  [[ $width == "$size" && $height == "$size" ]] || fail "$size px icon is $width x $height"
done

# 2. The desktop entry and the AppStream metainfo validate and agree: the
# launcher starts bin/tolvani, whose windows carry the class StartupWMClass
# names, and every id is the desktop entry's name.
desktop=$prefix/share/applications/$desktop_entry
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop"
appstreamcli validate --no-net --pedantic "$metainfo"
grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo has no screenshot"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[[ $(entry Exec) == tolvani ]] || fail "the launcher runs '$(entry Exec)'"
[[ $(entry StartupWMClass) == tolvani ]] || fail "StartupWMClass is '$(entry StartupWMClass)'"
[[ $(entry Icon) == "$app_id" ]] || fail "the launcher's icon is '$(entry Icon)'"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$desktop_entry</launchable>" "$metainfo" \
  || fail "metainfo does not launch $desktop_entry"
# The program sets the same name as its desktop file name.
grep -q -a -F "$app_id" "$prefix/lib/tolvani/tolvani" || fail "the program does not name $app_id"
version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")
[[ $version == "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")" ]] \
  || fail "metainfo release $version is not the project's version"

# A software centre's catalog lists the program with an icon.
appstreamcli compose --no-net --prefix=/ --origin=tolvani --result-root="$work/compose" \
  "$prefix" >"$work/compose.log" 2>&1 || { cat "$work/compose.log"; fail "appstreamcli compose failed"; }
catalog=$(ls "$work"/compose/share/swcatalog/xml/tolvani.xml.gz 2>/dev/null || true)
[[ -n $catalog ]] || { cat "$work/compose.log"; fail "compose wrote no catalog"; }
zcat "$catalog" >"$work/catalog.xml"
grep -q "<id>$app_id</id>" "$work/catalog.xml" || { cat "$work/compose.log"; fail "the catalog lacks $app_id"; }
grep -q '<icon type="cached"' "$work/catalog.xml" || { cat "$work/compose.log"; fail "the catalog entry has no icon"; }

# 3. The Debian package holds the same files and depends on runtime packages only.
cpack -G DEB -B "$work/package" --config "$build_dir/CPackConfig.cmake" >/dev/null
deb=$(ls "$work"/package/tolvani_*.deb)
listing=$(dpkg-deb -c "$deb")
for file in "${expected_files[@]}"; do
  grep -q " \./usr/$file\( \|$\)" <<<"$listing" || fail "package lacks /usr/$file"
done
grep -q '\./usr/bin/tolvani -> \.\./lib/tolvani/tolvani' <<<"$listing" || fail "package launcher link is wrong"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
  grep -q "$needed" <<<"$depends" || fail "package does not depend on $needed: $depends"
done
if grep -q -- '-dev\b' <<<"$depends"; then fail "package depends on development packages: $depends"; fi

# A description beyond the summary line, a changelog and a copyright file
# naming both licences.
[[ $(dpkg-deb -f "$deb" Description | wc -l) -gt 2 ]] || fail "the package has no extended description"
dpkg-deb -x "$deb" "$work/unpacked"
copyright=$work/unpacked/usr/share/doc/tolvani/copyright
for licence in GPL-3.0-or-later GPL-2.0-or-later; do
  grep -q "^License: $licence\$" "$copyright" || fail "copyright has no $licence paragraph"
done
zcat "$work/unpacked/usr/share/doc/tolvani/changelog.gz" | head -n 1 \
  | grep -q "^tolvani ($(dpkg-deb -f "$deb" Version)) " || fail "the changelog does not start with this version"

# Without dpkg-shlibdeps, or with one that misses the Qt libraries, cpack
# fails, says why and leaves no package behind.
expect_refused() {
  local name=$1 reason=$2
  shift 2
  if "$@" -G DEB -B "$work/$name" --config "$build_dir/CPackConfig.cmake" >"$work/$name.log" 2>&1; then
    fail "cpack made a package $name"
  fi
  # Joined, as cmake wraps its messages.
  grep -q -F "$reason" <(tr -s ' \n' ' ' <"$work/$name.log") || { cat "$work/$name.log"; fail "cpack $name did not say why"; }
  [[ -z $(find "$work/$name" -name '*.deb' 2>/dev/null) ]] || fail "cpack left a package $name"
}
cpack=$(command -v cpack)
mkdir "$work/file-only" "$work/stub"
ln -s "$(command -v file)" "$work/file-only/file"
printf '#!/bin/sh\necho shlibs:Depends=libc6\n' >"$work/stub/dpkg-shlibdeps"
chmod +x "$work/stub/dpkg-shlibdeps"
# Only PATH, not the system folders cpack searches besides it.
expect_refused without-shlibdeps 'missing here: dpkg-shlibdeps (from the package dpkg-dev)' \
  env PATH="$work/file-only" "$cpack" -D CMAKE_FIND_USE_CMAKE_SYSTEM_PATH=OFF
expect_refused without-qt-libraries 'lacks libqt6core6, libqt6gui6, libqt6widgets6' \
  env PATH="$work/stub:$PATH" "$cpack"

lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
if grep -q '^E: ' "$work/lintian.log"; then
  cat "$work/lintian.log" >&2
  fail "lintian reports errors"
fi
echo "lintian: $(grep -c '^W: ' "$work/lintian.log" || true) warnings"
grep '^W: ' "$work/lintian.log" || true

echo "package: $(basename "$deb"); depends: $depends"
