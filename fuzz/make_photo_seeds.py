#!/usr/bin/python3
"""Writes seed inputs for LoadPhotoFuzzer and LoadThumbnailFuzzer: small
pictures in every format Kolvira may open, each behind the two bytes the
targets read first (the file name's extension, the thumbnail width).

Usage: make_photo_seeds.py OUTDIR   (created when missing)

Deterministic: the pictures come from fixed seeds. Needs PIL (python3-pil).
"""
import io
import os
import struct
import sys

# The hostile corpus's picture makers: one landscape and one way to write a
# header claiming a size, for the tests and the fuzzers alike.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "corpus"))
from make_hostile_corpus import (encoded, icon_dib, icon_file, jpeg_claiming,  # noqa: E402
                                 photo as landscape, png_file)

# The extension list of fuzz/PhotoFuzzInput.cpp, in its order: the first
# byte of an input is an index into it ("" is the bare /proc/self/fd/N path).
EXTENSIONS = ["", "jpg", "png", "bmp", "gif", "tif", "ico", "cur", "tga",
              "wbmp", "pgm", "xbm", "xpm", "webp", "icns", "svg", "mng"]

# Thumbnail widths chosen by the second byte: 20 + byte % 181.
SMALL_WIDTH, LARGE_WIDTH = 0, 180


def photo(width, height, seed, mode="RGB"):
    """The corpus's small landscape, in `mode`."""
    return landscape((width, height), seed).convert(mode)


def exif_segment(orientation, thumbnail=b""):
    """An APP1 EXIF segment: IFD0 with the orientation, and IFD1 pointing at
    an embedded JPEG thumbnail when one is given."""
    def ifd(entries, next_offset):
        data = struct.pack("<H", len(entries))
        for tag, kind, count, value in entries:
            data += struct.pack("<HHII", tag, kind, count, value)
        return data + struct.pack("<I", next_offset)

    ifd0_offset = 8
    ifd0_size = 2 + 12 + 4
    ifd1_offset = ifd0_offset + ifd0_size if thumbnail else 0
    tiff = b"II*\x00" + struct.pack("<I", ifd0_offset)
    tiff += ifd([(0x0112, 3, 1, orientation)], ifd1_offset)
    if thumbnail:
        ifd1_size = 2 + 3 * 12 + 4
        thumb_offset = ifd1_offset + ifd1_size
        tiff += ifd([(0x0103, 3, 1, 6),  # compression: JPEG
                     (0x0201, 4, 1, thumb_offset), (0x0202, 4, 1, len(thumbnail))], 0)
        tiff += thumbnail
    payload = b"Exif\x00\x00" + tiff
    return b"\xff\xe1" + struct.pack(">H", len(payload) + 2) + payload


def with_exif(jpeg, orientation, thumbnail=b""):
    """`jpeg` with an EXIF segment right after its SOI marker."""
    return jpeg[:2] + exif_segment(orientation, thumbnail) + jpeg[2:]


def wbmp(image):
    """A WBMP (type 0): width and height as multi-byte integers, 1 bit per pixel."""
    mono = image.convert("1")
    width, height = mono.size
    data = bytes([0, 0, width, height])  # both below 128: one byte each
    pixels = mono.load()
    for y in range(height):
        row = 0
        bits = 0
        line = b""
        for x in range(width):
            row = (row << 1) | (1 if pixels[x, y] else 0)
            bits += 1
            if bits == 8:
                line += bytes([row])
                row, bits = 0, 0
        if bits:
            line += bytes([row << (8 - bits)])
        data += line
    return data


def png_claiming(size):
    """A PNG whose header claims `size` over a few bytes of data."""
    return png_file(size, 8, 2, bytes(64))


def icns(image):
    """An ICNS file holding one 16 x 16 PNG entry ("icp4"); PIL's own writer
    stores every size up to 1024 pixels."""
    png = encoded(image.resize((16, 16)), "PNG")
    entry = b"icp4" + struct.pack(">I", 8 + len(png)) + png
    return b"icns" + struct.pack(">I", 8 + len(entry)) + entry


XPM = b"""/* XPM */
static char * small_xpm[] = {
"4 3 3 1",
"  c #000000",
". c #FF0000",
"+ c None",
" .+ ",
".+ .",
"+ .+"};
"""

SVG = (b'<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30">'
       b'<rect width="40" height="30" fill="#3050a0"/>'
       b'<circle cx="20" cy="15" r="10" fill="yellow"/></svg>')


