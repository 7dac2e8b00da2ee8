#!/usr/bin/env bash
# Turns the sticker drawings (icone-NN.svg) into the GIF files the program loads from IMG/.
# A developer's tool (needs ImageMagick's convert); the GIFs it makes are kept in the repository
# so that building the program does not need it. Run it after changing a drawing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$here")
size=22
for svg in "$here"/icone-0[1-9].svg; do
    name=$(basename "$svg" .svg)
    # Drawn four times larger and scaled down for smooth edges; GIF keeps one transparent
    # colour only, so each pixel is then made either fully opaque or fully transparent.
    convert -background none -density 384 "$svg" -resize "${size}x${size}" \
        -channel A -threshold 50% +channel -strip "$out/$name.gif"
    echo "$out/$name.gif"
done
