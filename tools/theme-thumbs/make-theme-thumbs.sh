#!/bin/sh
# Renders one short video per installed theme with pictovia-render and keeps a frame of it as
# the theme's thumbnail, both the installed one and the compiled-in one.
# Usage: make-theme-thumbs.sh PICTOVIA_RENDER THEME_SHEETS SOURCE_DIR [THEME_ID...]
set -eu

render=$1
sheets=$2
source_dir=$3
shift 3
ids=${*:-"1 2 3 4 5 6 7 8"}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# The photo-like pictures of the contact sheets, painted in code: nothing from outside the repository.
"$sheets" --photos "$work/photos" >/dev/null
set -- "$work"/photos/*.jpg
[ $# -ge 6 ] || { echo "no sample photos" >&2; exit 1; }

for id in $ids; do
    thumb_installed="$source_dir/data/templates/$id/thumb.jpg"
    thumb_bundled="$source_dir/src/assets/images/templates/$id/thumb.jpg"
    [ -f "$source_dir/data/templates/$id/template.xml" ] || { echo "theme $id: no template, skipped" >&2; continue; }
    # Keep the size of the existing thumbnail, so the screens that show it need no change.
    size=$(ffprobe -v error -select_streams v:0 -show_entries stream=width,height -of csv=s=x:p=0 \
        "$thumb_installed" 2>/dev/null || echo 320x180)
    # Seven photos of 3 s play the themes' scenes of four, two and one photos in turn.
    "$render" --quality 0 --theme "$id" --duration 3 --background "#1d2330" "$@" "$1" \
        -o "$work/theme$id.mp4" >/dev/null 2>"$work/log" || { cat "$work/log" >&2; exit 1; }
    # The second photo of the four-photo scene at rest, with whatever the theme shows beside it
    # (neighbours on a ring or a drum, the stream, the far layer, a tilt, a frame).
    ffmpeg -v error -y -ss 4.5 -i "$work/theme$id.mp4" -frames:v 1 -vf "scale=$(echo "$size" | tr x :)" \
        -q:v 3 "$work/thumb$id.jpg"
    mkdir -p "$(dirname "$thumb_bundled")"
    cp "$work/thumb$id.jpg" "$thumb_installed"
    cp "$work/thumb$id.jpg" "$thumb_bundled"
    echo "theme $id: $thumb_installed ($size)"
done
