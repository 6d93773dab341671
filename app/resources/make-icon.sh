#!/usr/bin/env bash
# Draws the program icon, a phone whose modules drop out (a downward arrow), at every size Windows asks
# for, and combines the sizes into trimlode.ico (32-bit colour with alpha). Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The picture on a 256-pixel grid; each size scales it, so small sizes stay sharp instead of being shrunk.
picture() {
    local size=$1 details=$2
    local f
    f=$(awk -v s="$size" 'BEGIN { printf "%.6f", s / 256 }')
    local mvg="scale $f,$f
stroke none
fill #1d2b4f roundrectangle 52,8 172,244 22,22
fill #9ec9f0 roundrectangle 66,30 158,118 8,8
fill #2f4476 roundrectangle 66,132 158,228 10,10"
    if [ "$details" = yes ]; then
        local row col
        for row in 0 1 2 3; do
            for col in 0 1 2 3; do
                mvg+="
fill #c8d6ee roundrectangle $((74 + col * 21)),$((140 + row * 22)) $((88 + col * 21)),$((152 + row * 22)) 3,3"
            done
        done
    fi
    mvg+="
fill #ffffff stroke #ffffff stroke-width 1 circle 204,150 204,104
fill #e8701a stroke none polygon 186,110 222,110 222,150 244,150 204,196 164,150 186,150"
    convert -size "${size}x${size}" xc:none -draw "$mvg" "PNG32:$work/icon-$size.png"
}

sizes=(16 24 32 48 64 128 256)
files=()
for size in "${sizes[@]}"; do
    if [ "$size" -ge 32 ]; then picture "$size" yes; else picture "$size" no; fi
    files+=("$work/icon-$size.png")
done
convert "${files[@]}" trimlode.ico
