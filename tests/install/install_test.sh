#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs both installed programs from there on the demo
# player: they must find the model data and the manual of that prefix. The command line also runs from
# the tree moved elsewhere. The window part needs Xvfb (exit 77, skipped, without it).
# Usage: install_test.sh BUILD_DIR MAKE_DEMO_PLAYER
set -euo pipefail
build=$1
make_demo=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/sorvo bin/sorvo-cli libexec/sorvo/sorvo-cli-full share/sorvo/Velmor.MCD share/sorvo/manual/index.html \
         share/sorvo/manual/en/index.html share/applications/sorvo.desktop share/man/man1/sorvo-cli.1 \
         share/icons/hicolor/16x16/apps/sorvo.png share/icons/hicolor/48x48/apps/sorvo.png \
         share/icons/hicolor/256x256/apps/sorvo.png; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
# Every picture and page the Japanese and English manuals link to is installed beside them.
for page in "$prefix"/share/sorvo/manual/index.html "$prefix"/share/sorvo/manual/en/index.html; do
  while read -r ref; do
    [ -e "$(dirname "$page")/$ref" ] || fail "${page#"$prefix"/} links to $ref, which is not installed"
  done < <(grep -oE '(src|href)="[^"#:]+"' "$page" | sed -E 's/^[a-z]+="(.*)"$/\1/')
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/sorvo.desktop" | grep -v ': hint: ' && fail "desktop file" || true
fi

"$make_demo" "$tmp/player" >/dev/null
settings=$tmp/Velmor.INI
printf '[Copyright]\r\nCopyright=1\r\n' >"$settings"
cd "$tmp" # nothing of the build tree around

[ -e "$prefix/bin/sorvo-cli-full" ] && fail "the full command set is in bin/"

# One command of each kind: the scan is sorvo-cli's own; the device record is the full command set's,
# which sorvo-cli becomes. Both find the model data and each other from their own place, so the
# same runs are made again with the tree moved elsewhere.
cli_runs() { # PREFIX
  local info scan
  info=$("$1/bin/sorvo-cli" info --drive "$tmp/player" --settings "$settings") || fail "sorvo-cli info in $1"
  echo "$info"
  echo "$info" | grep -q '不明な種類' && fail "sorvo-cli did not find the model data in $1"
  echo "$info" | grep -q 'iPod' || fail "sorvo-cli did not recognise the demo player"
  scan=$("$1/bin/sorvo-cli" scan --drive "$tmp/player" --music-folder iPod_Control/Music --json)
  echo "$scan" | grep -q '"location": "iPod_Control:Music:' || fail "sorvo-cli scan in $1: $scan"
}
cli_runs "$prefix"
moved=$tmp/moved
mv "$prefix" "$moved"
cli_runs "$moved"
# Without --settings the full command set uses the settings file beside the programs, as the window does.
"$moved/bin/sorvo-cli" news add Feed https://example.org/index.rdf >/dev/null || fail "sorvo-cli news add"
[ -f "$moved/bin/Velmor.INI" ] || fail "the settings file is not beside the programs"
rm -f "$moved"/bin/Velmor.INI*
mv "$moved" "$prefix"

# sorvo-cli without its full command set fails and says so.
cached() { sed -n "s/^$1:PATH=//p" "$build/CMakeCache.txt"; }
configured=$(cached CMAKE_INSTALL_PREFIX)/$(cached CMAKE_INSTALL_LIBEXECDIR)/sorvo/sorvo-cli-full
if [ ! -e "$configured" ]; then
  mkdir "$tmp/alone"
  cp "$prefix/bin/sorvo-cli" "$tmp/alone/"
  status=0
  err=$("$tmp/alone/sorvo-cli" info --drive "$tmp/player" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 1 ] && echo "$err" | grep -q sorvo-cli-full || fail "sorvo-cli alone: exit $status, $err"
fi

if ! command -v xvfb-run >/dev/null; then
  echo "SKIP: no Xvfb for the window"
  exit 77
fi
mkdir -m 700 "$tmp/run"
check=$(timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" \
  env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$tmp/run" SORVO_DRIVES= \
  "$prefix/bin/sorvo" --drive "$tmp/player" --settings "$settings" --self-check) || fail "sorvo --self-check: $check"
echo "$check"
echo "$check" | grep -qx 'ページ: iPod' || fail "the window does not show the player page"
echo "$check" | grep -q '^プレーヤー: 見つかりません' && fail "the window did not recognise the player"
echo "$check" | grep -qx "モデルデータ: $prefix/share/sorvo/Velmor.MCD" || fail "the window's model data"
echo "$check" | grep -qx "マニュアル: $prefix/share/sorvo/manual/index.html" || fail "the window's manual"

# The window in the build tree finds the manual beside it.
check=$(timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" \
  env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$tmp/run" SORVO_DRIVES= \
  "$build/src/gui/sorvo" --drive "$tmp/player" --settings "$settings" --self-check) || fail "build tree: $check"
echo "$check" | grep -qx "マニュアル: $build/src/gui/manual/index.html" || fail "the build tree's manual: $check"
echo "PASS"
