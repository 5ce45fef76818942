#!/bin/sh
# Renders one short video per installed theme with pictovia-render and keeps a frame of it as
# the theme's thumbnail, both the installed one and the compiled-in one.
# Usage: make-theme-thumbs.sh PICTOVIA_RENDER SOURCE_DIR [THEME_ID...]
set -eu

render=$1
source_dir=$2
shift 2
ids=${*:-"1 2 3 4 5 6 7 8"}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# Sample photos, drawn here so the thumbnails depend on nothing outside the repository.
draw() { # name, colours, size
    ffmpeg -v error -y -f lavfi -i "gradients=s=$3:c0=$2:n=2:type=linear:seed=$1" \
        -vf "drawgrid=w=iw/6:h=ih/6:t=3:c=white@0.35" -frames:v 1 "$work/photos/$1.jpg"
}
mkdir -p "$work/photos"
draw 1 "0xe8774a:c1=0x3a2f8f" 1600x1200
draw 2 "0x2f9fd8:c1=0x12354f" 1200x1600
draw 3 "0xf2c14e:c1=0xb3403a" 1600x1000
draw 4 "0x4fb071:c1=0x1b4d3e" 1600x1200
draw 5 "0xd94f8c:c1=0x2b1d4a" 1500x1000
draw 6 "0x5ec8c8:c1=0x173a5c" 1600x1200
draw 7 "0xf29b38:c1=0x6b2a1f" 1200x1600

for id in $ids; do
    thumb_installed="$source_dir/data/templates/$id/thumb.jpg"
    thumb_bundled="$source_dir/src/assets/images/templates/$id/thumb.jpg"
    [ -f "$source_dir/data/templates/$id/template.xml" ] || { echo "theme $id: no template, skipped" >&2; continue; }
    # Keep the size of the existing thumbnail, so the screens that show it need no change.
    size=$(ffprobe -v error -select_streams v:0 -show_entries stream=width,height -of csv=s=x:p=0 \
        "$thumb_installed" 2>/dev/null || echo 320x180)
    # Seven photos of 3 s play the themes' scenes of one, two, one and three photos in turn.
    "$render" --quality 0 --theme "$id" --duration 3 --background "#1d2330" \
        "$work"/photos/1.jpg "$work"/photos/2.jpg "$work"/photos/3.jpg "$work"/photos/4.jpg \
        "$work"/photos/5.jpg "$work"/photos/6.jpg "$work"/photos/7.jpg \
        -o "$work/theme$id.mp4" >/dev/null 2>"$work/log" || { cat "$work/log" >&2; exit 1; }
    # The middle of the three-photo scene: its centre photo in full view, its neighbours beside it.
    ffmpeg -v error -y -ss 16.5 -i "$work/theme$id.mp4" -frames:v 1 -vf "scale=$(echo "$size" | tr x :)" \
        -q:v 3 "$work/thumb$id.jpg"
    mkdir -p "$(dirname "$thumb_bundled")"
    cp "$work/thumb$id.jpg" "$thumb_installed"
    cp "$work/thumb$id.jpg" "$thumb_bundled"
    echo "theme $id: $thumb_installed ($size)"
done
