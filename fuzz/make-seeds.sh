#!/usr/bin/env bash
# Writes the fuzzers' seed corpus into the folder given: camera-like JPEGs of every kind the
# decoders take (4:2:0, 4:2:2, 4:4:4, grey, progressive, restart markers, turned by EXIF,
# CMYK) and damaged ones (cut short, cut short with an end marker, bytes flipped mid-scan).
# Needs ImageMagick (with its HEIF support) and libjpeg-turbo-progs.
set -euo pipefail
out=${1:?folder}
mkdir -p "$out"
convert -size 320x240 plasma:fractal -quality 90 -sampling-factor 2x2 "$out/420.jpg"
convert -size 300x200 plasma:fractal -quality 85 -sampling-factor 2x1 "$out/422.jpg"
convert -size 200x150 plasma:fractal -quality 95 -sampling-factor 1x1 "$out/444.jpg"
convert -size 257x129 plasma:fractal -colorspace Gray -quality 80 "$out/grey.jpg"
convert -size 160x120 plasma:fractal -colorspace CMYK -quality 80 "$out/cmyk.jpg"
jpegtran -progressive "$out/420.jpg" > "$out/progressive.jpg"
jpegtran -restart 1 "$out/420.jpg" > "$out/restarts.jpg"
convert "$out/420.jpg" -orient RightTop "$out/turned.jpg"
size=$(stat -c %s "$out/420.jpg")
head -c $((size / 2)) "$out/420.jpg" > "$out/truncated.jpg"
{ head -c $((size * 6 / 10)) "$out/420.jpg"; printf '\xff\xd9'; } > "$out/ends-early.jpg"
cp "$out/restarts.jpg" "$out/flipped.jpg"
printf '\x5a\x5a\x5a\x5a\x5a\x5a\x5a\x5a' | dd of="$out/flipped.jpg" bs=1 seek=$((size * 2 / 3)) conv=notrunc status=none
# HEIF: a phone-like HEIC, an AVIF, and a HEIC cut short.
convert -size 96x64 plasma:fractal -quality 80 "$out/photo.heic"
convert -size 96x64 plasma:fractal -quality 80 "$out/picture.avif"
heic_size=$(stat -c %s "$out/photo.heic")
head -c $((heic_size / 2)) "$out/photo.heic" > "$out/truncated.heic"
