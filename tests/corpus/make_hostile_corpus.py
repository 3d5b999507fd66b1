#!/usr/bin/python3
"""Writes a corpus of hostile and odd picture files for Kolvira's tests.

    /usr/bin/python3 tests/corpus/make_hostile_corpus.py OUTDIR
    /usr/bin/python3 tests/corpus/make_hostile_corpus.py --every-format OUTDIR [WIDTH HEIGHT]

OUTDIR is created if missing and must be empty. Everything is generated here
with fixed seeds (standard library and PIL only), so the same PIL and zlib give
the same bytes on every run.

    OUTDIR/images/<category>/...  regular files, one folder per category
    OUTDIR/special/               a folder to scan: FIFOs, link loops, a
                                  sparse 2 GiB file, names that are not UTF-8
    OUTDIR/manifest.tsv           what each file is and what a loader must do
"""
import io
import os
import random
import struct
import sys
import zlib

from PIL import Image, ImageDraw, ImageOps

PHOTO_SIZE = (640, 480)
HUGE_SIZE = (30000, 20000)
BOMB_BYTES = 200 * 2**20
SPARSE_BYTES = 2 * 2**30

MANIFEST_HEADER = """\
# Kolvira's hostile picture corpus: one line per entry under images/ and special/.
# Columns are separated by tabs:
#   path      relative to this file's folder; the name's bytes are written as
#             printable ASCII, with \\\\ for a backslash, \\n for a newline and
#             \\xNN for every other byte below 0x20 or above 0x7e (tab, UTF-8,
#             invalid UTF-8)
#   category  the folder under images/, or "special"
#   expect    load    a valid picture that must open; width and height are its
#                     upright size, after the EXIF orientation is applied
#             refuse  must not open (empty, text, sizes past the limits, not a
#                     regular file, larger than the file-size cap)
#             either  damaged or odd: may open, whole or in part, or be refused,
#                     but never hang or crash; width and height are the size
#                     the undamaged picture had
#   width, height   "-" where there is no size to expect
#   note      for special/: scan=yes or scan=no first, whether a folder scan
#             lists the entry (a name not starting with '.', a picture
#             extension, a regular file once links are followed)
"""
COLUMNS = ("path", "category", "expect", "width", "height", "note")


# ---------------------------------------------------------------------------
# Pictures to start from