def seeds():
    """(name, extension, thumbnail width byte, content) for every seed."""
    base = photo(48, 36, 1)
    yield "jpeg-baseline", "", SMALL_WIDTH, encoded(base, "JPEG", quality=80)
    yield "jpeg-progressive", "", LARGE_WIDTH, encoded(base, "JPEG", quality=60, progressive=True)
    yield "jpeg-grey", "jpg", SMALL_WIDTH, encoded(base.convert("L"), "JPEG", quality=70)
    yield "jpeg-cmyk", "", SMALL_WIDTH, encoded(base.convert("CMYK"), "JPEG", quality=70)
    yield "jpeg-420", "", 10, encoded(photo(33, 17, 2), "JPEG", quality=50, subsampling=2)
    wide = photo(64, 48, 3)
    thumb = encoded(photo(40, 30, 3), "JPEG", quality=50)
    yield "jpeg-exif-thumb", "", SMALL_WIDTH, with_exif(encoded(wide, "JPEG", quality=40), 1, thumb)
    tall_thumb = encoded(photo(30, 40, 4), "JPEG", quality=50)
    yield ("jpeg-exif-6-thumb", "", SMALL_WIDTH,
           with_exif(encoded(photo(64, 48, 4), "JPEG", quality=40), 6, tall_thumb))
    for orientation in (3, 5, 8):
        yield (f"jpeg-exif-{orientation}", "", LARGE_WIDTH,
               with_exif(encoded(photo(30, 20, orientation), "JPEG", quality=60), orientation))
    yield "png-rgb", "", SMALL_WIDTH, encoded(base, "PNG")
    yield "png-rgba", "", SMALL_WIDTH, encoded(photo(24, 16, 5, "RGBA"), "PNG")
    yield "png-palette", "", SMALL_WIDTH, encoded(base.convert("P"), "PNG", transparency=3)
    yield "png-grey", "png", SMALL_WIDTH, encoded(base.convert("L"), "PNG")
    yield "png-16bit", "", SMALL_WIDTH, encoded(photo(20, 12, 6, "L").point(lambda v: v * 257, "I"), "PNG")
    yield "png-interlaced", "", SMALL_WIDTH, encoded(photo(20, 12, 7), "PNG", interlace=1)
    yield "png-1x300", "", SMALL_WIDTH, encoded(photo(1, 300, 8), "PNG")
    yield "png-300x1", "", LARGE_WIDTH, encoded(photo(300, 1, 9), "PNG")
    yield "bmp-24", "", SMALL_WIDTH, encoded(photo(20, 15, 10), "BMP")
    yield "bmp-8", "bmp", SMALL_WIDTH, encoded(photo(20, 15, 11).convert("P"), "BMP")
    yield "bmp-1", "", SMALL_WIDTH, encoded(photo(20, 15, 12).convert("1"), "BMP")
    yield "gif", "", SMALL_WIDTH, encoded(photo(20, 15, 13).convert("P"), "GIF")
    frames = [photo(12, 9, 20 + i).convert("P") for i in range(3)]
    animated = io.BytesIO()
    frames[0].save(animated, "GIF", save_all=True, append_images=frames[1:], duration=50, loop=0)
    yield "gif-animated", "gif", SMALL_WIDTH, animated.getvalue()
    yield "tiff-raw", "", SMALL_WIDTH, encoded(photo(16, 12, 14), "TIFF")
    yield "tiff-lzw", "tif", SMALL_WIDTH, encoded(photo(16, 12, 15, "RGBA"), "TIFF",
                                                    compression="tiff_lzw")
    icon = photo(32, 32, 16, "RGBA")
    yield "ico", "ico", SMALL_WIDTH, encoded(icon, "ICO", sizes=[(16, 16), (32, 32)])
    yield "cur", "cur", SMALL_WIDTH, icon_file(2, [(16, 16, 1, 2, icon_dib(icon.resize((16, 16))))])
    yield "tga", "tga", SMALL_WIDTH, encoded(photo(10, 8, 17), "TGA")
    yield "tga-rle", "tga", SMALL_WIDTH, encoded(photo(10, 8, 18), "TGA", compression="tga_rle")
    yield "wbmp", "wbmp", SMALL_WIDTH, wbmp(photo(20, 10, 19))
    yield "pgm", "", SMALL_WIDTH, encoded(photo(10, 8, 20, "L"), "PPM")
    yield "ppm", "pgm", SMALL_WIDTH, encoded(photo(10, 8, 21), "PPM")
    yield "xbm", "xbm", SMALL_WIDTH, encoded(photo(16, 8, 22, "1"), "XBM")
    yield "xpm", "xpm", SMALL_WIDTH, XPM
    yield "webp-lossy", "", SMALL_WIDTH, encoded(photo(20, 14, 23), "WEBP", quality=50)
    yield "webp-lossless", "webp", SMALL_WIDTH, encoded(photo(20, 14, 24, "RGBA"), "WEBP",
                                                        lossless=True)
    yield "icns", "icns", SMALL_WIDTH, icns(photo(16, 16, 25, "RGBA"))
    yield "svg", "svg", SMALL_WIDTH, SVG
    # Headers claiming sizes just under and far over the pixel limit.
    yield "png-claims-14000x14000", "", SMALL_WIDTH, png_claiming((14000, 14000))
    yield "png-claims-30000x20000", "", SMALL_WIDTH, png_claiming((30000, 20000))
    yield "jpeg-claims-14000x14000", "", LARGE_WIDTH, jpeg_claiming((14000, 14000), progressive=False)
    yield "jpeg-claims-30000x20000", "", SMALL_WIDTH, jpeg_claiming((30000, 20000), progressive=False)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_photo_seeds.py OUTDIR")
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name, extension, width_byte, content in seeds():
        header = bytes([EXTENSIONS.index(extension), width_byte])
        with open(os.path.join(outdir, f"seed-{name}"), "wb") as out:
            out.write(header + content)


if __name__ == "__main__":
    main()
