#!/bin/sh
# Retakes the screenshots in docs/screenshots (1300x900 and 1000x600) under a virtual display.
# Usage: tools/screenshots/take.sh [build-dir] [lang]
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
lang=${2:-}
out=$root/docs/screenshots${lang:+/$lang}
cd "$build/bin"
# The language's own glyph shapes where scripts share characters (Japanese kanji, Chinese hanzi):
# the font fallback follows the locale.
if [ -n "$lang" ]; then
  export LANG="$lang.UTF-8" LC_ALL=
fi
for size in 1300x900 1000x600; do
  xvfb-run -a -s "-screen 0 1400x1000x24" ./pictovia-screenshots "$out/$size" --size "$size" ${lang:+--lang "$lang"}
done
