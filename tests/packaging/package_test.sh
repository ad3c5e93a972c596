#!/usr/bin/env bash
# Installs the built tree into a temporary prefix and packages it as a .deb,
# then checks what a desktop and a package manager will see.
set -euo pipefail

build_dir=$1
for tool in cpack dpkg-deb desktop-file-validate appstreamcli; do
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

expected_files=(
  bin/tolvani
  lib/tolvani/tolvani
  lib/tolvani/Complete.dic
  share/applications/org.example.tolvani.desktop
  share/metainfo/org.example.tolvani.metainfo.xml
  share/icons/hicolor/16x16/apps/org.example.tolvani.png
  share/icons/hicolor/32x32/apps/org.example.tolvani.png
)

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
sleep 1.5
kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended: $(cat "$work/stderr")"
if grep -q '^Error ' "$work/stderr"; then fail "the installed program reported: $(cat "$work/stderr")"; fi
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true; program_pid=

# 2. The desktop entry and the AppStream metainfo validate.
desktop-file-validate "$prefix/share/applications/org.example.tolvani.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.example.tolvani.metainfo.xml"
grep -q '<screenshot type="default">' "$prefix/share/metainfo/org.example.tolvani.metainfo.xml" \
  || fail "metainfo has no screenshot"

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

echo "package: $(basename "$deb"); depends: $depends"
