#!/usr/bin/python3
"""GNOME's thumbnail factory, the client file managers use, makes thumbnails
through the installed kolvira-thumbnailer, inside its own sandbox.

check_thumbnailer.py BUILD CMAKE CORPUS_SCRIPT

Debian's python3 runs it: the factory is reached through python3-gi.
"""
import os
import subprocess
import sys
import tempfile

import gi

gi.require_version("GnomeDesktop", "3.0")
from gi.repository import GLib, GnomeDesktop, Gio  # noqa: E402
from PIL import Image, ImageChops, ImageStat  # noqa: E402


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} -> exit {result.returncode}\n{result.stdout}{result.stderr}")


def sandbox_that_sees(prefix, folder):
    """A `bwrap` for PATH that runs the real one with `prefix` visible: the
    factory shows its thumbnailers /usr alone, where a package installs."""
    os.makedirs(folder)
    wrapper = os.path.join(folder, "bwrap")
    with open(wrapper, "w") as script:
        script.write(f'#!/bin/sh\nexec /usr/bin/bwrap --ro-bind "{prefix}" "{prefix}" "$@"\n')
    os.chmod(wrapper, 0o755)


def pixbuf_image(pixbuf):
    mode = "RGBA" if pixbuf.get_has_alpha() else "RGB"
    return Image.frombytes(mode, (pixbuf.get_width(), pixbuf.get_height()),
                           pixbuf.get_pixels(), "raw", mode, pixbuf.get_rowstride()).convert("RGB")


def main():
    build, cmake, corpus_script = sys.argv[1:4]
    # Not under /tmp: the sandbox mounts a folder of its own there.
    with tempfile.TemporaryDirectory(dir=build, prefix="thumbnailer-") as scratch:
        prefix = os.path.join(scratch, "prefix")
        run(cmake, "--install", build, "--prefix", prefix)
        pictures = os.path.join(scratch, "pictures")
        run(corpus_script, "--every-format", pictures)
        with open(os.path.join(pictures, "i clip art.emf"), "rb") as emf:
            cut = emf.read()[:60]
        with open(os.path.join(pictures, "cut.emf"), "wb") as broken:
            broken.write(cut)
        run("djxl", os.path.join(pictures, "l picture.jxl"), os.path.join(scratch, "jxl.png"))

        # Run as the sandbox does, with no runtime folder and the output's
        # folder as the temporary one: that folder holds the thumbnail alone
        # afterwards, and nothing when the picture is broken.
        for name, status, left in [("i clip art.emf", 0, ["thumb.png"]), ("cut.emf", 1, [])]:
            out = os.path.join(scratch, "out-" + name)
            os.makedirs(out)
            environment = {k: v for k, v in os.environ.items() if k != "XDG_RUNTIME_DIR"}
            result = subprocess.run([os.path.join(prefix, "bin", "kolvira-thumbnailer"), "-s", "64",
                                     os.path.join(pictures, name), os.path.join(out, "thumb.png")],
                                    env=dict(environment, TMPDIR=out), capture_output=True)
            if result.returncode != status or sorted(os.listdir(out)) != left:
                sys.exit(f"{name}: exit {result.returncode}, left {os.listdir(out)}, "
                         f"not {status} and {left}\n{result.stderr.decode()}")

        sandbox_that_sees(prefix, os.path.join(scratch, "wrap"))
        os.environ.update(PATH=f"{prefix}/bin:{scratch}/wrap:{os.environ['PATH']}",
                          XDG_DATA_DIRS=f"{prefix}/share:/usr/share",
                          HOME=os.path.join(scratch, "home"),
                          XDG_CACHE_HOME=os.path.join(scratch, "cache"))
        factory = GnomeDesktop.DesktopThumbnailFactory.new(
            GnomeDesktop.DesktopThumbnailSize.LARGE)  # 256 pixels

        def thumbnail(name):
            file = Gio.File.new_for_path(os.path.join(pictures, name))
            mime = file.query_info("standard::content-type", 0, None).get_content_type()
            if not factory.can_thumbnail(file.get_uri(), mime, 0):
                sys.exit(f"no thumbnailer for {name} ({mime})")
            return pixbuf_image(factory.generate_thumbnail(file.get_uri(), mime, None))

        # The every-format pictures are 320 x 240; the raw file a fifth of that.
        for name, size in [("h clip art.wmf", (256, 192)), ("i clip art.emf", (256, 192)),
                           ("j phone.heic", (256, 192)), ("k phone.avif", (256, 192)),
                           ("l picture.jxl", (256, 192)), ("m picture.webp", (256, 192)),
                           ("n camera.dng", (64, 48))]:
            got = thumbnail(name)
            if got.size != size:
                sys.exit(f"{name}: a thumbnail of {got.size}, not {size}")
            if ImageStat.Stat(got).extrema[0][0] == ImageStat.Stat(got).extrema[0][1]:
                sys.exit(f"{name}: the thumbnail is one flat colour")

        # The metafile's red rectangle over (20, 20)-(160, 120), on white.
        emf = thumbnail("i clip art.emf")
        for point, colour in [((72, 56), (200, 40, 40)), ((240, 176), (255, 255, 255))]:
            if max(abs(a - b) for a, b in zip(emf.getpixel(point), colour)) > 8:
                sys.exit(f"EMF thumbnail at {point}: {emf.getpixel(point)}, not {colour}")
        # The JPEG XL's thumbnail is what djxl decodes, scaled.
        reference = Image.open(os.path.join(scratch, "jxl.png")).convert("RGB").resize(
            (256, 192), Image.LANCZOS)
        difference = ImageStat.Stat(ImageChops.difference(thumbnail("l picture.jxl"), reference))
        if max(difference.mean) > 6:
            sys.exit(f"the JPEG XL thumbnail differs from djxl's picture by {difference.mean}")

        # A broken file fails the thumbnailer, which the factory reports.
        try:
            thumbnail("cut.emf")
            sys.exit("a thumbnail of a cut-off EMF was made")
        except GLib.Error:
            pass


if __name__ == "__main__":
    main()
