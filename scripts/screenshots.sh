#!/usr/bin/env bash
# Takes the pictures of docs/screenshots (Japanese) and docs/screenshots/en (English): the windows on the
# demo player, drawn by the real window system under Xvfb with the fonts the scripts install.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-deps.sh"
cd "$here"
cmake --preset dev >/dev/null
tests=(tst_gui_screenshots tst_gui_screenshots_songs tst_gui_screenshots_media tst_gui_screenshots_notes
       tst_gui_screenshots_pim tst_gui_screenshots_news)
cmake --build --preset dev -j2 --target "${tests[@]}"
for lang in ja en; do
  folder="$here/docs/screenshots"
  [ "$lang" = ja ] || folder="$folder/$lang"
  for t in "${tests[@]}"; do
    xvfb-run -a -s "-screen 0 1280x1024x24" \
      env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 SORVO_DRIVES= SORVO_TEST_LANG="$lang" SORVO_SCREENSHOT_DIR="$folder" \
      "./build/dev/tests/$t"
  done
done
ls "$here/docs/screenshots" "$here/docs/screenshots/en"
