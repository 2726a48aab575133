#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Small pictures of every format the loader reads, as seeds for its fuzzer:
# baseline, progressive, greyscale and CMYK JPEGs, one with an orientation mark,
# and PNG, GIF, BMP, TIFF, WebP and ICO files.
set -euo pipefail
out="$1"
mkdir -p "$out"
src="$out/seed-source.png"
convert -size 48x32 gradient:red-blue "$src"
convert "$src" -quality 80 "$out/seed-baseline.jpg"
convert "$src" -interlace JPEG "$out/seed-progressive.jpg"
convert "$src" -colorspace Gray "$out/seed-grey.jpg"
convert "$src" -colorspace CMYK "$out/seed-cmyk.jpg"
convert "$src" -orient RightTop "$out/seed-oriented.jpg"
for format in png gif bmp tiff webp ico; do convert "$src" "$out/seed.$format"; done
rm -f "$src"