def photo(size, seed):
    """A landscape-like RGB picture: smooth sky, hills, many small shapes and
    grain, so encoders produce realistic sizes and every cut lands in detail."""
    rng = random.Random(seed)
    w, h = size
    sky = Image.linear_gradient("L").resize((w, h))
    img = ImageOps.colorize(sky, (30, 80, 190), (250, 225, 180))
    draw = ImageDraw.Draw(img)
    sun = (rng.uniform(0.1, 0.9) * w, rng.uniform(0.05, 0.3) * h, max(3, w // 12))
    draw.ellipse((sun[0] - sun[2], sun[1] - sun[2], sun[0] + sun[2], sun[1] + sun[2]),
                 fill=(255, 240, 160))
    for layer in range(3):
        base = h * (0.5 + 0.12 * layer)
        ridge = [(0, h)] + [(x, base + rng.uniform(-0.1, 0.1) * h)
                            for x in range(0, w + 40, max(1, w // 16))] + [(w, h)]
        shade = 60 + 40 * layer
        draw.polygon(ridge, fill=(shade // 2, shade + rng.randrange(40), shade // 3))
    for _ in range(w * h // 2000 + 4):
        x, y = rng.uniform(0, w), rng.uniform(0.45 * h, h)
        r = rng.uniform(1, max(2, w / 40))
        colour = (rng.randrange(20, 120), rng.randrange(60, 180), rng.randrange(10, 90))
        draw.ellipse((x - r, y - 2 * r, x + r, y), fill=colour)
    for _ in range(w * h // 500 + 4):
        x, y = rng.uniform(0, w), rng.uniform(0.55 * h, h)
        draw.line((x, y, x + rng.uniform(-3, 3), y - rng.uniform(2, 9)),
                  fill=(rng.randrange(40, 200), rng.randrange(100, 230), rng.randrange(60)))
    grain = Image.frombytes("L", (w, h), rng.randbytes(w * h))
    return Image.blend(img, Image.merge("RGB", (grain, grain, grain)), 0.12)


def encoded(img, fmt, **options):
    out = io.BytesIO()
    img.save(out, fmt, **options)
    return out.getvalue()


def jpeg(img, **options):
    return encoded(img, "JPEG", quality=options.pop("quality", 90), **options)


# ---------------------------------------------------------------------------
# Pieces of formats written by hand, where PIL cannot write what is needed


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data)))


def png_file(size, depth, colour_type, pixel_data, interlace=0, before_idat=()):
    """A PNG around already filtered scanlines (pixel_data, not yet deflated)."""
    ihdr = struct.pack(">IIBBBBB", size[0], size[1], depth, colour_type, 0, 0, interlace)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr)
            + b"".join(png_chunk(kind, data) for kind, data in before_idat)
            + png_chunk(b"IDAT", zlib.compress(pixel_data, 9)) + png_chunk(b"IEND", b""))


def unfiltered(rows):
    return b"".join(b"\0" + row for row in rows)


def adam7_png(img):
    """An interlaced RGB PNG: the seven Adam7 passes, each a sub-image of its
    own, with empty passes left out as the format requires."""
    w, h = img.size
    pixels = img.tobytes()
    passes = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4),
              (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2))
    data = b""
    for x0, y0, dx, dy in passes:
        if x0 >= w or y0 >= h:
            continue
        rows = []
        for y in range(y0, h, dy):
            rows.append(b"".join(pixels[(y * w + x) * 3:(y * w + x) * 3 + 3]
                                 for x in range(x0, w, dx)))
        data += unfiltered(rows)
    return png_file(img.size, 8, 2, data, interlace=1)


def deflated_zeros(count):
    """count zero bytes deflated at level 9, without holding them all at once."""
    packer = zlib.compressobj(9)
    block = bytes(2**20)
    parts = [packer.compress(block) for _ in range(count // len(block))]
    parts.append(packer.compress(bytes(count % len(block))))
    parts.append(packer.flush())
    return b"".join(parts)


def jpeg_segments(data):
    """Splits a JPEG into its marker segments up to and including the first SOS,
    and the entropy-coded data after it."""
    segments, pos = [data[:2]], 2
    while True:
        marker = data[pos + 1]
        length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
        segments.append(data[pos:pos + 2 + length])
        pos += 2 + length
        if marker == 0xDA:
            return segments, data[pos:]


def jpeg_claiming(size, progressive):
    """A real JPEG's header (DQT, SOF, DHT, SOS) with the frame size replaced,
    then a few bytes of scan data and EOI."""
    small = jpeg(photo((16, 16), 7), progressive=progressive)
    segments, scan = jpeg_segments(small)
    for i, seg in enumerate(segments):
        if seg[1] in (0xC0, 0xC2):
            segments[i] = seg[:5] + struct.pack(">HH", size[1], size[0]) + seg[9:]
    return b"".join(segments) + scan[:24].rstrip(b"\xff") + b"\xff\xd9"


def bmp_claiming(size):
    stride = (size[0] * 3 + 3) // 4 * 4
    image_bytes = stride * size[1]
    header = struct.pack("<2sIHHI", b"BM", 54 + image_bytes, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size[0], size[1], 1, 24, 0, image_bytes,
                       2835, 2835, 0, 0)
    return header + info + bytes(range(256)) * 2


def tiff_claiming(size):
    """A little-endian RGB TIFF with one uncompressed strip said to hold the
    whole picture, followed by only a few bytes of it."""
    short, long_ = 3, 4
    entries = 10
    ifd_end = 8 + 2 + entries * 12 + 4
    bits_at, strip_at = ifd_end, ifd_end + 6

    def entry(tag, kind, count, value):
        if kind == short and count == 1:
            return struct.pack("<HHIHH", tag, kind, count, value, 0)
        return struct.pack("<HHII", tag, kind, count, value)

    ifd = b"".join((
        entry(256, long_, 1, size[0]),                 # ImageWidth
        entry(257, long_, 1, size[1]),                 # ImageLength
        entry(258, short, 3, bits_at),                 # BitsPerSample 8,8,8
        entry(259, short, 1, 1),                       # no compression
        entry(262, short, 1, 2),                       # RGB
        entry(273, long_, 1, strip_at),                # StripOffsets
        entry(277, short, 1, 3),                       # SamplesPerPixel
        entry(278, long_, 1, size[1]),                 # RowsPerStrip
        entry(279, long_, 1, size[0] * size[1] * 3),   # StripByteCounts
        entry(284, short, 1, 1),                       # PlanarConfiguration
    ))
    return (b"II*\0" + struct.pack("<I", 8) + struct.pack("<H", entries) + ifd
            + struct.pack("<I", 0) + struct.pack("<HHH", 8, 8, 8) + bytes(range(256)))


def gif_claiming(size):
    """A GIF whose screen and only image are size, with a two-colour table and
    LZW data holding a single pixel (clear code, 0, end code)."""
    screen = struct.pack("<HHBBB", size[0], size[1], 0x80, 0, 0) + b"\0\0\0\xff\xff\xff"
    descriptor = b"," + struct.pack("<HHHHB", 0, 0, size[0], size[1], 0)
    lzw = b"\x02" + b"\x02\x44\x01" + b"\0"
    return b"GIF89a" + screen + descriptor + lzw + b";"


def icon_file(kind, entries):
    """An ICO (kind 1) or CUR (kind 2). entries are (width, height, field1,
    field2, payload): colour planes and bit count for an icon, the hotspot's x
    and y for a cursor. A size of 256 is stored as 0."""
    directory = struct.pack("<HHH", 0, kind, len(entries))
    offset = len(directory) + 16 * len(entries)
    table, payloads = b"", b""
    for w, h, field1, field2, payload in entries:
        table += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, field1, field2,
                             len(payload), offset + len(payloads))
        payloads += payload
    return directory + table + payloads


def icon_dib(img):
    """A 32-bit icon bitmap: BITMAPINFOHEADER with the height doubled, BGRA rows
    bottom-up, then the 1-bit AND mask (all zero: the alpha channel rules)."""
    rgba = img.convert("RGBA")
    w, h = rgba.size
    r, g, b, a = rgba.split()
    bgra = Image.merge("RGBA", (b, g, r, a)).transpose(Image.Transpose.FLIP_TOP_BOTTOM)
    mask = bytes((w + 31) // 32 * 4 * h)
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, w * h * 4 + len(mask),
                       0, 0, 0, 0)
    return info + bgra.tobytes() + mask


# ---------------------------------------------------------------------------
# The corpus


def escape_name(raw):
    out = []
    for byte in raw:
        if byte == 0x5C:
            out.append("\\\\")
        elif byte == 0x0A:
            out.append("\\n")
        elif 0x20 <= byte <= 0x7E:
            out.append(chr(byte))
        else:
            out.append(f"\\x{byte:02x}")
    return "".join(out)


class Corpus:
    def __init__(self, root):
        self.root = os.fsencode(root)
        self.rows = []

    def record(self, rel, category, expect, size=None, note=""):
        w, h = (str(size[0]), str(size[1])) if size else ("-", "-")
        self.rows.append((os.fsencode(rel), category, expect, w, h, note))

    def path(self, rel):
        full = os.path.join(self.root, os.fsencode(rel))
        os.makedirs(os.path.dirname(full), exist_ok=True)
        return full

    def image(self, category, name, data, expect, size=None, note=""):
        rel = f"images/{category}/{name}"
        with open(self.path(rel), "wb") as f:
            f.write(data)
        self.record(rel, category, expect, size, note)

    def write_manifest(self):
        lines = [MANIFEST_HEADER, "\t".join(COLUMNS) + "\n"]
        for rel, *fields in sorted(self.rows):
            lines.append("\t".join([escape_name(rel)] + fields) + "\n")
        with open(os.path.join(self.root, b"manifest.tsv"), "w", encoding="ascii") as f:
            f.writelines(lines)

    def check_every_entry_recorded(self):
        # Names are only listed, never opened: a FIFO or /dev/zero stays shut.
        found = {os.path.join(b"special", name)
                 for name in os.listdir(os.path.join(self.root, b"special"))}
        for folder, _, files in os.walk(os.path.join(self.root, b"images")):
            found.update(os.path.relpath(os.path.join(folder, name), self.root)
                         for name in files)
        recorded = {row[0] for row in self.rows}
        if found != recorded:
            sys.exit(f"manifest out of step with the files: {sorted(found ^ recorded)}")


def make_empty_and_text(corpus):
    for ext in ("jpg", "png", "bmp", "gif", "tif", "ico"):
        corpus.image("empty", f"empty.{ext}", b"", "refuse", note="0 bytes")
    text = b"These are holiday notes, not a picture.\nDay 1: rain.\nDay 2: sun.\n" * 20
    corpus.image("text", "notes.png", text, "refuse", note="plain text named .png")
    corpus.image("text", "notes.jpg", text, "refuse", note="plain text named .jpg")


def make_truncated(corpus, img):
    full = {
        "jpeg": (jpeg(img), "jpg", "baseline JPEG q90"),
        "png": (encoded(img, "PNG"), "png", "RGB PNG"),
    }
    cuts = [(kind, pct) for kind in full for pct in (1, 30, 50, 99)]
    full["jpeg-progressive"] = (jpeg(img, progressive=True), "jpg", "progressive JPEG q90")
    full["gif"] = (encoded(img.quantize(256), "GIF"), "gif", "palette GIF")
    full["bmp"] = (encoded(img, "BMP"), "bmp", "24-bit BMP")
    cuts += [("jpeg-progressive", 50), ("gif", 50), ("bmp", 50)]
    for kind, pct in cuts:
        data, ext, what = full[kind]
        kept = max(1, len(data) * pct // 100)
        corpus.image("truncated", f"{kind}-{pct}.{ext}", data[:kept], "either", img.size,
                     f"{what} cut to {kept} of {len(data)} bytes")


def flip_bits(data, rng, count, start, end):
    out = bytearray(data)
    for pos in sorted(rng.sample(range(start, end), count)):
        out[pos] ^= 1 << rng.randrange(8)
    return bytes(out)


def make_bitflips(corpus, img):
    rng = random.Random(1009)
    originals = {"jpeg": (jpeg(img), "jpg"), "png": (encoded(img, "PNG"), "png")}
    for kind, (data, ext) in originals.items():
        for variant in range(1, 5):
            corpus.image("bitflips", f"{kind}-flips-{variant}.{ext}",
                         flip_bits(data, rng, 8, 64, len(data)), "either", img.size,
                         "8 bits flipped past byte 64")
    data = originals["jpeg"][0]
    scan_start = len(data) - len(jpeg_segments(data)[1])
    corpus.image("bitflips", "jpeg-header-flips.jpg", flip_bits(data, rng, 8, 2, scan_start),
                 "either", img.size,
                 f"8 bits flipped in the markers between SOI and the scan (byte {scan_start})")


def make_huge(corpus):
    claim = "claims {}x{}".format
    for size in (HUGE_SIZE, (100000, 100000)):
        one_row = unfiltered([bytes(size[0] * 3)])
        corpus.image("huge", f"png-{size[0]}x{size[1]}.png", png_file(size, 8, 2, one_row),
                     "refuse", note=claim(*size) + ", IDAT holds one row")
    corpus.image("huge", "jpeg-baseline.jpg", jpeg_claiming(HUGE_SIZE, False), "refuse",
                 note=claim(*HUGE_SIZE) + " in SOF0, then a few scan bytes")
    corpus.image("huge", "jpeg-progressive.jpg", jpeg_claiming(HUGE_SIZE, True), "refuse",
                 note=claim(*HUGE_SIZE) + " in SOF2, then a few scan bytes")
    corpus.image("huge", "bmp-24bit.bmp", bmp_claiming(HUGE_SIZE), "refuse",
                 note=claim(*HUGE_SIZE) + ", 512 pixel bytes")
    corpus.image("huge", "tiff-one-strip.tif", tiff_claiming(HUGE_SIZE), "refuse",
                 note=claim(*HUGE_SIZE) + " in one strip, 256 bytes of it")
    corpus.image("huge", "gif-65535.gif", gif_claiming((65535, 65535)), "refuse",
                 note=claim(65535, 65535) + " for the screen and the image")
    huge_png = png_file(HUGE_SIZE, 8, 2, unfiltered([bytes(HUGE_SIZE[0] * 3)]))
    corpus.image("huge", "ico-png-payload.ico", icon_file(1, [(256, 256, 1, 32, huge_png)]),
                 "refuse", note="entry says 256x256, its PNG " + claim(*HUGE_SIZE))


def make_bombs(corpus):
    small = photo((16, 16), 11)
    pixels = unfiltered(small.tobytes()[y * 48:(y + 1) * 48] for y in range(16))
    zeros = deflated_zeros(BOMB_BYTES)
    mib = BOMB_BYTES >> 20
    ztxt = (b"zTXt", b"Comment\0\0" + zeros)
    corpus.image("bombs", "png-ztxt.png", png_file((16, 16), 8, 2, pixels, before_idat=[ztxt]),
                 "either", (16, 16), f"zTXt inflates to {mib} MiB of zeros")
    iccp = (b"iCCP", b"ICC profile\0\0" + zeros)
    corpus.image("bombs", "png-iccp.png", png_file((16, 16), 8, 2, pixels, before_idat=[iccp]),
                 "either", (16, 16), f"iCCP inflates to {mib} MiB of zeros")


def make_odd(corpus):
    def load(name, data, size, note=""):
        corpus.image("odd", name, data, "load", size, note)

    load("png-1x1.png", encoded(Image.new("RGB", (1, 1), (200, 30, 30)), "PNG"), (1, 1))
    load("jpeg-1x1.jpg", jpeg(Image.new("RGB", (1, 1), (30, 200, 30))), (1, 1))
    for size in ((1, 20000), (20000, 1)):
        strip = Image.linear_gradient("L").resize(size).convert("RGB")
        load(f"png-{size[0]}x{size[1]}.png", encoded(strip, "PNG"), size)

    w, h = 64, 48
    # Low bytes that differ from the high ones, so keeping only 8 bits shows.
    rgb16 = unfiltered(b"".join(struct.pack(">HHH", x * 1031 + 7, y * 1361 + 3,
                                            (x * y * 17) & 0xFFFF)
                                for x in range(w)) for y in range(h))
    load("png-rgb16.png", png_file((w, h), 16, 2, rgb16), (w, h), "16 bits a channel")
    grey16 = unfiltered(b"".join(struct.pack(">H", (x * 997 + y * 1259) & 0xFFFF)
                                 for x in range(w)) for y in range(h))
    load("png-grey16.png", png_file((w, h), 16, 0, grey16), (w, h), "16-bit grey")

    scene = photo((120, 90), 21)
    palette = scene.quantize(64)
    load("png-palette.png", encoded(palette, "PNG"), scene.size, "64 colours")
    load("png-palette-trns.png", encoded(palette, "PNG", transparency=0), scene.size,
         "palette index 0 transparent")
    load("png-adam7.png", adam7_png(photo((67, 45), 22)), (67, 45), "Adam7 interlaced")

    load("jpeg-cmyk.jpg", jpeg(scene.convert("CMYK")), scene.size, "CMYK")
    load("jpeg-progressive.jpg", jpeg(scene, progressive=True), scene.size)
    load("jpeg-grey.jpg", jpeg(scene.convert("L")), scene.size, "greyscale")

    rgba = scene.convert("RGBA")
    rgba.putalpha(Image.linear_gradient("L").resize(scene.size))
    load("tiff-rgba.tif", encoded(rgba, "TIFF"), scene.size, "alpha from 0 at the top")
    load("tiff-lzw.tif", encoded(scene, "TIFF", compression="tiff_lzw"), scene.size, "LZW")
    load("gif-palette.gif", encoded(palette, "GIF"), scene.size)
    frames = [Image.new("RGB", (80, 60), colour) for colour in ((200, 40, 40), (40, 200, 40),
                                                                (40, 40, 200))]
    for i, frame in enumerate(frames):
        ImageDraw.Draw(frame).rectangle((10 + 20 * i, 10, 30 + 20 * i, 50), fill=(255, 255, 0))
    load("gif-animated.gif", encoded(frames[0], "GIF", save_all=True,
                                     append_images=frames[1:], duration=200, loop=0),
         (80, 60), "3 frames")
    load("bmp-8bit.bmp", encoded(palette, "BMP"), scene.size, "8-bit palette")
    load("bmp-32bit.bmp", encoded(scene.convert("RGBA"), "BMP"), scene.size,
         "32-bit BGRA, opaque")

    # The largest icon comes first, so a reader taking the first entry and one
    # taking the largest agree on the size.
    icon = photo((256, 256), 23)
    entries = [(256, 256, 1, 32, encoded(icon, "PNG"))]
    entries += [(s, s, 1, 32, icon_dib(icon.resize((s, s)))) for s in (48, 32, 16)]
    load("ico-multi.ico", icon_file(1, entries), (256, 256),
         "256 (PNG), 48, 32, 16 (32-bit bitmaps), largest first")
    cursor = photo((32, 32), 24)
    load("cursor.cur", icon_file(2, [(32, 32, 3, 5, icon_dib(cursor))]), (32, 32),
         "one 32x32 bitmap, hotspot 3,5")

    make_exif_orientations(load)


# The turn that makes an orientation's stored pixels from an upright picture:
# the inverse of the one a viewer applies (only 6 and 8 differ from it).
STORING_TURN = {
    2: Image.Transpose.FLIP_LEFT_RIGHT,
    3: Image.Transpose.ROTATE_180,
    4: Image.Transpose.FLIP_TOP_BOTTOM,
    5: Image.Transpose.TRANSPOSE,
    6: Image.Transpose.ROTATE_90,
    7: Image.Transpose.TRANSVERSE,
    8: Image.Transpose.ROTATE_270,
}


def make_exif_orientations(load):
    """Every exif-N.jpg stores 60x40 pixels and shows the same marks once
    turned upright: red at the top left, green at the top right, blue at the
    bottom left, on grey."""
    for orientation in range(1, 9):
        size = (40, 60) if orientation >= 5 else (60, 40)
        upright = Image.new("RGB", size, (128, 128, 128))
        draw = ImageDraw.Draw(upright)
        w, h = size
        draw.rectangle((0, 0, 15, 15), fill=(255, 0, 0))
        draw.rectangle((w - 16, 0, w - 1, 15), fill=(0, 255, 0))
        draw.rectangle((0, h - 16, 15, h - 1), fill=(0, 0, 255))
        stored = upright.transpose(STORING_TURN[orientation]) if orientation > 1 else upright
        exif = Image.Exif()
        exif[0x0112] = orientation
        load(f"exif-{orientation}.jpg", jpeg(stored, exif=exif.tobytes()), size,
             "stored 60x40; upright: red top left, green top right, blue bottom left")


def make_special(corpus):
    def entry(name, expect, scan, size=None, note=""):
        text = f"scan={'yes' if scan else 'no'}" + (f"; {note}" if note else "")
        corpus.record(b"special/" + os.fsencode(name), "special", expect, size, text)

    def picture(name, data, size, scan, note=""):
        with open(corpus.path(b"special/" + os.fsencode(name)), "wb") as f:
            f.write(data)
        entry(name, "load", scan, size, note)

    picture("a.jpg", jpeg(photo((160, 120), 31)), (160, 120), True)
    picture("b.png", encoded(photo((120, 160), 32), "PNG"), (120, 160), True)
    picture("c.bmp", encoded(photo((100, 75), 33), "BMP"), (100, 75), True)
    picture(b"bad-\xff\xfe.jpg", jpeg(photo((32, 24), 34)), (32, 24), True,
            "name is not UTF-8")
    picture("new\nline.png", encoded(photo((24, 32), 35), "PNG"), (24, 32), True,
            "newline in the name")
    picture(".hidden.jpg", jpeg(photo((20, 20), 36)), (20, 20), False, "hidden name")

    notes = corpus.path(b"special/notes.txt")
    with open(notes, "w") as f:
        f.write("Holiday photos: a, b and c.\n")
    entry("notes.txt", "refuse", False, note="text, not a picture extension")

    def at(name):
        return os.path.join(os.path.dirname(notes), os.fsencode(name))

    os.mkfifo(at("fifo.jpg"))
    entry("fifo.jpg", "refuse", False, note="FIFO: opening it for reading would block")
    os.symlink("fifo.jpg", at("link-to-fifo.jpg"))
    entry("link-to-fifo.jpg", "refuse", False, note="symlink to fifo.jpg")
    os.symlink("loop2.jpg", at("loop1.jpg"))
    os.symlink("loop1.jpg", at("loop2.jpg"))
    entry("loop1.jpg", "refuse", False, note="symlink loop with loop2.jpg")
    entry("loop2.jpg", "refuse", False, note="symlink loop with loop1.jpg")
    os.symlink("no-such-photo.jpg", at("dangling.jpg"))
    entry("dangling.jpg", "refuse", False, note="symlink to nothing")
    os.symlink("/dev/zero", at("zero.jpg"))
    entry("zero.jpg", "refuse", False, note="symlink to /dev/zero: endless zeros")
    os.mkdir(at("x.jpg"))
    entry("x.jpg", "refuse", False, note="a folder")
    with open(at("sparse.jpg"), "wb") as f:
        f.truncate(SPARSE_BYTES)
    entry("sparse.jpg", "refuse", True,
          note="regular file of 2 GiB, sparse: over the 1 GiB file-size cap")
    os.symlink("a.jpg", at("link-to-a.jpg"))
    entry("link-to-a.jpg", "load", True, (160, 120), "symlink to a.jpg")


# ---------------------------------------------------------------------------
# The phone, camera and drawing formats: a valid file of each, cut off,
# bit-flipped, and claiming more pixels than the limit in its header

def tool_encoded(img, tool, args, suffix):
    """img encoded by a command-line encoder (heif-enc, cjxl), or None when
    the tool is missing (scripts/install-deps.sh installs them)."""
    import shutil
    import subprocess
    import tempfile
    if shutil.which(tool) is None:
        return None
    with tempfile.TemporaryDirectory() as scratch:
        source = os.path.join(scratch, "in.png")
        target = os.path.join(scratch, "out" + suffix)
        img.convert("RGB").save(source)
        subprocess.run([tool, *args, source, *(["-o", target] if tool == "heif-enc" else [target])],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(target, "rb") as f:
            return f.read()


def heif_claiming(data, size):
    """A HEIF or AVIF whose 'ispe' box (the image's stored size) says size."""
    at = data.find(b"ispe")
    if at < 0:
        return None
    # box type, then version and flags (4 bytes), then width and height
    return data[:at + 8] + struct.pack(">II", *size) + data[at + 16:]


def webp_claiming(size):
    """An extended WebP whose canvas is size, holding a 1x1 lossless picture."""
    tiny = encoded(Image.new("RGB", (1, 1), (200, 30, 30)), "WEBP", lossless=True)
    vp8l = tiny[12:]  # the VP8L chunk after RIFF size WEBP
    w, h = size[0] - 1, size[1] - 1
    vp8x = b"VP8X" + struct.pack("<I", 10) + bytes(4) + struct.pack("<I", w)[:3] + \
        struct.pack("<I", h)[:3]
    body = b"WEBP" + vp8x + vp8l
    return b"RIFF" + struct.pack("<I", len(body)) + body


def emf_file(frame_hundredths_mm, bounds, records=b""):
    """An EMF: the header record (type 1) with its bounds in device units and
    its frame in hundredths of a millimetre, then records and EMR_EOF."""
    eof = struct.pack("<IIIII", 14, 20, 0, 0, 20)
    header_size = 108
    total = header_size + len(records) + len(eof)
    header = struct.pack("<II", 1, header_size)
    header += struct.pack("<iiii", *bounds)
    header += struct.pack("<iiii", 0, 0, *frame_hundredths_mm)
    count = 2 + record_count(records)  # the header and EOF besides
    header += struct.pack("<IIIIHH", 0x464D4520, 0x10000, total, count, 2, 0)
    header += struct.pack("<III", 0, 0, 0)        # description, its offset, palette entries
    header += struct.pack("<ii", 1920, 1080)      # device size in pixels
    header += struct.pack("<ii", 508, 286)        # device size in millimetres
    header += bytes(header_size - len(header))
    return header + records + eof


def record_count(records):
    """How many EMF records `records` holds, by their size fields."""
    count, at = 0, 0
    while at + 8 <= len(records):
        at += struct.unpack("<I", records[at + 4:at + 8])[0]
        count += 1
    return count


def emf_rectangle(colour, box):
    """EMR_CREATEBRUSHINDIRECT (object 1), EMR_SELECTOBJECT, EMR_RECTANGLE."""
    r, g, b = colour
    brush = struct.pack("<IIIIII", 39, 24, 1, 0, r | g << 8 | b << 16, 0)
    select = struct.pack("<III", 37, 12, 1)
    rect = struct.pack("<II", 43, 24) + struct.pack("<iiii", *box)
    return brush + select + rect


def wmf_placeable(bbox, inch, records=b""):
    """A placeable WMF: the 22-byte header (bounding box in units, units per
    inch), the standard header, records and META_EOF."""
    eof = struct.pack("<IH", 3, 0)
    body = records + eof
    size_words = (18 + len(body)) // 2
    standard = struct.pack("<HHHIHIH", 1, 9, 0x300, size_words, 1, 7, 0)
    placeable = struct.pack("<IH", 0x9AC6CDD7, 0) + struct.pack("<hhhh", *bbox) + \
        struct.pack("<HI", inch, 0)
    checksum = 0
    for i in range(0, 20, 2):
        checksum ^= struct.unpack("<H", placeable[i:i + 2])[0]
    return placeable + struct.pack("<H", checksum) + standard + body


def wmf_rectangle(colour, box):
    r, g, b = colour
    set_window = struct.pack("<IHhh", 5, 0x020B, 0, 0) + struct.pack("<IHhh", 5, 0x020C, 1000, 1000)
    brush = struct.pack("<IHHIH", 7, 0x02FC, 0, r | g << 8 | b << 16, 0)
    select = struct.pack("<IHH", 4, 0x012D, 0)
    left, top, right, bottom = box
    rect = struct.pack("<IHhhhh", 7, 0x041B, bottom, right, top, left)
    return set_window + brush + select + rect


def dng_file(size, seed):
    """A small uncompressed DNG: a 16-bit RGGB mosaic with the tags a raw
    developer needs (CFA layout, levels, colour matrix, white balance)."""
    w, h = size
    rng = random.Random(seed)
    pixels = b"".join(struct.pack("<H", (x * 900 + y * 500 + rng.randrange(2000)) % 60000)
                      for y in range(h) for x in range(w))
    # tag, type (1 byte, 2 ASCII, 3 short, 4 long, 5 rational, 10 signed rational), values
    entries = [(254, 4, [0]), (256, 4, [w]), (257, 4, [h]), (258, 3, [16]), (259, 3, [1]),
               (262, 3, [32803]), (271, 2, b"Kolvira\0"), (272, 2, b"Corpus\0"), (273, 4, [0]),
               (274, 3, [1]), (277, 3, [1]), (278, 4, [h]), (279, 4, [len(pixels)]),
               (284, 3, [1]), (33421, 3, [2, 2]), (33422, 1, [0, 1, 1, 2]),
               (50706, 1, [1, 4, 0, 0]), (50708, 2, b"Kolvira Corpus\0"), (50714, 4, [0]),
               (50717, 4, [60000]),
               (50721, 10, [(1, 1), (0, 1), (0, 1), (0, 1), (1, 1), (0, 1), (0, 1), (0, 1), (1, 1)]),
               (50728, 5, [(1, 1), (1, 1), (1, 1)]), (50778, 3, [21])]
    formats = {1: "B", 3: "H", 4: "I", 5: "II", 10: "ii"}

    def pack(kind, values):
        if kind == 2:
            return bytes(values)
        return b"".join(struct.pack("<" + formats[kind], *(v if isinstance(v, tuple) else (v,)))
                        for v in values)

    ifd_size = 2 + 12 * len(entries) + 4
    extra_at = 8 + ifd_size
    extra, records = b"", []
    for tag, kind, values in entries:
        data = pack(kind, values)
        if len(data) <= 4:
            field = data.ljust(4, b"\0")
        else:
            field = struct.pack("<I", extra_at + len(extra))
            extra += data + b"\0" * (len(data) % 2)
        records.append((tag, kind, len(values), field))
    strip_at = extra_at + len(extra)
    out = b"II*\0" + struct.pack("<IH", 8, len(entries))
    for tag, kind, count, field in records:
        if tag == 273:
            field = struct.pack("<I", strip_at)
        out += struct.pack("<HHI", tag, kind, count) + field
    return out + struct.pack("<I", 0) + extra + pixels


def make_formats(corpus, img):
    rng = random.Random(2027)
    small = img.resize((320, 240))
    valid = {}
    heic = tool_encoded(small, "heif-enc", [], ".heic")
    if heic:
        valid["heic"] = (heic, "heic", "HEIC")
    avif = tool_encoded(small, "heif-enc", ["-A"], ".avif")
    if avif:
        valid["avif"] = (avif, "avif", "AVIF")
    jxl = tool_encoded(small, "cjxl", ["-d", "1"], ".jxl")
    if jxl:
        valid["jxl"] = (jxl, "jxl", "JPEG XL")
    valid["webp"] = (encoded(small, "WEBP", quality=80), "webp", "lossy WebP")
    valid["dng"] = (dng_file((64, 48), 5), "dng", "DNG")
    valid["emf"] = (emf_file((8467, 6350), (0, 0, 319, 239),
                             emf_rectangle((200, 40, 40), (20, 20, 160, 120))), "emf", "EMF")
    valid["wmf"] = (wmf_placeable((0, 0, 1000, 750), 1000 * 96 // 320,
                                  wmf_rectangle((40, 40, 200), (100, 100, 500, 400))),
                    "wmf", "placeable WMF")
    for kind, (data, ext, what) in valid.items():
        # The metafiles are drawn at their header's size at 96 DPI: 320x240 too.
        size = (64, 48) if kind == "dng" else small.size
        corpus.image("formats", f"{kind}-valid.{ext}", data, "load", size, f"a valid {what}")
        corpus.image("formats", f"{kind}-cut-50.{ext}", data[:len(data) // 2], "either",
                     note=f"{what} cut to half its {len(data)} bytes")
        corpus.image("formats", f"{kind}-cut-40-bytes.{ext}", data[:40], "either",
                     note=f"{what} cut to 40 bytes")
        start = min(32, len(data) // 4)
        for variant in (1, 2):
            corpus.image("formats", f"{kind}-flips-{variant}.{ext}",
                         flip_bits(data, rng, 6, start, len(data)), "either",
                         note=f"{what} with 6 bits flipped past byte {start}")
    for kind in ("heic", "avif"):
        if kind in valid:
            claim = heif_claiming(valid[kind][0], HUGE_SIZE)
            if claim:
                corpus.image("formats", f"{kind}-claims-huge.{kind}", claim, "refuse",
                             note="ispe claims {}x{}".format(*HUGE_SIZE))
    corpus.image("formats", "webp-claims-huge.webp", webp_claiming((16384, 16384)), "refuse",
                 note="VP8X canvas claims 16384x16384")
    corpus.image("formats", "emf-claims-huge.emf",
                 emf_file((2_000_000, 2_000_000), (0, 0, 75590, 75590)), "refuse",
                 note="frame claims 20 m by 20 m, 75591 pixels a side at 96 DPI")
    corpus.image("formats", "wmf-claims-huge.wmf", wmf_placeable((0, 0, 30000, 30000), 1),
                 "refuse", note="bounding box of 30000 inches at 1 unit per inch")
    text = b"Not a raw file at all, only words.\n" * 40
    for ext in ("dng", "cr2", "cr3", "nef", "arw", "heic", "jxl", "emf", "wmf"):
        corpus.image("formats", f"text.{ext}", text, "refuse", note=f"plain text named .{ext}")


def write_every_format(outdir, size=(320, 240)):
    """One valid picture of every format the Mosaic lists, of `size` (the DNG
    a fifth of it), into outdir: for the tests that open, render and print
    them all, and for the benchmarks of each format."""
    os.makedirs(outdir, exist_ok=True)
    w, h = size
    img = photo(size, 3)
    icon = photo((32, 32), 4).convert("RGBA")
    files = {
        "a photo.jpg": jpeg(img),
        "b bitmap.bmp": encoded(img, "BMP"),
        "c animation.gif": encoded(img.quantize(256), "GIF"),
        "d scan.tif": encoded(img, "TIFF"),
        "e screenshot.png": encoded(img, "PNG"),
        "f icon.ico": encoded(icon, "ICO", sizes=[(32, 32)]),
        "g cursor.cur": icon_file(2, [(32, 32, 1, 2, icon_dib(icon))]),
        "h clip art.wmf": wmf_placeable((0, 0, 1000, 750), 1000 * 96 // w,
                                        wmf_rectangle((40, 40, 200), (100, 100, 500, 400))),
        "i clip art.emf": emf_file((w * 2540 // 96, h * 2540 // 96), (0, 0, w - 1, h - 1),
                                   emf_rectangle((200, 40, 40), (20, 20, 160, 120))),
        "j phone.heic": tool_encoded(img, "heif-enc", [], ".heic"),
        "k phone.avif": tool_encoded(img, "heif-enc", ["-A"], ".avif"),
        "l picture.jxl": tool_encoded(img, "cjxl", ["-d", "1"], ".jxl"),
        "m picture.webp": encoded(img, "WEBP", quality=80),
        "n camera.dng": dng_file((w // 5 // 2 * 2, h // 5 // 2 * 2), 5),
    }
    for name, data in files.items():
        if data is None:
            sys.exit(f"cannot make {name}: its encoder is missing")
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)


def main(argv):
    if len(argv) in (3, 5) and argv[1] == "--every-format":
        size = (int(argv[3]), int(argv[4])) if len(argv) == 5 else (320, 240)
        write_every_format(argv[2], size)
        return
    if len(argv) != 2:
        sys.exit(f"usage: {argv[0]} OUTDIR | --every-format OUTDIR")
    root = argv[1]
    if os.path.lexists(root):
        if not os.path.isdir(root):
            sys.exit(f"{root}: exists and is not a folder")
        if os.listdir(root):
            sys.exit(f"{root}: folder is not empty; the corpus goes into an empty one")
    os.makedirs(root, exist_ok=True)

    corpus = Corpus(root)
    img = photo(PHOTO_SIZE, 1)
    make_empty_and_text(corpus)
    make_truncated(corpus, img)
    make_bitflips(corpus, img)
    make_huge(corpus)
    make_bombs(corpus)
    make_odd(corpus)
    make_formats(corpus, img)
    make_special(corpus)
    corpus.check_every_entry_recorded()
    corpus.write_manifest()


if __name__ == "__main__":
    main(sys.argv)
