#!/usr/bin/env bash
# Takes the pictures of docs/screenshots: the main window on the demo player, the device details and the
# settings window, drawn by the real window system under Xvfb with the Japanese fonts.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-deps.sh"
cd "$here"
cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target tst_gui_screenshots tst_gui_screenshots_pim
xvfb-run -a -s "-screen 0 1280x1024x24" \
  env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 SORVO_DRIVES= SORVO_SCREENSHOT_DIR="$here/docs/screenshots" \
  ./build/dev/tests/tst_gui_screenshots
cmake --build --preset dev -j2 --target tst_gui_screenshots_songs && xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 SORVO_DRIVES= SORVO_SCREENSHOT_DIR="$here/docs/screenshots" ./build/dev/tests/tst_gui_screenshots_songs
cmake --build --preset dev -j2 --target tst_gui_screenshots_media && xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 SORVO_DRIVES= SORVO_SCREENSHOT_DIR="$here/docs/screenshots" ./build/dev/tests/tst_gui_screenshots_media
cmake --build --preset dev -j2 --target tst_gui_screenshots_notes && xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 SORVO_DRIVES= SORVO_SCREENSHOT_DIR="$here/docs/screenshots" ./build/dev/tests/tst_gui_screenshots_notes
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 SORVO_DRIVES= SORVO_SCREENSHOT_DIR="$here/docs/screenshots" ./build/dev/tests/tst_gui_screenshots_pim
cmake --build --preset dev -j2 --target tst_gui_screenshots tst_gui_screenshots_news
xvfb-run -a -s "-screen 0 1280x1024x24" \
  env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 SORVO_DRIVES= SORVO_SCREENSHOT_DIR="$here/docs/screenshots" \
  ./build/dev/tests/tst_gui_screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" \
  env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 SORVO_DRIVES= SORVO_SCREENSHOT_DIR="$here/docs/screenshots" \
  ./build/dev/tests/tst_gui_screenshots_news
ls "$here/docs/screenshots"
