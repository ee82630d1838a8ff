#!/usr/bin/env bash
# Sets Lerno up on Debian 12: installs missing packages, builds, then either starts
# Lerno from its program folder or runs the whole test suite.
#   bash tools/setup.sh start   -> install into ~/Lerno (or $LERNO_HOME), add the menu entry
#                                  (tools/desktop_eintrag.sh) and start it
#   bash tools/setup.sh test    -> build and run all tests with ctest
set -euo pipefail

modus=${1:-}
case "$modus" in
  start|test) ;;
  *) echo "Aufruf: bash tools/setup.sh start|test" >&2; exit 2 ;;
esac

quelle=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Each command keeps its own build folder (both Release; test adds the tests and
# benchmarks), so running one after the other rebuilds only what changed. The test build
# carries no debug info: it compiles a third faster, and the sanitizer build (-g1) is the
# one that names lines in its reports.
if [ "$modus" = start ]; then
  build=${LERNO_BUILD_START:-$quelle/build-start}
else
  build=${LERNO_BUILD:-$quelle/build}
fi

pakete=(cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev fonts-liberation2)
pakete+=(qt6-translations-l10n)
# HTML character references in imported word lists: libxml2's entity table.
pakete+=(libxml2-dev)
# Speaking the words: speech-dispatcher's client library and, at run time,
# speech-dispatcher with espeak-ng behind it.
pakete+=(libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng)
if [ "$modus" = test ]; then
  pakete+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool x11-xserver-utils)
  pakete+=(kdeedu-kvtml-data poppler-utils)
  pakete+=(imagemagick tesseract-ocr tesseract-ocr-deu)
  pakete+=(desktop-file-utils pulseaudio pulseaudio-utils)
  # The screen-reader test: a private session bus, the AT-SPI registry and its Python reader.
  pakete+=(dbus-x11 at-spi2-core python3-pyatspi)
fi

source "$quelle/tools/pakete.sh"
pakete_installieren "${pakete[@]}"

jobs=$(nproc 2>/dev/null || echo 2)
if [ "$modus" = start ]; then
  cmake -S "$quelle" -B "$build" -DCMAKE_BUILD_TYPE=Release -DLERNO_BUILD_TESTS=OFF -DLERNO_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" --target lerno -j"$jobs"

  # The program folder lives outside the build tree, so a clean rebuild keeps the lists.
  ziel=${LERNO_HOME:-$HOME/Lerno}
  cmake --install "$build" --prefix "$ziel" --component Unspecified >/dev/null
  cmake --install "$build" --prefix "$ziel" --component assets >/dev/null
  # The demo list only goes in before the first start; afterwards it lives in Vokabeln.
  [ -d "$ziel/Vokabeln" ] || cmake --install "$build" --prefix "$ziel" --component demo >/dev/null
  ziel=$(cd "$ziel" && pwd)
  echo "Programmordner: $ziel"
  bash "$quelle/tools/desktop_eintrag.sh" "$ziel"

  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Lerno ist in $ziel installiert, kann aber ohne grafische Oberfläche (DISPLAY) nicht starten." >&2
    exit 1
  fi
  cd "$ziel"
  exec "$ziel/lerno"
fi

cmake -S "$quelle" -B "$build" -DCMAKE_BUILD_TYPE=Release -DLERNO_BUILD_TESTS=ON -DLERNO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j"$jobs"
