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
# Pages: a PDF with a filled square, a line and text, an SVG drawing, and the PDF cut short.
python3 - "$out/page.pdf" <<'PDF'
import sys
content = b"1 0 0 rg 0 78 16 12 re f 0 0 1 RG 0 90 m 120 0 l S BT /F1 12 Tf 10 40 Td (Words) Tj ET"
objects = [b"<</Type/Catalog/Pages 2 0 R>>", b"<</Type/Pages/Kids[3 0 R]/Count 1>>",
           b"<</Type/Page/Parent 2 0 R/MediaBox[0 0 120 90]/Contents 4 0 R/Resources<</Font<</F1 5 0 R>>>>>>",
           b"<</Length %d>>stream\n" % len(content) + content + b"\nendstream",
           b"<</Type/Font/Subtype/Type1/BaseFont/Helvetica>>"]
pdf, offsets = b"%PDF-1.4\n", []
for number, body in enumerate(objects, 1):
    offsets.append(len(pdf))
    pdf += b"%d 0 obj\n" % number + body + b"\nendobj\n"
xref = len(pdf)
pdf += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
pdf += b"".join(b"%010d 00000 n \n" % offset for offset in offsets)
pdf += b"trailer\n<</Size %d/Root 1 0 R>>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
open(sys.argv[1], "wb").write(pdf)
PDF
printf '<svg xmlns="http://www.w3.org/2000/svg" width="80" height="60"><rect width="10" height="8" fill="red"/><line x1="0" y1="0" x2="80" y2="60" stroke="green"/><text x="5" y="40">Words</text></svg>' > "$out/drawing.svg"
pdf_size=$(stat -c %s "$out/page.pdf")
head -c $((pdf_size / 2)) "$out/page.pdf" > "$out/truncated.pdf"
