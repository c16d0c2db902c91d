#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
#
# Regenerates resources/images/*.png from the SVG sources in this folder.
# rsvg-convert (Debian package librsvg2-bin) is needed only here: the program
# loads the committed PNGs, so building it never needs this script.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out="$here/../images"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render.sh: rsvg-convert not found; install the Debian package librsvg2-bin" >&2
    exit 1
fi
mkdir -p "$out"

# name source width height [source of the @2x image]
# The 16 pixel program icon is drawn on the pixel grid apart from the full
# one, which turns to mush that small; its @2x image can use the full one.
while read -r name source width height double; do
    case "$name" in ''|'#'*) continue ;; esac
    rsvg-convert -w "$width" -h "$height" -o "$out/$name.png" "$here/$source.svg"
    rsvg-convert -w $((width * 2)) -h $((height * 2)) -o "$out/$name@2x.png" "$here/${double:-$source}.svg"
done <<'TABLE'
glyphory-16   glyphory-small 16  16  glyphory
glyphory-32   glyphory       32  32
glyphory-48   glyphory       48  48
glyphory-128  glyphory       128 128
splash        splash         32  32
close         close          16  16
hand          hand           32  32
search        search         18  17
count         count          16  16
charmap       charmap        48  48
regional      regional       48  48
cut           cut            16  16
copy          copy           16  16
paste         paste          16  16
delete        delete         16  16
undo          undo           16  16
color         color          16  16
clear         clear          16  16
textglyph     textglyph      16  16
installer     installer      48  48
help          help           16  16
welcome       welcome        64  64
minimize      minimize       16  16
exit          exit           16  16
contact       contact        30  30
review        review         30  30
friend        friend         30  30
note          note           14  14
TABLE

# The Windows build embeds the program icon as one .ico file.
if command -v convert >/dev/null 2>&1; then
    convert "$out/glyphory-16.png" "$out/glyphory-32.png" "$out/glyphory-48.png" \
        "$here/../../packaging/glyphory.ico"
else
    echo "render.sh: ImageMagick's convert not found; packaging/glyphory.ico left as it was" >&2
fi
